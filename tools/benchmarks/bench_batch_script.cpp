// Time to write the in-place script for 10,000 archives x 20 files to add x 20 names to delete,
// through the real file functions. Run it with tools/wine-run.
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "app/batch_run.h"
#include "app/win32_job_platform.h"

namespace {

using namespace zembrel;

// Everything as in a real run, except that the script is not handed to the shell.
class NoLaunchPlatform final : public JobPlatform {
 public:
  explicit NoLaunchPlatform(std::string folder) : real_(nullptr, std::move(folder)) {}
  std::string exe_folder() const override { return real_.exe_folder(); }
  bool exists(const std::string& p) const override { return real_.exists(p); }
  std::string full_path(const std::string& p) const override { return real_.full_path(p); }
  void delete_file(const std::string& p) override { real_.delete_file(p); }
  void create_empty(const std::string& p) override { real_.create_empty(p); }
  std::unique_ptr<ScriptFile> open_append(const std::string& p) override { return real_.open_append(p); }
  void run_and_wait(const std::string& c, const std::string& f) override { real_.run_and_wait(c, f); }
  void copy_file(const std::string& a, const std::string& b) override { real_.copy_file(a, b); }
  void set_normal_attributes(const std::string& p) override { real_.set_normal_attributes(p); }
  std::vector<FolderEntry> list_folder(const std::string& f) override { return real_.list_folder(f); }
  void launch(const std::string&) override {}

 private:
  Win32JobPlatform real_;
};

struct QuietView final : JobView {
  void set_go_enabled(bool) override {}
  void report_empty_archive_list() override {}
  void report_skipped(const std::vector<SkippedArchive>&) override {}
};

}  // namespace

int main() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "zembrel-bench\\";
  CreateDirectoryA(folder.c_str(), nullptr);

  PlainJobFields fields;
  fields.values.rarmethod = kModeInPlace;
  fields.values.annname = "C:\\Docs\\note for every archive.txt";
  fields.values.lockcheck = true;
  for (int i = 0; i < 10000; ++i) fields.rar.append("D:\\Archives\\batch " + std::to_string(i / 100) + "\\archive" + std::to_string(i) + ".rar");
  for (int i = 0; i < 20; ++i) fields.add.append("C:\\Docs\\to add\\file" + std::to_string(i) + ".txt");
  for (int i = 0; i < 20; ++i) fields.del.append("unwanted" + std::to_string(i) + ".tmp");

  NoLaunchPlatform platform(folder);
  QuietView view;
  double best = 1e9;
  for (int round = 0; round < 3; ++round) {
    const auto start = std::chrono::steady_clock::now();
    act_go(fields, platform, view);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (seconds < best) best = seconds;
  }
  WIN32_FILE_ATTRIBUTE_DATA info{};
  GetFileAttributesExA((folder + kScriptName).c_str(), GetFileExInfoStandard, &info);
  const double bytes = static_cast<double>((static_cast<unsigned long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
  std::printf("in-place script, 10000 archives x 20 adds x 20 deletes: %.3f s (best of 3), %.0f bytes, %.1f MB/s\n",
              best, bytes, bytes / best / 1e6);
  remove_script(platform);
  RemoveDirectoryA(folder.c_str());
  return 0;
}
