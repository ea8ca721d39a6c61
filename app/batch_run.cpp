// Compiled for GBK: the texts below reach the platform as GBK bytes.
#include "app/batch_run.h"

#include <algorithm>
#include <map>
#include <set>

#include "app/archive_script.h"

namespace zembrel {

namespace {

std::string upper_ascii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

std::string script_path(const JobPlatform& platform) { return platform.exe_folder() + kScriptName; }

constexpr char kStepUnpack[] = "正在解包";
constexpr char kStepAdjust[] = "正在添加和删除文件";
constexpr char kStepLines[] = "正在写入命令";
constexpr char kStepCheck[] = "正在校验结果";
constexpr char kBusy[] = "上一次启动的批处理还在运行或正在校验结果，请等它结束后再开始。";
constexpr char kNoArchiver[] = "找不到 Rar.exe：";
constexpr char kNoFinish[] = "无法创建输出文件夹：";
constexpr char kCancelled[] = "操作已取消：已删除本次解包的文件夹，没有启动批处理。";
constexpr char kScriptFailed[] = "无法写入批处理文件 ";
constexpr char kLaunchFailed[] = "无法启动批处理文件 ";
constexpr char kReportSaved[] = "报告已保存到 ";
constexpr char kReportFailed[] = "无法写入报告 ";
constexpr char kNothingLaunched[] = "\r\n\r\n已删除本次解包的文件夹，没有启动批处理。";

// One pass over the archive list: each archive is skipped, fails, or is planned (its script
// lines written later and its result checked after the script).
class Run {
 public:
  // The settings and lists are read once: they do not change while the run works.
  Run(JobFields& fields, JobPlatform& platform, JobView& view)
      : f_(fields), p_(platform), v_(view), s_(fields.settings()), R_(s_.rarname), M_(s_.annname),
        adds_(fields.add_list().items()), dels_(non_blank(fields.del_list().items())) {
    // In place, an added file that a delete name matches is deleted again by the next lines.
    auto root = std::make_shared<RootNames>();
    for (const auto& F : adds_)
      if (!has_name(dels_, strip_path(F))) root->added.push_back(strip_path(F));
    root->deleted = dels_;
    root_names_ = std::move(root);
    const std::string A = ArchiveLinesTemplate::kArchive;
    for (const auto& F : adds_) in_place_lines_.add(inplace_add_line(R_, A, F));
    for (const auto& N : dels_) in_place_lines_.add(inplace_delete_line(R_, A, N));
    if (!M_.empty()) in_place_lines_.add(comment_line(R_, M_, A));
    if (s_.lockcheck) in_place_lines_.add(lock_line(R_, A));
  }

  // False when the run was cancelled.
  bool prepare(bool repack) {
    const std::vector<std::string> archives = f_.rar_list().items();
    const int n = static_cast<int>(archives.size());
    results.resize(archives.size());
    for (int i = 0; i < n; ++i) {
      results[static_cast<size_t>(i)].archive = archives[static_cast<size_t>(i)];
      if (v_.cancel_requested()) {
        for (int k = i; k < n; ++k) skip(static_cast<size_t>(k), Why::Cancelled);
        return false;
      }
      v_.show_progress(i + 1, n, archives[static_cast<size_t>(i)], repack ? kStepUnpack : kStepLines);
      if (repack) repack_one(static_cast<size_t>(i));
      else in_place_one(static_cast<size_t>(i));
    }
    return !v_.cancel_requested();
  }

  // Writes and closes the whole script; throws JobFileError.
  void write_script(const std::string& path) {
    auto script = p_.create_text(path);
    for (const auto& lines : planned_lines_) script->write(lines.text());
    script->close();
  }

  void remove_work_folders() {
    for (const auto& c : checks)
      if (!c.work_folder.empty()) p_.remove_tree(c.work_folder);
  }
  // Old outputs go only once the new script is sure to run.
  void remove_old_outputs() {
    for (const auto& c : checks)
      if (c.repacked && p_.exists(c.target)) p_.delete_file(c.target);
  }

  std::vector<ArchiveResult> results;
  std::vector<ArchiveCheck> checks;

 private:
  void skip(size_t row, Why why, ValueRole role = ValueRole::Archive) {
    results[row].state = ArchiveState::Skipped;
    results[row].why = why;
    results[row].role = role;
  }
  void plan(ArchiveLines lines, ArchiveCheck check) {
    planned_lines_.push_back(std::move(lines));
    checks.push_back(std::move(check));
  }

  void in_place_one(size_t row) {
    const std::string A = results[row].archive;
    if (!archive_exists(A)) return skip(row, Why::ArchiveMissing);
    ArchiveLines lines = in_place_lines_.for_archive(A);
    ArchiveCheck check;
    check.row = row;
    check.target = A;
    check.has_password = !s_.old_password.empty();
    check.password = s_.old_password;
    check.root = root_names_;
    check.comment = !M_.empty();
    check.lock = s_.lockcheck;
    if (lines.refused()) return skip(row, Why::UnsafeValue, *lines.refused());
    plan(std::move(lines), std::move(check));
  }

  void repack_one(size_t row) {
    const std::string A = results[row].archive;
    if (!is_full_path(A)) return skip(row, Why::NotFullPath);
    if (!archive_exists(A)) return skip(row, Why::ArchiveMissing);
    const auto paths = repack_paths(A, p_.exe_folder());
    if (!paths) return skip(row, Why::NoRarExtension);

    const CommandLine unpack = unpack_line(R_, A, s_.old_password);
    ArchiveLines lines;
    lines.add(pack_line(R_, paths->output, paths->work_folder_bare, s_.passwordcheck ? &s_.password : nullptr));
    lines.add(remove_folder_line(paths->work_folder_bare));
    if (!M_.empty()) lines.add(comment_line(R_, M_, paths->output));
    if (s_.lockcheck) lines.add(lock_line(R_, paths->output));
    if (const auto refused = unpack.refused() ? unpack.refused() : lines.refused())
      return skip(row, Why::UnsafeValue, *refused);

    if (sources().count(upper_ascii(p_.full_path(paths->output))) ||
        sources().count(upper_ascii(p_.full_path(paths->work_folder_bare))))
      return skip(row, Why::OutputIsSource);
    if (!outputs_.insert(upper_ascii(p_.full_path(paths->output))).second) return skip(row, Why::SameOutput);
    // A folder that is already there holds the user's files, not ours: the copies, deletions
    // and the packing (which removes what it packs) must never touch it.
    if (p_.exists(paths->work_folder_bare)) return skip(row, Why::WorkFolderExists);

    const ProcessResult unpacked = p_.run_and_wait(unpack.str(), folder_of(A), false);
    if (!unpacked.started || unpacked.exit_code != 0) {
      // Whatever the failed unpack left is ours to remove; nothing of the archive is used.
      if (p_.exists(paths->work_folder_bare)) p_.remove_tree(paths->work_folder);
      results[row].state = ArchiveState::Failed;
      results[row].why = unpacked.started ? Why::UnpackFailed : Why::UnpackNotStarted;
      results[row].exit_code = unpacked.exit_code;
      results[row].old_password_given = !s_.old_password.empty();
      return;
    }
    if (!p_.exists(paths->work_folder_bare)) {
      results[row].state = ArchiveState::Failed;
      results[row].why = Why::NoWorkFolder;
      return;
    }
    v_.show_progress(static_cast<int>(row) + 1, static_cast<int>(results.size()), A, kStepAdjust);
    adjust(paths->work_folder);

    ArchiveCheck check;
    check.row = row;
    check.target = paths->output;
    check.has_password = s_.passwordcheck;
    check.password = s_.password;
    check.repacked = true;
    check.tree = folder_tree(p_, paths->work_folder);
    check.comment = !M_.empty();
    check.lock = s_.lockcheck;
    check.work_folder = paths->work_folder;
    plan(std::move(lines), std::move(check));
  }

  // The files to add go to the top of the work folder; the names to delete go at any depth.
  void adjust(const std::string& W) {
    TextList& work = f_.work_list();
    work.clear();
    work.append(W);
    for (const auto& F : adds_) p_.copy_file(F, W + strip_path(F));
    for (const auto& N : dels_) find_named_files(p_, W, N, work);
    for (int k = 1; k < work.count(); ++k) {
      const std::string found = work.at(k);
      p_.set_normal_attributes(found);
      p_.delete_file(found);
    }
  }

  // Whether a listed archive is a file now. The archives come from a few folders: each folder is
  // listed once, and only a name not found in its listing costs a look of its own.
  bool archive_exists(const std::string& A) {
    const std::string folder = folder_of(A);
    auto [files, fresh] = folder_files_.try_emplace(upper_ascii(folder));
    if (fresh && !folder.empty())
      for (const auto& entry : p_.list_folder(folder))
        if (!entry.is_folder) files->second.insert(upper_ascii(entry.name));
    return files->second.count(upper_ascii(strip_path(A))) > 0 || p_.is_file(A);
  }

  const std::set<std::string>& sources() {
    if (sources_.empty())
      for (const auto& r : results) sources_.insert(upper_ascii(p_.full_path(r.archive)));
    return sources_;
  }

  static std::vector<std::string> non_blank(std::vector<std::string> names) {
    names.erase(std::remove_if(names.begin(), names.end(), [](const std::string& n) { return is_blank(n); }), names.end());
    return names;
  }
  static bool has_name(const std::vector<std::string>& names, const std::string& name) {
    return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return name_matches(name, n); });
  }

  JobFields& f_;
  JobPlatform& p_;
  JobView& v_;
  const JobSettings s_;
  const std::string R_, M_;
  const std::vector<std::string> adds_, dels_;
  std::shared_ptr<const RootNames> root_names_;
  ArchiveLinesTemplate in_place_lines_;
  std::vector<ArchiveLines> planned_lines_;
  std::set<std::string> sources_, outputs_;
  std::map<std::string, std::set<std::string>> folder_files_;  // folded file names by folder
};

}  // namespace

struct BatchJob::Launched {
  std::unique_ptr<ScriptProcess> process;
  std::vector<ArchiveResult> results;
  std::vector<ArchiveCheck> checks;
  std::string archiver;
};

BatchJob::BatchJob(JobFields& fields, JobPlatform& platform, JobView& view) : f_(fields), p_(platform), v_(view) {}
BatchJob::~BatchJob() = default;

void BatchJob::go() {
  if (busy()) return v_.report_stopped(kBusy);
  v_.set_go_enabled(false);
  struct EnableGo {
    BatchJob& job;
    ~EnableGo() {
      if (!job.busy()) job.v_.set_go_enabled(true);
    }
  } enable_go{*this};

  remove_script(p_);
  if (f_.rar_list().count() == 0) {
    v_.report_empty_archive_list();
    return;
  }
  const std::string R = f_.rarname();
  if (!p_.is_file(R)) return v_.report_stopped(kNoArchiver + R);
  const bool repack = f_.rarmethod() != kModeInPlace;
  const std::string finish_folder = p_.exe_folder() + "finish";
  if (repack && !p_.make_folder(finish_folder))
    return v_.report_stopped(kNoFinish + finish_folder);

  Run run(f_, p_, v_);
  const bool complete = run.prepare(repack);
  v_.end_progress();
  if (!complete) {
    run.remove_work_folders();
    return v_.report_stopped(kCancelled);
  }
  if (run.checks.empty()) return finish(std::move(run.results));

  const std::string script = script_path(p_);
  try {
    run.write_script(script);
  } catch (const std::exception& e) {
    p_.delete_file(script);
    run.remove_work_folders();
    return v_.report_stopped(kScriptFailed + std::string(e.what()) + kNothingLaunched);
  }
  run.remove_old_outputs();
  auto process = p_.launch(script);
  if (!process) {
    run.remove_work_folders();
    return v_.report_stopped(kLaunchFailed + script + kNothingLaunched);
  }
  launched_ = std::make_unique<Launched>(Launched{std::move(process), std::move(run.results), std::move(run.checks), R});
}

void BatchJob::poll() {
  if (!launched_ || checking_ || launched_->process->running()) return;
  // While the results are checked, busy() keeps a second start away.
  checking_ = true;
  struct Done {
    BatchJob& job;
    ~Done() {
      job.checking_ = false;
      job.v_.set_go_enabled(true);
    }
  } done{*this};
  const std::unique_ptr<Launched> launched = std::move(launched_);
  const int n = static_cast<int>(launched->checks.size());
  for (int i = 0; i < n; ++i) {
    const ArchiveCheck& c = launched->checks[static_cast<size_t>(i)];
    ArchiveResult& row = launched->results[c.row];
    v_.show_progress(i + 1, n, row.archive, kStepCheck);
    if (v_.cancel_requested()) {
      row.state = ArchiveState::Failed;
      row.why = Why::CheckCancelled;
    } else {
      check_archive(c, launched->archiver, p_, row);
    }
    if (!c.work_folder.empty() && p_.exists(c.work_folder)) p_.remove_tree(c.work_folder);
  }
  v_.end_progress();
  finish(std::move(launched->results));
}

void BatchJob::finish(const std::vector<ArchiveResult>& results) {
  const std::string report = p_.exe_folder() + kReportName;
  std::string where = kReportSaved + report;
  try {
    auto file = p_.create_text(report);
    file->write(report_text(results));
    file->close();
  } catch (const std::exception& e) {
    p_.delete_file(report);
    where = kReportFailed + std::string(e.what());
  }
  v_.report_results(results, where);
}

void BatchJob::remove_script_unless_running() {
  if (launched_ && launched_->process && launched_->process->running()) return;
  remove_script(p_);
}

int find_named_files(JobPlatform& platform, const std::string& folder, const std::string& name, TextList& target) {
  int count = 0;
  for (const auto& entry : platform.list_folder(folder)) {
    if (entry.is_folder) {
      if (entry.name == "." || entry.name == ".." || entry.is_link) continue;
      count += find_named_files(platform, folder + entry.name + "\\", name, target);
    } else if (name_matches(entry.name, name)) {
      target.append(folder + entry.name);
      ++count;
    }
  }
  return count;
}

void remove_script(JobPlatform& platform) {
  const std::string script = script_path(platform);
  if (platform.exists(script)) platform.delete_file(script);
}

}  // namespace zembrel
