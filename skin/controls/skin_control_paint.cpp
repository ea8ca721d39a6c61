#include "skin/controls/skin_control_paint.h"

#include "framework/handles.h"
#include "skin/data/WinSkinData.h"
#include "skin/paint/ImgUtil.h"
#include "skin/paint/skin_paint.h"

namespace zembrel {

COLORREF SkinRgb(SkinColor colour) { return zfw::ColorToRGB(static_cast<zfw::TColor>(colour)); }

COLORREF FaceRgb(const TSkinData& skin) { return SkinRgb(skin.Colours().ButtonFace); }

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  zfw::OwnedBrush brush(CreateSolidBrush(colour));
  FillRect(dc, &rect, brush.get());
}

void FrameSolid(HDC dc, const RECT& rect, COLORREF colour) {
  zfw::OwnedBrush brush(CreateSolidBrush(colour));
  FrameRect(dc, &rect, brush.get());
}

bool HasImage(const TDataSkinObject* element) { return element && !element->Image.Empty(); }

void DrawElementFrame(HDC dc, const RECT& rect, TDataSkinObject& element, int frame_count, int frame) {
  const Margins margins{element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight};
  PaintElement(dc, rect, element.Image, false, element.Tile == 1, element.Trans == 1, frame_count, frame, margins);
}

void DrawImageCell(HDC dc, const RECT& rect, zfw::TBitmap& image, int cell_count, int cell) {
  DrawStripFrame(dc, rect, image, true, cell_count, cell);
}

RECT MeasureText(HDC dc, const std::wstring& text, const RECT& rect, UINT flags) {
  RECT box = rect;
  DrawTextWide(dc, text, box, flags | DT_CALCRECT);
  return box;
}

void DrawTextFocus(HDC dc, const std::wstring& text, UINT flags, const RECT& rect) {
  RECT box = MeasureText(dc, text, rect, flags | DT_NOCLIP);
  const int dx = (rect.right - rect.left) - (box.right - box.left);
  const int dy = (rect.bottom - rect.top) - (box.bottom - box.top);
  if (flags & DT_CENTER) OffsetRect(&box, dx / 2, dy / 2 - 1);
  else if (flags & DT_RIGHT) OffsetRect(&box, dx, 0);
  InflateRect(&box, 2, 1);
  RECT clipped;
  if (!IntersectRect(&clipped, &box, &rect)) return;
  DrawFocusRect(dc, &clipped);
}

HFONT WindowFont(HWND wnd) {
  return wnd ? reinterpret_cast<HFONT>(SendMessageA(wnd, WM_GETFONT, 0, 0)) : nullptr;
}

}  // namespace zembrel
