#include "tools/contactsheet/colour_table.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "skin/paint/skin_paint.h"

namespace zembrel::sheet {
namespace {

constexpr int kColumns = 3;
constexpr int kSwatchWidth = 36, kSwatchHeight = 18;
constexpr int kSampleColumns = 4;
constexpr int kSampleWidth = 240, kSampleHeight = 22;
const wchar_t* const kSampleText = L"Zembrel 批量修改 Abc 123";

struct ColourKey {
  std::string name;
  SkinColor colour;
};

std::vector<ColourKey> ColourKeys(const TSkinColours& c) {
  std::vector<ColourKey> keys = {{"WindowText", c.WindowText},
                                 {"ButtonFace", c.ButtonFace},
                                 {"Scrollbar", c.Scrollbar},
                                 {"HilightText", c.HilightText},
                                 {"Hilight", c.Hilight},
                                 {"Menubar", c.Menubar},
                                 {"Menu", c.Menu},
                                 {"MenuText", c.MenuText},
                                 {"ButtonText", c.ButtonText},
                                 {"ButtonHilight", c.ButtonHilight},
                                 {"Buttonlight", c.Buttonlight},
                                 {"ButtonShadow", c.ButtonShadow},
                                 {"ButtonDkShadow", c.ButtonDkShadow},
                                 {"MenuBarText", c.MenuBarText},
                                 {"TitleTextActive", c.TitleTextActive},
                                 {"TitleTextNoActive", c.TitleTextNoActive}};
  for (size_t i = 0; i < c.SectionColors.size(); ++i)
    keys.push_back({"Colour section " + std::to_string(i + 1), c.SectionColors[i]});
  for (size_t i = 0; i < c.CustomColors.size(); ++i) keys.push_back({"Color" + std::to_string(i), c.CustomColors[i]});
  return keys;
}

// "240 244 249", or "system 15 = 240 240 240" for a system colour reference.
std::string ColourText(SkinColor colour) {
  const COLORREF rgb = zfw::ColorToRGB(colour);
  char text[64];
  std::snprintf(text, sizeof text, "%d %d %d", GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
  if ((static_cast<uint32_t>(colour) & 0xFF000000u) == 0xFF000000u)
    return "system " + std::to_string(colour & 0xFF) + " = " + text;
  return text;
}

// A text colour on a background: a solid colour, or frame k of an element rendered to the box.
struct Sample {
  std::string label;
  COLORREF text;
  COLORREF face;
  TDataSkinObject* element = nullptr;
  int frame = 1;
  bool title_bar = false;  // the Top border: frames stacked, Tile holding its Stretch value
};

std::vector<Sample> Samples(TSkinData& data) {
  const TSkinColours& c = data.Colours();
  auto rgb = [](SkinColor colour) { return zfw::ColorToRGB(colour); };
  const COLORREF face = rgb(c.ButtonFace);
  const COLORREF disabled = GetSysColor(COLOR_BTNSHADOW);  // what disabled buttons and boxes use
  std::vector<Sample> s = {
      {"ButtonText on ButtonFace", rgb(c.ButtonText), face},
      {"WindowText on ButtonFace", rgb(c.WindowText), face},
      {"MenuText on Menu", rgb(c.MenuText), rgb(c.Menu)},
      {"ButtonShadow (disabled item) on Menu", rgb(c.ButtonShadow), rgb(c.Menu)},
      {"HilightText on Hilight", rgb(c.HilightText), rgb(c.Hilight)},
      {"MenuBarText on Menubar", rgb(c.MenuBarText), rgb(c.Menubar)},
  };
  const TDataSkinTitle& title = data.Title();
  const bool active_given = title.ActiveTextColor != kSkinColorNotGiven;
  const bool inactive_given = title.InactiveTextColor != kSkinColorNotGiven;
  s.push_back({std::string(active_given ? "Title active text" : "TitleTextActive") + " on Top, active",
               rgb(active_given ? title.ActiveTextColor : c.TitleTextActive), face, &data.Top(), 1, true});
  s.push_back({std::string(inactive_given ? "Title inactive text" : "TitleTextNoActive") + " on Top, inactive",
               rgb(inactive_given ? title.InactiveTextColor : c.TitleTextNoActive), face, &data.Top(), 2, true});
  TDataSkinButton& b = data.Buttons();
  s.push_back(
      {"NormalColour2 on Buttons, normal", rgb(b.NormalColour2Given ? b.NormalColour2 : c.ButtonText), face, &b, 1});
  s.push_back({"PressedColour2 on Buttons, pressed", rgb(b.PressedColour2Given ? b.PressedColour2 : c.ButtonText), face,
               &b, 2});
  s.push_back({"button shadow on Buttons, disabled", disabled, face, &b, 3});
  s.push_back({"MouseOverColour2 on Buttons, hot", rgb(b.MouseOverColour2Given ? b.MouseOverColour2 : c.ButtonText),
               face, &b, 4});
  if (TDataSkinObject* item = data.Element("MenuItem")) {
    s.push_back({"MenuText on MenuItem, normal", rgb(c.MenuText), rgb(c.Menu), item, 1});
    s.push_back({"HilightText on MenuItem, selected", rgb(c.HilightText), rgb(c.Menu), item, 4});
  }
  if (TDataSkinObject* bar = data.Element("Personality"))
    s.push_back({"MenuBarText on the menu bar", rgb(c.MenuBarText), rgb(c.Menubar), bar, 1});
  if (TDataSkinObject* status = data.Element("StatusBarEdges"))
    s.push_back({"NormalColour2 on StatusBarEdges, lowered", rgb(status->NormalColour2), face, status, 1});
  return s;
}

int SampleHeight(const Sample& s) {
  if (!s.element || s.element->Image.Empty() || s.element->FrameCount < 1) return kSampleHeight;
  const int h = s.title_bar ? s.element->Image.Height() / s.element->FrameCount : s.element->Image.Height();
  return std::max(kSampleHeight, h);
}

void DrawSample(Pass& pass, const Sample& s, const RECT& box) {
  pass.Fill(box, s.face);
  if (!pass.Drawing()) return;
  if (TDataSkinObject* e = s.element) {
    const Margins margins{e->LeftWidth, e->TopHeight, e->RightWidth, e->BottomHeight};
    // A frame border stretches its middle when Tile is 1; other elements tile it then.
    const bool tile = s.title_bar ? e->Tile != 1 : e->Tile == 1;
    PaintElement(pass.Dc(), box, e->Image, s.title_bar, tile, e->Trans != 0, e->FrameCount, s.frame, margins);
  }
  const SIZE extent = pass.Measure(kSampleText, pass.Font().sample.get());
  pass.Text(box.left + 8, box.top + (box.bottom - box.top - extent.cy) / 2, kSampleText, pass.Font().sample.get(),
            s.text);
}

}  // namespace

int PaintColourTable(Pass& pass, TSkinData& data, int y) {
  const int top = y;
  y += pass.Text(kMargin, y, L"Colours", pass.Font().title.get(), kInk).cy + 6;

  const std::vector<ColourKey> keys = ColourKeys(data.Colours());
  const int column_width = (pass.Width() - 2 * kMargin) / kColumns;
  const int line = kSwatchHeight + 6;
  const int rows = (static_cast<int>(keys.size()) + kColumns - 1) / kColumns;
  for (size_t i = 0; i < keys.size(); ++i) {
    // Down the columns, so that the colour table reads in its own order.
    const int x = kMargin + static_cast<int>(i) / rows * column_width;
    const int ky = y + static_cast<int>(i) % rows * line;
    const RECT swatch{x, ky, x + kSwatchWidth, ky + kSwatchHeight};
    pass.Fill(swatch, zfw::ColorToRGB(keys[i].colour));
    pass.Frame(swatch, kDim);
    const int tx = x + kSwatchWidth + 8;
    const int w = pass.Text(tx, ky + 2, Wide(keys[i].name), pass.Font().title.get(), kInk).cx;
    pass.Text(tx + std::max(w + 8, 130), ky + 3, Wide(ColourText(keys[i].colour)), pass.Font().body.get(), kDim);
  }
  y += rows * line + 12;

  y += pass.Text(kMargin, y, L"Text in the skin's colours, 12 pixels, on the backgrounds they are used on",
                 pass.Font().title.get(), kInk)
           .cy +
       6;
  const std::vector<Sample> samples = Samples(data);
  const int sample_column = (pass.Width() - 2 * kMargin) / kSampleColumns;
  for (size_t first = 0; first < samples.size(); first += kSampleColumns) {
    int line_height = 0;
    for (size_t i = first; i < std::min(samples.size(), first + kSampleColumns); ++i) {
      const int x = kMargin + static_cast<int>(i - first) * sample_column;
      const RECT box{x, y, x + std::min(kSampleWidth, sample_column - 12), y + SampleHeight(samples[i])};
      DrawSample(pass, samples[i], box);
      pass.Frame(RECT{box.left - 1, box.top - 1, box.right + 1, box.bottom + 1}, kRule);
      const int label = pass.Text(x, box.bottom + 3, Wide(samples[i].label), pass.Font().body.get(), kDim).cy;
      line_height = std::max(line_height, static_cast<int>(box.bottom - box.top) + 3 + label);
    }
    y += line_height + 12;
  }
  return y - top;
}

}  // namespace zembrel::sheet
