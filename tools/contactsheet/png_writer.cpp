#include "tools/contactsheet/png_writer.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>

namespace zembrel {
namespace {

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

// A stored deflate block holds at most this many bytes (its length field is 16 bits).
constexpr std::size_t kStoredBlockMax = 65535;

void PutBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

// Length, type, data and the CRC over type and data.
void PutChunk(std::vector<std::uint8_t>& out, const char (&type)[5], std::span<const std::uint8_t> data) {
  PutBigEndian32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t type_at = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian32(out, Crc32(std::span(out).subspan(type_at)));
}

// The zlib stream of raw: header, stored blocks, Adler-32 of raw.
std::vector<std::uint8_t> ZlibStored(std::span<const std::uint8_t> raw) {
  std::vector<std::uint8_t> z;
  z.reserve(raw.size() + raw.size() / kStoredBlockMax * 5 + 16);
  z.push_back(0x78);  // deflate, 32 KB window
  z.push_back(0x01);  // no preset dictionary, fastest; 0x7801 is a multiple of 31
  std::size_t at = 0;
  do {
    const std::size_t n = std::min(kStoredBlockMax, raw.size() - at);
    const bool last = at + n == raw.size();
    z.push_back(last ? 1 : 0);  // BFINAL, BTYPE 00 (stored)
    z.push_back(static_cast<std::uint8_t>(n));
    z.push_back(static_cast<std::uint8_t>(n >> 8));
    z.push_back(static_cast<std::uint8_t>(~n));
    z.push_back(static_cast<std::uint8_t>(~n >> 8));
    z.insert(z.end(), raw.begin() + at, raw.begin() + at + n);
    at += n;
  } while (at < raw.size());
  PutBigEndian32(z, Adler32(raw));
  return z;
}

}  // namespace

std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc) {
  crc = ~crc;
  for (std::uint8_t b : bytes) crc = kCrcTable[(crc ^ b) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

std::uint32_t Adler32(std::span<const std::uint8_t> bytes, std::uint32_t adler) {
  constexpr std::uint32_t kMod = 65521;
  std::uint32_t a = adler & 0xFFFF, b = adler >> 16;
  // 5552 bytes is the longest run whose sums cannot overflow 32 bits before the reduction.
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t end = std::min(bytes.size(), at + 5552);
    for (; at < end; ++at) {
      a += bytes[at];
      b += a;
    }
    a %= kMod;
    b %= kMod;
  }
  return (b << 16) | a;
}

std::vector<std::uint8_t> EncodePngRgb(int width, int height, std::span<const std::uint8_t> rgb) {
  if (width < 1 || height < 1 || width > kPngMaxSide || height > kPngMaxSide) return {};
  const std::size_t row = static_cast<std::size_t>(width) * 3;
  if (rgb.size() != row * static_cast<std::size_t>(height)) return {};

  // Every row starts with filter type 0 (none).
  std::vector<std::uint8_t> raw;
  raw.reserve((row + 1) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);
    const auto line = rgb.subspan(row * static_cast<std::size_t>(y), row);
    raw.insert(raw.end(), line.begin(), line.end());
  }

  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  PutBigEndian32(header, static_cast<std::uint32_t>(width));
  PutBigEndian32(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, truecolour, deflate, adaptive, no interlace
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", ZlibStored(raw));
  PutChunk(png, "IEND", {});
  return png;
}

bool WritePngRgb(const std::string& path, int width, int height, std::span<const std::uint8_t> rgb,
                 std::string& error) {
  const std::vector<std::uint8_t> png = EncodePngRgb(width, height, rgb);
  if (png.empty()) {
    error = "a " + std::to_string(width) + " x " + std::to_string(height) + " picture with " +
            std::to_string(rgb.size()) + " bytes of pixels cannot be encoded";
    return false;
  }
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!file || std::fwrite(png.data(), 1, png.size(), file.get()) != png.size() || std::fflush(file.get()) != 0) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace zembrel
