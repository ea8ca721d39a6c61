// The colours the skin bitmaps are drawn with: the artwork palette (resources/skin/palette.ini,
// section [Palette]) and the colour table of the skin definition ([Colours] of zembrel.ini), so
// that pixels which must match a colour of the table (the face, the menu, the selection) are
// drawn from the table itself.
#pragma once

#include <string>
#include <string_view>

#include "skin/storage/quick_ini.h"
#include "tools/skinart/image.h"

namespace zembrel::skinart {

// Colour text as the skin reader takes it: the first three runs of decimal digits are red, green
// and blue, each kept to its low byte; a run that ends the text counts only as the third, missing
// numbers are 0. False when the text holds no digits.
bool ParseColourText(std::string_view text, Rgb& out);

class SkinColours {
 public:
  static SkinColours Load(const std::string& definition_path, const std::string& palette_path);
  static SkinColours FromTexts(std::string_view definition, std::string_view palette);

  // A colour of the palette; throws std::runtime_error naming a missing or malformed key.
  Rgb Art(std::string_view key) const;
  // A colour of the definition's table; throws likewise.
  Rgb Table(std::string_view key) const;

 private:
  TQuickIni definition_, palette_;
};

}  // namespace zembrel::skinart
