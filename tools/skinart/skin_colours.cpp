#include "tools/skinart/skin_colours.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace zembrel::skinart {
namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Rgb Lookup(const TQuickIni& ini, std::string_view section, std::string_view key) {
  Rgb c;
  if (!ParseColourText(ini.ReadString(section, key, ""), c))
    throw std::runtime_error("no colour " + std::string(key) + " in [" + std::string(section) + "]");
  return c;
}

}  // namespace

bool ParseColourText(std::string_view text, Rgb& out) {
  int parts[3] = {0, 0, 0};
  int count = 0;
  bool any = false;
  for (std::size_t i = 0; i < text.size() && count < 3;) {
    if (text[i] < '0' || text[i] > '9') {
      ++i;
      continue;
    }
    unsigned value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) value = (value * 10 + unsigned(text[i] - '0')) & 0xFFFF;
    any = true;
    // The reader takes a run that ends the text only as the third number.
    if (i == text.size() && count != 2) break;
    parts[count++] = int(value & 0xFF);
  }
  out = Rgb{std::uint8_t(parts[0]), std::uint8_t(parts[1]), std::uint8_t(parts[2])};
  return any;
}

SkinColours SkinColours::Load(const std::string& definition_path, const std::string& palette_path) {
  return FromTexts(ReadText(definition_path), ReadText(palette_path));
}

SkinColours SkinColours::FromTexts(std::string_view definition, std::string_view palette) {
  SkinColours c;
  c.definition_.LoadFromString(definition);
  c.palette_.LoadFromString(palette);
  return c;
}

Rgb SkinColours::Art(std::string_view key) const { return Lookup(palette_, "Palette", key); }
Rgb SkinColours::Table(std::string_view key) const { return Lookup(definition_, "Colours", key); }

}  // namespace zembrel::skinart
