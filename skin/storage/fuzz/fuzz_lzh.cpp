// libFuzzer target: the LZH decoder on arbitrary packed streams.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/storage/lzh_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::int32_t unpacked = 0;
  std::span<const std::uint8_t> in(data, size);
  if (!zembrel::TLZH::ReadUnpackedSize(in, unpacked)) return 0;
  // Stated sizes are capped as the skin reader caps them, smaller to keep runs quick.
  if (unpacked > (1 << 16)) unpacked = 1 << 16;
  std::vector<std::uint8_t> out;
  zembrel::TLZH::UnpackBits(unpacked, in.subspan(4), out);
  if (unpacked > 0 && (out.size() < static_cast<std::size_t>(unpacked) || out.size() >= static_cast<std::size_t>(unpacked) + 60)) {
    __builtin_trap();
  }
  return 0;
}
