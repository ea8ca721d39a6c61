#include "app/batch_run.h"

#include <algorithm>
#include <memory>
#include <set>

namespace zembrel {

namespace {

std::string upper_ascii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

std::string script_path(const JobPlatform& platform) { return platform.exe_folder() + kScriptName; }

// Collects command lines for one archive; the first refused value refuses them all.
class ArchiveLines {
 public:
  void add(CommandLine line) {
    if (!refused_) refused_ = line.refused();
    lines_.push_back(std::move(line));
  }
  std::optional<ValueRole> refused() const { return refused_; }
  void write_to(ScriptFile& script) const {
    for (const auto& line : lines_) script.write_line(line.script_line());
  }

 private:
  std::vector<CommandLine> lines_;
  std::optional<ValueRole> refused_;
};

class Run {
 public:
  Run(JobFields& fields, JobPlatform& platform) : f_(fields), p_(platform), script_(script_path(platform)) {}

  void in_place() {
    p_.create_empty(script_);
    auto script = p_.open_append(script_);
    const std::string R = f_.rarname();
    const std::string M = f_.annname();
    const bool lock = f_.lockcheck();
    const auto adds = f_.add_list().items();
    const auto dels = f_.del_list().items();
    TextList& archives = f_.rar_list();
    for (int i = 0; i < archives.count(); ++i) {
      const std::string A = archives.at(i);
      ArchiveLines lines;
      for (const auto& F : adds) lines.add(inplace_add_line(R, A, F));
      for (const auto& N : dels) lines.add(inplace_delete_line(R, A, N));
      if (!M.empty()) lines.add(comment_line(R, M, A));
      if (lock) lines.add(lock_line(R, A));
      if (lines.refused()) {
        skipped.push_back({A, SkipReason::UnsafeValue, *lines.refused()});
        continue;
      }
      lines.write_to(*script);
    }
    script->close();
    p_.launch(script_);
  }

  void repack() {
    p_.create_empty(script_);
    std::unique_ptr<ScriptFile> script;
    const std::string X = p_.exe_folder();
    TextList& archives = f_.rar_list();
    const std::set<std::string> sources = source_archives();
    for (int i = 0; i < archives.count(); ++i) {
      script.reset();  // closes, and so flushes, the previous archive's lines
      script = p_.open_append(script_);
      repack_one(archives.at(i), X, sources, *script);
    }
    if (script) script->close();
    p_.launch(script_);
  }

  std::vector<SkippedArchive> skipped;

 private:
  std::set<std::string> source_archives() const {
    std::set<std::string> result;
    TextList& archives = f_.rar_list();
    for (int i = 0; i < archives.count(); ++i) result.insert(upper_ascii(p_.full_path(archives.at(i))));
    return result;
  }

  void repack_one(const std::string& A, const std::string& X, const std::set<std::string>& sources, ScriptFile& script) {
    const auto paths = repack_paths(A, X);
    if (!paths) return skip(A, SkipReason::NoRarExtension);
    if (!is_full_path(A)) return skip(A, SkipReason::NotFullPath);

    const std::string R = f_.rarname();
    const std::string M = f_.annname();
    const std::string P = f_.password();
    const CommandLine unpack = unpack_line(R, A, f_.old_password());
    // The unpack runs now; the rest goes into the script once the work folder is ready.
    ArchiveLines lines;
    lines.add(pack_line(R, paths->output, paths->work_folder_bare, f_.passwordcheck() ? &P : nullptr));
    if (!M.empty()) lines.add(comment_line(R, M, paths->output));
    if (f_.lockcheck()) lines.add(lock_line(R, paths->output));
    if (const auto refused = unpack.refused() ? unpack.refused() : lines.refused())
      return skip(A, SkipReason::UnsafeValue, *refused);

    if (sources.count(upper_ascii(p_.full_path(paths->output))) ||
        sources.count(upper_ascii(p_.full_path(paths->work_folder_bare))))
      return skip(A, SkipReason::OutputIsSource);
    // A folder that is already there holds the user's files, not ours: the copies, deletions
    // and the packing (which removes what it packs) must never touch it.
    if (p_.exists(paths->work_folder_bare)) return skip(A, SkipReason::WorkFolderExists);

    p_.run_and_wait(unpack.str(), folder_of(A));

    TextList& work = f_.work_list();
    work.clear();
    work.append(paths->work_folder);
    const auto adds = f_.add_list().items();
    for (const auto& F : adds) p_.copy_file(F, paths->work_folder + strip_path(F));
    const auto dels = f_.del_list().items();
    if (!dels.empty()) {
      for (const auto& N : dels) find_named_files(p_, paths->work_folder, N, work);
      for (int k = 1; k < work.count(); ++k) {
        const std::string found = work.at(k);
        p_.set_normal_attributes(found);
        p_.delete_file(found);
      }
    }
    if (p_.exists(paths->output)) p_.delete_file(paths->output);

    lines.write_to(script);
  }

  void skip(const std::string& A, SkipReason reason, ValueRole role = ValueRole::Archive) {
    skipped.push_back({A, reason, role});
  }

  JobFields& f_;
  JobPlatform& p_;
  const std::string script_;
};

const char* role_text(ValueRole role) {
  switch (role) {
    case ValueRole::Archiver: return "Rar.exe 路径";
    case ValueRole::Archive: return "压缩包路径";
    case ValueRole::AddFile: return "要添加的文件路径";
    case ValueRole::DeleteName: return "要删除的文件名";
    case ValueRole::CommentFile: return "注释文件路径";
    case ValueRole::Password: return "新密码";
    case ValueRole::OldPassword: return "原压缩包密码";
    case ValueRole::Output: return "输出压缩包路径";
    case ValueRole::WorkFolder: return "解包文件夹路径";
  }
  return "";
}

std::string reason_text(const SkippedArchive& s) {
  switch (s.reason) {
    case SkipReason::NoRarExtension: return "文件名不以 .rar 结尾，无法确定解包文件夹";
    case SkipReason::NotFullPath: return "不是完整路径";
    case SkipReason::UnsafeValue:
      return std::string(role_text(s.role)) + "含有无法原样传给 Rar.exe 的字符（双引号、换行或结尾的反斜杠）";
    case SkipReason::OutputIsSource: return "新压缩包或解包文件夹与待处理的压缩包同名";
    case SkipReason::WorkFolderExists: return "解包文件夹已存在，为保护其中的文件未作处理";
  }
  return "";
}

}  // namespace

void act_go(JobFields& fields, JobPlatform& platform, JobView& view) {
  view.set_go_enabled(false);
  remove_script(platform);
  if (fields.rar_list().count() == 0) {
    view.report_empty_archive_list();
    view.set_go_enabled(true);
    return;
  }
  Run run(fields, platform);
  try {
    switch (fields.rarmethod()) {
      case kModeInPlace: run.in_place(); break;
      case kModeRepack: run.repack(); break;
      default: break;
    }
  } catch (...) {
    // A run ends silently where it failed; the script is not launched.
  }
  if (!run.skipped.empty()) view.report_skipped(run.skipped);
  view.set_go_enabled(true);
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

std::string skipped_report_text(const std::vector<SkippedArchive>& skipped) {
  constexpr size_t kShown = 20;
  std::string text = "以下压缩包未作处理：\r\n";
  for (size_t i = 0; i < skipped.size() && i < kShown; ++i)
    text += "\r\n" + skipped[i].archive + "\r\n    " + reason_text(skipped[i]);
  if (skipped.size() > kShown) text += "\r\n\r\n……另有 " + std::to_string(skipped.size() - kShown) + " 个压缩包未作处理。";
  return text;
}

}  // namespace zembrel
