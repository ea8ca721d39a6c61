// The settings store through the real private-profile functions and real files.
#include "app/settings_store.h"

#include <gtest/gtest.h>

#include "app/list_file.h"
#include "tests/e2e/archive_fixture.h"

namespace zembrel {
namespace {

using e2e::path_exists;
using e2e::read_text;
using e2e::ScratchFolder;
using e2e::write_text;

struct RecordingStartup final : StartupView {
  std::vector<bool> visibility;
  std::string date;
  void set_password_edit_visible(bool visible) override { visibility.push_back(visible); }
  void set_status_date(const std::string& text) override { date = text; }
};

TEST(SettingsStore, SavedSettingsAndListsComeBackAtTheNextStart) {
  ScratchFolder folder;
  PlainJobFields saved;
  saved.values = {"D:\\\xB9\xA4\xBE\xDF\\Rar.exe", 0, "C:\\a b\\note.txt", true, "p w&%x%", "old pw", true, true};
  saved.add.assign({"C:\\x.txt", "D:\\\xD6\xD0\xCE\xC4.doc"});
  saved.del.assign({"old.txt", "THUMBS.DB"});
  ASSERT_TRUE(save_settings(folder.path(), saved));
  EXPECT_EQ(read_text(folder / "addfilename.txt"), "C:\\x.txt\r\nD:\\\xD6\xD0\xCE\xC4.doc\r\n");

  PlainJobFields loaded;
  RecordingStartup view;
  load_startup_settings(folder.path(), loaded, view);
  const JobSettings& a = saved.values;
  const JobSettings b = loaded.settings();
  EXPECT_EQ(std::tie(a.rarname, a.rarmethod, a.annname, a.passwordcheck, a.password, a.old_password, a.lockcheck, a.saveexit),
            std::tie(b.rarname, b.rarmethod, b.annname, b.passwordcheck, b.password, b.old_password, b.lockcheck, b.saveexit));
  EXPECT_EQ(loaded.add.items(), saved.add.items());
  EXPECT_EQ(loaded.del.items(), saved.del.items());
  EXPECT_EQ(view.visibility, (std::vector<bool>{false, true}));
  EXPECT_TRUE(path_exists(folder / "finish"));
  ASSERT_EQ(view.date.size(), 3u + 4 + 2 + 2 + 2 + 2 + 2);
  EXPECT_EQ(view.date.substr(0, 3), "   ");
  EXPECT_EQ(view.date.substr(7, 2), "\xC4\xEA");  // 年
}

TEST(SettingsStore, AFirstStartKeepsTheInitialValuesAndMakesTheFinishFolder) {
  ScratchFolder folder;
  PlainJobFields fields;
  RecordingStartup view;
  load_startup_settings(folder.path(), fields, view);
  const JobSettings initial = initial_job_settings();
  EXPECT_EQ(fields.values.rarname, initial.rarname);
  EXPECT_EQ(fields.values.rarmethod, 1);
  EXPECT_EQ(fields.values.password, initial.password);
  EXPECT_EQ(fields.add.count() + fields.del.count(), 0);
  EXPECT_TRUE(path_exists(folder / "finish"));
  EXPECT_EQ(view.visibility, (std::vector<bool>{false}));
}

TEST(SettingsStore, ReadsNumbersLeniantlySelectsAModeForAnyValueAndCutsLongTexts) {
  struct Case { const char* rarmethod; int mode; };
  const Case cases[] = {{"5", 1}, {"-7", 1}, {"-1", 1}, {"0x0", 0}, {" $1", 1}, {"abc", 1}, {"", 1}};
  for (const auto& c : cases) {
    ScratchFolder folder;
    const std::string long_text(3000, 'a');
    write_text(folder / "setting.ini", std::string("[setting]\r\nrarmethod=") + c.rarmethod +
                                           "\r\npasswordcheck=0x1\r\nlockcheck=junk\r\nrarname=" + long_text + "\r\n");
    PlainJobFields fields;
    RecordingStartup view;
    load_startup_settings(folder.path(), fields, view);
    EXPECT_EQ(fields.values.rarmethod, c.mode) << c.rarmethod;
    EXPECT_TRUE(fields.values.passwordcheck);
    EXPECT_FALSE(fields.values.lockcheck);
    EXPECT_EQ(fields.values.rarname, std::string(2047, 'a'));
    EXPECT_EQ(fields.values.annname, "");
    EXPECT_EQ(view.visibility.back(), true);
  }
}

// What is saved is what comes back: an emptied list stays empty, and a blank line is no entry.
TEST(SettingsStore, SavingAnEmptyListEmptiesItsFile) {
  ScratchFolder folder;
  write_text(folder / "addfilename.txt", "C:\\old.txt\r\n");
  write_text(folder / "delfilename.txt", "kept.txt\r\n\r\nlast.txt\r\n\r\n");
  PlainJobFields first;
  RecordingStartup view;
  load_startup_settings(folder.path(), first, view);
  EXPECT_EQ(first.del.items(), (std::vector<std::string>{"kept.txt", "last.txt"}));

  PlainJobFields cleared;
  ASSERT_TRUE(save_settings(folder.path(), cleared));
  EXPECT_EQ(e2e::read_text(folder / "addfilename.txt"), "");
  EXPECT_EQ(e2e::read_text(folder / "delfilename.txt"), "");
  PlainJobFields loaded;
  load_startup_settings(folder.path(), loaded, view);
  EXPECT_EQ(loaded.add.count(), 0);
  EXPECT_EQ(loaded.del.count(), 0);
}

TEST(SettingsStore, SavingFailsWhenAnyFileCannotBeWritten) {
  ScratchFolder folder;
  PlainJobFields fields;
  EXPECT_FALSE(save_settings(folder / "no such folder\\", fields)) << "even with empty lists";
  CreateDirectoryA((folder / "delfilename.txt").c_str(), nullptr);  // cannot be written as a file
  EXPECT_FALSE(save_settings(folder.path(), fields));
}

TEST(SettingsStore, AnUnreadableListEndsTheLoadingButKeepsWhatWasDone) {
  ScratchFolder folder;
  write_text(folder / "setting.ini", "[setting]\r\nannname=C:\\n.txt\r\n");
  CreateDirectoryA((folder / "addfilename.txt").c_str(), nullptr);  // a folder cannot be read as a list
  write_text(folder / "delfilename.txt", "x\r\n");
  PlainJobFields fields;
  RecordingStartup view;
  load_startup_settings(folder.path(), fields, view);
  EXPECT_EQ(fields.values.annname, "C:\\n.txt");
  EXPECT_EQ(fields.del.count(), 1);
}

}  // namespace
}  // namespace zembrel
