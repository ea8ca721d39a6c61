#include "tools/skinpack/skin_writer.h"

#include <limits>
#include <set>
#include <stdexcept>

#include "skin/storage/skin_reader.h"
#include "skin/storage/text_lines.h"

namespace zembrel::skinpack {
namespace {

void PutLE32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

constexpr std::uint64_t kMaxContainer = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());

}  // namespace

void CheckSkinEntries(std::int32_t format, const std::vector<SkinEntry>& entries) {
  if (SkinExtraBlockSize(format) < 0) {
    throw std::invalid_argument("unknown container format " + std::to_string(format) +
                                " (use 20000, 30000 or 40000)");
  }
  if (entries.size() > static_cast<std::size_t>(kSkinMaxEntries)) {
    throw std::invalid_argument(std::to_string(entries.size()) + " entries are more than the " +
                                std::to_string(kSkinMaxEntries) + " a skin may hold");
  }
  std::set<std::string> seen;
  for (const SkinEntry& e : entries) {
    const std::string& n = e.name;
    if (n.empty()) throw std::invalid_argument("an entry has an empty name");
    if (n == "." || n == ".." || n.find_first_of(std::string("\r\n\0/\\:", 7)) != std::string::npos) {
      throw std::invalid_argument("entry name \"" + n + "\" is not a plain file name");
    }
    if (!seen.insert(AsciiLower(n)).second) {
      throw std::invalid_argument("entry name \"" + n + "\" occurs twice (names are compared in lower case)");
    }
  }
}

std::vector<std::uint8_t> BuildSkinContainer(std::int32_t format, const std::vector<SkinEntry>& entries) {
  CheckSkinEntries(format, entries);
  std::string names;
  std::uint64_t data_len = 0;
  for (const SkinEntry& e : entries) {
    names += e.name;
    names += "\r\n";
    data_len += e.bytes.size();
  }
  const auto extra = static_cast<std::size_t>(SkinExtraBlockSize(format));
  const std::uint64_t total = 16 + extra + names.size() + 4 * entries.size() + data_len;
  if (total > kMaxContainer) throw std::invalid_argument("the entries make a container of 2 GiB or more");

  std::vector<std::uint8_t> out;
  out.reserve(static_cast<std::size_t>(total));
  PutLE32(out, static_cast<std::uint32_t>(format));
  PutLE32(out, static_cast<std::uint32_t>(names.size()));
  PutLE32(out, 0);
  PutLE32(out, 0);
  out.insert(out.end(), extra, 0);
  out.insert(out.end(), names.begin(), names.end());
  for (const SkinEntry& e : entries) PutLE32(out, static_cast<std::uint32_t>(e.bytes.size()));
  for (const SkinEntry& e : entries) out.insert(out.end(), e.bytes.begin(), e.bytes.end());
  return out;
}

std::vector<std::uint8_t> PackSkin(std::int32_t format, const std::vector<SkinEntry>& entries,
                                   const LzhPackOptions& options) {
  return LzhPack(BuildSkinContainer(format, entries), options);
}

}  // namespace zembrel::skinpack
