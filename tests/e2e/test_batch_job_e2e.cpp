// The batch job end to end: real archives, the real archiver, the script run by Wine's cmd.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/batch_run.h"
#include "app/win32_job_platform.h"
#include "tests/e2e/archive_fixture.h"

namespace zembrel::e2e {
namespace {

using Names = std::vector<std::string>;

const std::map<std::string, std::string> kContents = {
    {"a.txt", "alpha"}, {"old.txt", "stale"}, {"sub\\old.txt", "stale too"}, {"sub\\keep.txt", "keep"}};

// A program folder (batch.bat, finish\), a data folder, and the job's fields.
struct BatchJob : ::testing::Test {
  ScratchFolder program, data, elsewhere;
  PlainJobFields fields;
  RecordingView view;

  void SetUp() override {
    make_folder(program / "finish");
    fields.values.rarname = archiver_path();
    write_text(data / "readme.txt", "read me");
    write_text(data / "note.txt", "a comment");
    // The run must not depend on where an open dialog left the current directory.
    SetCurrentDirectoryA(elsewhere.path().c_str());
  }

  void run(int mode) {
    fields.values.rarmethod = mode;
    Win32JobPlatform platform(nullptr, program.path());
    act_go(fields, platform, view);
    ASSERT_TRUE(wait_for_launched_scripts()) << "the launched script did not end";
  }
  std::string finished(const std::string& name) { return program / ("finish\\" + name); }
};

TEST_F(BatchJob, InPlaceModeAddsDeletesCommentsAndLocks) {
  const std::string A = data / "pack.rar";
  make_archive(A, kContents);
  fields.rar.append(A);
  fields.add.append(data / "readme.txt");
  fields.del.append("old.txt");
  fields.values.annname = data / "note.txt";
  fields.values.lockcheck = true;
  run(kModeInPlace);
  // The archiver's delete takes the name at the top level only; its add keeps the file's folder
  // path (without the drive), so the added file is found by its name at the end.
  Names entries = archive_entries(A);
  const auto added = std::find_if(entries.begin(), entries.end(), [](const std::string& n) {
    return n.size() >= 11 && n.compare(n.size() - 11, 11, "/readme.txt") == 0;
  });
  ASSERT_NE(added, entries.end());
  entries.erase(added);
  EXPECT_EQ(entries, (Names{"a.txt", "sub", "sub/keep.txt", "sub/old.txt"}));
  EXPECT_EQ(archive_comment(A), "a comment");
  EXPECT_TRUE(archive_locked(A));
  EXPECT_TRUE(view.skipped.empty());
}

TEST_F(BatchJob, RepackModeRebuildsEachArchiveInTheFinishFolder) {
  const std::string A = data / "PACK.RAR";
  const std::string B = data / "two.rar";
  make_archive(A, kContents, "old secret");
  make_archive(B, {{"b.txt", "beta"}, {"OLD.TXT", "stale"}}, "old secret");
  const std::string a_bytes = read_text(A);
  fields.rar.append(A);
  fields.rar.append(B);
  fields.add.append(data / "readme.txt");
  fields.del.append("old.txt");
  fields.values.old_password = "old secret";
  fields.values.passwordcheck = true;
  fields.values.password = "new secret";
  fields.values.annname = data / "note.txt";
  fields.values.lockcheck = true;
  run(kModeRepack);

  EXPECT_EQ(archive_entries(finished("PACK.RAR")),
            (Names{"PACK", "PACK/a.txt", "PACK/readme.txt", "PACK/sub", "PACK/sub/keep.txt"}));
  EXPECT_EQ(archive_entries(finished("two.rar")), (Names{"two", "two/b.txt", "two/readme.txt"}));
  for (const auto& out : {finished("PACK.RAR"), finished("two.rar")}) {
    EXPECT_TRUE(archive_opens_with(out, "new secret")) << out;
    EXPECT_FALSE(archive_opens_with(out, "old secret")) << out;
    EXPECT_EQ(archive_comment(out), "a comment") << out;
    EXPECT_TRUE(archive_locked(out)) << out;
  }
  EXPECT_EQ(read_text(A), a_bytes);  // the source stays as it was
  EXPECT_FALSE(path_exists(data / "PACK")) << "the packing removes the work folder";
  EXPECT_FALSE(path_exists(elsewhere / "PACK"));
  EXPECT_TRUE(view.skipped.empty());
}

TEST_F(BatchJob, RepackModeWithoutPasswordsOrCommentOrLock) {
  const std::string A = data / "plain.rar";
  make_archive(A, {{"x.txt", "x"}});
  fields.rar.append(A);
  run(kModeRepack);
  const std::string out = finished("plain.rar");
  EXPECT_EQ(archive_entries(out), (Names{"plain", "plain/x.txt"}));
  EXPECT_EQ(archive_comment(out), "<no comment>");
  EXPECT_FALSE(archive_locked(out));
  EXPECT_NE(run_rar("lt \"" + out + "\"").output.find("x.txt"), std::string::npos);
}

TEST_F(BatchJob, RepackModeLeavesAWorkFolderOfTheUsersAloneAndReportsIt) {
  const std::string A = data / "mine.rar";
  make_archive(A, kContents);
  write_text(data / "mine\\thesis.doc", "years of work");
  write_text(data / "mine\\old.txt", "mine too");
  const std::string a_bytes = read_text(A);
  fields.rar.append(A);
  fields.del.append("old.txt");
  run(kModeRepack);
  EXPECT_EQ(read_text(data / "mine\\thesis.doc"), "years of work");
  EXPECT_EQ(read_text(data / "mine\\old.txt"), "mine too");
  EXPECT_EQ(read_text(A), a_bytes);
  EXPECT_FALSE(path_exists(finished("mine.rar")));
  ASSERT_EQ(view.skipped.size(), 1u);
  EXPECT_EQ(view.skipped[0].reason, SkipReason::WorkFolderExists);
}

TEST_F(BatchJob, RepackModeTakesAnArchiveListedTwiceOnceAndSkipsOtherNames) {
  const std::string A = data / "twice.rar";
  const std::string Z = data / "other.zip";
  make_archive(A, {{"t.txt", "t"}});
  write_text(Z, "not an archive of ours");
  fields.rar.append(A);
  fields.rar.append(A);
  fields.rar.append(Z);
  run(kModeRepack);
  EXPECT_EQ(archive_entries(finished("twice.rar")), (Names{"twice", "twice/t.txt"}));
  EXPECT_EQ(read_text(Z), "not an archive of ours");
  ASSERT_EQ(view.skipped.size(), 2u);
  EXPECT_EQ(view.skipped[0].reason, SkipReason::WorkFolderExists);
  EXPECT_EQ(view.skipped[1].reason, SkipReason::NoRarExtension);
}

// Characters the command interpreter treats specially, spaces and Chinese (GBK) text reach the
// archiver exactly as the user gave them.
TEST_F(BatchJob, HostileCharactersInPathsAndPasswordsArePassedIntact) {
  const std::string folder = data / "50% & \xD6\xD0\xCE\xC4 (x) ^ !y! %PATH%\\";  // 中文
  make_folder(folder);
  const std::string A = folder + "a&b %OS% \xB0\xFC.rar";  // 包
  const std::string old_pw = "o&ld %PATH% |<>^";
  const std::string new_pw = "n e w&|<>^()%OS%!x!";
  make_archive(A, {{"in.txt", "in"}}, old_pw);
  write_text(folder + "add %TEMP% & me.txt", "added");
  write_text(folder + "c&%OS%.txt", "comment & %OS%");
  fields.rar.append(A);
  fields.add.append(folder + "add %TEMP% & me.txt");
  fields.values.old_password = old_pw;
  fields.values.passwordcheck = true;
  fields.values.password = new_pw;
  fields.values.annname = folder + "c&%OS%.txt";
  run(kModeRepack);
  const std::string out = finished("a&b %OS% \xB0\xFC.rar");
  ASSERT_TRUE(path_exists(out));
  EXPECT_TRUE(archive_opens_with(out, new_pw));
  EXPECT_EQ(archive_comment(out), "comment & %OS%");
  const Names entries = archive_entries(out);
  EXPECT_EQ(entries.size(), 3u);
  EXPECT_TRUE(view.skipped.empty());

  // In place as well, with a delete name of the same kind.
  DeleteFileA(A.c_str());
  make_archive(A, {{"keep.txt", "k"}, {"x&y %OS%.txt", "gone"}});
  fields.add.clear();
  fields.del.append("x&y %OS%.txt");
  fields.values.annname.clear();
  run(kModeInPlace);
  EXPECT_EQ(archive_entries(A), (Names{"keep.txt"}));
}

TEST_F(BatchJob, AnEmptyArchiveListWritesNoScript) {
  write_text(program / "batch.bat", "old");
  run(kModeRepack);
  EXPECT_FALSE(path_exists(program / "batch.bat"));
  EXPECT_EQ(view.events, (std::vector<std::string>{"go off", "empty list", "go on"}));
}

}  // namespace
}  // namespace zembrel::e2e
