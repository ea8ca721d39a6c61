// The whole tool as a user runs it: the lists and paths filled through the real open dialogs,
// the options set through the controls, "开始" pressed, and the real archiver's work checked
// once the launched script has ended.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "app/batch_commands.h"
#include "app/frm_main.h"
#include "tests/e2e/archive_fixture.h"
#include "tests/win/ui/ui_driver.h"

namespace zembrel::e2e {
namespace {

using namespace zembrel::ui;
using Names = std::vector<std::string>;

void click(zfw::TWinControl* c) { SendMessageA(c->Handle(), BM_CLICK, 0, 0); }

// The main window beside a program folder, and a data folder with two archives, a file to add
// and a comment file.
struct WindowJob : ::testing::Test {
  ScratchFolder program, data;
  zfw::TCustomForm* created = nullptr;
  Tmain_frm* form = nullptr;

  void SetUp() override {
    zfw::Application().Initialize();
    make_archive(data / "pack.rar", {{"a.txt", "alpha"}, {"old.txt", "stale"}, {"sub\\old.txt", "stale too"}}, "old pw");
    make_archive(data / "two.rar", {{"b.txt", "beta"}, {"OLD.TXT", "stale"}}, "old pw");
    write_text(data / "readme.txt", "read me");
    write_text(data / "note.txt", "a comment");
    form = zfw::CreateForm<Tmain_frm>(nullptr, program.path());
    form->Show();
    pump(100);
  }
  void TearDown() override { delete form; }

  // What the user does before pressing the start button, in both modes: every list and path
  // through its dialog, the delete name typed, the lock ticked.
  void fill_through_the_dialogs() {
    Answerer dialogs("#32770", {choose_files(data.path(), "\"pack.rar\" \"two.rar\""),
                                choose_files(data.path(), "readme.txt"),
                                choose_files(folder_of(archiver_path()), "Rar.exe"),
                                choose_files(data.path(), "note.txt")});
    click(form->btn_show_add);
    click(form->btn_add_add);
    form->Image1->Click();
    form->Image2->Click();
    ASSERT_EQ(dialogs.answered(), 4);
    SetWindowTextA(form->edt_del->Handle(), "old.txt");
    click(form->btn_del_add);
    click(form->ck_lock);
    ASSERT_EQ(form->Ltb_rar->Items().ToVector(), (Names{data / "pack.rar", data / "two.rar"}));
    ASSERT_EQ(form->edt_open->Text(), archiver_path());
  }

  void press_start() {
    Answerer no_message("#32770", {});
    click(form->btn_go);
    ASSERT_TRUE(wait_for_launched_scripts()) << "the launched script did not end";
    pump(100);
    EXPECT_EQ(no_message.answered(), 0) << (no_message.texts().empty() ? "" : no_message.texts()[0]);
    EXPECT_TRUE(form->btn_go->Enabled());
  }
};

TEST_F(WindowJob, RepackModeBuildsNewLockedArchivesWithTheNewPassword) {
  fill_through_the_dialogs();
  click(form->ck_pass);
  SetWindowTextA(form->edt_pass->Handle(), "new pw");
  SetWindowTextA(form->lbledt_old_pass->Handle(), "old pw");
  ASSERT_EQ(form->RadioGroup1->ItemIndex(), 1);
  press_start();

  const std::string pack = program / "finish\\pack.rar", two = program / "finish\\two.rar";
  EXPECT_EQ(archive_entries(pack), (Names{"pack", "pack/a.txt", "pack/readme.txt", "pack/sub"}));
  EXPECT_EQ(archive_entries(two), (Names{"two", "two/b.txt", "two/readme.txt"}));
  for (const auto& out : {pack, two}) {
    EXPECT_TRUE(archive_opens_with(out, "new pw")) << out;
    EXPECT_EQ(archive_comment(out), "a comment") << out;
    EXPECT_TRUE(archive_locked(out)) << out;
  }
  EXPECT_TRUE(archive_opens_with(data / "pack.rar", "old pw"));  // the source stays as it was
}

TEST_F(WindowJob, InPlaceModeChangesTheListedArchivesThemselves) {
  fill_through_the_dialogs();
  click(form->RadioGroup1->Buttons(0));
  ASSERT_EQ(form->RadioGroup1->ItemIndex(), 0);
  press_start();

  for (const char* name : {"pack.rar", "two.rar"}) {
    const std::string A = data / name;
    Names entries = archive_entries(A);
    EXPECT_TRUE(std::any_of(entries.begin(), entries.end(), [](const std::string& n) {
      return n.size() >= 10 && n.compare(n.size() - 10, 10, "readme.txt") == 0;
    })) << name;
    EXPECT_EQ(std::count(entries.begin(), entries.end(), "old.txt"), 0) << name;  // deleted at the top level
    EXPECT_EQ(archive_comment(A), "a comment") << name;
    EXPECT_TRUE(archive_locked(A)) << name;
  }
  const Names pack = archive_entries(data / "pack.rar");
  EXPECT_EQ(std::count(pack.begin(), pack.end(), "sub/old.txt"), 1);  // the delete does not reach subfolders
}

}  // namespace
}  // namespace zembrel::e2e
