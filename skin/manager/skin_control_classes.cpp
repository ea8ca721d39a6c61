#include "skin/manager/skin_control_classes.h"

#include <algorithm>
#include <cctype>

#include "skin/controls/WinSubClass.h"

namespace zembrel {

// One line per control-skin class: the controls replace TSkinControl here by their own class.
TSkinControl* NewButtonSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewBitButtonSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewSpeedButtonSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewMenuButtonSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewCheckBoxSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewRadioButtonSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewGroupBoxSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewBoxSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewBoxHSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewScrollbarSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewSizerSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewEditSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewStatusBarSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewComboBoxSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewProgressSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewTabSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewTab31Skin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewAdvPageSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewUpDownSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewTrackBarSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewMediaPlayerSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewDateTimeSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewObjImageSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewScrollControlSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }

std::string UpperText(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::toupper(c)); });
  return text;
}

std::string LowerText(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return text;
}

}  // namespace zembrel
