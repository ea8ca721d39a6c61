// Skinned scroll bars: hit-testing, the dragged thumb kept between the arrows, the thumb of a
// stand-alone bar, and the cells and frames a bar shows in each state, read back from renderings
// of a fixture skin whose 23 strip cells, track and thumb frames all differ in colour.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "skin/controls/skin_scrollbar_paint.h"

namespace zembrel::test {
namespace {

const ScrollGeometry kBar{200, 17, 60, 100};  // length, arrow, thumb from 60 to 100

TEST(ScrollHitTest, PartsAlongTheBar) {
  const std::pair<int, int> cases[] = {{0, kScrollFirstArrow},  {16, kScrollFirstArrow}, {17, kScrollPageBefore},
                                       {59, kScrollPageBefore}, {60, kScrollThumb},      {99, kScrollThumb},
                                       {100, kScrollPageAfter}, {182, kScrollPageAfter}, {183, kScrollSecondArrow}};
  for (const auto& [p, part] : cases) EXPECT_EQ(ScrollHitTest(kBar, p), part) << p;
}

TEST(DraggedThumb, FollowsTheCursorBetweenTheArrows) {
  EXPECT_EQ(DraggedThumbStart(kBar, 60, 25), 85);
  EXPECT_EQ(DraggedThumbStart(kBar, 60, -100), 17);      // stops at the first arrow
  EXPECT_EQ(DraggedThumbStart(kBar, 60, 500), 200 - 17 - 40);  // and before the second
}

TEST(StandaloneThumb, FromRangePageAndPosition) {
  auto info = [](int min, int max, UINT page, int pos) {
    SCROLLINFO s{};
    s.nMin = min;
    s.nMax = max;
    s.nPage = page;
    s.nPos = pos;
    return s;
  };
  struct Case {
    SCROLLINFO info;
    int start, length;
  } cases[] = {
      {info(0, 100, 21, 0), 17, 33},    // L = 166: thumb 166 * 20 / 100
      {info(0, 100, 21, 50), 17 + 83, 33},
      {info(0, 1000, 2, 500), 17 + 79, 8},  // too small a thumb is 8 long
      {info(0, 100, 0, 50), 17 + 75, 17},   // no page: an arrow-sized thumb over length - 3 arrows
      {info(10, 10, 5, 10), 17, 8},         // an empty range: at the first arrow
  };
  for (const Case& c : cases) {
    const ThumbExtent t = StandaloneThumb(c.info, 200, 17);
    EXPECT_EQ(t.start, c.start) << c.info.nPos << "/" << c.info.nPage;
    EXPECT_EQ(t.length, c.length) << c.info.nPos << "/" << c.info.nPage;
  }
}

ScrollBarLook look_of(bool vertical, int hot, bool tracking, bool enabled = true) {
  ScrollBarLook l;
  l.vertical = vertical;
  l.geometry = kBar;
  l.hot_part = hot;
  l.tracking = tracking;
  l.enabled = enabled;
  return l;
}

// The colour at a point along the bar's axis, 8 pixels across.
COLORREF at(zfw::TBitmap& b, bool vertical, int along) { return vertical ? b.Pixel(8, along) : b.Pixel(along, 8); }

TEST(ScrollBarPaint, ArrowsThumbAndGripperShowTheirStateCells) {
  auto skin = LoadedSkin();
  struct Case {
    int hot;
    bool tracking;
    int first_arrow, second_arrow;  // offsets from the arrow's base cell
    int thumb_frame, gripper_offset;
  } cases[] = {
      {kScrollNone, false, 0, 0, 1, 0},          {kScrollFirstArrow, false, 3, 0, 1, 0},
      {kScrollFirstArrow, true, 1, 0, 1, 0},     {kScrollSecondArrow, false, 0, 3, 1, 0},
      {kScrollSecondArrow, true, 0, 1, 1, 0},    {kScrollThumb, false, 0, 0, 3, 2},
      {kScrollThumb, true, 0, 0, 2, 1},          {kScrollPageBefore, true, 0, 0, 1, 0},
  };
  for (bool vertical : {false, true}) {
    const int first = vertical ? 9 : 1, second = vertical ? 13 : 5, gripper = vertical ? 20 : 17;
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << (vertical ? "vertical" : "horizontal") << " hot " << c.hot << " tracking "
                                      << c.tracking);
      auto target = Target(vertical ? 17 : 200, vertical ? 200 : 17);
      PaintScrollBar(target->Canvas().Handle(), RECT{0, 0, target->Width(), target->Height()}, *skin,
                     look_of(vertical, c.hot, c.tracking));
      EXPECT_EQ(at(*target, vertical, 8), CellColour(kTintScroll, first + c.first_arrow));
      EXPECT_EQ(at(*target, vertical, 191), CellColour(kTintScroll, second + c.second_arrow));
      EXPECT_EQ(at(*target, vertical, 30), CellColour(kTintTrack, 1));               // the track
      EXPECT_EQ(at(*target, vertical, 62), CellColour(kTintThumb, c.thumb_frame));  // thumb end
      EXPECT_EQ(at(*target, vertical, 80), CellColour(kTintScroll, gripper + c.gripper_offset));
    }
  }
}

TEST(ScrollBarPaint, DisabledBarShowsTheDisabledTrackAndNoThumb) {
  auto skin = LoadedSkin();
  auto target = Target(200, 17);
  PaintScrollBar(target->Canvas().Handle(), RECT{0, 0, 200, 17}, *skin, look_of(false, kScrollNone, false, false));
  EXPECT_EQ(target->Pixel(30, 8), CellColour(kTintTrack, 3));
  EXPECT_EQ(target->Pixel(80, 8), CellColour(kTintTrack, 3));
}

TEST(ScrollBarPaint, BarShorterThanTwoArrowsShowsTwoHalfArrowsAndNoTrack) {
  auto skin = LoadedSkin();
  auto target = Target(20, 17);
  ScrollBarLook l = look_of(false, kScrollNone, false);
  l.geometry = ScrollGeometry{20, 17, 17, 17};
  PaintScrollBar(target->Canvas().Handle(), RECT{0, 0, 20, 17}, *skin, l);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(target->Pixel(x, 8), CellColour(kTintScroll, 1)) << x;
  for (int x = 10; x < 20; ++x) EXPECT_EQ(target->Pixel(x, 8), CellColour(kTintScroll, 5)) << x;
}

}  // namespace
}  // namespace zembrel::test
