#include "app/list_file.h"

#include <gtest/gtest.h>

namespace zembrel {
namespace {

using Lines = std::vector<std::string>;

TEST(ListFile, ReadsEveryKindOfLineEnd) {
  struct Case { std::string bytes; Lines lines; };
  const Case cases[] = {
      {"", {}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},
      {"a\nb\rc\r\n", {"a", "b", "c"}},
      // Blank lines, at the end or between entries, are no entries.
      {"a\r\n\r\nb\r\n", {"a", "b"}},
      {"\r\n", {}},
      {"a\n\r\nb", {"a", "b"}},
      {"a\r\rb", {"a", "b"}},
      {"old.txt\r\n \t\r\n\r\n", {"old.txt"}},
      {" x \r\n", {" x "}},
      {std::string("a\r\nb\0c\r\n", 8), {"a", "b"}},
      {"\xBE\xC9.txt\r\n", {"\xBE\xC9.txt"}},
  };
  for (const auto& c : cases) EXPECT_EQ(parse_list_lines(c.bytes), c.lines) << c.bytes;
}

TEST(ListFile, WritesEveryLineWithCrLfAndReadsItBack) {
  const Lines entries{"C:\\a b\\x.txt", "old.txt"};
  const std::string bytes = format_list_lines(entries);
  EXPECT_EQ(bytes, "C:\\a b\\x.txt\r\nold.txt\r\n");
  EXPECT_EQ(format_list_lines({}), "");
  EXPECT_EQ(parse_list_lines(bytes), entries);
}

}  // namespace
}  // namespace zembrel
