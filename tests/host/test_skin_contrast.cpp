// Text of the skin stays legible: every text colour of the skin, against every background the
// painters draw it on, has a contrast ratio of at least 4.5:1 (WCAG 2 relative luminance). The
// backgrounds are read from the packed skin's own pixels and the definition's colour table, so a
// colour change in either that breaks legibility fails here.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "tests/host/skin_fixture.h"
#include "tools/skinart/skin_colours.h"

namespace zembrel::testing {
namespace {

double Channel(std::uint8_t v) {
  const double c = v / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
double Luminance(SkinPixel p) { return 0.2126 * Channel(p.r) + 0.7152 * Channel(p.g) + 0.0722 * Channel(p.b); }
double Contrast(SkinPixel a, SkinPixel b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(ContrastRatio, MatchesTheKnownValues) {
  EXPECT_NEAR(Contrast({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
  EXPECT_NEAR(Contrast({118, 118, 118}, {255, 255, 255}), 4.54, 0.01);
  EXPECT_DOUBLE_EQ(Contrast({50, 90, 200}, {50, 90, 200}), 1.0);
}

// Where a text colour comes from: a key of the colour table, a colour key of an element section,
// or the title's three integer keys.
struct TextColour {
  std::string section, key;
};
// A background: a colour of the table, or the opaque pixels of an element frame inside its edge
// sizes (rows limited to the caption band for the title).
struct Background {
  std::string table_key;
  std::string section, image_key;
  int frames = 1, frame = 1;
  bool vertical = false;
  int left = 0, top = 0, right = 0, bottom = 0;
};

class SkinContrast : public PackedSkin {
 protected:
  SkinPixel Colour(const TextColour& t) const {
    if (t.key == "ActiveText" || t.key == "InActiveText") {
      return SkinPixel{static_cast<std::uint8_t>(Int(t.section, t.key + "R", -1)), static_cast<std::uint8_t>(Int(t.section, t.key + "G", -1)),
                       static_cast<std::uint8_t>(Int(t.section, t.key + "B", -1))};
    }
    skinart::Rgb c;
    EXPECT_TRUE(skinart::ParseColourText(Value(t.section, t.key), c)) << "[" << t.section << "] " << t.key;
    return SkinPixel{c.r, c.g, c.b};
  }

  // The background pixels a text of this colour may sit on. Transparent pixels show what lies
  // below, which is a background of its own in the table.
  std::vector<SkinPixel> Pixels(const Background& b) const {
    if (!b.table_key.empty()) return {Colour({"Colours", b.table_key})};
    const SkinBmp bmp = Bitmap(Value(b.section, b.image_key));
    const FrameRect f = FrameOf(bmp, b.frames, b.frame, b.vertical);
    EXPECT_TRUE(f.w - b.left - b.right > 0 && f.h - b.top - b.bottom > 0) << "no text area in " << b.section;
    std::vector<SkinPixel> pixels;
    for (int y = b.top; y < f.h - b.bottom; ++y)
      for (int x = b.left; x < f.w - b.right; ++x)
        if (!bmp.at(f.x + x, f.y + y).IsKey()) pixels.push_back(bmp.at(f.x + x, f.y + y));
    return pixels;
  }

  static Background Table(const std::string& key) { return {key, "", "", 1, 1, false, 0, 0, 0, 0}; }
  Background MenuBar(int frame) const {
    return {"", "Personality", "menuBar", 2, frame, false, Int("Personality", "TileLeftMenu", 1), 0,
            Int("Personality", "TileRightMenu", 1), 0};
  }
  Background Element(const std::string& section, const std::string& key, int frames, int frame) const {
    return {"", section, key, frames, frame, false, Int(section, "LeftWidth"), Int(section, "TopHeight"), Int(section, "RightWidth"),
            Int(section, "BottomHeight")};
  }
  // The caption band of the title: the rows the caption text takes, inside the top border's ends.
  Background TitleBand(const std::string& key, int frame) const {
    const int frames = 2, shift = Int("Personality", "TextShiftVert"), font = Int("Fonts", "FontHeight", 14);
    const SkinBmp bmp = Bitmap(Value("Personality", key));
    const int height = key == "Top" ? bmp.height / frames : bmp.height;
    const int ends = key == "Top" ? Int("Personality", "TopTopHeight") : 0;
    return {"", "Personality", key, frames, frame, key == "Top", ends, shift, ends, height - shift - font};
  }

  void ExpectLegible(const TextColour& text, const Background& ground) {
    const SkinPixel ink = Colour(text);
    const std::vector<SkinPixel> pixels = Pixels(ground);
    // An area of nothing but the key colour measures nothing: the text would sit on whatever
    // shows through, which this pair does not name.
    ASSERT_FALSE(pixels.empty()) << text.key << " on " << ground.section << "/" << ground.image_key << " frame "
                                 << ground.frame << ": the area holds only transparent pixels";
    double worst = 100;
    SkinPixel at{};
    for (const SkinPixel& p : pixels)
      if (Contrast(ink, p) < worst) worst = Contrast(ink, p), at = p;
    EXPECT_GE(worst, 4.5) << text.key << " (" << int(ink.r) << " " << int(ink.g) << " " << int(ink.b) << ") on "
                          << (ground.table_key.empty() ? ground.section + "/" + ground.image_key + " frame " + std::to_string(ground.frame) : ground.table_key)
                          << " (" << int(at.r) << " " << int(at.g) << " " << int(at.b) << ")";
  }
};

TEST_P(SkinContrast, EveryTextColourOnEveryBackgroundItIsDrawnOn) {
  const Background face = Table("ButtonFace"), menu = Table("Menu"), menubar = Table("Menubar"), hilight = Table("Hilight");
  const Background menu_back = Element("MenuBackground", "Image", 1, 1);
  // A normal menu item is transparent: its text sits on the menu background measured beside it.
  const Background selected = Element("MenuItem", "Image", 5, 4);
  const Background bar_active = MenuBar(1), bar_inactive = MenuBar(2);
  auto button = [&](int frame) { return Element("Buttons", "Bitmap", 5, frame); };
  auto status = [&](int frame) { return Element("StatusBarEdges", "Image", 3, frame); };
  const TextColour disabled{"Colours", "ButtonShadow"};  // disabled menu and menu-bar captions

  struct Pair {
    TextColour text;
    std::vector<Background> grounds;
  };
  const std::vector<Pair> pairs = {
      {{"Colours", "WindowText"}, {face}},
      {{"Colours", "ButtonText"}, {face, button(1), button(2), button(4), button(5)}},
      {{"Buttons", "NormalColour2"}, {button(1), button(5)}},
      {{"Buttons", "MouseOverColour2"}, {button(4)}},
      {{"Buttons", "PressedColour2"}, {button(2)}},
      {{"Colours", "MenuText"}, {menu, menu_back}},
      {{"Colours", "HilightText"}, {hilight, selected}},
      {disabled, {menu, menu_back, selected, menubar, bar_active, bar_inactive}},
      {{"Colours", "MenuBarText"}, {menubar, bar_active, bar_inactive}},
      {{"Colours", "TitleTextActive"}, {TitleBand("Top", 1), TitleBand("TextBack", 1)}},
      {{"Colours", "TitleTextNoActive"}, {TitleBand("Top", 2), TitleBand("TextBack", 2)}},
      {{"Personality", "ActiveText"}, {TitleBand("Top", 1), TitleBand("TextBack", 1)}},
      {{"Personality", "InActiveText"}, {TitleBand("Top", 2), TitleBand("TextBack", 2)}},
      {{"StatusBarEdges", "NormalColour2"}, {face, status(1), status(2), status(3)}},
  };
  for (const Pair& p : pairs)
    for (const Background& g : p.grounds) ExpectLegible(p.text, g);
}

INSTANTIATE_TEST_SUITE_P(BuiltIn, SkinContrast, ::testing::ValuesIn(kBuiltInSkins), BuiltInSkinName);

}  // namespace
}  // namespace zembrel::testing
