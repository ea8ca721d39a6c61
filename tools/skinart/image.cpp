#include "tools/skinart/image.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace zembrel::skinart {
namespace {

void Put16(std::vector<std::uint8_t>& v, unsigned x) {
  v.push_back(static_cast<std::uint8_t>(x));
  v.push_back(static_cast<std::uint8_t>(x >> 8));
}
void Put32(std::vector<std::uint8_t>& v, unsigned x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}

// File header and 40-byte info header; pixel rows follow the palette.
std::vector<std::uint8_t> BmpHeaders(const Image& image, unsigned bits, unsigned palette_entries, unsigned row_bytes) {
  const unsigned pixels = row_bytes * static_cast<unsigned>(image.height());
  const unsigned offset = 14 + 40 + 4 * palette_entries;
  std::vector<std::uint8_t> v{'B', 'M'};
  Put32(v, offset + pixels);
  Put32(v, 0);
  Put32(v, offset);
  Put32(v, 40);
  Put32(v, static_cast<unsigned>(image.width()));
  Put32(v, static_cast<unsigned>(image.height()));
  Put16(v, 1);
  Put16(v, bits);
  Put32(v, 0);  // no compression
  Put32(v, pixels);
  Put32(v, 3780);  // 96 DPI
  Put32(v, 3780);
  Put32(v, palette_entries);
  Put32(v, 0);
  return v;
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
  auto ch = [t](int p, int q) { return static_cast<std::uint8_t>(std::lround(p + (q - p) * t)); };
  return Rgb{ch(a.r, b.r), ch(a.g, b.g), ch(a.b, b.b)};
}

Image::Image(int width, int height, Rgb fill)
    : width_(width), height_(height), px_(static_cast<std::size_t>(width) * height, fill) {
  if (width <= 0 || height <= 0) throw std::invalid_argument("empty image");
}

void Image::set(int x, int y, Rgb c) {
  if (x >= 0 && y >= 0 && x < width_ && y < height_) px_[Index(x, y)] = c;
}

void Image::FillRect(int x0, int y0, int x1, int y1, Rgb c) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) set(x, y, c);
}

void Image::Paste(const Image& src, int x, int y) {
  for (int sy = 0; sy < src.height(); ++sy)
    for (int sx = 0; sx < src.width(); ++sx) set(x + sx, y + sy, src.at(sx, sy));
}

Image Image::Crop(int x, int y, int w, int h) const {
  if (x < 0 || y < 0 || x + w > width_ || y + h > height_) throw std::out_of_range("crop outside the image");
  Image out(w, h);
  for (int cy = 0; cy < h; ++cy)
    for (int cx = 0; cx < w; ++cx) out.set(cx, cy, at(x + cx, y + cy));
  return out;
}

Image Image::Transposed() const {
  Image out(height_, width_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) out.set(y, x, at(x, y));
  return out;
}

Image StripOf(const std::vector<Image>& frames, bool vertical) {
  const int w = frames.at(0).width(), h = frames.at(0).height();
  const int n = static_cast<int>(frames.size());
  Image strip(vertical ? w : w * n, vertical ? h * n : h);
  for (int i = 0; i < n; ++i) {
    if (frames[i].width() != w || frames[i].height() != h) throw std::invalid_argument("frames of different sizes");
    strip.Paste(frames[i], vertical ? 0 : i * w, vertical ? i * h : 0);
  }
  return strip;
}

std::vector<std::uint8_t> EncodeBmp24(const Image& image) {
  const unsigned row = (static_cast<unsigned>(image.width()) * 3 + 3) / 4 * 4;
  std::vector<std::uint8_t> v = BmpHeaders(image, 24, 0, row);
  for (int y = image.height() - 1; y >= 0; --y) {
    const std::size_t start = v.size();
    for (int x = 0; x < image.width(); ++x) {
      const Rgb c = image.at(x, y);
      v.insert(v.end(), {c.b, c.g, c.r});
    }
    v.resize(start + row, 0);
  }
  return v;
}

std::vector<std::uint8_t> EncodeBmp1(const Image& image) {
  const unsigned row = (static_cast<unsigned>(image.width()) + 31) / 32 * 4;
  std::vector<std::uint8_t> v = BmpHeaders(image, 1, 2, row);
  v.insert(v.end(), {0, 0, 0, 0, 255, 255, 255, 0});
  for (int y = image.height() - 1; y >= 0; --y) {
    std::vector<std::uint8_t> bits(row, 0);
    for (int x = 0; x < image.width(); ++x)
      if (!(image.at(x, y) == Rgb{0, 0, 0})) bits[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    v.insert(v.end(), bits.begin(), bits.end());
  }
  return v;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace zembrel::skinart
