// The control skins of check boxes and radio buttons. The control keeps its own mouse and keyboard
// handling; the skin repaints after it, drawing the box from the skin's images and, for framework
// controls, the caption too.
#pragma once

#include "skin/controls/WinSubClass.h"
#include "skin/controls/skin_check_radio.h"

namespace zembrel {

// Shared by both kinds: FMode 1 paints box and caption over the face, 0 draws the box over what
// the control painted.
class TSkinCheckRadio : public TSkinControl {
  ZFW_CLASS(TSkinCheckRadio)
 public:
  explicit TSkinCheckRadio(zfw::TComponent* owner, bool radio);
  void Attach(TWinSkinForm* formSkin, TSkinData* skinData, zfw::TControl* control, bool ownColor,
              zfw::TCanvas* canvas) override;
  void Paint(HDC dc, const RECT& rect) override;
  // The image cell the next paint shows.
  virtual int Cell() = 0;

 protected:
  bool BeforeMessage(zfw::TMessage& msg) override;
  void AfterMessage(zfw::TMessage& msg) override;
  bool Disabled() const;
  const bool FRadio;
  bool FTransparent = false;
};

class TSkinCheckBox : public TSkinCheckRadio {
  ZFW_CLASS(TSkinCheckBox)
 public:
  explicit TSkinCheckBox(zfw::TComponent* owner) : TSkinCheckRadio(owner, false) {}
  int Cell() override;

 protected:
  void AfterMessage(zfw::TMessage& msg) override;
  int FDataState = 0;  // the last BM_SETCHECK value + 1; 0 until one is seen
};

class TSkinRadioButton : public TSkinCheckRadio {
  ZFW_CLASS(TSkinRadioButton)
 public:
  explicit TSkinRadioButton(zfw::TComponent* owner) : TSkinCheckRadio(owner, true) {}
  int Cell() override;
};

}  // namespace zembrel
