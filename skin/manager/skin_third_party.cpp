// Foreign control classes: the skin data's Skin3rd lines ("Class=kind") say which control skin a
// class that the control table does not know gets. None of these classes exist in this program;
// the rules are here for forms that carry such controls.
#include <functional>
#include <memory>
#include <vector>

#include "framework/controls.h"
#include "skin/controls/WinSubClass.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"
#include "skin/manager/skin_control_classes.h"
#include "skin/manager/skin_matching.h"

namespace zembrel {

namespace {

// The kind of the first line "class=kind" (class compared without regard to case, at the start
// of the line); at most 50 characters, lower-cased. False when no line names the class.
bool FindThirdPartyKind(TSkinData& skinData, const std::string& upperClassName, std::string& kind) {
  const std::string key = LowerText(upperClassName) + "=";
  zfw::TStringList& lines = skinData.Skin3rd();
  for (int i = 0; i < lines.Count(); ++i) {
    const std::string line = LowerText(lines.Get(i));
    if (line.compare(0, key.size(), key) != 0) continue;
    kind = line.substr(line.find('=') + 1, 50);
    return true;
  }
  return false;
}

// Window and client rectangle differ in size: the control has a border of its own.
bool HasBorder(zfw::TControl& control) {
  auto* win = dynamic_cast<zfw::TWinControl*>(&control);
  if (!win || !win->HandleAllocated()) return false;
  RECT window{}, client{};
  GetWindowRect(win->Handle(), &window);
  GetClientRect(win->Handle(), &client);
  return window.right - window.left != client.right || window.bottom - window.top != client.bottom;
}

void ForEachChild(zfw::TControl& control, const std::function<void(zfw::TControl&)>& action) {
  auto* win = dynamic_cast<zfw::TWinControl*>(&control);
  if (!win) return;
  std::vector<zfw::TControl*> children;
  for (int i = 0; i < win->ControlCount(); ++i) children.push_back(win->Controls(i));
  for (zfw::TControl* child : children) action(*child);
}

}  // namespace

bool SkinThirdParty(TWinSkinForm& formSkin, const std::string& upperClassName, zfw::TControl& control) {
  TSkinData& skin = *formSkin.SkinData();
  std::string kind;
  if (!FindThirdPartyKind(skin, upperClassName, kind)) return false;
  auto start = [&](bool gate, ControlSkinFactory make, zfw::TControl& target, bool ownColor = false) {
    if (gate) StartControlSkin(formSkin, make, target, ownColor);
  };
  auto walk_children = [&] {
    if (auto* win = dynamic_cast<zfw::TWinControl*>(&control)) SkinChildControls(formSkin, *win);
  };
  const bool rz = upperClassName.find("TRZ") != std::string::npos;

  if (kind == "combobox") start(skin.Skins(xcCombo), NewComboBoxSkin, control);
  else if (kind == "edit") start(skin.Skins(xcEdit) && HasBorder(control), NewEditSkin, control);
  else if (kind == "radiobutton") start(skin.Skins(xcRadioButton), NewRadioButtonSkin, control);
  else if (kind == "panel" || kind == "trackbar") {
    const bool gate = kind == "panel" ? skin.Skins(xcPanel) : skin.Skins(xcButton);
    if (gate) TSkinControl::SetPropText(&control, "Transparent", "True");
    if (kind == "panel") start(gate, NewBoxSkin, control, kOwnColor);
    else start(gate, NewTrackBarSkin, control);
  } else if (kind == "button") start(skin.Skins(xcButton), NewButtonSkin, control);
  else if (kind == "datetimepicker") start(skin.Skins(xcCombo), NewDateTimeSkin, control);
  else if (kind == "mediaplayer") start(skin.Skins(xcButton), NewMediaPlayerSkin, control);
  else if (kind == "bitbtn") {
    const bool dropDown = upperClassName == "TCXBUTTON" &&
                          TSkinControl::GetEnumName(&control, "Kind") == "cxbkDropDownButton";
    start(skin.Skins(xcButton), dropDown ? NewMenuButtonSkin : NewBitButtonSkin, control);
  }
  // The bit-button skin takes its glyph from "PngImage" for this kind (its own business).
  else if (kind == "pngbitbtn") start(skin.Skins(xcButton), NewBitButtonSkin, control);
  else if (kind == "menubtn") start(skin.Skins(xcButton), NewMenuButtonSkin, control);
  else if (kind == "speedbutton") start(skin.Skins(xcSpeedButton), NewSpeedButtonSkin, control);
  else if (kind == "tab") start(skin.Skins(xcTab) && skin.Element("Tabs"), NewTabSkin, control);
  else if (kind == "progress") start(skin.Skins(xcProgress), NewProgressSkin, control);
  else if (kind == "scrollbar") {
    if (skin.Skins(xcScrollbar)) {
      StartControlSkin(formSkin, NewScrollbarSkin, control);
      walk_children();
    }
  }
  // One scroll bar only: the scroll-bar skin tells the mode from the class's line.
  else if (kind == "singlescrollbar") start(skin.Skins(xcScrollbar), NewScrollbarSkin, control);
  else if (kind == "embedscrollbar") {
    // Scroll boxes are a family the framework does not have: only the scroll-bar half applies.
    if (skin.Skins(xcScrollbar))
      ForEachChild(control, [&](zfw::TControl& child) {
        if (HasScrollBars(child)) StartControlSkin(formSkin, NewScrollbarSkin, child);
      });
  } else if (kind == "container") walk_children();
  else if (kind == "groupbox") start(skin.Skins(xcGroupBox), NewGroupBoxSkin, control, kOwnColor);
  else if (kind == "advpagecontrol") start(skin.Skins(xcTab), NewAdvPageSkin, control, kOwnColor);
  else if (kind == "radiogroup") {
    if (skin.Skins(xcGroupBox)) {
      if (skin.Skins(xcRadioButton))
        ForEachChild(control, [&](zfw::TControl& child) {
          if (rz) StartControlSkin(formSkin, NewObjImageSkin, child, kOwnColor);
          else StartControlSkin(formSkin, NewRadioButtonSkin, child);
        });
      StartControlSkin(formSkin, NewGroupBoxSkin, control, kOwnColor);
    }
  } else if (kind == "checkgroup") {
    if (skin.Skins(xcPanel)) {
      if (skin.Skins(xcRadioButton))
        ForEachChild(control, [&](zfw::TControl& child) {
          if (rz) StartControlSkin(formSkin, NewObjImageSkin, child, kOwnColor);
          else StartControlSkin(formSkin, NewCheckBoxSkin, child);
        });
      start(skin.Skins(xcGroupBox), NewGroupBoxSkin, control, kOwnColor);
    }
  } else if (kind == "checkbox") start(skin.Skins(xcCheckBox), NewCheckBoxSkin, control);
  // "nil" and any kind not named above leave the control as it is.
  return true;
}

}  // namespace zembrel
