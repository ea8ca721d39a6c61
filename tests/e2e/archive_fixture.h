// Real archives for end-to-end tests: a scratch folder, archives made and inspected with the
// real archiver through the rar bridge, and a wait for the scripts the job launched.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "app/job_platform.h"
#include "tests/common/recording_job_view.h"

namespace zembrel::e2e {

// The rar bridge as a Windows path: what a user would enter as the archiver.
std::string archiver_path();

// A fresh folder under the temporary folder, removed with everything in it at the end.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  // The folder's path with a trailing backslash.
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& relative) const { return path_ + relative; }

 private:
  std::string path_;
};

void make_folder(const std::string& path);  // with every missing parent
void write_text(const std::string& path, const std::string& text);
std::string read_text(const std::string& path);
bool path_exists(const std::string& path);

struct RarResult {
  DWORD exit_code = 0xFFFFFFFF;
  std::string output;
};

// Runs the archiver with these arguments (already quoted as needed) in folder, capturing output.
RarResult run_rar(const std::string& arguments, const std::string& folder = "");

// Makes archive from the given files (relative name -> content), optionally with a password.
void make_archive(const std::string& archive, const std::map<std::string, std::string>& files,
                  const std::string& password = "");

// The archive's entries: files and folders with '/' separators, sorted.
std::vector<std::string> archive_entries(const std::string& archive);
std::string archive_comment(const std::string& archive);
bool archive_locked(const std::string& archive);
// Tests every file with the password: true when all check out.
bool archive_opens_with(const std::string& archive, const std::string& password);

// Waits until the command interpreters this process started have ended.
bool wait_for_launched_scripts(DWORD timeout_ms = 180000);

using testing::RecordingView;


}  // namespace zembrel::e2e
