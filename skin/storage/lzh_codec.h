// TLZH: the decoder of packed skins.
//
// A packed stream is a signed 32-bit little-endian unpacked size followed by the code bits, most
// significant bit of each byte first. A short or damaged input is not detected: missing bytes read
// as zero bits and decoding goes on until the stated size is reached. The size is only tested
// before each symbol, so the last match may write up to 59 bytes past it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace zembrel {

class ElzhException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kLzhNoMemory = "LZH : Cannot get memory for dictionary tables";
// Kept for callers that match on the message; the tables are released by their owner and the
// release itself cannot fail, so this one is never raised.
inline constexpr const char* kLzhFreeFailed = "LZH : Error freeing memory for dictionary tables";

class TLZH {
 public:
  // readBlock(buffer, requested, actual) is asked for one byte at a time; writeBlock(buffer, count,
  // written) is handed one byte at a time.
  using ReadBlockFn = std::function<void(std::uint8_t* buffer, std::uint16_t requested, std::uint16_t& actual)>;
  using WriteBlockFn =
      std::function<void(const std::uint8_t* buffer, std::uint16_t count, std::uint16_t& written)>;

  // Decodes code bits fetched through readBlock until `size` bytes have been produced (nothing for
  // a size of 0 or less). Throws ElzhException when the tables cannot be allocated.
  void Unpack(std::int32_t size, const ReadBlockFn& readBlock, const WriteBlockFn& writeBlock);

  // The stream-bound callbacks. The input is borrowed and must outlive the run; the output is
  // appended to.
  void SetInput(std::span<const std::uint8_t> input, std::size_t position = 0);
  void SetOutput(std::vector<std::uint8_t>* output) { output_ = output; }
  std::size_t InputPosition() const { return in_pos_; }
  // Reads up to `requested` bytes from the input's current position; reports how many it read.
  void ReadBlock(std::uint8_t* buffer, std::uint16_t requested, std::uint16_t& actual);
  // Appends the bytes to the output and reports all of them as written.
  void WriteBlock(const std::uint8_t* buffer, std::uint16_t count, std::uint16_t& written);

  // The same decoding without per-byte callbacks: `code` is the code bits (the size field already
  // taken off), the produced bytes are appended to `output`.
  static void UnpackBits(std::int32_t size, std::span<const std::uint8_t> code, std::vector<std::uint8_t>& output);

  // Reads the 4-byte size field of a packed stream. False when the stream is shorter than that.
  static bool ReadUnpackedSize(std::span<const std::uint8_t> packed, std::int32_t& size);

 private:
  std::span<const std::uint8_t> input_;
  std::size_t in_pos_ = 0;
  std::vector<std::uint8_t>* output_ = nullptr;
};

}  // namespace zembrel
