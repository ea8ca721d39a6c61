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
  // Called for each unpack with the command line and the child's current folder.
  std::function<void(const std::string&, const std::string&)> on_run;
  bool fail_script_writes = false;

  std::string exe_folder() const override { return folder; }
  bool exists(const std::string& p) const override { return files.count(p) || folders.count(trim(p)); }
  std::string full_path(const std::string& p) const override { return p; }
  void delete_file(const std::string& p) override {
    log.push_back("delete " + p);
    files.erase(p);
  }
  void create_empty(const std::string& p) override {
    if (fail_script_writes) throw std::runtime_error("disk full");
    files[p].clear();
  }
  std::unique_ptr<ScriptFile> open_append(const std::string& p) override;
  void run_and_wait(const std::string& line, const std::string& cwd) override {
    log.push_back("run " + line + " in " + cwd);
    if (on_run) on_run(line, cwd);
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
  void launch(const std::string& script) override { log.push_back("launch " + script); }

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
  void write_line(const std::string& line) override {
    if (p_.fail_script_writes) throw std::runtime_error("disk full");
    p_.files[path_] += line + "\r\n";
  }
  void close() override {}

 private:
  FakeJobPlatform& p_;
  std::string path_;
};

inline std::unique_ptr<ScriptFile> FakeJobPlatform::open_append(const std::string& p) {
  if (fail_script_writes) throw std::runtime_error("disk full");
  files[p];
  return std::make_unique<FakeScript>(*this, p);
}


}  // namespace zembrel::testing
