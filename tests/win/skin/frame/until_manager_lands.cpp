// Temporary: the matching rules and the control skin base are not on this branch yet. Removed when
// the manager branch is merged.
#include "skin/controls/WinSubClass.h"
#include "skin/manager/skin_matching.h"

namespace zembrel {
void SkinFormControls(TWinSkinForm&, zfw::TWinControl&) {}
void SkinChildWindows(TWinSkinForm&, HWND) {}
void SkinControl(TWinSkinForm&, zfw::TControl&, zfw::TWinControl*) {}
void SkinChildWindow(TWinSkinForm&, HWND) {}
zfw::TControl* FindControl(HWND) { return nullptr; }
void TSkinControl::Unhook() {}
}  // namespace zembrel
