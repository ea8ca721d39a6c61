#include "skin/controls/skin_group_panel.h"

#include "framework/handles.h"
#include "skin/controls/skin_control_paint.h"
#include "skin/data/WinSkinData.h"
#include "skin/paint/ImgUtil.h"

namespace zembrel {

int GroupBoxFrameTop(HDC dc) {
  SIZE zero{};
  GetTextExtentPoint32A(dc, "0", 1, &zero);
  return zero.cy / 2 - 1;
}

void PaintGroupBox(HDC dc, const RECT& rect, TSkinData& skin, const GroupBoxLook& look) {
  zfw::OwnedPen pen(CreatePen(PS_SOLID, 1, SkinRgb(skin.Colours().ButtonShadow)));
  zfw::SaveDcGuard saved(dc);  // restored before the pen is freed
  if (look.own_background) FillSolid(dc, rect, FaceRgb(skin));
  if (look.font) SelectObject(dc, look.font);
  if (look.text_colour) SetTextColor(dc, zfw::ColorToRGB(*look.text_colour));
  const int y = rect.top + GroupBoxFrameTop(dc);
  if (!look.own_background) {
    RECT border{rect.left, y, rect.right, rect.bottom};
    FrameRect(dc, &border, skin.FaceBrush());
    InflateRect(&border, -1, -1);
    FrameRect(dc, &border, skin.FaceBrush());
  }
  SelectObject(dc, pen.get());
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  RoundRect(dc, rect.left + 1, y, rect.right - 1, rect.bottom - 1, 5, 5);
  // The caption is drawn opaque, covering the frame line behind it.
  SetBkColor(dc, FaceRgb(skin));
  SetBkMode(dc, OPAQUE);
  const UINT rtl = look.right_to_left ? DT_RTLREADING : 0;
  if (look.caption_right) {
    RECT area{rect.left, rect.top, rect.right - 8, rect.bottom};
    DrawTextWide(dc, look.caption, area, DT_RIGHT | DT_EXPANDTABS | rtl);
  } else {
    RECT area{rect.left + 8, rect.top, rect.right, rect.bottom};
    DrawTextWide(dc, look.caption, area, DT_EXPANDTABS);
  }
}

void PaintFace(HDC dc, const RECT& rect, TSkinData& skin) { FillSolid(dc, rect, FaceRgb(skin)); }

}  // namespace zembrel
