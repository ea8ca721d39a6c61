// The menus of a skinned window: the replacement system menu from a right click on the caption
// and from Alt+Space, its states, its items drawn by the item painter and doing what the
// system's would.
#include <gtest/gtest.h>

#include "input_script.h"
#include "skinned_window.h"

namespace zembrel::test {
namespace {

using FormMenus = SkinnedWindow;

// MN_GETHMENU: the menu a popup-menu window shows.
constexpr UINT kGetMenuOfPopup = 0x01E1;

int PositionOf(HMENU menu, UINT command) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i)
    if (GetMenuItemID(menu, i) == command) return i;
  return -1;
}

TEST_F(FormMenus, RightClickOnTheCaptionShowsTheOwnerDrawnSystemMenuWithMinimizeDisabled) {
  Open(false, 0, WS_OVERLAPPEDWINDOW & ~WS_MINIMIZEBOX);
  const HMENU system = GetSystemMenu(wnd, FALSE);
  RECT w{};
  GetWindowRect(wnd, &w);
  HMENU shown = nullptr;
  UINT minimizeState = 0, firstState = 0;
  int count = -1;
  bool skinned = false;
  COLORREF corner = 0;
  Script script({
      [&] { ClickAt(POINT{w.left + 120, w.top + formSkin->BorderTop() / 2}, true); },
      [&] {
        HWND popup = VisiblePopupMenu();
        if (!popup) return;
        shown = reinterpret_cast<HMENU>(SendMessageA(popup, kGetMenuOfPopup, 0, 0));
        count = GetMenuItemCount(shown);
        minimizeState = GetMenuState(shown, PositionOf(system, SC_MINIMIZE), MF_BYPOSITION);
        firstState = GetMenuState(shown, 0, MF_BYPOSITION);
        skinned = SendMessageA(popup, SKM_QUERY, 0, 0) == 1;
        HDC dc = GetWindowDC(popup);
        corner = GetPixel(dc, 0, 0);
        ReleaseDC(popup, dc);
        Press(VK_ESCAPE);
      },
      [] {},
  });
  ASSERT_TRUE(ui::pump_until([&] { return script.Done(); }, 8000));
  ASSERT_NE(shown, nullptr) << "a popup menu opened";
  EXPECT_NE(shown, system) << "not the system's own menu";
  EXPECT_EQ(count, GetMenuItemCount(system));
  EXPECT_TRUE(firstState & MF_OWNERDRAW);
  EXPECT_TRUE(minimizeState & MF_GRAYED);
  EXPECT_TRUE(skinned) << "the manager gave the popup its skin";
  EXPECT_EQ(corner, skin.Element("MenuBackground")->Image.Pixel(0, 0)) << "the border is the skin's";
  EXPECT_EQ(VisiblePopupMenu(), nullptr);
}

TEST_F(FormMenus, AltSpaceOpensItAndItsMaximizeItemSendsTheSystemCommand) {
  Open(false);
  const HMENU system = GetSystemMenu(wnd, FALSE);
  bool opened = false;
  Script script({
      [&] { AltPlus(VK_SPACE); },
      [&] {
        HWND popup = VisiblePopupMenu();
        if (!popup) return;
        opened = true;
        HMENU shown = reinterpret_cast<HMENU>(SendMessageA(popup, kGetMenuOfPopup, 0, 0));
        RECT item{};
        GetMenuItemRect(wnd, shown, PositionOf(system, SC_MAXIMIZE), &item);
        ClickAt(POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
      },
      [] {},
  });
  ASSERT_TRUE(ui::pump_until([&] { return script.Done(); }, 8000));
  EXPECT_TRUE(opened);
  ASSERT_TRUE(ui::pump_until([&] { return !g_syscommands.empty(); }, 3000));
  EXPECT_EQ(g_syscommands.front(), UINT(SC_MAXIMIZE)) << "the window procedure gets what the system's item sends";
}

}  // namespace
}  // namespace zembrel::test
