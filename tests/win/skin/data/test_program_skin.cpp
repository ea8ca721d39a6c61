// The program's own skin, read the way the main window reads it: through a stored form's
// SkinStream.
#include <gtest/gtest.h>

#include "framework/description.h"
#include "framework/forms.h"
#include "skin_fixture.h"

namespace zembrel::test {
namespace {

TEST(ProgramSkin, LoadsCompletelyFromAStoredForm) {
  RecordingLink link;
  RegisterSkinDataClass();
  const std::string packed = zfw::ResourceText("ZEMBREL_SKIN");
  ASSERT_FALSE(packed.empty());
  const std::vector<uint8_t> stored = StoredStream(std::vector<uint8_t>(packed.begin(), packed.end()));
  zfw::TForm form(nullptr);
  zfw::ReadDescription(form, "object Form1: TForm\n  object SkinData1: TSkinData\n    Active = True\n"
                             "    SkinStream = {" + Hex(stored) + "}\n  end\nend\n");
  auto* data = dynamic_cast<TSkinData*>(form.FindComponent("SkinData1"));
  ASSERT_NE(data, nullptr);
  EXPECT_FALSE(data->Loading());
  EXPECT_TRUE(data->Active());
  EXPECT_EQ(link.calls.back(), "loaded active SkinData1");

  // Every image the definition names is in the container.
  for (TDataSkinBorder* border : {&data->Left(), &data->Right(), &data->Top(), &data->Bottom()})
    EXPECT_FALSE(border->Image.Empty()) << border->Name;
  EXPECT_FALSE(data->Title().Image.Empty());
  EXPECT_FALSE(data->Buttons().Image.Empty());
  EXPECT_FALSE(data->Buttons().CheckImage.Empty());
  EXPECT_FALSE(data->Buttons().RadioImage.Empty());
  for (const char* name : {"Progress", "Progress.Chunk", "GroupBoxEdge", "GroupBox", "StatusBarEdges", "ComboButton",
                           "SunkEdge", "ExtraImages", "MenuItem", "MenuBackground", "Scrollbar", "HorzScroll",
                           "VertScroll", "HorzScrollThumb", "VertScrollThumb", "Personality", "ComboxArrow",
                           "Toolbar"}) {
    TDataSkinObject* e = data->Element(name);
    ASSERT_NE(e, nullptr) << name;
    EXPECT_FALSE(e->Image.Empty()) << name;
  }
  // Its caption buttons (the system's five and the help button) give their frame counts, so each
  // keeps its image; it has no child-window control images (actions 7 to 9).
  ASSERT_EQ(data->TitleButtons().size(), 6u + 3u);
  for (const auto& b : data->TitleButtons())
    EXPECT_EQ(b->Image.Empty(), b->Action >= 7 && b->Action <= 9) << b->Name;

  // The skin has no track section of its own: the program's track channels stand in.
  EXPECT_EQ(data->Element("Track")->Name, "TRACK");
  EXPECT_EQ(data->Element("Track")->Image.Width(), 16);
  EXPECT_EQ(data->Element("TRACKVERT")->Name, "TRACKVERT");
  EXPECT_EQ(data->Element("TRACKVERT")->Image.Height(), 16);
}

}  // namespace
}  // namespace zembrel::test
