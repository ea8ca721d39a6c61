// Walks the windows for screenshots: each step opens a window as a user would and saves the
// screen (a Wine virtual desktop) as a BMP in the folder given as the argument.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/frm_main.h"
#include "app/help_frm.h"
#include "skin/frame/WinSkinForm.h"
#include "skin/frame/nc_objects.h"
#include "skin/frame/skin_caption.h"
#include "skin/frame/skin_messages.h"
#include "skin/manager/skin_manager.h"
#include "skin/menus/WinSkinMenu.h"
#include "tests/win/ui/ui_driver.h"

using namespace zembrel;
using namespace zembrel::ui;
using namespace zfw;

namespace {

std::string g_out;

void save_screen(const std::string& name) {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  WindowDc screen(nullptr);
  TBitmap shot(w, h, pf24bit);
  BitBlt(shot.Canvas().Handle(), 0, 0, w, h, screen.get(), 0, 0, SRCCOPY);
  GdiFlush();
  std::ofstream f(g_out + "\\" + name + ".bmp", std::ios::binary);
  const unsigned row = static_cast<unsigned>(shot.RowBytes()), size = 54 + row * h;
  unsigned char head[54] = {'B', 'M'};
  auto put = [&](int at, unsigned v) { for (int i = 0; i < 4; ++i) head[at + i] = static_cast<unsigned char>(v >> (8 * i)); };
  put(2, size);
  put(10, 54);
  put(14, 40);
  put(18, static_cast<unsigned>(w));
  put(22, static_cast<unsigned>(-h));
  head[26] = 1;
  head[28] = 24;
  f.write(reinterpret_cast<char*>(head), 54);
  for (int y = 0; y < h; ++y) f.write(reinterpret_cast<char*>(shot.ScanLine(y)), row);
}

// Saves the screen once a window of the class is up, then closes it with close(window).
Answerer::Answer shoot(const std::string& name, Answerer::Answer close) {
  return [name, close](HWND w) {
    pump(400);
    save_screen(name);
    close(w);
  };
}

Answerer::Answer close_window() {
  return [](HWND w) { PostMessageA(w, WM_CLOSE, 0, 0); };
}

// The main window's form skin: the manager's when its hook skinned the window, else one attached
// here the way the manager attaches it (owned by the caller then).
TWinSkinForm* skin_main_window(Tmain_frm& form, std::unique_ptr<TWinSkinForm>& own) {
  if (SkinManager)
    if (TWinSkinForm* found = SkinManager->FindFormSkin(form.Handle())) return found;
  if (!form.SkinData1 || form.SkinData1->Loading()) return nullptr;
  own = std::make_unique<TWinSkinForm>(nullptr);
  own->SetWindow(form.Handle(), form.ClassName(), 0);
  own->AttachForm(form.SkinData1, &form);
  PostMessageA(form.Handle(), SKM_INIT, 0, 1000);
  pump_until([&] { return own->State() == kFormRunning; }, 3000);
  return own.get();
}

void mouse(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof in);
}
void mouse_to(POINT p) { move_pointer(p, 150); }

// The skinned frame in its looks: active, inactive, a caption button hot and pressed, maximised,
// minimised.
void shoot_frame_states(Tmain_frm& form, TWinSkinForm& skin) {
  HWND wnd = form.Handle();
  SetForegroundWindow(wnd);
  pump(500);
  save_screen("skinned_active");
  SendMessageA(wnd, WM_NCACTIVATE, FALSE, 0);
  pump(200);
  save_screen("skinned_inactive");
  SendMessageA(wnd, WM_NCACTIVATE, TRUE, 0);
  pump(200);
  RECT r{};
  GetWindowRect(wnd, &r);
  for (const auto& button : skin.Buttons()) {
    if (!button->Visible() || button->Action() != 0) continue;
    const POINT centre{r.left + (button->Rect().left + button->Rect().right) / 2,
                       r.top + (button->Rect().top + button->Rect().bottom) / 2};
    mouse_to(centre);
    save_screen("skinned_close_hot");
    mouse(MOUSEEVENTF_LEFTDOWN);
    pump(150);
    save_screen("skinned_close_pressed");
    // Released away from the button: nothing happens.
    mouse_to(POINT{r.left + 40, r.top + 60});
    mouse(MOUSEEVENTF_LEFTUP);
    pump(300);
  }
  ShowWindow(wnd, SW_MAXIMIZE);
  pump(500);
  save_screen("skinned_maximized");
  ShowWindow(wnd, SW_RESTORE);
  pump(500);
  ShowWindow(wnd, SW_MINIMIZE);
  pump(500);
  save_screen("skinned_minimized");
  ShowWindow(wnd, SW_RESTORE);
  pump(500);
}


// The pointer over a non-client object of a skinned window, as a user moves it there.
void hover(HWND wnd, const RECT& object) {
  RECT w{};
  GetWindowRect(wnd, &w);
  move_pointer(POINT{w.left + (object.left + object.right) / 2, w.top + (object.top + object.bottom) / 2}, 500);
}

// Inside a popup menu's modal loop: keys for the menu itself (left in the queue for its loop),
// then, from a timer of that loop, the picture, and the menu is ended.
std::string g_menu_shot;
Answerer::Answer shoot_menu(const std::string& name, std::vector<WORD> keys) {
  return [name, keys](HWND popup) {
    for (WORD k : keys) PostMessageA(popup, WM_KEYDOWN, k, 0);
    g_menu_shot = name;
    SetTimer(nullptr, 0, 900, [](HWND, UINT, UINT_PTR id, DWORD) {
      KillTimer(nullptr, id);
      save_screen(g_menu_shot);
      EndMenu();
    });
  };
}

LRESULT CALLBACK plain_window(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

// A window with drop-downs and a sub-menu, skinned as it is activated.
HWND menu_test_window() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = plain_window;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = "MenuShotWindow";
  RegisterClassA(&wc);
  HMENU bar = CreateMenu(), file = CreatePopupMenu(), recent = CreatePopupMenu(), edit = CreatePopupMenu();
  AppendMenuA(recent, MF_STRING, 11, "pack.rar");
  AppendMenuA(recent, MF_STRING, 12, "books.rar");
  AppendMenuA(file, MF_STRING, 1, "&Open...\tCtrl+O");
  AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "&Recent");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING | MF_GRAYED, 2, "&Save");
  AppendMenuA(file, MF_STRING, 3, "E&xit");
  AppendMenuA(edit, MF_STRING, 4, "&Copy");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
  AppendMenuA(bar, MF_STRING, 5, "&Help");
  HWND w = CreateWindowExA(0, "MenuShotWindow", "Menus", WS_OVERLAPPEDWINDOW, 120, 90, 420, 260, nullptr, bar,
                           GetModuleHandleA(nullptr), nullptr);
  ShowWindow(w, SW_SHOW);
  SetForegroundWindow(w);
  pump(800);
  return w;
}

void pick_menu(Tmain_frm& f, int index) { PostMessageA(f.Handle(), WM_COMMAND, f.MainMenu1->Items().Items(index)->Command(), 0); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  g_out = argv[1];  // where the pictures go
  const std::string folder = std::string(argv[2]) + "\\";
  Application().Initialize();
  Tmain_frm* form = CreateForm<Tmain_frm>(nullptr, folder);
  form->Show();
  pump(800);
  save_screen("main_empty");

  for (const char* f : {"D:\\Data\\pack.rar", "D:\\Data\\photos_2019.rar", "D:\\Archive\\books.rar"}) form->Ltb_rar->Items().Add(f);
  for (const char* f : {"C:\\Docs\\readme.txt", "C:\\Docs\\license.txt"}) form->Ltb_add->Items().Add(f);
  for (const char* f : {"old.txt", "Thumbs.db"}) form->Ltb_del->Items().Add(f);
  SendMessageA(form->ck_pass->Handle(), BM_CLICK, 0, 0);
  SetWindowTextA(form->lbledt_old_pass->Handle(), "1234");
  pump(400);
  save_screen("main_filled");

  // Control states: a button under the mouse and held down, check boxes checked and disabled, a
  // list scrolled.
  {
    RECT r;
    GetWindowRect(form->btn_show_del->Handle(), &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    pump(500);
    save_screen("main_button_hot");
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    SendInput(1, &in, sizeof in);
    pump(400);
    save_screen("main_button_pressed");
    SetCursorPos(r.left - 40, r.bottom + 60);  // released away from the button: no click
    pump(300);
    in.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof in);
    pump(300);
  }
  SendMessageA(form->ck_lock->Handle(), BM_CLICK, 0, 0);
  form->ck_lock->SetEnabled(false);
  form->ck_saveexit->SetEnabled(false);
  for (int i = 1; i <= 40; ++i) form->Ltb_rar->Items().Add("D:\\Data\\archive_" + std::to_string(i) + ".rar");
  SendMessageA(form->Ltb_rar->Handle(), LB_SETTOPINDEX, 12, 0);
  pump(400);
  save_screen("main_states");
  form->ck_lock->SetEnabled(true);
  form->ck_saveexit->SetEnabled(true);
  SendMessageA(form->ck_lock->Handle(), BM_CLICK, 0, 0);
  while (form->Ltb_rar->Items().Count() > 3) form->Ltb_rar->Items().Delete(3);
  pump(200);

  std::unique_ptr<TWinSkinForm> own_skin;
  if (TWinSkinForm* skin = skin_main_window(*form, own_skin)) shoot_frame_states(*form, *skin);

  if (TWinSkinForm* skinned = SkinManager ? SkinManager->FindFormSkin(form->Handle()) : nullptr) {
    if (TWinSkinMenu* bar = skinned->MenuBar(); bar && bar->Button(1)) {
      hover(form->Handle(), bar->Button(1)->Rect());
      save_screen("main_menu_item_hot");
    }
    for (const auto& b : skinned->Buttons())
      if (b->Action() == kHelpButtonAction && b->Visible()) {
        hover(form->Handle(), b->Rect());
        save_screen("main_help_button_hot");
      }
    SetCursorPos(10, 600);
    pump(300);
    {
      Answerer menu("#32768", {shoot_menu("system_menu", {VK_DOWN, VK_DOWN})});
      PostMessageA(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
      pump_until([&] { return menu.answered() == 1; }, 10000);
      pump(300);
    }
  }
  {
    HWND w = menu_test_window();
    TWinSkinForm* skinned = SkinManager ? SkinManager->FindFormSkin(w) : nullptr;
    if (skinned && skinned->MenuBar() && skinned->MenuBar()->Button(0)) {
      RECT r{};
      GetWindowRect(w, &r);
      const RECT& item = skinned->MenuBar()->Button(0)->Rect();
      Answerer menu("#32768", {shoot_menu("dropdown_submenu", {VK_DOWN, VK_RIGHT})});
      PostMessageA(w, SKM_MENUPOPUP, 0, MAKELPARAM(r.left + item.left + 4, r.top + item.top + 4));
      pump_until([&] { return menu.answered() == 1; }, 10000);
      pump(300);
    }
    DestroyWindow(w);
    pump(200);
  }

  {
    Answerer help("Tfrm_help", {shoot("help", close_window())});
    pick_menu(*form, 2);
    pump_until([&] { return help.answered() == 1 && !frm_help; }, 10000);
  }
  struct {
    TBitBtn* button;
    TImage* image;
    const char* name;
  } dialogs[] = {{form->btn_add_add, nullptr, "open_dialog1"}, {form->btn_del_add, nullptr, "open_dialog2"},
                 {form->btn_show_add, nullptr, "open_dialog3"}, {nullptr, form->Image1, "open_dialog4"},
                 {nullptr, form->Image2, "open_dialog5"}};
  for (auto& d : dialogs) {
    Answerer dialog("#32770", {shoot(d.name, cancel_dialog())});
    if (d.button) PostMessageA(d.button->Handle(), BM_CLICK, 0, 0);
    else d.image->Click();
    pump_until([&] { return dialog.answered() == 1; }, 10000);
    pump(300);
  }
  {
    Answerer box("#32770", {shoot("save_message", [](HWND w) { PostMessageA(w, WM_COMMAND, IDOK, 0); })});
    pick_menu(*form, 0);
    pump_until([&] { return box.answered() == 1; }, 10000);
    pump(300);
  }
  {
    // The run's windows: the progress of an unpack, then the results of a run.
    form->show_progress(2, 3, "D:\\Data\\photos_2019.rar", "\xD5\xFD\xD4\xDA\xBD\xE2\xB0\xFC");  // 正在解包
    pump(600);
    save_screen("run_progress");
    form->end_progress();
    ArchiveResult failed("D:\\Data\\pack.rar", ArchiveState::Failed, Why::UnpackFailed, 11);
    failed.old_password_given = true;
    form->report_results({failed, {"D:\\Data\\photos_2019.rar", ArchiveState::Done},
                          {"D:\\Archive\\boks.rar", ArchiveState::Skipped, Why::ArchiveMissing}},
                         "\xB1\xA8\xB8\xE6\xD2\xD1\xB1\xA3\xB4\xE6\xB5\xBD " + folder + "batch_report.txt");  // 报告已保存到
    pump(800);
    save_screen("run_results");
    DestroyWindow(form->result_window()->handle());
    pump(300);
  }
  {
    form->Ltb_rar->Items().Clear();
    Answerer box("#32770", {shoot("empty_archive_list", [](HWND w) { PostMessageA(w, WM_COMMAND, IDOK, 0); })});
    PostMessageA(form->btn_go->Handle(), BM_CLICK, 0, 0);
    pump_until([&] { return box.answered() == 1; }, 10000);
    pump(300);
  }
  {
    SendMessageA(form->ck_saveexit->Handle(), BM_CLICK, 0, 0);
    Answerer confirm("TMessageForm", {shoot("confirm", press_key(VK_ESCAPE))});
    pick_menu(*form, 3);
    pump_until([&] { return confirm.answered() == 1; }, 10000);
    pump(300);
  }
  if (own_skin) own_skin->Stop();
  delete form;
  own_skin.reset();
  return 0;
}
