#include "app/batch_commands.h"

#include <cctype>
#include <cstring>

namespace zembrel {

namespace {

char upper_ascii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool ends_with_ci(const std::string& text, const char* suffix) {
  const size_t n = std::strlen(suffix);
  if (text.size() < n) return false;
  for (size_t i = 0; i < n; ++i)
    if (upper_ascii(text[text.size() - n + i]) != upper_ascii(suffix[i])) return false;
  return true;
}

// Characters that need neither quotes for the archiver nor escapes for the command interpreter.
// Bytes of multibyte characters are left out: a trail byte may be '|' or '^'.
bool is_plain(unsigned char c) {
  if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  return c != 0 && std::strchr("!#$%*+-./:?@[]_{}~'`\\", c) != nullptr;
}

bool quotable(const std::string& value) {
  for (const char c : value)
    if (c == '"' || c == '\r' || c == '\n' || c == '\x01') return false;
  return value.empty() || value.back() != '\\';
}

}  // namespace

std::string strip_path(const std::string& path) {
  const size_t slash = path.rfind('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string folder_of(const std::string& path) {
  const size_t slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool is_blank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

bool name_matches(const std::string& entry_name, const std::string& wanted_name) {
  if (is_blank(wanted_name)) return false;
  if (entry_name.size() != wanted_name.size()) return false;
  for (size_t i = 0; i < entry_name.size(); ++i)
    if (upper_ascii(entry_name[i]) != upper_ascii(wanted_name[i])) return false;
  return true;
}

bool is_full_path(const std::string& path) {
  if (path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' && path[2] == '\\')
    return true;
  return path.size() > 2 && path[0] == '\\' && path[1] == '\\';
}

std::optional<RepackPaths> repack_paths(const std::string& archive, const std::string& exe_folder) {
  const std::string name = strip_path(archive);
  if (name.size() <= 4 || !ends_with_ci(name, ".rar")) return std::nullopt;
  RepackPaths paths;
  paths.work_folder_bare = folder_of(archive) + name.substr(0, name.size() - 4);
  paths.work_folder = paths.work_folder_bare + "\\";
  paths.output = exe_folder + "finish\\" + name;
  return paths;
}

void CommandLine::refuse(ValueRole role) {
  if (!refused_) refused_ = role;
}

CommandLine& CommandLine::text(const char* literal) {
  text_ += literal;
  return *this;
}

CommandLine& CommandLine::quoted(const std::string& value, ValueRole role) {
  const bool archive_mark = role == ValueRole::Archive && value == kArchiveMark;
  if (!archive_mark && !quotable(value)) refuse(role);
  text_ += '"';
  text_ += value;
  text_ += '"';
  return *this;
}

CommandLine& CommandLine::password(const std::string& value, ValueRole role) {
  text_ += "-p";
  bool plain = true;
  for (unsigned char c : value) plain = plain && is_plain(c);
  if (plain) {
    text_ += value;
    return *this;
  }
  return quoted(value, role);
}

std::string CommandLine::script_line() const {
  std::string line;
  append_script_line(line);
  line.resize(line.size() - 2);
  return line;
}

void CommandLine::append_script_line(std::string& out) const {
  size_t from = 0;
  for (size_t percent = text_.find('%'); percent != std::string::npos; percent = text_.find('%', percent + 1)) {
    out.append(text_, from, percent + 1 - from);
    out += '%';
    from = percent + 1;
  }
  out.append(text_, from, std::string::npos);
  out += "\r\n";
}

CommandLine inplace_add_line(const std::string& R, const std::string& A, const std::string& F) {
  CommandLine c;
  c.quoted(R, ValueRole::Archiver).text(" a -ep ").quoted(A, ValueRole::Archive).text(" ").quoted(F, ValueRole::AddFile);
  return c;
}

CommandLine inplace_delete_line(const std::string& R, const std::string& A, const std::string& N) {
  CommandLine c;
  c.quoted(R, ValueRole::Archiver).text(" d ").quoted(A, ValueRole::Archive).text(" ").quoted(N, ValueRole::DeleteName);
  // The archiver would take such a name for a switch or a list file, not for a file name.
  if (!N.empty() && (N[0] == '-' || N[0] == '@')) c.refuse(ValueRole::DeleteName);
  return c;
}

CommandLine comment_line(const std::string& R, const std::string& M, const std::string& target) {
  CommandLine c;
  c.quoted(R, ValueRole::Archiver).text(" c -z").quoted(M, ValueRole::CommentFile).text(" ");
  c.quoted(target, ValueRole::Archive);
  return c;
}

CommandLine lock_line(const std::string& R, const std::string& target) {
  CommandLine c;
  c.quoted(R, ValueRole::Archiver).text(" k ").quoted(target, ValueRole::Archive);
  return c;
}

CommandLine unpack_line(const std::string& R, const std::string& A, const std::string& Q) {
  CommandLine c;
  c.quoted(R, ValueRole::Archiver).text(" x -ad -y ");
  if (!Q.empty()) c.password(Q, ValueRole::OldPassword).text(" ");
  c.quoted(A, ValueRole::Archive);
  return c;
}

CommandLine pack_line(const std::string& R, const std::string& O, const std::string& V, const std::string* P) {
  CommandLine c;
  c.quoted(R, ValueRole::Archiver).text(" a -ep1 -r -df -y ");
  if (P) c.password(*P, ValueRole::Password).text(" ");
  c.quoted(O, ValueRole::Output).text(" ");
  c.quoted(V + "\\*", ValueRole::WorkFolder);
  return c;
}

CommandLine remove_folder_line(const std::string& V) {
  CommandLine c;
  c.text("rd ").quoted(V, ValueRole::WorkFolder);
  return c;
}

}  // namespace zembrel
