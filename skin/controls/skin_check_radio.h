// The look of check boxes and radio buttons painted from the check-box and radio-button images of
// the skin's Buttons element: the cell each state shows (with the remaps of 12- and 8-cell
// images), and the paint function that draws box and caption straight into the target.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "framework/graphics.h"

namespace zembrel {

class TSkinData;

// The check state as the control reports it: 1 unchecked, 2 checked, 3 "not checked" as a
// Checked property without a State reports it, 4 grayed.
enum CheckStateCell { kCellUnchecked = 1, kCellChecked = 2, kCellCheckedOff = 3, kCellGrayed = 4 };

// The image cell of a check box: state cell, + 2 when disabled, 4 when the window reports the
// indeterminate state; a 12-cell image maps 2 to 5, 3 to 4, 4 to 8, and indeterminate to 9 (12
// when disabled).
int CheckBoxCell(int state_cell, bool disabled, bool indeterminate, int frame_count);
// The image cell of a radio button; an 8-cell image maps 2 to 5, 3 to 4, 4 to 8.
int RadioButtonCell(bool checked, bool disabled, int frame_count);

// The cell a control's published properties ask for, from a start of 1 or 2 (BST_CHECKED): its
// State name ("uncheck..." 1, "...check..." 2, "...gray..." 4), else its Checked value ("true" 2,
// anything else 3). Empty names mean the property is missing.
int CheckBoxPropertyCell(int start, const std::string& state_name, const std::string& checked_name);

struct CheckLook {
  bool radio = false;
  int cell = 1;
  bool draw_caption = true;  // false: only the box (the control paints its own caption)
  bool fill_face = true;     // false: the background is left as it is (a transparent box)
  bool left_text = false;    // BS_LEFTTEXT: the box on the right
  bool right_to_left = false;
  bool focused = false;
  std::wstring caption;
  HFONT font = nullptr;                       // null: the target's font
  std::optional<zfw::TColor> text_colour;     // empty: the target's text colour
};

// Paints rect of dc (the window at the origin); nothing for a skin without the image.
void PaintCheckRadio(HDC dc, const RECT& rect, TSkinData& skin, const CheckLook& look);

}  // namespace zembrel
