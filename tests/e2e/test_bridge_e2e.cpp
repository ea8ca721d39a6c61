// The rar bridge stores names as the Windows archiver does: a file given by its full path is
// stored under that path without its drive, never under the Unix path Wine maps it to.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/e2e/archive_fixture.h"

namespace zembrel::e2e {
namespace {

std::string stored_name(const std::string& windows_path) {
  std::string name = windows_path.substr(3);
  std::replace(name.begin(), name.end(), '\\', '/');
  return name;
}

TEST(RarBridge, StoresAFileGivenByItsFullPathUnderItsPathWithoutTheDrive) {
  ScratchFolder out;
  ScratchFolder on_c;  // under the prefix's drive C:
  const std::string on_z = "Z:\\tmp\\zembrel-bridge-" + std::to_string(GetCurrentProcessId()) + "\\";
  for (const std::string& file : {on_c / "Docs\\readme.txt", on_z + "Docs\\z.txt"}) {
    write_text(file, "read me");
    const std::string archive = out / "names.rar";
    DeleteFileA(archive.c_str());
    ASSERT_EQ(run_rar("a \"" + archive + "\" \"" + file + "\"").exit_code, 0u) << file;
    EXPECT_EQ(archive_entries(archive), (std::vector<std::string>{stored_name(file)})) << file;
    // With -ep the name alone, as the in-place add asks.
    DeleteFileA(archive.c_str());
    ASSERT_EQ(run_rar("a -ep \"" + archive + "\" \"" + file + "\"").exit_code, 0u) << file;
    EXPECT_EQ(archive_entries(archive), (std::vector<std::string>{file.substr(file.rfind('\\') + 1)})) << file;
    DeleteFileA(file.c_str());
  }
  RemoveDirectoryA((on_z + "Docs").c_str());
  RemoveDirectoryA(on_z.c_str());
}

}  // namespace
}  // namespace zembrel::e2e
