#include "skin/storage/quick_ini.h"

#include "skin/storage/text_lines.h"

namespace zembrel {
namespace {

bool IsHeader(std::string_view line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

void TQuickIni::LoadFromStream(std::span<const std::uint8_t> bytes) {
  LoadFromString(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void TQuickIni::LoadFromString(std::string_view text) {
  lines_.clear();
  parsed_.clear();
  sections_.clear();
  for (const std::string& raw : SplitTextLines(text)) {
    const std::string_view line = TrimBlanks(raw);
    if (line.empty() || line.front() == ';') continue;
    KeyLine parsed;
    if (IsHeader(line)) {
      parsed.header = true;
      sections_.push_back({std::string(line), static_cast<int>(lines_.size())});
    } else {
      const std::size_t eq = line.find('=');
      if (eq != std::string_view::npos) {
        parsed.key = AsciiLower(TrimBlanks(line.substr(0, eq)));
        parsed.value = std::string(TrimBlanks(line.substr(eq + 1)));
      }
    }
    lines_.emplace_back(line);
    parsed_.push_back(std::move(parsed));
  }
}

int TQuickIni::FindSection(std::string_view name) const {
  std::string wanted;
  wanted.reserve(name.size() + 2);
  wanted += '[';
  wanted += name;
  wanted += ']';
  for (const Section& s : sections_) {
    if (SameTextAscii(s.header, wanted)) return s.line;
  }
  return -1;
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  std::string result(def);
  if (lines_.empty()) return result;
  const int header = FindSection(section);
  if (header < 0) return result;
  const std::string wanted = AsciiLower(key);
  for (std::size_t i = static_cast<std::size_t>(header) + 1; i < parsed_.size() && !parsed_[i].header; ++i) {
    if (parsed_[i].key == wanted) {
      if (!parsed_[i].value.empty()) result = parsed_[i].value;
      break;
    }
  }
  return result;
}

bool ParseIniInteger(std::string_view s, std::int32_t& out) {
  std::size_t p = 0;
  bool negative = false;
  if (p < s.size() && (s[p] == '+' || s[p] == '-')) negative = s[p++] == '-';
  if (p < s.size() && s[p] == '$') {
    ++p;
    if (p == s.size()) return false;
    std::uint32_t v = 0;
    for (; p < s.size(); ++p) {
      const int d = HexDigit(s[p]);
      if (d < 0 || v > 0x0FFFFFFFu) return false;
      v = (v << 4) | static_cast<std::uint32_t>(d);
    }
    out = static_cast<std::int32_t>(negative ? 0u - v : v);
    return true;
  }
  if (p == s.size()) return false;
  std::int64_t v = 0;
  for (; p < s.size(); ++p) {
    if (s[p] < '0' || s[p] > '9') return false;
    v = v * 10 + (s[p] - '0');
    if (v > 2147483648LL) return false;
  }
  if (negative) v = -v;
  if (v > 2147483647LL) return false;
  out = static_cast<std::int32_t>(v);
  return true;
}

std::int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const {
  std::string s = ReadString(section, key, "");
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) s.replace(0, 2, "$");
  std::int32_t v = 0;
  return ParseIniInteger(s, v) ? v : def;
}

void TQuickIni::ReadSections(std::vector<std::string>& target) const {
  target.clear();
  for (const Section& s : sections_) {
    target.emplace_back(TrimBlanks(std::string_view(s.header).substr(1, s.header.size() - 2)));
  }
}

}  // namespace zembrel
