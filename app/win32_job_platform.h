// The batch run's platform on Windows: kernel32 files and processes, the shell for the launch.
#pragma once

#include <windows.h>

#include "app/job_platform.h"

namespace zembrel {

// The folder of the running executable, with a trailing backslash.
std::string executable_folder();

class Win32JobPlatform final : public JobPlatform {
 public:
  // owner: the window that owns the shell launch; folder: where batch.bat and finish\ live.
  Win32JobPlatform(HWND owner, std::string folder) : owner_(owner), folder_(std::move(folder)) {}

  std::string exe_folder() const override { return folder_; }
  bool exists(const std::string& path) const override;
  std::string full_path(const std::string& path) const override;
  void delete_file(const std::string& path) override;
  void create_empty(const std::string& path) override;
  std::unique_ptr<ScriptFile> open_append(const std::string& path) override;
  void run_and_wait(const std::string& command_line, const std::string& current_folder) override;
  void copy_file(const std::string& from, const std::string& to) override;
  void set_normal_attributes(const std::string& path) override;
  std::vector<FolderEntry> list_folder(const std::string& folder) override;
  void launch(const std::string& script) override;

 private:
  HWND owner_;
  std::string folder_;
};

}  // namespace zembrel
