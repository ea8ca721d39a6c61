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
  bool is_file(const std::string& path) const override;
  std::string full_path(const std::string& path) const override;
  void delete_file(const std::string& path) override;
  bool make_folder(const std::string& path) override;
  void remove_tree(const std::string& folder) override;
  std::unique_ptr<ScriptFile> create_text(const std::string& path) override;
  std::optional<std::string> read_file(const std::string& path) override;
  ProcessResult run_and_wait(const std::string& command_line, const std::string& current_folder,
                             bool capture_output) override;
  void copy_file(const std::string& from, const std::string& to) override;
  void set_normal_attributes(const std::string& path) override;
  std::vector<FolderEntry> list_folder(const std::string& folder) override;
  std::unique_ptr<ScriptProcess> launch(const std::string& script) override;
  std::string scratch_file(const std::string& name) const override;

  void set_owner(HWND owner) { owner_ = owner; }

 private:
  HWND owner_;
  std::string folder_;
};

}  // namespace zembrel
