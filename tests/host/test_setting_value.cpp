#include "app/setting_value.h"

#include <gtest/gtest.h>

#include "app/job_settings.h"

namespace zembrel {
namespace {

TEST(SettingInt, AcceptsDecimalSignsSpacesAndHexElseKeepsTheFallback) {
  struct Case { const char* text; int value; };
  const Case cases[] = {
      {"1", 1},        {"  5", 5},      {"-7", -7},     {"+3", 3},        {"0x1F", 31},
      {"0XA", 10},     {"$10", 16},     {"$FFFFFFFF", -1}, {"-0x2", -2},  {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},       {"", 42},       {"abc", 42},      {"1 ", 42},
      {"0x", 42},      {"$", 42},       {"12a", 42},    {"2147483648", 42}, {"0x100000000", 42},
      {"-", 42},       {" ", 42},
  };
  for (const auto& c : cases) EXPECT_EQ(parse_setting_int(c.text, 42), c.value) << c.text;
}

TEST(ModeFromSetting, AnyValueButZeroSelectsRepackMode) {
  for (int stored : {5, 1, -1, -7, 2147483647}) EXPECT_EQ(mode_from_setting(stored), kModeRepack) << stored;
  EXPECT_EQ(mode_from_setting(0), kModeInPlace);
}

TEST(StatusDate, IsThreeSpacesAndTheGbkDate) {
  // 年 C4EA, 月 D4C2, 日 C8D5 in GBK.
  EXPECT_EQ(status_date_text(2026, 12, 7), "   2026\xC4\xEA" "12\xD4\xC2" "07\xC8\xD5");
}

TEST(InitialSettings, AreThoseOfANewMainWindow) {
  const JobSettings s = initial_job_settings();
  EXPECT_EQ(s.rarname, "C:\\Program Files\\WinRAR\\Rar.exe");
  EXPECT_EQ(s.rarmethod, 1);
  EXPECT_EQ(s.password, "\xC7\xEB\xC9\xE8\xB6\xA8\xD1\xB9\xCB\xF5\xB0\xFC\xC3\xDC\xC2\xEB");  // 请设定压缩包密码
  EXPECT_TRUE(s.annname.empty() && s.old_password.empty());
  EXPECT_FALSE(s.passwordcheck || s.lockcheck || s.saveexit);
}

}  // namespace
}  // namespace zembrel
