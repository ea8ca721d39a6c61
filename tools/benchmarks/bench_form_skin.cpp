// The form skin's costs on the program's own skin, printed side by side: one frame paint of a
// 720 x 540 window, one region build for that frame, and a soak of 10,000 frame paints and 1,000
// resizes with the process's memory and GDI object count before and after. No figure is judged
// here; the numbers are for reading.
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "framework/description.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"
#include "skin/frame/skin_messages.h"

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

}  // namespace

int main() {
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
  std::printf("private memory before / after:    %8zu / %zu KiB\n", before.privateBytes / 1024, after.privateBytes / 1024);
  std::printf("GDI objects before / after:       %8lu / %lu\n", static_cast<unsigned long>(before.gdiObjects),
              static_cast<unsigned long>(after.gdiObjects));
  DestroyWindow(wnd);
  delete form;
  return 0;
}
