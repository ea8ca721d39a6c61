// The look of a status bar painted from the skin's StatusBarEdges element (lowered, raised and
// flat panel frames) and the size-grip cell of ExtraImages: simple text or a row of panels.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zembrel {

class TSkinData;

enum PanelFrame { kPanelLowered = 1, kPanelRaised = 2, kPanelFlat = 3 };

struct StatusPanelLook {
  bool has_rect = false;  // SB_GETRECT answered for this panel
  RECT rect{};            // as SB_GETRECT reports it
  std::wstring text;
  UINT align = DT_LEFT;
  int frame = kPanelLowered;
  bool owner_drawn = false;
};

struct StatusBarLook {
  bool simple = false;  // the simple-panel flag
  std::wstring simple_text;
  bool right_to_left = false;
  std::vector<StatusPanelLook> panels;
  bool size_grip = false;  // SBARS_SIZEGRIP
  HFONT font = nullptr;    // null: the target's font
};

// The panel rectangles as drawn: widened by 2 on the right, the last reaching the bar's right edge.
std::vector<RECT> StatusPanelRects(const StatusBarLook& look, const RECT& bar);
// Paints rect of dc off screen and copies it once. Simple mode (or no panels) shows the simple text
// in one lowered frame; empty texts are drawn as one space so their frames still show.
void PaintStatusBar(HDC dc, const RECT& rect, TSkinData& skin, const StatusBarLook& look);

}  // namespace zembrel
