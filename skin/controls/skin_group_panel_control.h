// The control skins of containers: TSkinGroupBox draws a group box's frame and caption (framework
// group boxes, radio groups and system dialogs' group boxes); TSkinBox only gives a framework panel
// the skin's face colour; TSkinBoxH gives bare containers of system dialogs the face colour behind
// their statics; TSkinSizer paints a bare size-grip scroll bar in the face colour.
#pragma once

#include "skin/controls/WinSubClass.h"

namespace zembrel {

class TSkinGroupBox : public TSkinControl {
  ZFW_CLASS(TSkinGroupBox)
 public:
  using TSkinControl::TSkinControl;
  void Attach(TWinSkinForm* formSkin, TSkinData* skinData, zfw::TControl* control, bool ownColor,
              zfw::TCanvas* canvas) override;
  void Paint(HDC dc, const RECT& rect) override;

 protected:
  bool BeforeMessage(zfw::TMessage& msg) override;
};

// Takes over no messages: the panel paints itself, in the colour the skin gives it.
class TSkinBox : public TSkinControl {
  ZFW_CLASS(TSkinBox)
 public:
  using TSkinControl::TSkinControl;
  void Attach(TWinSkinForm* formSkin, TSkinData* skinData, zfw::TControl* control, bool ownColor,
              zfw::TCanvas* canvas) override;
  void Detach() override;

 protected:
  void AfterMessage(zfw::TMessage&) override {}
};

class TSkinBoxH : public TSkinControl {
  ZFW_CLASS(TSkinBoxH)
 public:
  using TSkinControl::TSkinControl;

 protected:
  bool BeforeMessage(zfw::TMessage& msg) override;
};

class TSkinSizer : public TSkinControl {
  ZFW_CLASS(TSkinSizer)
 public:
  using TSkinControl::TSkinControl;
  void Paint(HDC dc, const RECT& rect) override;
};

}  // namespace zembrel
