// The packing side of the skin's LZH format: an LZ77 coder over the decoder's 4096-byte ring
// (matches of 3..60 bytes, also into the spaces the ring starts with), with the decoder's adaptive
// Huffman tree for literals and lengths and its prefix codes for positions.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace zembrel::skinpack {

struct LzhPackOptions {
  int max_chain = 256;       // match candidates examined per position
  bool lazy = true;          // try the next position before taking a match
  bool find_matches = true;  // false codes literals only (a baseline for comparisons)
};

// Packs data into a stream of the 4-byte unpacked size and the code bits. Throws
// std::length_error for data of 2 GiB or more, which the size field cannot state.
std::vector<std::uint8_t> LzhPack(std::span<const std::uint8_t> data, const LzhPackOptions& options = {});

}  // namespace zembrel::skinpack
