// TSkinReader: unpacks a packed skin and hands out its entries by name.
//
// Unpacked container (signed 32-bit little-endian integers):
//   0   format number: 20000, 30000 or 40000
//   4   L, length of the name list in bytes
//   8   two words, not interpreted
//   16  extra block, skipped: 0 bytes (20000), 256 (30000), 80 (40000)
//   ..  name list, L bytes: the entry names, one per line, lines ended by CR LF
//   ..  n sizes, one per name, in list order
//   ..  the entries' bytes, concatenated in list order
// Entry names are kept lower-cased; an entry starts at the sum of the sizes before it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zembrel {

inline constexpr std::int32_t kSkinFormat20000 = 20000;
inline constexpr std::int32_t kSkinFormat30000 = 30000;
inline constexpr std::int32_t kSkinFormat40000 = 40000;
inline constexpr int kSkinMaxEntries = 1001;  // slots of the size table
// Largest unpacked size a reader accepts by default; the skins in use are a few hundred KB.
inline constexpr std::int32_t kSkinDefaultMaxUnpacked = 32 * 1024 * 1024;

inline constexpr const char* kOlderSkinNotice = "This is Older Skin File\rPlease update to new version !";

// Length of the skipped block after the header for a known format, or -1.
int SkinExtraBlockSize(std::int32_t format);

class TSkinReader {
 public:
  // Unpacks and indexes a packed skin. True when the container was recognised and indexed. An
  // unknown format number shows kOlderSkinNotice through ShowSkinNotice; any other fault (a stream
  // shorter than its size field, a stated size over the limit, a name list, size table or sizes
  // that do not fit in the container, more than kSkinMaxEntries entries) is refused without a
  // notice. Error() then says why. A refused skin leaves the reader empty.
  // May throw ElzhException when the decoder's tables cannot be allocated.
  bool ReadSkin(std::span<const std::uint8_t> packed);

  // Indexes an already unpacked container (the part of ReadSkin after decoding).
  bool ReadContainer(std::span<const std::uint8_t> container);

  // Clears target, then fills it with the bytes of the first entry whose name equals the
  // lower-cased name. Target stays empty when there is none.
  void GetEntry(std::string_view name, std::vector<std::uint8_t>& target) const;

  // Clears target, then fills it with the bytes of the first entry whose name contains fragment
  // (case-sensitive, an empty fragment matches nothing) and sets entryName to that name. When none
  // matches, target stays empty and entryName is left as it was.
  void FindEntry(std::string_view fragment, std::vector<std::uint8_t>& target, std::string& entryName) const;

  int EntryCount() const { return static_cast<int>(names_.size()); }
  const std::vector<std::string>& Names() const { return names_; }
  std::int32_t EntrySize(int index) const { return sizes_.at(static_cast<std::size_t>(index)); }
  std::int32_t Format() const { return header_[0]; }
  const std::array<std::int32_t, 4>& Header() const { return header_; }
  const std::vector<std::uint8_t>& Data() const { return data_; }
  const std::string& Error() const { return error_; }

  void SetMaxUnpackedSize(std::int32_t limit) { max_unpacked_ = limit; }

 private:
  bool Fail(std::string why);
  void Clear();
  // Copies entry i, whose bytes start at offset, into target.
  void CopyEntry(std::size_t index, std::size_t offset, std::vector<std::uint8_t>& target) const;

  std::vector<std::string> names_;
  std::array<std::int32_t, kSkinMaxEntries> sizes_{};
  std::vector<std::uint8_t> data_;
  std::array<std::int32_t, 4> header_{};
  std::string error_;
  std::int32_t max_unpacked_ = kSkinDefaultMaxUnpacked;
};

}  // namespace zembrel
