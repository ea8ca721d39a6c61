// The whole contact sheet of a loaded skin: heading, one row per image, the colour table.
#pragma once

#include <string>
#include <vector>

#include "framework/graphics.h"
#include "tools/contactsheet/sheet_rows.h"

namespace zembrel {

// Sizes sheet to fit and draws into it. Frames that came out blank are named in blank.
void RenderContactSheet(TSkinData& data, const std::vector<SheetRow>& rows, const std::string& heading,
                        zfw::TBitmap& sheet, std::vector<std::string>& blank);

// The sheet's pixels as rows of red, green, blue, top row first.
std::vector<std::uint8_t> SheetRgb(zfw::TBitmap& sheet);

}  // namespace zembrel
