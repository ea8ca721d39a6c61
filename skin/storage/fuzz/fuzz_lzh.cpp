// libFuzzer target: the LZH decoder on arbitrary packed streams.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/storage/lzh_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::int32_t unpacked = 0;
  std::span<const std::uint8_t> in(data, size);
  if (!zembrel::TLZH::ReadUnpackedSize(in, unpacked)) return 0;
  // A stated size far past what the code bytes can yield (at most about 53 bytes per byte: a
  // 60-byte match costs at least 9 bits) is reached only by decoding the zero bits that stand in
  // for missing input. Capping it near the code's length bounds the work one input costs, while
  // literals, matches and the zero-bit tail are all still reached.
  const std::int64_t reachable = 16 * static_cast<std::int64_t>(size) + 64;
  if (unpacked > reachable) unpacked = static_cast<std::int32_t>(reachable);
  std::vector<std::uint8_t> out;
  zembrel::TLZH::UnpackBits(unpacked, in.subspan(4), out);
  if (unpacked > 0 && (out.size() < static_cast<std::size_t>(unpacked) || out.size() >= static_cast<std::size_t>(unpacked) + 60)) {
    __builtin_trap();
  }
  return 0;
}
