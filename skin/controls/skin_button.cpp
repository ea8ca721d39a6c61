#include "skin/controls/skin_button.h"

#include <algorithm>
#include <memory>

#include "framework/handles.h"
#include "skin/controls/skin_control_paint.h"
#include "skin/data/WinSkinData.h"
#include "skin/paint/ImgUtil.h"
#include "skin/paint/skin_paint.h"

namespace zembrel {
namespace {

constexpr UINT kCaptionFlags = DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS;
constexpr int kMenuArrowWidth = 17;


// The off-screen picture every button kind starts from: background and element frame, the
// caption font selected and the frame's text colour set; copied to the target when it ends.
class ButtonCanvas {
 public:
  ButtonCanvas(HDC target, const RECT& rect, TSkinData& skin, int frame, bool draw_frame, const ButtonLook& look)
      : buffer_(target, rect),
        font_(buffer_.dc(), look.font ? look.font : static_cast<HFONT>(GetCurrentObject(target, OBJ_FONT))) {
    HDC dc = buffer_.dc();
    if (look.background) look.background(dc);
    else FillSolid(dc, rect, FaceRgb(skin));
    TDataSkinButton& buttons = skin.Buttons();
    if (draw_frame) DrawElementFrame(dc, rect, buttons, buttons.FrameCount, frame);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, zfw::ColorToRGB(ButtonTextColour(buttons, frame, look.text_colour)));
  }
  HDC dc() const { return buffer_.dc(); }

 private:
  zfw::BufferedPaint buffer_;
  zfw::SelectGuard font_;
};

bool can_paint(const RECT& rect, TSkinData& skin) {
  return !skin.Buttons().Image.Empty() && width_of(rect) > 0 && height_of(rect) > 0;
}

void focus_around(HDC dc, RECT box, bool focused, const ButtonLook& look) {
  if (!focused || !look.focus_rect) return;
  InflateRect(&box, 2, 2);
  DrawFocusRect(dc, &box);
}

SIZE text_size(HDC dc, const std::wstring& text, RECT room, UINT flags) {
  if (text.empty()) return SIZE{0, 0};
  const RECT box = MeasureText(dc, text, room, flags);
  return SIZE{width_of(box), height_of(box)};
}

// Cell number - 1 of the strip (cell 0 when it has fewer cells), greyed for number 2, drawn with
// its bottom-left pixel as the transparent colour.
void draw_glyph_cell(HDC dc, POINT at, zfw::TBitmap& strip, int num_glyphs, int number) {
  const int count = std::max(num_glyphs, 1);
  const int w = strip.Width() / count, h = strip.Height();
  if (w <= 0 || h <= 0) return;
  const int cell = num_glyphs < number ? 0 : number - 1;
  zfw::TBitmap piece(w, h, zfw::pf24bit);
  BitBlt(piece.Canvas().Handle(), 0, 0, w, h, strip.Canvas().Handle(), cell * w, 0, SRCCOPY);
  if (number == 2) GrayscaleBitmap(piece);
  TransparentBlit(dc, RECT{at.x, at.y, at.x + w, at.y + h}, piece, piece.Pixel(0, h - 1));
}

SIZE glyph_size(const ButtonGlyph& g) {
  if (g.graphic && !g.graphic->Empty()) return SIZE{g.graphic->Width(), g.graphic->Height()};
  if (g.glyph && !g.glyph->Empty()) return SIZE{g.glyph->Width() / std::max(g.num_glyphs, 1), g.glyph->Height()};
  int cx = 0, cy = 0;
  if (g.images && g.image_index != -1 && ImageList_GetIconSize(g.images, &cx, &cy)) return SIZE{cx, cy};
  return SIZE{0, 0};
}

void draw_glyph(HDC dc, POINT at, const ButtonGlyph& g, int number) {
  if (g.graphic && !g.graphic->Empty()) {
    zfw::TCanvas canvas(dc);
    canvas.Draw(at.x, at.y, *g.graphic);
  } else if (g.glyph && !g.glyph->Empty()) {
    draw_glyph_cell(dc, at, *g.glyph, g.num_glyphs, number);
  } else if (g.images) {
    const bool disabled = number == 2;
    const int index = disabled && g.disabled_index != -1 ? g.disabled_index : g.image_index;
    if (index == -1) return;
    ImageList_DrawEx(g.images, index, dc, at.x, at.y, 0, 0, CLR_NONE, CLR_DEFAULT,
                     ILD_TRANSPARENT | (disabled ? ILD_BLEND50 : 0));
  }
}

}  // namespace

int PushButtonFrame(const ButtonState& s) {
  if (!s.enabled) return kButtonFrameDisabled;
  if (s.pressed) return kButtonFramePressed;
  if (s.hot) return kButtonFrameHot;
  if (s.focused) return kButtonFrameFocused;
  return kButtonFrameNormal;
}

int BitmapButtonFrame(const ButtonState& s) { return PushButtonFrame(s); }

int MenuButtonFrame(const ButtonState& s) {
  if (!s.enabled) return kButtonFrameDisabled;
  if (s.pressed) return kButtonFramePressed;
  if (s.focused || s.hot) return kButtonFrameHot;
  return kButtonFrameNormal;
}

int SpeedButtonFrame(const ButtonState& s, bool down) {
  if (down) return kButtonFramePressed;
  if (!s.enabled) return kButtonFrameDisabled;
  if (s.pressed) return kButtonFramePressed;
  if (s.hot) return kButtonFrameHot;
  return kButtonFrameNormal;
}

std::wstring ButtonCaption(std::wstring caption) {
  const size_t at = caption.find(L"||");
  if (at != std::wstring::npos) caption.replace(at, 2, L"\r\n");
  return caption;
}

zfw::TColor ButtonTextColour(const TDataSkinButton& buttons, int frame, zfw::TColor start) {
  switch (frame) {
    case kButtonFrameNormal:
      return buttons.NormalColour2Given ? static_cast<zfw::TColor>(buttons.NormalColour2) : start;
    case kButtonFrameHot:
      return buttons.MouseOverColour2Given ? static_cast<zfw::TColor>(buttons.MouseOverColour2) : start;
    case kButtonFramePressed:
      return buttons.PressedColour2Given ? static_cast<zfw::TColor>(buttons.PressedColour2) : start;
    case kButtonFrameDisabled:
      return zfw::clBtnShadow;
    default:
      return start;
  }
}

int GlyphNumber(int frame) { return frame == kButtonFramePressed ? 3 : frame == kButtonFrameDisabled ? 2 : 1; }

GlyphPlacement PlaceGlyphAndText(const GlyphPlacementInput& in) {
  GlyphPlacement out;
  const bool across_x = in.layout == kGlyphLeft || in.layout == kGlyphRight;
  // Across the layout axis both are centred.
  if (across_x) {
    out.glyph.y = (in.client.cy - in.glyph.cy + 1) / 2;
    out.text.y = (in.client.cy - in.text.cy + 1) / 2;
  } else {
    out.glyph.x = (in.client.cx - in.glyph.cx + 1) / 2;
    out.text.x = (in.client.cx - in.text.cx + 1) / 2;
  }
  int margin = in.margin, spacing = in.spacing;
  if (in.text.cx == 0 || in.glyph.cx == 0) spacing = 0;
  const int client = across_x ? in.client.cx : in.client.cy;
  const int glyph = across_x ? in.glyph.cx : in.glyph.cy;
  const int text = across_x ? in.text.cx : in.text.cy;
  if (margin == -1 || in.centred) {
    if (spacing == -1) {
      margin = (client - glyph - text) / 3;
      spacing = margin;
    } else {
      margin = (client - glyph - spacing - text) / 2;
    }
  } else if (spacing == -1) {
    spacing = (client - margin - glyph - text) / 2;
  }
  switch (in.layout) {
    case kGlyphRight:
      out.glyph.x = client - margin - glyph;
      out.text.x = out.glyph.x - spacing - text;
      out.text_flags |= DT_RIGHT;
      break;
    case kGlyphTop:
      out.glyph.y = margin;
      out.text.y = margin + glyph + spacing;
      out.text_flags |= DT_CENTER;
      break;
    case kGlyphBottom:
      out.glyph.y = client - margin - glyph;
      out.text.y = out.glyph.y - spacing - text;
      out.text_flags |= DT_CENTER;
      break;
    default:
      out.glyph.x = margin;
      out.text.x = margin + glyph + spacing;
      break;
  }
  return out;
}

void PaintPushButton(HDC dc, const RECT& rect, TSkinData& skin, int frame, bool focused, const ButtonLook& look) {
  if (!can_paint(rect, skin)) return;
  ButtonCanvas canvas(dc, rect, skin, frame, true, look);
  RECT room = rect;
  InflateRect(&room, -2, -2);
  RECT box = MeasureText(canvas.dc(), look.caption, room, kCaptionFlags | DT_NOCLIP);
  OffsetRect(&box, -box.left, -box.top);
  OffsetRect(&box, rect.left + (width_of(rect) - width_of(box)) / 2, rect.top + (height_of(rect) - height_of(box)) / 2 - 1);
  // Drawn centred across the whole room: a box of exactly the measured width can break a line
  // with a "&" prefix in it once more than measuring did.
  RECT line{room.left, box.top, room.right, box.bottom};
  DrawTextWide(canvas.dc(), look.caption, line, kCaptionFlags | DT_NOCLIP | look.text_flags);
  focus_around(canvas.dc(), box, focused, look);
}

void PaintMenuButton(HDC dc, const RECT& rect, TSkinData& skin, int frame, bool focused, const ButtonLook& look) {
  if (!can_paint(rect, skin)) return;
  ButtonCanvas canvas(dc, rect, skin, frame, true, look);
  const int w = width_of(rect), h = height_of(rect);
  RECT room{rect.left, rect.top, rect.right - kMenuArrowWidth, rect.bottom};
  InflateRect(&room, -2, -2);
  const SIZE text = text_size(canvas.dc(), look.caption, room, DT_WORDBREAK);
  RECT box{rect.left + (w - kMenuArrowWidth - text.cx) / 2 + 2, rect.top + (h - text.cy + 1) / 2, 0, 0};
  box.right = box.left + text.cx;
  box.bottom = box.top + text.cy;
  DrawTextWide(canvas.dc(), look.caption, box, DT_WORDBREAK | look.text_flags);
  // The drop-down arrow, a small triangle pointing down.
  const COLORREF ink = zfw::ColorToRGB(frame == kButtonFrameDisabled ? zfw::clBtnShadow : zfw::clWindowText);
  zfw::OwnedBrush brush(CreateSolidBrush(ink));
  zfw::OwnedPen pen(CreatePen(PS_SOLID, 1, ink));
  zfw::SelectGuard use_brush(canvas.dc(), brush.get()), use_pen(canvas.dc(), pen.get());
  const POINT corners[3] = {{rect.left + w - 12, rect.top + h / 2 + 2},
                            {rect.left + w - 15, rect.top + h / 2 - 1},
                            {rect.left + w - 9, rect.top + h / 2 - 1}};
  Polygon(canvas.dc(), corners, 3);
  focus_around(canvas.dc(), box, focused, look);
}

void PaintGlyphButton(HDC dc, const RECT& rect, TSkinData& skin, int frame, int glyph_number, bool draw_frame,
                      bool focused, const ButtonLook& look, const ButtonGlyph& glyph, const GlyphButtonLayout& layout) {
  if (!can_paint(rect, skin)) return;
  ButtonCanvas canvas(dc, rect, skin, frame, draw_frame, look);
  const SIZE g = glyph_size(glyph);
  const bool across_x = layout.layout == kGlyphLeft || layout.layout == kGlyphRight;
  RECT room{0, 0, width_of(rect), height_of(rect)};
  InflateRect(&room, -2, -2);
  if (across_x) room.right -= g.cx + 2;
  else room.bottom -= g.cy + 2;
  GlyphPlacementInput in;
  in.client = SIZE{width_of(rect), height_of(rect)};
  in.glyph = g;
  in.text = text_size(canvas.dc(), look.caption, room, DT_WORDBREAK);
  in.margin = layout.margin;
  in.spacing = layout.spacing;
  in.layout = layout.layout;
  in.centred = layout.centred;
  const GlyphPlacement at = PlaceGlyphAndText(in);
  draw_glyph(canvas.dc(), POINT{rect.left + at.glyph.x, rect.top + at.glyph.y}, glyph, glyph_number);
  RECT box{rect.left + at.text.x, rect.top + at.text.y, rect.left + at.text.x + in.text.cx,
           rect.top + at.text.y + in.text.cy};
  DrawTextWide(canvas.dc(), look.caption, box, at.text_flags | look.text_flags);
  focus_around(canvas.dc(), box, focused, look);
}

}  // namespace zembrel
