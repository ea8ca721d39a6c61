// The popup-menu skin: its border and background from MenuBackground on screen and in WM_PRINT,
// the erase answer, what it does while skinning is off, and the list the skin manager keeps.
#include <gtest/gtest.h>

#include "menu_fixture.h"
#include "skin/frame/skin_messages.h"
#include "skin/manager/skin_manager.h"
#include "skin/menus/popup_menu_skin.h"
#include "tests/win/ui/ui_driver.h"

namespace zembrel::test {
namespace {

constexpr COLORREF kOwnPaint = RGB(7, 170, 250);
constexpr int kWidth = 60, kHeight = 40;

// A stand-in for a popup window: its own WM_PRINT fills the whole target, its own erase counts.
int g_erases = 0;
LRESULT CALLBACK StandInProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PRINT) {
    zfw::OwnedBrush brush(CreateSolidBrush(kOwnPaint));
    RECT all{0, 0, kWidth, kHeight};
    FillRect(reinterpret_cast<HDC>(wp), &all, brush.get());
    return 0;
  }
  if (msg == WM_ERASEBKGND) {
    ++g_erases;
    return 1;
  }
  return DefWindowProcA(wnd, msg, wp, lp);
}

HWND StandIn() {
  static const ATOM atom = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = StandInProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "MenuSkinStandIn";
    return RegisterClassA(&wc);
  }();
  (void)atom;
  return CreateWindowExA(WS_EX_TOOLWINDOW, "MenuSkinStandIn", "", WS_POPUP, 100, 100, kWidth, kHeight, nullptr,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

// Every test starts with a fresh skin manager and ends without one.

class PopupMenuSkin : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadFixture(skin, MenuSkin());
    ASSERT_FALSE(skin.Loading());
    // Before any window was activated, switching on only marks the manager active.
    InstallSkinManager().PostAction(kActionSkinOn, 250, nullptr);
    wnd = StandIn();
    ASSERT_TRUE(wnd);
  }
  void TearDown() override {
    popup.Stop();
    DestroyWindow(wnd);
  }
  std::unique_ptr<zfw::TBitmap> Printed() {
    auto target = Canvas(kWidth, kHeight);
    SendMessageA(wnd, WM_PRINT, reinterpret_cast<WPARAM>(target->Canvas().Handle()), PRF_NONCLIENT | PRF_CLIENT);
    return target;
  }
  ManagerReset reset;
  TSkinData skin{nullptr};
  HWND wnd = nullptr;
  TWinSkinPopMenu popup;
};

bool InBorder(int x, int y) { return x < 3 || y < 3 || x >= kWidth - 3 || y >= kHeight - 3; }

TEST_F(PopupMenuSkin, PrintShowsTheSkinBorderAndClipsTheMenuThreePixelsInside) {
  popup.Start(wnd, &skin);
  auto printed = Printed();
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      ASSERT_EQ(printed->Pixel(x, y), InBorder(x, y) ? kBackBorderColour : kOwnPaint) << x << "," << y;
  ASSERT_NE(popup.Background(), nullptr);
  EXPECT_EQ(popup.Background()->Width(), kWidth);
  EXPECT_EQ(popup.Background()->Pixel(kWidth / 2, kHeight / 2), kBackFillColour);
}

TEST_F(PopupMenuSkin, OffOrWithoutSkinEverythingGoesToTheWindowButTheQuery) {
  popup.Start(wnd, &skin);
  SkinManager->PostAction(kActionSkinOff, 250, nullptr);
  EXPECT_EQ(SendMessageA(wnd, SKM_QUERY, 0, 0), 1);
  EXPECT_EQ(Printed()->Pixel(0, 0), kOwnPaint);
  SkinManager->PostAction(kActionSkinOn, 250, nullptr);
  TSkinData unloaded(nullptr);
  popup.Start(wnd, &unloaded);
  EXPECT_EQ(Printed()->Pixel(0, 0), kOwnPaint);
  popup.Stop();
  EXPECT_EQ(SendMessageA(wnd, SKM_QUERY, 0, 0), 0) << "the window procedure is given back";
}

TEST_F(PopupMenuSkin, EraseIsAnsweredOneAndLeftOutWithTheMenuBackgroundOption) {
  popup.Start(wnd, &skin);
  for (bool menuBG : {false, true}) {
    skin.SetOptions(menuBG ? SkinBit(xoMenuBG) : 0);
    g_erases = 0;
    zfw::WindowDc dc(wnd);
    EXPECT_EQ(SendMessageA(wnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0), 1);
    EXPECT_EQ(g_erases, menuBG ? 0 : 1);
  }
}

TEST_F(PopupMenuSkin, RealPopupMenuGetsTheSkinBorderOnScreen) {
  zfw::OwnedMenu menu(CreatePopupMenu());
  AppendMenuA(menu.get(), MF_STRING, 1, "First item");
  AppendMenuA(menu.get(), MF_STRING, 2, "Second item");
  HWND owner = StandIn();
  ShowWindow(owner, SW_SHOW);
  SetForegroundWindow(owner);
  struct Probe {
    TSkinData* skin;
    TWinSkinPopMenu* popup;
    COLORREF corner = 0, edge = 0, inside = 0;
    bool seen = false;
  } probe{&skin, &popup};
  static Probe* current = nullptr;
  current = &probe;
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND menuWnd = FindWindowA("#32768", nullptr);
    if (!menuWnd || !IsWindowVisible(menuWnd) || current->seen) return;
    current->seen = true;
    current->popup->Start(menuWnd, current->skin);
    RedrawWindow(menuWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetWindowDC(menuWnd);
    RECT r{};
    GetWindowRect(menuWnd, &r);
    current->corner = GetPixel(dc, 0, 0);
    current->edge = GetPixel(dc, 2, (r.bottom - r.top) / 2);
    current->inside = GetPixel(dc, 3 + 20, 3 + 2);
    ReleaseDC(menuWnd, dc);
    current->popup->Stop();
    EndMenu();
  });
  TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_RETURNCMD, 120, 120, 0, owner, nullptr);
  KillTimer(nullptr, timer);
  DestroyWindow(owner);
  ASSERT_TRUE(probe.seen);
  EXPECT_EQ(probe.corner, kBackBorderColour);
  EXPECT_EQ(probe.edge, kBackBorderColour);
  EXPECT_NE(probe.inside, kBackBorderColour) << "the items are drawn inside the border";
}

TEST(PopupMenuSkins, HandlesGoToTheNewestSkinWithoutOneAndBackgroundsAreFoundByMenu) {
  TPopupMenuSkins list;
  HWND a = StandIn(), b = StandIn();
  list.Add(std::make_unique<TWinSkinPopMenu>()).Start(a, nullptr);
  list.Add(std::make_unique<TWinSkinPopMenu>()).Start(b, nullptr);
  const HMENU first = reinterpret_cast<HMENU>(0x1234), second = reinterpret_cast<HMENU>(0x5678);
  list.AssignMenuHandle(first);
  list.AssignMenuHandle(first);  // already shown by b: nothing changes
  EXPECT_EQ(list.Find(b)->Menu(), first);
  EXPECT_FALSE(list.Find(a)->HasMenu());
  list.AssignMenuHandle(second);
  EXPECT_EQ(list.Find(a)->Menu(), second);
  EXPECT_EQ(list.Backdrop(first).bitmap, nullptr) << "nothing painted yet";
  list.MarkMenuBarDropDowns();
  EXPECT_TRUE(list.Find(a)->MenuBarDropDown() && list.Find(b)->MenuBarDropDown());
  EXPECT_TRUE(list.Remove(a));
  EXPECT_FALSE(list.Remove(a));
  EXPECT_EQ(SendMessageA(a, SKM_QUERY, 0, 0), 0) << "removed: procedure given back";
  EXPECT_EQ(SendMessageA(b, SKM_QUERY, 0, 0), 1);
  list.Clear();
  EXPECT_TRUE(list.Empty());
  EXPECT_EQ(SendMessageA(b, SKM_QUERY, 0, 0), 0);
  DestroyWindow(a);
  DestroyWindow(b);
}

}  // namespace
}  // namespace zembrel::test
