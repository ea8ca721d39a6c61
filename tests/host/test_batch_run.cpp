#include "app/batch_run.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/host/fake_job_platform.h"

namespace zembrel {
namespace {

using testing::FakeJobPlatform;
using testing::RecordingView;
using Lines = std::vector<std::string>;

const std::string R = "C:\\Program Files\\WinRAR\\Rar.exe";

bool logged(const Lines& log, const std::string& prefix) {
  return std::any_of(log.begin(), log.end(), [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
}

// The job of the worked example: one archive, one file to add, one name to delete, a comment
// and the lock.
struct WorkedExample : ::testing::Test {
  PlainJobFields fields;
  FakeJobPlatform platform;
  RecordingView view;
  BatchJob job{fields, platform, view};

  void SetUp() override {
    fields.values.rarname = R;
    fields.values.annname = "C:\\Docs\\note.txt";
    fields.values.lockcheck = true;
    fields.values.passwordcheck = false;
    fields.values.old_password = "";
    fields.rar.append("D:\\Data\\pack.rar");
    fields.add.append("C:\\Docs\\readme.txt");
    fields.del.append("old.txt");
    platform.add_file(R, "rar");
    platform.add_file("C:\\Docs\\readme.txt", "readme");
    platform.add_file("D:\\Data\\pack.rar");
    platform.add_folder("C:\\Tools\\finish\\");
    platform.script_running = true;
    // The unpack makes the folder named like the archive it was run for.
    platform.on_run = [this](const std::string& line, const std::string& cwd) {
      const size_t name = line.rfind('\\') + 1;
      const std::string W = cwd + line.substr(name, line.size() - name - 5) + "\\";
      platform.add_file(W + "keep.txt");
      platform.add_file(W + "OLD.TXT");
      platform.add_file(W + "sub\\Old.txt");
      platform.add_folder(W + "old.txt\\");  // a folder named like it stays
    };
  }
  void go(int mode) {
    fields.values.rarmethod = mode;
    job.go();
  }
  // The launched script ends; the run checks its archives and reports.
  void script_ends() {
    platform.script_running = false;
    job.poll();
  }
};

TEST_F(WorkedExample, InPlaceModeWritesTheFourLinesLaunchesAndReportsWhenTheScriptEnds) {
  go(kModeInPlace);
  EXPECT_EQ(platform.script(),
            "\"C:\\Program Files\\WinRAR\\Rar.exe\" a -ep \"D:\\Data\\pack.rar\" \"C:\\Docs\\readme.txt\"\r\n"
            "\"C:\\Program Files\\WinRAR\\Rar.exe\" d \"D:\\Data\\pack.rar\" \"old.txt\"\r\n"
            "\"C:\\Program Files\\WinRAR\\Rar.exe\" c -z\"C:\\Docs\\note.txt\" \"D:\\Data\\pack.rar\"\r\n"
            "\"C:\\Program Files\\WinRAR\\Rar.exe\" k \"D:\\Data\\pack.rar\"\r\n");
  EXPECT_EQ(platform.log, (Lines{"launch C:\\Tools\\batch.bat"}));
  EXPECT_EQ(view.events, (Lines{"go off"})) << "开始 stays off while the script runs";
  job.poll();
  EXPECT_EQ(view.events, (Lines{"go off"}));
  script_ends();
  EXPECT_EQ(view.events, (Lines{"go off", "results", "go on"}));
  ASSERT_EQ(view.results.size(), 1u);
  EXPECT_EQ(view.results[0].archive, "D:\\Data\\pack.rar");
  EXPECT_EQ(platform.files.at("C:\\Tools\\batch_report.txt").find("D:\\Data\\pack.rar") != std::string::npos, true);
  EXPECT_NE(view.report_note.find("C:\\Tools\\batch_report.txt"), std::string::npos);
}

TEST_F(WorkedExample, RepackModeUnpacksInTheArchiveFolderAdjustsAndPacksWhatTheFolderHolds) {
  platform.add_file("C:\\Tools\\finish\\pack.rar", "old output");
  go(kModeRepack);
  EXPECT_EQ(platform.script(),
            "\"C:\\Program Files\\WinRAR\\Rar.exe\" a -ep1 -r -df -y \"C:\\Tools\\finish\\pack.rar\" \"D:\\Data\\pack\\*\"\r\n"
            "rd \"D:\\Data\\pack\"\r\n"
            "\"C:\\Program Files\\WinRAR\\Rar.exe\" c -z\"C:\\Docs\\note.txt\" \"C:\\Tools\\finish\\pack.rar\"\r\n"
            "\"C:\\Program Files\\WinRAR\\Rar.exe\" k \"C:\\Tools\\finish\\pack.rar\"\r\n");
  EXPECT_EQ(platform.log, (Lines{
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
  EXPECT_EQ(fields.work.items(), (Lines{"D:\\Data\\pack\\", "D:\\Data\\pack\\sub\\Old.txt", "D:\\Data\\pack\\OLD.TXT"}));
  EXPECT_EQ(platform.files.at("D:\\Data\\pack\\readme.txt"), "readme");
  EXPECT_TRUE(platform.files.count("D:\\Data\\pack.rar"));
  // After the script the folder the packing emptied is removed even if something is left in it.
  script_ends();
  EXPECT_FALSE(platform.exists("D:\\Data\\pack"));
  ASSERT_EQ(view.results.size(), 1u);
}

TEST_F(WorkedExample, PasswordsGoRightAfterTheYesSwitch) {
  fields.values.passwordcheck = true;
  fields.values.password = "new";
  fields.values.old_password = "old";
  fields.values.annname.clear();
  fields.values.lockcheck = false;
  go(kModeRepack);
  EXPECT_EQ(platform.log.front(), "run \"" + R + "\" x -ad -y -pold \"D:\\Data\\pack.rar\" in D:\\Data\\");
  EXPECT_EQ(platform.script(), "\"" + R + "\" a -ep1 -r -df -y -pnew \"C:\\Tools\\finish\\pack.rar\" \"D:\\Data\\pack\\*\"\r\n"
                               "rd \"D:\\Data\\pack\"\r\n");
}

TEST_F(WorkedExample, BlankDeleteNamesDeleteNothingInEitherMode) {
  fields.del.clear();
  fields.del.append("");
  fields.del.append(" \t");
  go(kModeRepack);
  for (const char* f : {"keep.txt", "OLD.TXT", "readme.txt", "sub\\Old.txt"})
    EXPECT_TRUE(platform.files.count(std::string("D:\\Data\\pack\\") + f)) << f;
  script_ends();

  go(kModeInPlace);
  EXPECT_EQ(platform.script().find(" d "), std::string::npos) << platform.script();
}

TEST_F(WorkedExample, AStoredModeOutsideZeroAndOneRunsTheRepackMode) {
  fields.set_rarmethod(7);
  job.go();
  EXPECT_TRUE(logged(platform.log, "run "));
  EXPECT_NE(platform.script().find(" a -ep1 "), std::string::npos);
}

TEST_F(WorkedExample, AnEmptyArchiveListIsReportedAfterTheOldScriptIsGone) {
  platform.add_file("C:\\Tools\\batch.bat", "old");
  fields.rar.clear();
  job.go();
  EXPECT_EQ(platform.script(), "<none>");
  EXPECT_EQ(view.events, (Lines{"go off", "empty list", "go on"}));
}

TEST_F(WorkedExample, InPlaceModeWithEmptyListsStillLaunchesAnEmptyScript) {
  fields.add.clear();
  fields.del.clear();
  fields.values.annname.clear();
  fields.values.lockcheck = false;
  go(kModeInPlace);
  EXPECT_EQ(platform.script(), "");
  EXPECT_EQ(platform.log.back(), "launch C:\\Tools\\batch.bat");
}

// Runs that end before anything is launched: a message says why, no script stays behind, and
// no folder the run unpacked is left.
TEST_F(WorkedExample, AScriptThatCannotBeWrittenIsRemovedWithTheWorkFoldersAndReported) {
  for (int mode : {kModeInPlace, kModeRepack}) {
    platform.fail_script_writes = true;
    platform.log.clear();
    view = RecordingView();
    go(mode);
    EXPECT_FALSE(logged(platform.log, "launch")) << mode;
    EXPECT_EQ(platform.script(), "<none>") << mode;
    EXPECT_FALSE(platform.exists("D:\\Data\\pack")) << mode;
    ASSERT_EQ(view.stops.size(), 1u) << mode;
    EXPECT_NE(view.stops[0].find("C:\\Tools\\batch.bat: disk full"), std::string::npos) << view.stops[0];
    EXPECT_EQ(view.events, (Lines{"go off", "stopped", "go on"})) << mode;
    EXPECT_FALSE(job.busy());
  }
}

TEST_F(WorkedExample, AMissingArchiverOrFinishFolderStopsTheRunBeforeAnyUnpack) {
  struct Case {
    const char* name;
    std::function<void()> arrange;
    const char* says;
  };
  const Case cases[] = {
      {"no archiver", [&] { fields.values.rarname = "C:\\Typo\\Rar.exe"; }, "C:\\Typo\\Rar.exe"},
      {"archiver is a folder", [&] { fields.values.rarname = "C:\\Tools\\finish"; }, "C:\\Tools\\finish"},
      {"finish cannot be made", [&] {
         platform.folders.erase("C:\\Tools\\finish");
         platform.folders_can_be_made = false;
       }, "C:\\Tools\\finish"},
  };
  for (const auto& c : cases) {
    c.arrange();
    view = RecordingView();
    go(kModeRepack);
    EXPECT_FALSE(logged(platform.log, "run ")) << c.name;
    EXPECT_EQ(platform.script(), "<none>") << c.name;
    ASSERT_EQ(view.stops.size(), 1u) << c.name;
    EXPECT_NE(view.stops[0].find(c.says), std::string::npos) << c.name;
    fields.values.rarname = R;
  }
}

TEST_F(WorkedExample, AMissingFinishFolderIsMadeAtTheRun) {
  platform.folders.erase("C:\\Tools\\finish");
  go(kModeRepack);
  EXPECT_EQ(platform.log.front(), "mkdir C:\\Tools\\finish");
  EXPECT_TRUE(logged(platform.log, "launch"));
}

TEST_F(WorkedExample, TheShellRefusingTheScriptIsReportedAndTheWorkFolderRemoved) {
  platform.launch_refused = true;
  go(kModeRepack);
  EXPECT_FALSE(platform.exists("D:\\Data\\pack"));
  ASSERT_EQ(view.stops.size(), 1u);
  EXPECT_FALSE(job.busy());
}

TEST_F(WorkedExample, CancellingStopsAfterTheCurrentArchiveAndLaunchesNothing) {
  fields.rar.append("D:\\Data\\two.rar");
  platform.add_file("D:\\Data\\two.rar");
  view.cancel_after = 1;
  go(kModeRepack);
  EXPECT_EQ(std::count_if(platform.log.begin(), platform.log.end(), [](auto& e) { return e.rfind("run ", 0) == 0; }), 1);
  EXPECT_FALSE(logged(platform.log, "launch"));
  EXPECT_FALSE(platform.exists("D:\\Data\\pack"));
  EXPECT_FALSE(platform.exists("D:\\Data\\two"));
  EXPECT_EQ(platform.script(), "<none>");
  EXPECT_EQ(view.events, (Lines{"go off", "stopped", "go on"}));
}

TEST_F(WorkedExample, CancellingTheChecksLeavesTheRestUncheckedButRemovesTheWorkFolders) {
  fields.rar.append("D:\\Data\\two.rar");
  platform.add_file("D:\\Data\\two.rar");
  go(kModeRepack);
  view.cancel_after = 2;  // "取消" while the second archive is checked
  script_ends();
  ASSERT_EQ(view.results.size(), 2u);
  EXPECT_EQ(view.results[0].why, Why::OutputMissing) << "checked: the fake script made nothing";
  EXPECT_EQ(view.results[1].state, ArchiveState::Failed);
  EXPECT_EQ(view.results[1].why, Why::CheckCancelled);
  EXPECT_FALSE(platform.exists("D:\\Data\\pack"));
  EXPECT_FALSE(platform.exists("D:\\Data\\two"));
}

TEST_F(WorkedExample, WhileTheScriptRunsASecondStartIsRefusedAndTheScriptKept) {
  go(kModeRepack);
  const std::string script = platform.script();
  platform.log.clear();
  job.go();
  EXPECT_EQ(platform.script(), script);
  EXPECT_TRUE(platform.log.empty());
  ASSERT_EQ(view.stops.size(), 1u);
  job.remove_script_unless_running();
  EXPECT_EQ(platform.script(), script) << "closing the window keeps a running script";
  script_ends();
  job.remove_script_unless_running();
  EXPECT_EQ(platform.script(), "<none>");
}

// Which archives are left alone, and why: nothing is unpacked, copied or deleted for them and
// no line names them.
TEST_F(WorkedExample, ArchivesThatAreSkippedAndWhy) {
  struct Case {
    const char* archive;
    int mode;
    Why why;
    std::function<void()> arrange;
  };
  const Case cases[] = {
      {"D:\\Data\\typo.rar", kModeRepack, Why::ArchiveMissing, [] {}},
      {"D:\\Data\\typo.rar", kModeInPlace, Why::ArchiveMissing, [] {}},
      {"D:\\Data\\folder.rar", kModeInPlace, Why::ArchiveMissing, [&] { platform.add_folder("D:\\Data\\folder.rar\\"); }},
      {"D:\\Data\\pack.zip", kModeRepack, Why::NoRarExtension, [&] { platform.add_file("D:\\Data\\pack.zip"); }},
      {"D:\\Data\\.rar", kModeRepack, Why::NoRarExtension, [&] { platform.add_file("D:\\Data\\.rar"); }},
      {"pack.rar", kModeRepack, Why::NotFullPath, [&] { platform.add_file("pack.rar"); }},
      {"D:\\Data\\mine.rar", kModeRepack, Why::WorkFolderExists, [&] {
         platform.add_file("D:\\Data\\mine.rar");
         platform.add_file("D:\\Data\\mine\\thesis.doc");
       }},
      {"C:\\Tools\\finish\\out.rar", kModeRepack, Why::OutputIsSource, [&] { platform.add_file("C:\\Tools\\finish\\out.rar"); }},
      {"D:\\Data\\q\".rar", kModeInPlace, Why::UnsafeValue, [&] { platform.add_file("D:\\Data\\q\".rar"); }},
  };
  for (const auto& c : cases) {
    c.arrange();
    fields.rar.clear();
    fields.rar.append(c.archive);
    platform.log.clear();
    view = RecordingView();
    go(c.mode);
    EXPECT_TRUE(platform.log.empty()) << c.archive << ": " << platform.log.front();
    ASSERT_EQ(view.results.size(), 1u) << c.archive;
    EXPECT_EQ(view.results[0].state, ArchiveState::Skipped) << c.archive;
    EXPECT_EQ(view.results[0].why, c.why) << c.archive;
    EXPECT_EQ(view.events, (Lines{"go off", "results", "go on"})) << c.archive;
  }
  EXPECT_TRUE(platform.files.count("D:\\Data\\mine\\thesis.doc"));
}

TEST_F(WorkedExample, OutputsOfTheSameNameAreMadeOnceAndTheLaterArchivesSkipped) {
  fields.rar.clear();
  for (const char* a : {"D:\\A\\x.rar", "D:\\B\\X.RAR", "D:\\A\\x.rar"}) {
    fields.rar.append(a);
    platform.add_file(a);
  }
  go(kModeRepack);
  EXPECT_EQ(std::count_if(platform.log.begin(), platform.log.end(), [](auto& e) { return e.rfind("run ", 0) == 0; }), 1);
  script_ends();
  ASSERT_EQ(view.results.size(), 3u);
  EXPECT_EQ(view.results[1].why, Why::SameOutput);
  EXPECT_EQ(view.results[2].why, Why::SameOutput);
  EXPECT_EQ(view.results[1].state, ArchiveState::Skipped);
}

// An unpack that does not start or does not succeed: nothing of the archive is copied, deleted
// or packed, what it left is removed, and the archiver's exit code is reported.
TEST_F(WorkedExample, FailedUnpacksAreReportedWithTheArchiversExitCode) {
  for (unsigned long code : {1ul, 3ul, 11ul, 255ul, 0xC0000005ul}) {
    platform.unpack_exit_code = code;
    platform.log.clear();
    view = RecordingView();
    go(kModeRepack);
    EXPECT_FALSE(logged(platform.log, "copy")) << code;
    EXPECT_FALSE(logged(platform.log, "delete")) << code;
    EXPECT_FALSE(logged(platform.log, "launch")) << code;
    EXPECT_FALSE(platform.exists("D:\\Data\\pack")) << code;
    ASSERT_EQ(view.results.size(), 1u);
    EXPECT_EQ(view.results[0].state, ArchiveState::Failed);
    EXPECT_EQ(view.results[0].why, Why::UnpackFailed);
    EXPECT_EQ(view.results[0].exit_code, code);
  }
  platform.processes_start = false;
  view = RecordingView();
  go(kModeRepack);
  ASSERT_EQ(view.results.size(), 1u);
  EXPECT_EQ(view.results[0].why, Why::UnpackNotStarted);

  platform.processes_start = true;
  platform.unpack_exit_code = 0;
  platform.on_run = nullptr;  // succeeds but leaves no folder
  view = RecordingView();
  go(kModeRepack);
  ASSERT_EQ(view.results.size(), 1u);
  EXPECT_EQ(view.results[0].why, Why::NoWorkFolder);
}

TEST_F(WorkedExample, AFailedArchiveDoesNotStopTheOthers) {
  fields.rar.clear();
  for (const char* a : {"D:\\Data\\bad.rar", "D:\\Data\\typo.rar", "D:\\Data\\good.rar"}) fields.rar.append(a);
  platform.add_file("D:\\Data\\bad.rar");
  platform.add_file("D:\\Data\\good.rar");
  auto unpack = platform.on_run;
  platform.on_run = [&](const std::string& line, const std::string& cwd) {
    platform.unpack_exit_code = line.find("bad.rar") != std::string::npos ? 11 : 0;
    unpack(line, cwd);
  };
  go(kModeRepack);
  EXPECT_EQ(platform.script().find("bad"), std::string::npos);
  EXPECT_EQ(platform.script().find("typo"), std::string::npos);
  EXPECT_NE(platform.script().find("\"D:\\Data\\good\\*\""), std::string::npos);
  script_ends();
  ASSERT_EQ(view.results.size(), 3u);
  EXPECT_EQ(view.results[0].state, ArchiveState::Failed);
  EXPECT_EQ(view.results[1].state, ArchiveState::Skipped);
  EXPECT_EQ(view.results[2].archive, "D:\\Data\\good.rar");
}

TEST_F(WorkedExample, UpperCaseExtensionAndDottedFolderGiveTheArchiversFolder) {
  fields.rar.clear();
  fields.rar.append("D:\\a.rar.parts\\PACK.RAR");
  platform.add_file("D:\\a.rar.parts\\PACK.RAR");
  go(kModeRepack);
  EXPECT_EQ(fields.work.at(0), "D:\\a.rar.parts\\PACK\\");
  EXPECT_EQ(platform.log.front(), "run \"" + R + "\" x -ad -y \"D:\\a.rar.parts\\PACK.RAR\" in D:\\a.rar.parts\\");
  EXPECT_NE(platform.script().find("\"C:\\Tools\\finish\\PACK.RAR\" \"D:\\a.rar.parts\\PACK\\*\"\r\n"), std::string::npos);
}

TEST_F(WorkedExample, InPlaceModeListsATwiceListedArchiveTwice) {
  fields.values.annname.clear();
  fields.values.lockcheck = false;
  fields.add.clear();
  fields.rar.clear();
  platform.add_file("D:\\x.rar");
  for (const char* a : {"D:\\x.rar", "D:\\x.rar"}) fields.rar.append(a);
  go(kModeInPlace);
  EXPECT_EQ(platform.script(), "\"" + R + "\" d \"D:\\x.rar\" \"old.txt\"\r\n\"" + R + "\" d \"D:\\x.rar\" \"old.txt\"\r\n");
}

}  // namespace
}  // namespace zembrel
