// Owner-drawn menus: the item painter handed to framework menu items as their draw and measure
// events, switched on and off for a form's popup and main menus, and the WM_MEASUREITEM and
// WM_DRAWITEM handling of a skinned window for menu items without framework items behind them.
#pragma once

#include <windows.h>

#include <functional>

#include "framework/graphics.h"

namespace zfw {
class TComponent;
class TCustomForm;
class TMainMenu;
class TMenu;
class TMenuItem;
}  // namespace zfw

namespace zembrel {

class TSkinData;
class TPopupMenuSkins;

// What the handlers paint with: the skin, and the popup-menu skins whose backgrounds lie under
// the items (null: items are drawn on the Menu colour).
struct MenuPaintContext {
  TSkinData* skin = nullptr;
  TPopupMenuSkins* popups = nullptr;
};

using MenuDrawEvent = std::function<void(zfw::TMenuItem*, zfw::TCanvas&, const RECT&, bool selected)>;
using MenuMeasureEvent = std::function<void(zfw::TMenuItem*, zfw::TCanvas&, int& width, int& height)>;

// The painter as item events.
MenuDrawEvent DrawMenuItemEvent(const MenuPaintContext& context);
MenuMeasureEvent MeasureMenuItemEvent(const MenuPaintContext& context);
MenuMeasureEvent MeasureMenuItemFullEvent(const MenuPaintContext& context);

// The menu handle that shows the item: its parent item's drop-down, or its menu's own handle.
HMENU ParentMenuHandle(zfw::TMenuItem& item);

// on: draw event DrawMenuItem, measure event MeasureMenuItemFull; off: the draw event is cleared.
// The item and all its sub-items.
void SetItemsOwnerDraw(zfw::TMenuItem& item, bool on, const MenuPaintContext& context);
// Every popup menu owned by component (and by the forms it owns), unless its Tag is the skin's
// DisableTag or popup menus are not skinned.
void SetPopupMenusOwnerDraw(zfw::TComponent& component, bool on, const MenuPaintContext& context);
// Every main menu owned by component: its drop-down items (not the bar's own items).
void SetMainMenusOwnerDraw(zfw::TComponent& component, bool on, const MenuPaintContext& context);

// Makes every item of the menu and its sub-menus owner-drawn (their texts stay readable).
void MakeMenuOwnerDrawn(HMENU menu);

// What a skinned window knows when an owner-drawn menu item asks to be measured or drawn.
struct MenuWindowContext {
  HWND wnd = nullptr;
  bool hasMenu = false;                      // the window has (or had) a menu: FMenu
  zfw::TCustomForm* form = nullptr;          // the framework form, if any
  zfw::TMainMenu* barMenu = nullptr;         // the framework menu of the menu bar
  zfw::TMenu* ownPopup = nullptr;            // the replacement system menu, if any
  HMENU trackedMenu = nullptr;               // the drop-down being tracked
  bool mdiFrameOnNT4 = false;
  MenuPaintContext paint;
};

// True when the message was answered here; false: pass it on.
bool MeasureItemMessage(const MenuWindowContext& window, MEASUREITEMSTRUCT& item);
bool DrawItemMessage(const MenuWindowContext& window, const DRAWITEMSTRUCT& item);

}  // namespace zembrel
