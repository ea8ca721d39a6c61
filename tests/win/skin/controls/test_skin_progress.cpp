// Progress bars: the filled length from position and upper limit only, the plain and chunk looks,
// a vertical bar filled from the bottom, and a skin without a Progress element.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "skin/controls/skin_progress.h"

namespace zembrel::test {
namespace {

TEST(ProgressPaint, FillsPositionOverUpperLimitOfTheWidth) {
  auto skin = LoadedSkin(FullControlSkin());
  const COLORREF track = CellColour(kTintProgress, 1), fill = CellColour(kTintProgress, 2);
  struct Case {
    int position, upper;
    int filled;  // of 200
  } cases[] = {{0, 100, 0}, {50, 0, 0}, {50, -5, 0}, {75, 100, 150}, {100, 100, 200}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.position << "/" << c.upper);
    EXPECT_EQ(ProgressFillLength(200, c.position, c.upper), c.filled);
    auto target = Target(200, 12);
    ASSERT_TRUE(PaintProgress(target->Canvas().Handle(), RECT{0, 0, 200, 12}, *skin, c.position, c.upper, false));
    if (c.filled > 0) {
      EXPECT_EQ(target->Pixel(c.filled - 5, 6), fill);
    }
    if (c.filled < 200) {
      EXPECT_EQ(target->Pixel(c.filled + 5, 6), track);
    }
  }
}

TEST(ProgressPaint, VerticalBarFillsFromTheBottom) {
  auto skin = LoadedSkin(FullControlSkin());
  auto target = Target(12, 200);
  ASSERT_TRUE(PaintProgress(target->Canvas().Handle(), RECT{0, 0, 12, 200}, *skin, 50, 100, true));
  EXPECT_EQ(target->Pixel(6, 150), CellColour(kTintProgress, 2));
  EXPECT_EQ(target->Pixel(6, 50), CellColour(kTintProgress, 1));
}

TEST(ProgressPaint, ChunkLookRepeatsTheBlockOverTheFilledLength) {
  auto skin = LoadedSkin(FullControlSkin("Style=1\n"));
  auto target = Target(200, 12);
  ASSERT_TRUE(PaintProgress(target->Canvas().Handle(), RECT{0, 0, 200, 12}, *skin, 50, 100, false));
  // Blocks from x 2 (LeftWidth 0 + 2), 100 long, 10 high from y 1.
  EXPECT_EQ(target->Pixel(3, 6), CellColour(kTintChunk, 1));
  EXPECT_EQ(target->Pixel(100, 6), CellColour(kTintChunk, 1));
  EXPECT_NE(target->Pixel(150, 6), CellColour(kTintChunk, 1));
  EXPECT_NE(target->Pixel(50, 0), CellColour(kTintChunk, 1));
}

TEST(ProgressPaint, WithoutAProgressElementTheControlPaints) {
  auto skin = LoadedSkin();
  auto target = Target(100, 12);
  EXPECT_FALSE(PaintProgress(target->Canvas().Handle(), RECT{0, 0, 100, 12}, *skin, 50, 100, false));
  EXPECT_EQ(CountNot(*target, RECT{0, 0, 100, 12}, kGround), 0);
}

}  // namespace
}  // namespace zembrel::test
