// A top-level window of plain Win32 standard controls, owned by another window. The skin
// engine sees it like any other top-level window of the program.
#pragma once

#include <windows.h>

#include <string>

#include "framework/handles.h"

namespace zembrel {

class PlainWindow {
 public:
  PlainWindow(const PlainWindow&) = delete;
  PlainWindow& operator=(const PlainWindow&) = delete;
  virtual ~PlainWindow();

  HWND handle() const { return window_; }
  bool alive() const { return window_ != nullptr && IsWindow(window_); }

 protected:
  PlainWindow() = default;
  // Creates the window (client size width x height, centred on the owner) with the caption.
  void create(const char* window_class, HWND owner, const std::string& caption, int width, int height);
  // A child control with the program's font; id is what WM_COMMAND reports.
  HWND add(const char* control_class, const std::string& text, DWORD style, int x, int y, int w, int h, int id = 0);

  virtual void on_command(int /*id*/) {}
  // The close box: the default destroys the window.
  virtual void on_close() { DestroyWindow(window_); }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  HWND window_ = nullptr;
  zfw::OwnedFont font_;
};

}  // namespace zembrel
