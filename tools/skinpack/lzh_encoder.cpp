#include "tools/skinpack/lzh_encoder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "skin/storage/lzh_tree.h"

namespace zembrel::skinpack {
namespace {

using namespace lzh;

class BitSink {
 public:
  explicit BitSink(std::vector<std::uint8_t>& out) : out_(out) {}

  // Appends the low `count` bits of `bits` (count <= 24), most significant first.
  void Put(std::uint32_t bits, int count) {
    acc_ = (acc_ << count) | (bits & ((1u << count) - 1));
    n_ += count;
    while (n_ >= 8) {
      n_ -= 8;
      out_.push_back(static_cast<std::uint8_t>(acc_ >> n_));
    }
    acc_ &= (1u << n_) - 1;
  }

  // Pads the last byte with zero bits.
  void Flush() {
    if (n_) out_.push_back(static_cast<std::uint8_t>(acc_ << (8 - n_)));
    acc_ = 0;
    n_ = 0;
  }

 private:
  std::vector<std::uint8_t>& out_;
  std::uint32_t acc_ = 0;
  int n_ = 0;
};

// Prefix code of the upper six bits of a position, derived from the decoder's tables.
struct PositionPrefix {
  std::array<std::uint8_t, 64> code{};
  std::array<std::uint8_t, 64> len{};
};

PositionPrefix MakePositionPrefix() {
  PositionPrefix p;
  std::array<bool, 64> seen{};
  for (int b = 0; b < 256; ++b) {
    const int upper = kPositionTables.code[b];
    if (seen[upper]) continue;
    seen[upper] = true;
    p.len[upper] = kPositionTables.len[b];
    p.code[upper] = static_cast<std::uint8_t>(b >> (8 - p.len[upper]));
  }
  return p;
}

const PositionPrefix kPrefix = MakePositionPrefix();

class SymbolCoder {
 public:
  SymbolCoder() { tree_.Start(); }

  void Put(int sym, BitSink& sink) {
    std::uint8_t bits[kTreeSize];
    int depth = 0;
    for (int k = tree_.prnt[sym + kTreeSize]; k != kRoot; k = tree_.prnt[k]) {
      bits[depth++] = static_cast<std::uint8_t>(k & 1);  // first children sit at even positions
    }
    while (depth > 0) sink.Put(bits[--depth], 1);
    tree_.Update(sym);
  }

  // Current code length of a symbol, in bits.
  int Cost(int sym) const {
    int depth = 0;
    for (int k = tree_.prnt[sym + kTreeSize]; k != kRoot; k = tree_.prnt[k]) ++depth;
    return depth;
  }

 private:
  AdaptiveTree tree_;
};

int PositionCost(int distance) { return kPrefix.len[(distance - 1) >> 6] + 6; }

void PutPosition(int distance, BitSink& sink) {
  const int position = distance - 1;
  const int upper = position >> 6;
  sink.Put(kPrefix.code[upper], kPrefix.len[upper]);
  sink.Put(static_cast<std::uint32_t>(position & 0x3F), 6);
}

struct Match {
  int len = 0;
  int dist = 0;
};

// Hash chains over the history as the decoder sees it: the ring's initial spaces, then the data.
class MatchFinder {
 public:
  MatchFinder(const std::vector<std::uint8_t>& text, int max_chain)
      : text_(text), head_(kHashSize, -1), prev_(text.size(), -1), max_chain_(max_chain) {}

  Match Find(std::size_t cur) {
    const std::size_t end = text_.size();
    const int limit = static_cast<int>(std::min<std::size_t>(kLookahead, end - cur));
    Match best;
    if (limit < kMinMatch) return best;
    InsertUpTo(cur);
    const std::uint8_t* here = text_.data() + cur;
    int chain = max_chain_;
    for (std::int64_t q = head_[Hash(cur)];
         q >= 0 && static_cast<std::int64_t>(cur) - q <= kWindow && chain-- > 0; q = prev_[static_cast<std::size_t>(q)]) {
      const std::uint8_t* there = text_.data() + q;
      if (there[best.len] != here[best.len]) continue;
      int len = 0;
      while (len < limit && there[len] == here[len]) ++len;
      if (len > best.len) {
        best.len = len;
        best.dist = static_cast<int>(cur - static_cast<std::size_t>(q));
        if (len == limit) break;
      }
    }
    if (best.len < kMinMatch) best = Match{};
    return best;
  }

 private:
  static constexpr std::size_t kHashBits = 15;
  static constexpr std::size_t kHashSize = std::size_t{1} << kHashBits;

  std::size_t Hash(std::size_t q) const {
    const std::uint32_t v = (static_cast<std::uint32_t>(text_[q]) << 16) | (static_cast<std::uint32_t>(text_[q + 1]) << 8) |
                            text_[q + 2];
    return (v * 2654435761u) >> (32 - kHashBits);
  }

  // Every position before cur that still has three bytes after it joins its chain.
  void InsertUpTo(std::size_t cur) {
    const std::size_t stop = std::min(cur, text_.size() - 2);
    for (; inserted_ < stop; ++inserted_) {
      const std::size_t h = Hash(inserted_);
      prev_[inserted_] = head_[h];
      head_[h] = static_cast<std::int32_t>(inserted_);
    }
  }

  const std::vector<std::uint8_t>& text_;
  std::vector<std::int32_t> head_;
  std::vector<std::int32_t> prev_;
  std::size_t inserted_ = 0;
  int max_chain_;
};

}  // namespace

std::vector<std::uint8_t> LzhPack(std::span<const std::uint8_t> data, const LzhPackOptions& options) {
  if (data.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    throw std::length_error("data of 2 GiB or more cannot be packed: the size field is 32 bits");
  }
  std::vector<std::uint8_t> out;
  out.reserve(data.size() / 2 + 16);
  const auto size = static_cast<std::uint32_t>(data.size());
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(size >> (8 * i)));

  // The history: kRingStart spaces (the decoder's initial ring), then the data.
  std::vector<std::uint8_t> text(kRingStart + data.size(), 0x20);
  std::copy(data.begin(), data.end(), text.begin() + kRingStart);

  BitSink sink(out);
  SymbolCoder symbols;
  MatchFinder finder(text, std::max(1, options.max_chain));
  const std::size_t end = text.size();
  std::size_t cur = kRingStart;

  auto find = [&](std::size_t at) { return options.find_matches ? finder.Find(at) : Match{}; };
  auto literal = [&](std::size_t at) { symbols.Put(text[at], sink); };

  Match m = find(cur);
  while (cur < end) {
    if (m.len < kMinMatch) {
      literal(cur++);
      m = find(cur);
      continue;
    }
    Match next;
    bool have_next = false;
    if (options.lazy && m.len < kLookahead && cur + 1 < end) {
      next = find(cur + 1);
      have_next = true;
      if (next.len > m.len) {
        literal(cur++);
        m = next;
        continue;
      }
    }
    if (m.len <= kMinMatch + 1) {
      // A short, far match can cost more than its bytes as literals.
      int as_literals = 0;
      for (int k = 0; k < m.len; ++k) as_literals += symbols.Cost(text[cur + static_cast<std::size_t>(k)]);
      const int as_match = symbols.Cost(256 + m.len - kMinMatch) + PositionCost(m.dist);
      if (as_literals <= as_match) {
        literal(cur++);
        m = have_next ? next : find(cur);
        continue;
      }
    }
    symbols.Put(256 + m.len - kMinMatch, sink);
    PutPosition(m.dist, sink);
    cur += static_cast<std::size_t>(m.len);
    m = find(cur);
  }
  sink.Flush();
  return out;
}

}  // namespace zembrel::skinpack
