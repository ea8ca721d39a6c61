// Runs that go wrong, with the real archiver: each leaves the source archive byte for byte as it
// was, no archive that should not be there, no work folder, and says what happened.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "app/list_file.h"
#include "app/win32_file.h"
#include "tests/e2e/job_fixture.h"

namespace zembrel::e2e {
namespace {

const std::map<std::string, std::string> kContents = {
    {"a.txt", "alpha"}, {"old.txt", "stale"}, {"sub\\old.txt", "stale too"}, {"sub\\keep.txt", "keep"}};

struct RunFailure : JobFixture {
  std::string A;
  std::string a_bytes;

  void SetUp() override {
    JobFixture::SetUp();
    A = data / "pack.rar";
    make_archive(A, kContents, "right");
    a_bytes = read_text(A);
    fields.rar.append(A);
    fields.add.append(data / "readme.txt");
    fields.values.old_password = "right";
  }
  // What every failure must leave: the source as it was, no work folder, nothing unexpected.
  void expect_nothing_lost(const Names& finish = {}) {
    EXPECT_EQ(read_text(A), a_bytes);
    EXPECT_EQ(folder_names(data.path()), (Names{"note.txt", "pack.rar", "readme.txt"}));
    EXPECT_EQ(finish_folder(), finish);
  }
  // The text of the one message that stopped the run.
  std::string stop_message() const { return view.stops.size() == 1 ? view.stops[0] : "<" + std::to_string(view.stops.size()) + " messages>"; }
};

TEST_F(RunFailure, AWrongOrMissingOldPasswordFailsTheArchiveWithTheArchiversReason) {
  struct Case { const char* password; unsigned long exit_code; };
  for (const Case c : {Case{"wrong", 11}, Case{"", 255}}) {
    fields.values.old_password = c.password;
    run(kModeRepack);
    expect_nothing_lost();
    EXPECT_EQ(row(0).state, ArchiveState::Failed) << c.password;
    EXPECT_EQ(row(0).why, Why::UnpackFailed) << c.password;
    EXPECT_EQ(row(0).exit_code, c.exit_code) << c.password;
    EXPECT_NE(reason_text(row(0)).find(archiver_exit_text(c.exit_code)), std::string::npos);
    EXPECT_FALSE(path_exists(program / "batch.bat")) << "nothing to launch";
  }
}

TEST_F(RunFailure, ABlankLineInTheDeleteListDeletesNothing) {
  fields.del.assign(parse_list_lines("old.txt\r\n\r\n \r\n"));
  run(kModeRepack);
  EXPECT_EQ(archive_entries(finished("pack.rar")), (Names{"a.txt", "readme.txt", "sub", "sub/keep.txt"}));
  EXPECT_EQ(row(0).state, ArchiveState::Done) << reason_text(row(0));
  expect_nothing_lost({"pack.rar"});

  run(kModeInPlace);
  EXPECT_EQ(archive_entries(A), (Names{"a.txt", "readme.txt", "sub", "sub/keep.txt", "sub/old.txt"}));
  EXPECT_EQ(row(0).state, ArchiveState::Done) << reason_text(row(0));
}

TEST_F(RunFailure, AMistypedArchivePathIsSkippedAndNoArchiveIsMade) {
  fields.rar.clear();
  fields.rar.append(data / "pakc.rar");
  for (int mode : {kModeInPlace, kModeRepack}) {
    run(mode);
    expect_nothing_lost();
    EXPECT_EQ(row(0).state, ArchiveState::Skipped) << mode;
    EXPECT_EQ(row(0).why, Why::ArchiveMissing) << mode;
  }
}

TEST_F(RunFailure, AScriptOnAFullDiskIsNeitherLaunchedNorLeftAndItsWorkFoldersGo) {
  const char* tiny = std::getenv("ZEMBREL_TINY_DISK");
  if (!tiny) GTEST_SKIP() << "no tiny disk: " << (std::getenv("ZEMBREL_TINY_DISK_SKIPPED") ? std::getenv("ZEMBREL_TINY_DISK_SKIPPED") : "not run through with_tiny_disk.sh");
  std::string folder = std::string("Z:") + tiny + "\\program\\";
  std::replace(folder.begin(), folder.end(), '/', '\\');
  make_folder(folder + "finish");
  // Only ever fill a disk that is tiny.
  ULARGE_INTEGER free_bytes{}, total_bytes{};
  ASSERT_TRUE(GetDiskFreeSpaceExA(folder.c_str(), &free_bytes, &total_bytes, nullptr)) << folder;
  ASSERT_LE(total_bytes.QuadPart, 1u << 20) << folder << " is not the tiny disk";
  make_archive(data / "two.rar", {{"b.txt", "beta"}});
  fields.rar.append(data / "two.rar");
  // Fill the disk: one file takes every block that is left.
  {
    OwnedHandle fill(CreateFileA((folder + "fill").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(fill);
    const std::string block(4096, 'x');
    DWORD wrote = 0;
    for (int blocks = 0; blocks < 256 && WriteFile(fill.get(), block.data(), 4096, &wrote, nullptr) && wrote > 0; ++blocks) {
    }
  }
  Win32JobPlatform full(nullptr, folder);
  zembrel::BatchJob on_full_disk(fields, full, view);
  fields.values.rarmethod = kModeRepack;
  on_full_disk.go();
  EXPECT_FALSE(on_full_disk.busy());
  EXPECT_NE(stop_message().find(folder + "batch.bat"), std::string::npos) << stop_message();
  EXPECT_NE(stop_message().find(system_error_text(ERROR_DISK_FULL)), std::string::npos) << stop_message();
  EXPECT_FALSE(path_exists(folder + "batch.bat"));
  EXPECT_TRUE(folder_names(folder + "finish\\").empty());
  EXPECT_EQ(folder_names(data.path()), (Names{"note.txt", "pack.rar", "readme.txt", "two.rar"})) << "no work folder left";
  EXPECT_EQ(read_text(A), a_bytes);
  DeleteFileA((folder + "fill").c_str());
}

TEST_F(RunFailure, AScriptThatMayNotBeWrittenIsReportedAndNothingIsLeft) {
  make_folder(program / "batch.bat");  // the file cannot be made: access is denied
  for (int mode : {kModeInPlace, kModeRepack}) {
    view = RecordingView();
    fields.values.rarmethod = mode;
    job.go();
    EXPECT_FALSE(job.busy());
    EXPECT_NE(stop_message().find(program / "batch.bat"), std::string::npos) << stop_message();
    EXPECT_NE(stop_message().find(system_error_text(ERROR_ACCESS_DENIED)), std::string::npos) << stop_message();
    expect_nothing_lost();
    EXPECT_EQ(view.events.back(), "go on");
  }
}

TEST_F(RunFailure, AWrongArchiverPathOrAFinishFolderThatCannotBeMadeStopsBeforeAnyUnpack) {
  fields.values.rarname = data / "WinRAR\\Rar.exe";
  fields.values.rarmethod = kModeRepack;
  job.go();
  EXPECT_NE(stop_message().find(data / "WinRAR\\Rar.exe"), std::string::npos) << stop_message();
  expect_nothing_lost();

  fields.values.rarname = archiver_path();
  RemoveDirectoryA((program / "finish").c_str());
  write_text(program / "finish", "a file where the folder should be");
  view = RecordingView();
  job.go();
  EXPECT_NE(stop_message().find(program / "finish"), std::string::npos) << stop_message();
  EXPECT_EQ(read_text(A), a_bytes);
  EXPECT_EQ(folder_names(data.path()), (Names{"note.txt", "pack.rar", "readme.txt"}));
}

TEST_F(RunFailure, ADeletedFinishFolderIsMadeAtTheRun) {
  RemoveDirectoryA((program / "finish").c_str());
  run(kModeRepack);
  EXPECT_EQ(archive_entries(finished("pack.rar")), (Names{"a.txt", "old.txt", "readme.txt", "sub", "sub/keep.txt", "sub/old.txt"}));
  EXPECT_EQ(row(0).state, ArchiveState::Done) << reason_text(row(0));
  expect_nothing_lost({"pack.rar"});
}

TEST_F(RunFailure, StartingAgainWhileTheScriptRunsIsRefusedAndTheFirstRunCompletes) {
  fields.values.rarmethod = kModeRepack;
  job.go();
  ASSERT_TRUE(job.busy());
  const std::string script = read_text(program / "batch.bat");
  job.go();
  EXPECT_NE(stop_message().find("\xC9\xCF\xD2\xBB\xB4\xCE"), std::string::npos) << stop_message();  // 上一次
  EXPECT_EQ(read_text(program / "batch.bat"), script);
  job.remove_script_unless_running();  // what closing the window does
  ASSERT_TRUE(wait_for_launched_scripts());
  job.poll();
  EXPECT_EQ(row(0).state, ArchiveState::Done) << reason_text(row(0));
  EXPECT_EQ(view.results.size(), 1u);
  expect_nothing_lost({"pack.rar"});
}

TEST_F(RunFailure, ArchivesOfTheSameNameFromDifferentFoldersAreNotPackedIntoOne) {
  make_folder(data / "other");
  make_archive(data / "other\\pack.rar", {{"other.txt", "other"}});
  fields.rar.append(data / "other\\pack.rar");
  run(kModeRepack);
  EXPECT_EQ(archive_entries(finished("pack.rar")), (Names{"a.txt", "old.txt", "readme.txt", "sub", "sub/keep.txt", "sub/old.txt"}));
  EXPECT_EQ(row(0).state, ArchiveState::Done) << reason_text(row(0));
  EXPECT_EQ(row(1).state, ArchiveState::Skipped);
  EXPECT_EQ(row(1).why, Why::SameOutput);
  EXPECT_EQ(folder_names(data / "other\\"), (Names{"pack.rar"}));
}

// The archiver refuses to change a locked archive: the script runs, and the check after it
// finds the added file missing.
TEST_F(RunFailure, WhatTheScriptCouldNotDoIsFoundByTheCheckAfterIt) {
  ASSERT_EQ(run_rar("k \"" + A + "\"").exit_code, 0u);
  a_bytes = read_text(A);
  run(kModeInPlace);
  EXPECT_EQ(row(0).state, ArchiveState::Failed);
  EXPECT_EQ(row(0).why, Why::AddedMissing);
  EXPECT_EQ(row(0).name, "readme.txt");
  expect_nothing_lost();
  EXPECT_NE(read_text(program / "batch_report.txt").find(reason_text(row(0))), std::string::npos);
}

}  // namespace
}  // namespace zembrel::e2e
