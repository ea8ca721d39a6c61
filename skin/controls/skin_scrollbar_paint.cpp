#include "skin/controls/skin_scrollbar_paint.h"

#include <algorithm>

#include "framework/handles.h"
#include "skin/controls/skin_control_paint.h"
#include "skin/data/WinSkinData.h"
#include "skin/paint/skin_paint.h"

namespace zembrel {
namespace {

constexpr int kScrollCells = 23;
constexpr int kArrowLeft = 1, kArrowRight = 5, kArrowUp = 9, kArrowDown = 13;
constexpr int kGripperHorz = 17, kGripperVert = 20;

// A rectangle given along and across the bar's axis, in rect's coordinates.
RECT along(const RECT& rect, bool vertical, int from, int to, int across_from, int across_to) {
  if (vertical) return RECT{rect.left + across_from, rect.top + from, rect.left + across_to, rect.top + to};
  return RECT{rect.left + from, rect.top + across_from, rect.left + to, rect.top + across_to};
}

int arrow_cell(int base, int part, const ScrollBarLook& look) {
  if (look.hot_part != part) return base;
  return base + (look.tracking ? 1 : 3);
}

}  // namespace

int ScrollHitTest(const ScrollGeometry& g, int p) {
  if (p < g.arrow) return kScrollFirstArrow;
  if (p < g.thumb_start) return kScrollPageBefore;
  if (p < g.thumb_end) return kScrollThumb;
  if (p < g.length - g.arrow) return kScrollPageAfter;
  return kScrollSecondArrow;
}

int DraggedThumbStart(const ScrollGeometry& g, int grabbed_start, int cursor_moved) {
  const int thumb = g.thumb_end - g.thumb_start;
  const int start = grabbed_start + cursor_moved;
  return std::max(g.arrow, std::min(start, g.length - g.arrow - thumb));
}

ThumbExtent StandaloneThumb(const SCROLLINFO& info, int length, int arrow) {
  const int range = info.nMax == info.nMin ? 9999999 : info.nMax - info.nMin;
  const int moved = info.nPos - info.nMin;
  const int room = length - 2 * arrow;
  ThumbExtent t;
  if (info.nPage > 0) {
    t.length = MulDiv(room, static_cast<int>(info.nPage) - 1, range);
    if (t.length >= 8) {
      t.start = arrow + MulDiv(room, moved, range);
    } else {
      t.length = 8;
      t.start = arrow + MulDiv(room - 8, moved, range);
    }
  } else {
    t.length = arrow;
    t.start = arrow + MulDiv(length - 3 * arrow, moved, range);
  }
  if (moved == 0) t.start = arrow;
  return t;
}

void PaintScrollBar(HDC dc, const RECT& rect, TSkinData& skin, const ScrollBarLook& look) {
  TDataSkinObject* strip = skin.Element("Scrollbar");
  if (!HasImage(strip) || rect.right <= rect.left || rect.bottom <= rect.top) return;
  const bool v = look.vertical;
  const ScrollGeometry& g = look.geometry;
  const int across = v ? rect.right - rect.left : rect.bottom - rect.top;
  const int strip_height = strip->Image.Height();
  const int breadth = std::abs(strip_height - g.arrow) > 2 ? g.arrow : strip_height;

  zfw::BufferedPaint buffer(dc, rect);
  HDC out = buffer.dc();
  SetStretchBltMode(out, COLORONCOLOR);
  FillSolid(out, rect, FaceRgb(skin));

  // The track between the arrows.
  if (TDataSkinObject* track = skin.Element(v ? "VertScroll" : "HorzScroll"); HasImage(track))
    DrawElementFrame(out, along(rect, v, g.arrow, g.length - g.arrow, 0, across), *track, 4, look.enabled ? 1 : 3);

  // The arrows, half the bar each when it is shorter than two.
  const int a = g.length < 2 * g.arrow ? g.length / 2 : g.arrow;
  DrawImageCell(out, along(rect, v, 0, a, 0, across), strip->Image, kScrollCells,
                arrow_cell(v ? kArrowUp : kArrowLeft, kScrollFirstArrow, look));
  DrawImageCell(out, along(rect, v, g.length - a, g.length, 0, across), strip->Image, kScrollCells,
                arrow_cell(v ? kArrowDown : kArrowRight, kScrollSecondArrow, look));

  if (look.enabled) {
    const bool on_thumb = look.hot_part == kScrollThumb;
    const int start = g.thumb_start, end = g.thumb_end, thumb = end - start;
    const bool inside = start >= 0 && end <= g.length && start <= end;
    TDataSkinObject* element = skin.Element(v ? "VertScrollThumb" : "HorzScrollThumb");
    if (inside && HasImage(element)) {
      const int frame = on_thumb ? (look.tracking ? 2 : 3) : 1;
      const Margins m{element->LeftWidth, element->TopHeight, element->RightWidth, element->BottomHeight};
      PaintElement(out, along(rect, v, start, end, 0, breadth), element->Image, false, false, element->Trans == 1,
                   element->FrameCount, frame, m);
    }
    const int grip = strip_height;
    const int grip_start = start + (thumb - grip) / 2;
    if (inside && grip < thumb + 2 && grip_start >= 0 && grip_start + grip <= g.length) {
      const int cell = (v ? kGripperVert : kGripperHorz) + (on_thumb ? (look.tracking ? 1 : 2) : 0);
      DrawImageCell(out, along(rect, v, grip_start, grip_start + grip, 0, breadth), strip->Image, kScrollCells, cell);
    }
  }
}

}  // namespace zembrel
