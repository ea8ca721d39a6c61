// Combo boxes: the frame by state, the composite look built from SunkEdge and ComboButton with the
// text area left to the control, the button on the left, and the plain look of a Style 1 button.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "skin/controls/skin_combo.h"

namespace zembrel::test {
namespace {

TEST(ComboFrame, PressedThenFocusedOrHotThenNormalAndDisabledOverAll) {
  EXPECT_EQ(ComboFrame(true, false, false, false), 1);
  EXPECT_EQ(ComboFrame(true, true, false, false), 4);
  EXPECT_EQ(ComboFrame(true, false, true, false), 4);
  EXPECT_EQ(ComboFrame(true, true, true, true), 2);
  EXPECT_EQ(ComboFrame(false, true, true, true), 3);
}

TEST(ComboPaint, CompositeLookDrawsFrameAndButtonAroundTheControlsText) {
  auto skin = LoadedSkin(FullControlSkin());
  for (int frame = 1; frame <= 4; ++frame) {
    auto target = Target(120, 21);
    ComboLook look;
    look.frame = frame;
    look.arrow = GetSystemMetrics(SM_CXHSCROLL);
    const RECT button = PaintComboBox(target->Canvas().Handle(), RECT{0, 0, 120, 21}, *skin, look);
    SCOPED_TRACE(frame);
    EXPECT_EQ(button.right, 120);
    EXPECT_EQ(target->Pixel(118, 1), CellColour(kTintCombo, frame));
    EXPECT_EQ(target->Pixel(0, 10), CellColour(kTintSunk, frame));
    EXPECT_EQ(target->Pixel(50, 10), kGround);  // the text area stays the control's
  }
}

TEST(ComboPaint, LeftScrollBarPutsTheButtonOnTheLeft) {
  auto skin = LoadedSkin(FullControlSkin());
  auto target = Target(120, 21);
  ComboLook look;
  look.button_left = true;
  look.arrow = GetSystemMetrics(SM_CXHSCROLL);
  const RECT button = PaintComboBox(target->Canvas().Handle(), RECT{0, 0, 120, 21}, *skin, look);
  EXPECT_EQ(button.left, 0);
  const COLORREF left = target->Pixel(1, 1), right = target->Pixel(118, 1);
  bool left_is_button = false, right_is_button = false;
  for (int f = 1; f <= 4; ++f) {
    left_is_button |= left == CellColour(kTintCombo, f);
    right_is_button |= right == CellColour(kTintCombo, f);
  }
  EXPECT_TRUE(left_is_button);
  EXPECT_FALSE(right_is_button);
}

TEST(ComboPaint, PlainLookOutlinesAndDrawsTheButtonCell) {
  auto skin = LoadedSkin(FullControlSkin("", "Style=1\n", false));
  auto target = Target(120, 21);
  ComboLook look;
  look.frame = 4;
  const RECT button = PaintComboBox(target->Canvas().Handle(), RECT{0, 0, 120, 21}, *skin, look);
  EXPECT_EQ(target->Pixel(0, 0), kShadow);
  EXPECT_EQ(target->Pixel(119, 20), kShadow);
  EXPECT_EQ(button.right, 118);
  EXPECT_EQ(button.right - button.left, 19);  // one cell of the 76-pixel, 4-cell image
  EXPECT_EQ(target->Pixel(108, 10), CellColour(kTintCombo, 4));
  EXPECT_EQ(target->Pixel(50, 10), kGround);
}

TEST(ComboPaint, NothingWithoutAComboButton) {
  auto skin = LoadedSkin();
  auto target = Target(100, 21);
  const RECT button = PaintComboBox(target->Canvas().Handle(), RECT{0, 0, 100, 21}, *skin, ComboLook{});
  EXPECT_TRUE(IsRectEmpty(&button));
  EXPECT_EQ(CountNot(*target, RECT{0, 0, 100, 21}, kGround), 0);
}

}  // namespace
}  // namespace zembrel::test
