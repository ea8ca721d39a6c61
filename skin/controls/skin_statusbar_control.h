// The control skin of status bars: the whole bar painted off screen from the skin, simple text or
// panels as the status bar window reports them.
#pragma once

#include "skin/controls/skin_painted_control.h"
#include "skin/controls/skin_statusbar.h"

namespace zembrel {

class TSkinStatusBar : public TSkinPaintedControl {
  ZFW_CLASS(TSkinStatusBar)
 public:
  using TSkinPaintedControl::TSkinPaintedControl;
  void Paint(HDC dc, const RECT& rect) override;
  // What the next paint shows, read from the window (parts, texts, rectangles) and, for a
  // framework status bar, its panels' alignments.
  StatusBarLook CurrentLook();

 protected:
  bool BeforeMessage(zfw::TMessage& msg) override;
};

}  // namespace zembrel
