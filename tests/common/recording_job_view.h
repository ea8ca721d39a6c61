// Records what a batch run reports to its window.
#pragma once

#include <string>
#include <vector>

#include "app/job_platform.h"

namespace zembrel::testing {

struct RecordingView final : JobView {
  std::vector<std::string> events;
  std::vector<SkippedArchive> skipped;
  void set_go_enabled(bool enabled) override { events.push_back(enabled ? "go on" : "go off"); }
  void report_empty_archive_list() override { events.push_back("empty list"); }
  void report_skipped(const std::vector<SkippedArchive>& s) override {
    events.push_back("skipped");
    skipped = s;
  }
};

}  // namespace zembrel::testing
