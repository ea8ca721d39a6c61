// libFuzzer target: the skin definition parser on arbitrary text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/storage/quick_ini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zembrel::TQuickIni ini;
  ini.LoadFromStream({data, size});
  std::vector<std::string> sections;
  ini.ReadSections(sections);
  for (const std::string& s : sections) {
    ini.ReadString(s, "image", "");
    ini.ReadInteger(s, "frame", 0);
  }
  for (const std::string& line : ini.Lines()) {
    if (line.empty()) __builtin_trap();
    const auto eq = line.find('=');
    if (eq != std::string::npos) ini.ReadInteger("Buttons", line.substr(0, eq), -1);
  }
  return 0;
}
