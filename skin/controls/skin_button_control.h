// The control skins of push buttons: TSkinButton (framework buttons and the "button" windows of
// system dialogs), TSkinBitButton (a glyph or image-list image beside the caption), TSkinMenuButton
// (a drop-down arrow) and TSkinSpeedButton (a windowless button painted on its parent). They keep
// the hot and pressed state themselves and paint through the painters of skin_button.h.
#pragma once

#include "skin/controls/skin_button.h"
#include "skin/controls/skin_painted_control.h"

namespace zembrel {

class TSkinButton : public TSkinPaintedControl {
  ZFW_CLASS(TSkinButton)
 public:
  explicit TSkinButton(zfw::TComponent* owner);
  void Attach(TWinSkinForm* formSkin, TSkinData* skinData, zfw::TControl* control, bool ownColor,
              zfw::TCanvas* canvas) override;
  void Paint(HDC dc, const RECT& rect) override;
  // The state the next paint shows; also refreshes FFocused and FEnabled.
  ButtonState CurrentState();

 protected:
  bool BeforeMessage(zfw::TMessage& msg) override;
  void AfterMessage(zfw::TMessage& msg) override;
  // Caption, font, text colour and background of the next paint.
  ButtonLook CurrentLook();
  // A finished click: what the system button would have sent, so that the control and its parent
  // see the click exactly as without a skin.
  void Click();
  void SetHot(bool on);
  void SetPressed(bool on);
  bool Hot() const { return FButtonState & kButtonHot; }
  bool Pressed() const { return FButtonState & kButtonPressed; }

  bool FTransparent = false;
};

class TSkinBitButton : public TSkinButton {
  ZFW_CLASS(TSkinBitButton)
 public:
  using TSkinButton::TSkinButton;
  void Paint(HDC dc, const RECT& rect) override;
  // A published graphic property to take the glyph from instead of "Glyph".
  void SetGlyphProperty(const std::string& name) { FGlyphProperty = name; }

 protected:
  // Glyph source and layout read from the control's published properties.
  void ReadGlyph(ButtonGlyph& glyph, GlyphButtonLayout& layout);
  std::string FGlyphProperty;
};

class TSkinMenuButton : public TSkinButton {
  ZFW_CLASS(TSkinMenuButton)
 public:
  using TSkinButton::TSkinButton;
  void Paint(HDC dc, const RECT& rect) override;
};

// A speed button has no window: it is painted into its parent's canvas, and its own messages come
// through its WindowProc as the framework routes them.
class TSkinSpeedButton : public TSkinBitButton {
  ZFW_CLASS(TSkinSpeedButton)
 public:
  using TSkinBitButton::TSkinBitButton;
  void Attach(TWinSkinForm* formSkin, TSkinData* skinData, zfw::TControl* control, bool ownColor,
              zfw::TCanvas* canvas) override;
  void Paint(HDC dc, const RECT& rect) override;
  void PaintWindow(HDC dc) override;

 protected:
  bool BeforeMessage(zfw::TMessage& msg) override;
  void AfterMessage(zfw::TMessage& msg) override;
  bool FPainting = false;
};

}  // namespace zembrel
