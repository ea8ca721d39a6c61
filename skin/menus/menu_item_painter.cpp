#include "skin/menus/menu_item_painter.h"

#include <algorithm>

#include "framework/menus.h"
#include "skin/data/WinSkinData.h"
#include "skin/paint/ImgUtil.h"
#include "skin/paint/skin_paint.h"

namespace zembrel {
namespace {

// DrawText flags as the painter combines them.
constexpr UINT kCalcCaption = DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE;  // 0x560
constexpr UINT kDrawCaption = DT_EXPANDTABS | DT_SINGLELINE;                            // 0x60
constexpr UINT kCalcCaptionRtl = kCalcCaption | DT_RIGHT | DT_RTLREADING;              // 0x20562
constexpr UINT kDrawCaptionRtl = kDrawCaption | DT_RIGHT | DT_RTLREADING;              // 0x20062
// The system's check-mark bitmap (OBM_CHECK, declared only with OEMRESOURCE).
constexpr int kCheckMarkBitmap = 32760;


TDataSkinObject* menu_item_element(TSkinData& skin) {
  TDataSkinObject* e = skin.Element("MenuItem");
  return e && !e->Image.Empty() ? e : nullptr;
}
int left_edge(TSkinData& skin) {
  const TDataSkinObject* e = menu_item_element(skin);
  return e ? e->LeftWidth : 0;
}

// Splits "text<TAB>shortcut" into its two parts.
void split_shortcut(std::wstring text, MenuItemLook& look) {
  const size_t tab = text.find(L'\t');
  if (tab != std::wstring::npos) {
    look.shortcut = text.substr(tab + 1);
    text.resize(tab);
  }
  look.caption = text;
}

// A 24-bit bitmap of the rectangle's size whose canvas has the menu font; null for no area.
std::unique_ptr<zfw::TBitmap> item_bitmap(const RECT& rect, HFONT font) {
  if (width_of(rect) <= 0 || height_of(rect) <= 0) return nullptr;
  try {
    auto bitmap = std::make_unique<zfw::TBitmap>(width_of(rect), height_of(rect), zfw::pf24bit);
    SelectObject(bitmap->Canvas().Handle(), font);
    SetStretchBltMode(bitmap->Canvas().Handle(), COLORONCOLOR);
    return bitmap;
  } catch (const zfw::EGraphicError&) {
    return nullptr;
  }
}

void fill(HDC dc, const RECT& r, zfw::TColor colour) {
  zfw::OwnedBrush brush(CreateSolidBrush(zfw::ColorToRGB(colour)));
  FillRect(dc, &r, brush.get());
}

// The font currently selected in dc: the menu font of the work bitmap, or the caller's.
HFONT current_font(HDC dc) { return static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT)); }

// Background of an item: the popup's own rendered background under the item, else Menu.
void paint_background(HDC work, const RECT& r, const RECT& rect, TSkinData& skin, const MenuBackdrop& backdrop) {
  if (backdrop.bitmap && !backdrop.bitmap->Empty())
    BitBlt(work, 0, 0, width_of(r), height_of(r), backdrop.bitmap->Canvas().Handle(),
           rect.left + backdrop.clientOrigin.x, rect.top + backdrop.clientOrigin.y, SRCCOPY);
  else fill(work, r, skin.Colours().Menu);
}

// The check pattern the framework draws under a checked item's image: button face and button
// highlight in alternate pixels.
void fill_check_pattern(HDC dc, const RECT& r) {
  zfw::TBitmap pattern(8, 8);
  const COLORREF face = GetSysColor(COLOR_BTNFACE), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) SetPixel(pattern.Canvas().Handle(), x, y, (x + y) % 2 ? light : face);
  zfw::OwnedBrush brush(CreatePatternBrush(pattern.Handle()));
  FillRect(dc, &r, brush.get());
}

// The system's check mark in the button-text colour, its white left out, centred in the box
// (left, top, width, height) and moved one pixel right and down.
void draw_check_mark(HDC dc, int left, int top, int width, int height) {
  zfw::OwnedBitmap mark(LoadBitmapA(nullptr, MAKEINTRESOURCEA(kCheckMarkBitmap)));
  BITMAP info{};
  if (!mark || !GetObject(mark.get(), sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return;
  zfw::TBitmap coloured(info.bmWidth, info.bmHeight);
  HDC c = coloured.Canvas().Handle();
  zfw::OwnedDc src(CreateCompatibleDC(dc));
  {
    zfw::SelectGuard select(src.get(), mark.get());
    SetTextColor(c, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(c, RGB(255, 255, 255));
    BitBlt(c, 0, 0, info.bmWidth, info.bmHeight, src.get(), 0, 0, SRCCOPY);
  }
  const int x = left + (width - info.bmWidth) / 2 + 1, y = top + (height - info.bmHeight) / 2 + 1;
  TransparentBlit(dc, RECT{x, y, x + info.bmWidth, y + info.bmHeight}, coloured, 0xFFFFFF);
}

// Image (with the check pattern under it when checked) or check mark in the glyph box g;
// centre_in is the rectangle the check mark is centred in vertically.
void draw_glyph(HDC dc, const MenuItemLook& look, const RECT& g, const RECT& centre_in) {
  const bool valid_image = look.images && look.imageIndex >= 0 && look.imageIndex < look.images->Count();
  if (valid_image) {
    if (look.checked) {
      fill_check_pattern(dc, g);
      RECT edge = g;
      DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    }
    zfw::TCanvas canvas(dc);
    look.images->Draw(canvas, g.left, g.top, look.imageIndex, look.enabled);
  } else if (look.checked) {
    draw_check_mark(dc, g.left, centre_in.top, width_of(g), height_of(centre_in));
  }
}

// Draws text with the flags; for the item's caption the box is first measured and centred.
void draw_centred(HDC dc, TSkinData& skin, const MenuItemLook& look, bool selected, RECT& t, UINT calc, UINT draw,
                  RECT& measured) {
  measured = t;
  DrawMenuText(dc, skin, look, calc, selected, measured, look.caption);
  OffsetRect(&t, 0, (height_of(t) - height_of(measured)) / 2);
  DrawMenuText(dc, skin, look, draw, selected, t, look.caption);
}

void draw_element_item(HDC dc, const RECT& rect, TSkinData& skin, const MenuItemLook& look, bool selected,
                       const MenuBackdrop& background, TDataSkinObject& element, bool separators) {
  const RECT r{0, 0, width_of(rect), height_of(rect)};
  zfw::OwnedFont font = CreateMenuFont();
  std::unique_ptr<zfw::TBitmap> work = item_bitmap(rect, font.get());
  if (!work) return;
  HDC w = work->Canvas().Handle();
  paint_background(w, r, rect, skin, background);
  if (separators && look.IsSeparator()) {
    BitBlt(dc, rect.left, rect.top, r.right, r.bottom, w, 0, 0, SRCCOPY);
    DrawSeparator(dc, rect, element);
    return;
  }
  const int frame = selected ? kMenuItemSelectedFrame : kMenuItemNormalFrame;
  PaintElement(w, r, element.Image, false, element.Tile != 0, element.Trans != 0, kMenuItemFrames, frame,
               Margins{element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight});
  DrawMenuItemContent(w, skin, look, selected, r);
  BitBlt(dc, rect.left, rect.top, r.right, r.bottom, w, 0, 0, SRCCOPY);
}

}  // namespace

MenuItemLook MenuItemLookOf(zfw::TMenuItem& item) {
  MenuItemLook look;
  split_shortcut(AnsiToWide(item.Caption()), look);
  if (item.ShortCut()) look.shortcut = AnsiToWide(zfw::ShortCutToText(item.ShortCut()));
  look.enabled = item.Enabled();
  look.checked = item.Checked();
  look.imageIndex = item.ImageIndex();
  if (zfw::TMenu* menu = item.GetParentMenu()) look.images = menu->Images();
  return look;
}

MenuItemLook MenuItemLookOfHandle(HMENU menu, UINT id) {
  MenuItemLook look;
  // The text is read as a string item's text even where the item has been made owner-drawn.
  wchar_t text[81] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE | MIIM_FTYPE | MIIM_STRING;
  info.dwTypeData = text;
  info.cch = 80;
  if (GetMenuItemInfoW(menu, id, FALSE, &info)) {
    look.enabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
    look.checked = (info.fState & MFS_CHECKED) != 0;
    look.isDefault = (info.fState & MFS_DEFAULT) != 0;
    look.rightToLeft = (info.fType & MFT_RIGHTORDER) != 0;
    if (info.fType & MFT_SEPARATOR) text[0] = 0;
  }
  split_shortcut(text, look);
  if (look.caption.empty() && look.shortcut.empty()) look.caption = L"-";
  return look;
}

zfw::OwnedFont CreateMenuFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = 340;  // without iPaddedBorderWidth, as every Windows version takes it
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0))
    return zfw::OwnedFont(CreateFontIndirectA(&metrics.lfMenuFont));
  return zfw::OwnedFont(CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Shell Dlg"));
}

void MeasureMenuItem(TSkinData& skin, const MenuItemLook& look, int& width, int& /*height*/) {
  width += left_edge(skin);
  width += look.images ? 12 : 35;
}

void MeasureMenuItemText(const MenuItemLook& look, HDC dc, int& width, int& height) {
  const int glyph = look.images ? std::max(look.images->Width(), look.checked ? 16 : 0) : 16;
  if (look.IsSeparator()) {
    width = 0;
    height = GetSystemMetrics(SM_CYMENU) / 2;
    return;
  }
  RECT caption{0, 0, 0, 0};
  std::wstring text = look.caption.empty() ? L" " : look.caption;
  DrawTextWide(dc, text, caption, kCalcCaption);
  width = glyph + 3 + width_of(caption) + 1;
  if (!look.shortcut.empty()) {
    RECT shortcut{0, 0, 0, 0};
    DrawTextWide(dc, look.shortcut, shortcut, kCalcCaption);
    width += kShortcutGap + width_of(shortcut) + kShortcutGap;
  }
  height = std::max({height_of(caption) + 6, glyph + 4, GetSystemMetrics(SM_CYMENU)});
}

void MeasureMenuItemFull(TSkinData& skin, const MenuItemLook& look, HDC dc, int& width, int& height) {
  MeasureMenuItemText(look, dc, width, height);
  width += left_edge(skin);
  width += look.images ? 10 : 35;
}

void DrawMenuItem(HDC dc, const RECT& rect, TSkinData& skin, const MenuItemLook& look, bool selected,
                  const MenuBackdrop& popupBackground) {
  TDataSkinObject* element = menu_item_element(skin);
  if (!element) return DrawMenuItemPlain(dc, rect, skin, look, selected);
  draw_element_item(dc, rect, skin, look, selected, popupBackground, *element, true);
}

void DrawMenuItemSkinned(HDC dc, const RECT& rect, TSkinData& skin, const MenuItemLook& look, bool selected,
                         const MenuBackdrop& popupBackground) {
  TDataSkinObject* element = menu_item_element(skin);
  if (!element) return DrawMenuItemPlain(dc, rect, skin, look, selected);
  draw_element_item(dc, rect, skin, look, selected, popupBackground, *element, false);
}

void DrawMenuItemPlain(HDC dc, const RECT& rect, TSkinData& skin, const MenuItemLook& look, bool selected) {
  const RECT r{0, 0, width_of(rect), height_of(rect)};
  zfw::OwnedFont font = CreateMenuFont();
  std::unique_ptr<zfw::TBitmap> work = item_bitmap(rect, font.get());
  if (!work) return;
  HDC w = work->Canvas().Handle();
  fill(w, r, selected ? skin.Colours().Hilight : skin.Colours().Menu);
  DrawMenuItemContent(w, skin, look, selected, r);
  BitBlt(dc, rect.left, rect.top, r.right, r.bottom, w, 0, 0, SRCCOPY);
}

void DrawSeparator(HDC dc, const RECT& rect, TDataSkinObject& menuItem) {
  zfw::TBitmap& image = menuItem.Image;
  const int fw = image.Width() / kMenuItemFrames, h = image.Height();
  const int width = width_of(rect), height = height_of(rect);
  if (fw <= 0 || h <= 0 || width <= 0 || height <= 0) return;
  const int sy = height < h ? h - height : 0;
  const int l = menuItem.LeftWidth, r = menuItem.RightWidth;
  zfw::TBitmap work(width, height);
  HDC w = work.Canvas().Handle(), src = image.Canvas().Handle();
  SetStretchBltMode(w, COLORONCOLOR);
  auto piece = [&](int dx0, int dx1, int sx0, int sx1) {
    StretchBlt(w, dx0, 0, dx1 - dx0, height, src, sx0, sy, sx1 - sx0, h - sy, SRCCOPY);
  };
  piece(0, l, fw, fw + l);
  piece(width - r, width, 2 * fw - r, 2 * fw);
  piece(l, width - r, fw + l, 2 * fw - r);
  TransparentBlit(dc, rect, work, kSkinTransparent);
}

void DrawMenuItemContent(HDC dc, TSkinData& skin, const MenuItemLook& look, bool selected, const RECT& r) {
  int size = look.images ? look.images->Width() : 16;
  if (look.checked) size = std::max(size, 16);
  const int edge = left_edge(skin);
  RECT measured{};
  if (!look.rightToLeft) {
    RECT g{r.left + 1 + edge, r.top + 1, r.left + 1 + edge, r.top + 1};
    if (!look.IsSeparator()) {
      g.right = g.left + size;
      g.bottom = g.top + size;
      draw_glyph(dc, look, g, r);
    } else {
      g.left = g.right = 0;
    }
    RECT t{g.right + 3, r.top, r.right - 1, r.bottom};
    draw_centred(dc, skin, look, selected, t, kCalcCaption, kDrawCaption, measured);
    if (!look.shortcut.empty()) {
      t.left = measured.right;
      t.right = r.right - 1 - kShortcutGap;
      DrawMenuText(dc, skin, look, DT_RIGHT, selected, t, look.shortcut);
    }
    return;
  }
  // Right to left: the glyph box at the right edge, the caption right-aligned before it and the
  // shortcut at the left.
  const int right = r.right - 1 - edge;
  RECT g{right - size, r.top + 1, right, r.top + 1 + size};
  if (!look.IsSeparator()) {
    draw_glyph(dc, look, g, g);
  } else {
    g = RECT{r.right, r.top + 1, r.right, r.top + 1};
  }
  RECT t{r.left + 1, r.top, g.left - 3, r.bottom};
  draw_centred(dc, skin, look, selected, t, kCalcCaptionRtl, kDrawCaptionRtl, measured);
  if (!look.shortcut.empty()) {
    RECT s{r.left + 11, t.top, g.left - 3, t.bottom};
    DrawMenuText(dc, skin, look, 0, selected, s, look.shortcut);
  }
}

void DrawMenuText(HDC dc, TSkinData& skin, const MenuItemLook& look, UINT flags, bool selected, RECT& rect,
                  std::wstring text) {
  if ((flags & DT_CALCRECT) && (text.empty() || text == L"&")) text += L" ";
  if (text == L"-") {
    if (!(flags & DT_CALCRECT)) {
      RECT line{rect.left, rect.top + 4, rect.right, rect.bottom};
      DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    }
    return;
  }
  const int old_mode = SetBkMode(dc, TRANSPARENT);
  zfw::OwnedFont bold;
  HFONT old_font = nullptr;
  if (look.isDefault) {
    LOGFONTA lf{};
    GetObjectA(current_font(dc), sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    bold.reset(CreateFontIndirectA(&lf));
    old_font = static_cast<HFONT>(SelectObject(dc, bold.get()));
  }
  const TSkinColours& c = skin.Colours();
  COLORREF colour;
  if (look.enabled) colour = zfw::ColorToRGB(selected ? c.HilightText : c.MenuText);
  else colour = c.ButtonShadow == c.MenuText ? GetSysColor(COLOR_BTNSHADOW) : zfw::ColorToRGB(c.ButtonShadow);
  const COLORREF old_colour = SetTextColor(dc, colour);
  DrawTextWide(dc, text, rect, flags);
  SetTextColor(dc, old_colour);
  if (old_font) SelectObject(dc, old_font);
  SetBkMode(dc, old_mode);
}

}  // namespace zembrel
