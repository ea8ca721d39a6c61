#include "app/run_check.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/host/fake_job_platform.h"

namespace zembrel {
namespace {

using testing::FakeJobPlatform;
using Names = std::vector<std::string>;

const std::string R = "C:\\R.exe";

// The archiver as the checks meet it: an archive that tests with some exit code, lists some
// names, is locked or not, and has some comment.
struct FakeArchiver {
  FakeJobPlatform platform;
  unsigned long test_code = 0;
  std::string listing = "a.txt\r\nsub\r\nsub/keep.txt\r\nreadme.txt\r\n";
  std::string details = "Details: RAR 5, lock\r\n";
  std::string comment = "a comment";
  Names commands;

  ArchiveCheck repacked() {
    ArchiveCheck c;
    c.target = "C:\\Tools\\finish\\pack.rar";
    c.repacked = true;
    c.tree = {"a.txt", "readme.txt", "sub", "sub\\keep.txt"};
    c.comment = c.lock = true;
    c.has_password = true;
    c.password = "pw";
    return c;
  }
  ArchiveResult check(const ArchiveCheck& c) {
    platform.add_file("C:\\Tools\\finish\\pack.rar");
    platform.add_file("D:\\pack.rar");
    platform.on_check = [this](const std::string& line) -> ProcessResult {
      commands.push_back(line);
      const std::string command = line.substr(R.size() + 3, line.find(' ', R.size() + 3) - R.size() - 3);
      if (command == "t") return {true, test_code, ""};
      if (command == "lb") return {true, 0, listing};
      if (command == "lt") return {true, 0, "Archive: x\r\n" + details};
      if (command == "cw" && !comment.empty()) platform.files["T:\\zembrel-comment.txt"] = comment;
      return {true, 0, ""};
    };
    ArchiveResult row;
    check_archive(c, R, platform, row);
    return row;
  }
};

struct Checked : ::testing::Test, FakeArchiver {};

TEST_F(Checked, ARepackedArchiveAsAskedIsDoneAndEveryCheckUsesItsPassword) {
  const ArchiveResult row = check(repacked());
  EXPECT_EQ(row.state, ArchiveState::Done) << reason_text(row);
  ASSERT_EQ(commands.size(), 4u);
  EXPECT_EQ(commands[0], "\"C:\\R.exe\" t -y -ppw \"C:\\Tools\\finish\\pack.rar\"");
  for (const auto& c : commands) EXPECT_NE(c.find(" -ppw "), std::string::npos) << c;
  EXPECT_FALSE(platform.files.count("T:\\zembrel-comment.txt"));
}

TEST_F(Checked, WhatIsNotAsAskedFailsTheArchiveWithTheReason) {
  struct Case {
    const char* name;
    std::function<void(FakeArchiver&, ArchiveCheck&)> spoil;
    Why why;
    std::string detail;
  };
  const Case cases[] = {
      {"no output", [](FakeArchiver&, ArchiveCheck& c) { c.target = "C:\\Tools\\finish\\none.rar"; }, Why::OutputMissing, ""},
      {"damaged", [](FakeArchiver& t, ArchiveCheck&) { t.test_code = 3; }, Why::TestFailed, ""},
      {"a folder level more", [](FakeArchiver& t, ArchiveCheck&) { t.listing = "pack\npack/a.txt\npack/readme.txt\npack/sub\npack/sub/keep.txt\n"; },
       Why::TreeDiffers, "a.txt"},
      {"a file lost", [](FakeArchiver& t, ArchiveCheck&) { t.listing = "a.txt\nreadme.txt\nsub\n"; }, Why::TreeDiffers, "sub\\keep.txt"},
      {"a file too many", [](FakeArchiver& t, ArchiveCheck&) { t.listing += "zz.txt\n"; }, Why::TreeDiffers, "zz.txt"},
      {"not locked", [](FakeArchiver& t, ArchiveCheck&) { t.details = "Details: RAR 5\r\n"; }, Why::NotLocked, ""},
      {"lock only in a name", [](FakeArchiver& t, ArchiveCheck&) { t.details = "Details: RAR 5\r\nName: lock.txt\r\n"; }, Why::NotLocked, ""},
      {"no comment", [](FakeArchiver& t, ArchiveCheck&) { t.comment.clear(); }, Why::CommentMissing, ""},
  };
  for (const auto& c : cases) {
    FakeArchiver t;
    ArchiveCheck check = t.repacked();
    c.spoil(t, check);
    const ArchiveResult row = t.check(check);
    EXPECT_EQ(row.state, ArchiveState::Failed) << c.name;
    EXPECT_EQ(row.why, c.why) << c.name;
    EXPECT_EQ(row.name, c.detail) << c.name;
    if (c.why == Why::TestFailed) {
      EXPECT_EQ(row.exit_code, 3u);
    }
  }
}

TEST_F(Checked, InPlaceArchivesAreCheckedForTheNamesAtTheirRoot) {
  ArchiveCheck c;
  c.target = "D:\\pack.rar";
  auto names = std::make_shared<RootNames>();
  c.root = names;
  names->added = {"README.TXT"};
  names->deleted = {"keep.txt"};  // only in a subfolder: the root has none
  EXPECT_EQ(check(c).state, ArchiveState::Done);
  EXPECT_NE(commands[0].find(" -p- "), std::string::npos) << "without a password the archiver must never ask";

  test_code = 11;  // encrypted files, and in-place mode needs no old password
  EXPECT_EQ(check(c).state, ArchiveState::Done);
  c.has_password = true;
  EXPECT_EQ(check(c).why, Why::TestFailed) << "a wrong old password";
  test_code = 0;

  names->added = {"keep.txt"};
  EXPECT_EQ(check(c).why, Why::AddedMissing);
  names->added.clear();
  names->deleted = {"a.txt"};
  EXPECT_EQ(check(c).why, Why::DeletedPresent);
}

TEST(FolderTree, ListsEveryEntryRelativeAndSortedLikeTheArchiversListing) {
  FakeJobPlatform platform;
  platform.add_file("D:\\w\\b.txt");
  platform.add_file("D:\\w\\Sub\\a.txt");
  platform.add_folder("D:\\w\\empty\\");
  const Names tree = folder_tree(platform, "D:\\w\\");
  EXPECT_EQ(tree, (Names{"b.txt", "empty", "Sub", "Sub\\a.txt"}));
  EXPECT_EQ(listed_names("Sub/a.txt\r\nb.txt\r\nSub\r\nempty\r\n"), tree);
}

}  // namespace
}  // namespace zembrel
