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

}  // namespace zembrel::bridge
