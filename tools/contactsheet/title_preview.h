// Title bars put together from the skin's pieces (the Top border, the caption text in the
// title colours, the caption buttons at their places) in the states a user sees them, so that
// the buttons can be judged on the bar they sit on.
#pragma once

#include "skin/data/WinSkinData.h"
#include "tools/contactsheet/sheet_canvas.h"

namespace zembrel::sheet {

// Draws (or measures) the previews with their top at y; returns their height.
int PaintTitlePreview(Pass& pass, TSkinData& data, int y);

}  // namespace zembrel::sheet
