// Driving real windows from a test: pumping messages with a deadline, and answering the modal
// windows (open dialogs, message boxes, message forms) that a command opens, from a timer that
// runs inside their modal loops.
#pragma once

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace zembrel::ui {

// Handles messages until done() holds or the deadline passes; returns done().
inline bool pump_until(const std::function<bool()>& done, int timeout_ms = 5000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

inline void pump(int ms) {
  pump_until([] { return false; }, ms);
}

// The pointer put at a screen point as a user's move there: SetCursorPos places Wine's pointer
// (and warps the X server's), SendInput makes the move an input event the window sees.
inline void move_pointer(POINT screen, int settle_ms = 20) {
  SetCursorPos(screen.x, screen.y);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = MOUSEEVENTF_MOVE;
  SendInput(1, &in, sizeof in);
  pump(settle_ms);
}

inline std::string class_of(HWND w) {
  char name[128] = {};
  GetClassNameA(w, name, sizeof name);
  return name;
}

inline std::string text_of(HWND w) {
  char text[4096] = {};
  GetWindowTextA(w, text, sizeof text);
  return text;
}

// The visible top-level window of this thread of the given class, other than skip.
inline HWND find_top(const std::string& cls) {
  struct Find {
    std::string cls;
    HWND found;
  } f{cls, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM lp) -> BOOL {
        auto* f = reinterpret_cast<Find*>(lp);
        if (IsWindowVisible(w) && class_of(w) == f->cls) {
          f->found = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&f));
  return f.found;
}

// Every time a window of class cls appears, answer(window) runs once for it, from a timer; the
// answers are taken in order, one per appearance.
class Answerer {
 public:
  using Answer = std::function<void(HWND)>;
  explicit Answerer(std::string cls, std::vector<Answer> answers) : cls_(std::move(cls)), answers_(std::move(answers)) {
    timer_ = SetTimer(nullptr, 0, 60, tick);
    active().push_back(this);
  }
  ~Answerer() {
    KillTimer(nullptr, timer_);
    auto& a = active();
    a.erase(std::remove(a.begin(), a.end(), this), a.end());
  }
  Answerer(const Answerer&) = delete;
  Answerer& operator=(const Answerer&) = delete;
  int answered() const { return answered_; }
  const std::vector<std::string>& texts() const { return texts_; }

 private:
  static std::vector<Answerer*>& active() {
    static std::vector<Answerer*> a;
    return a;
  }
  static void CALLBACK tick(HWND, UINT, UINT_PTR id, DWORD) {
    Answerer* a = nullptr;
    for (Answerer* x : active())
      if (x->timer_ == id) a = x;
    if (!a || a->busy_) return;
    HWND w = find_top(a->cls_);
    if (!w || w == a->last_) return;
    a->last_ = w;
    a->busy_ = true;
    // Remember the texts of the window's static controls (a message box's text).
    std::string all = text_of(w);
    for (HWND c = GetWindow(w, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) all += "|" + text_of(c);
    a->texts_.push_back(all);
    if (a->answered_ < static_cast<int>(a->answers_.size())) a->answers_[static_cast<size_t>(a->answered_)](w);
    ++a->answered_;
    a->busy_ = false;
  }
  std::string cls_;
  std::vector<Answer> answers_;
  UINT_PTR timer_ = 0;
  HWND last_ = nullptr;
  int answered_ = 0;
  bool busy_ = false;
  std::vector<std::string> texts_;
};

// Answers of the system's open dialog: type names into its file name box and confirm, or cancel.
// folder: typed first, so that the dialog goes there; names: then typed and confirmed.
inline Answerer::Answer choose_files(std::string folder, std::string names) {
  return [folder, names](HWND dialog) {
    HWND edit = GetDlgItem(dialog, 0x480);  // edt1
    if (!edit) {
      HWND combo = GetDlgItem(dialog, 0x47C);  // cmb13
      edit = combo ? FindWindowExA(combo, nullptr, "Edit", nullptr) : nullptr;
      if (!edit) edit = combo;
    }
    SetWindowTextA(edit, folder.c_str());
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    SetWindowTextA(edit, names.c_str());
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  };
}
inline Answerer::Answer cancel_dialog() {
  return [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); };
}
inline Answerer::Answer press_key(WORD key) {
  return [key](HWND w) {
    SetForegroundWindow(w);
    HWND focus = GetFocus();
    PostMessageA(focus ? focus : w, WM_KEYDOWN, key, 0);
    PostMessageA(focus ? focus : w, WM_KEYUP, key, 0xC0000000);
  };
}

}  // namespace zembrel::ui
