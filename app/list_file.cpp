#include "app/list_file.h"

namespace zembrel {

std::vector<std::string> parse_list_lines(std::string_view bytes) {
  const size_t zero = bytes.find('\0');
  if (zero != std::string_view::npos) bytes = bytes.substr(0, zero);
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = start;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    const std::string_view line = bytes.substr(start, end - start);
    if (line.find_first_not_of(" \t") != std::string_view::npos) lines.emplace_back(line);
    if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ++end;
    start = end + 1;
  }
  return lines;
}

std::string format_list_lines(const std::vector<std::string>& entries) {
  std::string text;
  for (const auto& entry : entries) {
    text += entry;
    text += "\r\n";
  }
  return text;
}

}  // namespace zembrel
