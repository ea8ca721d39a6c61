// An in-memory file system behind the job's platform seam, recording what the run asks for.
// Paths compare case-insensitively, as on Windows.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/batch_run.h"
#include "tests/common/recording_job_view.h"

namespace zembrel::testing {

struct CaseLess {
  static std::string fold(const std::string& s) {
    std::string r = s;
    for (char& c : r)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return r;
  }
  bool operator()(const std::string& a, const std::string& b) const { return fold(a) < fold(b); }
};

class FakeJobPlatform final : public JobPlatform {
 public:
  std::string folder = "C:\\Tools\\";
  std::map<std::string, std::string, CaseLess> files;
  std::set<std::string, CaseLess> folders;
  std::vector<std::string> log;  // every change and process, in order
  // Called for each child process with the command line and its current folder; the archiver's
  // checks (capture set) answer through on_check. Without them every child succeeds silently.
  std::function<void(const std::string&, const std::string&)> on_run;
  std::function<ProcessResult(const std::string&)> on_check;
  unsigned long unpack_exit_code = 0;
  bool processes_start = true;
  bool fail_script_writes = false;
  bool launch_refused = false;
  bool folders_can_be_made = true;
  bool script_running = false;  // what the launched script's process says

  std::string exe_folder() const override { return folder; }
  bool exists(const std::string& p) const override { return files.count(p) || folders.count(trim(p)); }
  bool is_file(const std::string& p) const override { return files.count(p) > 0; }
  std::string full_path(const std::string& p) const override { return p; }
  void delete_file(const std::string& p) override {
    log.push_back("delete " + p);
    files.erase(p);
  }
  bool make_folder(const std::string& p) override {
    if (folders.count(trim(p))) return true;
    if (files.count(p)) return false;
    log.push_back("mkdir " + p);
    if (folders_can_be_made) folders.insert(trim(p));
    return folders_can_be_made;
  }
  void remove_tree(const std::string& dir) override {
    log.push_back("remove " + dir);
    const std::string prefix = CaseLess::fold(dir);
    auto inside = [&](const std::string& path) { return CaseLess::fold(path + "\\").rfind(prefix, 0) == 0; };
    std::erase_if(files, [&](const auto& f) { return inside(f.first); });
    std::erase_if(folders, [&](const auto& f) { return inside(f); });
  }
  std::unique_ptr<ScriptFile> create_text(const std::string& p) override;
  std::optional<std::string> read_file(const std::string& p) override {
    if (!files.count(p)) return std::nullopt;
    return files.at(p);
  }
  ProcessResult run_and_wait(const std::string& line, const std::string& cwd, bool capture) override {
    if (capture) return on_check ? on_check(line) : ProcessResult{true, 0, ""};
    log.push_back("run " + line + " in " + cwd);
    if (!processes_start) return {};
    if (on_run) on_run(line, cwd);
    return {true, unpack_exit_code, ""};
  }
  void copy_file(const std::string& from, const std::string& to) override {
    log.push_back("copy " + from + " -> " + to);
    if (files.count(from) && folders.count(trim(folder_of(to)))) files[to] = files[from];
  }
  void set_normal_attributes(const std::string& p) override { log.push_back("normal " + p); }
  std::vector<FolderEntry> list_folder(const std::string& dir) override {
    std::vector<FolderEntry> entries{{".", true}, {"..", true}};
    for (const auto& f : folders)
      if (CaseLess::fold(folder_of(f)) == CaseLess::fold(dir)) entries.push_back({strip_path(f), true});
    for (const auto& [f, content] : files)
      if (CaseLess::fold(folder_of(f)) == CaseLess::fold(dir)) entries.push_back({strip_path(f), false});
    return entries;
  }
  std::unique_ptr<ScriptProcess> launch(const std::string& script) override;
  std::string scratch_file(const std::string& name) const override { return "T:\\" + name; }

  void add_folder(const std::string& path) {
    for (size_t i = path.find('\\', 3); i != std::string::npos; i = path.find('\\', i + 1)) folders.insert(path.substr(0, i));
    folders.insert(trim(path));
  }
  void add_file(const std::string& path, const std::string& content = "x") {
    add_folder(folder_of(path));
    files[path] = content;
  }
  std::string script() const { return files.count(folder + "batch.bat") ? files.at(folder + "batch.bat") : "<none>"; }

 private:
  static std::string trim(const std::string& p) { return !p.empty() && p.back() == '\\' ? p.substr(0, p.size() - 1) : p; }
};

class FakeScript final : public ScriptFile {
 public:
  FakeScript(FakeJobPlatform& p, std::string path) : p_(p), path_(std::move(path)) {}
  void write(const std::string& bytes) override {
    if (p_.fail_script_writes) throw JobFileError(path_ + ": disk full");
    p_.files[path_] += bytes;
  }
  void close() override {
    if (p_.fail_script_writes) throw JobFileError(path_ + ": disk full");
  }

 private:
  FakeJobPlatform& p_;
  std::string path_;
};

class FakeScriptProcess final : public ScriptProcess {
 public:
  explicit FakeScriptProcess(FakeJobPlatform& p) : p_(p) {}
  bool running() override { return p_.script_running; }

 private:
  FakeJobPlatform& p_;
};

inline std::unique_ptr<ScriptFile> FakeJobPlatform::create_text(const std::string& p) {
  files[p].clear();
  return std::make_unique<FakeScript>(*this, p);
}

inline std::unique_ptr<ScriptProcess> FakeJobPlatform::launch(const std::string& script) {
  log.push_back("launch " + script);
  if (launch_refused) return nullptr;
  return std::make_unique<FakeScriptProcess>(*this);
}


}  // namespace zembrel::testing
