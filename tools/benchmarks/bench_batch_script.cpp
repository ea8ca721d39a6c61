// Time to write the in-place script for 10,000 archives x 20 files to add x 20 names to delete,
// through the real file functions, beside the disk's raw write speed for the same number of
// bytes (the reference: the script should reach at least a quarter of it). Run it with
// tools/wine-run.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "app/batch_run.h"
#include "app/win32_job_platform.h"

namespace {

using namespace zembrel;
using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// The script file, timed from its creation until it is closed.
class TimedScript final : public ScriptFile {
 public:
  TimedScript(std::unique_ptr<ScriptFile> real, double& seconds) : real_(std::move(real)), seconds_(seconds) {}
  void write(const std::string& bytes) override { real_->write(bytes); }
  void close() override {
    real_->close();
    seconds_ = seconds_since(start_);
  }

 private:
  std::unique_ptr<ScriptFile> real_;
  double& seconds_;
  Clock::time_point start_ = Clock::now();
};

// Everything as in a real run, except that the script is not handed to the shell.
class NoLaunchPlatform final : public JobPlatform {
 public:
  explicit NoLaunchPlatform(std::string folder) : real_(nullptr, std::move(folder)) {}
  std::string exe_folder() const override { return real_.exe_folder(); }
  bool exists(const std::string& p) const override { return real_.exists(p); }
  bool is_file(const std::string& p) const override { return real_.is_file(p); }
  std::string full_path(const std::string& p) const override { return real_.full_path(p); }
  void delete_file(const std::string& p) override { real_.delete_file(p); }
  bool make_folder(const std::string& p) override { return real_.make_folder(p); }
  void remove_tree(const std::string& f) override { real_.remove_tree(f); }
  std::unique_ptr<ScriptFile> create_text(const std::string& p) override {
    if (p.find(kScriptName) == std::string::npos) return real_.create_text(p);
    return std::make_unique<TimedScript>(real_.create_text(p), script_seconds);
  }
  std::optional<std::string> read_file(const std::string& p) override { return real_.read_file(p); }
  ProcessResult run_and_wait(const std::string& c, const std::string& f, bool capture) override {
    return real_.run_and_wait(c, f, capture);
  }
  void copy_file(const std::string& a, const std::string& b) override { real_.copy_file(a, b); }
  void set_normal_attributes(const std::string& p) override { real_.set_normal_attributes(p); }
  std::vector<FolderEntry> list_folder(const std::string& f) override { return real_.list_folder(f); }
  std::unique_ptr<ScriptProcess> launch(const std::string&) override { return nullptr; }
  std::string scratch_file(const std::string& n) const override { return real_.scratch_file(n); }

  double script_seconds = 0;  // the last script's writing, from creation to close

 private:
  Win32JobPlatform real_;
};

struct QuietView final : JobView {
  void set_go_enabled(bool) override {}
  void report_empty_archive_list() override {}
  void report_stopped(const std::string&) override {}
  void show_progress(int, int, const std::string&, const std::string&) override {}
  void end_progress() override {}
  bool cancel_requested() override { return false; }
  void report_results(const std::vector<ArchiveResult>&, const std::string&) override {}
};

// The same number of bytes in 1 MiB writes, closed like the script; with flush, until they are
// on the disk itself.
double raw_write_seconds(const std::string& path, unsigned long long bytes, bool flush) {
  const std::vector<char> block(1 << 20, 'x');
  const auto start = Clock::now();
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  for (unsigned long long done = 0; done < bytes; done += block.size()) {
    DWORD wrote = 0;
    WriteFile(file, block.data(), static_cast<DWORD>(std::min<unsigned long long>(block.size(), bytes - done)), &wrote, nullptr);
  }
  if (flush) FlushFileBuffers(file);
  CloseHandle(file);
  const double seconds = seconds_since(start);
  DeleteFileA(path.c_str());
  return seconds;
}

}  // namespace

int main() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "zembrel-bench\\";
  CreateDirectoryA(folder.c_str(), nullptr);

  PlainJobFields fields;
  fields.values.rarmethod = kModeInPlace;
  fields.values.rarname = folder + "Rar.exe";
  fields.values.annname = "C:\\Docs\\note for every archive.txt";
  fields.values.lockcheck = true;
  // The archives must exist to be taken; one file stands for all of them.
  CreateDirectoryA((folder + "archives").c_str(), nullptr);
  CloseHandle(CreateFileA((folder + "Rar.exe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  const std::string archive = folder + "archives\\archive.rar";
  CloseHandle(CreateFileA(archive.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  for (int i = 0; i < 10000; ++i) fields.rar.append(archive);
  for (int i = 0; i < 20; ++i) fields.add.append("C:\\Docs\\to add\\file" + std::to_string(i) + ".txt");
  for (int i = 0; i < 20; ++i) fields.del.append("unwanted" + std::to_string(i) + ".tmp");

  NoLaunchPlatform platform(folder);
  QuietView view;
  double best = 1e9, best_writing = 1e9;
  for (int round = 0; round < 3; ++round) {
    BatchJob job(fields, platform, view);
    const auto start = Clock::now();
    job.go();
    best = std::min(best, seconds_since(start));
    best_writing = std::min(best_writing, platform.script_seconds);
  }
  WIN32_FILE_ATTRIBUTE_DATA info{};
  GetFileAttributesExA((folder + kScriptName).c_str(), GetFileExInfoStandard, &info);
  const unsigned long long bytes = (static_cast<unsigned long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  const double run_rate = bytes / best / 1e6, writing_rate = bytes / best_writing / 1e6;
  std::printf("in-place run, 10000 archives x 20 adds x 20 deletes, %llu bytes of script (best of 3):\n", bytes);
  std::printf("  whole run (each archive's existence checked, lines built, script written): %.3f s, %.1f MB/s\n", best,
              run_rate);
  std::printf("  writing the script (created, written, closed): %.3f s, %.1f MB/s\n", best_writing, writing_rate);
  for (const bool flush : {true, false}) {
    double raw = 1e9;
    for (int round = 0; round < 3; ++round) raw = std::min(raw, raw_write_seconds(folder + "raw.bin", bytes, flush));
    const double raw_rate = bytes / raw / 1e6;
    std::printf("raw write of the same bytes in 1 MiB blocks%s: %.3f s, %.1f MB/s\n",
                flush ? ", flushed to the disk" : ", left in the cache", raw, raw_rate);
    std::printf("  writing / raw: %.2f, whole run / raw: %.2f%s\n", writing_rate / raw_rate, run_rate / raw_rate,
                flush ? " (reference: at least 0.25)" : "");
  }
  remove_script(platform);
  for (const char* f : {"Rar.exe", "archives\\archive.rar", "batch_report.txt"}) DeleteFileA((folder + f).c_str());
  RemoveDirectoryA((folder + "archives").c_str());
  RemoveDirectoryA(folder.c_str());
  return 0;
}
