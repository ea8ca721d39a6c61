// Real pointer input injected at the X server through its XTest extension (by xdotool), for what
// SendInput cannot drive under Wine: a button held down across the system's own move and size
// loops, which read the pointer and its buttons from the X server.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/win/ui/ui_driver.h"

namespace zembrel::ui {

// Runs `xdotool <args>` in the background and handles messages (and so any modal loop the input
// opens) until it has finished. Wine cannot wait on a Unix process, so the shell leaves xdotool's
// exit code in a file. Returns true when xdotool ran and succeeded.
inline bool x_input(const std::string& args, int timeout_ms = 15000) {
  static int serial = 0;
  const std::string mark = "/tmp/zembrel-xinput-" + std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(++serial);
  std::string windowsMark = "Z:" + mark;
  for (char& c : windowsMark)
    if (c == '/') c = '\\';
  DeleteFileA(windowsMark.c_str());
  std::string cmd = "Z:\\bin\\sh -c \"xdotool " + args + "; echo $? > " + mark + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  auto finished = [&] { return GetFileAttributesA(windowsMark.c_str()) != INVALID_FILE_ATTRIBUTES; };
  if (!pump_until(finished, timeout_ms)) return false;
  pump(100);  // the shell may still be writing the code
  int code = -1;
  if (FILE* f = std::fopen(windowsMark.c_str(), "r")) {
    if (std::fscanf(f, "%d", &code) != 1) code = -1;
    std::fclose(f);
  }
  DeleteFileA(windowsMark.c_str());
  return code == 0;
}

// A press at `from`, a move in steps to `to`, and a release there, with pauses a user would leave.
inline bool x_drag(POINT from, POINT to) {
  const int midX = (from.x + to.x) / 2, midY = (from.y + to.y) / 2;
  return x_input("mousemove " + std::to_string(from.x) + " " + std::to_string(from.y) +
                 " sleep 0.3 mousedown 1 sleep 0.3 mousemove " + std::to_string(midX) + " " + std::to_string(midY) +
                 " sleep 0.2 mousemove " + std::to_string(to.x) + " " + std::to_string(to.y) + " sleep 0.3 mouseup 1");
}

inline bool x_double_click(POINT at) {
  return x_input("mousemove " + std::to_string(at.x) + " " + std::to_string(at.y) +
                 " sleep 0.3 click --repeat 2 --delay 80 1");
}

}  // namespace zembrel::ui
