// The skinned menu bar under real input (SendInput) on a bare window with the program's own skin:
// the bar replaces the system's, its command items run on click and Alt+letter, its drop-downs
// open under their button and the arrow keys, the mouse and Alt move between them or end them.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/description.h"
#include "framework/forms.h"
#include "framework/menus.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"
#include "skin/frame/skin_messages.h"
#include "skin/manager/skin_manager.h"
#include "skin/menus/WinSkinMenu.h"
#include "skin/menus/menu_bar_tracking.h"
#include "tests/win/skin/data/skin_fixture.h"
#include "tests/win/ui/ui_driver.h"
#include "input_script.h"
#include "skinned_window.h"

namespace zembrel::test {
namespace {

using MenuBar = SkinnedWindow;

TEST_F(MenuBar, ReplacesTheSystemBarAndLaysTheButtonsOutFromTheLeft) {
  Open(true);
  ASSERT_NE(Bar(), nullptr);
  EXPECT_EQ(GetMenu(wnd), nullptr) << "the system's bar is gone";
  ASSERT_EQ(Bar()->Count(), 4);
  const TDataSkinObject* element = skin.Element("Personality");
  ASSERT_NE(element, nullptr);
  const TMenuBtn* first = Bar()->Button(0);
  EXPECT_EQ(first->Caption(), L"&File");
  EXPECT_EQ(first->Rect().left, formSkin->BorderLeft() + element->LeftWidth + 4);
  EXPECT_EQ(first->Rect().top, formSkin->BorderTop());
  for (int i = 1; i < 4; ++i) EXPECT_EQ(Bar()->Button(i)->Rect().left, Bar()->Button(i - 1)->Rect().right);
  EXPECT_EQ(Bar()->FindAccelItem(L'g'), Bar()->Button(3));
}

TEST_F(MenuBar, CommandItemRunsOnceOnClickAndOnItsAltLetter) {
  Open(true);
  ClickAt(ButtonPoint(3));
  ASSERT_TRUE(ui::pump_until([] { return !g_commands.empty(); }, 3000));
  ui::pump(200);
  EXPECT_EQ(g_commands, (std::vector<UINT>{kGo}));
  g_commands.clear();
  AltPlus('G');
  ASSERT_TRUE(ui::pump_until([] { return !g_commands.empty(); }, 3000));
  ui::pump(200);
  EXPECT_EQ(g_commands, (std::vector<UINT>{kGo}));
}


TEST_F(MenuBar, KeysAndMouseMoveBetweenDropDownsAndAltEndsTracking) {
  Open(false);
  std::vector<int> seen;
  RECT popupAt{};
  bool skinned = false;
  COLORREF selected = 0;
  auto note = [&] { seen.push_back(TrackedMenuBarIndex()); };
  Script script({
      [&] { ClickAt(ButtonPoint(0)); },
      [&] {
        note();
        if (HWND p = VisiblePopupMenu()) {
          GetWindowRect(p, &popupAt);
          skinned = SendMessageA(p, SKM_QUERY, 0, 0) == 1;
          // The first item is selected as the drop-down opens: the skin's selection plate.
          HMENU shown = reinterpret_cast<HMENU>(SendMessageA(p, 0x01E1, 0, 0));  // MN_GETHMENU
          RECT item{};
          GetMenuItemRect(wnd, shown, 0, &item);
          HDC dc = GetWindowDC(p);
          // Inside the popup's 3-pixel border, a few pixels into the first item.
          selected = GetPixel(dc, 3 + 5, 3 + (item.bottom - item.top) / 2);
          ReleaseDC(p, dc);
        }
        Press(VK_RIGHT);
      },
      [&] { note(); Press(VK_RIGHT); },
      [&] { note(); Press(VK_RIGHT); },  // from the last button to the first
      [&] { note(); Press(VK_DOWN); },   // Open -> Recent
      [&] { Press(VK_RIGHT); },          // opens the sub-menu, stays on File
      [&] { note(); Press(VK_LEFT); },   // closes the sub-menu
      [&] { note(); Press(VK_LEFT); },   // from the first button to the last
      [&] {
        note();
        SetCursorPos(ButtonPoint(1).x, ButtonPoint(1).y);  // the mouse over Edit
      },
      [&] { note(); Key(VK_MENU, false); Key(VK_MENU, true); },
      [&] { note(); },
  });
  ASSERT_TRUE(ui::pump_until([&] { return script.Done(); }, 15000));
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 0, 0, 0, 2, 1, -1}));
  RECT w{};
  GetWindowRect(wnd, &w);
  EXPECT_EQ(popupAt.left, w.left + Bar()->Button(0)->Rect().left) << "below the button's lower-left corner";
  EXPECT_EQ(popupAt.top, w.top + Bar()->Button(0)->Rect().bottom);
  EXPECT_EQ(VisiblePopupMenu(), nullptr);
  EXPECT_TRUE(g_commands.empty());
  EXPECT_TRUE(skinned) << "the drop-down has the popup skin";
  EXPECT_EQ(selected, zfw::ColorToRGB(skin.Colours().Hilight)) << "its items are the skin's";
}

TEST_F(MenuBar, RightToLeftBarStartsAtTheRightAndMirrorsTheKeys) {
  Open(false, WS_EX_LEFTSCROLLBAR);
  ASSERT_TRUE(Bar()->RightToLeft());
  const TDataSkinObject* element = skin.Element("Personality");
  RECT w{};
  GetWindowRect(wnd, &w);
  const int barRight = (w.right - w.left) - formSkin->BorderRight();
  EXPECT_EQ(Bar()->Button(0)->Rect().right, barRight - (element->RightWidth + 8));
  EXPECT_EQ(Bar()->Button(1)->Rect().right, Bar()->Button(0)->Rect().left);
  std::vector<int> seen;
  Script script({
      [&] { ClickAt(ButtonPoint(0)); },
      [&] { seen.push_back(TrackedMenuBarIndex()); Press(VK_LEFT); },  // the next button, further left
      [&] { seen.push_back(TrackedMenuBarIndex()); Press(VK_ESCAPE); },
      [&] { seen.push_back(TrackedMenuBarIndex()); },
  });
  ASSERT_TRUE(ui::pump_until([&] { return script.Done(); }, 8000));
  EXPECT_EQ(seen, (std::vector<int>{0, 1, -1}));
}

// The colour of the window's own pixel at a point of the window (window coordinates).
COLORREF WindowPixel(HWND wnd, POINT p) {
  HDC dc = GetWindowDC(wnd);
  const COLORREF c = GetPixel(dc, p.x, p.y);
  ReleaseDC(wnd, dc);
  return c;
}

TEST_F(MenuBar, HotButtonIsFramedAndTheBarTakesTheInactiveLook) {
  Open(true);
  TDataSkinObject* element = skin.Element("Personality");
  ASSERT_NE(element, nullptr);
  const int fw = element->Image.Width() / 2, fh = element->Image.Height() / 2;
  const COLORREF active = element->Image.Pixel(fw / 2, fh), inactive = element->Image.Pixel(fw + fw / 2, fh);
  ASSERT_NE(active, inactive);
  const TMenuBtn* last = Bar()->Button(3);
  // Bar ground right of the last button, half way down.
  const POINT ground{last->Rect().right + 20, (last->Rect().top + last->Rect().bottom) / 2};
  EXPECT_EQ(WindowPixel(wnd, ground), active);

  const POINT corner{last->Rect().left, last->Rect().top};
  const COLORREF frame = zfw::ColorToRGB(skin.Colours().ButtonHilight);
  EXPECT_NE(WindowPixel(wnd, corner), frame);
  SetCursorPos(ButtonPoint(3).x, ButtonPoint(3).y);
  ASSERT_TRUE(ui::pump_until([&] { return last->State() == kObjectHot; }, 3000));
  ui::pump(100);
  EXPECT_EQ(WindowPixel(wnd, corner), frame);

  HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700, 500, 200, 120, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  SetForegroundWindow(other);
  ASSERT_TRUE(ui::pump_until([&] { return WindowPixel(wnd, ground) == inactive; }, 3000));
  DestroyWindow(other);
}

TEST_F(MenuBar, FrameworkMenuGivesCaptionsAndStatesAndTheBarFollowsItsChanges) {
  zfw::TForm form(nullptr);
  form.SetBounds(200, 150, 420, 260);
  auto* menu = new zfw::TMainMenu(&form);
  auto* one = new zfw::TMenuItem(&form);
  auto* two = new zfw::TMenuItem(&form);
  one->SetCaption("&One");
  two->SetCaption("&Two");
  int clicks = 0;
  one->OnClick = [&clicks](zfw::TObject*) { ++clicks; };
  menu->Items().Add(one);
  menu->Items().Add(two);
  form.SetMenu(menu);
  form.Show();
  SetForegroundWindow(form.Handle());
  ASSERT_TRUE(ui::pump_until([&] { return SkinManager->FindFormSkin(form.Handle()) != nullptr; }, 3000));
  ui::pump(500);
  TWinSkinForm* own = SkinManager->FindFormSkin(form.Handle());
  TWinSkinMenu* bar = own->MenuBar();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->Count(), 2);
  EXPECT_EQ(bar->Button(0)->Item(), one);
  EXPECT_EQ(bar->Button(1)->Caption(), L"&Two");

  one->SetCaption("&Three");
  two->SetEnabled(false);
  ui::pump(300);
  bar = own->MenuBar();
  ASSERT_EQ(bar->Count(), 2);
  EXPECT_EQ(bar->Button(0)->Caption(), L"&Three");
  EXPECT_FALSE(bar->Button(1)->Enabled());
  EXPECT_EQ(GetMenu(form.Handle()), nullptr) << "the system's bar stays away";

  RECT w{};
  GetWindowRect(form.Handle(), &w);
  const RECT& r = bar->Button(0)->Rect();
  ClickAt(POINT{w.left + (r.left + r.right) / 2, w.top + (r.top + r.bottom) / 2});
  ASSERT_TRUE(ui::pump_until([&] { return clicks > 0; }, 3000));
  ui::pump(200);
  EXPECT_EQ(clicks, 1);
}

TEST_F(MenuBar, EnterOnADropDownItemRunsItsCommand) {
  Open(false);
  Script script({
      [&] { ClickAt(ButtonPoint(1)); },
      [&] { Press(VK_RETURN); },  // Copy is selected when the drop-down opens
      [] {},
  });
  ASSERT_TRUE(ui::pump_until([&] { return script.Done() && !g_commands.empty(); }, 8000));
  ui::pump(200);
  EXPECT_EQ(g_commands, (std::vector<UINT>{kCopy}));
}

// The menu in the band is still the window's: it goes with the window, as the system frees a
// window's menu with it, and a form skin stopped on a live window hands it back.
TEST_F(MenuBar, TheMenuStaysTheWindowsOwn) {
  Open(false);
  const HMENU menu = Bar()->Menu();
  ASSERT_TRUE(IsMenu(menu));
  formSkin->Stop();
  EXPECT_EQ(GetMenu(wnd), menu) << "handed back to a live window";
  EXPECT_EQ(formSkin->MenuBar(), nullptr);

  DestroyWindow(wnd);
  wnd = nullptr;
  ui::pump(200);
  EXPECT_FALSE(IsMenu(menu)) << "freed with its window";

  Open(false);
  const HMENU second = Bar()->Menu();
  DestroyWindow(wnd);
  wnd = nullptr;
  ui::pump(200);
  EXPECT_FALSE(IsMenu(second)) << "freed with its window while skinned";
}

}  // namespace
}  // namespace zembrel::test
