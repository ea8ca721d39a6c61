// Check boxes and radio buttons: the cell each state shows with small and remapped images, the
// property rules of framework controls, and where box and caption go, read back from renderings.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "skin/controls/skin_check_radio.h"

namespace zembrel::test {
namespace {

TEST(CheckBoxCell, StatesMapToCellsAndTwelveCellImagesRemapThem) {
  struct Case {
    int state;
    bool disabled, indeterminate;
    int small, twelve;
  } cases[] = {
      {kCellUnchecked, false, false, 1, 1},
      {kCellChecked, false, false, 2, 5},
      {kCellUnchecked, true, false, 3, 4},   // disabled, unchecked
      {kCellChecked, true, false, 4, 8},     // disabled, checked
      {kCellCheckedOff, false, false, 3, 4},  // a Checked property that is not true
      {kCellGrayed, false, true, 4, 9},
      {kCellGrayed, true, true, 4, 12},
      {kCellUnchecked, false, true, 4, 9},   // the window's indeterminate state wins
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.state << c.disabled << c.indeterminate);
    EXPECT_EQ(CheckBoxCell(c.state, c.disabled, c.indeterminate, 4), c.small);
    EXPECT_EQ(CheckBoxCell(c.state, c.disabled, c.indeterminate, 12), c.twelve);
  }
}

TEST(RadioButtonCell, CheckedAndDisabledWithSmallAndEightCellImages) {
  struct Case {
    bool checked, disabled;
    int small, eight;
  } cases[] = {{false, false, 1, 1}, {true, false, 2, 5}, {false, true, 3, 4}, {true, true, 4, 8}};
  for (const Case& c : cases) {
    EXPECT_EQ(RadioButtonCell(c.checked, c.disabled, 4), c.small) << c.checked << c.disabled;
    EXPECT_EQ(RadioButtonCell(c.checked, c.disabled, 8), c.eight) << c.checked << c.disabled;
  }
}

TEST(CheckBoxPropertyCell, StateNameDecidesBeforeChecked) {
  struct Case {
    int start;
    const char* state;
    const char* checked;
    int cell;
  } cases[] = {
      {2, "cbUnchecked", "", 1}, {1, "cbChecked", "", 2}, {1, "cbGrayed", "", 4},
      {1, "", "True", 2},        {2, "", "False", 3},     {2, "", "", 2},  // no property: the window's state
  };
  for (const Case& c : cases) EXPECT_EQ(CheckBoxPropertyCell(c.start, c.state, c.checked), c.cell) << c.state << c.checked;
}

TEST(CheckRadioPaint, BoxCellSitsLeftOrRightAndCentredVertically) {
  auto skin = LoadedSkin();
  struct Case {
    bool radio, left_text;
    int cell;
    int box_left;  // in a 100 x 21 window, boxes are 13 x 13 at top 4
  } cases[] = {
      {false, false, 5, 0}, {false, true, 8, 87},  // a check box flush with the right edge
      {true, false, 4, 0},  {true, true, 5, 86},   // a radio button one pixel in
  };
  for (const Case& c : cases) {
    auto target = Target(100, 21);
    CheckLook look;
    look.radio = c.radio;
    look.left_text = c.left_text;
    look.cell = c.cell;
    PaintCheckRadio(target->Canvas().Handle(), RECT{0, 0, 100, 21}, *skin, look);
    const COLORREF cell = CellColour(c.radio ? kTintRadio : kTintCheck, c.cell);
    SCOPED_TRACE(testing::Message() << "radio " << c.radio << " left text " << c.left_text);
    EXPECT_EQ(target->Pixel(c.box_left, 4), cell);
    EXPECT_EQ(target->Pixel(c.box_left + 12, 16), cell);
    EXPECT_EQ(target->Pixel(c.box_left + 6, 3), kFace);
    EXPECT_EQ(target->Pixel(c.box_left + 6, 17), kFace);
  }
}

// Leftmost and rightmost columns holding the colour.
std::pair<int, int> columns_of(zfw::TBitmap& b, COLORREF colour) {
  int first = -1, last = -1;
  for (int x = 0; x < b.Width(); ++x)
    for (int y = 0; y < b.Height(); ++y)
      if (b.Pixel(x, y) == colour) {
        if (first < 0) first = x;
        last = x;
      }
  return {first, last};
}

TEST(CheckRadioPaint, CaptionBesideTheBoxAndLeftAlignedWithLeftText) {
  auto skin = LoadedSkin();
  auto paint = [&](bool left_text) {
    auto target = Target(120, 21);
    CheckLook look;
    look.left_text = left_text;
    look.caption = L"Lock";
    look.text_colour = zfw::TColor(RGB(0, 0, 255));
    PaintCheckRadio(target->Canvas().Handle(), RECT{0, 0, 120, 21}, *skin, look);
    return columns_of(*target, RGB(0, 0, 255));
  };
  const auto normal = paint(false);
  EXPECT_GE(normal.first, 15);  // after the box and its 2-pixel gap
  EXPECT_LT(normal.first, 20);
  const auto left = paint(true);
  EXPECT_LT(left.first, 4);  // left-aligned in the area left of the box
  EXPECT_LT(left.second, 85);  // and ends before the box
}

TEST(CheckRadioPaint, FocusRectangleOnlyAroundACaption) {
  auto skin = LoadedSkin();
  auto paint = [&](const std::wstring& caption) {
    auto target = Target(120, 21);
    CheckLook look;
    look.focused = true;
    look.caption = caption;
    look.text_colour = zfw::TColor(kFace);  // text invisible on the face: only the focus shows
    PaintCheckRadio(target->Canvas().Handle(), RECT{0, 0, 120, 21}, *skin, look);
    return CountNot(*target, RECT{15, 0, 120, 21}, kFace);
  };
  EXPECT_GT(paint(L"Lock"), 0);
  EXPECT_EQ(paint(L""), 0);
}

TEST(CheckRadioPaint, TransparentBoxKeepsTheBackgroundAndASkinWithoutImagesDrawsNothing) {
  auto skin = LoadedSkin();
  auto target = Target(60, 21);
  CheckLook look;
  look.fill_face = false;
  PaintCheckRadio(target->Canvas().Handle(), RECT{0, 0, 60, 21}, *skin, look);
  EXPECT_EQ(target->Pixel(30, 10), kGround);
  EXPECT_EQ(target->Pixel(5, 10), CellColour(kTintCheck, 1));

  FixtureSkin bare;
  bare.definition = "[TitlebarSkin]\nSkinName=Bare\n";
  auto none = LoadedSkin(bare);
  auto untouched = Target(60, 21);
  PaintCheckRadio(untouched->Canvas().Handle(), RECT{0, 0, 60, 21}, *none, CheckLook{});
  EXPECT_EQ(CountNot(*untouched, RECT{0, 0, 60, 21}, kGround), 0);
}

}  // namespace
}  // namespace zembrel::test
