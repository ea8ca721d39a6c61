// One row of the contact sheet: the element's name and facts on the left, then every frame as a
// numbered cell, at its natural size on the checkerboard (drawn as the engine draws it) and,
// when small, raw at twice the size, magenta included.
#pragma once

#include <string>
#include <vector>

#include "tools/contactsheet/sheet_canvas.h"
#include "tools/contactsheet/sheet_rows.h"

namespace zembrel::sheet {

// The sheet width that shows the row's widest frame whole.
int SheetWidthFor(const SheetRow& row);

// Draws (or measures) row with its top at y; returns its height. A frame that draws nothing
// over the checkerboard adds a line to blank.
int PaintRow(Pass& pass, const SheetRow& row, int y, std::vector<std::string>& blank);

}  // namespace zembrel::sheet
