// A PNG encoder for 8-bit RGB pictures: a zlib stream of stored (uncompressed) deflate blocks,
// so it needs no compression library. Platform-free.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zembrel {

// CRC-32 (the polynomial of PNG and zip) of bytes, continuing from crc (0 to start).
std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);
// Adler-32 of bytes, continuing from adler (1 to start).
std::uint32_t Adler32(std::span<const std::uint8_t> bytes, std::uint32_t adler = 1);

// Largest width or height the encoder takes; keeps every size computation far from overflow.
inline constexpr int kPngMaxSide = 16384;

// The PNG file of a width x height picture, rgb holding its rows top first, three bytes (red,
// green, blue) per pixel and no padding. Empty when a side is outside 1..kPngMaxSide or rgb is
// not exactly width * height * 3 bytes.
std::vector<std::uint8_t> EncodePngRgb(int width, int height, std::span<const std::uint8_t> rgb);

// EncodePngRgb written to path; false (and why) when the picture is refused or the file
// cannot be written.
bool WritePngRgb(const std::string& path, int width, int height, std::span<const std::uint8_t> rgb, std::string& error);

}  // namespace zembrel
