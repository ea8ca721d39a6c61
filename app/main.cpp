// The program: the application, its main window, and the message loop until it closes.
#include <windows.h>

#include "app/frm_main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    zfw::Application().Initialize();
    zfw::Application().CreateForm<zembrel::Tmain_frm>();
    zfw::Application().Run();
  } catch (const std::exception& e) {
    MessageBoxA(nullptr, e.what(), "Zembrel", MB_OK | MB_ICONERROR);
    return 1;
  }
  return 0;
}
