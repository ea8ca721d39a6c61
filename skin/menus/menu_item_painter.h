// The menu-item painter: measures and draws one item of a popup menu from the skin's MenuItem
// element and menu colours. Items come from framework menus (MenuItemLookOf) or from bare menu
// handles (MenuItemLookOfHandle); both end as a MenuItemLook, so every routine here works on a
// device context, a rectangle, the skin data and that look, and tests can render into memory DCs.
#pragma once

#include <windows.h>

#include <string>

#include "framework/graphics.h"
#include "framework/handles.h"

namespace zfw {
class TMenuItem;
}

namespace zembrel {

class TSkinData;
class TDataSkinObject;

// Frames of the MenuItem strip.
inline constexpr int kMenuItemFrames = 5;
inline constexpr int kMenuItemNormalFrame = 1;
inline constexpr int kMenuItemSeparatorFrame = 2;
inline constexpr int kMenuItemSelectedFrame = 4;
// The popup's border, inside which its items lie (client origin in window coordinates).
inline constexpr int kPopupBorder = 3;
// Gap between a right-aligned shortcut and the item's right edge.
inline constexpr int kShortcutGap = 10;

// What lies under a popup's items: the popup window's rendered background and where the client
// area (the items' coordinates) starts in it. No bitmap: the Menu colour.
struct MenuBackdrop {
  zfw::TBitmap* bitmap = nullptr;
  POINT clientOrigin{kPopupBorder, kPopupBorder};
};

struct MenuItemLook {
  std::wstring caption;   // "-" for a separator
  std::wstring shortcut;  // drawn right-aligned; empty when none
  bool enabled = true;
  bool checked = false;
  bool isDefault = false;  // drawn bold
  int imageIndex = -1;
  zfw::TImageList* images = nullptr;  // the menu's images, not owned
  bool rightToLeft = false;
  bool IsSeparator() const { return caption == L"-"; }
};

// The look of a framework item: its caption (a tab in it starts the shortcut text), shortcut,
// states, image and its menu's image list.
MenuItemLook MenuItemLookOf(zfw::TMenuItem& item);
// The look of item id of a menu handle: state and text by command, "-" when the text is empty.
MenuItemLook MenuItemLookOfHandle(HMENU menu, UINT id);

// The screen's menu font (non-client metrics).
zfw::OwnedFont CreateMenuFont();

// Widths added to what an item's own text needs: the MenuItem element's left edge, then 12 (or
// 10 for MeasureMenuItemFull) with images, else 35.
void MeasureMenuItem(TSkinData& skin, const MenuItemLook& look, int& width, int& height);
// The item's own measure (text, shortcut, glyph box in dc's font) followed by those widths.
void MeasureMenuItemFull(TSkinData& skin, const MenuItemLook& look, HDC dc, int& width, int& height);
// Only the item's own measure.
void MeasureMenuItemText(const MenuItemLook& look, HDC dc, int& width, int& height);

// Draws the item into rect of dc with the MenuItem element (frame 4 when selected, else 1) over
// the popup's background. A separator shows frame 2 of the element over the background.
// Without a MenuItem element the plain look is used.
void DrawMenuItem(HDC dc, const RECT& rect, TSkinData& skin, const MenuItemLook& look, bool selected,
                  const MenuBackdrop& backdrop);
// As DrawMenuItem, but a separator is drawn like any item (items the form skin makes itself).
void DrawMenuItemSkinned(HDC dc, const RECT& rect, TSkinData& skin, const MenuItemLook& look, bool selected,
                         const MenuBackdrop& backdrop);
// Hilight or Menu colour under the item's content.
void DrawMenuItemPlain(HDC dc, const RECT& rect, TSkinData& skin, const MenuItemLook& look, bool selected);
// Frame 2 of the element in three stretched pieces (its left and right edges fixed), magenta left out.
void DrawSeparator(HDC dc, const RECT& rect, TDataSkinObject& menuItem);
// Glyph box, check mark, caption and shortcut inside r, in dc's font.
void DrawMenuItemContent(HDC dc, TSkinData& skin, const MenuItemLook& look, bool selected, const RECT& r);
// One text of the item in its colour (HilightText selected, MenuText, ButtonShadow disabled);
// "-" draws an etched line. With DT_CALCRECT, rect receives the text's extent.
void DrawMenuText(HDC dc, TSkinData& skin, const MenuItemLook& look, UINT flags, bool selected, RECT& rect,
                  std::wstring text);

}  // namespace zembrel
