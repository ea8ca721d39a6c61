#include "skin/controls/skin_check_radio.h"

#include <algorithm>
#include <cctype>

#include "framework/handles.h"
#include "skin/controls/skin_control_paint.h"
#include "skin/data/WinSkinData.h"
#include "skin/paint/ImgUtil.h"

namespace zembrel {
namespace {

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

int remap(int cell) {
  switch (cell) {
    case 2: return 5;
    case 3: return 4;
    case 4: return 8;
    default: return cell;
  }
}

}  // namespace

int CheckBoxCell(int state_cell, bool disabled, bool indeterminate, int frame_count) {
  int cell = state_cell + (disabled ? 2 : 0);
  if (indeterminate) cell = 4;
  if (frame_count != 12) return cell;
  if (indeterminate) return disabled ? 12 : 9;
  return remap(cell);
}

int RadioButtonCell(bool checked, bool disabled, int frame_count) {
  const int cell = (checked ? 2 : 1) + (disabled ? 2 : 0);
  return frame_count == 8 ? remap(cell) : cell;
}

int CheckBoxPropertyCell(int start, const std::string& state_name, const std::string& checked_name) {
  if (!state_name.empty()) {
    const std::string s = lower(state_name);
    if (s.find("uncheck") != std::string::npos) return kCellUnchecked;
    if (s.find("check") != std::string::npos) return kCellChecked;
    if (s.find("gray") != std::string::npos) return kCellGrayed;
    return start;
  }
  if (!checked_name.empty()) return lower(checked_name) == "true" ? kCellChecked : kCellCheckedOff;
  return start;
}

void PaintCheckRadio(HDC dc, const RECT& rect, TSkinData& skin, const CheckLook& look) {
  TDataSkinButton& buttons = skin.Buttons();
  zfw::TBitmap& image = look.radio ? buttons.RadioImage : buttons.CheckImage;
  const int count = look.radio ? buttons.RadioButtonFrame : buttons.CheckButtonFrame;
  if (image.Empty() || count < 1) return;
  const int cell_w = image.Width() / count, cell_h = image.Height();
  const int top = rect.top + (rect.bottom - rect.top - cell_h) / 2;
  RECT box, text_area = rect;
  if (look.left_text) {
    const int inset = look.radio ? 1 : 0;
    box = RECT{rect.right - cell_w - inset, top, rect.right - inset, top + cell_h};
    text_area.right = box.left - 2;
  } else {
    box = RECT{rect.left, top, rect.left + cell_w, top + cell_h};
    text_area.left = rect.left + cell_w + 2;
  }
  UINT align = 0;
  if (look.right_to_left) align = look.left_text ? DT_RIGHT | DT_RTLREADING : DT_RTLREADING;

  zfw::SaveDcGuard saved(dc);
  if (look.fill_face) FillSolid(dc, rect, FaceRgb(skin));
  if (box.right >= box.left && box.bottom >= box.top) DrawImageCell(dc, box, image, count, look.cell);
  if (!look.draw_caption) return;

  if (look.font) SelectObject(dc, look.font);
  if (look.text_colour) SetTextColor(dc, zfw::ColorToRGB(*look.text_colour));
  SetBkColor(dc, FaceRgb(skin));
  SetBkMode(dc, TRANSPARENT);
  const UINT flags = align | DT_WORDBREAK | DT_EXPANDTABS;
  const RECT measured = MeasureText(dc, look.caption, text_area, flags | DT_NOCLIP);
  OffsetRect(&text_area, 0, ((text_area.bottom - text_area.top) - (measured.bottom - measured.top)) / 2);
  if (look.focused && !look.caption.empty()) DrawTextFocus(dc, look.caption, flags, text_area);
  DrawTextWide(dc, look.caption, text_area, flags);
}

}  // namespace zembrel
