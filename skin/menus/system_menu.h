// The replacement system menu: an owner-drawn framework popup with the items of the window's own
// system menu (or, on NT 4, a fixed set), drawn by the item painter with the skin's menu glyphs.
// The form skin owns the popup, rebuilds it at every popup so that the enabled states follow the
// window, and shows it from the icon, a right click on the caption and Alt+Space.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "skin/menus/menu_owner_draw.h"

namespace zfw {
class TPopupMenu;
class TMenuItem;
}  // namespace zfw

namespace zembrel {

// The popup's Tag, by which other code recognises the replacement system menu.
inline constexpr int kSystemMenuTag = 33333;
// Tags of the fixed (NT 4) items; the first four are also their MenuGlyphs image indexes.
inline constexpr int kSysItemRestore = 0, kSysItemMaximize = 1, kSysItemMinimize = 2, kSysItemClose = 3,
                     kSysItemLine = 100;

// Runs a fixed item by its tag: restore, maximise, minimise through the form skin; close.
using FixedSysItemClick = std::function<void(int tag)>;

// The popup for wnd from its system menu; null when there is none (NT 5 and later without a
// system menu handle). Items of the window's menu post WM_SYSCOMMAND with their command.
std::unique_ptr<zfw::TPopupMenu> BuildSystemMenu(HWND wnd, HMENU systemMenu, const MenuPaintContext& paint,
                                                 const FixedSysItemClick& fixedItemClick);
// Whether the window's system menu has a Close item (always on NT 4 and the 9x family).
bool HasCloseItem(HMENU systemMenu);
// The click of an item made from the window's system menu: WM_SYSCOMMAND with its Tag, posted.
void SysCommandItemClick(HWND wnd, const zfw::TMenuItem& item);

}  // namespace zembrel
