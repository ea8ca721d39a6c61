// What the batch run needs from the platform and from the window that started it.
#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/batch_commands.h"
#include "app/run_result.h"

namespace zembrel {

struct FolderEntry {
  std::string name;
  bool is_folder = false;
  bool is_link = false;  // a symbolic link or junction: never followed
};

// A file of the job that could not be written; the text names the file and the cause.
class JobFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A text file of the job (the batch script, the report) while it is being written. Failures
// throw JobFileError.
class ScriptFile {
 public:
  virtual ~ScriptFile() = default;
  virtual void write(const std::string& bytes) = 0;
  virtual void close() = 0;
};

// How a child process ended.
struct ProcessResult {
  bool started = false;
  unsigned long exit_code = 0;
  std::string output;  // what it printed, when asked for
};

// The command interpreter running the launched script.
class ScriptProcess {
 public:
  virtual ~ScriptProcess() = default;
  virtual bool running() = 0;
};

// Files, processes and the shell.
class JobPlatform {
 public:
  virtual ~JobPlatform() = default;
  // The executable's folder, with a trailing backslash.
  virtual std::string exe_folder() const = 0;
  virtual bool exists(const std::string& path) const = 0;
  virtual bool is_file(const std::string& path) const = 0;
  virtual std::string full_path(const std::string& path) const = 0;
  virtual void delete_file(const std::string& path) = 0;
  // Makes the folder (one level) unless it is there; false when there is no such folder after.
  virtual bool make_folder(const std::string& path) = 0;
  // Removes a folder given with its trailing backslash and everything in it; links are removed,
  // not followed.
  virtual void remove_tree(const std::string& folder) = 0;
  // Creates or truncates the file for writing. Throws JobFileError.
  virtual std::unique_ptr<ScriptFile> create_text(const std::string& path) = 0;
  virtual std::optional<std::string> read_file(const std::string& path) = 0;
  // Starts the command line, keeps the windows of this program alive while it runs, and
  // returns how it ended. An empty folder means the program's own current directory. With
  // capture_output the child runs without a window and its output is returned.
  virtual ProcessResult run_and_wait(const std::string& command_line, const std::string& current_folder,
                                     bool capture_output) = 0;
  virtual void copy_file(const std::string& from, const std::string& to) = 0;
  virtual void set_normal_attributes(const std::string& path) = 0;
  // The entries of a folder given with its trailing backslash, "." and ".." included.
  virtual std::vector<FolderEntry> list_folder(const std::string& folder) = 0;
  // Hands the script to the shell; nothing when the shell refused it.
  virtual std::unique_ptr<ScriptProcess> launch(const std::string& script) = 0;
  // A file name for scratch output of the archiver (in the temporary folder).
  virtual std::string scratch_file(const std::string& name) const = 0;
};

// The window's side of a run.
class JobView {
 public:
  virtual ~JobView() = default;
  virtual void set_go_enabled(bool enabled) = 0;
  // The message for an empty archive list, then focus to the archive list's add button.
  virtual void report_empty_archive_list() = 0;
  // A run that was refused or ended before its script was launched: the message says why.
  virtual void report_stopped(const std::string& text) = 0;
  // Which archive of how many is being worked on (1-based), and the step; the first call of a
  // phase (unpacking, checking) shows the progress, end_progress ends it.
  virtual void show_progress(int index, int count, const std::string& archive, const std::string& step) = 0;
  virtual void end_progress() = 0;
  // Asked between archives: the user wants the run to stop.
  virtual bool cancel_requested() = 0;
  // One row per listed archive, once the run's outcome is known; report_note says where the
  // written report is (or why it could not be written).
  virtual void report_results(const std::vector<ArchiveResult>& results, const std::string& report_note) = 0;
};

}  // namespace zembrel
