#include "skin/menus/menu_bar_tracking.h"

#include "skin/data/skin_platform.h"
#include "framework/fault_log.h"
#include "skin/menus/WinSkinMenu.h"
#include "skin/menus/menu_owner_draw.h"

namespace zembrel {
namespace {

// One drop-down of the bar is tracked at a time (menus are modal); this is its hook's state.
struct MenuHook {
  HHOOK hook = nullptr;
  HWND wnd = nullptr;
  TWinSkinMenu* bar = nullptr;
  HMENU dropDown = nullptr;
  int index = -1;        // the button whose drop-down is open
  int switchTo = -1;     // the button to open next, once this drop-down has closed
  bool keySent = false;  // the first item has been selected
  POINT lastMouse{};
} g_hook;

// Where the selection stands: in a sub-menu of the drop-down, and on an item with a sub-menu.
struct Selection {
  bool inSubMenu = false;
  bool onSubMenuItem = false;
};

int hilited_item(HMENU menu, HMENU& subMenu) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_SUBMENU;
    if (GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info) && (info.fState & MFS_HILITE)) {
      subMenu = info.hSubMenu;
      return i;
    }
  }
  return -1;
}

Selection current_selection(HMENU dropDown) {
  Selection s;
  HMENU menu = dropDown;
  for (int depth = 0; menu && depth < 16; ++depth) {
    HMENU sub = nullptr;
    if (hilited_item(menu, sub) < 0) break;
    HMENU deeper = nullptr;
    if (sub && hilited_item(sub, deeper) >= 0) {
      s.inSubMenu = true;
      menu = sub;
      continue;
    }
    s.onSubMenuItem = sub != nullptr;
    break;
  }
  return s;
}

int neighbour(int index, int step) {
  const int count = g_hook.bar->Count();
  return count > 0 ? (index + step + count) % count : -1;
}

// The bar button a message asks for; -1 for none.
int target_of(MSG& msg) {
  switch (msg.message) {
    case WM_KEYDOWN: {
      const Selection s = current_selection(g_hook.dropDown);
      if (msg.wParam == VK_LEFT && !s.inSubMenu) return neighbour(g_hook.index, -1);
      if (msg.wParam == VK_RIGHT && !s.onSubMenuItem) return neighbour(g_hook.index, 1);
      return -1;
    }
    case WM_MOUSEMOVE: {
      if (msg.pt.x == g_hook.lastMouse.x && msg.pt.y == g_hook.lastMouse.y) return -1;
      g_hook.lastMouse = msg.pt;
      RECT window{};
      GetWindowRect(g_hook.wnd, &window);
      const TMenuBtn* b = g_hook.bar->ButtonAt(POINT{msg.pt.x - window.left, msg.pt.y - window.top});
      return b ? b->Index() : -1;
    }
    default:
      return -1;
  }
}

LRESULT handle(int code, WPARAM wParam, MSG& msg) {
  if (msg.message == WM_KEYDOWN && g_hook.bar->RightToLeft()) {
    if (msg.wParam == VK_LEFT) msg.wParam = VK_RIGHT;
    else if (msg.wParam == VK_RIGHT) msg.wParam = VK_LEFT;
  }
  const LRESULT next = CallNextHookEx(g_hook.hook, code, wParam, reinterpret_cast<LPARAM>(&msg));
  if (next != 0 || code != MSGF_MENU) return next;
  if (!g_hook.keySent) {
    g_hook.keySent = true;
    PostMessageA(msg.hwnd, WM_KEYDOWN, VK_DOWN, 0);
  }
  if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_MENU) {
    g_hook.switchTo = -1;
    EndMenu();
    return next;
  }
  if (msg.message == WM_KEYDOWN && (msg.wParam == VK_ESCAPE || msg.wParam == VK_RETURN)) g_hook.switchTo = -1;
  const int target = target_of(msg);
  if (target < 0 || target == g_hook.index || g_hook.switchTo >= 0) return next;
  g_hook.switchTo = target;
  EndMenu();
  // The key has done its work: the closing menu must not act on it as well.
  return msg.message == WM_KEYDOWN ? 1 : next;
}

LRESULT CALLBACK MenuHookProc(int code, WPARAM wParam, LPARAM lParam) {
  try {
    if (code >= 0 && lParam && g_hook.bar) return handle(code, wParam, *reinterpret_cast<MSG*>(lParam));
  } catch (...) {
    zfw::LogCaughtException("menu bar hook");
  }
  return CallNextHookEx(g_hook.hook, code, wParam, lParam);
}

void StartMenuHook(HWND wnd, TWinSkinMenu& bar, int index, HMENU dropDown) {
  g_hook.wnd = wnd;
  g_hook.bar = &bar;
  g_hook.index = index;
  g_hook.dropDown = dropDown;
  g_hook.switchTo = -1;
  g_hook.keySent = false;
  GetCursorPos(&g_hook.lastMouse);
  if (!g_hook.hook) g_hook.hook = SetWindowsHookExA(WH_MSGFILTER, MenuHookProc, nullptr, GetCurrentThreadId());
}

void StopMenuHook() {
  if (g_hook.hook) UnhookWindowsHookEx(g_hook.hook);
  g_hook = MenuHook{};
}

}  // namespace

int TrackedMenuBarIndex() { return g_hook.index; }

UINT TrackMenuBar(HWND wnd, TWinSkinMenu& bar, int index, const MenuBarTrackEvents& events) {
  UINT command = 0;
  for (int current = index, rounds = 0; current >= 0 && rounds < 256; ++rounds) {
    TMenuBtn* button = bar.Button(current);
    if (!button || !button->DropDown()) break;
    RECT window{};
    GetWindowRect(wnd, &window);
    const bool rtl = bar.RightToLeft();
    const int x = window.left + (rtl ? button->Rect().right : button->Rect().left);
    const int y = window.top + button->Rect().bottom;
    if (!IsNT4()) MakeMenuOwnerDrawn(button->DropDown());
    if (events.opened) events.opened(*button);
    StartMenuHook(wnd, bar, current, button->DropDown());
    if (button->Enabled())
      command = static_cast<UINT>(TrackPopupMenu(button->DropDown(),
                                                 TPM_RETURNCMD | TPM_RIGHTBUTTON | (rtl ? TPM_RIGHTALIGN : 0), x, y, 0,
                                                 wnd, nullptr));
    const int next = g_hook.switchTo;
    StopMenuHook();
    if (events.closed) events.closed(*button);
    if (command) break;
    current = next;
  }
  return command;
}

}  // namespace zembrel
