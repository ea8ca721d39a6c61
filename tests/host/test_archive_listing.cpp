#include "app/archive_listing.h"

#include <gtest/gtest.h>

namespace zembrel {
namespace {

// Printed by rar 7 for a solid, locked archive with a recovery record, encrypted headers, a
// comment, a sub-folder and a symbolic link (lines after the banner, CR LF as on Windows).
constexpr char kRar5Listing[] =
    "\r\nArchive comment:\r\ncmt\r\n\r\n\r\n"
    "Archive: x.rar\r\n"
    "Details: RAR 5, solid, recovery record, lock, encrypted headers\r\n\r\n"
    "        Name: src/a.txt\r\n        Type: File\r\n        Size: 6\r\n Packed size: 32\r\n"
    "       Ratio: 533%\r\n       mtime: 2026-12-11 15:52:28,926694412\r\n  Attributes: -rw-r--r--\r\n"
    "       CRC32: 363A3020\r\n     Host OS: Unix\r\n Compression: RAR 5.0(v50) -m3 -md=1m\r\n"
    "       Flags: encrypted \r\n\r\n"
    "        Name: src/link\r\n        Type: Unix symbolic link\r\n      Target: a.txt\r\n        Size: 5\r\n"
    "       CRC32: 00000000\r\n       Flags: solid encrypted \r\n\r\n"
    "        Name: src\r\n        Type: Directory\r\n  Attributes: drwxr-xr-x\r\n";

// A RAR 4 archive as today's archiver lists it (it can read that format, not write it).
constexpr char kRar4Listing[] =
    "Archive: old.rar\n"
    "Details: RAR 4, solid, recovery record\n\n"
    "        Name: docs\\readme.txt\n        Type: File\n        Size: 1024\n Packed size: 500\n"
    "  Attributes: ..A....\n       CRC32: DEADBEEF\n     Host OS: Windows\n"
    " Compression: RAR 2.9(v29) -m3 -md=4M\n\n"
    "        Name: docs\n        Type: Directory\n  Attributes: ...D...\n";

// The three volumes of a set listed together (-v): a file split over them, one CRC at its end.
constexpr char kVolumeListing[] =
    "Archive: vol.part1.rar\nDetails: RAR 5, volume 1\n\n"
    "        Name: big.bin\n        Type: File\n        Size: 300000\n  Pack-CRC32: B1ECD15D\n\n"
    "Archive: vol.part2.rar\nDetails: RAR 5, volume 2\n\n"
    "        Name: big.bin\n        Type: File\n        Size: 300000\n  Pack-CRC32: 6AC139BB\n\n"
    "Archive: vol.part3.rar\nDetails: RAR 5, volume 3\n\n"
    "        Name: big.bin\n        Type: File\n        Size: 300000\n       CRC32: 8223BF53\n";

TEST(ArchiveListing, ReadsTheArchivesPropertiesAndEveryEntry) {
  const auto listing = parse_technical_listing(kRar5Listing);
  ASSERT_TRUE(listing);
  EXPECT_EQ(listing->format, 5);
  EXPECT_TRUE(listing->solid && listing->recovery_record && listing->locked && listing->encrypted_headers);
  EXPECT_TRUE(listing->has_comment);
  EXPECT_FALSE(listing->volume);
  ASSERT_EQ(listing->entries.size(), 3u);
  const ListedEntry& file = listing->entries[0];
  EXPECT_EQ(file.name, "src\\a.txt");
  EXPECT_EQ(file.kind, EntryKind::File);
  EXPECT_EQ(file.size, 6u);
  EXPECT_EQ(file.crc, 0x363A3020u);
  EXPECT_TRUE(file.encrypted);
  EXPECT_EQ(listing->entries[1].kind, EntryKind::Link);
  EXPECT_EQ(listing->entries[1].target, "a.txt");
  EXPECT_EQ(listing->entries[2].kind, EntryKind::Folder);
  EXPECT_FALSE(listing->entries[2].size);
  EXPECT_FALSE(listing->entries[2].crc);
}

TEST(ArchiveListing, ReadsARar4Source) {
  const auto listing = parse_technical_listing(kRar4Listing);
  ASSERT_TRUE(listing);
  EXPECT_EQ(listing->format, 4);
  EXPECT_TRUE(listing->solid && listing->recovery_record);
  EXPECT_FALSE(listing->locked || listing->encrypted_headers || listing->has_comment);
  ASSERT_EQ(listing->entries.size(), 2u);
  EXPECT_EQ(listing->entries[0].crc, 0xDEADBEEFu);
  EXPECT_EQ(listing->entries[0].size, 1024u);
}

TEST(ArchiveListing, AVolumeSetListsASplitFileOnceWithItsWholeCrc) {
  const auto listing = parse_technical_listing(kVolumeListing);
  ASSERT_TRUE(listing);
  EXPECT_TRUE(listing->volume);
  EXPECT_EQ(listing->volume_number, 1);
  ASSERT_EQ(listing->entries.size(), 1u);
  EXPECT_EQ(listing->entries[0].crc, 0x8223BF53u);
}

// What the archiver prints when it cannot open an archive, an empty or cut capture, and lines
// that only look like the listing's: none is a listing, and none of them crashes the reader.
TEST(ArchiveListing, AnythingElseIsNoListing) {
  for (const char* text : {"", "\r\n", "Cannot open x.rar\r\nNo such file or directory\r\n", "Details: RAR 5\r\n",
                           "Archive: x.rar\r\nDetai", "Archive comment:\r\nArchive: a\r\n"}) {
    EXPECT_FALSE(parse_technical_listing(text)) << text;
  }
  // A cut listing keeps what arrived; values that do not parse are absent, not zero.
  const auto cut = parse_technical_listing("Archive: x.rar\nDetails: RAR 5\n  Name: a\n  Size: 12x\n  CRC32: zz");
  ASSERT_TRUE(cut);
  ASSERT_EQ(cut->entries.size(), 1u);
  EXPECT_FALSE(cut->entries[0].size);
  EXPECT_FALSE(cut->entries[0].crc);
}

}  // namespace
}  // namespace zembrel
