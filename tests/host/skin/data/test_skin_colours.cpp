// The skin's colour texts and colour table, and the definition rules that need no bitmaps.
#include <gtest/gtest.h>

#include <string>

#include "skin/data/definition_rules.h"
#include "skin/storage/quick_ini.h"
#include "skin/data/skin_colours.h"

namespace zembrel {
namespace {

constexpr SkinColor kDefault = 0x123456;

TEST(ColourText, RunsOfDigitsGiveRedGreenBlue) {
  const struct {
    const char* text;
    SkinColor expected;
  } cases[] = {
      {"244 244 244", 0x00F4F4F4},
      {"197,231,246", 0x00F6E7C5},
      {"12", 0x00000000},        // a lone last run is only taken as the third
      {"12,0", 0x0000000C},
      {"1,2,3,", 0x00030201},
      {"  10 ; 20 ; 30  ", 0x001E140A},
      {"256,257,511", 0x00FF0100},   // low bytes
      {"99999999999999999999,1,2", 0x000201FF},  // taken modulo 256 as it is read, no overflow
      {"1,2,3,4", 0x00030201},   // components beyond blue are dropped
      {"red", 0x00000000},
      {"", kDefault},
      {"   ", kDefault},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseColourText(c.text, kDefault), c.expected) << '"' << c.text << '"';
}

TEST(ColourTable, KeysDefaultsAndFurtherColours) {
  TQuickIni ini;
  ini.LoadFromString(
      "[Colours]\r\nButtonFace=244 244 244\r\nHilight=197,231,246\r\nMenu=12\r\nMenuText=12,0\r\nButtonText=\r\n"
      "[Colour1]\r\ncolor=1,2,3\r\n[COLOURS]\r\n[colour.b]\r\n[Customcolors]\r\nColor0=0,0,255\r\nColor9=9,9,9\r\n");
  std::vector<std::string> sections;
  ini.ReadSections(sections);
  const TSkinColours c = ReadSkinColours(ini, sections);
  EXPECT_EQ(c.ButtonFace, 0x00F4F4F4);
  EXPECT_EQ(c.Hilight, 0x00F6E7C5);
  EXPECT_EQ(c.Menu, 0);
  EXPECT_EQ(c.MenuText, 0x0C);
  EXPECT_EQ(c.Menubar, c.ButtonFace);             // absent: the face colour just read
  EXPECT_EQ(c.ButtonText, SkinSystemColor(18));   // empty value: the default
  EXPECT_EQ(c.WindowText, SkinSystemColor(8));
  EXPECT_EQ(c.TitleTextNoActive, SkinSystemColor(19));
  // "Colours" twice (any case) is the table itself, not a section colour.
  EXPECT_EQ(c.SectionColors, (std::vector<SkinColor>{0x00030201, SkinSystemColor(8)}));
  EXPECT_EQ(c.CustomColors[0], 0x00FF0000);
  EXPECT_EQ(c.CustomColors[5], kSkinWhite);
  EXPECT_EQ(c.CustomColors[9], 0x00090909);
}

TEST(DefinitionRules, TitleButtonSectionsAndGuessedFrameCounts) {
  for (const char* name : {"Button1", "button.close", "BUTTONX", "Buttons2"}) EXPECT_TRUE(IsTitleButtonSectionName(name)) << name;
  for (const char* name : {"Button", "buttons", "Button.Radio", "BUTTON.CHECKBOX", "MyButton", "Butto"})
    EXPECT_FALSE(IsTitleButtonSectionName(name)) << name;

  const struct {
    int action, width, height, expected;
  } frames[] = {
      {1, 60, 21, 3},    // ratio 2.86
      {1, 150, 21, 6},   // ratio 7.1
      {1, 76, 20, 3},    // exactly 3.8
      {1, 77, 20, 6},
      {-1, 60, 21, 6},   // a negative action always has six
      {1, 0, 0, 6},      // no image
  };
  for (const auto& f : frames)
    EXPECT_EQ(TitleButtonDefaultFrames(f.action, f.width, f.height), f.expected) << f.width << "x" << f.height;

  EXPECT_EQ(CheckImageDefaultFrames(78, 13), 6);
  EXPECT_EQ(CheckImageDefaultFrames(40, 16), 4);   // at least four
  EXPECT_EQ(CheckImageDefaultFrames(96, 16), 6);
  EXPECT_EQ(CheckImageDefaultFrames(0, 0), 4);

  EXPECT_EQ(ToolbarSaturatedWeight(200), 54);
  EXPECT_EQ(ToolbarSaturatedWeight(255), 45);  // -5.36 truncates toward zero
}

}  // namespace
}  // namespace zembrel
