#include "skin/menus/form_menus.h"

#include "framework/forms.h"
#include "framework/menus.h"
#include "skin/data/WinSkinData.h"
#include "skin/data/skin_platform.h"
#include "skin/frame/WinSkinForm.h"
#include "skin/manager/skin_manager.h"
#include "skin/menus/menu_item_painter.h"

namespace zembrel {

TFormMenus::TFormMenus(TWinSkinForm& formSkin) : FFormSkin(formSkin) {}

TFormMenus::~TFormMenus() = default;

MenuPaintContext TFormMenus::Paint() const {
  return MenuPaintContext{FFormSkin.SkinData(), SkinManager ? &SkinManager->PopupMenus() : nullptr};
}

MenuWindowContext TFormMenus::Window(HMENU windowMenu, HMENU trackedMenu) const {
  MenuWindowContext w;
  w.wnd = FFormSkin.Handle();
  w.hasMenu = windowMenu != nullptr;
  w.form = FFormSkin.Form();
  w.barMenu = w.form ? w.form->Menu() : nullptr;
  w.ownPopup = FSysMenuPopup.get();
  w.trackedMenu = trackedMenu;
  w.mdiFrameOnNT4 = FFormSkin.MDIKind() == 1 && IsNT4();
  w.paint = Paint();
  return w;
}

void TFormMenus::AttachForm() {
  TSkinData* skin = FFormSkin.SkinData();
  if (skin && FFormSkin.Form() && skin->Skins(xcMenuItem)) SetMainMenusOwnerDraw(*FFormSkin.Form(), true, Paint());
}

void TFormMenus::RefreshSkin() {
  if (FFormSkin.Form()) SetPopupMenusOwnerDraw(*FFormSkin.Form(), true, Paint());
}

void TFormMenus::Restore() {
  if (!FShowing) FSysMenuPopup.reset();
  zfw::TCustomForm* form = FFormSkin.Form();
  TSkinData* skin = FFormSkin.SkinData();
  if (!form || !skin) return;
  SetPopupMenusOwnerDraw(*form, false, Paint());
  if (skin->Skins(xcMenuItem)) SetMainMenusOwnerDraw(*form, false, Paint());
}

bool TFormMenus::ShowSystemMenu(POINT screen, const FixedSysItemClick& fixedItemClick) {
  // The popup is modal: while it is open it is not rebuilt under itself.
  if (FShowing) return false;
  const HWND wnd = FFormSkin.Handle();
  FSysMenuPopup.reset();
  FSysMenuPopup = BuildSystemMenu(wnd, GetSystemMenu(wnd, FALSE), Paint(), fixedItemClick);
  if (!FSysMenuPopup) return false;
  FShowing = true;
  FSysMenuPopup->Popup(wnd, screen.x, screen.y);
  FShowing = false;
  return true;
}

bool TFormMenus::MeasureItem(MEASUREITEMSTRUCT& item, HMENU windowMenu, HMENU trackedMenu) {
  return MeasureItemMessage(Window(windowMenu, trackedMenu), item);
}

bool TFormMenus::DrawItem(const DRAWITEMSTRUCT& item, HMENU windowMenu) {
  return DrawItemMessage(Window(windowMenu, nullptr), item);
}

}  // namespace zembrel
