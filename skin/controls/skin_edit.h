// The border of an edit box in the skin's colours (the text area stays the control's own), and
// the arrows of an up-down control from the skin's UpDown.Horz / UpDown.Vert elements.
#pragma once

#include <windows.h>

namespace zembrel {

class TSkinData;

// A ButtonShadow outline with two white rings inside it over rect (the window at the origin);
// nothing when the client area is as wide or as high as the window (the edit has no border).
void PaintEditBorder(HDC dc, const RECT& rect, SIZE client, TSkinData& skin);

// Frames of the up-down elements: each arrow normal, pressed, hot, disabled.
enum UpDownFrame { kUpDownNormal = 1, kUpDownPressed = 2, kUpDownHot = 3, kUpDownDisabled = 4 };

struct UpDownLook {
  bool horizontal = false;  // UDS_HORZ: left and right arrows
  bool enabled = true;
  int hot = -1;      // 0 the first arrow (up or left), 1 the second, -1 none
  int pressed = -1;  // the same, for the arrow held down
};
// The frame of an arrow: disabled, pressed, hot, else normal.
int UpDownArrowFrame(const UpDownLook& look, int arrow);
// The two arrow rectangles of an up-down control: halves of rect along its axis.
void UpDownArrowRects(const RECT& rect, bool horizontal, RECT& first, RECT& second);
// Paints both arrows; false without the element, leaving the control its own look. Cell
// (arrow * 4 + frame) of the element's eight cells: the first arrow's four, then the second's.
bool PaintUpDown(HDC dc, const RECT& rect, TSkinData& skin, const UpDownLook& look);

}  // namespace zembrel
