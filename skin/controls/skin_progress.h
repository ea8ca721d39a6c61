// The look of a progress bar from the skin's Progress element (track and fill, or a single track
// frame with the Progress.Chunk blocks): horizontal bars as they are, vertical bars drawn lying on
// their side and turned so that the fill grows from the bottom.
#pragma once

#include <windows.h>

namespace zembrel {

class TSkinData;

// The filled length of a bar of the given width: width * position / upper, 0 unless both are
// positive (the lower limit of the range is not taken into account).
int ProgressFillLength(int width, int position, int upper);

// Paints rect of dc (the window at the origin); false without a Progress image, leaving the bar
// to the control.
bool PaintProgress(HDC dc, const RECT& rect, TSkinData& skin, int position, int upper, bool vertical);

}  // namespace zembrel
