#include "tools/skinart/engine_resources.h"

#include "tools/skinart/glyphs.h"

namespace zembrel::skinart {

Image MenuGlyphs() {
  constexpr Rgb kWhite{255, 255, 255}, kInk{0, 0, 0};
  Image strip(64, 16, kWhite);
  const Pattern glyphs[] = {RestoreGlyph(), MaximiseGlyph(), MinimiseGlyph(), CloseGlyph()};
  constexpr int inset = (16 - kGlyphSize) / 2;
  for (int i = 0; i < 4; ++i) Stamp(strip, i * 16 + inset, inset, glyphs[i], kInk);
  return strip;
}

Image TrackChannel(bool vertical) {
  constexpr Rgb kShadow{143, 163, 192}, kGroove{220, 228, 239}, kLight{255, 255, 255};
  Image track(16, 4, kGroove);
  track.FillRect(0, 0, 16, 1, kShadow);
  track.FillRect(0, 0, 1, 3, kShadow);
  track.FillRect(15, 0, 16, 3, kShadow);
  track.FillRect(0, 3, 16, 4, kLight);
  return vertical ? track.Transposed() : track;
}

}  // namespace zembrel::skinart
