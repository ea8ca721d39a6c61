// A small menu skin for the menu tests: a MenuItem strip of five flat frames (the separator frame
// magenta with one line), a MenuBackground with a 3-pixel border, and menu colours unlike any
// system colour, so that every pixel says where it came from.
#pragma once

#include <windows.h>

#include <string>

#include "framework/description.h"
#include "framework/graphics.h"
#include "skin/manager/skin_manager.h"
#include "tests/win/skin/data/skin_fixture.h"

namespace zembrel::test {

inline constexpr COLORREF kMenuColour = RGB(10, 20, 30);
inline constexpr COLORREF kMenuTextColour = RGB(200, 40, 40);
inline constexpr COLORREF kHilightColour = RGB(40, 40, 200);
inline constexpr COLORREF kHilightTextColour = RGB(250, 250, 20);
inline constexpr COLORREF kShadowColour = RGB(90, 160, 90);
inline constexpr COLORREF kNormalFrameColour = RGB(60, 60, 60);
inline constexpr COLORREF kSelectedFrameColour = RGB(0, 120, 120);
inline constexpr COLORREF kSeparatorLineColour = RGB(130, 0, 130);
inline constexpr COLORREF kBackBorderColour = RGB(220, 120, 0);
inline constexpr COLORREF kBackFillColour = RGB(30, 90, 30);
inline constexpr int kItemFrameWidth = 10, kItemFrameHeight = 8, kSeparatorLineRow = 5;
inline constexpr int kItemStripWidth = 5 * kItemFrameWidth;

inline std::string ColourText(COLORREF c) {
  return std::to_string(GetRValue(c)) + " " + std::to_string(GetGValue(c)) + " " + std::to_string(GetBValue(c));
}

// menuItem: with the MenuItem section; shadow: the ButtonShadow colour.
inline FixtureSkin MenuSkin(bool menuItem = true, COLORREF shadow = kShadowColour) {
  FixtureSkin skin;
  skin.definition = "[TitlebarSkin]\nSkinName=Menus\n[Colours]\nMenu=" + ColourText(kMenuColour) +
                    "\nMenuText=" + ColourText(kMenuTextColour) + "\nHilight=" + ColourText(kHilightColour) +
                    "\nHilightText=" + ColourText(kHilightTextColour) + "\nButtonShadow=" + ColourText(shadow) +
                    "\n[MenuBackground]\nImage=back.bmp\nLeftWidth=3\nTopHeight=3\nRightWidth=3\nBottomHeight=3\n";
  if (menuItem)
    skin.definition += "[MenuItem]\nImage=item.bmp\nLeftWidth=2\nTopHeight=2\nRightWidth=2\nBottomHeight=2\nTrans=1\nTile=0\n";
  skin.With("item.bmp", Bmp(kItemStripWidth, kItemFrameHeight, [](int x, int y) -> COLORREF {
    switch (x / kItemFrameWidth) {
      case 1: return y == kSeparatorLineRow ? kSeparatorLineColour : RGB(255, 0, 255);
      case 3: return kSelectedFrameColour;
      default: return kNormalFrameColour;
    }
  }));
  skin.With("back.bmp", Bmp(9, 9, [](int x, int y) -> COLORREF {
    return x < 3 || y < 3 || x >= 6 || y >= 6 ? kBackBorderColour : kBackFillColour;
  }));
  return skin;
}

// Every test starts and ends without a skin manager.
struct ManagerReset {
  ManagerReset() { FreeSkinManager(); }
  ~ManagerReset() { FreeSkinManager(); }
};

// The program's own packed skin (linked in as the resource ZEMBREL_SKIN) into skin.
inline void LoadProgramSkin(TSkinData& skin) {
  const std::string packed = zfw::ResourceText("ZEMBREL_SKIN");
  skin.ReadSkinStream(StoredStream(std::vector<uint8_t>(packed.begin(), packed.end())));
}

// The manager as the program runs it: its hook installed, skin registered and switched on before
// any window is activated, so that each window is skinned as it is activated.
inline void StartSkinning(TSkinData& skin) {
  TSkinManage& manager = InstallSkinManager();
  manager.AddSkinData(&skin);
  manager.InstallHook();
  manager.PostAction(kActionSkinOn, 250, &skin);
}

// A 24-bit bitmap filled with one colour, to render into.
inline std::unique_ptr<zfw::TBitmap> Canvas(int width, int height, COLORREF fill = RGB(1, 2, 3)) {
  auto bitmap = std::make_unique<zfw::TBitmap>(width, height);
  zfw::OwnedBrush brush(CreateSolidBrush(fill));
  RECT all{0, 0, width, height};
  FillRect(bitmap->Canvas().Handle(), &all, brush.get());
  return bitmap;
}

// Pixels of exactly that colour inside r.
inline int CountColour(zfw::TBitmap& bitmap, const RECT& r, COLORREF colour) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) n += bitmap.Pixel(x, y) == colour;
  return n;
}

// The rightmost (or leftmost) column inside r holding that colour; -1 when none.
inline int EdgeColumn(zfw::TBitmap& bitmap, const RECT& r, COLORREF colour, bool rightmost) {
  int found = -1;
  for (int x = r.left; x < r.right; ++x)
    for (int y = r.top; y < r.bottom; ++y)
      if (bitmap.Pixel(x, y) == colour) {
        if (rightmost || found < 0) found = x;
        break;
      }
  return found;
}

}  // namespace zembrel::test
