#include "app/plain_window.h"

#include <commctrl.h>

#include <stdexcept>

namespace zembrel {

namespace {

// The main window's face: 宋体 (SimSun), 12 pixels, GB2312.
HFONT make_font() {
  return CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "\xCB\xCE\xCC\xE5");
}

void register_class(const char* name, WNDPROC procedure) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(GetModuleHandleA(nullptr), name, &existing)) return;
  WNDCLASSEXA c{};
  c.cbSize = sizeof c;
  c.lpfnWndProc = procedure;
  c.hInstance = GetModuleHandleA(nullptr);
  c.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  c.lpszClassName = name;
  if (!RegisterClassExA(&c)) throw std::runtime_error(std::string("cannot register ") + name);
}

}  // namespace

PlainWindow::~PlainWindow() {
  if (alive()) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void PlainWindow::create(const char* window_class, HWND owner, const std::string& caption, int width, int height) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  register_class(window_class, procedure);
  font_ = zfw::OwnedFont(make_font());
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, style, FALSE, WS_EX_DLGMODALFRAME);
  RECT around{};
  if (!owner || !GetWindowRect(owner, &around)) SystemParametersInfoA(SPI_GETWORKAREA, 0, &around, 0);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const int x = around.left + (around.right - around.left - w) / 2, y = around.top + (around.bottom - around.top - h) / 2;
  window_ = CreateWindowExA(WS_EX_DLGMODALFRAME, window_class, caption.c_str(), style, x, y, w, h, owner, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
  if (!window_) throw std::runtime_error(std::string("cannot create ") + window_class);
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

HWND PlainWindow::add(const char* control_class, const std::string& text, DWORD style, int x, int y, int w, int h, int id) {
  HWND control = CreateWindowExA(0, control_class, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, w, h, window_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  if (!control) throw std::runtime_error(std::string("cannot create a ") + control_class);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  return control;
}

LRESULT CALLBACK PlainWindow::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<PlainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self) {
    switch (message) {
      case WM_COMMAND:
        if (HIWORD(wparam) == BN_CLICKED) self->on_command(LOWORD(wparam));
        return 0;
      case WM_CLOSE:
        self->on_close();
        return 0;
      case WM_NCDESTROY:
        self->window_ = nullptr;
        break;
    }
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace zembrel
