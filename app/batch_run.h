// One run of the batch job: in-place mode writes the archiver's commands against each archive;
// repack mode unpacks each archive now, adjusts the unpacked files, and writes commands that
// pack them into a new archive in the finish folder. The script is then handed to the shell.
#pragma once

#include <string>
#include <vector>

#include "app/job_platform.h"
#include "app/job_settings.h"

namespace zembrel {

inline constexpr const char kScriptName[] = "batch.bat";

void act_go(JobFields& fields, JobPlatform& platform, JobView& view);

// Appends the full path of every file below folder (ending in a backslash) whose name matches,
// depth first in listing order; links are not followed. Returns the number appended.
int find_named_files(JobPlatform& platform, const std::string& folder, const std::string& name, TextList& target);

// Deletes the script if it exists (the main window's destruction does this).
void remove_script(JobPlatform& platform);

// The text of the end-of-run message naming each archive that was left alone and why.
std::string skipped_report_text(const std::vector<SkippedArchive>& skipped);

}  // namespace zembrel
