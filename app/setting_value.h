// How stored setting values are read back, and the status bar's date text.
#pragma once

#include <string>

namespace zembrel {

// A decimal integer with optional leading spaces and sign, or a hexadecimal one written with
// "0x", "0X" or "$"; anything else, and values outside 32 bits, give the fallback.
int parse_setting_int(const std::string& text, int fallback);

// Three spaces and "yyyy年mm月dd日".
std::string status_date_text(int year, int month, int day);

}  // namespace zembrel
