// The stored format of packed skins: an LZ77 ring of 4096 bytes whose literals and match lengths
// are coded with an adaptive Huffman tree and whose match positions use fixed prefix codes.
// The decoder (TLZH) and the skin packer share the constants, the position tables and the tree,
// so both sides move the tree in the same steps.
#pragma once

#include <array>
#include <cstdint>

namespace zembrel::lzh {

inline constexpr int kWindow = 4096;                   // ring size; positions are masked with 0xFFF
inline constexpr int kWindowMask = kWindow - 1;
inline constexpr int kLookahead = 60;                  // longest match
inline constexpr int kThreshold = 2;                   // a match is at least 3 bytes
inline constexpr int kMinMatch = kThreshold + 1;
inline constexpr int kSymbols = 256 + kLookahead - kThreshold;  // 314: bytes, then lengths 3..60
inline constexpr int kTreeSize = 2 * kSymbols - 1;     // 627 nodes
inline constexpr int kRoot = kTreeSize - 1;            // 626
inline constexpr std::uint16_t kMaxFreq = 0x8000;      // root count that triggers a rebuild
inline constexpr int kRingStart = kWindow - kLookahead;  // 4036; cells before it start as spaces
inline constexpr int kRingAlloc = kWindow + kLookahead - 1;  // 4155 cells allocated by a run

// Position prefix codes, indexed by the first eight bits of a position code: code[b] is the upper
// six bits of the 12-bit position, len[b] the prefix length in bits. The low six bits follow the
// prefix, so a position takes len[b] + 6 bits in all.
struct PositionTables {
  std::array<std::uint8_t, 256> code{};
  std::array<std::uint8_t, 256> len{};
};

constexpr PositionTables MakePositionTables() {
  // (values of the upper bits, first bytes per value, prefix length), in order of first bytes.
  struct Group {
    int values, bytes_each, bits;
  };
  constexpr Group groups[] = {{1, 32, 3}, {3, 16, 4}, {8, 8, 5}, {12, 4, 6}, {24, 2, 7}, {16, 1, 8}};
  PositionTables t;
  int b = 0, upper = 0;
  for (const Group& g : groups) {
    for (int v = 0; v < g.values; ++v, ++upper) {
      for (int k = 0; k < g.bytes_each; ++k, ++b) {
        t.code[b] = static_cast<std::uint8_t>(upper);
        t.len[b] = static_cast<std::uint8_t>(g.bits);
      }
    }
  }
  return t;
}

inline constexpr PositionTables kPositionTables = MakePositionTables();

// The adaptive Huffman tree. Node positions 0..626; son[x] >= kTreeSize marks a leaf holding symbol
// son[x] - kTreeSize, otherwise the children of x sit at son[x] and son[x] + 1 (son[x] is always
// even). prnt[kTreeSize + s] is the leaf position of symbol s. freq[kTreeSize] is a sentinel that
// stops every upward scan.
struct AdaptiveTree {
  std::uint16_t freq[kTreeSize + 1];
  std::int16_t son[kTreeSize];
  std::int16_t prnt[kTreeSize + kSymbols];

  void Start();
  // Counts one occurrence of symbol sym (0..313), rebuilding the tree first when the root's count
  // has reached kMaxFreq.
  void Update(int sym);
  void Rebuild();
};

}  // namespace zembrel::lzh
