// The control-skin class of each kind of control the matching rules know, one factory per
// class, and the one way the rules start a control skin on a framework control. Until a family's
// own class exists its factory makes the base TSkinControl.
#pragma once

#include <string>

namespace zfw {
class TComponent;
class TControl;
}  // namespace zfw

namespace zembrel {

class TSkinControl;
class TWinSkinForm;

using ControlSkinFactory = TSkinControl* (*)(zfw::TComponent* owner);

TSkinControl* NewButtonSkin(zfw::TComponent* owner);
TSkinControl* NewBitButtonSkin(zfw::TComponent* owner);
TSkinControl* NewSpeedButtonSkin(zfw::TComponent* owner);
TSkinControl* NewMenuButtonSkin(zfw::TComponent* owner);
TSkinControl* NewCheckBoxSkin(zfw::TComponent* owner);
TSkinControl* NewRadioButtonSkin(zfw::TComponent* owner);
TSkinControl* NewGroupBoxSkin(zfw::TComponent* owner);
TSkinControl* NewBoxSkin(zfw::TComponent* owner);
TSkinControl* NewBoxHSkin(zfw::TComponent* owner);
TSkinControl* NewScrollbarSkin(zfw::TComponent* owner);
TSkinControl* NewSizerSkin(zfw::TComponent* owner);
TSkinControl* NewEditSkin(zfw::TComponent* owner);
TSkinControl* NewStatusBarSkin(zfw::TComponent* owner);
TSkinControl* NewComboBoxSkin(zfw::TComponent* owner);
TSkinControl* NewProgressSkin(zfw::TComponent* owner);
// Skins of families the program holds no control of; created only for foreign classes.
TSkinControl* NewTabSkin(zfw::TComponent* owner);
TSkinControl* NewTab31Skin(zfw::TComponent* owner);
TSkinControl* NewAdvPageSkin(zfw::TComponent* owner);
TSkinControl* NewUpDownSkin(zfw::TComponent* owner);
TSkinControl* NewTrackBarSkin(zfw::TComponent* owner);
TSkinControl* NewMediaPlayerSkin(zfw::TComponent* owner);
TSkinControl* NewDateTimeSkin(zfw::TComponent* owner);
TSkinControl* NewObjImageSkin(zfw::TComponent* owner);
TSkinControl* NewScrollControlSkin(zfw::TComponent* owner);

inline constexpr bool kOwnColor = true;

// Makes a skin with make (owned by control) and attaches it in control mode; true.
bool StartControlSkin(TWinSkinForm& formSkin, ControlSkinFactory make, zfw::TControl& control, bool ownColor = false);

std::string UpperText(std::string text);
std::string LowerText(std::string text);

}  // namespace zembrel
