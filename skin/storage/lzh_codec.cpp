#include "skin/storage/lzh_codec.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "skin/storage/lzh_tree.h"

namespace zembrel {
namespace {

using namespace lzh;

// Everything one run allocates: the tree and the ring.
struct DecoderTables {
  AdaptiveTree tree;
  std::uint8_t ring[kRingAlloc];
};

std::unique_ptr<DecoderTables> AllocateTables() {
  std::unique_ptr<DecoderTables> t(new (std::nothrow) DecoderTables);
  if (!t) throw ElzhException(kLzhNoMemory);
  return t;
}

// Bit input over any byte source whose Next() yields the next byte, or 0 when there is none.
template <class Source>
class BitInput {
 public:
  explicit BitInput(Source& src) : src_(src) {}

  int Bit() {
    Fill();
    const int bit = buf_ >> 15;
    buf_ = static_cast<std::uint16_t>(buf_ << 1);
    --count_;
    return bit;
  }

  int Byte() {
    Fill();
    const int byte = buf_ >> 8;
    buf_ = static_cast<std::uint16_t>(buf_ << 8);
    count_ = static_cast<std::uint8_t>(count_ - 8);
    return byte;
  }

 private:
  void Fill() {
    while (count_ <= 8) {
      buf_ = static_cast<std::uint16_t>(buf_ | (src_.Next() << (8 - count_)));
      count_ = static_cast<std::uint8_t>(count_ + 8);
    }
  }

  Source& src_;
  std::uint16_t buf_ = 0;
  std::uint8_t count_ = 0;
};

template <class Source, class Sink>
void Decode(std::int32_t size, Source& src, Sink& sink) {
  std::unique_ptr<DecoderTables> t = AllocateTables();
  AdaptiveTree& tree = t->tree;
  std::uint8_t* ring = t->ring;
  tree.Start();
  std::memset(ring, 0x20, kRingStart);
  // The cells past the start position are written before a well-formed stream can refer to them;
  // a damaged stream reads zeros there rather than whatever the allocation held.
  std::memset(ring + kRingStart, 0, kRingAlloc - kRingStart);

  BitInput<Source> in(src);
  const auto& pos_tables = kPositionTables;
  int r = kRingStart;
  std::int64_t produced = 0;
  while (produced < size) {
    int c = tree.son[kRoot];
    while (c < kTreeSize) c = tree.son[c + in.Bit()];
    c -= kTreeSize;
    tree.Update(c);

    if (c < 256) {
      const auto byte = static_cast<std::uint8_t>(c);
      sink.Put(byte);
      ring[r] = byte;
      r = (r + 1) & kWindowMask;
      ++produced;
      continue;
    }
    int b = in.Byte();
    const int upper = pos_tables.code[b] << 6;
    for (int extra = pos_tables.len[b] - 2; extra > 0; --extra) {
      b = static_cast<std::uint16_t>((b << 1) + in.Bit());
    }
    const int position = upper | (b & 0x3F);
    const int from = (r - position - 1) & kWindowMask;
    const int length = c - 255 + kThreshold;
    for (int k = 0; k < length; ++k) {
      const std::uint8_t byte = ring[(from + k) & kWindowMask];
      sink.Put(byte);
      ring[r] = byte;
      r = (r + 1) & kWindowMask;
      ++produced;
    }
  }
}

struct CallbackSource {
  const TLZH::ReadBlockFn& read;
  int Next() {
    std::uint8_t byte = 0;
    std::uint16_t actual = 0;
    read(&byte, 1, actual);
    return actual == 1 ? byte : 0;
  }
};

struct CallbackSink {
  const TLZH::WriteBlockFn& write;
  void Put(std::uint8_t byte) {
    std::uint16_t written = 0;
    write(&byte, 1, written);
  }
};

struct SpanSource {
  const std::uint8_t* p;
  const std::uint8_t* end;
  int Next() { return p < end ? *p++ : 0; }
};

struct VectorSink {
  std::vector<std::uint8_t>& out;
  void Put(std::uint8_t byte) { out.push_back(byte); }
};

}  // namespace

void TLZH::Unpack(std::int32_t size, const ReadBlockFn& readBlock, const WriteBlockFn& writeBlock) {
  CallbackSource src{readBlock};
  CallbackSink sink{writeBlock};
  Decode(size, src, sink);
}

void TLZH::SetInput(std::span<const std::uint8_t> input, std::size_t position) {
  input_ = input;
  in_pos_ = std::min(position, input.size());
}

void TLZH::ReadBlock(std::uint8_t* buffer, std::uint16_t requested, std::uint16_t& actual) {
  const std::size_t n = std::min<std::size_t>(requested, input_.size() - in_pos_);
  if (n) std::memcpy(buffer, input_.data() + in_pos_, n);
  in_pos_ += n;
  actual = static_cast<std::uint16_t>(n);
}

void TLZH::WriteBlock(const std::uint8_t* buffer, std::uint16_t count, std::uint16_t& written) {
  if (output_ && count) output_->insert(output_->end(), buffer, buffer + count);
  written = count;
}

void TLZH::UnpackBits(std::int32_t size, std::span<const std::uint8_t> code, std::vector<std::uint8_t>& output) {
  SpanSource src{code.data(), code.data() + code.size()};
  VectorSink sink{output};
  // Reserve for sizes a skin can have; a larger stated size grows the output as it is produced.
  if (size > 0) output.reserve(output.size() + std::min<std::size_t>(static_cast<std::size_t>(size), 1u << 24) + kLookahead);
  Decode(size, src, sink);
}

bool TLZH::ReadUnpackedSize(std::span<const std::uint8_t> packed, std::int32_t& size) {
  if (packed.size() < 4) return false;
  const std::uint32_t v = static_cast<std::uint32_t>(packed[0]) | (static_cast<std::uint32_t>(packed[1]) << 8) |
                          (static_cast<std::uint32_t>(packed[2]) << 16) |
                          (static_cast<std::uint32_t>(packed[3]) << 24);
  size = static_cast<std::int32_t>(v);
  return true;
}

}  // namespace zembrel
