// Pixel-exact shapes for the skin artwork: every pixel is either in or out (no blending against
// the key colour, which would leave a pink fringe when it is keyed out), outlines are one pixel.
#pragma once

#include <optional>
#include <vector>

#include "tools/skinart/image.h"

namespace zembrel::skinart {

// A rectangle [x0, x1) x [y0, y1) with corner radius r (0 = square). Corners may differ
// between top and bottom, as window frames round their top corners more than their bottom ones.
struct RoundRect {
  int x0, y0, x1, y1;
  double top_radius, bottom_radius;
  RoundRect(int x0_, int y0_, int x1_, int y1_, double r) : x0(x0_), y0(y0_), x1(x1_), y1(y1_), top_radius(r), bottom_radius(r) {}
  RoundRect(int x0_, int y0_, int x1_, int y1_, double top, double bottom)
      : x0(x0_), y0(y0_), x1(x1_), y1(y1_), top_radius(top), bottom_radius(bottom) {}
  // Whether the centre of pixel (x, y) lies inside.
  bool Contains(int x, int y) const;
  // Inside, with a 4-neighbour outside: the one-pixel outline.
  bool OnEdge(int x, int y) const;
};

// Fills the shape; with an outline colour, its edge pixels take that colour instead.
void Fill(Image& image, const RoundRect& shape, Rgb fill, std::optional<Rgb> outline = std::nullopt);

// Fills the shape with a vertical gradient from top to bottom colour (rows of the shape).
void FillVertical(Image& image, const RoundRect& shape, Rgb top, Rgb bottom);

// Rows of a pixel pattern.
using Pattern = std::vector<const char*>;

// Stamps a pixel pattern: '#' marks ink, any other character leaves the pixel as it is.
void Stamp(Image& image, int x, int y, const Pattern& rows, Rgb ink);

}  // namespace zembrel::skinart
