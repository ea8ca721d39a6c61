// Decodes the Windows bitmap files of a skin for the skin tests: uncompressed 1- and 24-bit
// files with the 40-byte header, bottom-up or top-down. Anything else is refused.
#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace zembrel::testing {

struct SkinPixel {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const SkinPixel&) const = default;
  bool IsKey() const { return r == 255 && g == 0 && b == 255; }
};

struct SkinBmp {
  int width = 0, height = 0, bits = 0;
  std::vector<SkinPixel> pixels;  // top row first
  SkinPixel at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

inline std::optional<SkinBmp> DecodeSkinBmp(const std::vector<std::uint8_t>& f) {
  auto u32 = [&](std::size_t o) { std::uint32_t v; std::memcpy(&v, &f[o], 4); return v; };
  auto i32 = [&](std::size_t o) { std::int32_t v; std::memcpy(&v, &f[o], 4); return v; };
  auto u16 = [&](std::size_t o) { return static_cast<unsigned>(f[o] | (f[o + 1] << 8)); };
  if (f.size() < 54 || f[0] != 'B' || f[1] != 'M' || u32(14) != 40 || u16(26) != 1 || u32(30) != 0) return std::nullopt;
  SkinBmp bmp;
  bmp.width = i32(18);
  const std::int32_t h = i32(22);
  bmp.bits = static_cast<int>(u16(28));
  if (bmp.width <= 0 || bmp.width > 4096 || h == 0 || h > 4096 || h < -4096 || (bmp.bits != 1 && bmp.bits != 24)) return std::nullopt;
  bmp.height = h < 0 ? -h : h;
  const std::size_t row = (static_cast<std::size_t>(bmp.width) * bmp.bits + 31) / 32 * 4;
  const std::size_t offset = u32(10);
  if (offset < 54 || offset > f.size() || (f.size() - offset) / row < static_cast<std::size_t>(bmp.height)) return std::nullopt;
  std::vector<SkinPixel> palette;
  if (bmp.bits == 1) {
    if (offset < 54 + 8) return std::nullopt;
    for (std::size_t i = 0; i < 2; ++i) palette.push_back({f[54 + i * 4 + 2], f[54 + i * 4 + 1], f[54 + i * 4]});
  }
  bmp.pixels.resize(static_cast<std::size_t>(bmp.width) * bmp.height);
  for (int y = 0; y < bmp.height; ++y) {
    const std::uint8_t* src = &f[offset + row * static_cast<std::size_t>(h < 0 ? y : bmp.height - 1 - y)];
    for (int x = 0; x < bmp.width; ++x) {
      SkinPixel& p = bmp.pixels[static_cast<std::size_t>(y) * bmp.width + x];
      if (bmp.bits == 24) p = {src[x * 3 + 2], src[x * 3 + 1], src[x * 3]};
      else p = palette[(src[x / 8] >> (7 - x % 8)) & 1];
    }
  }
  return bmp;
}

}  // namespace zembrel::testing
