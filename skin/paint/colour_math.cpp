#include "skin/paint/colour_math.h"

#include <algorithm>

namespace zembrel::colour {
namespace {

int channel(Rgb c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

}  // namespace

Rgb MixPlain(Rgb c1, Rgb c2, int weight) {
  const int64_t scale = weight < 100 ? 100 : 1000;
  const int64_t w = weight;
  Rgb result = 0;
  for (int shift : {0, 8, 16}) {
    const int64_t mixed = (channel(c1, shift) * w + channel(c2, shift) * (scale - w) + scale / 2) / scale;
    result |= (static_cast<Rgb>(mixed) & 0xFF) << shift;
  }
  return result;
}

int Saturation(Rgb c) {
  const int r = channel(c, 0), g = channel(c, 8), b = channel(c, 16);
  if (r <= 159 && g <= 159 && b <= 159) return 200;
  const int mx = std::max({r, g, b}), mn = std::min({r, g, b});
  // 255 * (mx - mn) / mx rounded half to even, in integers so that exact halves stay exact.
  const int num = 255 * (mx - mn);
  int q = num / mx;
  const int twice_rest = 2 * (num % mx);
  if (twice_rest > mx || (twice_rest == mx && (q & 1))) ++q;
  return q;
}

std::vector<Rgb> BuildGradientTable(int n, Rgb a, Rgb b) {
  if (n < 1 || n > kMaxGradientLines) return {};
  int delta[3];
  for (int i = 0; i < 3; ++i) delta[i] = channel(b, 8 * i) - channel(a, 8 * i);
  // Channel offsets are added to a as one packed value, as signed steps of each channel.
  auto offset_of = [](const int (&off)[3]) {
    return static_cast<Rgb>(off[0]) + (static_cast<Rgb>(off[1]) << 8) + (static_cast<Rgb>(off[2]) << 16);
  };
  std::vector<Rgb> table(static_cast<size_t>(n));
  if (n == 1) {
    const int off[3] = {delta[0] / 2, delta[1] / 2, delta[2] / 2};
    table[0] = a + offset_of(off);
    return table;
  }
  const int64_t d = n - 1, h = d / 2;
  for (int64_t i = 0; i < n; ++i) {
    int off[3];
    for (int c = 0; c < 3; ++c) off[c] = static_cast<int>((h + i * delta[c]) / d);
    table[static_cast<size_t>(i)] = a + offset_of(off);
  }
  return table;
}

const std::vector<Rgb>& GradientRing::Table(int n, Rgb start, Rgb end) {
  for (int slot = kSlots - 1; slot >= 0; --slot) {
    const std::vector<Rgb>& t = slots_[slot];
    if (static_cast<int>(t.size()) == n && n > 0 && t.front() == start && t.back() == end) return t;
  }
  std::vector<Rgb>& built = slots_[next_];
  built = BuildGradientTable(n, start, end);
  next_ = (next_ + 1) % kSlots;
  return built;
}

void GradientRing::Clear() {
  for (auto& t : slots_) t = {};
  next_ = 0;
}

}  // namespace zembrel::colour
