// The batch script's text for one archive, and the in-place lines that differ from one archive to
// the next only in the archive itself.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/batch_commands.h"

namespace zembrel {

// The script lines of one archive; the first refused value refuses them all.
class ArchiveLines {
 public:
  void add(const CommandLine& line);
  std::optional<ValueRole> refused() const { return refused_; }
  const std::string& text() const { return text_; }

 private:
  friend class ArchiveLinesTemplate;
  std::string text_;
  std::optional<ValueRole> refused_;
};

// Lines built once with a mark where the archive goes; each archive's lines are then the pieces
// joined around its own path. Thousands of archives thus cost a copy per line, not a build.
class ArchiveLinesTemplate {
 public:
  // What the lines are built with in place of the archive.
  static constexpr const char* kArchive = kArchiveMark;

  void add(const CommandLine& line_with_mark);
  // The lines for archive A (refused like the lines themselves, or when A cannot be quoted).
  ArchiveLines for_archive(const std::string& A) const;

 private:
  std::optional<ValueRole> refused_;
  std::vector<std::string> pieces_{""};  // the text between the marks
  size_t length_ = 0;                     // of all pieces
};

}  // namespace zembrel
