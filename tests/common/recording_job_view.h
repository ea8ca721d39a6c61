// Records what a batch run reports to its window.
#pragma once

#include <string>
#include <vector>

#include "app/job_platform.h"

namespace zembrel::testing {

struct RecordingView final : JobView {
  std::vector<std::string> events;
  std::vector<std::string> stops;  // the texts of report_stopped
  std::vector<ArchiveResult> results;
  std::string report_note;
  int cancel_after = -1;  // cancel_requested answers yes once this many archives were shown

  void set_go_enabled(bool enabled) override { events.push_back(enabled ? "go on" : "go off"); }
  void report_empty_archive_list() override { events.push_back("empty list"); }
  void report_stopped(const std::string& text) override {
    events.push_back("stopped");
    stops.push_back(text);
  }
  void show_progress(int index, int, const std::string&, const std::string&) override { shown_ = index; }
  void end_progress() override {}
  bool cancel_requested() override { return cancel_after >= 0 && shown_ >= cancel_after; }
  void report_results(const std::vector<ArchiveResult>& r, const std::string& note) override {
    events.push_back("results");
    results = r;
    report_note = note;
  }

  // The rows in a given state.
  std::vector<ArchiveResult> rows(ArchiveState state) const {
    std::vector<ArchiveResult> out;
    for (const auto& r : results)
      if (r.state == state) out.push_back(r);
    return out;
  }

 private:
  int shown_ = 0;
};

}  // namespace zembrel::testing
