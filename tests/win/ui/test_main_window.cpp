// The main window driven as a user drives it: through its controls' own messages, its menu, and
// the real open dialogs and message boxes answered from a timer.
#include <gtest/gtest.h>

#include <windows.h>

#include <commdlg.h>
#include <cstdio>
#include <fstream>
#include <memory>

#include "app/frm_main.h"
#include "app/help_frm.h"
#include "skin/frame/skin_messages.h"
#include "skin/manager/skin_manager.h"
#include "tests/win/ui/ui_driver.h"

using namespace zembrel;
using namespace zembrel::ui;
using namespace zfw;

namespace {

std::string make_scratch() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  // A folder that did not exist before: process ids repeat between Wine sessions.
  for (unsigned n = GetTickCount();; ++n) {
    const std::string path = std::string(temp) + "zembrel_ui_" + std::to_string(n) + "\\";
    if (CreateDirectoryA(path.c_str(), nullptr)) return path;
  }
}

void touch(const std::string& path) { std::ofstream(path) << "x"; }
bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

RECT bounds_in_parent(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void click(TWinControl* c) { SendMessageA(c->Handle(), BM_CLICK, 0, 0); }

// The menu bar item with this caption, as the user would pick it.
void pick_menu(Tmain_frm& f, const std::string& caption) {
  for (int i = 0; i < f.MainMenu1->Items().Count(); ++i)
    if (f.MainMenu1->Items().Items(i)->Caption() == caption)
      PostMessageA(f.Handle(), WM_COMMAND, f.MainMenu1->Items().Items(i)->Command(), 0);
}

Answerer::Answer press_ok() {
  return [](HWND w) { PostMessageA(w, WM_COMMAND, IDOK, 0); };
}

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    folder = make_scratch();
    open();
  }
  void TearDown() override {
    delete form;
    form = nullptr;
  }
  void open() {
    form = CreateForm<Tmain_frm>(nullptr, folder);
    form->Show();
    pump(100);
  }
  void reopen() {
    delete form;
    open();
  }
  std::vector<std::string> items(TListBox* box) { return box->Items().ToVector(); }
  std::string folder;
  Tmain_frm* form = nullptr;
};

TEST_F(MainWindow, ControlsStandWhereTheLayoutPutsThem) {
  RECT client;
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 712);
  EXPECT_EQ(client.bottom, 486);
  // The caption reaches the window as GBK bytes ("工作室" is B9 A4 D7 F7 CA D2).
  EXPECT_NE(text_of(form->Handle()).find("Zembrel 1.2  >> Morvath\xB9\xA4\xD7\xF7\xCA\xD2"), std::string::npos);
  struct Row {
    TWinControl* c;
    RECT r;
  } rows[] = {
      {form->RadioGroup1, {8, 8, 321, 65}},      {form->GpB_add, {8, 72, 321, 233}},
      {form->Ltb_add, {8, 16, 303, 121}},        {form->btn_add_add, {8, 128, 97, 153}},
      {form->btn_add_del, {104, 128, 193, 153}}, {form->btn_add_clear, {200, 128, 289, 153}},
      {form->GpB_del, {8, 240, 321, 457}},       {form->Ltb_del, {8, 16, 303, 153}},
      {form->edt_del, {96, 157, 305, 177}},      {form->btn_del_add, {8, 184, 97, 209}},
      {form->GpB_set, {328, 8, 703, 137}},       {form->edt_open, {104, 16, 335, 36}},
      {form->edt_ann, {104, 43, 335, 63}},       {form->ck_lock, {8, 75, 129, 92}},
      {form->ck_pass, {128, 75, 225, 92}},       {form->ck_saveexit, {8, 99, 169, 116}},
      {form->lbledt_old_pass, {256, 97, 353, 117}}, {form->GpB_list, {328, 144, 703, 457}},
      {form->Ltb_rar, {8, 16, 364, 273}},        {form->btn_show_add, {8, 280, 89, 305}},
      {form->btn_show_del, {101, 280, 182, 305}}, {form->btn_show_clear, {194, 280, 275, 305}},
      {form->btn_go, {288, 280, 363, 305}},      {form->StatusBar1, {0, 467, 712, 486}},
  };
  for (const Row& row : rows) {
    const RECT r = bounds_in_parent(row.c->Handle());
    EXPECT_EQ(r.left, row.r.left) << row.c->Name();
    EXPECT_EQ(r.top, row.r.top) << row.c->Name();
    EXPECT_EQ(r.right, row.r.right) << row.c->Name();
    EXPECT_EQ(r.bottom, row.r.bottom) << row.c->Name();
    EXPECT_EQ(GetParent(row.c->Handle()), row.c->Parent()->Handle()) << row.c->Name();
  }
  EXPECT_FALSE(IsWindowVisible(form->Ltb_show->Handle()));
  EXPECT_FALSE(IsWindowVisible(form->edt_pass->Handle()));  // hidden until ck_pass is ticked
  EXPECT_EQ(form->Image1->BoundsRect().left, 340);
  EXPECT_EQ(form->lbledt_old_pass->EditLabel().Left() + form->lbledt_old_pass->EditLabel().Width() + 8, 256);
  // Tab order within each parent.
  EXPECT_EQ(form->btn_add_del->TabOrder(), 1);
  EXPECT_EQ(form->btn_add_add->TabOrder(), 2);
  EXPECT_EQ(form->edt_del->TabOrder(), 4);
  EXPECT_EQ(form->RadioGroup1->TabOrder(), 5);
  EXPECT_EQ(form->GpB_set->TabOrder(), 6);
  EXPECT_EQ(form->btn_show_del->TabOrder(), 3);
  EXPECT_EQ(form->RadioGroup1->ItemIndex(), 1);
  EXPECT_EQ(form->rarname(), "C:\\Program Files\\WinRAR\\Rar.exe");
  EXPECT_EQ(form->StatusBar1->PanelText(0).substr(0, 3), "   ");
}

TEST_F(MainWindow, StoredSkinIsLoadedWhileTheWindowIsRead) {
  ASSERT_NE(form->SkinData1, nullptr);
  TSkinData& skin = *form->SkinData1;
  EXPECT_FALSE(skin.Loading());  // the definition was read completely
  EXPECT_TRUE(skin.Active());
  EXPECT_EQ(skin.SkinControls(), kDefaultSkinControls);
  EXPECT_EQ(skin.Options(), kDefaultSkinOptions);
  EXPECT_EQ(skin.Skin3rd().Count(), 117);
  EXPECT_EQ(skin.DisableTag(), 99);
  EXPECT_FALSE(skin.SkinName().empty());
  for (const char* name : {"MenuItem", "MenuBackground", "Personality", "Scrollbar", "HorzScroll", "VertScroll",
                           "HorzScrollThumb", "VertScrollThumb", "SunkEdge", "ComboButton", "ComboxArrow", "Progress",
                           "Progress.Chunk", "GroupBoxEdge", "GroupBox", "StatusBarEdges", "ExtraImages", "Toolbar",
                           "Track", "TRACKVERT"}) {
    const TDataSkinObject* element = skin.Element(name);
    ASSERT_NE(element, nullptr) << name;
    EXPECT_FALSE(element->Image.Empty()) << name;
  }
  for (TDataSkinObject* fixed : std::initializer_list<TDataSkinObject*>{&skin.Buttons(), &skin.Title(), &skin.Left(),
                                                                       &skin.Right(), &skin.Top(), &skin.Bottom()})
    EXPECT_FALSE(fixed->Image.Empty()) << fixed->Name;
  EXPECT_FALSE(skin.Buttons().CheckImage.Empty());
  EXPECT_FALSE(skin.Buttons().RadioImage.Empty());
  // The skin takes the window over: once skinned it says so, and a second request attaches nothing.
  EXPECT_TRUE(pump_until([&] { return SendMessageA(form->Handle(), SKM_QUERY, 0, 0) == 1; }));
  ASSERT_NE(SkinManager, nullptr);
  EXPECT_NE(SkinManager->FindFormSkin(form->Handle()), nullptr);
  EXPECT_FALSE(SkinManager->SkinWindow(form->Handle()));
  ASSERT_NE(form->SkinCaption1, nullptr);
  EXPECT_EQ(form->SkinCaption1->Author(), "Morvath");
}

TEST_F(MainWindow, AnchoredControlsFollowAResize) {
  RECT w;
  GetWindowRect(form->Handle(), &w);
  SetWindowPos(form->Handle(), nullptr, 0, 0, w.right - w.left + 100, w.bottom - w.top + 80, SWP_NOMOVE | SWP_NOZORDER);
  pump(100);
  const RECT list = bounds_in_parent(form->GpB_list->Handle());
  EXPECT_EQ(list.right - list.left, 375 + 100);
  EXPECT_EQ(list.bottom - list.top, 313 + 80);
  EXPECT_EQ(bounds_in_parent(form->btn_go->Handle()).top, 280 + 80);
  EXPECT_EQ(bounds_in_parent(form->edt_open->Handle()).right, 335 + 100);
  EXPECT_EQ(bounds_in_parent(form->GpB_del->Handle()).bottom, 457 + 80);
  EXPECT_EQ(bounds_in_parent(form->btn_del_add->Handle()).top, 184 + 80);
  EXPECT_EQ(bounds_in_parent(form->GpB_add->Handle()).top, 72);  // not anchored to the bottom
  EXPECT_EQ(form->Image1->Left(), 340 + 100);
  EXPECT_EQ(bounds_in_parent(form->StatusBar1->Handle()).top, 467 + 80);
}

TEST_F(MainWindow, DeleteListTakesTypedTextWithoutADialog) {
  Answerer dialogs("#32770", {cancel_dialog()});
  SetWindowTextA(form->edt_del->Handle(), "old.txt");
  click(form->btn_del_add);
  click(form->btn_del_add);
  pump(300);
  EXPECT_EQ(items(form->Ltb_del), (std::vector<std::string>{"old.txt", "old.txt"}));
  EXPECT_EQ(form->edt_del->Text(), "old.txt");
  EXPECT_EQ(dialogs.answered(), 0);
}

TEST_F(MainWindow, RemoveTakesOnlyTheSelectedEntry) {
  for (auto* box : {form->Ltb_add, form->Ltb_del, form->Ltb_rar})
    for (const char* s : {"a", "b", "c"}) box->Items().Add(s);
  click(form->btn_add_del);  // nothing selected
  EXPECT_EQ(items(form->Ltb_add).size(), 3u);
  SendMessageA(form->Ltb_add->Handle(), LB_SETCURSEL, 1, 0);
  click(form->btn_add_del);
  EXPECT_EQ(items(form->Ltb_add), (std::vector<std::string>{"a", "c"}));
  SendMessageA(form->Ltb_del->Handle(), LB_SETCURSEL, 0, 0);
  click(form->btn_del_del);
  EXPECT_EQ(items(form->Ltb_del), (std::vector<std::string>{"b", "c"}));
  SendMessageA(form->Ltb_rar->Handle(), LB_SETCURSEL, 2, 0);
  click(form->btn_show_del);
  EXPECT_EQ(items(form->Ltb_rar), (std::vector<std::string>{"a", "b"}));
  click(form->btn_add_clear);
  click(form->btn_del_clear);
  click(form->btn_show_clear);
  EXPECT_TRUE(items(form->Ltb_add).empty() && items(form->Ltb_del).empty() && items(form->Ltb_rar).empty());
}

TEST_F(MainWindow, OpenDialogsAppendEveryChosenFileAndCancelChangesNothing) {
  const std::string data = make_scratch();
  touch(data + "one.rar");
  touch(data + "two.rar");
  touch(data + "note.txt");
  SetCurrentDirectoryA(folder.c_str());
  const std::string pick = "\"one.rar\" \"two.rar\"";
  Answerer dialogs("#32770", {choose_files(data, pick), choose_files(data, pick), cancel_dialog(),
                              choose_files(data, "note.txt"), choose_files(data, "one.rar"), choose_files(data, "note.txt")});
  click(form->btn_show_add);
  click(form->btn_show_add);
  click(form->btn_show_add);
  const std::string one = data + "one.rar", two = data + "two.rar";
  EXPECT_EQ(items(form->Ltb_rar), (std::vector<std::string>{one, two, one, two}));  // twice chosen, twice listed
  char current[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, current);
  EXPECT_EQ(std::string(current) + "\\", data);  // the choice's folder became the current one
  click(form->btn_del_add);                       // edt_del empty: the dialog gives bare names
  EXPECT_EQ(items(form->Ltb_del), (std::vector<std::string>{"note.txt"}));
  form->Image1->Click();
  EXPECT_EQ(form->edt_open->Text(), one);
  form->Image2->Click();
  EXPECT_EQ(form->edt_ann->Text(), data + "note.txt");
  EXPECT_EQ(dialogs.answered(), 6);
  EXPECT_EQ(form->OpenDialog3->Filter(), "Winrar file (*.rar)|*.rar");
  EXPECT_TRUE(form->OpenDialog1->Flags() & OFN_ALLOWMULTISELECT);
  EXPECT_FALSE(form->OpenDialog4->Flags() & (OFN_ALLOWMULTISELECT | OFN_NOCHANGEDIR));
}

TEST_F(MainWindow, PasswordEditFollowsTheCheckBoxAndEmptiesOnEveryClick) {
  click(form->ck_pass);
  EXPECT_TRUE(form->ck_pass->Checked());
  EXPECT_TRUE(IsWindowVisible(form->edt_pass->Handle()));
  for (const char* typed : {"secret", "again"}) {
    SetWindowTextA(form->edt_pass->Handle(), typed);
    SendMessageA(form->edt_pass->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(form->edt_pass->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(form->edt_pass->Text(), "");
  }
  click(form->ck_pass);
  EXPECT_FALSE(IsWindowVisible(form->edt_pass->Handle()));
}

TEST_F(MainWindow, SavedSettingsComeBackAfterARestart) {
  form->set_rarmethod(0);
  SetWindowTextA(form->edt_ann->Handle(), "C:\\note.txt");
  click(form->ck_lock);
  click(form->ck_pass);
  SetWindowTextA(form->edt_pass->Handle(), "pw1");
  SetWindowTextA(form->lbledt_old_pass->Handle(), "old");
  form->Ltb_add->Items().Add("C:\\a.txt");
  form->Ltb_del->Items().Add("b.txt");
  {
    Answerer boxes("#32770", {press_ok()});
    pick_menu(*form, to_ansi(L"保存设置"));
    ASSERT_TRUE(pump_until([&] { return boxes.answered() == 1; }));
    pump(200);
    EXPECT_NE(boxes.texts()[0].find(to_ansi(L"文件保存成功")), std::string::npos);
  }
  reopen();
  EXPECT_EQ(form->rarmethod(), 0);
  EXPECT_EQ(form->annname(), "C:\\note.txt");
  EXPECT_TRUE(form->lockcheck());
  EXPECT_TRUE(form->passwordcheck());
  EXPECT_TRUE(IsWindowVisible(form->edt_pass->Handle()));  // passwordclick ran on load
  EXPECT_EQ(form->password(), "pw1");
  EXPECT_EQ(form->old_password(), "old");
  EXPECT_EQ(items(form->Ltb_add), (std::vector<std::string>{"C:\\a.txt"}));
  EXPECT_EQ(items(form->Ltb_del), (std::vector<std::string>{"b.txt"}));
  EXPECT_TRUE(items(form->Ltb_rar).empty());
}

TEST_F(MainWindow, ExitAsksOnlyWhenSaveOnExitIsTicked) {
  {
    Answerer none("TMessageForm", {});
    pick_menu(*form, to_ansi(L"退出程序"));
    ASSERT_TRUE(pump_until([&] { return !IsWindowVisible(form->Handle()); }));
    EXPECT_EQ(none.answered(), 0);
    EXPECT_FALSE(exists(folder + "setting.ini"));
  }
  reopen();
  click(form->ck_saveexit);
  {
    // The close button never asks.
    Answerer none("TMessageForm", {});
    PostMessageA(form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(pump_until([&] { return !IsWindowVisible(form->Handle()); }));
    pump(200);
    EXPECT_EQ(none.answered(), 0);
  }
  form->Show();
  for (WORD answer : {VK_ESCAPE, VK_RETURN}) {
    std::string message;
    Answerer confirm("TMessageForm", {[&](HWND w) {
                       auto* dialog = dynamic_cast<TCustomForm*>(FindControl(w));
                       if (auto* label = dialog ? dynamic_cast<TLabel*>(dialog->FindComponent("Message")) : nullptr)
                         message = label->Text();
                       press_key(answer)(w);
                     }});
    Answerer saved("#32770", {press_ok()});
    form->Show();
    pick_menu(*form, to_ansi(L"退出程序"));
    ASSERT_TRUE(pump_until([&] { return !IsWindowVisible(form->Handle()); }));
    pump(200);
    ASSERT_EQ(confirm.answered(), 1);
    EXPECT_NE(confirm.texts()[0].find("Confirm"), std::string::npos);
    EXPECT_NE(confirm.texts()[0].find("&Yes"), std::string::npos);
    EXPECT_EQ(message, to_ansi(L"退出前是保存当前设置？"));
    EXPECT_EQ(exists(folder + "setting.ini"), answer == VK_RETURN);  // Enter is Yes, Escape is No
    EXPECT_EQ(saved.answered(), answer == VK_RETURN ? 1 : 0);
  }
}

TEST_F(MainWindow, EmptyArchiveListIsReportedAndFocusGoesToItsAddButton) {
  touch(folder + "batch.bat");
  Answerer boxes("#32770", {press_ok()});
  click(form->btn_go);
  pump_until([&] { return boxes.answered() == 1; });
  pump(200);
  ASSERT_EQ(boxes.answered(), 1);
  EXPECT_NE(boxes.texts()[0].find(to_ansi(L"请先添加需要处理的压缩包")), std::string::npos);
  EXPECT_NE(boxes.texts()[0].find(to_ansi(L"提示：")), std::string::npos);
  EXPECT_EQ(GetFocus(), form->btn_show_add->Handle());
  EXPECT_TRUE(form->btn_go->Enabled());
  EXPECT_FALSE(exists(folder + "batch.bat"));
}

TEST_F(MainWindow, ScriptIsRemovedWhenTheWindowGoes) {
  touch(folder + "batch.bat");
  delete form;
  form = nullptr;
  EXPECT_FALSE(exists(folder + "batch.bat"));
  EXPECT_TRUE(exists(folder + "finish"));
}

const wchar_t* const kHelpLines[] = {
    L"    本软件帮助您批量添加，删除winrar压缩包中的单个或多个文件。", L"",
    L"    本软件调用winrar自带的rar.exe程序进行解压缩，打新包等操作，", L"",
    L"在安全性及速度上得到有效保证。适用于经常性或单次大批量压缩包中", L"",
    L"文件的添加删除。程序设定后自动运行，使您从繁琐的单个手工操作中", L"",
    L"解脱出来。", L"",
    L"    \"在原包基础上处理\"是指不解开原压缩包，直接在此基础上进行添", L"",
    L"加，删除文件的操作。它的优点是速度快，缺点是只能删除根目录下的", L"",
    L"文件。而且前提是待处理压缩包不能锁定，否则需要使用\"解包处理后打", L"",
    L"新包\"的方式。此方式删除文件彻底，添加文件完整。", L"",
    L"注一：本软件不能处理winzip文件。", L"",
    L"注二：因本软件运行时需要调用RAR.EXE，该程序为DOS程序，故在运行", L"",
    L"时闪现DOS窗口是正常现象。", L"    ",
};

TEST_F(MainWindow, HelpWindowIsNewEachTimeWithTheSameContent) {
  std::vector<HWND> windows;
  auto inspect = [&](HWND w) {
    windows.push_back(w);
    ASSERT_NE(frm_help, nullptr);
    EXPECT_EQ(text_of(w), to_ansi(L"使用帮助"));
    EXPECT_FALSE(IsWindowEnabled(form->Handle()));  // modal
    HWND memo = frm_help->Memo1->Handle();
    // The text as the edit control holds it, split at its line breaks (the memo wraps what
    // does not fit its width, so its display lines may be more).
    std::vector<std::wstring> lines{L""};
    for (wchar_t c : from_ansi(text_of(memo))) {
      if (c == L'\n') lines.emplace_back();
      else if (c != L'\r') lines.back() += c;
    }
    if (lines.size() > 1 && lines.back().empty()) lines.pop_back();  // a break after the last line
    ASSERT_EQ(lines.size(), 24u);
    for (size_t i = 0; i < 24; ++i) EXPECT_EQ(lines[i], kHelpLines[i]) << "line " << i + 1;
    EXPECT_TRUE(GetWindowLongPtrA(memo, GWL_STYLE) & ES_READONLY);
    const std::string before = frm_help->Memo1->Text();
    SendMessageA(memo, WM_CHAR, 'x', 0);
    EXPECT_EQ(frm_help->Memo1->Text(), before);
    EXPECT_EQ(frm_help->Label1->Font().Style() & fsBold, unsigned(fsBold));
    auto* jpeg = dynamic_cast<TJPEGImage*>(frm_help->Image1->Picture().Graphic());
    ASSERT_NE(jpeg, nullptr);
    EXPECT_EQ(jpeg->Width(), 150);
    EXPECT_EQ(jpeg->Height(), 390);
    EXPECT_EQ(jpeg->Components(), 3);
    long r = 0, g = 0, b = 0;
    for (int y = 0; y < 390; y += 3)
      for (int x = 0; x < 150; x += 3) {
        const COLORREF c = jpeg->Bitmap().Pixel(x, y);
        r += GetRValue(c), g += GetGValue(c), b += GetBValue(c);
      }
    EXPECT_GT(b, r + r / 2);
    EXPECT_GT(b, g);
    RECT client;
    GetClientRect(w, &client);
    EXPECT_EQ(client.right, 572);
    EXPECT_EQ(client.bottom, 356);
    PostMessageA(w, WM_CLOSE, 0, 0);
  };
  Answerer help("Tfrm_help", {inspect, inspect});
  pick_menu(*form, to_ansi(L"使用帮助"));
  ASSERT_TRUE(pump_until([&] { return help.answered() == 1 && !frm_help; }));
  pick_menu(*form, to_ansi(L"使用帮助"));
  ASSERT_TRUE(pump_until([&] { return help.answered() == 2 && !frm_help; }));
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));
  ASSERT_EQ(windows.size(), 2u);
  EXPECT_FALSE(IsWindow(windows[0]));
}

}  // namespace
