// Pictures of the run's windows: the progress window over the main window during an unpack, and
// the result window of a run with one archive done, one failed and one skipped. Saves BMPs of
// the screen (a Wine virtual desktop) into the folder given first; see job-screenshots.sh.
#include <windows.h>

#include <fstream>
#include <string>

#include "app/frm_main.h"
#include "tests/win/ui/ui_driver.h"

using namespace zembrel;

namespace {

void save_screen(const std::string& path) {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  zfw::WindowDc screen(nullptr);
  zfw::TBitmap shot(w, h, zfw::pf24bit);
  BitBlt(shot.Canvas().Handle(), 0, 0, w, h, screen.get(), 0, 0, SRCCOPY);
  GdiFlush();
  std::ofstream f(path, std::ios::binary);
  const unsigned row = static_cast<unsigned>(shot.RowBytes()), size = 54 + row * static_cast<unsigned>(h);
  unsigned char head[54] = {'B', 'M'};
  auto put = [&](int at, unsigned v) {
    for (int i = 0; i < 4; ++i) head[at + i] = static_cast<unsigned char>(v >> (8 * i));
  };
  put(2, size);
  put(10, 54);
  put(14, 40);
  put(18, static_cast<unsigned>(w));
  put(22, static_cast<unsigned>(-h));
  head[26] = 1;
  head[28] = 24;
  f.write(reinterpret_cast<char*>(head), 54);
  for (int y = 0; y < h; ++y) f.write(reinterpret_cast<char*>(shot.ScanLine(y)), row);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const std::string out = std::string(argv[1]) + "\\";
  zfw::Application().Initialize();
  Tmain_frm* form = zfw::CreateForm<Tmain_frm>(nullptr, std::string(argv[2]) + "\\");
  const char* archives[] = {"D:\\Data\\pack.rar", "D:\\Data\\photos_2019.rar", "D:\\Archive\\books.rar"};
  form->Show();
  ui::pump(800);
  for (const char* a : archives) form->Ltb_rar->Items().Add(a);
  ui::pump(300);

  form->show_progress(2, 3, archives[1], "\xD5\xFD\xD4\xDA\xBD\xE2\xB0\xFC");  // 正在解包
  ui::pump(600);
  save_screen(out + "run_progress.bmp");
  form->end_progress();

  ArchiveResult failed{archives[0], ArchiveState::Failed, Why::UnpackFailed, 11};
  failed.old_password_given = true;
  const std::vector<ArchiveResult> results = {failed, {archives[1], ArchiveState::Done},
                                              {"D:\\Archive\\boks.rar", ArchiveState::Skipped, Why::ArchiveMissing}};
  form->report_results(results, "\xB1\xA8\xB8\xE6\xD2\xD1\xB1\xA3\xB4\xE6\xB5\xBD C:\\Tools\\batch_report.txt");  // 报告已保存到
  ui::pump(800);
  save_screen(out + "run_results.bmp");
  delete form;
  return 0;
}
