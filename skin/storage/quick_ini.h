// TQuickIni: the in-memory reader of a skin definition (INI text). Read-only.
//
// Significant lines are kept trimmed, in text order; blank lines and lines starting with ";" are
// dropped. A section header is a significant line that starts with "[" and ends with "]"; every
// other significant line is a key line whose key is the trimmed, lower-cased text before its
// first "=" (the empty key when there is none) and whose value is the trimmed text after it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zembrel {

class TQuickIni {
 public:
  // Replaces the content with the given bytes (a stream's bytes from its position to its end).
  void LoadFromStream(std::span<const std::uint8_t> bytes);
  void LoadFromString(std::string_view text);

  // Index in Lines() of the first header "[name]", compared without regard to case; -1 if none.
  int FindSection(std::string_view name) const;

  // The value of the first line with this key (matched without regard to case) in the first
  // section of that name. A missing section or key, or an empty value, gives the default; an empty
  // value still ends the search.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;

  // ReadString converted as a signed decimal integer, or hexadecimal after "$" or "0x"/"0X"
  // (up to eight hex digits, taken as the 32-bit pattern). Anything else gives the default.
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const;

  // The section names in text order, duplicates included, without brackets and trimmed inside.
  // The target is cleared first.
  void ReadSections(std::vector<std::string>& target) const;

  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  struct KeyLine {
    std::string key;    // lower-cased
    std::string value;
    bool header = false;
  };
  struct Section {
    std::string header;  // "[Name]" as in the text, trimmed
    int line = 0;        // its index in lines_
  };

  std::vector<std::string> lines_;
  std::vector<KeyLine> parsed_;  // one per entry of lines_
  std::vector<Section> sections_;
};

// Converts the text of an integer value the way ReadInteger does; false when it is not a number.
bool ParseIniInteger(std::string_view s, std::int32_t& out);

}  // namespace zembrel
