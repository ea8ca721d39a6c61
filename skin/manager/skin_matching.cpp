// The matching rules for framework controls: which control skin a control of a skinned form
// gets. The foreign classes of the skin data's Skin3rd lines are in skin_third_party.cpp, the
// bare child windows of system dialogs in skin_child_windows.cpp.
#include "skin/manager/skin_matching.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "framework/forms.h"
#include "framework/stdctrls.h"
#include "skin/controls/WinSubClass.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"
#include "framework/fault_log.h"
#include "skin/frame/skin_messages.h"
#include "skin/manager/skin_control_classes.h"

namespace zembrel {

namespace {

bool OneOf(const std::string& name, std::initializer_list<const char*> names) {
  return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == n; });
}

// The rows of the control table, in order. A row names the control (a framework class, tested
// along the class chain, or a foreign class name) and the switch of SkinControls it needs.
// Rows of families the framework has no class of never match here and are listed only as
// comments: tab and page controls, tab sheets (TSkinTab, TSkinTabBtn, TSkinTabSheet), headers
// (TSkinHeader), track bars (TSkinTrackBar), tool bars (TSkinBox, their menus handed to the menu
// skin), progress bars (TSkinProgress), scroll boxes (TSkinScControl), combo boxes (TSkinComBox),
// date/time pickers (TSkinEdit, TSkinDateTime), speed buttons (TSkinSpeedButton), list views
// (TSkinListView) and the further scrolling families (TSkinScrollbar).
bool MatchControlTable(TWinSkinForm& formSkin, zfw::TControl& control, const std::string& name) {
  TSkinData& skin = *formSkin.SkinData();
  const bool tabs = skin.Skins(xcTab) && skin.Element("Tabs");
  if (tabs && name == "TTABSET") return StartControlSkin(formSkin, NewTab31Skin, control);
  if (tabs && name == "TTABBEDNOTEBOOK") return StartControlSkin(formSkin, NewTabSkin, control);
  if (name == "TMVCPANEL") {
    if (auto* win = dynamic_cast<zfw::TWinControl*>(&control)) SkinChildControls(formSkin, *win);
    return true;
  }
  if (skin.Skins(xcCheckBox) && control.InheritsFrom("TCheckBox"))
    return StartControlSkin(formSkin, NewCheckBoxSkin, control);
  if (skin.Skins(xcSpin) && OneOf(name, {"TUPDOWN", "TSPINBUTTON"}))
    return StartControlSkin(formSkin, NewUpDownSkin, control);
  if (skin.Skins(xcButton) && name == "TMEDIAPLAYER") return StartControlSkin(formSkin, NewMediaPlayerSkin, control);
  if (skin.Skins(xcRadioButton) && control.InheritsFrom("TRadioGroup")) {
    if (auto* group = dynamic_cast<zfw::TWinControl*>(&control))
      for (int i = 0; i < group->ControlCount(); ++i) StartControlSkin(formSkin, NewRadioButtonSkin, *group->Controls(i));
    return StartControlSkin(formSkin, NewGroupBoxSkin, control, kOwnColor);
  }
  if (skin.Skins(xcPanel) && name == "TDBNAVIGATOR") {
    StartControlSkin(formSkin, NewBoxSkin, control, kOwnColor);
    if (auto* win = dynamic_cast<zfw::TWinControl*>(&control)) SkinChildControls(formSkin, *win);
    return true;
  }
  if (skin.Skins(xcCheckBox) && OneOf(name, {"TRZDBCHECKBOX", "TRZCHECKBOX", "TCXDBCHECKBOX", "TCXCHECKBOX"}))
    return StartControlSkin(formSkin, NewObjImageSkin, control);
  if (skin.Skins(xcRadioButton) && OneOf(name, {"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"}))
    return StartControlSkin(formSkin, NewObjImageSkin, control);
  if (skin.Skins(xcPanel) && control.InheritsFrom("TCustomGroupBox")) {
    if (auto* win = dynamic_cast<zfw::TWinControl*>(&control)) SkinChildControls(formSkin, *win);
    return StartControlSkin(formSkin, NewGroupBoxSkin, control);
  }
  if (skin.Skins(xcRadioButton) && control.InheritsFrom("TRadioButton"))
    return StartControlSkin(formSkin, NewRadioButtonSkin, control);
  if (skin.Skins(xcStatusBar) && control.InheritsFrom("TStatusBar"))
    return StartControlSkin(formSkin, NewStatusBarSkin, control);
  if (skin.Skins(xcCombo) && name == "TTNTCOMBOBOX") return StartControlSkin(formSkin, NewComboBoxSkin, control);
  // Rich edits: the scroll-bar skin's Attach starts it through AttachScrollbars.
  if (skin.Skins(xcScrollbar) && OneOf(name, {"TRICHEDIT", "TWWDBRICHEDIT", "TDXDBMEMO"}))
    return StartControlSkin(formSkin, NewScrollbarSkin, control);
  if (control.InheritsFrom("TBitBtn")) {
    if (skin.Skins(xcBitBtn)) StartControlSkin(formSkin, NewBitButtonSkin, control);
    return true;
  }
  if (skin.Skins(xcPanel) && control.InheritsFrom("TPanel")) {
    if (auto* win = dynamic_cast<zfw::TWinControl*>(&control)) SkinChildControls(formSkin, *win);
    return StartControlSkin(formSkin, NewBoxSkin, control, kOwnColor);
  }
  if (skin.Skins(xcScrollbar) && OneOf(name, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}))
    return StartControlSkin(formSkin, NewScrollbarSkin, control);
  if (skin.Skins(xcScrollbar) && (control.InheritsFrom("TMemo") || HasScrollBars(control)))
    return StartControlSkin(formSkin, NewScrollbarSkin, control);
  if (skin.Skins(xcButton) && control.InheritsFrom("TButton"))
    return StartControlSkin(formSkin, NewButtonSkin, control);
  if (skin.Skins(xcEdit) && control.InheritsFrom("TCustomEdit"))
    return StartControlSkin(formSkin, NewEditSkin, control);
  if (OneOf(name, {"TDCEDIT", "TDCDBEDIT"})) {
    const int buttons = TSkinControl::GetIntProp(&control, "NumButtons");
    if (buttons == 1 && skin.Skins(xcCombo)) return StartControlSkin(formSkin, NewComboBoxSkin, control);
    auto* win = dynamic_cast<zfw::TWinControl*>(&control);
    if (buttons == 0 && skin.Skins(xcEdit) && win) {
      std::unique_ptr<TSkinControl> edit(NewEditSkin(&control));
      edit->AttachHandle(win->Handle(), &skin, &formSkin, formSkin.ControlCanvas());
      edit.release();
    }
    return true;
  }
  // A form embedded as a control: its own face colour, and its components matched in turn.
  if (control.InheritsFrom("TCustomForm")) {
    StartControlSkin(formSkin, NewBoxSkin, control, kOwnColor);
    SkinComponents(formSkin, control);
  }
  return true;
}

bool HasControlSkin(const TWinSkinForm& formSkin, const zfw::TControl& control) {
  const auto& skins = formSkin.ControlSkins();
  return std::any_of(skins.begin(), skins.end(), [&](TSkinControl* s) { return s->Control() == &control; });
}

}  // namespace

bool StartControlSkin(TWinSkinForm& formSkin, ControlSkinFactory make, zfw::TControl& control, bool ownColor,
                      const std::function<void(TSkinControl&)>& prepare) {
  // The control owns its skin; until the skin is attached this function does.
  std::unique_ptr<TSkinControl> skin(make(&control));
  if (prepare) prepare(*skin);
  skin->Attach(&formSkin, formSkin.SkinData(), &control, ownColor, formSkin.ControlCanvas());
  skin.release();
  return true;
}

void SkinControl(TWinSkinForm& formSkin, zfw::TControl& control, zfw::TWinControl* parent) {
  TSkinData* skinData = formSkin.SkinData();
  if (!skinData) return;
  try {
    if (control.Tag() == skinData->DisableTag()) {
      // A disabled group takes its buttons with it.
      auto* group = dynamic_cast<zfw::TWinControl*>(&control);
      const std::string lower = LowerText(control.ClassName());
      if (group && (lower.find("radiogroup") != std::string::npos || lower.find("checkgroup") != std::string::npos))
        for (int i = 0; i < group->ControlCount(); ++i) group->Controls(i)->SetTag(skinData->DisableTag());
      return;
    }
    if (!control.Parent() || control.Perform(SKM_QUERY) == 1 || HasControlSkin(formSkin, control)) return;
    const std::string name = UpperText(control.ClassName());
    if (auto* win = dynamic_cast<zfw::TWinControl*>(&control)) win->HandleNeeded();

    if (skinData->OnSkinControl) {
      zfw::TComponent* supplied = nullptr;
      skinData->OnSkinControl(&formSkin, skinData, parent, &control, name, supplied);
      if (auto* skin = dynamic_cast<TSkinControl*>(supplied)) {
        const auto& skins = formSkin.ControlSkins();
        if (std::find(skins.begin(), skins.end(), skin) == skins.end())
          skin->Attach(&formSkin, skinData, &control, false, formSkin.ControlCanvas());
        if (auto* panel = dynamic_cast<zfw::TPanel*>(&control)) SkinChildControls(formSkin, *panel);
      }
      return;
    }
    if (SkinThirdParty(formSkin, name, control)) return;
    if (OneOf(name, {"TDBCOMBOBOXEH", "TFRDESIGNERPAGE", "TFRPBOX"})) return;
    MatchControlTable(formSkin, control, name);
  } catch (...) {
    // The control keeps its own look.
    zfw::LogCaughtException("matching rules");
  }
}

void SkinChildControls(TWinSkinForm& formSkin, zfw::TWinControl& winControl) {
  // A control skin may add or remove nothing here, but a child list read by index stays valid
  // only while it is not changed: take a copy first.
  std::vector<zfw::TControl*> children;
  for (int i = 0; i < winControl.ControlCount(); ++i) children.push_back(winControl.Controls(i));
  for (zfw::TControl* child : children) SkinControl(formSkin, *child, &winControl);
}

void SkinComponents(TWinSkinForm& formSkin, zfw::TComponent& component) {
  std::vector<zfw::TControl*> controls;
  for (int i = 0; i < component.ComponentCount(); ++i)
    if (auto* control = dynamic_cast<zfw::TControl*>(component.Components(i))) controls.push_back(control);
  for (zfw::TControl* control : controls) SkinControl(formSkin, *control, control->Parent());
}

void SkinFormControls(TWinSkinForm& formSkin, zfw::TWinControl& form) {
  formSkin.PurgeDestroyedControlSkins();
  SkinComponents(formSkin, form);
  for (zfw::TWinControl* control : form.TabOrderList(true))
    if (!HasControlSkin(formSkin, *control)) SkinControl(formSkin, *control, control->Parent());
}

bool HasScrollBars(const zfw::TControl& control) {
  if (control.InheritsFrom("TListBox") || control.InheritsFrom("TMemo")) return true;
  auto* win = dynamic_cast<const zfw::TWinControl*>(&control);
  if (!win || !win->HandleAllocated()) return false;
  const LONG_PTR style = GetWindowLongPtrA(const_cast<zfw::TWinControl*>(win)->Handle(), GWL_STYLE);
  return (style & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

zfw::TControl* FindControl(HWND wnd) { return wnd ? zfw::FindControl(wnd) : nullptr; }

}  // namespace zembrel
