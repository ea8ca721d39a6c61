// The image utilities on real DIB sections and device contexts: pixel maps of the mirror, flip
// and rotations, grey and magenta replacement, system colours in mixing, gradients line by
// line with their table ring and clipping, and the wide-text helpers on real windows.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "pixel_fixture.h"
#include "skin/paint/ImgUtil.h"

using namespace zembrel;
using pixel_fixture::Make;
using pixel_fixture::Read;

namespace {

constexpr uint32_t A = 0x000010, B = 0x002000, C = 0x300000, D = 0x404040, E = 0x500050, F = 0x606000;

TEST(ImgUtil, MirrorFlipAndRotationsMovePixelsAsStated) {
  struct Case {
    const char* name;
    std::function<void(zfw::TBitmap&)> op;
    int width, height;
    std::vector<uint32_t> expected;
  } cases[] = {
      {"mirror", MirrorBitmap, 3, 2, {C, B, A, F, E, D}},
      {"flip", FlipBitmap, 3, 2, {D, E, F, A, B, C}},
      {"left", RotateBitmapLeft, 2, 3, {C, F, B, E, A, D}},
      {"right", RotateBitmapRight, 2, 3, {D, A, E, B, F, C}},
  };
  for (zfw::TPixelFormat format : {zfw::pf24bit, zfw::pf32bit}) {
    for (const Case& c : cases) {
      auto bitmap = Make(3, 2, {A, B, C, D, E, F}, format);  // A B C over D E F
      c.op(*bitmap);
      EXPECT_EQ(bitmap->Width(), c.width) << c.name;
      EXPECT_EQ(bitmap->Height(), c.height) << c.name;
      EXPECT_EQ(bitmap->PixelFormat(), format) << c.name;
      EXPECT_EQ(Read(*bitmap), c.expected) << c.name << " format " << format;
    }
  }
}

TEST(ImgUtil, GreyAveragesTheChannelsAndEndsAt24Bits) {
  // (10 + 20 + 31) / 3 = 20; (255 + 255 + 254) / 3 = 254
  auto bitmap = Make(2, 1, {RGB(10, 20, 31), RGB(255, 255, 254)}, zfw::pf32bit);
  GrayscaleBitmap(*bitmap);
  EXPECT_EQ(bitmap->PixelFormat(), zfw::pf24bit);
  EXPECT_EQ(Read(*bitmap), (std::vector<uint32_t>{0x141414, 0xFEFEFE}));
}

TEST(ImgUtil, ReplaceMagentaTouchesOnlyExactMagentaAndTakesTheLowBytes) {
  const std::vector<uint32_t> near_misses = {RGB(254, 0, 255), RGB(255, 0, 254), RGB(255, 1, 255)};
  struct Case {
    zfw::TColor colour;
    uint32_t expected;
  } cases[] = {
      {0x00123456, 0x123456},
      {zfw::clBtnFace, 0x00000F},  // the system colour reference is taken as bytes, not resolved
  };
  for (const Case& c : cases) {
    std::vector<uint32_t> pixels = near_misses;
    pixels.push_back(0xFF00FF);
    auto bitmap = Make(4, 1, pixels, zfw::pf32bit);
    ReplaceMagenta(*bitmap, c.colour);
    EXPECT_EQ(bitmap->PixelFormat(), zfw::pf24bit);
    std::vector<uint32_t> expected = near_misses;
    expected.push_back(c.expected);
    EXPECT_EQ(Read(*bitmap), expected) << std::hex << c.colour;
  }
}

TEST(ImgUtil, OperationsOnEmptyBitmapsDoNothing) {
  zfw::TBitmap empty;
  for (auto op : {GrayscaleBitmap, MirrorBitmap, FlipBitmap, RotateBitmapLeft, RotateBitmapRight}) {
    op(empty);
    EXPECT_TRUE(empty.Empty());
  }
  ReplaceMagenta(empty, 0);
  EXPECT_TRUE(empty.Empty());
}

TEST(ImgUtil, MixColorsResolvesSystemColours) {
  const uint32_t face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(uint32_t(MixColors(zfw::clBtnFace, 0x000000, 1000)), face);
  EXPECT_EQ(uint32_t(MixColors(0x000000, zfw::clBtnFace, 0)), face);
  EXPECT_EQ(uint32_t(MixColors(0x808080, 0xFFFFFF, 150)), 0xECECECu);
  EXPECT_EQ(SaturationLevel(0x000000FF), 255);
}

// ---- gradients ----

std::vector<uint32_t> column(zfw::TBitmap& bitmap, int x) {
  std::vector<uint32_t> out;
  for (int y = 0; y < bitmap.Height(); ++y) out.push_back(bitmap.Pixel(x, y));
  return out;
}

TEST(GradientFill, PaintsEveryLineFromTheTableAndBuildsANewTableWhenTheEndIsMissed) {
  auto bitmap = pixel_fixture::Filled(3, 40, 0x0000FF);
  HDC dc = bitmap->Canvas().Handle();
  const RECT all{0, 0, 3, 40};
  const int slot = GradientTables().NextSlot();
  GradientFill(dc, all, 0xFFFFFF, kGradientTopToBottom, 0x000000);
  const std::vector<uint32_t> lines = column(*bitmap, 0);
  EXPECT_EQ(lines.front(), 0xFFFFFFu);
  EXPECT_EQ(lines.back(), 0x010101u);
  EXPECT_EQ(lines, colour::BuildGradientTable(40, 0xFFFFFF, 0x000000));
  EXPECT_EQ(column(*bitmap, 2), lines);  // whole lines
  EXPECT_EQ(GradientTables().NextSlot(), (slot + 1) % 16);
  // The table ends at 0x010101, not at the end colour, so it never matches the same request.
  GradientFill(dc, all, 0xFFFFFF, kGradientTopToBottom, 0x000000);
  EXPECT_EQ(GradientTables().NextSlot(), (slot + 2) % 16);
  EXPECT_EQ(column(*bitmap, 1), lines);
}

TEST(GradientFill, LeftToRightPaintsColumns) {
  auto bitmap = pixel_fixture::Filled(40, 2, 0x0000FF);
  GradientFill(bitmap->Canvas().Handle(), RECT{0, 0, 40, 2}, 0xFFFFFF, kGradientLeftToRight, 0x000000);
  const std::vector<uint32_t> expected = colour::BuildGradientTable(40, 0xFFFFFF, 0x000000);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(bitmap->Pixel(x, y), expected[x]) << x << "," << y;
}

TEST(GradientFill, AClippedGradientKeepsTheColoursOfTheWholeGradient) {
  constexpr uint32_t untouched = 0x0000FF;
  auto bitmap = pixel_fixture::Filled(2, 40, untouched);
  HDC dc = bitmap->Canvas().Handle();
  {
    zfw::SaveDcGuard saved(dc);
    IntersectClipRect(dc, 0, 10, 2, 30);
    GradientFill(dc, RECT{0, 0, 2, 40}, 0x000000, kGradientTopToBottom, 0xFFFF00);
  }
  const std::vector<uint32_t> full = colour::BuildGradientTable(40, 0x000000, 0xFFFF00);
  const std::vector<uint32_t> lines = column(*bitmap, 1);
  for (int y = 0; y < 40; ++y) EXPECT_EQ(lines[y], (y >= 10 && y < 30) ? full[y] : untouched) << "line " << y;
}

TEST(GradientFill, InvisibleOrEmptyRectanglesPaintNothingAndBuildNoTable) {
  auto bitmap = pixel_fixture::Filled(4, 4, 0x0000FF);
  HDC dc = bitmap->Canvas().Handle();
  const int slot = GradientTables().NextSlot();
  for (const RECT& r : {RECT{10, 10, 20, 20}, RECT{0, 3, 4, 3}, RECT{0, 3, 4, 1}, RECT{3, 0, 1, 4}}) {
    GradientFill(dc, r, 0, kGradientTopToBottom, 0xFFFFFF);
    GradientFill(dc, r, 0, kGradientLeftToRight, 0xFFFFFF);
  }
  EXPECT_EQ(GradientTables().NextSlot(), slot);
  EXPECT_EQ(Read(*bitmap), std::vector<uint32_t>(16, 0x0000FF));
}

TEST(GradientFill, ResolvesSystemColours) {
  auto bitmap = pixel_fixture::Filled(1, 5, 0x0000FF);
  GradientFill(bitmap->Canvas().Handle(), RECT{0, 0, 1, 5}, zfw::clBtnFace, kGradientTopToBottom, zfw::clBtnFace);
  EXPECT_EQ(column(*bitmap, 0), std::vector<uint32_t>(5, GetSysColor(COLOR_BTNFACE)));
}

// ---- text ----

const char kHelloGbk[] = "\xC4\xE3\xBA\xC3";  // 你好 in code page 936
const std::wstring kHelloWide = L"\u4F60\u597D";

class NtFlag : public ::testing::Test {
 protected:
  void TearDown() override { SetNtPlatform(true); }
};

TEST_F(NtFlag, WindowTextsComeBackOnBothPlatformPaths) {
  if (GetACP() != 936) GTEST_SKIP() << "needs the GBK code page";
  EXPECT_EQ(AnsiToWide(kHelloGbk), kHelloWide);
  EXPECT_EQ(WideToAnsi(kHelloWide), kHelloGbk);
  HWND wnd = CreateWindowExW(0, L"STATIC", kHelloWide.c_str(), 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(wnd);
  for (bool nt : {true, false}) {
    SetNtPlatform(nt);
    EXPECT_EQ(GetWindowTextWide(wnd), kHelloWide) << nt;
    EXPECT_EQ(GetWindowTextAnsi(wnd), kHelloGbk) << nt;
  }
  // Longer texts than the 1000-character buffer are cut, never overrun.
  SetWindowTextA(wnd, std::string(1500, 'x').c_str());
  EXPECT_EQ(GetWindowTextAnsi(wnd), std::string(999, 'x'));
  SetNtPlatform(false);
  EXPECT_EQ(GetWindowTextWide(wnd), std::wstring(999, L'x'));
  SetNtPlatform(true);
  EXPECT_EQ(GetWindowTextWide(wnd), std::wstring(1500, L'x'));
  DestroyWindow(wnd);
}

TEST_F(NtFlag, DrawTextWideDrawsTheSameOnBothPlatformPaths) {
  std::vector<uint32_t> pictures[2];
  int heights[2] = {};
  for (bool nt : {true, false}) {
    SetNtPlatform(nt);
    auto bitmap = pixel_fixture::Filled(60, 20, 0xFFFFFF);
    RECT r{0, 0, 60, 20};
    heights[nt] = DrawTextWide(bitmap->Canvas().Handle(), L"Skin Ab", r, DT_LEFT | DT_TOP | DT_SINGLELINE);
    pictures[nt] = Read(*bitmap);
  }
  EXPECT_GT(heights[1], 0);
  EXPECT_EQ(heights[0], heights[1]);
  EXPECT_NE(pictures[1], std::vector<uint32_t>(60 * 20, 0xFFFFFF)) << "no text drawn";
  EXPECT_EQ(pictures[0], pictures[1]);
}

}  // namespace
