// The skin definition parser: line classes, trimming, case rules, first-match lookups, integers.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "skin/storage/quick_ini.h"

namespace zembrel {
namespace {

TQuickIni Load(const std::string& text) {
  TQuickIni ini;
  ini.LoadFromString(text);
  return ini;
}

TEST(QuickIni, LookupRules) {
  const TQuickIni ini = Load(
      "; skin definition\r\n"
      "[BUTTONS]\r\n"
      "Rightwidth=3\r\n"
      "  Trans = 1 \r\n"
      "A=b=c\r\n"
      "Frame=\r\n"
      "Frame=7\r\n"
      "; Style=9\r\n"
      "=orphan\r\n"
      "NoEquals\r\n"
      "[Other]\n"
      "Style=4\n"
      "[Buttons]\n"
      "Style=5\n");
  struct Case {
    const char* section;
    const char* key;
    const char* expect;
  };
  const Case cases[] = {
      {"Buttons", "RightWidth", "3"},    // keys and sections ignore case
      {"buttons", "TRANS", "1"},         // key and value trimmed
      {"Buttons", "a", "b=c"},           // the value runs to the end of the line
      {"Buttons", "Frame", "def"},       // empty value: default, and the later "Frame=7" is not read
      {"Buttons", "Style", "def"},       // commented out; the second [Buttons] is never read
      {"Buttons", "", "orphan"},         // "=orphan" has the empty key, as has "NoEquals" after it
      {"Other", "Style", "4"},
      {"Other", "RightWidth", "def"},    // a section ends at the next header
      {"Missing", "Style", "def"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ini.ReadString(c.section, c.key, "def"), c.expect) << c.section << "/" << c.key;
  }
}

TEST(QuickIni, LineClassesAndHeaderIndexes) {
  const TQuickIni ini = Load(
      "\n"
      "   \t\n"
      "  [Tabs]  \n"
      "; comment\n"
      "[Tabs\n"
      "x=1\r"
      "[ Title ]\r\n"
      "\x01y=2\x7f\n"
      "[tabs]\n");
  const std::vector<std::string> expect_lines = {"[Tabs]", "[Tabs", "x=1", "[ Title ]", "y=2\x7f", "[tabs]"};
  EXPECT_EQ(ini.Lines(), expect_lines);
  EXPECT_EQ(ini.FindSection("TABS"), 0);  // the first of the two
  EXPECT_EQ(ini.FindSection(" Title "), 3);
  EXPECT_EQ(ini.FindSection("Title"), -1);  // the header is compared whole
  // "[Tabs" is a key line of the empty key, so x=1 belongs to [Tabs].
  EXPECT_EQ(ini.ReadString("Tabs", "x", ""), "1");
  std::vector<std::string> sections = {"stale"};
  ini.ReadSections(sections);
  EXPECT_EQ(sections, (std::vector<std::string>{"Tabs", "Title", "tabs"}));
}

TEST(QuickIni, LineEndsAndZeroByte) {
  const char raw[] = "[S]\ra=1\n\rb=2\r\nc=3\0d=4\n";
  const std::string text(raw, sizeof raw - 1);
  const TQuickIni ini = Load(text);
  EXPECT_EQ(ini.ReadString("S", "a", ""), "1");
  EXPECT_EQ(ini.ReadString("S", "b", ""), "2");
  EXPECT_EQ(ini.ReadString("S", "c", ""), "3");
  EXPECT_EQ(ini.ReadString("S", "d", "none"), "none");  // a zero byte ends the text
}

TEST(QuickIni, Integers) {
  struct Case {
    const char* value;
    std::int32_t expect;
  };
  const Case cases[] = {
      {"16", 16},      {"0x10", 16},         {"0X10", 16},          {"$10", 16},          {"-7", -7},
      {"+7", 7},       {"007", 7},           {"ten", -1},           {"", -1},             {"0x", -1},
      {"$", -1},       {"1 2", -1},          {"12a", -1},           {"0x1", 1},           {"-", -1},
      {"2147483647", 2147483647},            {"-2147483648", INT32_MIN},                {"2147483648", -1},
      {"$FFFFFFFF", -1 /* the 32-bit pattern */}, {"$7FFFFFFF", 2147483647},          {"$100000000", -1},
      {"0xff00ff", 0xFF00FF},                {"99999999999999999999", -1},
  };
  for (const Case& c : cases) {
    const TQuickIni ini = Load(std::string("[S]\nv=") + c.value + "\n");
    EXPECT_EQ(ini.ReadInteger("S", "V", -1), c.expect) << "\"" << c.value << "\"";
  }
  // A value that is not a number gives the caller's default, whatever it is.
  EXPECT_EQ(Load("[S]\nv=ten\n").ReadInteger("S", "v", 42), 42);
  EXPECT_EQ(Load("[S]\nv=0x\n").ReadInteger("S", "v", 42), 42);
}

TEST(QuickIni, EmptyDefinitionGivesDefaultsAndReloadReplaces) {
  TQuickIni ini;
  ini.LoadFromStream({});
  EXPECT_EQ(ini.ReadString("Buttons", "Image", "d"), "d");
  EXPECT_EQ(ini.ReadInteger("Buttons", "Frame", 3), 3);
  ini.LoadFromString("[A]\nk=1\n");
  ini.LoadFromString("[B]\nk=2\n");
  EXPECT_EQ(ini.ReadString("A", "k", "gone"), "gone");
  EXPECT_EQ(ini.ReadString("B", "k", ""), "2");
}

TEST(QuickIni, RandomBytesParseAndAnswer) {
  std::mt19937 rng(3);
  const char alphabet[] = "[]=;$0x9aZ \t\r\n\0";
  for (int round = 0; round < 300; ++round) {
    std::string text(rng() % 400, '\0');
    for (char& c : text) c = (round % 2) ? static_cast<char>(rng()) : alphabet[rng() % (sizeof alphabet - 1)];
    TQuickIni ini;
    ini.LoadFromString(text);
    std::vector<std::string> sections;
    ini.ReadSections(sections);
    const auto& lines = ini.Lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_FALSE(lines[i].empty());
      if (lines[i].size() < 2 || lines[i].front() != '[' || lines[i].back() != ']') continue;
      const int found = ini.FindSection(lines[i].substr(1, lines[i].size() - 2));
      ASSERT_GE(found, 0) << "a header is found by its own name";
      EXPECT_LE(found, static_cast<int>(i));
      ini.ReadInteger(lines[i].substr(1, lines[i].size() - 2), "a", 0);
    }
    for (const std::string& s : sections) ini.ReadString(s, "", "");
  }
}

}  // namespace
}  // namespace zembrel
