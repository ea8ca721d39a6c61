// Status bars: simple text in one lowered frame, panel frames by bevel with the last panel at the
// right edge, plain system borders without a StatusBarEdges element, and the size grip.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "skin/controls/skin_statusbar.h"

namespace zembrel::test {
namespace {

StatusPanelLook panel(int left, int right, int frame, const wchar_t* text = L"") {
  StatusPanelLook p;
  p.has_rect = true;
  p.rect = RECT{left, 2, right, 20};
  p.frame = frame;
  p.text = text;
  return p;
}

TEST(StatusBarPaint, WithoutPanelsTheSimpleTextSitsInOneLoweredFrame) {
  auto skin = LoadedSkin(FullControlSkin());
  auto target = Target(300, 22);
  StatusBarLook look;
  look.simple_text = L"ready";
  PaintStatusBar(target->Canvas().Handle(), RECT{0, 0, 300, 22}, *skin, look);
  EXPECT_EQ(target->Pixel(0, 0), CellColour(kTintStatus, kPanelLowered));
  EXPECT_EQ(target->Pixel(299, 21), CellColour(kTintStatus, kPanelLowered));
  EXPECT_GT(CountNot(*target, RECT{2, 2, 60, 20}, CellColour(kTintStatus, kPanelLowered)), 0) << "the text";
}

TEST(StatusBarPaint, PanelsTakeTheirBevelsAndTheLastReachesTheRightEdge) {
  auto skin = LoadedSkin(FullControlSkin());
  auto target = Target(300, 22);
  StatusBarLook look;
  look.panels = {panel(0, 100, kPanelRaised), panel(100, 150, kPanelFlat)};
  PaintStatusBar(target->Canvas().Handle(), RECT{0, 0, 300, 22}, *skin, look);
  EXPECT_EQ(target->Pixel(50, 10), CellColour(kTintStatus, kPanelRaised));  // an empty text still shows its frame
  EXPECT_EQ(target->Pixel(200, 10), CellColour(kTintStatus, kPanelFlat));
  EXPECT_EQ(target->Pixel(299, 10), CellColour(kTintStatus, kPanelFlat));
  EXPECT_EQ(target->Pixel(50, 0), kFace);  // above the panels
  const std::vector<RECT> rects = StatusPanelRects(look, RECT{0, 0, 300, 22});
  EXPECT_EQ(rects[0].right, 102);
  EXPECT_EQ(rects[1].right, 300);
}

TEST(StatusBarPaint, WithoutEdgesPanelsGetSystemBordersAndAFlatPanelNone) {
  auto skin = LoadedSkin();  // no StatusBarEdges
  auto target = Target(300, 22);
  StatusBarLook look;
  look.panels = {panel(0, 100, kPanelLowered), panel(100, 200, kPanelRaised), panel(200, 250, kPanelFlat)};
  PaintStatusBar(target->Canvas().Handle(), RECT{0, 0, 300, 22}, *skin, look);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  EXPECT_EQ(target->Pixel(50, 2), shadow);   // lowered: shadow above, light below
  EXPECT_EQ(target->Pixel(50, 19), light);
  EXPECT_EQ(target->Pixel(150, 2), light);   // raised: the other way round
  EXPECT_EQ(target->Pixel(150, 19), shadow);
  EXPECT_EQ(target->Pixel(260, 2), kFace);   // flat: nothing
  EXPECT_EQ(target->Pixel(260, 19), kFace);
}

TEST(StatusBarPaint, SizeGripCellInTheBottomRightCorner) {
  auto skin = LoadedSkin(FullControlSkin());
  for (bool grip : {false, true}) {
    auto target = Target(300, 22);
    StatusBarLook look;
    look.size_grip = grip;
    PaintStatusBar(target->Canvas().Handle(), RECT{0, 0, 300, 22}, *skin, look);
    // An 11 x 11 cell ending one pixel in from the corner.
    EXPECT_EQ(target->Pixel(298, 20) == CellColour(kTintExtra, 5), grip);
    EXPECT_EQ(target->Pixel(288, 10) == CellColour(kTintExtra, 5), grip);
    EXPECT_EQ(target->Pixel(299, 21), CellColour(kTintStatus, kPanelLowered));
  }
}

}  // namespace
}  // namespace zembrel::test
