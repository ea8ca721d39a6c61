// A window procedure bound to one object: a few bytes of machine code, made per object, that
// call entry(self, msg, wParam, lParam) in place of (hwnd, msg, wParam, lParam). The object knows
// its own window, so the window handle is not needed on the way in. Move-only; the code is freed
// with the thunk, so the thunk must outlive every window procedure it is installed as.
#pragma once

#include <windows.h>

namespace zembrel {

using ThunkEntry = LRESULT (*)(void* self, UINT msg, WPARAM wparam, LPARAM lparam);

class WindowThunk {
 public:
  WindowThunk() = default;
  WindowThunk(void* self, ThunkEntry entry);
  ~WindowThunk();
  WindowThunk(const WindowThunk&) = delete;
  WindowThunk& operator=(const WindowThunk&) = delete;
  WindowThunk(WindowThunk&& other) noexcept;
  WindowThunk& operator=(WindowThunk&& other) noexcept;

  // Null when empty.
  WNDPROC Proc() const { return reinterpret_cast<WNDPROC>(code_); }
  explicit operator bool() const { return code_ != nullptr; }
  void Reset();

 private:
  unsigned char* code_ = nullptr;
};

}  // namespace zembrel
