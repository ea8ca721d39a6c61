// Painting cost of the skin: a full repaint of the main window (frame and every control) without
// and with the skin, their ratio, and one paint of a scroll-bar overlay. Run it with tools/wine-run
// inside a display (tools/with-display.sh).
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "app/frm_main.h"
#include "skin/controls/skin_scrollbar_control.h"
#include "skin/controls/skin_scrollbar_paint.h"
#include "skin/frame/skin_messages.h"
#include "tests/win/ui/ui_driver.h"

namespace {

using namespace zembrel;
using Clock = std::chrono::steady_clock;

// Microseconds per full repaint of the window, painted at once (no queued messages run).
double repaint_us(HWND wnd, int rounds) {
  const auto start = Clock::now();
  for (int i = 0; i < rounds; ++i)
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / rounds;
}

}  // namespace

int main() {
  zfw::Application().Initialize();
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  auto* form = zfw::CreateForm<Tmain_frm>(nullptr, std::string(temp));
  form->Show();
  // The form skin starts from a posted message: until it runs, the window has the system look.
  const double plain = repaint_us(form->Handle(), 50);
  ui::pump_until([&] { return SendMessageA(form->btn_go->Handle(), SKM_QUERY, 0, 0) == 1; }, 10000);
  ui::pump(300);
  const bool skinned = SendMessageA(form->btn_go->Handle(), SKM_QUERY, 0, 0) == 1;
  const double with_skin = repaint_us(form->Handle(), 50);
  std::printf("main window full repaint: system look %.0f us, skinned %.0f us, ratio %.2f%s\n", plain, with_skin,
              with_skin / plain, skinned ? "" : " (the skin never started)");

  for (int i = 0; i < 40; ++i) form->Ltb_rar->Items().Add("archive " + std::to_string(i));
  ui::pump(300);
  HWND overlay = nullptr;
  for (HWND w = GetTopWindow(GetParent(form->Ltb_rar->Handle())); w; w = GetWindow(w, GW_HWNDNEXT))
    if (ui::class_of(w) == "TWScrollbar" && IsWindowVisible(w)) overlay = w;
  if (overlay) {
    // The paint function alone, into a bitmap of the overlay's size.
    RECT client{};
    GetClientRect(overlay, &client);
    zfw::TBitmap target(client.right, client.bottom, zfw::pf24bit);
    ScrollBarLook look;
    look.vertical = true;
    look.geometry = ScrollGeometry{client.bottom, GetSystemMetrics(SM_CXHSCROLL), 40, 90};
    const int paints = 500;
    const auto off = Clock::now();
    for (int i = 0; i < paints; ++i) PaintScrollBar(target.Canvas().Handle(), client, *form->SkinData1, look);
    std::printf("scroll-bar paint function into a bitmap: %.1f us\n",
                std::chrono::duration<double, std::micro>(Clock::now() - off).count() / paints);
    const int rounds = 500;
    const auto start = Clock::now();
    for (int i = 0; i < rounds; ++i) {
      InvalidateRect(overlay, nullptr, FALSE);
      UpdateWindow(overlay);
    }
    std::printf("scroll-bar overlay paint: %.1f us\n",
                std::chrono::duration<double, std::micro>(Clock::now() - start).count() / rounds);
  } else {
    std::printf("scroll-bar overlay paint: no overlay on the list\n");
  }
  delete form;
  return 0;
}
