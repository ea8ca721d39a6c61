#include "tools/rarbridge/bridge_args.h"

#include <windows.h>

namespace zembrel::bridge {

std::string to_utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

bool is_windows_full_path(const std::wstring& arg) {
  if (arg.size() >= 3 && iswalpha(arg[0]) && arg[1] == L':' && (arg[2] == L'\\' || arg[2] == L'/')) return true;
  return arg.size() > 2 && arg[0] == L'\\' && arg[1] == L'\\';
}

namespace {

std::string slashed(const std::wstring& arg) {
  std::wstring text = arg;
  for (auto& c : text)
    if (c == L'\\') c = L'/';
  return to_utf8(text);
}

std::string mapped(const std::wstring& path, const PathMapper& map) {
  const std::string unix_path = map(path);
  return unix_path.empty() ? slashed(path) : unix_path;
}

}  // namespace

std::vector<std::string> unix_arguments(const std::vector<std::wstring>& windows_args, const PathMapper& map) {
  std::vector<std::string> out;
  for (const auto& arg : windows_args) {
    if (arg.size() > 2 && arg[0] == L'-' && (arg[1] == L'z' || arg[1] == L'Z')) {
      out.push_back(to_utf8(arg.substr(0, 2)) + mapped(arg.substr(2), map));
    } else if (!arg.empty() && arg[0] == L'-') {
      out.push_back(to_utf8(arg));
    } else if (is_windows_full_path(arg)) {
      out.push_back(mapped(arg, map));
    } else {
      out.push_back(slashed(arg));
    }
  }
  return out;
}

UnixCommand unix_command(const std::vector<std::wstring>& windows_args, const PathMapper& map) {
  UnixCommand command{"", unix_arguments(windows_args, map)};
  // The positions of the plain arguments: command, archive, then the files.
  std::vector<size_t> plain;
  for (size_t i = 0; i < windows_args.size(); ++i) {
    const std::wstring& arg = windows_args[i];
    if (arg.size() > 1 && arg[0] == L'-') {
      if (arg.size() >= 3 && (arg[1] == L'e' || arg[1] == L'E') && (arg[2] == L'p' || arg[2] == L'P')) return command;
      continue;
    }
    plain.push_back(i);
  }
  if (plain.size() < 3) return command;
  const std::wstring& verb = windows_args[plain[0]];
  if (verb.size() != 1 || std::wstring(L"aAuUfFmM").find(verb[0]) == std::wstring::npos) return command;
  std::wstring drive;
  for (size_t k = 2; k < plain.size(); ++k) {
    const std::wstring& file = windows_args[plain[k]];
    if (!is_windows_full_path(file) || file[1] != L':') return command;
    const std::wstring this_drive = {static_cast<wchar_t>(towupper(file[0])), L':', L'\\'};
    if (!drive.empty() && this_drive != drive) return command;
    drive = this_drive;
  }
  std::string root = map(drive);
  if (root.empty()) return command;
  if (root.back() != '/') root += '/';
  std::vector<std::string> relative;
  for (size_t k = 2; k < plain.size(); ++k) {
    const std::string& file = command.args[plain[k]];
    if (file.compare(0, root.size(), root) != 0 || file.size() == root.size()) return command;
    relative.push_back(file.substr(root.size()));
  }
  for (size_t k = 2; k < plain.size(); ++k) command.args[plain[k]] = relative[k - 2];
  command.folder = root;
  return command;
}

}  // namespace zembrel::bridge
