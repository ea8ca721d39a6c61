// Checking an archive with the archiver itself once the script has changed or made it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/job_platform.h"

namespace zembrel {

// What an in-place run asks of the root of every archive: one list shared by all of them.
struct RootNames {
  std::vector<std::string> added;    // names that must be there
  std::vector<std::string> deleted;  // names that must be gone
};

// What the script was asked to do to one archive.
struct ArchiveCheck {
  size_t row = 0;            // the archive's result row
  std::string target;        // the archive the script changes (in place) or makes (repack)
  bool has_password = false;
  std::string password;      // what opens the target afterwards
  bool repacked = false;
  std::vector<std::string> tree;             // repack: every entry the new archive must hold, exactly
  std::shared_ptr<const RootNames> root;     // in place
  bool comment = false;
  bool lock = false;
  std::string work_folder;   // repack: removed once the script has ended (with its backslash)
};

// Tests, lists and inspects the target with the archiver R; marks the row failed with the
// first thing that is not as asked.
void check_archive(const ArchiveCheck& check, const std::string& R, JobPlatform& platform, ArchiveResult& row);

// Every file and folder below folder (with its backslash), relative and '\'-separated, sorted
// the way check_archive compares names. Links are not followed.
std::vector<std::string> folder_tree(JobPlatform& platform, const std::string& folder);

// The archiver's bare listing as names with '\' separators, sorted like folder_tree.
std::vector<std::string> listed_names(const std::string& output);

}  // namespace zembrel
