#include "skin/storage/text_lines.h"

namespace zembrel {
namespace {

char LowerByte(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::vector<std::string> SplitTextLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t p = 0;
  const std::size_t n = text.size();
  while (p < n && text[p] != '\0') {
    const std::size_t start = p;
    while (p < n && text[p] != '\0' && text[p] != '\r' && text[p] != '\n') ++p;
    lines.emplace_back(text.substr(start, p - start));
    if (p < n && text[p] == '\r') ++p;
    if (p < n && text[p] == '\n') ++p;
  }
  return lines;
}

std::string_view TrimBlanks(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 0x20) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 0x20) --e;
  return s.substr(b, e - b);
}

std::string AsciiLower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = LowerByte(c);
  return out;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerByte(a[i]) != LowerByte(b[i])) return false;
  }
  return true;
}

}  // namespace zembrel
