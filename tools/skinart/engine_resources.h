// The skin engine's own bitmap resources, linked into the program: the system-menu glyphs and
// the built-in track-bar channels used when a skin defines none.
#pragma once

#include "tools/skinart/image.h"

namespace zembrel::skinart {

// "GLAZENMENU": 64 x 16, four 16 x 16 glyphs (restore, maximise, minimise, close), black ink on
// white; written as a 1-bit bitmap, white being the mask colour.
Image MenuGlyphs();
// "TRACK" (16 x 4) and "TRACKVERT" (4 x 16): a sunken channel, shadow above (left), light below
// (right).
Image TrackChannel(bool vertical);

}  // namespace zembrel::skinart
