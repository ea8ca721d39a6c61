#include "app/archive_script.h"

namespace zembrel {

void ArchiveLines::add(const CommandLine& line) {
  if (!refused_) refused_ = line.refused();
  line.append_script_line(text_);
}

void ArchiveLinesTemplate::add(const CommandLine& line_with_mark) {
  if (!refused_) refused_ = line_with_mark.refused();
  std::string text;
  line_with_mark.append_script_line(text);
  length_ += text.size();
  size_t from = 0;
  for (size_t mark = text.find(kArchiveMark); mark != std::string::npos; mark = text.find(kArchiveMark, from)) {
    pieces_.back().append(text, from, mark - from);
    pieces_.emplace_back();
    from = mark + sizeof kArchiveMark - 1;
  }
  pieces_.back().append(text, from, std::string::npos);
}

ArchiveLines ArchiveLinesTemplate::for_archive(const std::string& A) const {
  ArchiveLines lines;
  CommandLine archive;
  archive.quoted(A, ValueRole::Archive);
  lines.refused_ = refused_ ? refused_ : archive.refused();
  if (lines.refused_) return lines;
  // The archive as the script holds it: the quotes around it are the template's own.
  std::string path;
  archive.append_script_line(path);
  path = path.substr(1, path.size() - 4);
  lines.text_.reserve(length_ + (pieces_.size() - 1) * path.size());
  for (size_t i = 0; i < pieces_.size(); ++i) {
    if (i > 0) lines.text_ += path;
    lines.text_ += pieces_[i];
  }
  return lines;
}

}  // namespace zembrel
