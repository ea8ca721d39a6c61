// Colour arithmetic of the skin engine on plain 0x00BBGGRR colours: weighted mixing, the
// saturation measure, and gradient tables with their ring cache. No platform calls; callers
// resolve system colour references first.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace zembrel::colour {

using Rgb = uint32_t;  // 0x00BBGGRR

// Weight below 100 is a percentage of c1, from 100 on it is per mille; halves round up.
Rgb MixPlain(Rgb c1, Rgb c2, int weight);

// 0..255 for colours with a channel above 159 (max - min) / max, rounded half to even;
// 200 for every darker colour.
int Saturation(Rgb c);

// Longest gradient the engine builds a table for; longer requests paint nothing.
inline constexpr int kMaxGradientLines = 1 << 24;

// n entries (1 <= n <= kMaxGradientLines) from a towards b; entry i = a + (h + i * delta) / d
// per channel with d = n - 1 and h = d / 2. The last entry may stop one short of b.
std::vector<Rgb> BuildGradientTable(int n, Rgb a, Rgb b);

// The last 16 gradient tables built. A table is reused when its length, first and last entries
// match the request; otherwise one is built in the next slot, overwriting the oldest.
class GradientRing {
 public:
  static constexpr int kSlots = 16;
  const std::vector<Rgb>& Table(int n, Rgb start, Rgb end);
  int NextSlot() const { return next_; }
  void Clear();

 private:
  std::array<std::vector<Rgb>, kSlots> slots_;
  int next_ = 0;
};

}  // namespace zembrel::colour
