#include "tools/skinart/shapes.h"

#include <algorithm>
#include <cstring>

namespace zembrel::skinart {

bool RoundRect::Contains(int x, int y) const {
  if (x < x0 || x >= x1 || y < y0 || y >= y1) return false;
  const double cx = x + 0.5, cy = y + 0.5;
  const bool top = cy < (y0 + y1) / 2.0;
  const double r = top ? top_radius : bottom_radius;
  if (r <= 0) return true;
  const double dx = std::max({x0 + r - cx, 0.0, cx - (x1 - r)});
  const double dy = top ? std::max(y0 + r - cy, 0.0) : std::max(cy - (y1 - r), 0.0);
  return dx * dx + dy * dy <= r * r;
}

bool RoundRect::OnEdge(int x, int y) const {
  return Contains(x, y) && !(Contains(x - 1, y) && Contains(x + 1, y) && Contains(x, y - 1) && Contains(x, y + 1));
}

void Fill(Image& image, const RoundRect& shape, Rgb fill, std::optional<Rgb> outline) {
  for (int y = shape.y0; y < shape.y1; ++y)
    for (int x = shape.x0; x < shape.x1; ++x)
      if (shape.Contains(x, y)) image.set(x, y, outline && shape.OnEdge(x, y) ? *outline : fill);
}

void FillVertical(Image& image, const RoundRect& shape, Rgb top, Rgb bottom) {
  const int rows = shape.y1 - shape.y0;
  for (int y = shape.y0; y < shape.y1; ++y) {
    const Rgb c = Mix(top, bottom, rows > 1 ? double(y - shape.y0) / (rows - 1) : 0.0);
    for (int x = shape.x0; x < shape.x1; ++x)
      if (shape.Contains(x, y)) image.set(x, y, c);
  }
}

void Stamp(Image& image, int x, int y, const Pattern& rows, Rgb ink) {
  int dy = 0;
  for (const char* row : rows) {
    for (int dx = 0; row[dx]; ++dx)
      if (row[dx] == '#') image.set(x + dx, y + dy, ink);
    ++dy;
  }
}

}  // namespace zembrel::skinart
