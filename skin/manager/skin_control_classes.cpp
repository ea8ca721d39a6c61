#include "skin/manager/skin_control_classes.h"

#include <algorithm>
#include <cctype>

#include "skin/controls/WinSubClass.h"
#include "skin/controls/skin_button_control.h"
#include "skin/controls/skin_check_radio_control.h"
#include "skin/controls/skin_combo_control.h"
#include "skin/controls/skin_edit_control.h"
#include "skin/controls/skin_group_panel_control.h"
#include "skin/controls/skin_progress_control.h"
#include "skin/controls/skin_scrollbar_control.h"
#include "skin/controls/skin_statusbar_control.h"

namespace zembrel {

// One line per control-skin class: the controls replace TSkinControl here by their own class.
TSkinControl* NewButtonSkin(zfw::TComponent* owner) { return new TSkinButton(owner); }
TSkinControl* NewBitButtonSkin(zfw::TComponent* owner) { return new TSkinBitButton(owner); }
TSkinControl* NewSpeedButtonSkin(zfw::TComponent* owner) { return new TSkinSpeedButton(owner); }
TSkinControl* NewMenuButtonSkin(zfw::TComponent* owner) { return new TSkinMenuButton(owner); }
TSkinControl* NewCheckBoxSkin(zfw::TComponent* owner) { return new TSkinCheckBox(owner); }
TSkinControl* NewRadioButtonSkin(zfw::TComponent* owner) { return new TSkinRadioButton(owner); }
TSkinControl* NewGroupBoxSkin(zfw::TComponent* owner) { return new TSkinGroupBox(owner); }
TSkinControl* NewBoxSkin(zfw::TComponent* owner) { return new TSkinBox(owner); }
TSkinControl* NewBoxHSkin(zfw::TComponent* owner) { return new TSkinBoxH(owner); }
TSkinControl* NewScrollbarSkin(zfw::TComponent* owner) { return new TSkinScrollbar(owner); }
TSkinControl* NewSizerSkin(zfw::TComponent* owner) { return new TSkinSizer(owner); }
TSkinControl* NewEditSkin(zfw::TComponent* owner) { return new TSkinEdit(owner); }
TSkinControl* NewStatusBarSkin(zfw::TComponent* owner) { return new TSkinStatusBar(owner); }
TSkinControl* NewComboBoxSkin(zfw::TComponent* owner) { return new TSkinComBox(owner); }
TSkinControl* NewProgressSkin(zfw::TComponent* owner) { return new TSkinProgress(owner); }
TSkinControl* NewTabSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewTab31Skin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewAdvPageSkin(zfw::TComponent* owner) { return new TSkinControl(owner); }
TSkinControl* NewUpDownSkin(zfw::TComponent* owner) { return new TSkinUpDown(owner); }
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
