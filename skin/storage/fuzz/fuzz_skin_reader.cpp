// libFuzzer target: the skin container reader, both on packed streams and on unpacked containers
// (a packed stream rarely decodes to a container that gets far into the checks).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/storage/skin_notice.h"
#include "skin/storage/skin_reader.h"

namespace {

void Exercise(const zembrel::TSkinReader& reader) {
  std::vector<std::uint8_t> entry;
  std::string name;
  std::uint64_t total = 0;
  for (int i = 0; i < reader.EntryCount(); ++i) total += static_cast<std::uint64_t>(reader.EntrySize(i));
  if (total > reader.Data().size()) __builtin_trap();
  for (const std::string& n : reader.Names()) reader.GetEntry(n, entry);
  reader.FindEntry(".ini", entry, name);
  reader.FindEntry(".bmp", entry, name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool quiet = (zembrel::SetSkinNoticeHandler([](const std::string&) {}), true);
  (void)quiet;
  if (size == 0) return 0;
  std::span<const std::uint8_t> in(data + 1, size - 1);
  zembrel::TSkinReader reader;
  // Stated sizes past what the code bytes can yield (about 53 per byte; the cap stays below that) are refused, so one input
  // never makes the decoder spin on the zero bits that stand in for missing input.
  reader.SetMaxUnpackedSize(static_cast<std::int32_t>(std::min<std::size_t>(1 << 18, 16 * size + 64)));
  const bool ok = (data[0] & 1) ? reader.ReadSkin(in) : reader.ReadContainer(in);
  if (ok) Exercise(reader);
  return 0;
}
