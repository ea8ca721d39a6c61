// Real input for the menu tests (SendInput, with the pointer put by SetCursorPos as Wine needs),
// and a script of steps run from a timer, so that steps also run inside the modal loops of
// menus that the input opens.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

namespace zembrel::test {

inline void Key(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &in, sizeof in);
}
inline void Press(WORD vk) {
  Key(vk, false);
  Key(vk, true);
}
inline void AltPlus(WORD vk) {
  Key(VK_MENU, false);
  Press(vk);
  Key(VK_MENU, true);
}
inline void ClickAt(POINT screen, bool right = false) {
  SetCursorPos(screen.x, screen.y);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  SendInput(1, &in, sizeof in);
  in.mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  SendInput(1, &in, sizeof in);
}

// Steps run one by one from a timer, also inside the modal loops of the drop-downs.
class Script {
 public:
  explicit Script(std::vector<std::function<void()>> steps) : steps_(std::move(steps)) {
    current() = this;
    timer_ = SetTimer(nullptr, 0, 350, [](HWND, UINT, UINT_PTR, DWORD) { current()->Next(); });
  }
  ~Script() {
    KillTimer(nullptr, timer_);
    current() = nullptr;
  }
  bool Done() const { return next_ >= steps_.size(); }

 private:
  static Script*& current() {
    static Script* s = nullptr;
    return s;
  }
  void Next() {
    // A menu left open after the last step (input that went astray) would hold the test in its
    // modal loop for good: it is ended, and the test's checks say what went wrong.
    if (Done() && ++idle_ > 3) EndMenu();
    if (Done() || busy_) return;
    busy_ = true;
    steps_[next_++]();
    busy_ = false;
  }
  std::vector<std::function<void()>> steps_;
  size_t next_ = 0;
  int idle_ = 0;
  UINT_PTR timer_ = 0;
  bool busy_ = false;
};

}  // namespace zembrel::test
