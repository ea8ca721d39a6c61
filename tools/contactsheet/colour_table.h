// The skin's colour table on the contact sheet: a swatch per colour key with the colour it
// resolves to, then 12-pixel text in the text colours on the backgrounds they are used on.
#pragma once

#include "skin/data/WinSkinData.h"
#include "tools/contactsheet/sheet_canvas.h"

namespace zembrel::sheet {

// Draws (or measures) the table with its top at y; returns its height.
int PaintColourTable(Pass& pass, TSkinData& data, int y);

}  // namespace zembrel::sheet
