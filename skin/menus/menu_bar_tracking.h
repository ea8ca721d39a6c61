// Tracking the drop-downs of the skinned menu bar. While one is open, a message-filter hook
// watches the menu's keys and mouse moves: Left and Right at the drop-down's own level, and the
// mouse over another bar button, close it and open the neighbour's (from the last button Right
// wraps to the first); in a right-to-left bar the two keys are exchanged. Alt and Escape end the
// tracking.
#pragma once

#include <windows.h>

#include <functional>

namespace zembrel {

class TMenuBtn;
class TWinSkinMenu;

struct MenuBarTrackEvents {
  std::function<void(TMenuBtn&)> opened;  // a button's drop-down is about to open
  std::function<void(TMenuBtn&)> closed;  // and has closed
};

// Opens the drop-down of the bar's button index below it (its items made owner-drawn, except
// on NT 4), follows the user from drop-down to drop-down, and returns the command chosen (0 for
// none). A disabled button's drop-down does not open.
UINT TrackMenuBar(HWND wnd, TWinSkinMenu& bar, int index, const MenuBarTrackEvents& events);

// The bar button whose drop-down is open; -1 when none.
int TrackedMenuBarIndex();

}  // namespace zembrel
