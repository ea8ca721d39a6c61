// The menus of one skinned window, as its form skin uses them: the replacement system menu, the
// skinned item painting of the window's owner-drawn menu items, and the switching of the
// framework form's menus to and from the skinned painter. One object per form skin.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "skin/menus/menu_owner_draw.h"
#include "skin/menus/system_menu.h"

namespace zfw {
class TPopupMenu;
}

namespace zembrel {

class TWinSkinForm;

class TFormMenus {
 public:
  explicit TFormMenus(TWinSkinForm& formSkin);
  ~TFormMenus();
  TFormMenus(const TFormMenus&) = delete;
  TFormMenus& operator=(const TFormMenus&) = delete;

  // AttachForm: with menu items skinned, the main menu's drop-down items take the painter.
  void AttachForm();
  // RefreshSkin: the form's popup menus take the painter.
  void RefreshSkin();
  // Restore: the framework menus draw themselves again; the system menu popup is freed.
  void Restore();

  // Builds the replacement system menu again (its states follow the window) and pops it up at
  // screen; false when there is none to show. fixedItemClick runs the NT 4 items.
  bool ShowSystemMenu(POINT screen, const FixedSysItemClick& fixedItemClick);
  zfw::TPopupMenu* SystemMenuPopup() const { return FSysMenuPopup.get(); }

  // WM_MEASUREITEM / WM_DRAWITEM of the window; true when answered (the result is TRUE).
  // windowMenu: the window's menu (null when it has none); trackedMenu: the menu-bar drop-down
  // being tracked, if any.
  bool MeasureItem(MEASUREITEMSTRUCT& item, HMENU windowMenu, HMENU trackedMenu);
  bool DrawItem(const DRAWITEMSTRUCT& item, HMENU windowMenu);

 private:
  MenuPaintContext Paint() const;
  MenuWindowContext Window(HMENU windowMenu, HMENU trackedMenu) const;

  TWinSkinForm& FFormSkin;
  std::unique_ptr<zfw::TPopupMenu> FSysMenuPopup;
  bool FShowing = false;
};

}  // namespace zembrel
