#include "skin/storage/lzh_tree.h"

#include <algorithm>

namespace zembrel::lzh {

void AdaptiveTree::Start() {
  for (int s = 0; s < kSymbols; ++s) {
    freq[s] = 1;
    son[s] = static_cast<std::int16_t>(s + kTreeSize);
    prnt[s + kTreeSize] = static_cast<std::int16_t>(s);
  }
  for (int i = 0, j = kSymbols; j <= kRoot; i += 2, ++j) {
    freq[j] = static_cast<std::uint16_t>(freq[i] + freq[i + 1]);
    son[j] = static_cast<std::int16_t>(i);
    prnt[i] = prnt[i + 1] = static_cast<std::int16_t>(j);
  }
  freq[kTreeSize] = 0xFFFF;
  prnt[kRoot] = 0;
}

void AdaptiveTree::Rebuild() {
  // Gather the leaves in node order with halved counts.
  int j = 0;
  for (int i = 0; i < kTreeSize; ++i) {
    if (son[i] >= kTreeSize) {
      freq[j] = static_cast<std::uint16_t>((freq[i] + 1) / 2);
      son[j] = son[i];
      ++j;
    }
  }
  // Pair them up again; each new inner node goes after every node of equal or smaller count.
  for (int i = 0, n = kSymbols; n < kTreeSize; i += 2, ++n) {
    const std::uint16_t f = static_cast<std::uint16_t>(freq[i] + freq[i + 1]);
    int k = n - 1;
    while (f < freq[k]) --k;
    ++k;
    for (int m = n; m > k; --m) {
      freq[m] = freq[m - 1];
      son[m] = son[m - 1];
    }
    freq[k] = f;
    son[k] = static_cast<std::int16_t>(i);
  }
  for (int k = 0; k < kTreeSize; ++k) {
    const int s = son[k];
    if (s >= kTreeSize) {
      prnt[s] = static_cast<std::int16_t>(k);
    } else {
      prnt[s] = prnt[s + 1] = static_cast<std::int16_t>(k);
    }
  }
}

void AdaptiveTree::Update(int sym) {
  if (freq[kRoot] == kMaxFreq) Rebuild();
  int x = prnt[sym + kTreeSize];
  do {
    const std::uint16_t k = ++freq[x];
    if (k > freq[x + 1]) {
      // Counts rise in node order (the sentinel at kTreeSize is the largest), so the last node
      // whose count is below k is found by bisection rather than by walking a run of equal counts.
      const int l = static_cast<int>(std::lower_bound(freq + x + 2, freq + kTreeSize + 1, k) - freq) - 1;
      freq[x] = freq[l];
      freq[l] = k;
      const int i = son[x];
      prnt[i] = static_cast<std::int16_t>(l);
      if (i < kTreeSize) prnt[i + 1] = static_cast<std::int16_t>(l);
      const int jj = son[l];
      son[l] = static_cast<std::int16_t>(i);
      prnt[jj] = static_cast<std::int16_t>(x);
      if (jj < kTreeSize) prnt[jj + 1] = static_cast<std::int16_t>(x);
      son[x] = static_cast<std::int16_t>(jj);
      x = l;
    }
    x = prnt[x];
  } while (x != 0);
}

}  // namespace zembrel::lzh
