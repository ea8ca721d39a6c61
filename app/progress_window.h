// The progress window of a run: archive i of n, its name and the step, a progress bar, and
// "取消", which asks the run to stop after the current archive. While it is shown its owner
// takes no input, so nothing else can start meanwhile.
#pragma once

#include <string>

#include "app/plain_window.h"

namespace zembrel {

class ProgressWindow final : public PlainWindow {
 public:
  explicit ProgressWindow(HWND owner);
  ~ProgressWindow() override;

  void show(int index, int count, const std::string& archive, const std::string& step);
  bool cancel_requested() const { return cancelled_; }

  static constexpr int kCancelId = IDCANCEL;

 private:
  void on_command(int id) override;
  void on_close() override { on_command(kCancelId); }

  HWND owner_;
  HWND counter_ = nullptr, archive_ = nullptr, step_ = nullptr, bar_ = nullptr, cancel_ = nullptr;
  bool cancelled_ = false;
  ULONGLONG shown_at_ = 0;
  std::string shown_step_;
};

}  // namespace zembrel
