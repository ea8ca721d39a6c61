#include "app/batch_run.h"

#include <gtest/gtest.h>

#include "tests/host/fake_job_platform.h"

namespace zembrel {
namespace {

using testing::FakeJobPlatform;
using testing::RecordingView;

const std::string R = "C:\\Program Files\\WinRAR\\Rar.exe";

// The job of the worked example: one archive, one file to add, one name to delete, a comment
// and the lock.
struct WorkedExample : ::testing::Test {
  PlainJobFields fields;
  FakeJobPlatform platform;
  RecordingView view;

  void SetUp() override {
    fields.values.rarname = R;
    fields.values.annname = "C:\\Docs\\note.txt";
    fields.values.lockcheck = true;
    fields.values.passwordcheck = false;
    fields.values.old_password = "";
    fields.rar.append("D:\\Data\\pack.rar");
    fields.add.append("C:\\Docs\\readme.txt");
    fields.del.append("old.txt");
    platform.add_file("C:\\Docs\\readme.txt", "readme");
    platform.add_file("D:\\Data\\pack.rar");
    platform.add_folder("C:\\Tools\\finish\\");
    // The unpack makes D:\Data\pack\ with two files named like the delete name.
    platform.on_run = [this](const std::string&, const std::string&) {
      platform.add_file("D:\\Data\\pack\\keep.txt");
      platform.add_file("D:\\Data\\pack\\OLD.TXT");
      platform.add_file("D:\\Data\\pack\\sub\\Old.txt");
      platform.add_folder("D:\\Data\\pack\\old.txt\\");  // a folder named like it stays
    };
  }
};

TEST_F(WorkedExample, InPlaceModeWritesTheFourLinesAndLaunches) {
  fields.values.rarmethod = kModeInPlace;
  act_go(fields, platform, view);
  EXPECT_EQ(platform.script(),
            "\"C:\\Program Files\\WinRAR\\Rar.exe\" a \"D:\\Data\\pack.rar\" \"C:\\Docs\\readme.txt\"\r\n"
            "\"C:\\Program Files\\WinRAR\\Rar.exe\" d \"D:\\Data\\pack.rar\" \"old.txt\"\r\n"
            "\"C:\\Program Files\\WinRAR\\Rar.exe\" c -z\"C:\\Docs\\note.txt\" \"D:\\Data\\pack.rar\"\r\n"
            "\"C:\\Program Files\\WinRAR\\Rar.exe\" k \"D:\\Data\\pack.rar\"\r\n");
  EXPECT_EQ(platform.log, (std::vector<std::string>{"launch C:\\Tools\\batch.bat"}));
  EXPECT_EQ(view.events, (std::vector<std::string>{"go off", "go on"}));
}

TEST_F(WorkedExample, RepackModeUnpacksInTheArchiveFolderAdjustsAndWritesThePackLines) {
  fields.values.rarmethod = kModeRepack;
  platform.add_file("C:\\Tools\\finish\\pack.rar", "old output");
  act_go(fields, platform, view);
  EXPECT_EQ(platform.script(),
            "\"C:\\Program Files\\WinRAR\\Rar.exe\" a -ep1 -df -y \"C:\\Tools\\finish\\pack.rar\" \"D:\\Data\\pack\"\r\n"
            "\"C:\\Program Files\\WinRAR\\Rar.exe\" c -z\"C:\\Docs\\note.txt\" \"C:\\Tools\\finish\\pack.rar\"\r\n"
            "\"C:\\Program Files\\WinRAR\\Rar.exe\" k \"C:\\Tools\\finish\\pack.rar\"\r\n");
  EXPECT_EQ(platform.log, (std::vector<std::string>{
                              "run \"C:\\Program Files\\WinRAR\\Rar.exe\" x -ad -y \"D:\\Data\\pack.rar\" in D:\\Data\\",
                              "copy C:\\Docs\\readme.txt -> D:\\Data\\pack\\readme.txt",
                              "normal D:\\Data\\pack\\sub\\Old.txt",
                              "delete D:\\Data\\pack\\sub\\Old.txt",
                              "normal D:\\Data\\pack\\OLD.TXT",
                              "delete D:\\Data\\pack\\OLD.TXT",
                              "delete C:\\Tools\\finish\\pack.rar",
                              "launch C:\\Tools\\batch.bat",
                          }));
  // The fake lists sub-folders before files: matches follow that listing, depth first.
  EXPECT_EQ(fields.work.items(), (std::vector<std::string>{"D:\\Data\\pack\\", "D:\\Data\\pack\\sub\\Old.txt",
                                                           "D:\\Data\\pack\\OLD.TXT"}));
  EXPECT_EQ(platform.files.at("D:\\Data\\pack\\readme.txt"), "readme");
  EXPECT_TRUE(platform.files.count("D:\\Data\\pack\\keep.txt"));
  EXPECT_TRUE(platform.files.count("D:\\Data\\pack.rar"));
  EXPECT_TRUE(view.skipped.empty());
}

TEST_F(WorkedExample, PasswordsGoRightAfterTheYesSwitch) {
  fields.values.rarmethod = kModeRepack;
  fields.values.passwordcheck = true;
  fields.values.password = "new";
  fields.values.old_password = "old";
  fields.values.annname.clear();
  fields.values.lockcheck = false;
  act_go(fields, platform, view);
  EXPECT_EQ(platform.log.front(), "run \"" + R + "\" x -ad -y -pold \"D:\\Data\\pack.rar\" in D:\\Data\\");
  EXPECT_EQ(platform.script(), "\"" + R + "\" a -ep1 -df -y -pnew \"C:\\Tools\\finish\\pack.rar\" \"D:\\Data\\pack\"\r\n");
}

TEST_F(WorkedExample, AnEmptyDeleteEntryDeletesEveryUnpackedFile) {
  fields.values.rarmethod = kModeRepack;
  fields.del.clear();
  fields.del.append("");
  act_go(fields, platform, view);
  for (const char* f : {"keep.txt", "OLD.TXT", "readme.txt", "sub\\Old.txt"})
    EXPECT_FALSE(platform.files.count(std::string("D:\\Data\\pack\\") + f)) << f;
  EXPECT_TRUE(platform.folders.count("D:\\Data\\pack\\old.txt"));
}

TEST_F(WorkedExample, ModesOutsideZeroAndOneOnlyRemoveTheOldScript) {
  platform.add_file("C:\\Tools\\batch.bat", "old");
  fields.values.rarmethod = -1;
  act_go(fields, platform, view);
  EXPECT_EQ(platform.script(), "<none>");
  EXPECT_EQ(platform.log, (std::vector<std::string>{"delete C:\\Tools\\batch.bat"}));
  EXPECT_EQ(view.events, (std::vector<std::string>{"go off", "go on"}));
}

TEST_F(WorkedExample, AnEmptyArchiveListIsReportedAfterTheOldScriptIsGone) {
  platform.add_file("C:\\Tools\\batch.bat", "old");
  fields.rar.clear();
  act_go(fields, platform, view);
  EXPECT_EQ(platform.script(), "<none>");
  EXPECT_EQ(view.events, (std::vector<std::string>{"go off", "empty list", "go on"}));
}

TEST_F(WorkedExample, AScriptThatCannotBeWrittenEndsTheRunWithoutLaunch) {
  for (int mode : {kModeInPlace, kModeRepack}) {
    fields.values.rarmethod = mode;
    platform.fail_script_writes = true;
    platform.log.clear();
    view.events.clear();
    act_go(fields, platform, view);
    for (const auto& entry : platform.log) EXPECT_NE(entry.rfind("launch", 0), 0u) << entry;
    EXPECT_EQ(view.events.back(), "go on");
  }
}

TEST_F(WorkedExample, InPlaceModeWithEmptyListsStillLaunchesAnEmptyScript) {
  fields.values.rarmethod = kModeInPlace;
  fields.add.clear();
  fields.del.clear();
  fields.values.annname.clear();
  fields.values.lockcheck = false;
  act_go(fields, platform, view);
  EXPECT_EQ(platform.script(), "");
  EXPECT_EQ(platform.log.back(), "launch C:\\Tools\\batch.bat");
}

// Archives the repack mode must leave alone, with nothing unpacked, copied or deleted for them.
struct RepackRefusal : WorkedExample {
  void run_with(const std::string& archive) {
    fields.values.rarmethod = kModeRepack;
    fields.rar.clear();
    fields.rar.append(archive);
    act_go(fields, platform, view);
  }
  void expect_untouched(SkipReason reason) {
    ASSERT_EQ(view.skipped.size(), 1u);
    EXPECT_EQ(view.skipped[0].reason, reason);
    EXPECT_EQ(platform.log, (std::vector<std::string>{"launch C:\\Tools\\batch.bat"}));
    EXPECT_EQ(platform.script(), "");
  }
};

TEST_F(RepackRefusal, ANameWithoutTheRarExtension) {
  platform.add_file("D:\\Data\\pack.zip");
  run_with("D:\\Data\\pack.zip");
  expect_untouched(SkipReason::NoRarExtension);
}

TEST_F(RepackRefusal, ANameThatIsOnlyTheExtension) {
  run_with("D:\\Data\\.rar");
  expect_untouched(SkipReason::NoRarExtension);
}

TEST_F(RepackRefusal, AWorkFolderThatAlreadyHoldsTheUsersFiles) {
  platform.add_file("D:\\Data\\pack\\mine.doc");
  run_with("D:\\Data\\pack.rar");
  expect_untouched(SkipReason::WorkFolderExists);
  EXPECT_TRUE(platform.files.count("D:\\Data\\pack\\mine.doc"));
}

TEST_F(RepackRefusal, AnArchiveLyingInTheFinishFolderItself) {
  platform.add_file("C:\\Tools\\finish\\pack.rar");
  run_with("C:\\Tools\\finish\\pack.rar");
  expect_untouched(SkipReason::OutputIsSource);
  EXPECT_TRUE(platform.files.count("C:\\Tools\\finish\\pack.rar"));
}

TEST_F(RepackRefusal, AValueTheArchiverCannotReceiveIntact) {
  fields.values.passwordcheck = true;
  fields.values.password = "say \"hi\"";
  run_with("D:\\Data\\pack.rar");
  expect_untouched(SkipReason::UnsafeValue);
  EXPECT_EQ(view.skipped[0].role, ValueRole::Password);
}

TEST_F(WorkedExample, UpperCaseExtensionAndDottedFolderGiveTheArchiversFolder) {
  fields.values.rarmethod = kModeRepack;
  fields.rar.clear();
  fields.rar.append("D:\\a.rar.parts\\PACK.RAR");
  platform.on_run = nullptr;
  act_go(fields, platform, view);
  EXPECT_EQ(fields.work.at(0), "D:\\a.rar.parts\\PACK\\");
  EXPECT_EQ(platform.log.front(), "run \"" + R + "\" x -ad -y \"D:\\a.rar.parts\\PACK.RAR\" in D:\\a.rar.parts\\");
  EXPECT_NE(platform.script().find("\"C:\\Tools\\finish\\PACK.RAR\" \"D:\\a.rar.parts\\PACK\"\r\n"), std::string::npos);
}

TEST_F(WorkedExample, AnArchiveListedTwiceIsRepackedOnceAndReportedOnce) {
  fields.values.rarmethod = kModeRepack;
  fields.rar.append("D:\\Data\\pack.rar");
  act_go(fields, platform, view);
  int unpacks = 0;
  for (const auto& entry : platform.log) unpacks += entry.rfind("run ", 0) == 0;
  EXPECT_EQ(unpacks, 1);
  ASSERT_EQ(view.skipped.size(), 1u);
  EXPECT_EQ(view.skipped[0].reason, SkipReason::WorkFolderExists);
  EXPECT_EQ(view.events, (std::vector<std::string>{"go off", "skipped", "go on"}));
}

TEST_F(WorkedExample, InPlaceModeListsATwiceListedArchiveTwiceAndSkipsOnlyUnsafeOnes) {
  fields.values.rarmethod = kModeInPlace;
  fields.values.annname.clear();
  fields.values.lockcheck = false;
  fields.add.clear();
  fields.rar.clear();
  for (const char* a : {"D:\\x.rar", "D:\\x.rar", "D:\\bad\".rar"}) fields.rar.append(a);
  act_go(fields, platform, view);
  EXPECT_EQ(platform.script(), "\"" + R + "\" d \"D:\\x.rar\" \"old.txt\"\r\n\"" + R + "\" d \"D:\\x.rar\" \"old.txt\"\r\n");
  ASSERT_EQ(view.skipped.size(), 1u);
  EXPECT_EQ(view.skipped[0].archive, "D:\\bad\".rar");
}

TEST(SkippedReport, NamesEachArchiveAndCutsLongLists) {
  std::vector<SkippedArchive> skipped;
  for (int i = 0; i < 25; ++i) skipped.push_back({"D:\\a" + std::to_string(i) + ".zip", SkipReason::NoRarExtension});
  const std::string text = skipped_report_text(skipped);
  EXPECT_NE(text.find("D:\\a0.zip"), std::string::npos);
  EXPECT_NE(text.find("D:\\a19.zip"), std::string::npos);
  EXPECT_EQ(text.find("D:\\a20.zip"), std::string::npos);
  EXPECT_NE(text.find(" 5 "), std::string::npos);
}

}  // namespace
}  // namespace zembrel
