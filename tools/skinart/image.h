// Pixel images of the skin artwork and their Windows bitmap files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zembrel::skinart {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// The skin's transparent colour: pixels of it are left out when an element is drawn and cut the
// window region.
inline constexpr Rgb kKey{255, 0, 255};

// Linear mix: t = 0 gives a, t = 1 gives b; channels rounded to the nearest value.
Rgb Mix(Rgb a, Rgb b, double t);

class Image {
 public:
  Image(int width, int height, Rgb fill = kKey);
  int width() const { return width_; }
  int height() const { return height_; }
  Rgb at(int x, int y) const { return px_[Index(x, y)]; }
  void set(int x, int y, Rgb c);  // ignores points outside the image
  void FillRect(int x0, int y0, int x1, int y1, Rgb c);  // [x0, x1) x [y0, y1), clipped
  void Paste(const Image& src, int x, int y);
  Image Crop(int x, int y, int w, int h) const;
  Image Transposed() const;

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
  int width_, height_;
  std::vector<Rgb> px_;
};

// Frames of equal size laid side by side (or one above the other) into one strip.
Image StripOf(const std::vector<Image>& frames, bool vertical = false);

// A 24-bit bottom-up Windows bitmap file.
std::vector<std::uint8_t> EncodeBmp24(const Image& image);
// A 1-bit bitmap file with the palette black (0), white (1); black pixels of the image are ink,
// everything else is white.
std::vector<std::uint8_t> EncodeBmp1(const Image& image);

// Writes the bytes to path; false when the file cannot be written completely.
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace zembrel::skinart
