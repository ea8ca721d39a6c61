// The result window of a run: one row per listed archive — done, failed or skipped, with the
// reason — a line of totals, and where the written report is.
#pragma once

#include <vector>

#include "app/plain_window.h"
#include "app/run_result.h"

namespace zembrel {

class ResultWindow final : public PlainWindow {
 public:
  ResultWindow(HWND owner, const std::vector<ArchiveResult>& results, const std::string& report_note);

  HWND list() const { return list_; }
  HWND totals() const { return totals_; }
  // The texts of a row's cells (archive, result, reason), as the list shows them.
  std::vector<std::string> row(int index) const;

 private:
  void on_command(int id) override;
  HWND list_ = nullptr, totals_ = nullptr;
};

}  // namespace zembrel
