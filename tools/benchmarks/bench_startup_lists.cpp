// Start-up with 100,000 entries in each stored list: the time from creating the main window
// (which loads addfilename.txt and delfilename.txt) until it is shown and idle. Reference: 2 s.
// Run it with tools/wine-run.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "app/frm_main.h"

namespace {

using Clock = std::chrono::steady_clock;

void write_list(const std::string& path, const std::string& stem, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += stem + std::to_string(i) + ".txt\r\n";
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD wrote = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &wrote, nullptr);
  CloseHandle(file);
}

void pump_until_idle() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace

int main() {
  constexpr int kEntries = 100000;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "zembrel-bench-start\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  write_list(folder + "addfilename.txt", "C:\\Docs\\to add\\file", kEntries);
  write_list(folder + "delfilename.txt", "unwanted", kEntries);

  zfw::Application().Initialize();
  const auto start = Clock::now();
  auto* form = zfw::CreateForm<zembrel::Tmain_frm>(nullptr, folder);
  form->Show();
  UpdateWindow(form->Handle());
  pump_until_idle();
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("start-up with %d entries in each list file: %.2f s (reference: at most 2 s); lists hold %d and %d\n",
              kEntries, seconds, form->Ltb_add->Items().Count(), form->Ltb_del->Items().Count());
  delete form;
  for (const char* f : {"addfilename.txt", "delfilename.txt"}) DeleteFileA((folder + f).c_str());
  RemoveDirectoryA((folder + "finish").c_str());
  RemoveDirectoryA(folder.c_str());
  return 0;
}
