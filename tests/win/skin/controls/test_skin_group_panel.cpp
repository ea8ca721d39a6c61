// Group boxes: the frame line's height from the font, the caption's side, the face fill of a
// framework group box and the wiped border of a system dialog's; the face fill of containers.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "framework/handles.h"
#include "skin/controls/skin_group_panel.h"

namespace zembrel::test {
namespace {

// A font whose cell is 13 pixels high.
zfw::OwnedFont font13() {
  return zfw::OwnedFont(CreateFontA(13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma"));
}

TEST(GroupBoxPaint, FrameLineFromHalfTheFontHeightAndCaptionEightPixelsIn) {
  auto skin = LoadedSkin();
  auto font = font13();
  for (bool right : {false, true}) {
    auto target = Target(120, 60);
    HDC dc = target->Canvas().Handle();
    zfw::SelectGuard use(dc, font.get());
    SIZE zero{};
    GetTextExtentPoint32A(dc, "0", 1, &zero);
    ASSERT_EQ(zero.cy, 13);
    GroupBoxLook look;
    look.caption = L"WW";
    look.caption_right = right;
    look.text_colour = zfw::TColor(RGB(0, 0, 255));
    PaintGroupBox(dc, RECT{0, 0, 120, 60}, *skin, look);
    SCOPED_TRACE(right ? "caption right" : "caption left");
    // The frame's top line at y 5, clear of the caption; the face above it and inside.
    const int line_x = right ? 30 : 90;
    EXPECT_EQ(target->Pixel(line_x, 5), kShadow);
    EXPECT_EQ(target->Pixel(line_x, 4), kFace);
    EXPECT_EQ(target->Pixel(line_x, 30), kFace);
    EXPECT_EQ(target->Pixel(1, 30), kShadow);  // the left side
    EXPECT_EQ(target->Pixel(0, 30), kFace);
    // The caption covers the line; its ink starts 8 from its side.
    int first = -1, last = -1;
    for (int x = 0; x < 120; ++x)
      for (int y = 0; y < 13; ++y)
        if (target->Pixel(x, y) == RGB(0, 0, 255)) {
          if (first < 0) first = x;
          last = x;
        }
    if (right) {
      EXPECT_LE(last, 111);
      EXPECT_GE(last, 106);
    } else {
      EXPECT_GE(first, 8);
      EXPECT_LE(first, 10);
    }
  }
}

TEST(GroupBoxPaint, SystemDialogBoxKeepsItsInsideAndLosesItsBorder) {
  auto skin = LoadedSkin();
  auto target = Target(80, 40);
  HDC dc = target->Canvas().Handle();
  auto font = font13();
  zfw::SelectGuard use(dc, font.get());
  GroupBoxLook look;
  look.own_background = false;
  PaintGroupBox(dc, RECT{0, 0, 80, 40}, *skin, look);
  EXPECT_EQ(target->Pixel(40, 20), kGround);  // the control's own inside stays
  EXPECT_EQ(target->Pixel(0, 20), kFace);     // its border wiped twice
  EXPECT_EQ(target->Pixel(79, 20), kFace);
  EXPECT_EQ(target->Pixel(1, 20), kShadow);   // then the skin's frame drawn
}

TEST(PanelPaint, FaceFillsTheWholeRectangle) {
  auto skin = LoadedSkin();
  auto target = Target(30, 20);
  PaintFace(target->Canvas().Handle(), RECT{0, 0, 30, 20}, *skin);
  EXPECT_EQ(CountNot(*target, RECT{0, 0, 30, 20}, kFace), 0);
}

}  // namespace
}  // namespace zembrel::test
