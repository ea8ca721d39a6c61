// Reading skin definitions into elements and colours: title buttons, the push-button images,
// the corrections of read values, frame-count defaults, generated elements, and what a second
// skin leaves of the first.
#include <gtest/gtest.h>

#include "skin/paint/ImgUtil.h"
#include "skin_fixture.h"

namespace zembrel::test {
namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

std::unique_ptr<TSkinData> Load(const FixtureSkin& skin) {
  auto data = std::make_unique<TSkinData>(nullptr);
  LoadFixture(*data, skin);
  EXPECT_FALSE(data->Loading()) << "the definition was not read completely";
  return data;
}

TEST(SkinDefinition, TitleButtonsKeepTheirSectionsAndGuessFrameCounts) {
  FixtureSkin skin;
  skin.definition =
      "[Button3]\nAction=1\nButtonImage=b60.bmp\n"
      "[Button4]\nAction=1\nButtonImage=b150.bmp\n"
      "[ButtonX]\nAction=-1\n"                      // an invisible spacer: left out
      "[ButtonY]\nAction=-1\nVisibility=0\n"
      "[Button5]\nAction=3\nButtonImage=b60.bmp\n"
      "[Button6]\nAction=11\nframe=2\nButtonImage=b60.bmp\nXcoord=7\nYcoord=8\nAlign=1\nCombineOp=2\n"
      "[Buttons]\n[Button.Radio]\n[Button.CheckBox]\n[Button]\n"
      "[MDICONTROLS]\nImage=mdi.bmp\n";
  skin.With("b60.bmp", Bmp(60, 21)).With("b150.bmp", Bmp(150, 21));
  skin.With("mdi.bmp", Bmp(120, 18, [](int x, int) { return RGB(x, 0, 0); }));
  auto data = Load(skin);
  const TitleButtonList& list = data->TitleButtons();
  ASSERT_EQ(list.size(), 5u + 3u);

  const struct {
    const char* name;
    int action, frames, image_width, visibility1;
  } expected[] = {
      {"BUTTON3", 1, 3, 60, 0},  {"BUTTON4", 1, 6, 150, 0}, {"BUTTONY", -1, 6, 0, -1},
      {"BUTTON5", 3, 3, 0, 0},   // action 3 loses its image once its frame count is guessed
      {"BUTTON6", 11, 2, 60, 0},
  };
  for (size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(list[i]->Name, expected[i].name);
    EXPECT_EQ(list[i]->Action, expected[i].action);
    EXPECT_EQ(list[i]->FrameCount, expected[i].frames);
    EXPECT_EQ(list[i]->Image.Width(), expected[i].image_width);
    EXPECT_EQ(list[i]->Visibility1, expected[i].visibility1);
  }
  EXPECT_EQ(list[0]->CombineOp, -1);
  EXPECT_EQ(list[4]->XCoord, 7);
  EXPECT_EQ(list[4]->YCoord, 8);
  EXPECT_EQ(list[4]->Align, 1);
  EXPECT_EQ(list[4]->CombineOp, 2);

  // The child-window controls: four frames each, cut side by side from the MDICONTROLS image.
  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE(k);
    const TDataSkinSysButton& b = *list[5 + k];
    EXPECT_EQ(b.Action, 7 + k);
    EXPECT_EQ(b.Align, 100);
    EXPECT_EQ(b.Visibility, 100);
    EXPECT_EQ(b.Visibility1, 100);
    EXPECT_EQ(b.FrameCount, 4);
    EXPECT_EQ(b.XCoord, 14 * (3 - k));
    ASSERT_EQ(b.Image.Width(), 40);
    EXPECT_EQ(b.Image.Height(), 18);
    EXPECT_EQ(const_cast<TDataSkinSysButton&>(b).Image.Pixel(0, 0), RGB(40 * k, 0, 0));
    EXPECT_EQ(const_cast<TDataSkinSysButton&>(b).Image.Pixel(39, 17), RGB(40 * k + 39, 0, 0));
  }
}

TEST(SkinDefinition, PushButtonImagesFrameCountsAndTextColours) {
  FixtureSkin skin;
  skin.definition =
      "[Colours]\nButtonText=9,9,9\n"
      "[Buttons]\nBitmap=push.bmp\nRadioButton=radio.bmp\nCheckButton=check.bmp\nTile=2\nTrans=1\nLeftWidth=3\n"
      "NormalColour=5\nNormalColour2=1,2,3\nPressedColour2=\n";
  skin.With("push.bmp", Bmp(100, 20)).With("radio.bmp", Bmp(78, 13)).With("check.bmp", Bmp(40, 16));
  auto data = Load(skin);
  TDataSkinButton& b = data->Buttons();
  EXPECT_EQ(b.Image.Width(), 100);
  EXPECT_EQ(b.FrameCount, 5);
  EXPECT_EQ(b.RadioButtonFrame, 6);   // 78 / 13
  EXPECT_EQ(b.CheckButtonFrame, 4);   // 40 / 16 is 2; at least 4
  EXPECT_EQ(b.Tile, 0);
  EXPECT_EQ(b.Trans, 1);
  EXPECT_EQ(b.LeftWidth, 3);
  EXPECT_EQ(b.NormalColour, 5);
  EXPECT_EQ(b.MouseOverColour, -1);
  EXPECT_TRUE(b.NormalColour2Given);
  EXPECT_FALSE(b.MouseOverColour2Given);
  EXPECT_FALSE(b.PressedColour2Given);
  EXPECT_EQ(b.NormalColour2, 0x030201);
  EXPECT_EQ(b.MouseOverColour2, 0x090909);  // the button text colour read before
  EXPECT_EQ(b.PressedColour2, 0x090909);

  skin.definition += "CheckButtonFrame=3\n";
  EXPECT_EQ(Load(skin)->Buttons().CheckButtonFrame, 3);
}

TEST(SkinDefinition, ReadValuesAreCorrectedPerKindOfElement) {
  FixtureSkin skin;
  skin.definition =
      "[Personality]\nmenuBar=e.bmp\nTileMenu=5\nTileRightMenu=4\n"
      "Left=e.bmp\nLeftTopHeight=4\nLeftBotHeight=5\nLeftStretch=3\n"
      "Top=e.bmp\nTopTopHeight=6\nTopBotHeight=7\nTopTrans=0\nTopFrame=2\n"
      "[Progress]\nBitmap=e.bmp\nTile=2\nStyle=1\nNormalColour=4\n"
      "[Progress.Chunk]\nImage=e.bmp\nTile=2\nFrame=3\n"
      "[MenuItem]\nImage=e.bmp\nTile=1\n"
      "[Tab.Pane]\nImage=e.bmp\nLeftWidth=9\nTopHeight=2\nRightWidth=5\nBottomHeight=4\n"
      "[GroupBox]\nImage=e.bmp\nBackgroundAlignment=2\nBackgroundLeftShift=3\nBackgroundRightShift=4\nFrame=9\n";
  skin.With("e.bmp", Bmp(40, 20));
  auto data = Load(skin);

  TDataSkinObject* menubar = data->Element("Personality");
  ASSERT_NE(menubar, nullptr);
  EXPECT_EQ(menubar->Tile, 1);
  EXPECT_EQ(menubar->LeftWidth, 1);
  EXPECT_EQ(menubar->RightWidth, 4);
  EXPECT_EQ(data->Left().TopHeight, 4);
  EXPECT_EQ(data->Left().BottomHeight, 5);
  EXPECT_EQ(data->Left().LeftWidth, 0);
  EXPECT_EQ(data->Left().Tile, 1);
  EXPECT_EQ(data->Left().Trans, 1);
  EXPECT_EQ(data->Left().FrameCount, 1);
  EXPECT_EQ(data->Top().LeftWidth, 6);
  EXPECT_EQ(data->Top().RightWidth, 7);
  EXPECT_EQ(data->Top().TopHeight, 0);
  EXPECT_EQ(data->Top().Trans, 0);
  EXPECT_EQ(data->Top().FrameCount, 2);
  EXPECT_TRUE(data->Bottom().Image.Empty());  // no image named

  TDataSkinObject* progress = data->Element("Progress");
  ASSERT_NE(progress, nullptr);
  EXPECT_EQ(progress->Tile, 1);          // progress bars keep tiling
  EXPECT_EQ(progress->NormalColour, -1);  // no colours are read for them
  EXPECT_EQ(data->Element("Progress.Chunk")->Tile, 0);
  EXPECT_EQ(data->Element("MenuItem")->Tile, 1);

  TDataSkinObject* pane = data->Element("Tab.Pane");
  EXPECT_EQ(pane->LeftWidth, 4);
  EXPECT_EQ(pane->TopHeight, 2);
  EXPECT_EQ(pane->RightWidth, 4);
  EXPECT_EQ(pane->BottomHeight, 4);

  auto* box = data->Elements().Find<TDataSkinBoxLabel>("GroupBox");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->BackgroundAlignment, 2);
  EXPECT_EQ(box->BackgroundLeftShift, 3);
  EXPECT_EQ(box->BackgroundRightShift, 4);
  EXPECT_EQ(box->FrameCount, 1);
}

TEST(SkinDefinition, FrameCountDefaults) {
  const char* const elements[] = {
      "GroupBoxEdge", "ToolBars", "ExtraImages", "MenuItem", "Trackbar.ThumbHorz", "Trackbar.ThumbVert",
      "Trackbar.ThumbLeft", "Trackbar.ThumbRight", "Trackbar.ThumbUp", "Trackbar.ThumbDown", "Headerbar",
      "Tab.Pane", "MenuBackground", "StatusBarEdges", "ComboButton", "SunkEdge", "HorzScroll", "VertScroll",
      "Scrollbar", "UpDown.Horz", "UpDown.Vert", "HorzScrollThumb", "VertScrollThumb", "Progress.Chunk",
      "Track", "TRACKVERT", "Tabs", "GroupBox"};
  FixtureSkin skin;
  skin.definition = "[Personality]\nmenuBar=e.bmp\n[Progress]\nBitmap=e.bmp\n";
  for (const char* e : elements) skin.definition += std::string("[") + e + "]\nImage=e.bmp\nFrame=7\n";
  skin.definition += "[HorzScrollThumb]\nFrameCount=9\n";  // a second section of a name is never read
  skin.With("e.bmp", Bmp(40, 21));
  auto data = Load(skin);

  const struct {
    const char* element;
    int frames;
  } expected[] = {
      {"Personality", 2}, {"GroupBoxEdge", 2}, {"Progress", 2}, {"Toolbar", 1}, {"ToolBars", 5}, {"Tabs", 5},
      {"ExtraImages", 5}, {"MenuItem", 5}, {"Trackbar.ThumbHorz", 5}, {"Trackbar.ThumbDown", 5},
      {"Headerbar", 7},   // given: kept
      {"Tab.Pane", 1}, {"GroupBox", 1}, {"MenuBackground", 1}, {"StatusBarEdges", 3}, {"ComboButton", 4},
      {"SunkEdge", 4}, {"HorzScroll", 4}, {"VertScroll", 4}, {"Scrollbar", 23}, {"UpDown.Horz", 8},
      {"UpDown.Vert", 8}, {"HorzScrollThumb", 3}, {"VertScrollThumb", 3}, {"Progress.Chunk", 7}, {"Track", 7},
      {"TRACKVERT", 7}};
  for (const auto& e : expected) {
    TDataSkinObject* element = data->Element(e.element);
    ASSERT_NE(element, nullptr) << e.element;
    EXPECT_EQ(element->FrameCount, e.frames) << e.element;
  }
  EXPECT_EQ(data->Title().FrameCount, 2);

  // Headerbar without a frame count, thumbs with their own key, a progress bar with a style.
  FixtureSkin other;
  other.definition =
      "[Headerbar]\nImage=e.bmp\n[HorzScrollThumb]\nImage=e.bmp\nFrameCount=9\n[Progress]\nBitmap=e.bmp\nStyle=1\n";
  other.With("e.bmp", Bmp(40, 21));
  auto second = Load(other);
  EXPECT_EQ(second->Element("Headerbar")->FrameCount, 5);
  EXPECT_EQ(second->Element("HorzScrollThumb")->FrameCount, 9);
  EXPECT_EQ(second->Element("Progress")->FrameCount, 1);
}

TEST(SkinDefinition, ElementsWithoutImagesAndImagesTheSkinLacks) {
  FixtureSkin skin;
  skin.definition =
      "[MenuItem]\nFrame=3\n"
      "[Scrollbar]\nImage=missing.bmp\n"
      "[HorzScroll]\nImage=e.BMP\n"
      "[VertScroll]\nImage=skins\\E.bmp\n"
      "[ExtraImages]\nImage=e\n"
      "[UpDown.Horz]\nImage=e.bmp\nGlyphImage=e.bmp\n";
  skin.With("e.bmp", Bmp(12, 6));
  auto data = Load(skin);
  EXPECT_EQ(data->Element("MenuItem"), nullptr);  // no image key: absent
  ASSERT_NE(data->Element("Scrollbar"), nullptr);
  EXPECT_TRUE(data->Element("Scrollbar")->Image.Empty());
  EXPECT_TRUE(data->Element("HorzScroll")->Image.Empty());   // only ".bmp" names are images
  EXPECT_TRUE(data->Element("ExtraImages")->Image.Empty());
  EXPECT_EQ(data->Element("VertScroll")->Image.Width(), 12);  // the file-name part, any case
  auto* updown = data->Elements().Find<TDataSkinBorder>("UpDown.Horz");
  ASSERT_NE(updown, nullptr);
  EXPECT_EQ(updown->Image2.Width(), 12);
}

TEST(SkinDefinition, ColoursAndTitleTextColours) {
  FixtureSkin skin;
  skin.definition =
      "[Colours]\nButtonFace=244 244 244\nHilight=197,231,246\nMenu=12\n"
      "[Personality]\nTextBack=e.bmp\nTextShift=5\nActiveTextR=255\nActiveTextG=0\n"
      "InActiveTextR=1\nInActiveTextG=2\nInActiveTextB=300\n"
      "[Fonts]\nFontHeight=17\n[TitlebarSkin]\nSkinName=Fixture\n";
  skin.With("e.bmp", Bmp(12, 6));
  auto data = Load(skin);
  EXPECT_EQ(data->SkinName(), "Fixture");
  EXPECT_EQ(data->Colours().ButtonFace, 0x00F4F4F4);
  EXPECT_EQ(data->Colours().Hilight, 0x00F6E7C5);
  EXPECT_EQ(data->Colours().Menu, 0);
  EXPECT_EQ(data->Colours().Menubar, 0x00F4F4F4);
  LOGBRUSH brush{};
  ASSERT_TRUE(GetObjectA(data->FaceBrush(), sizeof brush, &brush));
  EXPECT_EQ(brush.lbColor, 0x00F4F4F4u);

  TDataSkinTitle& title = data->Title();
  EXPECT_EQ(title.ActiveTextColor, kSkinColorNotGiven);  // no blue given
  EXPECT_EQ(title.InactiveTextColor, static_cast<SkinColor>(RGB(1, 2, 300 & 0xFF)));
  EXPECT_EQ(title.FontHeight, 17);
  EXPECT_EQ(title.LeftWidth, 5);
  EXPECT_EQ(title.Image.Width(), 12);

  skin.definition = "[Personality]\nTextBack=e.bmp\n";
  EXPECT_EQ(Load(skin)->Title().FontHeight, 14);
}

TEST(SkinDefinition, ASecondSkinFreesWhatTheFirstDefinedAndItDoesNot) {
  FixtureSkin first;
  first.definition =
      "[TitlebarSkin]\nSkinName=One\n[MenuItem]\nImage=e.bmp\n[Tabs]\nImage=e.bmp\n[Button1]\nAction=1\n"
      "[Buttons]\nBitmap=e.bmp\n";
  first.With("e.bmp", Bmp(30, 10));
  FixtureSkin second;
  second.definition = "[TitlebarSkin]\nSkinName=Two\n[ToolBars]\nImage=e.bmp\n";
  second.With("e.bmp", Bmp(30, 10));

  TSkinData data(nullptr);
  LoadFixture(data, first);
  TDataSkinButton* buttons = &data.Buttons();
  ASSERT_NE(data.Element("MenuItem"), nullptr);
  ASSERT_EQ(data.TitleButtons().size(), 4u);

  LoadFixture(data, second);
  EXPECT_EQ(data.SkinName(), "Two");
  EXPECT_EQ(data.Element("MenuItem"), nullptr);
  EXPECT_EQ(data.Element("Tabs"), nullptr);
  EXPECT_NE(data.Element("ToolBars"), nullptr);
  EXPECT_EQ(data.TitleButtons().size(), 3u);
  EXPECT_EQ(&data.Buttons(), buttons);  // the fixed elements are filled again, not replaced
  EXPECT_TRUE(data.Buttons().Image.Empty());
}

TEST(SkinDefinition, TrackElementsFallBackToTheProgramsOwn) {
  FixtureSkin skin;
  skin.definition = "[TitlebarSkin]\nSkinName=NoTrack\n";
  auto data = Load(skin);
  const struct {
    const char* element;
    int width, height;
  } builtin[] = {{"Track", 16, 4}, {"TRACKVERT", 4, 16}};
  for (const auto& b : builtin) {
    SCOPED_TRACE(b.element);
    TDataSkinObject* e = data->Element(b.element);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Image.Width(), b.width);
    EXPECT_EQ(e->Image.Height(), b.height);
    EXPECT_EQ(e->LeftWidth, 3);
    EXPECT_EQ(e->TopHeight, 3);
    EXPECT_EQ(e->RightWidth, 3);
    EXPECT_EQ(e->BottomHeight, 3);
    EXPECT_EQ(e->FrameCount, 1);
    EXPECT_EQ(e->Tile, 0);
  }

  skin.definition = "[Track]\nImage=t.bmp\nLeftWidth=1\n";
  skin.With("t.bmp", Bmp(8, 8));
  data = Load(skin);
  EXPECT_EQ(data->Element("Track")->Image.Width(), 8);
  EXPECT_EQ(data->Element("Track")->LeftWidth, 1);
  EXPECT_EQ(data->Element("TRACKVERT")->Image.Width(), 4);
}

// ComboButton's colours vary with x so that copies and mirror images can be told apart.
FixtureSkin ComboSkin(bool with_sunk_edge) {
  FixtureSkin skin;
  skin.definition = "[Colours]\nButtonFace=1,2,3\n[ComboButton]\nImage=combo.bmp\n";
  skin.With("combo.bmp", Bmp(68, 21, [](int x, int y) { return x < 8 && y < 8 ? kMagenta : RGB(0, 0, 100 + x); }));
  if (with_sunk_edge) {
    skin.definition += "[SunkEdge]\nImage=sunk.bmp\nTopHeight=2\nBottomHeight=3\nLeftWidth=6\n";
    skin.With("sunk.bmp", Bmp(80, 21, RGB(0, 160, 0)));
  }
  return skin;
}

TEST(SkinDefinition, ComboBoxCompositeAndArrow) {
  auto data = Load(ComboSkin(true));
  auto* combo = data->Elements().Find<TDataSkinBorder>("ComboButton");
  TDataSkinObject* sunk = data->Element("SunkEdge");
  ASSERT_NE(combo, nullptr);
  ASSERT_NE(sunk, nullptr);
  const int s = GetSystemMetrics(SM_CXHSCROLL) + 2;

  // The button's own image, mirrored, as read.
  ASSERT_EQ(combo->Image2.Width(), 68);
  EXPECT_EQ(combo->Image2.Pixel(0, 10), RGB(0, 0, 167));

  EXPECT_EQ(combo->Style, 2);
  EXPECT_EQ(combo->LeftWidth, 2);
  EXPECT_EQ(combo->RightWidth, s + 2);
  EXPECT_EQ(combo->TopHeight, 2);
  EXPECT_EQ(combo->BottomHeight, 3);
  ASSERT_EQ(combo->Image.Width(), 200);
  ASSERT_EQ(combo->Image.Height(), 21);
  for (int b = 0; b < 4; ++b) {
    SCOPED_TRACE(b);
    EXPECT_EQ(combo->Image.Pixel(50 * b + 10, 10), kMagenta);                 // the text hole
    EXPECT_EQ(combo->Image.Pixel(50 * b, 10), RGB(0, 160, 0));                // the sunken edge
    EXPECT_EQ(GetRValue(combo->Image.Pixel(50 * b + 50 - s / 2, 10)), 0);     // the button
    EXPECT_GE(GetBValue(combo->Image.Pixel(50 * b + 50 - s / 2, 10)), 100);
  }
  EXPECT_EQ(sunk->LeftWidth, s + 2);
  EXPECT_EQ(sunk->RightWidth, 2);
  ASSERT_EQ(sunk->Image.Width(), 200);
  for (int x : {0, 10, 49, 120, 199}) EXPECT_EQ(sunk->Image.Pixel(x, 5), combo->Image.Pixel(199 - x, 5)) << x;

  TDataSkinObject* arrow = data->Element("ComboxArrow");
  ASSERT_NE(arrow, nullptr);
  EXPECT_EQ(arrow->FrameCount, 4);
  ASSERT_EQ(arrow->Image.Width(), 68);
  ASSERT_EQ(arrow->Image.Height(), 17);
  for (int i = 0; i < 4; ++i)
    for (int d : {0, 8, 16})
      EXPECT_EQ(arrow->Image.Pixel(17 * i + d, d), combo->Image.Pixel(50 * (i + 1) - 19 + d, 2 + d)) << i << "," << d;
}

TEST(SkinDefinition, ComboArrowWithoutSunkEdgeTakesTheFaceColourForMagenta) {
  auto data = Load(ComboSkin(false));
  TDataSkinObject* arrow = data->Element("ComboxArrow");
  ASSERT_NE(arrow, nullptr);
  EXPECT_EQ(arrow->FrameCount, 4);
  EXPECT_EQ(arrow->Image.Pixel(3, 3), RGB(1, 2, 3));
  EXPECT_EQ(arrow->Image.Pixel(30, 3), RGB(0, 0, 130));
  EXPECT_EQ(data->Element("ComboButton")->Style, 0);
}

TEST(SkinDefinition, ToolbarBackgroundAndFrameColour) {
  FixtureSkin skin;
  skin.definition = "[Colours]\nButtonFace=5,6,7\n[Personality]\nTop=top.bmp\nTopFrame=2\n";
  skin.With("top.bmp", Bmp(30, 12, [](int x, int y) { return RGB(x, y, 77); }));
  auto data = Load(skin);
  EXPECT_EQ(data->FrameColor(), static_cast<zfw::TColor>(RGB(10, 2, 77)));  // (30 / 3, 12 / 2 / 3)

  TDataSkinObject* toolbar = data->Element("Toolbar");
  ASSERT_NE(toolbar, nullptr);
  EXPECT_EQ(toolbar->FrameCount, 1);
  ASSERT_EQ(toolbar->Image.Width(), 10);
  ASSERT_EQ(toolbar->Image.Height(), 40);
  EXPECT_EQ(toolbar->Image.Pixel(0, 0), static_cast<COLORREF>(MixColors(RGB(5, 6, 7), zfw::clWhite, 150)));
  EXPECT_EQ(toolbar->Image.Pixel(9, 0), toolbar->Image.Pixel(0, 0));  // lines run across

  skin.definition = "[Colours]\nButtonFace=5,6,7\n";
  EXPECT_EQ(Load(skin)->FrameColor(), static_cast<zfw::TColor>(RGB(5, 6, 7)));
  skin.definition = "[Personality]\nTop=top.bmp\nTopFrame=0\n";  // no division by a zero frame count
  EXPECT_EQ(Load(skin)->FrameColor(), static_cast<zfw::TColor>(RGB(10, 4, 77)));
}

}  // namespace
}  // namespace zembrel::test

namespace zembrel::test {
namespace {

// Definitions with values no skin author means: zero and negative frame counts, edges larger
// than their images, tiny images where parts are cut out. Each must load, not fault.
TEST(SkinDefinition, HostileValuesLoadWithoutFault) {
  const char* const sections[] = {
      "Personality", "Buttons", "Progress", "Progress.Chunk", "GroupBoxEdge", "GroupBox", "Tabs", "StatusBarEdges",
      "Tab.Pane", "ToolBars", "ComboButton", "SunkEdge", "ExtraImages", "Headerbar", "MenuItem", "HorzScrollThumb",
      "UpDown.Vert", "Track", "MDICONTROLS", "Button1", "Button2", "Colours", "Colour1", "Customcolors", "Fonts"};
  const char* const keys[] = {
      "Image", "Bitmap", "ButtonImage", "menuBar", "Top", "Left", "TextBack", "RadioButton", "CheckButton", "Border",
      "GlyphImage", "Frame", "frame", "TopFrame", "LeftWidth", "RightWidth", "TopHeight", "BottomHeight", "Tile",
      "Trans", "Style", "Action", "Visibility", "FrameCount", "TopTopHeight", "ButtonFace", "color", "Color3",
      "FontHeight", "RadioButtonFrame", "NormalColour2", "ActiveTextB"};
  const char* const values[] = {"a.bmp", "b.bmp", "c.bmp", "missing.bmp", "0", "-1", "-7", "2", "3", "11",
                                "99999", "0x7FFFFFFF", "-2147483648", "1,2", "300 300 300", "", "=", "x.BMP"};
  FixtureSkin skin;
  skin.With("a.bmp", Bmp(1, 1)).With("b.bmp", Bmp(11, 2)).With("c.bmp", Bmp(200, 40, RGB(255, 0, 255)));
  uint32_t seed = 12345;
  auto next = [&seed](size_t n) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<size_t>((seed >> 8) % n);
  };
  // First the parts cut from other images, each from an image too small for it.
  const std::string cut_from_tiny =
      "[Personality]\nTop=a.bmp\nTopFrame=-7\nmenuBar=a.bmp\nTileLeftMenu=99999\n"
      "[SunkEdge]\nImage=a.bmp\nLeftWidth=99999\nTopHeight=-5\n[ComboButton]\nImage=a.bmp\nRightWidth=-3\n"
      "[ExtraImages]\nImage=b.bmp\n[MDICONTROLS]\nImage=b.bmp\n[Button1]\nAction=1\nButtonImage=a.bmp\n"
      "[Buttons]\nRadioButton=a.bmp\nCheckButton=c.bmp\n";
  for (int round = 0; round < 150; ++round) {
    skin.definition = round == 0 ? cut_from_tiny : std::string();
    for (int line = 0; line < (round == 0 ? 0 : 60); ++line) {
      if (next(6) == 0) skin.definition += std::string("[") + sections[next(std::size(sections))] + "]\n";
      skin.definition += std::string(keys[next(std::size(keys))]) + "=" + values[next(std::size(values))] + "\n";
    }
    TSkinData data(nullptr);
    ASSERT_NO_THROW(LoadFixture(data, skin)) << skin.definition;
    ASSERT_FALSE(data.Loading()) << skin.definition;
  }
}

}  // namespace
}  // namespace zembrel::test
