// Edit borders and up-down arrows: a shadow outline with two white rings around a bordered edit,
// nothing on a borderless one; each arrow's cell by state.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "skin/controls/skin_edit.h"

namespace zembrel::test {
namespace {

TEST(EditBorderPaint, BorderedEditGetsShadowAndTwoWhiteRings) {
  auto skin = LoadedSkin();
  auto target = Target(100, 21);
  PaintEditBorder(target->Canvas().Handle(), RECT{0, 0, 100, 21}, SIZE{96, 17}, *skin);
  EXPECT_EQ(target->Pixel(0, 0), kShadow);
  EXPECT_EQ(target->Pixel(99, 20), kShadow);
  EXPECT_EQ(target->Pixel(1, 10), RGB(255, 255, 255));
  EXPECT_EQ(target->Pixel(98, 2), RGB(255, 255, 255));
  EXPECT_EQ(target->Pixel(50, 19), RGB(255, 255, 255));
  EXPECT_EQ(target->Pixel(3, 3), kGround);  // the text area is the control's
}

TEST(EditBorderPaint, BorderlessEditIsLeftAsTheControlPaintsIt) {
  auto skin = LoadedSkin();
  for (SIZE client : {SIZE{100, 17}, SIZE{96, 21}}) {
    auto target = Target(100, 21);
    PaintEditBorder(target->Canvas().Handle(), RECT{0, 0, 100, 21}, client, *skin);
    EXPECT_EQ(CountNot(*target, RECT{0, 0, 100, 21}, kGround), 0);
  }
}

TEST(UpDownPaint, EachArrowShowsItsStateCell) {
  auto skin = LoadedSkin(FullControlSkin());
  struct Case {
    UpDownLook look;
    int first, second;
  } cases[] = {
      {{false, true, -1, -1}, 1, 5},
      {{false, true, 0, -1}, 3, 5},
      {{false, true, 0, 1}, 3, 6},
      {{false, false, 0, 1}, 4, 8},
  };
  for (const Case& c : cases) {
    auto target = Target(20, 30);
    ASSERT_TRUE(PaintUpDown(target->Canvas().Handle(), RECT{0, 0, 20, 30}, *skin, c.look));
    EXPECT_EQ(target->Pixel(10, 7), CellColour(kTintUpDown, c.first)) << c.look.hot << c.look.pressed;
    EXPECT_EQ(target->Pixel(10, 22), CellColour(kTintUpDown, c.second)) << c.look.hot << c.look.pressed;
  }
  UpDownLook horizontal;
  horizontal.horizontal = true;
  EXPECT_FALSE(PaintUpDown(Target(30, 20)->Canvas().Handle(), RECT{0, 0, 30, 20}, *skin, horizontal))
      << "no UpDown.Horz in the skin";
}

}  // namespace
}  // namespace zembrel::test
