// Small bitmaps built from colour lists and read back pixel by pixel, for pixel assertions.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/graphics.h"

namespace pixel_fixture {

// Colours are 0x00BBGGRR, row by row from the top.
inline std::unique_ptr<zfw::TBitmap> Make(int width, int height, const std::vector<uint32_t>& colours,
                                          zfw::TPixelFormat format = zfw::pf24bit) {
  auto bitmap = std::make_unique<zfw::TBitmap>(width, height, format);
  const int bytes = format == zfw::pf32bit ? 4 : 3;
  for (int y = 0; y < height; ++y) {
    uint8_t* row = bitmap->ScanLine(y);
    for (int x = 0; x < width; ++x) {
      const uint32_t c = colours.at(static_cast<size_t>(y) * width + x);
      row[x * bytes] = (c >> 16) & 0xFF;
      row[x * bytes + 1] = (c >> 8) & 0xFF;
      row[x * bytes + 2] = c & 0xFF;
    }
  }
  return bitmap;
}

inline std::unique_ptr<zfw::TBitmap> Filled(int width, int height, uint32_t colour) {
  return Make(width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, colour));
}

inline std::vector<uint32_t> Read(zfw::TBitmap& bitmap) {
  std::vector<uint32_t> out;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) out.push_back(bitmap.Pixel(x, y));
  return out;
}

}  // namespace pixel_fixture
