// The outcome of a run, archive by archive: what the result window shows and the report beside
// the script says.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "app/batch_commands.h"

namespace zembrel {

enum class ArchiveState { Done, Failed, Skipped };

// Why an archive was skipped or failed.
enum class Why {
  None,
  // Skipped: nothing of the archive was touched.
  ArchiveMissing,
  NoRarExtension,
  NotFullPath,
  UnsafeValue,
  OutputIsSource,
  WorkFolderExists,
  SameOutput,
  Cancelled,
  // Failed while the run prepared it.
  UnpackNotStarted,
  UnpackFailed,
  NoWorkFolder,
  // Failed when the result was checked after the script.
  CheckNotStarted,
  OutputMissing,
  TestFailed,
  ListFailed,
  AddedMissing,
  DeletedPresent,
  TreeDiffers,
  CommentMissing,
  NotLocked,
  CheckCancelled,
};

struct ArchiveResult {
  ArchiveResult() = default;
  ArchiveResult(std::string archive_path, ArchiveState outcome, Why reason = Why::None, unsigned long code = 0)
      : archive(std::move(archive_path)), state(outcome), why(reason), exit_code(code) {}

  std::string archive;
  ArchiveState state = ArchiveState::Done;
  Why why = Why::None;
  unsigned long exit_code = 0;          // for UnpackFailed, TestFailed, ListFailed
  ValueRole role = ValueRole::Archive;  // for UnsafeValue
  std::string name;                     // for AddedMissing, DeletedPresent, TreeDiffers
  bool old_password_given = false;      // for UnpackFailed
};

// The console archiver's documented meaning of an exit code.
std::string archiver_exit_text(unsigned long code);

// The reason column of a result row; empty for an archive that is done.
std::string reason_text(const ArchiveResult& result);
std::string state_text(ArchiveState state);

// "共 n 个压缩包：完成 a 个，失败 b 个，跳过 c 个".
std::string totals_text(const std::vector<ArchiveResult>& results);

// The plain-text report written beside the script: one block per archive, then the totals.
std::string report_text(const std::vector<ArchiveResult>& results);

// A Windows error code as a short reason ("磁盘空间不足", "拒绝访问", ...).
std::string system_error_text(unsigned long code);

}  // namespace zembrel
