// The archiver's technical listing ("lt") read into what the job needs of an archive: its own
// properties (format, solid, recovery record, lock, encrypted headers, volume, comment) and each
// entry's name, kind, size and CRC.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembrel {

enum class EntryKind { File, Folder, Link, HardLink, FileCopy, Other };

struct ListedEntry {
  std::string name;  // relative, '\'-separated, as stored
  EntryKind kind = EntryKind::File;
  std::optional<std::uint64_t> size;
  std::optional<std::uint32_t> crc;  // of the whole file; absent for folders and split parts
  std::string target;                // links: what the link points at
  bool encrypted = false;
};

struct ArchiveListing {
  int format = 0;  // 4 or 5; 0 when the listing does not say
  bool solid = false;
  bool recovery_record = false;
  bool locked = false;
  bool encrypted_headers = false;
  bool volume = false;
  int volume_number = 0;  // 1 for the first volume, 0 when not said
  bool has_comment = false;
  std::vector<ListedEntry> entries;  // in listing order; a file split over volumes once
};

// Nothing when the text is no technical listing of an archive (no "Details:" line): the archiver
// could not open it, or its output did not arrive.
std::optional<ArchiveListing> parse_technical_listing(std::string_view text);

// Lines as the archiver prints them: CR LF or LF, a missing last line break allowed.
std::vector<std::string_view> listing_lines(std::string_view text);

}  // namespace zembrel
