// The skin packer's LZH coder against the decoder: exact round trips, and output that is smaller
// than a literal-only coding.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "skin/storage/lzh_codec.h"
#include "tools/skinpack/lzh_encoder.h"

namespace zembrel {
namespace {

using Bytes = std::vector<std::uint8_t>;
using skinpack::LzhPack;
using skinpack::LzhPackOptions;

Bytes Unpacked(const Bytes& packed) {
  std::int32_t size = 0;
  EXPECT_TRUE(TLZH::ReadUnpackedSize(packed, size));
  Bytes out;
  TLZH::UnpackBits(size, std::span<const std::uint8_t>(packed).subspan(4), out);
  return out;
}

// Data of several kinds: noise, runs, a small alphabet, text-like lines, leading spaces.
Bytes MakeData(int kind, std::size_t size, std::mt19937& rng) {
  Bytes d(size);
  const std::string words[] = {"Bitmap=", "LeftWidth=", "[Buttons]\r\n", "Trans=1\r\n", " ", "title.bmp"};
  std::string text;
  switch (kind) {
    case 0:
      for (auto& b : d) b = static_cast<std::uint8_t>(rng());
      break;
    case 1:
      for (std::size_t i = 0; i < size;) {
        const std::size_t run = 1 + rng() % 200;
        const auto v = static_cast<std::uint8_t>(rng());
        for (std::size_t k = 0; k < run && i < size; ++k) d[i++] = v;
      }
      break;
    case 2:
      for (auto& b : d) b = static_cast<std::uint8_t>("ab\xFF\x00"[rng() % 4]);
      break;
    case 3:
      while (text.size() < size) text += words[rng() % 6];
      d.assign(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(size));
      break;
    default:
      for (std::size_t i = 0; i < size; ++i) d[i] = i < size / 2 ? ' ' : static_cast<std::uint8_t>('a' + i % 7);
      break;
  }
  return d;
}

TEST(LzhEncoder, RoundTripsEveryKindAndSize) {
  std::mt19937 rng(5);
  const std::size_t sizes[] = {0, 1, 2, 3, 4, 59, 60, 61, 62, 4035, 4036, 4095, 4096, 4097, 8191, 20000, 70001};
  const LzhPackOptions variants[] = {{}, {4, false, true}, {1, true, true}, {256, true, false}};
  for (int kind = 0; kind < 5; ++kind) {
    for (std::size_t size : sizes) {
      const Bytes data = MakeData(kind, size, rng);
      for (const LzhPackOptions& o : variants) {
        const Bytes packed = LzhPack(data, o);
        ASSERT_EQ(Unpacked(packed), data) << "kind " << kind << ", size " << size << ", chain " << o.max_chain
                                          << (o.lazy ? " lazy" : "") << (o.find_matches ? "" : " literals only");
      }
    }
  }
}

TEST(LzhEncoder, MatchesCutTheSizeWellBelowLiteralCoding) {
  std::mt19937 rng(9);
  for (int kind : {1, 3, 4}) {
    const Bytes data = MakeData(kind, 50000, rng);
    const std::size_t literal_only = LzhPack(data, {256, false, false}).size();
    const std::size_t packed = LzhPack(data).size();
    EXPECT_LT(packed * 3, literal_only) << "kind " << kind << ": " << packed << " vs " << literal_only;
  }
  // The ring's starting spaces are there to be matched: 60 spaces are one match of at most
  // 9 + 9 bits after the size field.
  EXPECT_LE(LzhPack(Bytes(60, ' ')).size(), 4u + 3u);
  // Noise gains nothing, and the coder does not blow it up either.
  const Bytes noise = MakeData(0, 50000, rng);
  EXPECT_LT(LzhPack(noise).size(), noise.size() + noise.size() / 20);
}

}  // namespace
}  // namespace zembrel
