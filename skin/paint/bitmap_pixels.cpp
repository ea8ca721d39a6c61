#include "skin/paint/bitmap_pixels.h"

namespace zembrel {

std::vector<uint32_t> ReadPixels(zfw::TBitmap& bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height();
  if (bitmap.Empty() || w <= 0 || h <= 0) return {};
  std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
  uint32_t* out = pixels.data();
  for (int y = 0; y < h; ++y) {
    const uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < w; ++x) {
      switch (bitmap.PixelFormat()) {
        case zfw::pf1bit: *out++ = (row[x / 8] & (0x80 >> (x % 8))) ? 0xFFFFFFu : 0u; break;
        case zfw::pf24bit: *out++ = row[x * 3 + 2] | (row[x * 3 + 1] << 8) | (uint32_t(row[x * 3]) << 16); break;
        case zfw::pf32bit: *out++ = row[x * 4 + 2] | (row[x * 4 + 1] << 8) | (uint32_t(row[x * 4]) << 16); break;
      }
    }
  }
  return pixels;
}

void WritePixels(zfw::TBitmap& bitmap, const std::vector<uint32_t>& pixels) {
  const int w = bitmap.Width(), h = bitmap.Height();
  if (bitmap.Empty() || pixels.size() != static_cast<size_t>(w) * h) return;
  const uint32_t* in = pixels.data();
  for (int y = 0; y < h; ++y) {
    uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < w; ++x, ++in) {
      const uint8_t r = *in & 0xFF, g = (*in >> 8) & 0xFF, b = (*in >> 16) & 0xFF;
      switch (bitmap.PixelFormat()) {
        case zfw::pf1bit:
          if ((*in & 0xFFFFFF) == 0xFFFFFF) row[x / 8] |= uint8_t(0x80 >> (x % 8));
          else row[x / 8] &= uint8_t(~(0x80 >> (x % 8)));
          break;
        case zfw::pf24bit: row[x * 3] = b, row[x * 3 + 1] = g, row[x * 3 + 2] = r; break;
        case zfw::pf32bit: row[x * 4] = b, row[x * 4 + 1] = g, row[x * 4 + 2] = r, row[x * 4 + 3] = 0; break;
      }
    }
  }
}

}  // namespace zembrel
