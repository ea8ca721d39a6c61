// Compiled for GBK: the texts below reach the platform as GBK bytes.
#include "app/result_window.h"

#include <commctrl.h>

namespace zembrel {

namespace {

void add_column(HWND list, int index, const char* title, int width) {
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = const_cast<char*>(title);
  column.cx = width;
  SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

void set_cell(HWND list, int row, int column, const std::string& text) {
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  SendMessageA(list, column == 0 ? LVM_INSERTITEMA : LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

}  // namespace

ResultWindow::ResultWindow(HWND owner, const std::vector<ArchiveResult>& results, const std::string& report_note) {
  create("ZembrelResults", owner, "处理结果", 720, 400);
  list_ = add(WC_LISTVIEWA, "", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_BORDER | WS_TABSTOP,
              12, 12, 696, 304);
  SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  add_column(list_, 0, "压缩包", 300);
  add_column(list_, 1, "结果", 50);
  add_column(list_, 2, "原因", 342);
  SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
  for (size_t i = 0; i < results.size(); ++i) {
    const int row = static_cast<int>(i);
    set_cell(list_, row, 0, results[i].archive);
    set_cell(list_, row, 1, state_text(results[i].state));
    set_cell(list_, row, 2, reason_text(results[i]));
  }
  SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
  totals_ = add("STATIC", totals_text(results), SS_LEFT | SS_NOPREFIX, 12, 324, 600, 14);
  add("STATIC", report_note, SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS, 12, 344, 600, 14);
  add("BUTTON", "确定", BS_DEFPUSHBUTTON | WS_TABSTOP, 633, 364, 75, 25, IDOK);
  ShowWindow(handle(), SW_SHOWNORMAL);
}

std::vector<std::string> ResultWindow::row(int index) const {
  std::vector<std::string> cells;
  for (int column = 0; column < 3; ++column) {
    char text[1024] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list_, LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    cells.emplace_back(text);
  }
  return cells;
}

void ResultWindow::on_command(int id) {
  if (id == IDOK) DestroyWindow(handle());
}

}  // namespace zembrel
