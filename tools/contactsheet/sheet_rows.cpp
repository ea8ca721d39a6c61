#include "tools/contactsheet/sheet_rows.h"

#include <algorithm>
#include <map>

namespace zembrel {
namespace {

// "120 x 22, 5 frames of 24 x 22".
std::string SizeFact(const zfw::TBitmap& image, int frames, bool vertical) {
  if (image.Empty()) return "no image";
  std::string s = std::to_string(image.Width()) + " x " + std::to_string(image.Height());
  if (frames < 1) return s + ", no frames";
  const int fw = vertical ? image.Width() : image.Width() / frames;
  const int fh = vertical ? image.Height() / frames : image.Height();
  return s + ", " + std::to_string(frames) + (frames == 1 ? " frame" : " frames") + " of " + std::to_string(fw) +
         " x " + std::to_string(fh) + (vertical && frames > 1 ? " (stacked)" : "");
}

std::vector<std::string> ElementFacts(const TDataSkinObject& e, int frames, bool vertical) {
  return {
      SizeFact(e.Image, frames, vertical),
      "edges L" + std::to_string(e.LeftWidth) + " T" + std::to_string(e.TopHeight) + " R" +
          std::to_string(e.RightWidth) + " B" + std::to_string(e.BottomHeight),
      "Trans " + std::to_string(e.Trans) + "  Tile " + std::to_string(e.Tile) + "  Style " + std::to_string(e.Style)};
}

// What the frames of an element show, where the painting code gives each frame one meaning.
std::vector<std::string> StatesOf(const std::string& name) {
  using States = std::vector<std::string>;
  static const States active{"active", "inactive"};
  static const States combo{"normal", "pressed", "disabled", "hot"};  // the combo painter's order
  static const States thumb{"normal", "pressed", "hot"};
  static const States track{"enabled", "", "disabled"};
  static const std::map<std::string, States> states = {
      {"Left", active},
      {"Right", active},
      {"Top", active},
      {"Bottom", active},
      {"Personality", active},
      {"Buttons", {"normal", "pressed", "disabled", "hot", "focused"}},
      {"Progress", {"track", "filled"}},
      {"GroupBoxEdge", {"normal", "disabled"}},
      {"StatusBarEdges", {"lowered", "raised", "flat"}},
      {"ComboButton", combo},
      {"ExtraImages", combo},
      {"ComboxArrow", combo},
      {"MenuItem", {"normal", "separator", "disabled", "selected", "pressed"}},
      {"HorzScroll", track},
      {"VertScroll", track},
      {"HorzScrollThumb", thumb},
      {"VertScrollThumb", thumb},
  };
  const auto it = states.find(name);
  return it == states.end() ? std::vector<std::string>{} : it->second;
}

SheetRow ElementRow(TDataSkinObject& e, const std::string& title, bool vertical = false) {
  SheetRow row;
  row.title = title;
  row.image = &e.Image;
  row.frames = e.FrameCount;
  row.vertical = vertical;
  row.transparent = e.Trans != 0;
  row.facts = ElementFacts(e, e.FrameCount, vertical);
  row.states = StatesOf(e.Name);
  return row;
}

// A further image of an element, cut into as many frames as the element's own.
SheetRow SecondImageRow(TDataSkinObject& e, zfw::TBitmap& image, const std::string& what, int frames,
                        bool transparent) {
  SheetRow row;
  row.title = e.Name + ": " + what;
  row.image = &image;
  row.frames = frames;
  row.transparent = transparent;
  row.facts = {SizeFact(image, frames, false), "Trans " + std::string(transparent ? "1" : "0")};
  return row;
}

std::string ActionName(int action) {
  switch (action) {
    case 0:
      return "close";
    case 1:
      return "maximise / restore";
    case 2:
      return "minimise";
    case 3:
      return "system menu";
    case 7:
      return "child close";
    case 8:
      return "child restore";
    case 9:
      return "child minimise";
    default:
      return "action " + std::to_string(action);
  }
}

SheetRow TitleButtonRow(TDataSkinSysButton& b) {
  SheetRow row = ElementRow(b, b.Name + " (" + ActionName(b.Action) + ")");
  row.facts = {SizeFact(b.Image, b.FrameCount, false),
               "Action " + std::to_string(b.Action) + "  Align " + std::to_string(b.Align) + "  at " +
                   std::to_string(b.XCoord) + ", " + std::to_string(b.YCoord),
               "Visibility " + std::to_string(b.Visibility) + " / " + std::to_string(b.Visibility1) + "  Trans " +
                   std::to_string(b.Trans)};
  row.states = {"normal", "pressed", "hot", "disabled"};
  row.transparent = true;  // caption buttons are always drawn colour-keyed
  return row;
}

}  // namespace

const std::vector<std::string>& KnownElementNames() {
  static const std::vector<std::string> names = {"Personality",
                                                 "Progress",
                                                 "Progress.Chunk",
                                                 "GroupBoxEdge",
                                                 "GroupBox",
                                                 "Tabs",
                                                 "StatusBarEdges",
                                                 "Tab.Pane",
                                                 "ToolBars",
                                                 "Toolbar",
                                                 "ComboButton",
                                                 "SunkEdge",
                                                 "ComboxArrow",
                                                 "ExtraImages",
                                                 "Headerbar",
                                                 "MenuItem",
                                                 "MenuBackground",
                                                 "Scrollbar",
                                                 "HorzScroll",
                                                 "VertScroll",
                                                 "HorzScrollThumb",
                                                 "VertScrollThumb",
                                                 "Trackbar.ThumbHorz",
                                                 "Trackbar.ThumbVert",
                                                 "Trackbar.ThumbLeft",
                                                 "Trackbar.ThumbRight",
                                                 "Trackbar.ThumbUp",
                                                 "Trackbar.ThumbDown",
                                                 "UpDown.Horz",
                                                 "UpDown.Vert",
                                                 "Track",
                                                 "TRACKVERT"};
  return names;
}

std::vector<SheetRow> CollectRows(TSkinData& data, int& not_shown) {
  std::vector<SheetRow> rows;
  // The window frame: the side borders hold their frames side by side, the title bar and the
  // bottom border one above the other.
  rows.push_back(ElementRow(data.Top(), "Top (title bar)", true));
  rows.push_back(ElementRow(data.Left(), "Left"));
  rows.push_back(ElementRow(data.Right(), "Right"));
  rows.push_back(ElementRow(data.Bottom(), "Bottom", true));
  SheetRow title = ElementRow(data.Title(), "Title (TextBack)");
  title.facts.push_back("FontHeight " + std::to_string(data.Title().FontHeight) + "  TextAlignment " +
                        std::to_string(data.Title().TextAlignment));
  title.states = {"active", "inactive"};
  rows.push_back(std::move(title));
  for (const auto& b : data.TitleButtons()) rows.push_back(TitleButtonRow(*b));

  TDataSkinButton& buttons = data.Buttons();
  rows.push_back(ElementRow(buttons, "Buttons"));
  // Check boxes and radio buttons are drawn transparently whatever the element's Trans says.
  SheetRow check = SecondImageRow(buttons, buttons.CheckImage, "check box", buttons.CheckButtonFrame, true);
  SheetRow radio = SecondImageRow(buttons, buttons.RadioImage, "radio button", buttons.RadioButtonFrame, true);
  rows.push_back(std::move(check));
  rows.push_back(std::move(radio));

  int found = 0;
  for (const std::string& name : KnownElementNames()) {
    TDataSkinObject* e = data.Element(name);
    if (!e) continue;
    ++found;
    rows.push_back(ElementRow(*e, e->Name == name ? name : name + " (built-in " + e->Name + ")"));
    if (name == "Progress.Chunk") rows.back().transparent = true;  // the progress bar keys its chunks
    if (auto* border = dynamic_cast<TDataSkinBorder*>(e); border && !border->Image2.Empty())
      rows.push_back(SecondImageRow(*e, border->Image2, "second image", e->FrameCount, e->Trans != 0));
  }
  not_shown = data.Elements().Count() - found;
  return rows;
}

}  // namespace zembrel
