// The look and geometry of a skinned scroll bar: which part a point is on, where a dragged thumb
// is drawn, the thumb of a stand-alone scroll-bar control, and the paint function that draws a
// whole bar from the skin's 23-cell Scrollbar strip, the track and the thumb elements.
#pragma once

#include <windows.h>

namespace zembrel {

class TSkinData;

// Parts of a bar, as a point hits them (also the SB_ scroll codes that share these numbers).
enum ScrollPart {
  kScrollNone = -1,
  kScrollFirstArrow = 0,
  kScrollSecondArrow = 1,
  kScrollPageBefore = 2,
  kScrollPageAfter = 3,
  kScrollThumb = 5
};

struct ScrollGeometry {
  int length = 0;       // along the axis
  int arrow = 0;        // arrow size along the axis
  int thumb_start = 0;  // thumb extent along the axis
  int thumb_end = 0;
};
// p is the coordinate along the axis.
int ScrollHitTest(const ScrollGeometry& g, int p);

// The thumb start while it is dragged: where it was grabbed moved by the cursor, kept between the
// arrows.
int DraggedThumbStart(const ScrollGeometry& g, int grabbed_start, int cursor_moved);

// The thumb of a stand-alone bar control from its scroll information.
struct ThumbExtent {
  int start = 0;
  int length = 0;
};
ThumbExtent StandaloneThumb(const SCROLLINFO& info, int length, int arrow);

struct ScrollBarLook {
  bool vertical = false;
  bool enabled = true;
  ScrollGeometry geometry;
  int hot_part = kScrollNone;
  bool tracking = false;  // the mouse button is down on hot_part
};

// Paints the bar over rect of dc (rect's size is the bar's); nothing without a Scrollbar image.
void PaintScrollBar(HDC dc, const RECT& rect, TSkinData& skin, const ScrollBarLook& look);

}  // namespace zembrel
