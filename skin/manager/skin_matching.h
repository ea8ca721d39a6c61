// The matching rules: which control skin a framework control or a bare child window gets. The
// form skin runs them when it starts (SKM_INIT); the hook runs SkinChildWindow for size grips.
// Each rule creates its control skin, starts it (Attach for a framework control, AttachHandle for
// a bare window) and leaves it registered with the form skin, which owns the list.
#pragma once

#include <windows.h>

#include <string>

namespace zfw {
class TComponent;
class TControl;
class TWinControl;
}  // namespace zfw

namespace zembrel {

class TWinSkinForm;

// Every control of a form: the owned components first, then the windowed controls of the tab
// order that are not skinned yet.
void SkinFormControls(TWinSkinForm& formSkin, zfw::TWinControl& form);
// The matching rules for one framework control inside parent.
void SkinControl(TWinSkinForm& formSkin, zfw::TControl& control, zfw::TWinControl* parent);
// SkinControl for each child control of winControl, in order.
void SkinChildControls(TWinSkinForm& formSkin, zfw::TWinControl& winControl);
// SkinControl for each owned component of component that is a control.
void SkinComponents(TWinSkinForm& formSkin, zfw::TComponent& component);
// The skin data's Skin3rd line for the class, if any, decides; true when there was such a line.
bool SkinThirdParty(TWinSkinForm& formSkin, const std::string& upperClassName, zfw::TControl& control);
// Every child window (WS_CHILD) of parent, through SkinChildWindow.
void SkinChildWindows(TWinSkinForm& formSkin, HWND parent);
// The matching rules for a bare child window (one without a framework control).
void SkinChildWindow(TWinSkinForm& formSkin, HWND wnd);
// A windowed control with a scroll-bar style, or any list box or memo.
bool HasScrollBars(const zfw::TControl& control);

// The framework control of a window of this module and thread (stored under the control atom).
zfw::TControl* FindControl(HWND wnd);

}  // namespace zembrel
