// The program's packed skin as the skin engine will read it: a 40000 container of one definition
// and the bitmaps it names, each bitmap splitting into the frames its element is read with, the
// frame borders cut only at the corners, and the engine's own resource bitmaps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <sstream>

#include "tests/host/skin_fixture.h"
#include "tools/skinart/definition_overlay.h"
#include "tools/skinart/skin_colours.h"
#include "tools/skinpack/skinpack_cli.h"

namespace zembrel::testing {
namespace {

namespace fs = std::filesystem;

// An image of the definition with the frame count and edge sizes the skin reader gives it.
struct ElementImage {
  std::string section, key;
  int frames;
  bool vertical;
  int left = 0, top = 0, right = 0, bottom = 0;
};

class SkinPackage : public PackedSkin {
 protected:
  // Every image the definition names, by the reading rules of each element kind.
  std::vector<ElementImage> ElementImages() const {
    auto plain = [&](const std::string& s, int frames, const std::string& key = "Image") {
      return ElementImage{s, key, frames, false, Int(s, "LeftWidth"), Int(s, "TopHeight"), Int(s, "RightWidth"),
                          Int(s, "BottomHeight")};
    };
    auto side = [&](const std::string& b) {
      return ElementImage{"Personality", b, Int("Personality", b + "Frame", 1), false, 0, Int("Personality", b + "TopHeight"),
                          0, Int("Personality", b + "BotHeight")};
    };
    auto end = [&](const std::string& b) {
      return ElementImage{"Personality", b, Int("Personality", b + "Frame", 1), true, Int("Personality", b + "TopHeight"), 0,
                          Int("Personality", b + "BotHeight"), 0};
    };
    std::vector<ElementImage> images = {
        side("Left"), side("Right"), end("Top"), end("Bottom"),
        {"Personality", "TextBack", 2, false},
        {"Personality", "menuBar", 2, false, Int("Personality", "TileLeftMenu", 1), 0, Int("Personality", "TileRightMenu", 1), 0},
        plain("Buttons", 5, "Bitmap"),
        {"Buttons", "CheckButton", Int("Buttons", "CheckButtonFrame"), false},
        {"Buttons", "RadioButton", Int("Buttons", "RadioButtonFrame"), false},
        plain("Progress", Int("Progress", "Style") != 0 ? 1 : 2, "Bitmap"),
        plain("Progress.Chunk", Int("Progress.Chunk", "Frame")),
        plain("GroupBoxEdge", 2), plain("GroupBox", 1), plain("StatusBarEdges", 3), plain("ComboButton", 4),
        plain("SunkEdge", 4), plain("ExtraImages", 5), plain("MenuItem", 5), plain("MenuBackground", 1),
        plain("Scrollbar", 23), plain("HorzScroll", 4), plain("VertScroll", 4),
        plain("HorzScrollThumb", Int("HorzScrollThumb", "FrameCount", 3)),
        plain("VertScrollThumb", Int("VertScrollThumb", "FrameCount", 3)),
    };
    for (const std::string& s : TitleButtonSections()) images.push_back({s, "ButtonImage", Int(s, "frame"), false});
    return images;
  }

  std::vector<std::string> TitleButtonSections() const {
    std::vector<std::string> sections, buttons;
    definition_.ReadSections(sections);
    for (const std::string& s : sections) {
      std::string upper = s;
      for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
      if (upper.rfind("BUTTON", 0) == 0 && upper != "BUTTON" && upper != "BUTTONS" && upper != "BUTTON.RADIO" &&
          upper != "BUTTON.CHECKBOX")
        buttons.push_back(s);
    }
    return buttons;
  }

  int TitleHeight() const {
    const SkinBmp top = Bitmap(Value("Personality", "Top"));
    return top.height / Int("Personality", "TopFrame", 1);
  }
};

std::vector<std::string> ListedEntries() {
  const std::vector<std::uint8_t> bytes = ReadFileBytes(ZEMBREL_SKIN_SOURCES "/skin.lst");
  std::istringstream in(std::string(bytes.begin(), bytes.end()));
  std::vector<std::string> names;
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != '#') names.push_back(line);
  return names;
}

TEST_P(SkinPackage, UnpacksToA40000ContainerOfTheDefinitionAndTheListedBitmaps) {
  EXPECT_EQ(reader_.Format(), kSkinFormat40000);
  // The list's first entry is the light skin's definition; each skin has its own.
  std::vector<std::string> entries = ListedEntries();
  ASSERT_FALSE(entries.empty());
  entries[0] = GetParam().definition;
  EXPECT_EQ(reader_.Names(), entries);
  EXPECT_EQ(ini_name_, GetParam().definition);
  for (const std::string& name : reader_.Names())
    if (name != ini_name_) {
      EXPECT_TRUE(name.size() > 4 && name.ends_with(".bmp")) << name;
    }
}

// What skinpack reports of the packed skin: the 40000 format, the definition and each bitmap the
// definition names, and nothing it does not name.
TEST_P(SkinPackage, ListShowsTheFormatTheDefinitionAndEveryNamedBitmap) {
  std::ostringstream out, err;
  ASSERT_EQ(skinpack::RunSkinpack({"list", GetParam().packed}, out, err), 0) << err.str();
  std::istringstream lines(out.str());
  std::string first;
  std::getline(lines, first);
  EXPECT_EQ(first.rfind("format 40000, ", 0), 0u) << first;
  std::set<std::string> listed;
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    long size = 0;
    std::string name;
    fields >> size >> name;
    EXPECT_GT(size, 0) << line;
    listed.insert(name);
  }
  EXPECT_TRUE(listed.count(GetParam().definition));
  std::set<std::string> named = {GetParam().definition};
  for (const ElementImage& e : ElementImages()) {
    const std::string name = Value(e.section, e.key);
    ASSERT_FALSE(name.empty()) << "[" << e.section << "] names no " << e.key;
    EXPECT_TRUE(name.ends_with(".bmp") && name.find_first_of("/\\") == std::string::npos) << name;
    EXPECT_TRUE(listed.count(name)) << name << " of [" << e.section << "] is not in the skin";
    named.insert(name);
  }
  EXPECT_EQ(listed, named);
}

TEST_P(SkinPackage, EveryImageSplitsIntoTheFramesItIsReadWith) {
  for (const ElementImage& e : ElementImages()) {
    SCOPED_TRACE("[" + e.section + "] " + e.key);
    const SkinBmp bmp = Bitmap(Value(e.section, e.key));
    EXPECT_EQ(bmp.bits, 24);
    ASSERT_GE(e.frames, 1);
    EXPECT_EQ((e.vertical ? bmp.height : bmp.width) % e.frames, 0) << bmp.width << " x " << bmp.height;
    const FrameRect f = FrameOf(bmp, e.frames, 1, e.vertical);
    // Edges wider than a frame would make the renderer drop them.
    EXPECT_LE(e.left + e.right, f.w);
    EXPECT_LE(e.top + e.bottom, f.h);
  }
}

// Sizes the painters rely on: the title rows of the side borders are exactly the top border's
// height, so they never stretch; caption buttons fit in the title; scroll-bar cells are square
// (arrows are drawn as square cells and the bar's breadth is the strip height); check and radio
// cells are square; the combo button is as high as the combo strip the skin data builds (21).
TEST_P(SkinPackage, StripsHaveTheCellSizesThePaintersAssume) {
  const int title = TitleHeight();
  EXPECT_EQ(Int("Personality", "LeftTopHeight"), title);
  EXPECT_EQ(Int("Personality", "RightTopHeight"), title);
  const SkinBmp bottom = Bitmap(Value("Personality", "Bottom"));
  EXPECT_EQ(Int("Personality", "LeftBotHeight"), bottom.height / Int("Personality", "BottomFrame", 1));
  for (const std::string& s : TitleButtonSections()) {
    const SkinBmp b = Bitmap(Value(s, "ButtonImage"));
    EXPECT_LE(Int(s, "Ycoord") + b.height, title) << s;
    EXPECT_GT(Int(s, "Ycoord"), 0) << s;
  }
  const SkinBmp scroll = Bitmap(Value("Scrollbar", "Image"));
  EXPECT_EQ(scroll.width / 23, scroll.height);
  for (const char* key : {"CheckButton", "RadioButton"}) {
    const SkinBmp b = Bitmap(Value("Buttons", key));
    EXPECT_EQ(b.width / Int("Buttons", std::string(key) == "CheckButton" ? "CheckButtonFrame" : "RadioButtonFrame"), b.height) << key;
  }
  EXPECT_EQ(Bitmap(Value("ComboButton", "Image")).height, 21);
  const SkinBmp vthumb = Bitmap(Value("VertScrollThumb", "Image")), hthumb = Bitmap(Value("HorzScrollThumb", "Image"));
  EXPECT_EQ(vthumb.width / 3, scroll.height);
  EXPECT_EQ(hthumb.height, scroll.height);
}

// Magenta cuts the window region: it must round the corners and appear nowhere in the stretched
// middle of a border, where it would cut a slit along the whole window edge.
TEST_P(SkinPackage, FrameBordersAreTransparentOnlyInTheirCorners) {
  struct Border {
    const char* name;
    bool vertical;
    const char *first_key, *second_key;
  };
  for (const Border& b : {Border{"Left", false, "LeftTopHeight", "LeftBotHeight"}, Border{"Right", false, "RightTopHeight", "RightBotHeight"},
                          Border{"Top", true, "TopTopHeight", "TopBotHeight"}, Border{"Bottom", true, "BottomTopHeight", "BottomBotHeight"}}) {
    SCOPED_TRACE(b.name);
    EXPECT_EQ(Int("Personality", std::string(b.name) + "Trans", 1), 1);
    const SkinBmp bmp = Bitmap(Value("Personality", b.name));
    const int frames = Int("Personality", std::string(b.name) + "Frame", 1);
    const int first = Int("Personality", b.first_key), second = Int("Personality", b.second_key);
    for (int k = 1; k <= frames; ++k) {
      const FrameRect f = FrameOf(bmp, frames, k, b.vertical);
      for (int y = 0; y < f.h; ++y)
        for (int x = 0; x < f.w; ++x) {
          const int along = b.vertical ? x : y, length = b.vertical ? f.w : f.h;
          if (bmp.at(f.x + x, f.y + y).IsKey()) {
            EXPECT_TRUE(along < first || along >= length - second) << "frame " << k << " (" << x << ", " << y << ")";
          }
        }
    }
  }
  // Rounded: the outermost corner pixels are cut, active and inactive (the curve of the top
  // corners runs on into the top border's ends).
  const SkinBmp left = Bitmap(Value("Personality", "Left")), right = Bitmap(Value("Personality", "Right"));
  const SkinBmp top = Bitmap(Value("Personality", "Top"));
  for (int k = 1; k <= 2; ++k) {
    const FrameRect l = FrameOf(left, 2, k), r = FrameOf(right, 2, k), t = FrameOf(top, 2, k, true);
    EXPECT_TRUE(left.at(l.x, 0).IsKey() && left.at(l.x + 1, 0).IsKey() && left.at(l.x, 1).IsKey());
    EXPECT_TRUE(left.at(l.x, l.h - 1).IsKey());
    EXPECT_TRUE(right.at(r.x + r.w - 1, 0).IsKey() && right.at(r.x + r.w - 1, r.h - 1).IsKey());
    EXPECT_FALSE(top.at(t.w / 2, t.y).IsKey());
  }
}

// Each state a painter picks must look different from the others: somewhere in the frame a pixel
// moves by at least 48 in its summed channels. Only the frames no painter tells apart may match.
TEST_P(SkinPackage, StatesOfEveryStripLookDistinct) {
  struct Strip {
    std::string section, key;
    int frames;
    std::set<std::pair<int, int>> alike;  // frame pairs allowed to match
  };
  std::vector<Strip> strips = {
      {"Buttons", "Bitmap", 5, {}},
      {"Buttons", "CheckButton", 12, {}},
      {"Buttons", "RadioButton", 8, {}},
      {"Progress", "Bitmap", 2, {}},
      {"GroupBoxEdge", "Image", 2, {}},
      {"StatusBarEdges", "Image", 3, {}},
      {"SunkEdge", "Image", 4, {}},
      {"ExtraImages", "Image", 5, {}},
      // The disabled combo shows through its sunken edge and arrow; the button adds nothing.
      {"ComboButton", "Image", 4, {{1, 3}}},
      // Disabled items differ by their text colour; frame 5 is not used by the menus.
      {"MenuItem", "Image", 5, {{1, 3}, {4, 5}}},
      {"Scrollbar", "Image", 23, {}},
      {"HorzScroll", "Image", 4, {{1, 2}, {1, 4}, {2, 4}}},
      {"VertScroll", "Image", 4, {{1, 2}, {1, 4}, {2, 4}}},
      {"HorzScrollThumb", "Image", 3, {}},
      {"VertScrollThumb", "Image", 3, {}},
      {"Personality", "menuBar", 2, {}},
  };
  for (const std::string& s : TitleButtonSections())
    if (Int(s, "Action") != 3) strips.push_back({s, "ButtonImage", 4, {}});
  for (const Strip& strip : strips) {
    const SkinBmp bmp = Bitmap(Value(strip.section, strip.key));
    for (int a = 1; a <= strip.frames; ++a)
      for (int b = a + 1; b <= strip.frames; ++b) {
        if (strip.alike.count({a, b})) continue;
        const FrameRect fa = FrameOf(bmp, strip.frames, a), fb = FrameOf(bmp, strip.frames, b);
        int most = 0;
        for (int y = 0; y < fa.h; ++y)
          for (int x = 0; x < fa.w; ++x) {
            const SkinPixel p = bmp.at(fa.x + x, y), q = bmp.at(fb.x + x, y);
            most = std::max(most, std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b));
          }
        EXPECT_GE(most, 48) << "[" << strip.section << "] " << strip.key << ": frames " << a << " and " << b;
      }
  }
}

TEST_P(SkinPackage, TitleButtonsCloseMaximiseRestoreMinimiseIconAndHelpEachWithFourFrames) {
  std::multiset<int> actions;
  int maximise_visibility = 0, restore_visibility = 0;
  for (const std::string& s : TitleButtonSections()) {
    actions.insert(Int(s, "Action"));
    EXPECT_EQ(Int(s, "frame"), 4) << s;
    if (Int(s, "Action") == 1) (Value(s, "ButtonImage") == "restore.bmp" ? restore_visibility : maximise_visibility) = Int(s, "Visibility");
  }
  // 50: the caption-button component's help button.
  EXPECT_EQ(actions, (std::multiset<int>{0, 1, 1, 2, 3, 50}));
  // Maximise shows on a normal window (2), restore on a maximised one (1): never both.
  EXPECT_EQ(maximise_visibility, 2);
  EXPECT_EQ(restore_visibility, 1);
}

TEST_P(SkinPackage, ColourTableAndNameAreComplete) {
  EXPECT_FALSE(Value("TitlebarSkin", "SkinName").empty());
  for (const char* key : {"WindowText", "ButtonFace", "Scrollbar", "HilightText", "Hilight", "Menubar", "Menu", "MenuText",
                          "ButtonText", "ButtonHilight", "Buttonlight", "ButtonShadow", "ButtonDkShadow", "MenuBarText",
                          "TitleTextActive", "TitleTextNoActive"}) {
    skinart::Rgb c;
    EXPECT_TRUE(skinart::ParseColourText(Value("Colours", key), c)) << key;
  }
}

// The built-in "TRACK" and "TRACKVERT" elements take the place of sections the skin leaves out.
TEST_P(SkinPackage, DefinesNoTrackSection) {
  std::vector<std::string> sections;
  definition_.ReadSections(sections);
  for (const std::string& s : sections) {
    std::string lower = s;
    for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    EXPECT_NE(lower, "track");
    EXPECT_NE(lower, "trackvert");
  }
}

INSTANTIATE_TEST_SUITE_P(BuiltIn, SkinPackage, ::testing::ValuesIn(kBuiltInSkins), BuiltInSkinName);

TEST(SkinColourText, ReadsNumbersAsTheSkinReaderDoes) {
  struct Case {
    const char* text;
    bool ok;
    skinart::Rgb rgb;
  } cases[] = {
      {"244 244 244", true, {244, 244, 244}}, {"197,231,246", true, {197, 231, 246}}, {"12", true, {0, 0, 0}},
      {"12,0", true, {12, 0, 0}},             {"300 1 2", true, {44, 1, 2}},         {"none", false, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    skinart::Rgb rgb{1, 1, 1};
    EXPECT_EQ(skinart::ParseColourText(c.text, rgb), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(rgb, c.rgb) << c.text;
    }
  }
}

SkinBmp ResourceBitmap(const char* name) {
  const std::optional<SkinBmp> bmp = DecodeSkinBmp(ReadFileBytes(fs::path(ZEMBREL_SKIN_RESOURCE_DIR) / name));
  EXPECT_TRUE(bmp.has_value()) << name;
  return bmp.value_or(SkinBmp{});
}

// GLAZENMENU: four 16 x 16 glyphs of black ink on white (the mask colour), none of them empty,
// none touching its neighbour.
TEST(EngineResources, MenuGlyphsAreFourInkedCellsOnWhite) {
  const SkinBmp glyphs = ResourceBitmap("glazenmenu.bmp");
  ASSERT_EQ(glyphs.width, 64);
  ASSERT_EQ(glyphs.height, 16);
  EXPECT_EQ(glyphs.bits, 1);
  std::vector<int> ink(4, 0);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 64; ++x) {
      const SkinPixel p = glyphs.at(x, y);
      ASSERT_TRUE(p == (SkinPixel{0, 0, 0}) || p == (SkinPixel{255, 255, 255}));
      if (p.r == 0) {
        ++ink[x / 16];
        EXPECT_TRUE(x % 16 != 0 && x % 16 != 15) << "glyph touches its cell edge at " << x;
      }
    }
  for (int i = 0; i < 4; ++i) EXPECT_GT(ink[i], 8) << "glyph " << i;
  EXPECT_NE(ink[1], ink[3]);  // maximise and close differ
}

TEST(EngineResources, TrackChannelsHaveTheirSizes) {
  const SkinBmp track = ResourceBitmap("track.bmp"), vert = ResourceBitmap("trackvert.bmp");
  EXPECT_EQ(track.width, 16);
  EXPECT_EQ(track.height, 4);
  EXPECT_EQ(vert.width, 4);
  EXPECT_EQ(vert.height, 16);
  for (const SkinBmp* b : {&track, &vert})
    for (const SkinPixel& p : b->pixels) EXPECT_FALSE(p.IsKey());
}

// Runs the generator into a fresh folder and returns the files it wrote, by name.
std::vector<std::pair<std::string, std::vector<std::uint8_t>>> Generate(const fs::path& folder, const std::string& args) {
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string command = std::string("\"") + ZEMBREL_SKINART_TOOL + "\" " + args;
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files;
  for (const auto& entry : fs::directory_iterator(folder)) files.emplace_back(entry.path().filename().string(), ReadFileBytes(entry.path()));
  std::sort(files.begin(), files.end());
  return files;
}

TEST(SkinArt, GeneratingTwiceGivesIdenticalBytes) {
  // Inside this build tree, so that other checkouts' runs never share it.
  const fs::path base = fs::path(ZEMBREL_SKIN_ART_DIR).parent_path() / "regenerated";
  std::string names;
  for (const std::string& n : ListedEntries())
    if (n.ends_with(".bmp")) names += " " + n;
  auto skin = [&](const fs::path& out) {
    return Generate(out, std::string("skin \"") + ZEMBREL_SKIN_SOURCES "/zembrel.ini\" \"" ZEMBREL_SKIN_SOURCES "/palette.ini\" \"" +
                             out.string() + "\"" + names);
  };
  const auto first = skin(base / "a"), second = skin(base / "b");
  EXPECT_EQ(first.size(), ListedEntries().size() - 1);
  EXPECT_TRUE(first == second);
  // And the build's own bitmaps are those bytes.
  for (const auto& [name, bytes] : first) EXPECT_TRUE(ReadFileBytes(fs::path(ZEMBREL_SKIN_ART_DIR) / name) == bytes) << name;
  const auto res1 = Generate(base / "r1", "resources \"" + (base / "r1").string() + "\"");
  const auto res2 = Generate(base / "r2", "resources \"" + (base / "r2").string() + "\"");
  EXPECT_EQ(res1.size(), 3u);
  EXPECT_TRUE(res1 == res2);
  fs::remove_all(base);
}

}  // namespace
}  // namespace zembrel::testing

namespace zembrel::testing {
namespace {

// The dark definition is the light one with some values replaced: everything else, comments and
// line ends included, stays as it is, and a key the light one lacks is refused, not added.
TEST(SkinArt, AnOverlayReplacesValuesAndRefusesUnknownKeys) {
  const std::string base = "; skin\r\n[Colours]\r\nMenu=1 2 3\r\nMenuText = 4 5 6\r\n[Other]\r\nMenu=7 8 9\r\n";
  EXPECT_EQ(skinart::OverlayDefinition(base, "[Colours]\nMenuText=9 9 9\n; note\n"),
            "; skin\r\n[Colours]\r\nMenu=1 2 3\r\nMenuText =9 9 9\r\n[Other]\r\nMenu=7 8 9\r\n");
  EXPECT_EQ(skinart::OverlayDefinition(base, ""), base);
  EXPECT_THROW(skinart::OverlayDefinition(base, "[Colours]\nMenuTxt=1 1 1\n"), std::runtime_error);
  EXPECT_THROW(skinart::OverlayDefinition(base, "[Missing]\nMenu=1 1 1\n"), std::runtime_error);
  EXPECT_THROW(skinart::OverlayDefinition(base, "[Colours]\nno equals sign\n"), std::runtime_error);
}

}  // namespace
}  // namespace zembrel::testing
