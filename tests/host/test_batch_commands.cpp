#include "app/batch_commands.h"

#include <gtest/gtest.h>

namespace zembrel {
namespace {

TEST(StripPath, TakesThePartAfterTheLastBackslashOnly) {
  EXPECT_EQ(strip_path("C:\\Docs\\readme.txt"), "readme.txt");
  EXPECT_EQ(strip_path("readme.txt"), "readme.txt");
  EXPECT_EQ(strip_path("C:/Docs/readme.txt"), "C:/Docs/readme.txt");
  EXPECT_EQ(strip_path("C:\\Docs\\"), "");
}

TEST(NameMatches, FoldsOnlyAsciiLettersBytewise) {
  struct Case { const char* entry; const char* wanted; bool match; };
  const Case cases[] = {
      {"old.txt", "OLD.TXT", true},  {"Old.Txt", "old.txt", true}, {"old.txt", "old.tx", false},
      {"anything", "", false},       {"", "", false},              {"x", " \t", false},               {"sub\\old.txt", "old.txt", false},
      // GBK "旧.txt": its bytes are compared as they are, apart from a..z.
      {"\xBE\xC9.txt", "\xBE\xC9.TXT", true}, {"\xBE\xC9.txt", "\xBE\xE9.txt", false},
      // The trail byte 0x61 ('a') of a double-byte character folds like a letter too.
      {"\x81\x61", "\x81\x41", true},
  };
  for (const auto& c : cases) EXPECT_EQ(name_matches(c.entry, c.wanted), c.match) << c.entry << " / " << c.wanted;
}

TEST(RepackPaths, DropOnlyTheFinalRarExtensionInAnyCase) {
  struct Case { const char* archive; const char* work; };
  const Case cases[] = {
      {"D:\\Data\\pack.rar", "D:\\Data\\pack\\"},
      {"D:\\Data\\PACK.RAR", "D:\\Data\\PACK\\"},
      {"D:\\a.rar.parts\\b.rar", "D:\\a.rar.parts\\b\\"},
      {"D:\\x.rar.rar", "D:\\x.rar\\"},
      {"D:\\v.part1.rar", "D:\\v.part1\\"},
  };
  for (const auto& c : cases) {
    const auto paths = repack_paths(c.archive, "C:\\Tools\\");
    ASSERT_TRUE(paths) << c.archive;
    EXPECT_EQ(paths->work_folder, c.work);
    EXPECT_EQ(paths->work_folder_bare + "\\", c.work);
    EXPECT_EQ(paths->output, "C:\\Tools\\finish\\" + strip_path(c.archive));
  }
  for (const char* bad : {"D:\\Data\\pack.zip", "D:\\Data\\.rar", "D:\\rar", "D:\\pack.rar\\"})
    EXPECT_FALSE(repack_paths(bad, "C:\\Tools\\")) << bad;
}

// What the archiver must receive for a password, in the script (where the command interpreter
// turns %% into %) and on a direct command line.
TEST(PasswordSwitch, IsBareWhenPlainQuotedOtherwiseAndRefusedWhenNeitherWorks) {
  struct Case { std::string password; std::string argument; bool refused; };
  const Case cases[] = {
      {"abc123", "-pabc123", false},
      {"50%off", "-p50%off", false},
      {"%PATH%", "-p%PATH%", false},
      {"two words", "-p\"two words\"", false},
      {"a&b|c<d>e^f(g)", "-p\"a&b|c<d>e^f(g)\"", false},
      {"\xC3\xDC\xC2\xEB", "-p\"\xC3\xDC\xC2\xEB\"", false},  // GBK "密码"
      {"back\\", "-pback\\", false},
      {"say \"hi\"", "", true},
      {"spaced \\", "", true},
      {"line\nbreak", "", true},
  };
  for (const auto& c : cases) {
    CommandLine line;
    line.password(c.password, ValueRole::Password);
    EXPECT_EQ(line.refused().has_value(), c.refused) << c.password;
    if (!c.refused) {
      EXPECT_EQ(line.str(), c.argument) << c.password;
    }
  }
}

TEST(ScriptLine, DoublesEveryPercentSoTheInterpreterGivesItBack) {
  const auto line = inplace_add_line("C:\\R.exe", "D:\\100% & more\\a.rar", "C:\\%TEMP%\\f.txt");
  EXPECT_EQ(line.str(), "\"C:\\R.exe\" a -ep \"D:\\100% & more\\a.rar\" \"C:\\%TEMP%\\f.txt\"");
  EXPECT_EQ(line.script_line(), "\"C:\\R.exe\" a -ep \"D:\\100%% & more\\a.rar\" \"C:\\%%TEMP%%\\f.txt\"");
  EXPECT_FALSE(line.refused());
}

TEST(Templates, MatchTheArchiversCommandsByteForByte) {
  const std::string R = "C:\\Program Files\\WinRAR\\Rar.exe";
  const std::string P = "pw";
  EXPECT_EQ(inplace_delete_line(R, "D:\\a.rar", "").str(), "\"" + R + "\" d \"D:\\a.rar\" \"\"");
  EXPECT_EQ(comment_line(R, "C:\\n.txt", "D:\\a.rar").str(), "\"" + R + "\" c -z\"C:\\n.txt\" \"D:\\a.rar\"");
  EXPECT_EQ(lock_line(R, "D:\\a.rar").str(), "\"" + R + "\" k \"D:\\a.rar\"");
  EXPECT_EQ(unpack_line(R, "D:\\a.rar", "").str(), "\"" + R + "\" x -ad -y \"D:\\a.rar\"");
  EXPECT_EQ(unpack_line(R, "D:\\a.rar", "q q").str(), "\"" + R + "\" x -ad -y -p\"q q\" \"D:\\a.rar\"");
  EXPECT_EQ(pack_line(R, "C:\\f\\a.rar", "D:\\a", nullptr).str(), "\"" + R + "\" a -ep1 -r -df -y \"C:\\f\\a.rar\" \"D:\\a\\*\"");
  EXPECT_EQ(pack_line(R, "C:\\f\\a.rar", "D:\\a", &P).str(), "\"" + R + "\" a -ep1 -r -df -y -ppw \"C:\\f\\a.rar\" \"D:\\a\\*\"");
  EXPECT_EQ(remove_folder_line("D:\\a").str(), "rd \"D:\\a\"");
}

TEST(Templates, RefuseQuotesLineBreaksAndTrailingBackslashesInQuotedValues) {
  EXPECT_EQ(inplace_add_line("R", "A", "F\"").refused(), ValueRole::AddFile);
  EXPECT_EQ(inplace_delete_line("R", "A", "dir\\").refused(), ValueRole::DeleteName);
  EXPECT_EQ(comment_line("R", "C:\\n\r\n.txt", "A").refused(), ValueRole::CommentFile);
  EXPECT_EQ(lock_line("R\"", "A").refused(), ValueRole::Archiver);
  EXPECT_FALSE(inplace_delete_line("R", "A", "").refused());
  EXPECT_EQ(inplace_delete_line("R", "A", "-df").refused(), ValueRole::DeleteName);
  EXPECT_EQ(inplace_delete_line("R", "A", "@list.txt").refused(), ValueRole::DeleteName);
  EXPECT_FALSE(inplace_delete_line("R", "A", "a-b@c.txt").refused());
}

}  // namespace
}  // namespace zembrel
