// The whole tool as a user runs it: the lists and paths filled through the real open dialogs,
// the options set through the controls, "开始" pressed, and the real archiver's work checked
// once the launched script has ended.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

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
    // (The native rar behind the bridge deletes names case-sensitively, unlike the Windows one.)
    make_archive(data / "two.rar", {{"b.txt", "beta"}, {"old.txt", "stale"}}, "old pw");
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

  // Presses "开始" and waits for the script and for the result window that follows it.
  void press_start() {
    Answerer no_message("#32770", {});
    click(form->btn_go);
    EXPECT_FALSE(form->btn_go->Enabled()) << "开始 stays off while the script runs";
    ASSERT_TRUE(wait_for_launched_scripts()) << "the launched script did not end";
    ASSERT_TRUE(pump_until([&] { return form->result_window() != nullptr; }, 120000)) << "no result window";
    EXPECT_EQ(no_message.answered(), 0) << (no_message.texts().empty() ? "" : no_message.texts()[0]);
    EXPECT_TRUE(form->btn_go->Enabled());
  }
  // Every row of the result window says the archive is done.
  void expect_all_done(int rows) {
    ResultWindow* results = form->result_window();
    ASSERT_NE(results, nullptr);
    ASSERT_EQ(SendMessageA(results->list(), LVM_GETITEMCOUNT, 0, 0), rows);
    for (int i = 0; i < rows; ++i) EXPECT_EQ(results->row(i)[1], "\xCD\xEA\xB3\xC9") << results->row(i)[2];  // 完成
  }
};

TEST_F(WindowJob, RepackModeBuildsNewLockedArchivesWithTheNewPassword) {
  fill_through_the_dialogs();
  click(form->ck_pass);
  SetWindowTextA(form->edt_pass->Handle(), "new pw");
  SetWindowTextA(form->lbledt_old_pass->Handle(), "old pw");
  ASSERT_EQ(form->RadioGroup1->ItemIndex(), 1);
  press_start();

  expect_all_done(2);
  const std::string pack = program / "finish\\pack.rar", two = program / "finish\\two.rar";
  EXPECT_EQ(archive_entries(pack), (Names{"a.txt", "readme.txt", "sub"}));
  EXPECT_EQ(archive_entries(two), (Names{"b.txt", "readme.txt"}));
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
  expect_all_done(2);

  // Added at the root; deleted at the top level only (the archiver's delete).
  EXPECT_EQ(archive_entries(data / "pack.rar"), (Names{"a.txt", "readme.txt", "sub", "sub/old.txt"}));
  EXPECT_EQ(archive_entries(data / "two.rar"), (Names{"b.txt", "readme.txt"}));
  for (const char* name : {"pack.rar", "two.rar"}) {
    EXPECT_EQ(archive_comment(data / name), "a comment") << name;
    EXPECT_TRUE(archive_locked(data / name)) << name;
  }
}

// What is saved is what comes back: a list cleared and saved stays empty at the next start, and
// a blank line in a stored list is no entry.
TEST_F(WindowJob, AClearedListThatIsSavedStaysEmptyAtTheNextStart) {
  for (const char* entry : {"C:\\a.txt", "C:\\b.txt"}) form->Ltb_add->Items().Add(entry);
  form->Ltb_del->Items().Add("old.txt");
  auto save = [&] {
    Answerer message("#32770", {[](HWND w) { PostMessageA(w, WM_COMMAND, IDOK, 0); }});
    form->act_saveExecute(nullptr);
    EXPECT_EQ(message.answered(), 1);
    return message.texts().empty() ? std::string() : message.texts()[0];
  };
  EXPECT_NE(save().find("\xCE\xC4\xBC\xFE\xB1\xA3\xB4\xE6\xB3\xC9\xB9\xA6"), std::string::npos);  // 文件保存成功
  click(form->btn_add_clear);
  click(form->btn_del_clear);
  EXPECT_NE(save().find("\xCE\xC4\xBC\xFE\xB1\xA3\xB4\xE6\xB3\xC9\xB9\xA6"), std::string::npos);
  EXPECT_EQ(read_text(program / "addfilename.txt"), "");
  write_text(program / "delfilename.txt", "kept.txt\r\n\r\n \r\n");
  delete form;
  form = zfw::CreateForm<Tmain_frm>(nullptr, program.path());
  EXPECT_EQ(form->Ltb_add->Items().Count(), 0);
  EXPECT_EQ(form->Ltb_del->Items().ToVector(), (Names{"kept.txt"}));
}

// A run of three archives, one with a wrong password, one missing, one fine: the result window
// shows one failed, one skipped and one done, with the totals, and the report says the same.
TEST_F(WindowJob, TheResultWindowShowsWhatHappenedToEachArchive) {
  make_archive(data / "locked.rar", {{"l.txt", "l"}}, "other pw");
  const Names archives{data / "locked.rar", data / "missing.rar", data / "pack.rar"};
  for (const auto& a : archives) form->Ltb_rar->Items().Add(a);
  SetWindowTextA(form->edt_open->Handle(), archiver_path().c_str());
  SetWindowTextA(form->lbledt_old_pass->Handle(), "old pw");
  press_start();

  ResultWindow* results = form->result_window();
  ASSERT_NE(results, nullptr);
  EXPECT_EQ(text_of(results->handle()), "\xB4\xA6\xC0\xED\xBD\xE1\xB9\xFB");  // 处理结果
  EXPECT_EQ(GetParent(results->handle()), nullptr) << "a top-level window";
  ASSERT_EQ(SendMessageA(results->list(), LVM_GETITEMCOUNT, 0, 0), 3);
  const Names failed = results->row(0), skipped = results->row(1), done = results->row(2);
  EXPECT_EQ(failed[0], archives[0]);
  EXPECT_EQ(failed[1], "\xCA\xA7\xB0\xDC");  // 失败
  EXPECT_NE(failed[2].find("11"), std::string::npos) << failed[2];
  EXPECT_EQ(skipped[1], "\xCC\xF8\xB9\xFD");  // 跳过
  EXPECT_EQ(skipped[2], "\xD1\xB9\xCB\xF5\xB0\xFC\xB2\xBB\xB4\xE6\xD4\xDA");  // 压缩包不存在
  EXPECT_EQ(done[1], "\xCD\xEA\xB3\xC9");  // 完成
  EXPECT_EQ(done[2], "");
  // 共 3 个压缩包：完成 1 个，失败 1 个，跳过 1 个
  EXPECT_EQ(text_of(results->totals()), "\xB9\xB2 3 \xB8\xF6\xD1\xB9\xCB\xF5\xB0\xFC\xA3\xBA\xCD\xEA\xB3\xC9 1 \xB8\xF6\xA3\xAC"
                                         "\xCA\xA7\xB0\xDC 1 \xB8\xF6\xA3\xAC\xCC\xF8\xB9\xFD 1 \xB8\xF6");
  const std::string report = read_text(program / "batch_report.txt");
  EXPECT_NE(report.find(text_of(results->totals())), std::string::npos);
  EXPECT_NE(report.find(failed[2]), std::string::npos);
  EXPECT_EQ(archive_entries(program / "finish\\pack.rar"), (Names{"a.txt", "old.txt", "sub", "sub/old.txt"}));
  EXPECT_FALSE(path_exists(program / "finish\\locked.rar"));
  EXPECT_FALSE(path_exists(data / "missing.rar"));
}

// The progress window names the archive and the step while the main window waits; "取消"
// stops after the current archive, launches nothing, removes the run's work folders and says so.
TEST_F(WindowJob, TheProgressWindowShowsTheRunAndCancelStopsIt) {
  Names archives;
  for (int i = 0; i < 6; ++i) {
    archives.push_back(data / ("n" + std::to_string(i) + ".rar"));
    make_archive(archives.back(), {{"f.txt", "f"}});
    form->Ltb_rar->Items().Add(archives.back());
  }
  SetWindowTextA(form->edt_open->Handle(), archiver_path().c_str());
  std::string counter, archive;
  bool main_was_disabled = false, has_bar = false;
  Answerer progress("ZembrelProgress", {[&](HWND w) {
    HWND label = GetWindow(w, GW_CHILD);
    counter = text_of(label);
    archive = text_of(GetWindow(label, GW_HWNDNEXT));
    has_bar = FindWindowExA(w, nullptr, "msctls_progress32", nullptr) != nullptr;
    main_was_disabled = !IsWindowEnabled(form->Handle()) && !form->btn_go->Enabled();
    SendMessageA(GetDlgItem(w, IDCANCEL), BM_CLICK, 0, 0);
  }});
  Answerer message("#32770", {[](HWND w) { PostMessageA(w, WM_COMMAND, IDOK, 0); }});
  click(form->btn_go);
  ASSERT_EQ(progress.answered(), 1);
  EXPECT_EQ(counter.substr(0, 4), "\xB5\xDA 1") << counter;  // 第 1
  EXPECT_EQ(archive, archives[0]);
  EXPECT_TRUE(has_bar);
  EXPECT_TRUE(main_was_disabled);
  ASSERT_EQ(message.answered(), 1);
  EXPECT_NE(message.texts()[0].find("\xC8\xA1\xCF\xFB"), std::string::npos) << message.texts()[0];  // 取消
  EXPECT_FALSE(path_exists(program / "batch.bat"));
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));
  EXPECT_TRUE(form->btn_go->Enabled());
  EXPECT_EQ(form->progress_window(), nullptr);
  Names left;
  for (const auto& a : archives) {
    const std::string folder = a.substr(0, a.size() - 4);
    if (path_exists(folder)) left.push_back(folder);
  }
  EXPECT_TRUE(left.empty()) << left[0];
  EXPECT_FALSE(path_exists(program / "finish\\n0.rar"));
}

}  // namespace
}  // namespace zembrel::e2e
