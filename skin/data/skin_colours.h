// The skin's colours: the colour text of a definition value, and the colour table read from a
// definition. Platform-free; colours are 32-bit colour references (0x00BBGGRR for a fixed colour,
// 0xFF0000nn for system colour nn, resolved by whoever paints with it).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zembrel {

class TQuickIni;

using SkinColor = std::int32_t;

inline constexpr SkinColor SkinSystemColor(int index) { return static_cast<SkinColor>(0xFF000000u | unsigned(index)); }
inline constexpr SkinColor kSkinWhite = 0x00FFFFFF;
// A title text colour the definition does not give.
inline constexpr SkinColor kSkinColorNotGiven = 0x1FFFFFFF;

// A colour written as up to three runs of decimal digits, red, green and blue ("244 244 244",
// "197,231,246"); any other character ends a run, each run is taken modulo 256, and a missing
// component is 0. A run at the very end of the text counts only when it is the third one, so
// "12" is black and "12,0" is red 12. An empty text gives the default.
SkinColor ParseColourText(std::string_view text, SkinColor def);

// The colours of section "Colours", the "Colour..." sections and section "Customcolors".
struct TSkinColours {
  SkinColor WindowText = SkinSystemColor(8);
  SkinColor ButtonFace = SkinSystemColor(15);
  SkinColor Scrollbar = SkinSystemColor(0);
  SkinColor HilightText = SkinSystemColor(14);
  SkinColor Hilight = SkinSystemColor(13);
  SkinColor Menubar = SkinSystemColor(15);
  SkinColor Menu = SkinSystemColor(4);
  SkinColor MenuText = SkinSystemColor(7);
  SkinColor ButtonText = SkinSystemColor(18);
  SkinColor ButtonHilight = SkinSystemColor(20);
  SkinColor Buttonlight = SkinSystemColor(20);
  SkinColor ButtonShadow = SkinSystemColor(16);
  SkinColor ButtonDkShadow = SkinSystemColor(21);
  SkinColor MenuBarText = SkinSystemColor(7);
  SkinColor TitleTextActive = SkinSystemColor(9);
  SkinColor TitleTextNoActive = SkinSystemColor(19);
  // One per section whose name starts with "COLOUR" (not "COLOURS"), in text order.
  std::vector<SkinColor> SectionColors;
  std::array<SkinColor, 10> CustomColors{};
};

// Reads the whole colour table; keys that are absent or empty take their defaults. sections are
// the definition's section names in text order (TQuickIni::ReadSections).
TSkinColours ReadSkinColours(const TQuickIni& ini, const std::vector<std::string>& sections);

}  // namespace zembrel
