#include "skin/data/skin_colours.h"

#include <string>

#include "skin/data/definition_rules.h"
#include "skin/storage/quick_ini.h"
#include "skin/storage/text_lines.h"

namespace zembrel {

SkinColor ParseColourText(std::string_view text, SkinColor def) {
  text = TrimBlanks(text);
  if (text.empty()) return def;
  std::array<unsigned, 3> rgb{};
  size_t runs = 0;
  unsigned value = 0;
  bool in_run = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      value = (value * 10 + unsigned(c - '0')) % 256;  // only the low byte is kept
      in_run = true;
      continue;
    }
    if (in_run && runs < rgb.size()) rgb[runs] = value;
    if (in_run) ++runs;
    in_run = false;
    value = 0;
  }
  // The last run has no character after it: it counts only as the blue component.
  if (in_run && runs == 2) rgb[2] = value;
  return static_cast<SkinColor>(rgb[0] | (rgb[1] << 8) | (rgb[2] << 16));
}

namespace {

SkinColor ReadColour(const TQuickIni& ini, std::string_view section, std::string_view key, SkinColor def) {
  return ParseColourText(ini.ReadString(section, key, ""), def);
}

}  // namespace

TSkinColours ReadSkinColours(const TQuickIni& ini, const std::vector<std::string>& sections) {
  TSkinColours c;
  const auto colour = [&](std::string_view key, SkinColor def) { return ReadColour(ini, "Colours", key, def); };
  c.WindowText = colour("WindowText", SkinSystemColor(8));
  c.ButtonFace = colour("ButtonFace", SkinSystemColor(15));
  c.Scrollbar = colour("Scrollbar", SkinSystemColor(0));
  c.HilightText = colour("HilightText", SkinSystemColor(14));
  c.Hilight = colour("Hilight", SkinSystemColor(13));
  c.Menubar = colour("Menubar", c.ButtonFace);
  c.Menu = colour("Menu", SkinSystemColor(4));
  c.MenuText = colour("MenuText", SkinSystemColor(7));
  c.ButtonText = colour("ButtonText", SkinSystemColor(18));
  c.ButtonHilight = colour("ButtonHilight", SkinSystemColor(20));
  c.Buttonlight = colour("Buttonlight", SkinSystemColor(20));
  c.ButtonShadow = colour("ButtonShadow", SkinSystemColor(16));
  c.ButtonDkShadow = colour("ButtonDkShadow", SkinSystemColor(21));
  c.MenuBarText = colour("MenuBarText", SkinSystemColor(7));
  c.TitleTextActive = colour("TitleTextActive", SkinSystemColor(9));
  c.TitleTextNoActive = colour("TitleTextNoActive", SkinSystemColor(19));

  for (const std::string& name : sections) {
    const std::string upper = AsciiUpper(name);
    if (upper.rfind("COLOUR", 0) == 0 && upper != "COLOURS")
      c.SectionColors.push_back(ReadColour(ini, name, "color", SkinSystemColor(8)));
  }
  for (size_t i = 0; i < c.CustomColors.size(); ++i)
    c.CustomColors[i] = ReadColour(ini, "Customcolors", "Color" + std::to_string(i), kSkinWhite);
  return c;
}

}  // namespace zembrel
