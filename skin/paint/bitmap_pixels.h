// Whole-picture pixel access for the bitmap utilities, in any of the framework's pixel formats.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/graphics.h"

namespace zembrel {

// Every pixel as 0x00BBGGRR, row by row from the top; empty for a bitmap of no size.
std::vector<uint32_t> ReadPixels(zfw::TBitmap& bitmap);
// The inverse of ReadPixels for the bitmap's current size and format (1-bit: white is 1, every
// other colour 0). Ignored unless pixels holds exactly width x height entries.
void WritePixels(zfw::TBitmap& bitmap, const std::vector<uint32_t>& pixels);

}  // namespace zembrel
