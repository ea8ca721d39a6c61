// The form skin's costs on the program's own skin, printed side by side: the program's start to
// its main window's first complete paint with the skin on and off (each start a fresh process of
// this program in child mode, the median of several), one frame paint of a 720 x 540 window, one
// region build for that frame, and a soak of 10,000 frame paints and 1,000 resizes with the
// process's memory and GDI object count before and after. No figure is judged here; the numbers
// are for reading. Run it with tools/wine-run.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/frm_main.h"
#include "framework/description.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"
#include "skin/frame/skin_messages.h"
#include "skin/manager/skin_manager.h"

using namespace zembrel;
using Clock = std::chrono::steady_clock;

namespace {

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

struct Usage {
  size_t privateBytes = 0;
  DWORD gdiObjects = 0;
};
Usage Measure() {
  PROCESS_MEMORY_COUNTERS_EX pmc{};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc), sizeof pmc);
  return Usage{pmc.PrivateUsage, GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)};
}

template <class F>
double MicrosecondsEach(int times, F&& f) {
  const auto start = Clock::now();
  for (int i = 0; i < times; ++i) f(i);
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / times;
}

// ---- start-up, skin on and off ----

ULONGLONG Now100ns() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  return (ULONGLONG(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

ULONGLONG ProcessCreated100ns() {
  FILETIME created{}, exited{}, kernel{}, user{};
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  return (ULONGLONG(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

std::string ScratchFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  for (unsigned n = GetTickCount();; ++n) {
    const std::string path = std::string(temp) + "zembrel_bench_start_" + std::to_string(n) + "\\";
    if (CreateDirectoryA(path.c_str(), nullptr)) return path;
  }
}

// Child mode: starts the main window, skinned or not, and returns the microseconds from the
// process's creation to its first complete paint (0 when it did not get there within 20 s).
DWORD StartOnce(bool skinOn) {
  const std::string folder = ScratchFolder();
  zfw::Application().Initialize();
  auto* form = zfw::CreateForm<zembrel::Tmain_frm>(nullptr, folder);
  if (!skinOn) form->SkinData1->SetActive(false);  // before the window exists: it is never skinned
  form->Show();
  auto complete = [&] {
    if (!IsWindowVisible(form->Handle())) return false;
    if (skinOn) {
      zembrel::TWinSkinForm* skin = zembrel::SkinManager ? zembrel::SkinManager->FindFormSkin(form->Handle()) : nullptr;
      if (!skin || skin->State() != zembrel::kFormRunning) return false;
    }
    return (HIWORD(GetQueueStatus(QS_PAINT | QS_POSTMESSAGE | QS_SENDMESSAGE))) == 0;
  };
  const ULONGLONG deadline = Now100ns() + 20ull * 10'000'000;
  bool done = false;
  while (!(done = complete()) && Now100ns() < deadline) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (!complete()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  }
  const ULONGLONG elapsed = Now100ns() - ProcessCreated100ns();
  delete form;
  RemoveDirectoryA((folder + "finish").c_str());
  RemoveDirectoryA(folder.c_str());
  return done ? static_cast<DWORD>(elapsed / 10) : 0;
}

// Parent mode: one child start; its microseconds, or 0 when it failed.
DWORD RunChild(bool skinOn) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string cmd = std::string("\"") + self + "\" --child " + (skinOn ? "on" : "off");
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 0;
  CloseHandle(pi.hThread);
  DWORD code = 0;
  if (WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hProcess);
  return code;
}

double MedianMs(std::vector<DWORD> us) {
  std::sort(us.begin(), us.end());
  return us[us.size() / 2] / 1000.0;
}

void PrintStartup() {
  constexpr int kStarts = 5;
  RunChild(true);  // the first start pays for loading the system's libraries
  std::vector<DWORD> on, off;
  for (int i = 0; i < kStarts; ++i) {
    for (bool skinOn : {true, false}) {
      const DWORD us = RunChild(skinOn);
      if (us == 0) {
        std::printf("start-up: a start with the skin %s did not reach its first complete paint\n", skinOn ? "on" : "off");
        return;
      }
      (skinOn ? on : off).push_back(us);
    }
  }
  const double msOn = MedianMs(on), msOff = MedianMs(off);
  std::printf("start to first complete paint, skin on:  %8.1f ms (median of %d)\n", msOn, kStarts);
  std::printf("start to first complete paint, skin off: %8.1f ms (median of %d)\n", msOff, kStarts);
  std::printf("start-up ratio on / off:          %8.2f\n", msOn / msOff);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--child") == 0) return static_cast<int>(StartOnce(std::strcmp(argv[2], "on") == 0));
  PrintStartup();

  TSkinData data(nullptr);
  const std::string packed = zfw::ResourceText("ZEMBREL_SKIN");
  std::vector<uint8_t> stored(4 + packed.size());
  const int32_t length = static_cast<int32_t>(packed.size());
  memcpy(stored.data(), &length, 4);
  memcpy(stored.data() + 4, packed.data(), packed.size());
  data.ReadSkinStream(stored);
  if (data.Loading()) {
    std::printf("the program's skin did not load\n");
    return 1;
  }

  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = "ZBenchFrame";
  RegisterClassA(&wc);
  HWND wnd = CreateWindowExA(0, "ZBenchFrame", "Zembrel frame benchmark", WS_OVERLAPPEDWINDOW, 20, 20, 720, 540, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
  ShowWindow(wnd, SW_SHOWNORMAL);
  Pump();
  auto* form = new TWinSkinForm(nullptr);
  form->SetWindow(wnd, "ZBenchFrame", 0);
  form->AttachWindow(&data);
  SendMessageA(wnd, SKM_INIT, 0, 1000);
  SetWindowPos(wnd, nullptr, 0, 0, 720, 540, SWP_NOMOVE | SWP_NOZORDER);
  Pump();

  const double paint = MicrosecondsEach(500, [&](int) { form->PaintFrame(nullptr); });
  const double region = MicrosecondsEach(200, [&](int) {
    form->DropRegion();
    form->UpdateRegion();
  });
  std::printf("frame paint, 720 x 540:           %8.1f us\n", paint);
  std::printf("region build, 720 x 540 frame:    %8.1f us\n", region);

  const Usage before = Measure();
  const auto soakStart = Clock::now();
  for (int i = 0; i < 10000; ++i) {
    form->PaintFrame(nullptr);
    if (i % 500 == 0) Pump();
  }
  for (int i = 0; i < 1000; ++i) {
    SetWindowPos(wnd, nullptr, 0, 0, 600 + i % 200, 400 + i % 150, SWP_NOMOVE | SWP_NOZORDER);
    if (i % 50 == 0) Pump();
  }
  Pump();
  const double soakSeconds = std::chrono::duration<double>(Clock::now() - soakStart).count();
  const Usage after = Measure();
  std::printf("soak, 10000 paints + 1000 resizes: %7.2f s\n", soakSeconds);
  // Wine reports neither figure and leaves them 0; they are printed as not reported then.
  if (before.privateBytes == 0 && after.privateBytes == 0)
    std::printf("private memory before / after:    not reported by this platform\n");
  else
    std::printf("private memory before / after:    %8zu / %zu KiB\n", before.privateBytes / 1024, after.privateBytes / 1024);
  if (before.gdiObjects == 0 && after.gdiObjects == 0)
    std::printf("GDI objects before / after:       not reported by this platform\n");
  else
    std::printf("GDI objects before / after:       %8lu / %lu\n", static_cast<unsigned long>(before.gdiObjects),
                static_cast<unsigned long>(after.gdiObjects));
  DestroyWindow(wnd);
  delete form;
  return 0;
}
