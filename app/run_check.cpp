#include "app/run_check.h"

#include <algorithm>

namespace zembrel {

namespace {

std::string folded(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

void sort_names(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return folded(a) < folded(b); });
}

void add_tree(JobPlatform& p, const std::string& folder, const std::string& prefix, std::vector<std::string>& out) {
  for (const auto& entry : p.list_folder(folder)) {
    if (entry.name == "." || entry.name == ".." || entry.is_link) continue;
    out.push_back(prefix + entry.name);
    if (entry.is_folder) add_tree(p, folder + entry.name + "\\", prefix + entry.name + "\\", out);
  }
}

bool has_root_name(const std::vector<std::string>& names, const std::string& wanted) {
  return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return name_matches(n, wanted); });
}

// The archiver's command for the target: the password that opens it, or "never ask".
CommandLine archiver_command(const std::string& R, const char* command, const ArchiveCheck& c) {
  CommandLine line;
  line.quoted(R, ValueRole::Archiver).text(" ").text(command).text(" -y ");
  if (c.has_password) line.password(c.password, ValueRole::Password);
  else line.text("-p-");
  line.text(" ").quoted(c.target, ValueRole::Output);
  return line;
}

bool locked(const std::string& technical_listing) {
  size_t at = 0;
  while ((at = technical_listing.find("Details:", at)) != std::string::npos) {
    const size_t end = technical_listing.find('\n', at);
    if (technical_listing.substr(at, end - at).find("lock") != std::string::npos) return true;
    at = end;
  }
  return false;
}

void fail(ArchiveResult& row, Why why, unsigned long code = 0, const std::string& name = "") {
  row.state = ArchiveState::Failed;
  row.why = why;
  row.exit_code = code;
  row.name = name;
}

// Runs a check command; false (with the row marked) when it could not run or did not succeed.
bool run_check(JobPlatform& p, const CommandLine& line, ArchiveResult& row, Why why, ProcessResult& result) {
  result = p.run_and_wait(line.str(), "", true);
  if (!result.started) fail(row, Why::CheckNotStarted);
  else if (result.exit_code != 0) fail(row, why, result.exit_code);
  return row.state != ArchiveState::Failed;
}

}  // namespace

std::vector<std::string> listed_names(const std::string& output) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start < output.size()) {
    size_t end = output.find('\n', start);
    if (end == std::string::npos) end = output.size();
    std::string name = output.substr(start, end - start);
    if (!name.empty() && name.back() == '\r') name.pop_back();
    std::replace(name.begin(), name.end(), '/', '\\');
    if (!name.empty()) names.push_back(name);
    start = end + 1;
  }
  sort_names(names);
  return names;
}

std::vector<std::string> folder_tree(JobPlatform& platform, const std::string& folder) {
  std::vector<std::string> names;
  add_tree(platform, folder, "", names);
  sort_names(names);
  return names;
}

void check_archive(const ArchiveCheck& c, const std::string& R, JobPlatform& p, ArchiveResult& row) {
  if (!p.is_file(c.target)) return fail(row, Why::OutputMissing);
  ProcessResult result;
  // In place, the archive keeps its old password: without one the encrypted files cannot be
  // tested (exit code 11), which says nothing about what the script did.
  const bool untestable = !c.repacked && !c.has_password;
  result = p.run_and_wait(archiver_command(R, "t", c).str(), "", true);
  if (!result.started) return fail(row, Why::CheckNotStarted);
  if (result.exit_code != 0 && !(untestable && result.exit_code == 11)) return fail(row, Why::TestFailed, result.exit_code);
  if (!run_check(p, archiver_command(R, "lb", c), row, Why::ListFailed, result)) return;
  const std::vector<std::string> names = listed_names(result.output);
  if (c.repacked) {
    const auto [want, got] = std::mismatch(c.tree.begin(), c.tree.end(), names.begin(), names.end());
    if (want != c.tree.end()) return fail(row, Why::TreeDiffers, 0, *want);
    if (got != names.end()) return fail(row, Why::TreeDiffers, 0, *got);
  } else if (c.root) {
    for (const auto& name : c.root->added)
      if (!has_root_name(names, name)) return fail(row, Why::AddedMissing, 0, name);
    for (const auto& name : c.root->deleted)
      if (has_root_name(names, name)) return fail(row, Why::DeletedPresent, 0, name);
  }
  if (c.lock) {
    if (!run_check(p, archiver_command(R, "lt", c), row, Why::ListFailed, result)) return;
    if (!locked(result.output)) return fail(row, Why::NotLocked);
  }
  if (c.comment) {
    const std::string comment_file = p.scratch_file("zembrel-comment.txt");
    p.delete_file(comment_file);
    CommandLine line = archiver_command(R, "cw", c);
    line.text(" ").quoted(comment_file, ValueRole::Output);
    if (!run_check(p, line, row, Why::ListFailed, result)) return;
    const auto text = p.read_file(comment_file);
    p.delete_file(comment_file);
    if (!text || text->find_first_not_of(" \t\r\n") == std::string::npos) return fail(row, Why::CommentMissing);
  }
}

}  // namespace zembrel
