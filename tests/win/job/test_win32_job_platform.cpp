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

  VectorTextList everything;
  EXPECT_EQ(find_named_files(platform, w.path(), "", everything), 3);  // keep.txt, .bak, inside.txt
}

TEST(ScriptFile, WritesCrLfLinesAndAppends) {
  ScratchFolder x;
  Win32JobPlatform platform(nullptr, x.path());
  const std::string s = x / "batch.bat";
  platform.create_empty(s);
  for (const char* line : {"one", "\xB0\xFC two"}) {
    auto script = platform.open_append(s);
    script->write_line(line);
    script->close();
  }
  EXPECT_EQ(e2e::read_text(s), "one\r\n\xB0\xFC two\r\n");
  remove_script(platform);
  EXPECT_FALSE(path_exists(s));
  EXPECT_THROW(platform.open_append(x / "missing\\batch.bat"), std::exception);
}

}  // namespace
}  // namespace zembrel
