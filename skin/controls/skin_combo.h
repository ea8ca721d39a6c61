// The look of a combo box's frame and drop-down button from the skin's SunkEdge, ComboButton and
// ExtraImages elements, drawn over what the control painted; the text area is left alone.
#pragma once

#include <windows.h>

namespace zembrel {

class TSkinData;

// Pressed, then focused or hot, then normal; disabled whatever else holds.
int ComboFrame(bool enabled, bool focused, bool hot, bool pressed);

struct ComboLook {
  int frame = 1;
  bool button_left = false;  // WS_EX_LEFTSCROLLBAR: the button on the left, its image mirrored
  int arrow = 17;            // SM_CXHSCROLL
  int thumb = 17;            // SM_CYVTHUMB (the plain look's strip)
};

// Paints rect of dc (the window at the origin) and returns the drop-down button's rectangle;
// an empty rectangle, and nothing drawn, without a ComboButton image.
RECT PaintComboBox(HDC dc, const RECT& rect, TSkinData& skin, const ComboLook& look);

}  // namespace zembrel
