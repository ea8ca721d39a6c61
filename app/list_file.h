// The text form of the stored add and delete lists: one entry per line, every line ended by
// CR LF. Reading also takes lone LF or CR as line ends and stops at a zero byte; a blank line
// (empty, or only spaces and tabs) is no entry, since a blank delete name would stand for no file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zembrel {

std::vector<std::string> parse_list_lines(std::string_view bytes);
std::string format_list_lines(const std::vector<std::string>& entries);

}  // namespace zembrel
