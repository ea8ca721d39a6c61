// The replacement system menu: its items made from a real window's system menu with the images
// and enabled states the window's state gives, the fixed NT 4 set, the click handlers, the
// Close test, and the popup drawn by the item painter when it is shown.
#include <gtest/gtest.h>

#include "framework/menus.h"
#include "menu_fixture.h"
#include "skin/data/skin_platform.h"
#include "skin/menus/system_menu.h"

namespace zembrel::test {
namespace {

HWND TopWindow(DWORD style) {
  return CreateWindowExA(0, "STATIC", "System menu test", style, 50, 50, 300, 200, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

struct Row {
  int tag, image;
  bool enabled;
};

std::vector<Row> RowsOf(zfw::TPopupMenu& popup) {
  std::vector<Row> rows;
  for (int i = 0; i < popup.Items().Count(); ++i) {
    zfw::TMenuItem* item = popup.Items().Items(i);
    rows.push_back(Row{item->Tag(), item->ImageIndex(), item->Enabled()});
  }
  return rows;
}

const Row* Find(const std::vector<Row>& rows, int tag) {
  for (const Row& r : rows)
    if (r.tag == tag) return &r;
  return nullptr;
}

class SystemMenu : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadFixture(skin, MenuSkin());
    ResetSkinPlatformForTest();
  }
  void TearDown() override { ResetSkinPlatformForTest(); }
  TSkinData skin{nullptr};
  MenuPaintContext paint{&skin, nullptr};
};

TEST_F(SystemMenu, ItemsFollowTheWindowsSystemMenuBoxesAndState) {
  struct Case {
    const char* name;
    DWORD style;
    bool maximise;
    bool restore, move, minimise, maximiseItem;
  };
  const Case cases[] = {
      {"normal, no minimise box", WS_OVERLAPPEDWINDOW & ~WS_MINIMIZEBOX, false, false, true, false, true},
      {"maximised", WS_OVERLAPPEDWINDOW, true, true, false, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND wnd = TopWindow(c.style);
    ShowWindow(wnd, c.maximise ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    HMENU system = GetSystemMenu(wnd, FALSE);
    std::unique_ptr<zfw::TPopupMenu> popup = BuildSystemMenu(wnd, system, paint, nullptr);
    ASSERT_TRUE(popup);
    EXPECT_EQ(popup->Tag(), kSystemMenuTag);
    EXPECT_TRUE(popup->OwnerDraw());
    EXPECT_EQ(popup->Images(), &skin.MenuGlyphs());
    EXPECT_EQ(popup->Items().Count(), GetMenuItemCount(system)) << "one item per item of the window's menu";
    const std::vector<Row> rows = RowsOf(*popup);
    const struct {
      int tag, image;
      bool enabled;
    } expected[] = {{SC_RESTORE, 0, c.restore}, {SC_MOVE, -1, c.move},   {SC_SIZE, -1, c.move},
                    {SC_MINIMIZE, 2, c.minimise}, {SC_MAXIMIZE, 1, c.maximiseItem}, {SC_CLOSE, 3, true}};
    for (const auto& e : expected) {
      const Row* row = Find(rows, e.tag);
      ASSERT_NE(row, nullptr) << std::hex << e.tag;
      EXPECT_EQ(row->image, e.image) << std::hex << e.tag;
      EXPECT_EQ(row->enabled, e.enabled) << std::hex << e.tag;
    }
    DestroyWindow(wnd);
  }
}

TEST_F(SystemMenu, ItemsPostTheirSystemCommand) {
  HWND wnd = TopWindow(WS_OVERLAPPEDWINDOW);
  std::unique_ptr<zfw::TPopupMenu> popup = BuildSystemMenu(wnd, GetSystemMenu(wnd, FALSE), paint, nullptr);
  ASSERT_TRUE(popup);
  MSG msg;
  while (PeekMessageA(&msg, wnd, 0, 0, PM_REMOVE)) {
  }
  for (int i = 0; i < popup->Items().Count(); ++i)
    if (popup->Items().Items(i)->Tag() == SC_MINIMIZE) popup->Items().Items(i)->Click();
  ASSERT_TRUE(PeekMessageA(&msg, wnd, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE));
  EXPECT_EQ(msg.wParam, WPARAM(SC_MINIMIZE));
  EXPECT_FALSE(IsIconic(wnd)) << "posted, not run inside the click";
  DestroyWindow(wnd);
}

TEST_F(SystemMenu, NT4GetsTheFixedMenuWithoutTheMissingBoxes) {
  SetSkinPlatformForTest(SkinPlatform{true, 4, 0});
  HWND wnd = TopWindow(WS_OVERLAPPEDWINDOW & ~WS_MINIMIZEBOX);
  std::vector<int> clicked;
  std::unique_ptr<zfw::TPopupMenu> popup =
      BuildSystemMenu(wnd, nullptr, paint, [&clicked](int tag) { clicked.push_back(tag); });
  ASSERT_TRUE(popup);
  std::vector<std::string> captions;
  for (int i = 0; i < popup->Items().Count(); ++i) captions.push_back(popup->Items().Items(i)->Caption());
  EXPECT_EQ(captions, (std::vector<std::string>{" Restore ", " Maximize ", "-", " Close "}));
  zfw::TMenuItem* close = popup->Items().Items(3);
  EXPECT_EQ(close->Tag(), kSysItemClose);
  EXPECT_EQ(close->ImageIndex(), kSysItemClose);
  EXPECT_EQ(zfw::ShortCutToText(close->ShortCut()), "Alt+F4");
  close->Click();
  popup->Items().Items(1)->Click();
  EXPECT_EQ(clicked, (std::vector<int>{kSysItemClose, kSysItemMaximize}));
  EXPECT_TRUE(HasCloseItem(nullptr)) << "NT 4 always has Close";
  DestroyWindow(wnd);
}

TEST_F(SystemMenu, CloseItemAndMissingSystemMenu) {
  HWND wnd = TopWindow(WS_OVERLAPPEDWINDOW);
  HMENU system = GetSystemMenu(wnd, FALSE);
  EXPECT_TRUE(HasCloseItem(system));
  DeleteMenu(system, SC_CLOSE, MF_BYCOMMAND);
  EXPECT_FALSE(HasCloseItem(system));
  EXPECT_FALSE(HasCloseItem(nullptr));
  EXPECT_EQ(BuildSystemMenu(wnd, nullptr, paint, nullptr), nullptr) << "no system menu, no popup";
  DestroyWindow(wnd);
}

}  // namespace
}  // namespace zembrel::test
