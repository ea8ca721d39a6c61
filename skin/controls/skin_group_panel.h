// The look of container controls in the skin's colours: a group box's rounded frame and opaque
// caption, and the plain face-colour fill of bare containers and size grips.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "framework/graphics.h"

namespace zembrel {

class TSkinData;

struct GroupBoxLook {
  std::wstring caption;
  HFONT font = nullptr;                    // null: the target's font
  std::optional<zfw::TColor> text_colour;  // empty: the target's text colour
  bool own_background = true;  // true (a framework group box): the face fills the whole box;
                               // false (a system dialog's): the box's own border is wiped instead
  bool caption_right = false;  // WS_EX_RIGHT
  bool right_to_left = false;
};

// The y of the frame line: half the height of "0" in the selected font, less one.
int GroupBoxFrameTop(HDC dc);
// Paints rect of dc (the window at the origin).
void PaintGroupBox(HDC dc, const RECT& rect, TSkinData& skin, const GroupBoxLook& look);

// The whole rectangle in the skin's face colour.
void PaintFace(HDC dc, const RECT& rect, TSkinData& skin);

}  // namespace zembrel
