// Compiled for GBK: the texts below reach the platform as GBK bytes.
#include "app/progress_window.h"

#include <commctrl.h>

namespace zembrel {

namespace {
constexpr char kCancelling[] = "正在取消：当前压缩包处理完后停止";
}  // namespace

ProgressWindow::ProgressWindow(HWND owner) : owner_(owner) {
  create("ZembrelProgress", owner, "正在处理压缩包", 420, 132);
  counter_ = add("STATIC", "", SS_LEFT, 12, 12, 396, 14);
  archive_ = add("STATIC", "", SS_LEFT | SS_PATHELLIPSIS | SS_NOPREFIX, 12, 32, 396, 14);
  step_ = add("STATIC", "", SS_LEFT, 12, 52, 396, 14);
  bar_ = add(PROGRESS_CLASSA, "", PBS_SMOOTH, 12, 72, 396, 16);
  cancel_ = add("BUTTON", "取消", BS_PUSHBUTTON | WS_TABSTOP, 333, 98, 75, 25, kCancelId);
  if (owner_) EnableWindow(owner_, FALSE);
  ShowWindow(handle(), SW_SHOWNORMAL);
  UpdateWindow(handle());
}

ProgressWindow::~ProgressWindow() {
  // The owner takes input again before this window goes, so the activation returns to it.
  if (owner_) EnableWindow(owner_, TRUE);
}

void ProgressWindow::show(int index, int count, const std::string& archive, const std::string& step) {
  // Quick steps (writing the lines of thousands of archives in place) update it a few times a
  // second, not once per archive.
  const ULONGLONG now = GetTickCount64();
  if (now - shown_at_ < 100 && step == shown_step_ && index != count) return;
  shown_at_ = now;
  shown_step_ = step;
  const std::string counter = "第 " + std::to_string(index) + " 个，共 " + std::to_string(count) + " 个压缩包";
  SetWindowTextA(counter_, counter.c_str());
  SetWindowTextA(archive_, archive.c_str());
  SetWindowTextA(step_, cancelled_ ? kCancelling : step.c_str());
  SendMessageA(bar_, PBM_SETRANGE32, 0, count);
  SendMessageA(bar_, PBM_SETPOS, static_cast<WPARAM>(index > 0 ? index - 1 : 0), 0);
}

void ProgressWindow::on_command(int id) {
  if (id != kCancelId || cancelled_) return;
  cancelled_ = true;
  EnableWindow(cancel_, FALSE);
  SetWindowTextA(step_, kCancelling);
}

}  // namespace zembrel
