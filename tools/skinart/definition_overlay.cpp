#include "tools/skinart/definition_overlay.h"

#include <stdexcept>
#include <vector>

namespace zembrel::skinart {

namespace {

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// A line's section header (brackets off), or nothing.
bool Header(std::string_view line, std::string& section) {
  const std::string_view t = Trimmed(line);
  if (t.size() < 2 || t.front() != '[' || t.back() != ']') return false;
  section = std::string(Trimmed(t.substr(1, t.size() - 2)));
  return true;
}

struct Replacement {
  std::string section, key, value;
  bool used = false;
};

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    lines.push_back(text.substr(0, end == std::string_view::npos ? text.size() : end + 1));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return lines;
}

}  // namespace

std::string OverlayDefinition(std::string_view base, std::string_view overlay) {
  std::vector<Replacement> replacements;
  std::string section;
  for (const std::string_view line : Lines(overlay)) {
    const std::string_view t = Trimmed(line);
    if (t.empty() || t.front() == ';' || Header(t, section)) continue;
    const size_t eq = t.find('=');
    if (eq == std::string_view::npos) throw std::runtime_error("overlay line without '=': " + std::string(t));
    replacements.push_back({section, std::string(Trimmed(t.substr(0, eq))), std::string(Trimmed(t.substr(eq + 1)))});
  }

  std::string out;
  section.clear();
  for (const std::string_view line : Lines(base)) {
    const std::string_view t = Trimmed(line);
    const size_t eq = t.find('=');
    if (Header(t, section) || t.empty() || t.front() == ';' || eq == std::string_view::npos) {
      out += line;
      continue;
    }
    const std::string key(Trimmed(t.substr(0, eq)));
    Replacement* r = nullptr;
    for (auto& candidate : replacements)
      if (candidate.section == section && candidate.key == key) r = &candidate;
    if (!r) {
      out += line;
      continue;
    }
    r->used = true;
    const size_t key_start = line.find_first_not_of(" \t");
    out += line.substr(0, line.find('=', key_start) + 1);
    out += r->value;
    if (line.size() >= 2 && line.substr(line.size() - 2) == "\r\n") out += "\r\n";
    else if (!line.empty() && line.back() == '\n') out += "\n";
  }
  for (const auto& r : replacements)
    if (!r.used) throw std::runtime_error("overlay key [" + r.section + "] " + r.key + " is not in the base definition");
  return out;
}

}  // namespace zembrel::skinart
