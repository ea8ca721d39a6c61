// Colour arithmetic: the two weight scales of mixing, the saturation measure and its dark
// cut-off, gradient tables and the ring that caches them.
#include <gtest/gtest.h>

#include "skin/paint/colour_math.h"

using namespace zembrel::colour;

TEST(MixPlain, WeightsBelowHundredArePercentFromHundredPerMille) {
  struct Case {
    Rgb c1, c2;
    int weight;
    Rgb expected;
  } cases[] = {
      {0x808080, 0xFFFFFF, 150, 0xECECEC},   // 15 % of c1
      {0x000000, 0xFFFFFF, 50, 0x808080},    // 127.5 rounds up
      {0x123456, 0xABCDEF, 1000, 0x123456},  // all of c1
      {0x123456, 0xABCDEF, 0, 0xABCDEF},     // none of c1
      {0xC80000, 0x000000, 99, 0xC60000},    // 99 % of 200 = 198
      {0xC80000, 0x000000, 100, 0x140000},   // the scale changes: 10 % of 200 = 20
      {0x0000FF, 0x00FF00, 70, 0x004DB3},    // channels apart: red 178.5 -> 179, green 76.5 -> 77
  };
  for (const Case& c : cases)
    EXPECT_EQ(MixPlain(c.c1, c.c2, c.weight), c.expected) << std::hex << c.c1 << " " << c.c2 << " w" << std::dec << c.weight;
}

TEST(MixPlain, WeightsOutsideTheRangeStayEightBitsPerChannel) {
  for (int weight : {-1000000, -1, 1001, 5000, 2147483647}) {
    const Rgb mixed = MixPlain(0xFFFFFF, 0xFFFFFF, weight);
    EXPECT_EQ(mixed & 0xFF000000u, 0u) << weight;
  }
}

TEST(Saturation, BrightColoursScaleDarkOnesAreTwoHundred) {
  struct Case {
    Rgb colour;
    int expected;
  } cases[] = {
      {0x000000FF, 255}, {0x00404040, 200}, {0x00A0A0A0, 0}, {0x00000000, 200},
      {0x009F9F9F, 200},  // 159 is not above the cut-off
      {0x00A9A9AA, 2},    // 255 * 1 / 170 = 1.5 rounds to even 2
      {0x00A7A7AA, 4},    // 255 * 3 / 170 = 4.5 rounds to even 4
      {0x0050A0FF, 175},  // 255 * (255 - 80) / 255
      {0x00FF0000, 255},  // blue channel alone is bright
  };
  for (const Case& c : cases) EXPECT_EQ(Saturation(c.colour), c.expected) << std::hex << c.colour;
}

TEST(GradientTable, EntriesRoundFromTheMiddleAndMayStopShortOfTheEnd) {
  const std::vector<Rgb> down = BuildGradientTable(40, 0xFFFFFF, 0x000000);
  ASSERT_EQ(down.size(), 40u);
  EXPECT_EQ(down[0], 0xFFFFFFu);
  EXPECT_EQ(down[39], 0x010101u);  // 255 + (19 - 9945) / 39 truncates toward zero
  EXPECT_EQ(down[20], 0x7D7D7Du);  // 255 + (19 - 5100) / 39 = 255 - 130

  const std::vector<Rgb> up = BuildGradientTable(3, 0x000000, 0x0A0A0A);
  EXPECT_EQ(up, (std::vector<Rgb>{0x000000, 0x050505, 0x0A0A0A}));

  // Channels move independently, some up and some down, without borrowing from each other.
  const std::vector<Rgb> mixed = BuildGradientTable(2, 0x00FF00, 0xFF00FF);
  EXPECT_EQ(mixed, (std::vector<Rgb>{0x00FF00, 0xFF00FF}));

  EXPECT_EQ(BuildGradientTable(1, 0x000000, 0xFFFFFF), (std::vector<Rgb>{0x7F7F7F}));
  EXPECT_EQ(BuildGradientTable(1, 0xFFFFFF, 0x000000), (std::vector<Rgb>{0x808080}));
}

TEST(GradientTable, RefusesLengthsOutsideTheRange) {
  EXPECT_TRUE(BuildGradientTable(0, 0, 0xFFFFFF).empty());
  EXPECT_TRUE(BuildGradientTable(-5, 0, 0xFFFFFF).empty());
  EXPECT_TRUE(BuildGradientTable(kMaxGradientLines + 1, 0, 0xFFFFFF).empty());
}

TEST(GradientRing, ReusesMatchingTablesAndBuildsInTheNextSlotOtherwise) {
  GradientRing ring;
  const std::vector<Rgb>& first = ring.Table(10, 0x000000, 0x090909);  // last entry is the end colour
  EXPECT_EQ(ring.NextSlot(), 1);
  EXPECT_EQ(&ring.Table(10, 0x000000, 0x090909), &first);
  EXPECT_EQ(ring.NextSlot(), 1);

  // White to black over 40 lines ends at 0x010101, so the same request never matches.
  ring.Table(40, 0xFFFFFF, 0x000000);
  ring.Table(40, 0xFFFFFF, 0x000000);
  EXPECT_EQ(ring.NextSlot(), 3);

  // A different length is a different table.
  ring.Table(11, 0x000000, 0x0A0A0A);
  EXPECT_EQ(ring.NextSlot(), 4);
}

TEST(GradientRing, WrapsAfterSixteenAndOverwritesTheOldest) {
  GradientRing ring;
  for (int n = 2; n < 2 + GradientRing::kSlots; ++n) ring.Table(n, 0, static_cast<Rgb>(n - 1));
  EXPECT_EQ(ring.NextSlot(), 0);
  ring.Table(100, 0, 99);  // overwrites slot 0, the table of length 2
  EXPECT_EQ(ring.NextSlot(), 1);
  ring.Table(3, 0, 2);  // still cached in slot 1
  EXPECT_EQ(ring.NextSlot(), 1);
  ring.Table(2, 0, 1);  // gone: built again in slot 1
  EXPECT_EQ(ring.NextSlot(), 2);
}
