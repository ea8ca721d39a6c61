// A bare top-level window with a menu, skinned with the program's own skin by a form skin
// attached the way the skin manager does it; its WM_COMMANDs are recorded.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/description.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"
#include "skin/frame/skin_messages.h"
#include "skin/manager/skin_manager.h"
#include "skin/menus/WinSkinMenu.h"
#include "menu_fixture.h"
#include "tests/win/ui/ui_driver.h"

namespace zembrel::test {

enum : UINT { kOpen = 101, kRecentOne = 102, kRecentTwo = 103, kExit = 104, kCopy = 201, kZoom = 301, kGo = 401 };

inline std::vector<UINT> g_commands;
inline std::vector<UINT> g_syscommands;  // as they reach the window's own procedure

inline LRESULT CALLBACK BarWindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COMMAND && lp == 0) g_commands.push_back(LOWORD(wp));
  if (msg == WM_SYSCOMMAND) g_syscommands.push_back(static_cast<UINT>(wp & 0xFFF0));
  return DefWindowProcA(wnd, msg, wp, lp);
}

inline HMENU DropDown(std::initializer_list<std::pair<const char*, UINT>> items) {
  HMENU m = CreatePopupMenu();
  for (const auto& [text, id] : items) AppendMenuA(m, MF_STRING, id, text);
  return m;
}

// &File [Open, &Recent > [One, Two], Exit]  &Edit [Copy]  &View [Zoom]; with commandItem, also &Go.
inline HMENU TestMenu(bool commandItem) {
  HMENU bar = CreateMenu();
  HMENU file = DropDown({{"&Open", kOpen}});
  AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(DropDown({{"One", kRecentOne}, {"Two", kRecentTwo}})), "&Recent");
  AppendMenuA(file, MF_STRING, kExit, "E&xit");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(DropDown({{"&Copy", kCopy}})), "&Edit");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(DropDown({{"&Zoom", kZoom}})), "&View");
  if (commandItem) AppendMenuA(bar, MF_STRING, kGo, "&Go");
  return bar;
}

// The popup-menu window on screen, if any.
inline HWND VisiblePopupMenu() {
  for (HWND w = FindWindowExA(nullptr, nullptr, "#32768", nullptr); w; w = FindWindowExA(nullptr, w, "#32768", nullptr))
    if (IsWindowVisible(w)) return w;
  return nullptr;
}

class SkinnedWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::pump(50);
    LoadProgramSkin(skin);
    ASSERT_FALSE(skin.Loading());
    StartSkinning(skin);
    g_commands.clear();
    g_syscommands.clear();
    // A popup menu that stays the same window for two ticks has lost its input: it is ended, so
    // that a test fails on its checks instead of waiting in the menu's loop for good.
    watchdog_ = SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) {
      static HWND last = nullptr;
      HWND now = VisiblePopupMenu();
      if (now && now == last) EndMenu();
      last = now;
    });
  }
  // The window is skinned by the manager's hook as it is activated.
  void Open(bool commandItem, DWORD exStyle = 0, DWORD style = WS_OVERLAPPEDWINDOW) {
    static const ATOM atom = [] {
      WNDCLASSA wc{};
      wc.lpfnWndProc = BarWindowProc;
      wc.hInstance = GetModuleHandleA(nullptr);
      wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
      wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
      wc.lpszClassName = "MenuBarTestWindow";
      return RegisterClassA(&wc);
    }();
    (void)atom;
    // Topmost: the clicks land on it even while other programs' windows are about.
    wnd = CreateWindowExA(exStyle | WS_EX_TOPMOST, "MenuBarTestWindow", "Menu bar", style, 200, 150, 420, 260, nullptr,
                          TestMenu(commandItem), GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(wnd);
    ShowWindow(wnd, SW_SHOW);
    SetForegroundWindow(wnd);
    ASSERT_TRUE(ui::pump_until([this] { return SkinManager->FindFormSkin(wnd) != nullptr; }, 3000));
    ui::pump(500);
    formSkin = SkinManager->FindFormSkin(wnd);
    ASSERT_TRUE(formSkin->FrameSkinned());
    ASSERT_TRUE(ui::pump_until([this] { return formSkin->Active() && GetForegroundWindow() == wnd; }, 3000));
  }
  void TearDown() override {
    KillTimer(nullptr, watchdog_);
    EndMenu();
    if (wnd) DestroyWindow(wnd);
    ui::pump(100);
  }
  TWinSkinMenu* Bar() const { return formSkin ? formSkin->MenuBar() : nullptr; }
  // Screen point inside bar button i.
  POINT ButtonPoint(int i) const {
    const TMenuBtn* b = Bar()->Button(i);
    RECT w{};
    GetWindowRect(wnd, &w);
    return POINT{w.left + (b->Rect().left + b->Rect().right) / 2, w.top + (b->Rect().top + b->Rect().bottom) / 2};
  }
  ManagerReset reset;
  TSkinData skin{nullptr};
  HWND wnd = nullptr;
  TWinSkinForm* formSkin = nullptr;  // the manager's
  UINT_PTR watchdog_ = 0;
};

}  // namespace zembrel::test
