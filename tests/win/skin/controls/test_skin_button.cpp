// Push, bitmap, menu and speed buttons: the frame each state shows, caption colours and line
// breaks, glyph placement and greyed glyphs, parent backgrounds and focus rectangles, all read
// back from renderings of a fixture skin whose five button frames differ in colour.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "skin/controls/skin_button.h"
#include "skin/data/WinSkinData.h"

namespace zembrel::test {
namespace {

struct FrameCase {
  ButtonState state;
  int push, bitmap, menu, speed;
};

TEST(ButtonFrames, EachKindChoosesItsFrameByItsOwnPrecedence) {
  // enabled, focused, hot, pressed
  const FrameCase cases[] = {
      {{true, false, false, false}, 1, 1, 1, 1},
      {{true, true, false, false}, 5, 5, 4, 1},
      {{true, false, true, false}, 4, 4, 4, 4},
      {{true, true, true, false}, 4, 4, 4, 4},
      {{true, false, true, true}, 2, 2, 2, 2},
      {{true, true, false, true}, 2, 2, 2, 2},
      {{false, true, true, true}, 3, 3, 3, 3},
  };
  for (const FrameCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.state.enabled << c.state.focused << c.state.hot << c.state.pressed);
    EXPECT_EQ(PushButtonFrame(c.state), c.push);
    EXPECT_EQ(BitmapButtonFrame(c.state), c.bitmap);
    EXPECT_EQ(MenuButtonFrame(c.state), c.menu);
    EXPECT_EQ(SpeedButtonFrame(c.state, false), c.speed);
    EXPECT_EQ(SpeedButtonFrame(c.state, true), kButtonFramePressed);  // a down speed button stays pressed
  }
}

TEST(PushButtonPaint, DrawsTheChosenFrameOnTheFaceColour) {
  auto skin = LoadedSkin();
  for (int frame = 1; frame <= 5; ++frame) {
    auto target = Target(60, 30);
    ButtonLook look;
    PaintPushButton(target->Canvas().Handle(), RECT{0, 0, 60, 30}, *skin, frame, false, look);
    EXPECT_EQ(target->Pixel(1, 1), CellColour(kTintButton, frame)) << frame;    // the edge
    EXPECT_EQ(target->Pixel(58, 15), CellColour(kTintButton, frame)) << frame;  // the right edge, stretched
    EXPECT_EQ(target->Pixel(10, 15), kFace) << frame;                           // magenta shows the face
  }
}

TEST(PushButtonPaint, TransparentButtonShowsTheParentImageBehindItsFrame) {
  auto skin = LoadedSkin();
  auto target = Target(60, 30);
  ButtonLook look;
  look.background = [](HDC dc) {
    RECT all{0, 0, 60, 30};
    HBRUSH b = CreateSolidBrush(RGB(0, 128, 0));
    FillRect(dc, &all, b);
    DeleteObject(b);
  };
  PaintPushButton(target->Canvas().Handle(), RECT{0, 0, 60, 30}, *skin, 1, false, look);
  EXPECT_EQ(target->Pixel(10, 15), RGB(0, 128, 0));
  EXPECT_EQ(target->Pixel(1, 1), CellColour(kTintButton, 1));
}

TEST(PushButtonPaint, CaptionColourFollowsTheFrameAndTheSkin) {
  auto plain = LoadedSkin();
  auto coloured = LoadedSkin(ControlSkin("", "NormalColour2=200 0 0\nMouseOverColour2=0 0 200\n"));
  TDataSkinButton& b = coloured->Buttons();
  EXPECT_EQ(ButtonTextColour(b, kButtonFrameNormal, 0x123456), zfw::TColor(0x0000C8));
  EXPECT_EQ(ButtonTextColour(b, kButtonFrameHot, 0x123456), zfw::TColor(0xC80000));
  EXPECT_EQ(ButtonTextColour(b, kButtonFramePressed, 0x123456), zfw::TColor(0x123456));  // not given
  EXPECT_EQ(ButtonTextColour(plain->Buttons(), kButtonFrameDisabled, 0x123456), zfw::clBtnShadow);
  EXPECT_EQ(ButtonTextColour(plain->Buttons(), kButtonFrameFocused, 0x123456), zfw::TColor(0x123456));
}

// Rows of the rectangle that hold at least one pixel of the colour.
int rows_with(zfw::TBitmap& b, const RECT& r, COLORREF colour) {
  int rows = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    bool any = false;
    for (int x = r.left; x < r.right && !any; ++x) any = b.Pixel(x, y) == colour;
    rows += any;
  }
  return rows;
}

TEST(PushButtonPaint, TheFirstDoubleBarBreaksTheCaptionAndASecondStaysText) {
  EXPECT_EQ(ButtonCaption(L"ab||cd||ef"), L"ab\r\ncd||ef");
  EXPECT_EQ(ButtonCaption(L"plain"), L"plain");

  auto skin = LoadedSkin();
  auto paint = [&](const std::wstring& caption) {
    auto target = Target(120, 60);
    ButtonLook look;
    look.caption = ButtonCaption(caption);
    look.text_colour = RGB(0, 0, 255);
    PaintPushButton(target->Canvas().Handle(), RECT{0, 0, 120, 60}, *skin, kButtonFrameFocused, false, look);
    return target;
  };
  auto one = paint(L"WWW");
  auto two = paint(L"WWW||WWW");
  const RECT inside{3, 3, 117, 57};
  const int one_line = rows_with(*one, inside, RGB(0, 0, 255));
  ASSERT_GT(one_line, 0);
  EXPECT_GT(rows_with(*two, inside, RGB(0, 0, 255)), one_line + one_line / 2);
}

TEST(PushButtonPaint, FocusRectangleOnlyWhenFocusedAndAllowed) {
  auto skin = LoadedSkin();
  auto paint = [&](bool focused, bool allowed) {
    auto target = Target(60, 30);
    ButtonLook look;
    look.focus_rect = allowed;
    PaintPushButton(target->Canvas().Handle(), RECT{0, 0, 60, 30}, *skin, 1, focused, look);
    return CountNot(*target, RECT{3, 3, 57, 27}, kFace);
  };
  EXPECT_EQ(paint(false, true), 0);
  EXPECT_GT(paint(true, true), 0);
  EXPECT_EQ(paint(true, false), 0);
}

TEST(GlyphPlacement, MarginAndSpacingShareTheFreeRoomByLayout) {
  struct Case {
    GlyphPlacementInput in;
    POINT glyph, text;
    UINT flags;
  } cases[] = {
      // 100 wide, 16-pixel glyph, 40-pixel caption, both worked out: margin = spacing = 14.
      {{{100, 30}, {16, 16}, {40, 12}, -1, -1, kGlyphLeft, false}, {14, 7}, {44, 9}, DT_WORDBREAK},
      // A fixed margin with the spacing worked out: (100 - 4 - 16 - 40) / 2 = 20.
      {{{100, 30}, {16, 16}, {40, 12}, 4, -1, kGlyphLeft, false}, {4, 7}, {40, 9}, DT_WORDBREAK},
      // Right: the glyph 4 in from the right edge, the text spacing before it.
      {{{100, 30}, {16, 16}, {40, 12}, 4, 2, kGlyphRight, false}, {80, 7}, {38, 9}, DT_WORDBREAK | DT_RIGHT},
      // Top and bottom centre across the width.
      {{{60, 80}, {16, 16}, {40, 12}, 5, 3, kGlyphTop, false}, {22, 5}, {10, 24}, DT_WORDBREAK | DT_CENTER},
      {{{60, 80}, {16, 16}, {40, 12}, 5, 3, kGlyphBottom, false}, {22, 59}, {10, 44}, DT_WORDBREAK | DT_CENTER},
      // Centred alignment with a fixed spacing; no caption means no spacing.
      {{{100, 30}, {16, 16}, {40, 12}, 9, 4, kGlyphLeft, true}, {20, 7}, {40, 9}, DT_WORDBREAK},
      {{{100, 30}, {16, 16}, {0, 0}, -1, 4, kGlyphLeft, false}, {42, 7}, {58, 15}, DT_WORDBREAK},
  };
  for (const Case& c : cases) {
    const GlyphPlacement p = PlaceGlyphAndText(c.in);
    SCOPED_TRACE(testing::Message() << "layout " << c.in.layout << " margin " << c.in.margin);
    EXPECT_EQ(p.glyph.x, c.glyph.x);
    EXPECT_EQ(p.glyph.y, c.glyph.y);
    EXPECT_EQ(p.text.x, c.text.x);
    EXPECT_EQ(p.text.y, c.text.y);
    EXPECT_EQ(p.text_flags, c.flags);
  }
}

TEST(GlyphButtonPaint, DisabledButtonShowsItsDisabledGlyphCellGreyed) {
  auto skin = LoadedSkin();
  // Cells: red, green, blue, yellow; the bottom-left pixel of each cell is the magenta key.
  const COLORREF cells[] = {RGB(210, 0, 0), RGB(0, 240, 0), RGB(0, 0, 200), RGB(200, 200, 0)};
  auto glyph_of = [&](int count) {
    auto g = std::make_unique<zfw::TBitmap>(8 * count, 8, zfw::pf24bit);
    for (int x = 0; x < 8 * count; ++x)
      for (int y = 0; y < 8; ++y)
        SetPixel(g->Canvas().Handle(), x, y, (x % 8 == 0 && y == 7) ? kMagenta : cells[x / 8]);
    return g;
  };
  struct Case {
    int count, frame;
    COLORREF expected;
  } cases[] = {
      {1, kButtonFrameDisabled, RGB(70, 70, 70)},  // the only cell, greyed
      {2, kButtonFrameDisabled, RGB(80, 80, 80)},  // cell 2, greyed
      {4, kButtonFramePressed, RGB(0, 0, 200)},    // cell 3
      {4, kButtonFrameNormal, RGB(210, 0, 0)},     // cell 1
      {4, kButtonFrameHot, RGB(210, 0, 0)},
  };
  for (const Case& c : cases) {
    auto glyph = glyph_of(c.count);
    ButtonGlyph g;
    g.glyph = glyph.get();
    g.num_glyphs = c.count;
    GlyphButtonLayout layout;
    layout.margin = 10;
    auto target = Target(60, 30);
    PaintGlyphButton(target->Canvas().Handle(), RECT{0, 0, 60, 30}, *skin, c.frame, GlyphNumber(c.frame), true, false,
                     ButtonLook{}, g, layout);
    // The glyph sits at x 10, y (30 - 8 + 1) / 2 = 11.
    EXPECT_EQ(target->Pixel(13, 13), c.expected) << c.count << "/" << c.frame;
    EXPECT_EQ(target->Pixel(10, 18), kFace) << "the key pixel is left out";
  }
}

TEST(GlyphButtonPaint, IdleFlatSpeedButtonShowsOnlyItsBackground) {
  auto skin = LoadedSkin();
  auto target = Target(40, 24);
  PaintGlyphButton(target->Canvas().Handle(), RECT{0, 0, 40, 24}, *skin, kButtonFrameNormal, 1, false, false, ButtonLook{},
                   ButtonGlyph{}, GlyphButtonLayout{});
  EXPECT_EQ(CountNot(*target, RECT{0, 0, 40, 24}, kFace), 0);
}

TEST(MenuButtonPaint, ArrowInTheRightSeventeenPixels) {
  auto skin = LoadedSkin();
  auto target = Target(80, 30);
  PaintMenuButton(target->Canvas().Handle(), RECT{0, 0, 80, 30}, *skin, kButtonFrameNormal, false, ButtonLook{});
  // The triangle's top edge runs from x 65 to 71 at y 14, its tip at (68, 17).
  EXPECT_EQ(target->Pixel(68, 15), zfw::ColorToRGB(zfw::clWindowText));
  EXPECT_EQ(target->Pixel(68, 20), kFace);
  auto disabled = Target(80, 30);
  PaintMenuButton(disabled->Canvas().Handle(), RECT{0, 0, 80, 30}, *skin, kButtonFrameDisabled, false, ButtonLook{});
  EXPECT_EQ(disabled->Pixel(68, 15), zfw::ColorToRGB(zfw::clBtnShadow));
}

TEST(ButtonPaint, NothingWithoutAButtonImage) {
  FixtureSkin bare;
  bare.definition = "[TitlebarSkin]\nSkinName=Bare\n";
  auto skin = LoadedSkin(bare);
  auto target = Target(40, 20);
  PaintPushButton(target->Canvas().Handle(), RECT{0, 0, 40, 20}, *skin, 1, true, ButtonLook{});
  EXPECT_EQ(CountNot(*target, RECT{0, 0, 40, 20}, kGround), 0);
}

}  // namespace
}  // namespace zembrel::test
