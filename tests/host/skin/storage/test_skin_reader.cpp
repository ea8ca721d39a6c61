// The skin container reader: the three formats, lookups, and refusals of malformed containers.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "skin/storage/lzh_codec.h"
#include "skin/storage/skin_notice.h"
#include "skin/storage/skin_reader.h"
#include "tools/skinpack/lzh_encoder.h"
#include "tools/skinpack/skin_writer.h"

namespace zembrel {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes B(const std::string& s) { return Bytes(s.begin(), s.end()); }

void Put32(Bytes& out, std::int64_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(static_cast<std::uint64_t>(v) >> (8 * i)));
}

// A container laid out by hand: header, extra block of `extra` bytes, names text, sizes, data.
Bytes RawContainer(std::int32_t format, std::size_t extra, const std::string& names, const std::vector<std::int64_t>& sizes,
                   const Bytes& data, std::int64_t name_len = -1) {
  Bytes c;
  Put32(c, format);
  Put32(c, name_len >= 0 ? name_len : static_cast<std::int64_t>(names.size()));
  Put32(c, 0x11111111);  // free words: whatever a packer wrote there
  Put32(c, 0x22222222);
  c.insert(c.end(), extra, 0xEE);
  c.insert(c.end(), names.begin(), names.end());
  for (std::int64_t s : sizes) Put32(c, s);
  c.insert(c.end(), data.begin(), data.end());
  return c;
}

// Records the notices shown while it lives.
class NoticeLog {
 public:
  NoticeLog() : previous_(SetSkinNoticeHandler([this](const std::string& t) { notices.push_back(t); })) {}
  ~NoticeLog() { SetSkinNoticeHandler(std::move(previous_)); }
  std::vector<std::string> notices;

 private:
  SkinNoticeHandler previous_;
};

TEST(SkinReader, ReadsEachFormatFromItsPackedStream) {
  struct Case {
    std::int32_t format;
    std::size_t extra;
  };
  for (const Case c : {Case{20000, 0}, Case{30000, 256}, Case{40000, 80}}) {
    const Bytes container = RawContainer(c.format, c.extra, "Buttons.bmp\r\nSKIN.INI\r\nempty.bmp\r\n", {4, 7, 0},
                                         B("BM..[Title]"));
    TSkinReader reader;
    NoticeLog log;
    ASSERT_TRUE(reader.ReadSkin(skinpack::LzhPack(container))) << c.format << ": " << reader.Error();
    EXPECT_TRUE(log.notices.empty());
    EXPECT_EQ(reader.Format(), c.format);
    EXPECT_EQ(reader.Header()[2], 0x11111111);
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"buttons.bmp", "skin.ini", "empty.bmp"}));
    Bytes entry = B("stale");
    reader.GetEntry("Buttons.bmp", entry);
    EXPECT_EQ(entry, B("BM.."));
    reader.GetEntry("skin.ini", entry);
    EXPECT_EQ(entry, B("[Title]"));
    reader.GetEntry("empty.bmp", entry);
    EXPECT_TRUE(entry.empty());
    reader.GetEntry("missing.bmp", entry);
    EXPECT_TRUE(entry.empty());
    // The packer lays out the same container (apart from the free words).
    Bytes built = skinpack::BuildSkinContainer(c.format, {{"Buttons.bmp", B("BM..")}, {"SKIN.INI", B("[Title]")},
                                                          {"empty.bmp", {}}});
    Bytes expect = container;
    std::fill(expect.begin() + 8, expect.begin() + 16 + static_cast<std::ptrdiff_t>(c.extra), 0);
    EXPECT_EQ(built, expect) << c.format;
  }
}

TEST(SkinReader, LookupsTakeTheFirstMatch) {
  const Bytes container = RawContainer(20000, 0, "title.bmp\r\nmy.inidef\r\nskin.ini\r\nTitle.bmp", {1, 2, 3, 4},
                                       B("abbcccdddd"));
  TSkinReader reader;
  ASSERT_TRUE(reader.ReadContainer(container)) << reader.Error();
  ASSERT_EQ(reader.EntryCount(), 4);  // no line end after the last name
  Bytes entry;
  reader.GetEntry("TITLE.BMP", entry);
  EXPECT_EQ(entry, B("a"));

  std::string name = "unchanged";
  reader.FindEntry(".ini", entry, name);
  EXPECT_EQ(name, "my.inidef");  // ".ini" anywhere in the name
  EXPECT_EQ(entry, B("bb"));
  reader.FindEntry("ccc", entry, name);  // a fragment of the name, not of the bytes
  EXPECT_TRUE(entry.empty());
  name = "unchanged";
  reader.FindEntry(".INI", entry, name);  // names are lower case; the fragment is taken as given
  EXPECT_TRUE(entry.empty());
  EXPECT_EQ(name, "unchanged");
  reader.FindEntry("", entry, name);
  EXPECT_TRUE(entry.empty());
  EXPECT_EQ(name, "unchanged");
}

TEST(SkinReader, NameListEdges) {
  struct Case {
    const char* names;
    std::vector<std::int64_t> sizes;
    std::vector<std::string> expect;
  };
  const Case cases[] = {
      {"", {}, {}},
      {"a\r\n", {1}, {"a"}},
      {"a\nb\rc", {1, 1, 1}, {"a", "b", "c"}},
      {"a\r\n\r\nb", {1, 0, 1}, {"a", "", "b"}},  // an empty line is an entry
  };
  for (const Case& c : cases) {
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadContainer(RawContainer(40000, 80, c.names, c.sizes, B("xyz-extra")))) << reader.Error();
    EXPECT_EQ(reader.Names(), c.expect) << c.names;
    EXPECT_EQ(reader.Data(), B("xyz-extra"));  // bytes after the last entry are kept
  }
}

TEST(SkinReader, UnknownFormatShowsTheOlderSkinNotice) {
  for (const Bytes& container : {RawContainer(10000, 0, "a\r\n", {1}, B("x")), RawContainer(-1, 0, "", {}, {}),
                                 Bytes{0x10, 0x27}, Bytes{}}) {
    NoticeLog log;
    TSkinReader reader;
    EXPECT_FALSE(reader.ReadContainer(container));
    ASSERT_EQ(log.notices.size(), 1u);
    EXPECT_EQ(log.notices[0], "This is Older Skin File\rPlease update to new version !");
    EXPECT_EQ(reader.EntryCount(), 0);
  }
  // A packed stream of size 0 unpacks to nothing, which has no known format either.
  NoticeLog log;
  TSkinReader reader;
  EXPECT_FALSE(reader.ReadSkin(Bytes{0, 0, 0, 0}));
  EXPECT_EQ(log.notices.size(), 1u);
}

TEST(SkinReader, RefusesMalformedContainersWithoutNotice) {
  std::string names1002;
  for (int i = 0; i < 1002; ++i) names1002 += "e\r\n";
  std::string names1001;
  for (int i = 0; i < 1001; ++i) names1001 += "e\r\n";
  struct Case {
    const char* what;
    Bytes container;
  };
  const Case cases[] = {
      {"negative size", RawContainer(20000, 0, "a\r\nb\r\n", {-1, 2}, B("ab"))},
      {"size larger than the data", RawContainer(20000, 0, "a\r\n", {3}, B("ab"))},
      {"sizes summing past the end", RawContainer(20000, 0, "a\r\nb\r\n", {2, 1}, B("ab"))},
      {"sizes summing past 32 bits", RawContainer(20000, 0, "a\r\nb\r\n", {0x7FFFFFFF, 0x7FFFFFFF}, B("ab"))},
      {"name list longer than the container", RawContainer(20000, 0, "a\r\n", {}, {}, 1000)},
      {"negative name list length", RawContainer(20000, 0, "a\r\n", {1}, B("a"), 0xFFFFFFF0)},
      {"size table cut short", RawContainer(20000, 0, "a\r\nb\r\n", {1}, B("ab"))},
      {"extra block cut short", RawContainer(30000, 0, "", {}, {})},
      {"header cut short", Bytes{0x20, 0x4E, 0, 0, 0, 0}},
      {"more entries than the size table", RawContainer(20000, 0, names1002, std::vector<std::int64_t>(1002, 0), {})},
  };
  for (const Case& c : cases) {
    NoticeLog log;
    TSkinReader reader;
    EXPECT_FALSE(reader.ReadContainer(c.container)) << c.what;
    EXPECT_FALSE(reader.Error().empty()) << c.what;
    EXPECT_TRUE(log.notices.empty()) << c.what;
    EXPECT_EQ(reader.EntryCount(), 0) << c.what;
    EXPECT_TRUE(reader.Data().empty()) << c.what;
  }
  // The size table's last slot is usable.
  TSkinReader reader;
  EXPECT_TRUE(reader.ReadContainer(RawContainer(20000, 0, names1001, std::vector<std::int64_t>(1001, 0), {})))
      << reader.Error();
  EXPECT_EQ(reader.EntryCount(), 1001);
}

TEST(SkinReader, RefusesPackedStreamsItCannotSize) {
  TSkinReader reader;
  EXPECT_FALSE(reader.ReadSkin(Bytes{1, 0, 0}));
  reader.SetMaxUnpackedSize(1 << 20);
  EXPECT_FALSE(reader.ReadSkin(Bytes{0x01, 0x00, 0x10, 0x00}));  // 1 MiB + 1 stated
  EXPECT_NE(reader.Error().find("limit"), std::string::npos);
}

TEST(SkinReader, DamagedPackedSkinsAreReadSafely) {
  std::vector<skinpack::SkinEntry> entries;
  for (int i = 0; i < 12; ++i) {
    Bytes b(200 + 37 * static_cast<std::size_t>(i));
    for (std::size_t k = 0; k < b.size(); ++k) b[k] = static_cast<std::uint8_t>(k * i / 3);
    entries.push_back({"e" + std::to_string(i) + ".bmp", b});
  }
  entries.push_back({"skin.ini", B("[Buttons]\r\nBitmap=e1.bmp\r\n")});
  const Bytes packed = skinpack::PackSkin(40000, entries);
  NoticeLog quiet;
  std::mt19937 rng(11);
  int accepted = 0;
  auto check = [&](const Bytes& damaged) {
    TSkinReader reader;
    reader.SetMaxUnpackedSize(1 << 20);
    if (!reader.ReadSkin(damaged)) return;
    ++accepted;
    std::uint64_t total = 0;
    for (int i = 0; i < reader.EntryCount(); ++i) total += static_cast<std::uint64_t>(reader.EntrySize(i));
    EXPECT_LE(total, reader.Data().size());
    Bytes entry;
    std::string name;
    for (const std::string& n : reader.Names()) reader.GetEntry(n, entry);
    reader.FindEntry(".ini", entry, name);
  };
  for (std::size_t len = 0; len < packed.size(); len += 1 + len / 8) check(Bytes(packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(len)));
  for (int round = 0; round < 200; ++round) {
    Bytes damaged = packed;
    for (int flips = 1 + static_cast<int>(rng() % 4); flips > 0; --flips) {
      damaged[4 + rng() % (damaged.size() - 4)] ^= static_cast<std::uint8_t>(1 + rng() % 255);
    }
    check(damaged);
  }
  for (int round = 0; round < 100; ++round) {
    Bytes random(rng() % 300);
    for (auto& b : random) b = static_cast<std::uint8_t>(rng());
    check(random);
  }
  check(packed);
  EXPECT_GE(accepted, 1);  // the undamaged skin at least
}

}  // namespace
}  // namespace zembrel
