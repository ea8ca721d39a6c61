// The LZH decoder on hand-built code streams, and the adaptive tree against a plain count model.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "skin/storage/lzh_codec.h"
#include "skin/storage/lzh_tree.h"

namespace zembrel {
namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace lzh;

// Builds code bits most significant first.
class BitWriter {
 public:
  void Put(std::uint32_t bits, int count) {
    for (int i = count - 1; i >= 0; --i) {
      cur_ = static_cast<std::uint8_t>((cur_ << 1) | ((bits >> i) & 1));
      if (++n_ == 8) {
        bytes_.push_back(cur_);
        cur_ = 0;
        n_ = 0;
      }
    }
  }
  Bytes Finish() {
    Bytes b = bytes_;
    if (n_) b.push_back(static_cast<std::uint8_t>(cur_ << (8 - n_)));
    return b;
  }

 private:
  Bytes bytes_;
  std::uint8_t cur_ = 0;
  int n_ = 0;
};

// Position codes written from the format's table of first bytes: rows of (first byte, values of
// the upper six bits, prefix length).
void PutPosition(BitWriter& w, int position) {
  struct Row {
    int first_byte, first_upper, values, bits;
  };
  const Row rows[] = {{0x00, 0, 1, 3}, {0x20, 1, 3, 4}, {0x50, 4, 8, 5},
                      {0x90, 12, 12, 6}, {0xC0, 24, 24, 7}, {0xF0, 48, 16, 8}};
  const int upper = position >> 6;
  for (const Row& r : rows) {
    if (upper >= r.first_upper && upper < r.first_upper + r.values) {
      const int byte = r.first_byte + (upper - r.first_upper) * (1 << (8 - r.bits));
      w.Put(static_cast<std::uint32_t>(byte >> (8 - r.bits)), r.bits);
      w.Put(static_cast<std::uint32_t>(position & 0x3F), 6);
      return;
    }
  }
  FAIL() << "position out of range";
}

// Writes symbols with the codes of a tree that moves as the decoder's does.
class SymbolWriter {
 public:
  SymbolWriter() { tree_.Start(); }
  void Put(BitWriter& w, int sym) {
    std::vector<int> bits;
    for (int k = tree_.prnt[sym + kTreeSize]; k != kRoot; k = tree_.prnt[k]) bits.push_back(k - tree_.son[tree_.prnt[k]]);
    for (auto it = bits.rbegin(); it != bits.rend(); ++it) w.Put(static_cast<std::uint32_t>(*it), 1);
    tree_.Update(sym);
  }
  void Literal(BitWriter& w, char c) { Put(w, static_cast<std::uint8_t>(c)); }
  void Match(BitWriter& w, int length, int position) {
    Put(w, 256 + length - 3);
    PutPosition(w, position);
  }

 private:
  AdaptiveTree tree_;
};

Bytes Decode(std::int32_t size, const Bytes& code) {
  Bytes out;
  TLZH::UnpackBits(size, code, out);
  return out;
}

std::string Text(const Bytes& b) { return std::string(b.begin(), b.end()); }

TEST(LzhDecoder, SizeZeroOrLessProducesNothingAndReadsNothing) {
  for (std::int32_t size : {0, -1, INT32_MIN}) {
    int reads = 0, writes = 0;
    TLZH lzh;
    lzh.Unpack(
        size, [&](std::uint8_t*, std::uint16_t, std::uint16_t& actual) { ++reads, actual = 0; },
        [&](const std::uint8_t*, std::uint16_t count, std::uint16_t& written) { ++writes, written = count; });
    EXPECT_EQ(reads, 0) << size;
    EXPECT_EQ(writes, 0) << size;
  }
}

TEST(LzhDecoder, MissingCodeBytesReadAsZeroBits) {
  const Bytes from_nothing = Decode(5000, {});
  EXPECT_GE(from_nothing.size(), 5000u);
  EXPECT_LT(from_nothing.size(), 5000u + kLookahead);
  // The same bits given explicitly: 40 zero bits per output byte is more than any code needs.
  EXPECT_EQ(from_nothing, Decode(5000, Bytes(5000 * 40 / 8, 0)));
  // A truncated stream decodes its real bits, then zeros.
  BitWriter w;
  SymbolWriter s;
  for (char c : std::string("skin")) s.Literal(w, c);
  const Bytes out = Decode(300, w.Finish());
  ASSERT_GE(out.size(), 300u);
  EXPECT_EQ(Text(out).substr(0, 4), "skin");
}

TEST(LzhDecoder, MatchAtTheStartCopiesTheRingsSpaces) {
  // The first symbol is coded by the starting tree, in which the parent of node i is 314 + i / 2;
  // that code is built here without the tree.
  for (int length : {3, 17, 60}) {
    for (int position : {0, 63, 64, 1000, 4035}) {
      BitWriter w;
      std::vector<int> bits;
      for (int p = 256 + length - 3; p != kRoot; p = kSymbols + p / 2) bits.push_back(p & 1);
      for (auto it = bits.rbegin(); it != bits.rend(); ++it) w.Put(static_cast<std::uint32_t>(*it), 1);
      PutPosition(w, position);
      EXPECT_EQ(Text(Decode(length, w.Finish())), std::string(static_cast<std::size_t>(length), ' '))
          << "length " << length << " position " << position;
    }
  }
}

TEST(LzhDecoder, MatchShorterThanItsLengthRepeatsTheLastBytes) {
  BitWriter w;
  SymbolWriter s;
  s.Literal(w, 'a');
  s.Match(w, 60, 0);  // distance 1: a run
  s.Literal(w, 'x');
  s.Literal(w, 'y');
  s.Literal(w, 'z');
  s.Match(w, 10, 2);  // distance 3, length 10
  EXPECT_EQ(Text(Decode(74, w.Finish())), std::string(61, 'a') + "xyzxyzxyzxyzx");
}

TEST(LzhDecoder, PositionsOfEveryCodeLengthReachTheRightBytes) {
  // 4096 distinct-looking literals, then length-4 matches at positions covering every group of
  // the position table; the expected bytes come from the output so far.
  BitWriter w;
  SymbolWriter s;
  std::string expect;
  for (int i = 0; i < 4096; ++i) {
    const char c = static_cast<char>((i * 37 + i / 256) & 0xFF);
    s.Literal(w, c);
    expect += c;
  }
  for (int position : {0, 31, 63, 64, 255, 256, 511, 767, 768, 1535, 1536, 3071, 3072, 4094, 4095}) {
    s.Match(w, 4, position);
    const std::size_t from = expect.size() - static_cast<std::size_t>(position) - 1;
    for (std::size_t k = 0; k < 4; ++k) expect += expect[from + k];
  }
  EXPECT_EQ(Text(Decode(static_cast<std::int32_t>(expect.size()), w.Finish())), expect);
}

TEST(LzhDecoder, PositionTablesFollowTheFormat) {
  struct Case {
    int byte, upper, bits;
  };
  const Case cases[] = {{0x00, 0, 3},  {0x1F, 0, 3},  {0x20, 1, 4},  {0x30, 2, 4},  {0x4F, 3, 4},
                        {0x50, 4, 5},  {0x8F, 11, 5}, {0x90, 12, 6}, {0xBF, 23, 6}, {0xC0, 24, 7},
                        {0xEF, 47, 7}, {0xF0, 48, 8}, {0xFE, 62, 8}, {0xFF, 63, 8}};
  for (const Case& c : cases) {
    EXPECT_EQ(kPositionTables.code[c.byte], c.upper) << c.byte;
    EXPECT_EQ(kPositionTables.len[c.byte], c.bits) << c.byte;
  }
}

TEST(LzhDecoder, LastMatchIsWrittenWhollyPastTheSize) {
  BitWriter w;
  SymbolWriter s;
  s.Literal(w, 'q');
  s.Match(w, 60, 0);
  s.Literal(w, 'z');  // never reached
  EXPECT_EQ(Text(Decode(5, w.Finish())), std::string(61, 'q'));
}

TEST(LzhDecoder, CallbacksAndDirectPathAgreeOnArbitraryBits) {
  std::mt19937 rng(7);
  for (int round = 0; round < 20; ++round) {
    Bytes packed(4 + rng() % 600);
    for (auto& b : packed) b = static_cast<std::uint8_t>(rng());
    const std::int32_t size = static_cast<std::int32_t>(rng() % 3000);
    TLZH lzh;
    Bytes via_callbacks;
    lzh.SetInput(packed, 4);
    lzh.SetOutput(&via_callbacks);
    lzh.Unpack(
        size, [&](std::uint8_t* b, std::uint16_t n, std::uint16_t& a) { lzh.ReadBlock(b, n, a); },
        [&](const std::uint8_t* b, std::uint16_t n, std::uint16_t& wr) { lzh.WriteBlock(b, n, wr); });
    EXPECT_EQ(via_callbacks, Decode(size, Bytes(packed.begin() + 4, packed.end()))) << round;
    EXPECT_GE(via_callbacks.size(), static_cast<std::size_t>(size));
    EXPECT_LT(via_callbacks.size(), static_cast<std::size_t>(size) + kLookahead);
  }
}

TEST(LzhDecoder, ReadBlockReportsWhatRemains) {
  const Bytes input = {1, 2, 3};
  TLZH lzh;
  lzh.SetInput(input);
  std::uint8_t buf[8] = {};
  std::uint16_t actual = 99;
  lzh.ReadBlock(buf, 2, actual);
  EXPECT_EQ(actual, 2);
  lzh.ReadBlock(buf, 5, actual);
  EXPECT_EQ(actual, 1);
  EXPECT_EQ(buf[0], 3);
  lzh.ReadBlock(buf, 1, actual);
  EXPECT_EQ(actual, 0);
}

// Checks that the tree is a Huffman tree with the sibling property whose leaves carry the model's
// counts.
void ExpectTreeMatches(const AdaptiveTree& t, const std::vector<std::uint32_t>& counts, std::uint32_t total,
                       int step) {
  ASSERT_EQ(t.freq[kRoot], total) << "step " << step;
  for (int x = 0; x < kTreeSize; ++x) {
    if (x + 1 < kTreeSize) {
      ASSERT_LE(t.freq[x], t.freq[x + 1]) << "order at " << x << ", step " << step;
    }
    const int s = t.son[x];
    if (s >= kTreeSize) {
      ASSERT_EQ(t.prnt[s], x);
      ASSERT_EQ(t.freq[x], counts[static_cast<std::size_t>(s - kTreeSize)]) << "step " << step;
    } else {
      ASSERT_EQ(s % 2, 0);
      ASSERT_EQ(t.prnt[s], x);
      ASSERT_EQ(t.prnt[s + 1], x);
      ASSERT_EQ(t.freq[x], t.freq[s] + t.freq[s + 1]) << "sum at " << x << ", step " << step;
    }
  }
  ASSERT_EQ(t.freq[kTreeSize], 0xFFFF);
}

TEST(LzhTree, FollowsTheCountsAndHalvesThemWhenTheRootReaches0x8000) {
  AdaptiveTree tree;
  tree.Start();
  std::vector<std::uint32_t> counts(kSymbols, 1);
  std::uint32_t total = kSymbols;
  ExpectTreeMatches(tree, counts, total, 0);

  // Skewed symbols, as real data has, so the tree reshapes often.
  std::mt19937 rng(42);
  std::geometric_distribution<int> skew(0.02);
  const int first_rebuild = 0x8000 - kSymbols + 1;  // the update that finds the root at 0x8000
  // The tree must halve its counts at the same update as the model, no sooner and no later: a
  // rebuild one update off leaves the root's count off by one at the checks around it.
  int rebuilds = 0, last_rebuild = -100;
  for (int step = 1; step <= 2 * first_rebuild + 5000; ++step) {
    const int sym = skew(rng) % kSymbols;
    if (total == 0x8000) {
      last_rebuild = step;
      ++rebuilds;
      total = 0;
      for (auto& c : counts) total += (c = (c + 1) / 2);
    }
    ++counts[static_cast<std::size_t>(sym)];
    ++total;
    tree.Update(sym);
    if (step % 97 == 0 || step - last_rebuild < 3 || total >= 0x8000 - 2) {
      ExpectTreeMatches(tree, counts, total, step);
      if (HasFatalFailure()) return;
    }
  }
  EXPECT_GE(rebuilds, 2);
}

TEST(LzhTree, RebuildPlacesNewNodesAfterEqualCounts) {
  // All starting counts are 1 and halve to 1, so a rebuild of the starting tree must give it back
  // unchanged only if each new inner node goes after the nodes of equal count.
  AdaptiveTree start, rebuilt;
  start.Start();
  rebuilt.Start();
  rebuilt.Rebuild();
  for (int i = 0; i < kTreeSize; ++i) {
    EXPECT_EQ(rebuilt.freq[i], start.freq[i]) << i;
    EXPECT_EQ(rebuilt.son[i], start.son[i]) << i;
  }
  for (int i = 0; i < kTreeSize + kSymbols; ++i) {
    if (i != kRoot) {
      EXPECT_EQ(rebuilt.prnt[i], start.prnt[i]) << i;
    }
  }
}

}  // namespace
}  // namespace zembrel
