// The menu-item painter on a small skin: items rendered into memory bitmaps and read back.
#include <gtest/gtest.h>

#include "menu_fixture.h"
#include "skin/menus/menu_item_painter.h"
#include "skin/menus/menu_owner_draw.h"

namespace zembrel::test {
namespace {

class MenuItemPainter : public ::testing::Test {
 protected:
  void Load(bool menuItem = true, COLORREF shadow = kShadowColour) {
    LoadFixture(skin, MenuSkin(menuItem, shadow));
    ASSERT_FALSE(skin.Loading());
  }
  TSkinData skin{nullptr};
};

// A popup background whose pixel (x, y) is RGB(x, y, 77): where a pixel was copied from is
// readable from its colour.
std::unique_ptr<zfw::TBitmap> PositionBackground(int width, int height) {
  auto bitmap = std::make_unique<zfw::TBitmap>(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) SetPixel(bitmap->Canvas().Handle(), x, y, RGB(x, y, 77));
  return bitmap;
}

TEST_F(MenuItemPainter, SeparatorIsFrameTwoOverThePopupBackground) {
  Load();
  auto background = PositionBackground(80, 60);
  MenuItemLook look;
  look.caption = L"-";
  // An item as high as the image takes its rows from the top; a shorter one from the bottom. The
  // background lies under the items as the popup's client area lies in its window.
  struct Case {
    int height, lineRow, origin;
  };
  for (const Case c : {Case{kItemFrameHeight, kSeparatorLineRow, 3}, Case{6, kSeparatorLineRow - 2, 0}}) {
    SCOPED_TRACE(c.height);
    auto target = Canvas(40, 30);
    const RECT rect{0, 7, 40, 7 + c.height};
    DrawMenuItem(target->Canvas().Handle(), rect, skin, look, false,
                 MenuBackdrop{background.get(), POINT{c.origin, c.origin}});
    for (int y = rect.top; y < rect.bottom; ++y)
      for (int x = 0; x < 40; ++x) {
        const COLORREF want = y - rect.top == c.lineRow ? kSeparatorLineColour : RGB(x + c.origin, y + c.origin, 77);
        ASSERT_EQ(target->Pixel(x, y), want) << x << "," << y;
      }
    EXPECT_EQ(target->Pixel(5, rect.bottom), RGB(1, 2, 3)) << "nothing below the item";
  }
}

TEST_F(MenuItemPainter, FrameAndTextColourFollowSelectionAndState) {
  const COLORREF systemShadow = GetSysColor(COLOR_BTNSHADOW);
  struct Case {
    const char* name;
    bool menuItem, selected, enabled;
    COLORREF shadow, ground, text;
  };
  const Case cases[] = {
      {"normal", true, false, true, kShadowColour, kNormalFrameColour, kMenuTextColour},
      {"selected", true, true, true, kShadowColour, kSelectedFrameColour, kHilightTextColour},
      {"disabled", true, false, false, kShadowColour, kNormalFrameColour, kShadowColour},
      {"disabled, shadow as text", true, false, false, kMenuTextColour, kNormalFrameColour, systemShadow},
      {"plain normal", false, false, true, kShadowColour, kMenuColour, kMenuTextColour},
      {"plain selected", false, true, true, kShadowColour, kHilightColour, kHilightTextColour},
  };
  const COLORREF texts[] = {kMenuTextColour, kHilightTextColour, kShadowColour, systemShadow};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TSkinData data(nullptr);
    LoadFixture(data, MenuSkin(c.menuItem, c.shadow));
    MenuItemLook look;
    look.caption = L"MMMM";
    look.enabled = c.enabled;
    auto target = Canvas(120, 24);
    const RECT rect{0, 0, 120, 24};
    DrawMenuItem(target->Canvas().Handle(), rect, data, look, c.selected, MenuBackdrop{});
    EXPECT_EQ(target->Pixel(1, 1), c.ground);
    EXPECT_EQ(target->Pixel(118, 22), c.ground);
    EXPECT_GT(CountColour(*target, rect, c.text), 10);
    for (COLORREF other : texts)
      if (other != c.text) {
        EXPECT_EQ(CountColour(*target, rect, other), 0) << std::hex << other;
      }
  }
}

// The first or last inked column of text drawn alone in the menu font into box with format:
// where the painter's text must show when it places the text in that box.
int ReferenceInk(const std::wstring& text, const RECT& box, UINT format, bool last) {
  auto target = Canvas(box.right + 10, 22);
  HDC dc = target->Canvas().Handle();
  zfw::OwnedFont font = CreateMenuFont();
  zfw::SelectGuard select(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kMenuTextColour);
  RECT r = box;
  DrawTextW(dc, text.c_str(), -1, &r, format);
  return EdgeColumn(*target, RECT{0, 0, box.right + 10, 22}, kMenuTextColour, last);
}

TEST_F(MenuItemPainter, CaptionAndShortcutPlacesInBothDirections) {
  Load();
  MenuItemLook look;
  look.caption = L"MM";
  look.shortcut = L"MMM";
  const RECT rect{0, 0, 200, 22};
  // Glyph box: 1 + the element's left edge 2, 16 wide; text 3 pixels after it.
  const int glyphEnd = 1 + 2 + 16;
  {
    auto target = Canvas(200, 22);
    DrawMenuItem(target->Canvas().Handle(), rect, skin, look, false, MenuBackdrop{});
    EXPECT_EQ(EdgeColumn(*target, rect, kMenuTextColour, false),
              ReferenceInk(look.caption, RECT{glyphEnd + 3, 0, 199, 22}, DT_SINGLELINE, false));
    // The shortcut ends 10 pixels before the item's last column.
    EXPECT_EQ(EdgeColumn(*target, rect, kMenuTextColour, true),
              ReferenceInk(look.shortcut, RECT{0, 0, 200 - 1 - 10, 22}, DT_SINGLELINE | DT_RIGHT, true));
  }
  {
    look.rightToLeft = true;
    auto target = Canvas(200, 22);
    DrawMenuItem(target->Canvas().Handle(), rect, skin, look, false, MenuBackdrop{});
    // Mirrored: the shortcut starts 11 pixels in, the caption ends 3 pixels before the glyph box.
    const int glyphStart = 200 - 1 - 2 - 16;
    EXPECT_EQ(EdgeColumn(*target, rect, kMenuTextColour, false),
              ReferenceInk(look.shortcut, RECT{11, 0, glyphStart - 3, 22}, DT_SINGLELINE, false));
    EXPECT_EQ(EdgeColumn(*target, rect, kMenuTextColour, true),
              ReferenceInk(look.caption, RECT{0, 0, glyphStart - 3, 22}, DT_SINGLELINE | DT_RIGHT, true));
  }
}

TEST_F(MenuItemPainter, CheckedItemWithoutImageShowsTheCheckMarkInTheGlyphBox) {
  Load();
  const COLORREF mark = GetSysColor(COLOR_BTNTEXT);
  const RECT glyph{3, 1, 3 + 16, 1 + 16};
  for (bool checked : {false, true}) {
    MenuItemLook look;
    look.caption = L"x";
    look.checked = checked;
    auto target = Canvas(100, 20);
    DrawMenuItem(target->Canvas().Handle(), RECT{0, 0, 100, 20}, skin, look, false, MenuBackdrop{});
    EXPECT_EQ(CountColour(*target, glyph, mark) > 3, checked);
  }
}

TEST_F(MenuItemPainter, MeasureAddsTheElementEdgeAndTheGlyphRoom) {
  Load();
  zfw::TImageList images(nullptr);
  zfw::WindowDc screen(nullptr);
  zfw::OwnedFont font = CreateMenuFont();
  zfw::SelectGuard select(screen.get(), font.get());
  MenuItemLook look;
  look.caption = L"Item";
  for (zfw::TImageList* list : {static_cast<zfw::TImageList*>(nullptr), &images}) {
    look.images = list;
    int width = 50, height = 18;
    MeasureMenuItem(skin, look, width, height);
    EXPECT_EQ(width, 50 + 2 + (list ? 12 : 35));
    EXPECT_EQ(height, 18);
    int textWidth = 0, textHeight = 0, fullWidth = 0, fullHeight = 0;
    MeasureMenuItemText(look, screen.get(), textWidth, textHeight);
    MeasureMenuItemFull(skin, look, screen.get(), fullWidth, fullHeight);
    EXPECT_EQ(fullWidth, textWidth + 2 + (list ? 10 : 35));
    EXPECT_EQ(fullHeight, textHeight);
  }
  TSkinData plain(nullptr);
  LoadFixture(plain, MenuSkin(false));
  look.images = nullptr;
  int width = 50, height = 18;
  MeasureMenuItem(plain, look, width, height);
  EXPECT_EQ(width, 50 + 35) << "no element: no edge";
}

TEST(MenuItemLookOfHandle, ReadsStateTextAndShortcutByCommandAlsoWhenOwnerDrawn) {
  zfw::OwnedMenu menu(CreatePopupMenu());
  AppendMenuA(menu.get(), MF_STRING | MF_GRAYED | MF_CHECKED, 7, "Open\tCtrl+O");
  AppendMenuA(menu.get(), MF_SEPARATOR, 8, nullptr);
  AppendMenuA(menu.get(), MF_STRING, 9, "Close");
  SetMenuDefaultItem(menu.get(), 9, FALSE);
  const MenuItemLook open = MenuItemLookOfHandle(menu.get(), 7);
  EXPECT_EQ(open.caption, L"Open");
  EXPECT_EQ(open.shortcut, L"Ctrl+O");
  EXPECT_FALSE(open.enabled);
  EXPECT_TRUE(open.checked);
  EXPECT_TRUE(MenuItemLookOfHandle(menu.get(), 8).IsSeparator());
  const MenuItemLook close = MenuItemLookOfHandle(menu.get(), 9);
  EXPECT_TRUE(close.enabled && !close.checked && close.isDefault);
  EXPECT_EQ(close.caption, L"Close");
  // Drop-downs of the skinned bar are made owner-drawn; their texts must still be found.
  MakeMenuOwnerDrawn(menu.get());
  EXPECT_EQ(GetMenuState(menu.get(), 9, MF_BYCOMMAND) & MF_OWNERDRAW, UINT(MF_OWNERDRAW));
  EXPECT_EQ(MenuItemLookOfHandle(menu.get(), 9).caption, L"Close");
  EXPECT_EQ(MenuItemLookOfHandle(menu.get(), 7).shortcut, L"Ctrl+O");
  EXPECT_TRUE(MenuItemLookOfHandle(menu.get(), 8).IsSeparator());
}

}  // namespace
}  // namespace zembrel::test
