// Real input for the control-skin tests: mouse and keys through SendInput, the pointer put with
// SetCursorPos first (Wine takes a button's position from the X pointer). Input that starts a
// modal loop (the system's scroll tracking) must come from another thread, so every gesture runs
// on one while the test's thread keeps pumping messages.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "framework/forms.h"
#include "tests/win/ui/ui_driver.h"

namespace zembrel::test {

inline void mouse_button(DWORD flag) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flag;
  SendInput(1, &in, sizeof in);
}

inline void move_to(POINT p) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
  SetCursorPos(p.x, p.y);
}

inline void key(WORD vk) {
  INPUT in[2]{};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = vk;
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof in[0]);
}

// Handles messages as the program's loop does (keys reach the framework's dialog-key handling)
// until done() holds or the deadline passes.
inline bool app_pump_until(const std::function<bool()>& done, int timeout_ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!done() && std::chrono::steady_clock::now() < end) {
    zfw::Application().ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return done();
}

// Runs gesture on a thread of its own and pumps this thread's messages until it is done.
inline void gesture(const std::function<void()>& steps) {
  std::atomic<bool> done{false};
  std::thread input([&] {
    steps();
    done = true;
  });
  app_pump_until([&] { return done.load(); }, 20000);
  input.join();
  app_pump_until([] { return false; }, 150);
}

inline void pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// A point of a window's client area on the screen.
inline POINT on_screen(HWND w, int x, int y) {
  POINT p{x, y};
  ClientToScreen(w, &p);
  return p;
}

inline void click_at(POINT p) {
  move_to(p);
  pause(80);
  mouse_button(MOUSEEVENTF_LEFTDOWN);
  pause(80);
  mouse_button(MOUSEEVENTF_LEFTUP);
  pause(80);
}

// What the window shows at a client point.
inline COLORREF shown(HWND w, int x, int y) {
  HDC dc = GetDC(w);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(w, dc);
  return c;
}

}  // namespace zembrel::test
