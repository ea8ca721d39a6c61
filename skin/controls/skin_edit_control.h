// The control skins of edit boxes and up-down controls: TSkinEdit repaints an edit's border in the
// skin's colours after the control has painted (the text area stays the control's) and gives an
// embedded spin control a TSkinUpDown; TSkinUpDown paints the two arrows from the skin.
#pragma once

#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_painted_control.h"

namespace zembrel {

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
  ZFW_CLASS(TSkinEdit)
 public:
  using TSkinControl::TSkinControl;
  void Paint(HDC dc, const RECT& rect) override;
  TSkinUpDown* UpDown() const { return FUpDown; }

 protected:
  void AfterMessage(zfw::TMessage& msg) override;
  void FindUpDown();
  void PrintBorder(HDC dc);
  TSkinUpDown* FUpDown = nullptr;  // owned by the edit control
};

class TSkinUpDown : public TSkinPaintedControl {
  ZFW_CLASS(TSkinUpDown)
 public:
  using TSkinPaintedControl::TSkinPaintedControl;
  void Paint(HDC dc, const RECT& rect) override;
  void SetEmbedded(bool on) { FEmbedded = on; }
  bool Embedded() const { return FEmbedded; }

 protected:
  bool BeforeMessage(zfw::TMessage& msg) override;
  void AfterMessage(zfw::TMessage& msg) override;
  bool HasLook() const;
  // The arrow under a client point: 0 the first, 1 the second.
  int ArrowAt(LPARAM point) const;
  UpDownLook FLook;
  bool FEmbedded = false;
};

}  // namespace zembrel
