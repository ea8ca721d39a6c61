#include "skin/controls/skin_edit.h"

#include "framework/handles.h"
#include "skin/controls/skin_control_paint.h"
#include "skin/data/WinSkinData.h"

namespace zembrel {

void PaintEditBorder(HDC dc, const RECT& rect, SIZE client, TSkinData& skin) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (client.cx == w || client.cy == h) return;
  RECT r = rect;
  FrameSolid(dc, r, SkinRgb(skin.Colours().ButtonShadow));
  zfw::OwnedBrush white(CreateSolidBrush(RGB(255, 255, 255)));
  for (int ring = 0; ring < 2; ++ring) {
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, white.get());
  }
}

int UpDownArrowFrame(const UpDownLook& look, int arrow) {
  if (!look.enabled) return kUpDownDisabled;
  if (look.pressed == arrow) return kUpDownPressed;
  if (look.hot == arrow) return kUpDownHot;
  return kUpDownNormal;
}

void UpDownArrowRects(const RECT& rect, bool horizontal, RECT& first, RECT& second) {
  first = second = rect;
  if (horizontal) {
    const int mid = rect.left + (rect.right - rect.left) / 2;
    first.right = mid;
    second.left = mid;
  } else {
    const int mid = rect.top + (rect.bottom - rect.top) / 2;
    first.bottom = mid;
    second.top = mid;
  }
}

bool PaintUpDown(HDC dc, const RECT& rect, TSkinData& skin, const UpDownLook& look) {
  TDataSkinObject* element = skin.Element(look.horizontal ? "UpDown.Horz" : "UpDown.Vert");
  if (!HasImage(element) || element->FrameCount < 8) return false;
  zfw::BufferedPaint buffer(dc, rect);
  FillSolid(buffer.dc(), rect, FaceRgb(skin));
  RECT arrows[2];
  UpDownArrowRects(rect, look.horizontal, arrows[0], arrows[1]);
  for (int arrow = 0; arrow < 2; ++arrow)
    DrawElementFrame(buffer.dc(), arrows[arrow], *element, element->FrameCount, arrow * 4 + UpDownArrowFrame(look, arrow));
  return true;
}

}  // namespace zembrel
