// The run's Windows operations on a real folder tree.
#include "app/win32_job_platform.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/batch_run.h"
#include "tests/e2e/archive_fixture.h"

namespace zembrel {
namespace {

using e2e::path_exists;
using e2e::ScratchFolder;
using e2e::write_text;

TEST(FindNamedFiles, FindsHiddenReadOnlyAndSystemFilesInEveryFolderButNoFolders) {
  ScratchFolder w;
  for (const char* f : {"old.txt", "sub\\OLD.TXT", "sub\\deep\\er\\Old.Txt", "keep.txt", "sub\\old.txt.bak"})
    write_text(w / f, "x");
  write_text(w / "sub\\deep\\old.txt\\inside.txt", "a folder named like the file");
  SetFileAttributesA((w / "old.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA((w / "sub\\OLD.TXT").c_str(), FILE_ATTRIBUTE_READONLY);
  SetFileAttributesA((w / "sub\\deep\\er\\Old.Txt").c_str(), FILE_ATTRIBUTE_SYSTEM);

  Win32JobPlatform platform(nullptr, w.path());
  VectorTextList found;
  EXPECT_EQ(find_named_files(platform, w.path(), "old.txt", found), 3);
  std::vector<std::string> names = found.items();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{w / "old.txt", w / "sub\\OLD.TXT", w / "sub\\deep\\er\\Old.Txt"}));

  // What the repack does with them: normal attributes, then delete.
  for (const auto& f : names) {
    platform.set_normal_attributes(f);
    platform.delete_file(f);
    EXPECT_FALSE(path_exists(f)) << f;
  }
  EXPECT_TRUE(path_exists(w / "sub\\deep\\old.txt\\inside.txt"));
  EXPECT_TRUE(path_exists(w / "keep.txt"));

  VectorTextList nothing;
  EXPECT_EQ(find_named_files(platform, w.path(), "", nothing), 0) << "a blank name stands for no file";
}

TEST(ScriptFile, WritesCrLfLinesAndNamesTheCauseOfAFailure) {
  ScratchFolder x;
  Win32JobPlatform platform(nullptr, x.path());
  const std::string s = x / "batch.bat";
  auto script = platform.create_text(s);
  for (const char* line : {"one\r\n", "\xB0\xFC two\r\n"}) script->write(line);
  script->close();
  EXPECT_EQ(e2e::read_text(s), "one\r\n\xB0\xFC two\r\n");
  remove_script(platform);
  EXPECT_FALSE(path_exists(s));
  try {
    platform.create_text(x / "missing\\batch.bat");
    ADD_FAILURE() << "a script in a missing folder was created";
  } catch (const JobFileError& e) {
    EXPECT_EQ(std::string(e.what()), x / "missing\\batch.bat" + "\xA3\xBA" + system_error_text(ERROR_PATH_NOT_FOUND));
  }
}

TEST(Processes, ExitCodesAndOutputComeBackAndTheLaunchedScriptIsWatched) {
  ScratchFolder x;
  Win32JobPlatform platform(nullptr, x.path());
  const ProcessResult exited = platform.run_and_wait("cmd.exe /c exit 7", "", true);
  EXPECT_TRUE(exited.started);
  EXPECT_EQ(exited.exit_code, 7u);
  EXPECT_EQ(platform.run_and_wait("cmd.exe /c echo said", x.path(), true).output.substr(0, 4), "said");
  EXPECT_FALSE(platform.run_and_wait("\"" + x / "no such.exe" + "\"", "", true).started);

  write_text(x / "batch.bat", "@echo off\r\nping -n 2 127.0.0.1 > nul\r\necho done> \"" + x / "done.txt" + "\"\r\n");
  auto process = platform.launch(x / "batch.bat");
  ASSERT_NE(process, nullptr);
  EXPECT_TRUE(process->running());
  ASSERT_TRUE(e2e::wait_for_launched_scripts());
  EXPECT_FALSE(process->running());
  EXPECT_TRUE(path_exists(x / "done.txt"));
  EXPECT_EQ(platform.launch(x / "none.bat"), nullptr);
}

TEST(Folders, RemoveTreeTakesEverythingBelowAndMakeFolderSaysWhetherItIsThere) {
  ScratchFolder x;
  Win32JobPlatform platform(nullptr, x.path());
  write_text(x / "w\\a.txt", "a");
  write_text(x / "w\\sub\\deep\\b.txt", "b");
  SetFileAttributesA((x / "w\\sub\\deep\\b.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  platform.remove_tree(x / "w\\");
  EXPECT_FALSE(path_exists(x / "w"));
  EXPECT_TRUE(platform.make_folder(x / "finish"));
  EXPECT_TRUE(platform.make_folder(x / "finish"));
  EXPECT_FALSE(platform.make_folder(x / "no\\such\\finish"));
  write_text(x / "file", "f");
  EXPECT_FALSE(platform.make_folder(x / "file"));
  EXPECT_TRUE(platform.is_file(x / "file"));
  EXPECT_FALSE(platform.is_file(x / "finish"));
}

}  // namespace
}  // namespace zembrel
