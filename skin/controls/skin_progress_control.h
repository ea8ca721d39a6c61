// The control skin of progress bars: position and range read with the progress-bar messages, so it
// serves framework bars and the bare "msctls_progress32" windows alike.
#pragma once

#include "skin/controls/skin_painted_control.h"

namespace zembrel {

class TSkinProgress : public TSkinPaintedControl {
  ZFW_CLASS(TSkinProgress)
 public:
  using TSkinPaintedControl::TSkinPaintedControl;
  void Paint(HDC dc, const RECT& rect) override;

 protected:
  bool BeforeMessage(zfw::TMessage& msg) override;
};

}  // namespace zembrel
