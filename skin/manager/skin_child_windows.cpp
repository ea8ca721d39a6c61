// The matching rules for bare child windows: the controls of system dialogs ("#32770") and
// other windows without a framework control. Their control skins are owned by the form skin and
// take the window over through their own window procedure (AttachHandle).
#include <memory>

#include "framework/controls.h"
#include "skin/controls/WinSubClass.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"
#include "skin/manager/skin_control_classes.h"
#include "skin/manager/skin_matching.h"

namespace zembrel {

namespace {

void StartHandleSkin(TWinSkinForm& formSkin, ControlSkinFactory make, HWND wnd) {
  if (!wnd || formSkin.FindControlSkin(wnd)) return;
  std::unique_ptr<TSkinControl> skin(make(&formSkin));
  skin->AttachHandle(wnd, formSkin.SkinData(), &formSkin, formSkin.ControlCanvas());
  skin.release();
}

// A framework panel inside a bare window: it keeps its own painting in the skin's face colour.
void GiveFaceColour(TWinSkinForm& formSkin, HWND wnd) {
  if (zfw::TControl* control = FindControl(wnd)) control->SetColor(formSkin.SkinData()->Colours().ButtonFace);
}

}  // namespace

void SkinChildWindows(TWinSkinForm& formSkin, HWND parent) {
  for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongPtrA(child, GWL_STYLE) & WS_CHILD) SkinChildWindow(formSkin, child);
}

void SkinChildWindow(TWinSkinForm& formSkin, HWND wnd) {
  if (!wnd || formSkin.FindControlSkin(wnd) || !formSkin.SkinData()) return;
  TSkinData& skin = *formSkin.SkinData();
  char buffer[101] = {};
  GetClassNameA(wnd, buffer, sizeof buffer);
  const std::string name = LowerText(buffer);
  const LONG_PTR style = GetWindowLongPtrA(wnd, GWL_STYLE);

  if (name == "button") {
    if ((style & 0xB) == 0xB) return;                       // owner-drawn
    if ((style & 7) == 7 || (style & 0x80)) return;         // group box
    if ((style & 3) == 3 || (style & 2) || (style & 5) == 5) {  // check boxes
      if (skin.Skins(xcCheckBox)) StartHandleSkin(formSkin, NewCheckBoxSkin, wnd);
    } else if ((style & 9) == 9 || (style & 4)) {           // radio buttons
      if (skin.Skins(xcRadioButton)) StartHandleSkin(formSkin, NewRadioButtonSkin, wnd);
    } else if (skin.Skins(xcButton)) {
      StartHandleSkin(formSkin, NewButtonSkin, wnd);
    }
  } else if (name == "combobox") {
    if (skin.Skins(xcCombo) && (style & 3) != CBS_SIMPLE) StartHandleSkin(formSkin, NewComboBoxSkin, wnd);
  } else if (name == "comboboxex32") {
    if (skin.Skins(xcCombo)) StartHandleSkin(formSkin, NewComboBoxSkin, GetTopWindow(wnd));
  } else if (name == "scrollbar") {
    if (!(style & 0x10000)) StartHandleSkin(formSkin, NewSizerSkin, wnd);
  } else if (name == "systreeview32") {
    return;
  } else if (name == "#32770") {
    if (!(style & 0x10000)) {
      SkinChildWindows(formSkin, wnd);
      StartHandleSkin(formSkin, NewBoxHSkin, wnd);
    }
  } else if (name == "tpanel" || name == "ttntpanel.unicodeclass" || name == "ttntsilentpaintpanel.unicodeclass") {
    SkinChildWindows(formSkin, wnd);
    GiveFaceColour(formSkin, wnd);
  } else if (name == "tcheckbox") {
    if (skin.Skins(xcCheckBox)) StartHandleSkin(formSkin, NewCheckBoxSkin, wnd);
  } else if (name == "tcombobox") {
    if (skin.Skins(xcCombo)) StartHandleSkin(formSkin, NewComboBoxSkin, wnd);
  } else if (name == "tbutton") {
    if (skin.Skins(xcButton)) StartHandleSkin(formSkin, NewButtonSkin, wnd);
  } else if (name == "tprogressbar") {
    StartHandleSkin(formSkin, NewProgressSkin, wnd);
  } else if (name == "tsilentpaintpanel") {
    GiveFaceColour(formSkin, wnd);
  } else if (name == "systabcontrol32") {
    if (skin.Skins(xcTab) && !(style & 0x2000)) StartHandleSkin(formSkin, NewTabSkin, wnd);
  } else if (name == "toolbarwindow32") {
    StartHandleSkin(formSkin, NewBoxHSkin, wnd);
  } else if (name == "edit") {
    if (skin.Skins(xcEdit)) StartHandleSkin(formSkin, NewEditSkin, wnd);
  }
}

}  // namespace zembrel
