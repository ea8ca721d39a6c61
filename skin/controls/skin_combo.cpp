#include "skin/controls/skin_combo.h"

#include <algorithm>

#include "framework/handles.h"
#include "skin/controls/skin_control_paint.h"
#include "skin/data/WinSkinData.h"
#include "skin/paint/skin_paint.h"

namespace zembrel {
namespace {


// ComboButton Style 1: an outline, a face strip along the button's side and a button cell of the
// image's own size.
RECT plain_look(HDC dc, const RECT& rect, TSkinData& skin, TDataSkinBorder& button, const ComboLook& look) {
  const int count = std::max(button.FrameCount, 1);
  const int cell_w = button.Image.Width() / count, cell_h = button.Image.Height();
  HBRUSH current = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
  RECT inner = rect;
  InflateRect(&inner, -1, -1);
  FrameRect(dc, &inner, current);
  InflateRect(&inner, -1, -1);
  RECT strip = inner, box = inner;
  if (look.button_left) {
    strip.right = strip.left + look.thumb;
    box.right = box.left + cell_w;
  } else {
    strip.left = strip.right - look.thumb;
    box.left = box.right - cell_w;
  }
  FillRect(dc, &strip, current);
  if (cell_h < look.thumb) box.bottom = box.top + cell_h;
  FrameSolid(dc, rect, SkinRgb(skin.Colours().ButtonShadow));
  DrawImageCell(dc, box, button.Image, count, look.frame);
  return box;
}

}  // namespace

int ComboFrame(bool enabled, bool focused, bool hot, bool pressed) {
  if (!enabled) return 3;
  if (pressed) return 2;
  if (focused || hot) return 4;
  return 1;
}

RECT PaintComboBox(HDC dc, const RECT& rect, TSkinData& skin, const ComboLook& look) {
  auto* button = dynamic_cast<TDataSkinBorder*>(skin.Element("ComboButton"));
  if (!button || button->Image.Empty()) return RECT{};
  if (button->Style == 1) return plain_look(dc, rect, skin, *button, look);

  TDataSkinObject* sunk = skin.Element("SunkEdge");
  if (button->Style == 2) {
    // The composite strip the skin data built: frame, button and arrow in one image per state.
    TDataSkinObject& strip = look.button_left && HasImage(sunk) ? *sunk : *button;
    DrawElementFrame(dc, rect, strip, std::max(strip.FrameCount, 1), look.frame);
    const int a = look.arrow + 2;
    return look.button_left ? RECT{rect.left, rect.top, rect.left + a, rect.bottom}
                            : RECT{rect.right - a, rect.top, rect.right, rect.bottom};
  }

  const int a = look.arrow;
  RECT text, box, glyph_box;
  zfw::TBitmap* image = &button->Image;
  if (look.button_left) {
    text = RECT{rect.left + a + 4, rect.top + 2, rect.right - 2, rect.bottom - 2};
    box = RECT{rect.left, rect.top, rect.left + a + 2, rect.bottom};
    glyph_box = RECT{rect.left + 2, rect.top, rect.left + a + 2, rect.bottom};
    if (!button->Image2.Empty()) image = &button->Image2;
  } else {
    text = RECT{rect.left + 2, rect.top + 2, rect.right - a - 4, rect.bottom - 2};
    box = RECT{rect.right - a - 2, rect.top, rect.right, rect.bottom};
    glyph_box = RECT{rect.right - a - 2, rect.top, rect.right - 2, rect.bottom};
  }
  zfw::SaveDcGuard saved(dc);
  ExcludeClipRect(dc, text.left, text.top, text.right, text.bottom);
  if (HasImage(sunk)) DrawElementFrame(dc, rect, *sunk, std::max(sunk->FrameCount, 1), look.frame);
  DrawImageCell(dc, box, *image, std::max(button->FrameCount, 1), look.frame);
  if (TDataSkinObject* extra = skin.Element("ExtraImages"); HasImage(extra) && extra->FrameCount > 0)
    DrawCentredFrame(dc, glyph_box, extra->Image, true, extra->FrameCount, look.frame);
  return box;
}

}  // namespace zembrel
