#include "skin/storage/skin_reader.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "skin/storage/lzh_codec.h"
#include "skin/storage/skin_notice.h"
#include "skin/storage/text_lines.h"

namespace zembrel {
namespace {

std::int32_t ReadLE32(const std::uint8_t* p) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                                   (static_cast<std::uint32_t>(p[2]) << 16) |
                                   (static_cast<std::uint32_t>(p[3]) << 24));
}

}  // namespace

int SkinExtraBlockSize(std::int32_t format) {
  switch (format) {
    case kSkinFormat20000: return 0;
    case kSkinFormat30000: return 256;
    case kSkinFormat40000: return 80;
    default: return -1;
  }
}

bool TSkinReader::Fail(std::string why) {
  Clear();
  error_ = std::move(why);
  return false;
}

void TSkinReader::Clear() {
  names_.clear();
  sizes_.fill(0);
  data_.clear();
  error_.clear();
}

bool TSkinReader::ReadSkin(std::span<const std::uint8_t> packed) {
  Clear();
  header_.fill(0);
  std::int32_t size = 0;
  if (!TLZH::ReadUnpackedSize(packed, size)) return Fail("packed skin is shorter than its 4-byte size field");
  if (size > max_unpacked_) {
    return Fail("stated unpacked size " + std::to_string(size) + " is over the limit of " +
                std::to_string(max_unpacked_) + " bytes");
  }
  std::vector<std::uint8_t> scratch;
  TLZH::UnpackBits(size, packed.subspan(4), scratch);
  return ReadContainer(scratch);
}

bool TSkinReader::ReadContainer(std::span<const std::uint8_t> c) {
  Clear();
  // A container shorter than its header reads as zeros past its end, so its format is judged on
  // what is there.
  std::uint8_t head[16] = {};
  if (!c.empty()) std::memcpy(head, c.data(), std::min<std::size_t>(c.size(), sizeof head));
  for (int i = 0; i < 4; ++i) header_[static_cast<std::size_t>(i)] = ReadLE32(head + 4 * i);

  const int extra = SkinExtraBlockSize(header_[0]);
  if (extra < 0) {
    ShowSkinNotice(kOlderSkinNotice);
    return Fail("unknown container format " + std::to_string(header_[0]));
  }
  if (c.size() < 16) return Fail("container is shorter than its 16-byte header");
  const std::int32_t name_len = header_[1];
  const std::size_t names_at = 16 + static_cast<std::size_t>(extra);
  if (name_len < 0 || names_at > c.size() || static_cast<std::size_t>(name_len) > c.size() - names_at) {
    return Fail("name list of " + std::to_string(name_len) + " bytes does not fit in the container");
  }
  const std::string names = AsciiLower(
      std::string_view(reinterpret_cast<const char*>(c.data()) + names_at, static_cast<std::size_t>(name_len)));
  std::vector<std::string> list = SplitTextLines(names);
  if (list.size() > static_cast<std::size_t>(kSkinMaxEntries)) {
    return Fail(std::to_string(list.size()) + " entries are more than the " + std::to_string(kSkinMaxEntries) +
                " a skin may hold");
  }
  const std::size_t sizes_at = names_at + static_cast<std::size_t>(name_len);
  if (4 * list.size() > c.size() - sizes_at) return Fail("size table runs past the end of the container");
  const std::size_t data_at = sizes_at + 4 * list.size();
  const std::uint64_t data_len = c.size() - data_at;

  std::uint64_t total = 0;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::int32_t s = ReadLE32(c.data() + sizes_at + 4 * i);
    if (s < 0) return Fail("entry " + std::to_string(i) + " has the negative size " + std::to_string(s));
    total += static_cast<std::uint64_t>(s);
    if (total > data_len) {
      return Fail("entry " + std::to_string(i) + " ends past the end of the container (" + std::to_string(total) +
                  " of " + std::to_string(data_len) + " data bytes)");
    }
    sizes_[i] = s;
  }
  names_ = std::move(list);
  data_.assign(c.begin() + static_cast<std::ptrdiff_t>(data_at), c.end());
  return true;
}

void TSkinReader::CopyEntry(std::size_t index, std::size_t offset, std::vector<std::uint8_t>& target) const {
  const auto* begin = data_.data() + offset;
  target.assign(begin, begin + sizes_[index]);
}

void TSkinReader::GetEntry(std::string_view name, std::vector<std::uint8_t>& target) const {
  target.clear();
  const std::string wanted = AsciiLower(name);
  std::size_t offset = 0;
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i] == wanted) {
      CopyEntry(i, offset, target);
      return;
    }
    offset += static_cast<std::size_t>(sizes_[i]);
  }
}

void TSkinReader::FindEntry(std::string_view fragment, std::vector<std::uint8_t>& target,
                            std::string& entryName) const {
  target.clear();
  if (fragment.empty()) return;
  std::size_t offset = 0;
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i].find(fragment) != std::string::npos) {
      CopyEntry(i, offset, target);
      entryName = names_[i];
      return;
    }
    offset += static_cast<std::size_t>(sizes_[i]);
  }
}

}  // namespace zembrel
