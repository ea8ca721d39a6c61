// How the bridge turns the archiver's Windows arguments into arguments for the native rar.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zembrel::bridge {

// Maps a Windows path to a Unix one (UTF-8); empty when it cannot.
using PathMapper = std::function<std::string(const std::wstring&)>;

std::string to_utf8(const std::wstring& text);

// "X:\..." "X:/..." or "\\...".
bool is_windows_full_path(const std::wstring& arg);

// Full paths are mapped, a comment switch's path too; other arguments keep their text with
// backslashes turned into slashes, except switches, which stay exactly as given (a password may
// hold backslashes).
std::vector<std::string> unix_arguments(const std::vector<std::wstring>& windows_args, const PathMapper& map);

// The native rar's command: its arguments, and the folder to run it in (empty: the current one).
struct UnixCommand {
  std::string folder;
  std::vector<std::string> args;
};

// Like unix_arguments, but files given to an adding command (a, u, f, m) by full paths on one
// drive, with no -ep switch, are passed relative to that drive's root and rar runs there: the
// Windows archiver stores such a file under its path without the drive ("Docs\readme.txt"),
// never under a Unix path.
UnixCommand unix_command(const std::vector<std::wstring>& windows_args, const PathMapper& map);

}  // namespace zembrel::bridge
