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

}  // namespace zembrel::bridge
