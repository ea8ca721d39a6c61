// What the batch run needs from the platform and from the window that started it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/batch_commands.h"

namespace zembrel {

struct FolderEntry {
  std::string name;
  bool is_folder = false;
  bool is_link = false;  // a symbolic link or junction: never followed
};

// The batch script while it is being written. Failures throw.
class ScriptFile {
 public:
  virtual ~ScriptFile() = default;
  virtual void write_line(const std::string& line) = 0;  // adds CR LF
  virtual void close() = 0;
};

// Files, processes and the shell. Only script writing reports failures (by throwing); the other
// operations are attempted and their outcome is not examined.
class JobPlatform {
 public:
  virtual ~JobPlatform() = default;
  // The executable's folder, with a trailing backslash.
  virtual std::string exe_folder() const = 0;
  virtual bool exists(const std::string& path) const = 0;
  virtual std::string full_path(const std::string& path) const = 0;
  virtual void delete_file(const std::string& path) = 0;
  virtual void create_empty(const std::string& path) = 0;
  virtual std::unique_ptr<ScriptFile> open_append(const std::string& path) = 0;
  // Starts the command line and returns when the child has ended. An empty folder means the
  // program's own current directory.
  virtual void run_and_wait(const std::string& command_line, const std::string& current_folder) = 0;
  virtual void copy_file(const std::string& from, const std::string& to) = 0;
  virtual void set_normal_attributes(const std::string& path) = 0;
  // The entries of a folder given with its trailing backslash, "." and ".." included.
  virtual std::vector<FolderEntry> list_folder(const std::string& folder) = 0;
  virtual void launch(const std::string& script) = 0;
};

// Why an archive was left alone.
enum class SkipReason { NoRarExtension, NotFullPath, UnsafeValue, OutputIsSource, WorkFolderExists };

struct SkippedArchive {
  std::string archive;
  SkipReason reason;
  ValueRole role = ValueRole::Archive;  // for UnsafeValue
};

// The window's side of a run.
class JobView {
 public:
  virtual ~JobView() = default;
  virtual void set_go_enabled(bool enabled) = 0;
  // The message for an empty archive list, then focus to the archive list's add button.
  virtual void report_empty_archive_list() = 0;
  // Once at the end of a run that left archives alone.
  virtual void report_skipped(const std::vector<SkippedArchive>& skipped) = 0;
};

}  // namespace zembrel
