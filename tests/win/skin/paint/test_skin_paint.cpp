// The drawing primitives on real DIB sections: strip geometry, nine-part rendering with dropped
// margins and covered tile overrun, strips, centring, three-part caps, tiling, both transparent
// blit branches, regions cut by the key colour, parent backgrounds and the shared work bitmap.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <utility>

#include "framework/controls.h"
#include "pixel_fixture.h"
#include "skin/paint/skin_paint.h"

using namespace zembrel;
using pixel_fixture::Filled;
using pixel_fixture::Make;
using pixel_fixture::Read;

namespace {

constexpr uint32_t Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000, Yellow = 0x00FFFF, Cyan = 0xFFFF00,
                   Olive = 0x808000, Grey = 0x808080, White = 0xFFFFFF, Orange = 0x0080FF, Mark = 0x400040,
                   Key = 0xFF00FF, Ground = 0x111111;

HDC dc_of(zfw::TBitmap& b) { return b.Canvas().Handle(); }

TEST(StripFrame, FramesLieSideBySideOrStackedAndBadNumbersAreRefused) {
  zfw::TBitmap wide(30, 8), tall(2, 40), empty;
  struct Case {
    zfw::TBitmap* image;
    bool vertical;
    int count, frame;
    bool ok;
    ElementFrame expected;
  } cases[] = {
      {&wide, false, 3, 2, true, {10, 0, 10, 8}},
      {&wide, false, 4, 4, true, {21, 0, 7, 8}},  // 30 / 4 = 7
      {&tall, true, 2, 2, true, {0, 20, 2, 20}},
      {&wide, false, 0, 1, false, {}},
      {&wide, false, 3, 0, false, {}},
      {&wide, false, 3, 4, false, {}},
      {&wide, false, 31, 1, false, {}},  // frames of no width
      {&empty, false, 1, 1, false, {}},
  };
  for (const Case& c : cases) {
    ElementFrame f;
    ASSERT_EQ(StripFrame(*c.image, c.vertical, c.count, c.frame, f), c.ok) << c.count << "/" << c.frame;
    if (!c.ok) continue;
    EXPECT_EQ(std::make_pair(f.x, f.y), std::make_pair(c.expected.x, c.expected.y));
    EXPECT_EQ(std::make_pair(f.width, f.height), std::make_pair(c.expected.width, c.expected.height));
  }
}

// ---- nine-part rendering ----

// A 9 x 9 element with 3-pixel margins: one colour per corner and edge, an orange centre whose
// top-left pixel is marked so that tiles can be counted.
std::unique_ptr<zfw::TBitmap> nine_part_element() {
  const uint32_t grid[3][3] = {{Red, Cyan, Green}, {Grey, Orange, White}, {Blue, Olive, Yellow}};
  std::vector<uint32_t> pixels;
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 9; ++x) pixels.push_back(x == 3 && y == 3 ? Mark : grid[y / 3][x / 3]);
  return Make(9, 9, pixels);
}
const Margins kThree{3, 3, 3, 3};

TEST(RenderElement, TiledCentreRepeatsAndTheLaterEdgesCoverTheOverrun) {
  auto element = nine_part_element();
  // 10 x 11: the 3 x 3 centre tiles a 4 x 5 hole, so its second row and column of tiles run
  // two pixels into the right and bottom margins.
  auto out = RenderElement(RECT{0, 0, 10, 11}, *element, kThree, false, true, 1, 1);
  ASSERT_TRUE(out);
  ASSERT_EQ(std::make_pair(out->Width(), out->Height()), std::make_pair(10, 11));
  const uint32_t grid[3][3] = {{Red, Cyan, Green}, {Grey, Orange, White}, {Blue, Olive, Yellow}};
  for (int y = 0; y < 11; ++y)
    for (int x = 0; x < 10; ++x) {
      const int col = x < 3 ? 0 : x < 7 ? 1 : 2, row = y < 3 ? 0 : y < 8 ? 1 : 2;
      uint32_t expected = grid[row][col];
      if (row == 1 && col == 1 && (x - 3) % 3 == 0 && (y - 3) % 3 == 0) expected = Mark;
      ASSERT_EQ(out->Pixel(x, y), expected) << x << "," << y;
    }
}

TEST(RenderElement, StretchedCentreAndMarginsThatDoNotFit) {
  auto element = nine_part_element();
  struct Probe {
    int x, y;
    uint32_t colour;
  };
  struct Case {
    const char* name;
    int width, height;
    std::vector<Probe> probes;
  } cases[] = {
      // Fits: fixed corners, the centre stretched so that its mark grows from the top-left only.
      {"fits", 10, 11, {{2, 2, Red}, {7, 0, Green}, {0, 10, Blue}, {9, 10, Yellow}, {3, 3, Mark}, {6, 7, Orange}}},
      // 5 < 3 + 3: no horizontal margins, so the whole frame width is squeezed into each band
      // and no 3-pixel corner survives; the vertical margins stay.
      {"narrow", 5, 11,
       {{0, 0, Red}, {2, 0, Cyan}, {4, 0, Green}, {0, 5, Grey}, {2, 5, Orange}, {4, 5, White}, {0, 9, Blue},
        {2, 10, Olive}, {4, 9, Yellow}}},
      // Neither direction fits: the whole frame stretched.
      {"small", 4, 4, {{0, 0, Red}, {3, 0, Green}, {0, 3, Blue}, {3, 3, Yellow}}},
  };
  for (const Case& c : cases) {
    auto out = RenderElement(RECT{5, 5, 5 + c.width, 5 + c.height}, *element, kThree, false, false, 1, 1);
    ASSERT_TRUE(out) << c.name;
    for (const Probe& p : c.probes) EXPECT_EQ(out->Pixel(p.x, p.y), p.colour) << c.name << " " << p.x << "," << p.y;
  }
}

TEST(RenderElement, TakesTheRequestedFrameOfAVerticalStrip) {
  // Two frames of 2 x 20: the second starts at row 20 (marked) and ends at row 39 (red).
  std::vector<uint32_t> pixels;
  for (int y = 0; y < 40; ++y) {
    const uint32_t c = y < 20 ? Blue : y == 20 ? Mark : y == 39 ? Red : Green;
    pixels.insert(pixels.end(), {c, c});
  }
  auto strip = Make(2, 40, pixels);
  auto out = RenderElement(RECT{0, 0, 2, 20}, *strip, Margins{}, true, false, 2, 2);
  ASSERT_TRUE(out);
  EXPECT_EQ(Read(*out), std::vector<uint32_t>(pixels.begin() + 40, pixels.end()));
}

TEST(RenderElement, RefusesWhatCannotBeDrawn) {
  auto element = nine_part_element();
  zfw::TBitmap empty;
  const RECT ok{0, 0, 4, 4};
  EXPECT_FALSE(RenderElement(ok, *element, kThree, false, false, 0, 1));
  EXPECT_FALSE(RenderElement(ok, *element, kThree, false, false, 2, 0));
  EXPECT_FALSE(RenderElement(ok, *element, kThree, false, false, 2, 3));
  EXPECT_FALSE(RenderElement(ok, *element, kThree, false, false, 10, 1));  // frames of no width
  EXPECT_FALSE(RenderElement(ok, empty, kThree, false, false, 1, 1));
  EXPECT_FALSE(RenderElement(RECT{4, 0, 4, 4}, *element, kThree, false, false, 1, 1));
  EXPECT_FALSE(RenderElement(RECT{4, 4, 0, 0}, *element, kThree, false, true, 1, 1));
  EXPECT_FALSE(RenderElement(RECT{0, 0, 40000, 2}, *element, kThree, false, false, 1, 1));  // beyond bitmap limits
}

TEST(PaintElement, KeyPixelsShowTheDestinationWhenTransparent) {
  auto image = Make(3, 1, {Red, Key, Blue});
  struct Case {
    RECT dest;
    bool transparent;
    std::vector<uint32_t> expected;
  } cases[] = {
      {{1, 0, 4, 1}, true, {Ground, Red, Ground, Blue, Ground}},
      {{1, 0, 4, 1}, false, {Ground, Red, Key, Blue, Ground}},
      {{4, 0, 1, 1}, false, std::vector<uint32_t>(5, Ground)},  // inverted
  };
  for (const Case& c : cases) {
    auto canvas = Filled(5, 1, Ground);
    PaintElement(dc_of(*canvas), c.dest, *image, false, false, c.transparent, 1, 1, Margins{});
    EXPECT_EQ(Read(*canvas), c.expected) << c.transparent;
  }
}

// ---- strips ----

TEST(DrawStripFrame, StretchesTheFrameOverTheRectangle) {
  // Three 2 x 2 frames; the second is green with a magenta top-right pixel.
  auto strip = Make(6, 2, {Red, Red, Green, Key, Blue, Blue, Red, Red, Green, Green, Blue, Blue});
  for (bool transparent : {false, true}) {
    auto canvas = Filled(6, 6, Ground);
    DrawStripFrame(dc_of(*canvas), RECT{1, 1, 5, 5}, *strip, transparent, 3, 2);
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 6; ++x) {
        uint32_t expected = Ground;
        if (x >= 1 && x < 5 && y >= 1 && y < 5) expected = (x >= 3 && y < 3) ? (transparent ? Ground : Key) : Green;
        ASSERT_EQ(canvas->Pixel(x, y), expected) << x << "," << y << " transparent " << transparent;
      }
  }
}

TEST(DrawCentredFrame, CentresUnscaledAndHalvesTowardZero) {
  auto strip = Make(4, 2, {Red, Red, Green, Key, Red, Red, Green, Green});
  struct Case {
    RECT dest;
    bool transparent;
    int x, y;  // where the 2 x 2 frame lands
  } cases[] = {
      {{0, 0, 7, 6}, false, 2, 2},
      {{0, 0, 7, 6}, true, 2, 2},
      {{1, 1, 2, 2}, false, 1, 1},  // (1 - 2) / 2 is 0, not -1
  };
  for (const Case& c : cases) {
    auto canvas = Filled(7, 6, Ground);
    DrawCentredFrame(dc_of(*canvas), c.dest, *strip, c.transparent, 2, 2);
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 7; ++x) {
        const bool inside = x >= c.x && x < c.x + 2 && y >= c.y && y < c.y + 2;
        const bool key = x == c.x + 1 && y == c.y;
        const uint32_t expected = !inside ? Ground : key ? (c.transparent ? Ground : Key) : Green;
        ASSERT_EQ(canvas->Pixel(x, y), expected) << x << "," << y;
      }
  }
}

TEST(DrawThreePart, KeepsTheCapsAndStretchesTheMiddle) {
  // Two stacked frames; the second is red, red, green, green, blue, blue.
  auto strip = Make(6, 2, {Grey, Grey, Grey, Grey, Grey, Grey, Red, Red, Green, Green, Blue, Blue});
  const Margins caps{2, 0, 2, 0};
  auto wide = Filled(10, 1, Ground);
  DrawThreePart(dc_of(*wide), RECT{0, 0, 10, 1}, *strip, true, 2, 2, caps);
  EXPECT_EQ(Read(*wide), (std::vector<uint32_t>{Red, Red, Green, Green, Green, Green, Green, Green, Blue, Blue}));
  // Narrower than the frame: the whole frame halved into it, middle included.
  auto narrow = Filled(4, 1, Ground);
  DrawThreePart(dc_of(*narrow), RECT{0, 0, 3, 1}, *strip, true, 2, 2, caps);
  EXPECT_EQ(Read(*narrow), (std::vector<uint32_t>{Red, Green, Blue, Ground}));
}

TEST(DrawThreePartTiled, RepeatsTheMiddleAndTheRightCapCoversTheOverrun) {
  auto strip = Make(7, 1, {Red, Red, Mark, Green, Green, Blue, Blue});
  auto canvas = Filled(13, 1, Ground);
  // Middle tiles at 2, 5 and 8; the last runs into the right cap at 10, which covers it.
  DrawThreePartTiled(canvas->Canvas(), RECT{0, 0, 12, 1}, *strip, false, false, 1, 1, Margins{2, 0, 2, 0});
  EXPECT_EQ(Read(*canvas), (std::vector<uint32_t>{Red, Red, Mark, Green, Green, Mark, Green, Green, Mark, Green, Blue,
                                                  Blue, Ground}));
}

TEST(TileRect, RepeatsTheSourceUnclippedFromTheTopLeft) {
  std::vector<uint32_t> pixels;
  for (int i = 0; i < 12; ++i) pixels.push_back(0x010203u * (i + 1));
  auto image = Make(4, 3, pixels);
  const uint32_t a = pixels[5], b = pixels[6];  // source (1, 1, 3, 2): two pixels of row 1
  auto canvas = Filled(7, 4, Ground);
  TileRect(canvas->Canvas(), RECT{0, 0, 5, 3}, *image, RECT{1, 1, 3, 2});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 7; ++x) {
      const uint32_t expected = (y < 3 && x < 6) ? (x % 2 ? b : a) : Ground;  // column 5 is the overrun
      ASSERT_EQ(canvas->Pixel(x, y), expected) << x << "," << y;
    }
  for (const RECT& source : {RECT{3, 1, 1, 2}, RECT{1, 1, 1, 2}, RECT{1, 2, 3, 2}}) {
    auto untouched = Filled(3, 3, Ground);
    TileRect(untouched->Canvas(), RECT{0, 0, 3, 3}, *image, source);
    EXPECT_EQ(Read(*untouched), std::vector<uint32_t>(9, Ground));
  }
}

// ---- colour keys ----

class BlitBranchReset : public ::testing::Test {
 protected:
  void TearDown() override { SetTransparentBlitBranch(BlitBranch::kPlatform); }
};

TEST_F(BlitBranchReset, BothTransparentBlitBranchesGiveTheSamePicture) {
  // Only exact magenta is left out; its neighbour 0xFE00FF is drawn.
  auto image = Make(3, 2, {Red, Key, 0xFE00FF, Key, Green, Key});
  const auto ground = [](int x, int y) { return 0x010101u * static_cast<uint32_t>(x + 5 * y + 1); };
  std::vector<uint32_t> background;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) background.push_back(ground(x, y));
  for (const RECT& dest : {RECT{1, 1, 4, 3}, RECT{1, 1, 3, 2}, RECT{0, 0, 5, 4}, RECT{3, 1, 1, 3}}) {
    std::vector<uint32_t> expected = background;
    for (int y = dest.top; y < std::min(dest.bottom, dest.top + 2); ++y)
      for (int x = dest.left; x < std::min(dest.right, dest.left + 3); ++x) {
        const uint32_t p = image->Pixel(x - dest.left, y - dest.top);
        if (p != Key) expected[y * 5 + x] = p;
      }
    for (BlitBranch branch : {BlitBranch::kMaskBlt, BlitBranch::kRasterOps}) {
      SetTransparentBlitBranch(branch);
      auto canvas = Make(5, 4, background);
      TransparentBlit(dc_of(*canvas), dest, *image, kSkinTransparent);
      EXPECT_EQ(Read(*canvas), expected) << "branch " << int(branch) << " dest " << dest.left << "," << dest.right;
      EXPECT_EQ(GetBkColor(dc_of(*canvas)), RGB(255, 255, 255));  // the default, put back
      EXPECT_EQ(GetTextColor(dc_of(*canvas)), RGB(0, 0, 0));
    }
  }
}

// Every point of the area as inside or outside the region.
std::set<std::pair<int, int>> points_in(HRGN region, const RECT& area) {
  std::set<std::pair<int, int>> inside;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (PtInRegion(region, x, y)) inside.insert({x, y});
  return inside;
}

TEST(RegionFromBitmap, CutsOutTheKeyColumnAndShiftsByTheOffset) {
  auto bitmap = Make(3, 2, {Red, Key, Green, Blue, Key, Grey});
  zfw::OwnedRegion region = RegionFromBitmap(*bitmap, 10, 5, 1, 1, 1, kSkinTransparent);
  ASSERT_TRUE(region);
  EXPECT_EQ(bitmap->PixelFormat(), zfw::pf32bit);
  EXPECT_EQ(points_in(region.get(), RECT{5, 0, 20, 10}),
            (std::set<std::pair<int, int>>{{10, 5}, {12, 5}, {10, 6}, {12, 6}}));
  RECT box;
  EXPECT_EQ(GetRgnBox(region.get(), &box), COMPLEXREGION);
  EXPECT_EQ(box.left, 10);
  EXPECT_EQ(box.bottom, 7);
}

TEST(RegionFromBitmap, ToleranceReachesUpwardFromTheKeyPerChannel) {
  struct Case {
    zfw::TColor key;
    int tb, tg, tr;
    std::vector<uint32_t> row;
    std::set<int> opaque;
  } cases[] = {
      {0xFF00FF, 1, 1, 1, {0xFF00FF, 0xFE00FF, 0xFF01FF, 0xFF02FF}, {1, 3}},
      {0xFF00FF, 0, 0, 0, {0xFF00FF, 0xFE00FF, 0xFF01FF, 0xFF02FF}, {1, 2, 3}},
      {0x800080, 1, 1, 1, {0x800080, 0x810181, 0x7F0080, 0x820080}, {2, 3}},
      {0x800080, 0, 0, 2, {0x800082, 0x810080, 0x800083, 0x800080}, {1, 2}},  // blue, green, red order
  };
  for (const Case& c : cases) {
    std::vector<uint32_t> pixels = c.row;
    pixels.insert(pixels.end(), c.row.begin(), c.row.end());
    auto bitmap = Make(4, 2, pixels);
    zfw::OwnedRegion region = RegionFromBitmap(*bitmap, 0, 0, c.tb, c.tg, c.tr, c.key);
    std::set<std::pair<int, int>> expected;
    for (int x : c.opaque) expected.insert({x, 0}), expected.insert({x, 1});
    EXPECT_EQ(points_in(region.get(), RECT{-1, -1, 5, 3}), expected) << std::hex << c.key << " " << c.row[1];
  }
}

TEST(RegionFromBitmap, ManyRunsAreJoinedAcrossBatches) {
  // A checkerboard of 4001 x 3: about 6000 one-pixel runs, several batches of 2000.
  const int w = 4001, h = 3, dx = -3, dy = 7;
  std::vector<uint32_t> pixels;
  std::set<std::pair<int, int>> expected;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool opaque = (x + y) % 2 == 0;
      pixels.push_back(opaque ? Green : Key);
      if (opaque) expected.insert({x + dx, y + dy});
    }
  auto bitmap = Make(w, h, pixels);
  zfw::OwnedRegion region = RegionFromBitmap(*bitmap, dx, dy, 1, 1, 1, kSkinTransparent);
  EXPECT_EQ(points_in(region.get(), RECT{dx - 1, dy - 1, dx + w + 1, dy + h + 1}), expected);
}

TEST(RegionFromBitmap, EmptyAndFullyTransparentBitmapsGiveEmptyRegions) {
  zfw::TBitmap empty;
  auto clear = Filled(3, 2, Key);
  for (zfw::TBitmap* bitmap : {&empty, clear.get()}) {
    zfw::OwnedRegion region = RegionFromBitmap(*bitmap, 0, 0, 1, 1, 1, kSkinTransparent);
    ASSERT_TRUE(region);
    RECT box;
    EXPECT_EQ(GetRgnBox(region.get(), &box), NULLREGION);
  }
  // A single row is walked like any other.
  auto one_row = Make(2, 1, {Red, Key});
  zfw::OwnedRegion region = RegionFromBitmap(*one_row, 0, 0, 1, 1, 1, kSkinTransparent);
  EXPECT_EQ(points_in(region.get(), RECT{0, 0, 3, 2}), (std::set<std::pair<int, int>>{{0, 0}}));
}

// ---- parent backgrounds ----

TEST(DrawParentBackground, TheParentErasesAndPaintsUnderTheControlOnly) {
  zfw::TWinControl parent(nullptr);
  parent.SetBounds(0, 0, 40, 40);
  zfw::TGraphicControl control(nullptr);
  control.SetParent(&parent);
  control.SetBounds(5, 7, 4, 3);
  std::vector<UINT> asked;
  bool fail_erase = false;
  parent.WindowProc = [&](zfw::TMessage& m) {
    if (m.Msg != WM_ERASEBKGND && m.Msg != WM_PAINT) return;
    asked.push_back(m.Msg);
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    if (m.Msg == WM_ERASEBKGND) {
      if (fail_erase) throw std::runtime_error("erase failed");
      const RECT all{0, 0, 40, 40};
      zfw::OwnedBrush brush(CreateSolidBrush(Red));
      FillRect(dc, &all, brush.get());
    } else {
      const RECT spot{6, 8, 7, 9};  // parent coordinates: (1, 1) of the control
      zfw::OwnedBrush brush(CreateSolidBrush(Blue));
      FillRect(dc, &spot, brush.get());
    }
  };
  auto target = Filled(6, 5, Ground);
  HDC dc = dc_of(*target);
  DrawParentBackground(control, dc);
  EXPECT_EQ(asked, (std::vector<UINT>{WM_ERASEBKGND, WM_PAINT}));
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 6; ++x) {
      const uint32_t expected = (x >= 4 || y >= 3) ? Ground : (x == 1 && y == 1) ? Blue : Red;
      ASSERT_EQ(target->Pixel(x, y), expected) << x << "," << y;
    }
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  EXPECT_EQ(std::make_pair(origin.x, origin.y), std::make_pair(0L, 0L));
  RECT clip;
  EXPECT_EQ(GetClipBox(dc, &clip), SIMPLEREGION);
  EXPECT_EQ(std::make_pair(clip.right, clip.bottom), std::make_pair(6L, 5L));

  // A failing parent: in the designer the requests stop quietly, elsewhere the failure goes on.
  fail_erase = true;
  asked.clear();
  control.SetComponentState(zfw::csDesigning, true);
  EXPECT_NO_THROW(DrawParentBackground(control, dc));
  EXPECT_EQ(asked, (std::vector<UINT>{WM_ERASEBKGND}));
  control.SetComponentState(zfw::csDesigning, false);
  EXPECT_THROW(DrawParentBackground(control, dc), std::runtime_error);
  GetViewportOrgEx(dc, &origin);
  EXPECT_EQ(origin.x, 0);

  control.SetParent(nullptr);
  asked.clear();
  DrawParentBackground(control, dc);
  EXPECT_TRUE(asked.empty());
}

// ---- the shared work bitmap ----

TEST(WorkBitmap, LivesFromTheFirstStartToTheLastStop) {
  EXPECT_EQ(WorkBitmap(), nullptr);
  EXPECT_EQ(SizeWorkBitmap(4, 4), nullptr);
  StartSkinPaint();
  zfw::TBitmap* work = WorkBitmap();
  ASSERT_NE(work, nullptr);
  ASSERT_NE(WorkStrings(), nullptr);
  {
    SkinPaintUser second;
    EXPECT_EQ(WorkBitmap(), work);
  }
  EXPECT_EQ(WorkBitmap(), work);  // one start still holds it
  ASSERT_EQ(SizeWorkBitmap(8, 3), work);
  EXPECT_EQ(std::make_pair(work->Width(), work->Height()), std::make_pair(8, 3));
  EXPECT_EQ(GetStretchBltMode(work->Canvas().Handle()), COLORONCOLOR);
  EXPECT_EQ(SizeWorkBitmap(40000, 1), nullptr);  // refused, the bitmap kept
  EXPECT_EQ(work->Width(), 8);
  StopSkinPaint();
  EXPECT_EQ(WorkBitmap(), nullptr);
  EXPECT_EQ(WorkStrings(), nullptr);
  StopSkinPaint();  // an unmatched stop changes nothing
  SkinPaintUser again;
  EXPECT_NE(WorkBitmap(), nullptr);
}

}  // namespace
