// Byte-string helpers shared by the skin container reader and the definition parser.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zembrel {

// Splits text into lines the way a string list takes its text: a line ends at CR, LF or a zero
// byte; after it one CR and then one LF are skipped, so CR LF, LF and CR each end one line. A zero
// byte ends the whole text, and a final line end adds no empty line.
std::vector<std::string> SplitTextLines(std::string_view text);

// Removes bytes 0x00..0x20 from both ends.
std::string_view TrimBlanks(std::string_view s);

// ASCII lower case; bytes outside A..Z (multi-byte text included) are left as they are.
std::string AsciiLower(std::string_view s);

// ASCII case-insensitive equality.
bool SameTextAscii(std::string_view a, std::string_view b);

}  // namespace zembrel
