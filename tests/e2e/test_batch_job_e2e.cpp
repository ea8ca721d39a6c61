// The batch job end to end: real archives, the real archiver, the script run by Wine's cmd, and
// every result checked by the job itself afterwards.
#include <gtest/gtest.h>

#include "tests/e2e/job_fixture.h"

namespace zembrel::e2e {
namespace {

const std::map<std::string, std::string> kContents = {
    {"a.txt", "alpha"}, {"old.txt", "stale"}, {"sub\\old.txt", "stale too"}, {"sub\\keep.txt", "keep"}};

using BatchJob = JobFixture;

TEST_F(BatchJob, InPlaceModeAddsAtTheRootDeletesCommentsAndLocks) {
  const std::string A = data / "pack.rar";
  make_archive(A, kContents);
  fields.rar.append(A);
  fields.add.append(data / "readme.txt");
  fields.del.append("old.txt");
  fields.values.annname = data / "note.txt";
  fields.values.lockcheck = true;
  run(kModeInPlace);
  // The added file at the root under its own name; the archiver's delete takes the top level.
  EXPECT_EQ(archive_entries(A), (Names{"a.txt", "readme.txt", "sub", "sub/keep.txt", "sub/old.txt"}));
  EXPECT_EQ(archive_comment(A), "a comment");
  EXPECT_TRUE(archive_locked(A));
  EXPECT_EQ(row(0).state, ArchiveState::Done) << reason_text(row(0));
  EXPECT_EQ(folder_names(data.path()), (Names{"note.txt", "pack.rar", "readme.txt"}));
  EXPECT_NE(read_text(program / "batch_report.txt").find(A), std::string::npos);
}

TEST_F(BatchJob, RepackModeRebuildsEachArchiveWithTheSameTreeInTheFinishFolder) {
  const std::string A = data / "PACK.RAR";
  const std::string B = data / "two.rar";
  make_archive(A, kContents, "old secret");
  make_archive(B, {{"b.txt", "beta"}, {"OLD.TXT", "stale"}, {"deep\\er\\c.txt", "c"}}, "old secret");
  const std::string a_bytes = read_text(A), b_bytes = read_text(B);
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

  EXPECT_EQ(archive_entries(finished("PACK.RAR")), (Names{"a.txt", "readme.txt", "sub", "sub/keep.txt"}));
  EXPECT_EQ(archive_entries(finished("two.rar")),
            (Names{"b.txt", "deep", "deep/er", "deep/er/c.txt", "readme.txt"}));
  for (const auto& out : {finished("PACK.RAR"), finished("two.rar")}) {
    EXPECT_TRUE(archive_opens_with(out, "new secret")) << out;
    EXPECT_FALSE(archive_opens_with(out, "old secret")) << out;
    EXPECT_EQ(archive_comment(out), "a comment") << out;
    EXPECT_TRUE(archive_locked(out)) << out;
  }
  EXPECT_EQ(read_text(A), a_bytes);  // the sources stay as they were
  EXPECT_EQ(read_text(B), b_bytes);
  EXPECT_EQ(folder_names(data.path()), (Names{"PACK.RAR", "note.txt", "readme.txt", "two.rar"})) << "no work folder left";
  EXPECT_TRUE(folder_names(elsewhere.path()).empty());
  for (size_t i = 0; i < 2; ++i) EXPECT_EQ(row(i).state, ArchiveState::Done) << reason_text(row(i));
}

TEST_F(BatchJob, RepackModeWithoutPasswordsOrCommentOrLock) {
  const std::string A = data / "plain.rar";
  make_archive(A, {{"x.txt", "x"}});
  fields.rar.append(A);
  run(kModeRepack);
  const std::string out = finished("plain.rar");
  EXPECT_EQ(archive_entries(out), (Names{"x.txt"}));
  EXPECT_EQ(archive_comment(out), "<no comment>");
  EXPECT_FALSE(archive_locked(out));
  EXPECT_EQ(row(0).state, ArchiveState::Done) << reason_text(row(0));
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
  EXPECT_TRUE(finish_folder().empty());
  EXPECT_EQ(row(0).state, ArchiveState::Skipped);
  EXPECT_EQ(row(0).why, Why::WorkFolderExists);
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
  EXPECT_EQ(archive_entries(finished("twice.rar")), (Names{"t.txt"}));
  EXPECT_EQ(read_text(Z), "not an archive of ours");
  EXPECT_EQ(row(0).state, ArchiveState::Done) << reason_text(row(0));
  EXPECT_EQ(row(1).why, Why::SameOutput);
  EXPECT_EQ(row(2).why, Why::NoRarExtension);
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
  EXPECT_EQ(archive_entries(out), (Names{"add %TEMP% & me.txt", "in.txt"}));
  EXPECT_EQ(row(0).state, ArchiveState::Done) << reason_text(row(0));

  // In place as well, with a delete name of the same kind.
  DeleteFileA(A.c_str());
  make_archive(A, {{"keep.txt", "k"}, {"x&y %OS%.txt", "gone"}});
  fields.add.clear();
  fields.del.append("x&y %OS%.txt");
  fields.values.annname.clear();
  run(kModeInPlace);
  EXPECT_EQ(archive_entries(A), (Names{"keep.txt"}));
  EXPECT_EQ(row(0).state, ArchiveState::Done) << reason_text(row(0));
}

TEST_F(BatchJob, AnEmptyArchiveListWritesNoScript) {
  write_text(program / "batch.bat", "old");
  fields.values.rarmethod = kModeRepack;
  job.go();
  EXPECT_FALSE(path_exists(program / "batch.bat"));
  EXPECT_EQ(view.events, (Names{"go off", "empty list", "go on"}));
}

}  // namespace
}  // namespace zembrel::e2e
