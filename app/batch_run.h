// One run of the batch job: in-place mode writes the archiver's commands against each archive;
// repack mode unpacks each archive now, adjusts the unpacked files, and writes commands that
// pack them into a new archive in the finish folder. The script is then handed to the shell,
// and once it has ended every archive is checked with the archiver and the results reported.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/job_platform.h"
#include "app/job_settings.h"
#include "app/run_check.h"

namespace zembrel {

inline constexpr const char kScriptName[] = "batch.bat";
inline constexpr const char kReportName[] = "batch_report.txt";

class BatchJob {
 public:
  BatchJob(JobFields& fields, JobPlatform& platform, JobView& view);
  ~BatchJob();
  BatchJob(const BatchJob&) = delete;
  BatchJob& operator=(const BatchJob&) = delete;

  // The start command. Refused with a message while the previous run's script still runs or
  // its results are being checked.
  void go();
  // A launched script whose results have not been reported yet.
  bool busy() const { return launched_ != nullptr || checking_; }
  // Called from a timer while busy: once the script has ended, checks every archive it
  // changed, removes the run's work folders, writes the report and shows the results.
  void poll();
  // At program end: the script is deleted unless it still runs.
  void remove_script_unless_running();

 private:
  struct Launched;
  void finish(const std::vector<ArchiveResult>& results);

  JobFields& f_;
  JobPlatform& p_;
  JobView& v_;
  std::unique_ptr<Launched> launched_;
  bool checking_ = false;
};

// Appends the full path of every file below folder (ending in a backslash) whose name matches,
// depth first in listing order; links are not followed. Returns the number appended.
int find_named_files(JobPlatform& platform, const std::string& folder, const std::string& name, TextList& target);

// Deletes the script if it exists.
void remove_script(JobPlatform& platform);

}  // namespace zembrel
