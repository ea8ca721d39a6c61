#include "app/setting_value.h"

#include <cstdint>
#include <cstdio>

namespace zembrel {

int parse_setting_int(const std::string& text, int fallback) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return fallback;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return fallback;
    value = value * base + digit;
    // Hexadecimal texts may spell a negative 32-bit value ("$FFFFFFFF" is -1).
    if (value > (base == 16 ? int64_t{0xFFFFFFFF} : int64_t{0x80000000})) return fallback;
  }
  if (base == 16) value = static_cast<int32_t>(static_cast<uint32_t>(value));
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return fallback;
  return static_cast<int>(value);
}

std::string status_date_text(int year, int month, int day) {
  char text[64];
  std::snprintf(text, sizeof text, "   %04d年%02d月%02d日", year, month, day);
  return text;
}

}  // namespace zembrel
