// A batch job end to end: a program folder (batch.bat, finish\), a data folder for the archives,
// the job's fields, and a run that waits for the launched script and lets the job check it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "app/batch_run.h"
#include "app/win32_job_platform.h"
#include "tests/e2e/archive_fixture.h"

namespace zembrel::e2e {

using Names = std::vector<std::string>;

// The names in a folder (files and folders, sorted), to see that nothing unexpected is left.
inline Names folder_names(const std::string& folder) {
  Names names;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = data.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(find, &data));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

struct JobFixture : ::testing::Test {
  ScratchFolder program, data, elsewhere;
  PlainJobFields fields;
  RecordingView view;
  Win32JobPlatform platform{nullptr, program.path()};
  BatchJob job{fields, platform, view};

  void SetUp() override {
    make_folder(program / "finish");
    fields.values.rarname = archiver_path();
    write_text(data / "readme.txt", "read me");
    write_text(data / "note.txt", "a comment");
    // The run must not depend on where an open dialog left the current directory.
    SetCurrentDirectoryA(elsewhere.path().c_str());
  }

  // Starts the run; once the script it launched has ended, the job checks and reports.
  void run(int mode) {
    fields.values.rarmethod = mode;
    job.go();
    ASSERT_TRUE(wait_for_launched_scripts()) << "the launched script did not end";
    job.poll();
    ASSERT_FALSE(job.busy());
  }
  std::string finished(const std::string& name) const { return program / ("finish\\" + name); }
  Names finish_folder() const { return folder_names(program / "finish\\"); }
  // The row of the i-th listed archive, with its reason for the failure message.
  const ArchiveResult& row(size_t i) const {
    static const ArchiveResult none{"<no row>", ArchiveState::Failed, Why::None};
    return i < view.results.size() ? view.results[i] : none;
  }
};

}  // namespace zembrel::e2e
