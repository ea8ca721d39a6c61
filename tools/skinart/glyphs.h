// The window-command glyphs, drawn on the caption buttons and in the system menu: 10 x 10 pixel
// patterns with one-pixel strokes, which stay crisp at 96 DPI.
#pragma once

#include "tools/skinart/shapes.h"

namespace zembrel::skinart {

inline constexpr int kGlyphSize = 10;

Pattern CloseGlyph();
Pattern MaximiseGlyph();
Pattern RestoreGlyph();
Pattern MinimiseGlyph();

}  // namespace zembrel::skinart
