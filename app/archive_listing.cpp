#include "app/archive_listing.h"

#include <algorithm>
#include <charconv>

namespace zembrel {

namespace {

std::string_view trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool starts_with(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

template <typename T>
std::optional<T> number(std::string_view text, int base) {
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

EntryKind kind_of(std::string_view type) {
  if (type == "File") return EntryKind::File;
  if (type == "Directory") return EntryKind::Folder;
  if (type.find("symbolic link") != std::string_view::npos || type == "Junction") return EntryKind::Link;
  if (type == "Hard link") return EntryKind::HardLink;
  if (type == "File reference" || type == "File copy") return EntryKind::FileCopy;
  return EntryKind::Other;
}

// "RAR 5, solid, recovery record, lock, encrypted headers, volume 2".
void read_details(std::string_view details, ArchiveListing& listing) {
  while (!details.empty()) {
    const size_t comma = details.find(',');
    const std::string_view item = trimmed(details.substr(0, comma));
    details = comma == std::string_view::npos ? std::string_view() : details.substr(comma + 1);
    if (starts_with(item, "RAR ")) {
      listing.format = number<int>(item.substr(4, item.find('.') == std::string_view::npos ? std::string_view::npos : item.find('.') - 4), 10).value_or(0);
    } else if (item == "solid") {
      listing.solid = true;
    } else if (item == "recovery record") {
      listing.recovery_record = true;
    } else if (item == "lock" || item == "locked") {
      listing.locked = true;
    } else if (item == "encrypted headers") {
      listing.encrypted_headers = true;
    } else if (item == "first volume") {
      listing.volume = true;
      listing.volume_number = 1;
    } else if (starts_with(item, "volume")) {
      listing.volume = true;
      listing.volume_number = number<int>(trimmed(item.substr(6)), 10).value_or(0);
    }
  }
}

// A file split over volumes is listed once per volume; only the last part carries the CRC of
// the whole file.
void add_entry(ArchiveListing& listing, ListedEntry entry) {
  if (!listing.entries.empty() && listing.entries.back().name == entry.name && !listing.entries.back().crc) {
    listing.entries.back() = std::move(entry);
    return;
  }
  listing.entries.push_back(std::move(entry));
}

}  // namespace

std::vector<std::string_view> listing_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return lines;
}

std::optional<ArchiveListing> parse_technical_listing(std::string_view text) {
  ArchiveListing listing;
  bool details_seen = false, after_archive_line = false;
  std::optional<ListedEntry> entry;
  for (const std::string_view raw : listing_lines(text)) {
    const std::string_view line = trimmed(raw);
    if (line == "Archive comment:") {
      listing.has_comment = true;
      continue;
    }
    if (starts_with(line, "Archive: ")) {
      after_archive_line = true;
      continue;
    }
    if (after_archive_line && starts_with(line, "Details: ")) {
      // A listing of several volumes repeats the block: the first one describes the set.
      if (!details_seen) read_details(line.substr(9), listing);
      details_seen = true;
      after_archive_line = false;
      continue;
    }
    after_archive_line = false;
    if (!details_seen) continue;
    const size_t colon = line.find(": ");
    if (colon == std::string_view::npos) continue;
    const std::string_view key = line.substr(0, colon), value = line.substr(colon + 2);
    if (key == "Name") {
      if (entry) add_entry(listing, std::move(*entry));
      entry.emplace();
      entry->name.assign(value);
      std::replace(entry->name.begin(), entry->name.end(), '/', '\\');
    } else if (!entry) {
      continue;
    } else if (key == "Type") {
      entry->kind = kind_of(value);
    } else if (key == "Target") {
      entry->target.assign(value);
    } else if (key == "Size") {
      entry->size = number<std::uint64_t>(value, 10);
    } else if (key == "CRC32") {
      entry->crc = number<std::uint32_t>(value, 16);
    } else if (key == "Flags") {
      entry->encrypted = value.find("encrypted") != std::string_view::npos;
    }
  }
  if (entry) add_entry(listing, std::move(*entry));
  if (!details_seen) return std::nullopt;
  return listing;
}

}  // namespace zembrel
