// Rar.exe for Wine: hands its arguments to the native rar and returns its exit code.
//
// A Windows process under Wine can start a Unix program but cannot wait for it, and the Unix
// program starts in Wine's own Unix folder. So the bridge writes the Unix current folder and
// the arguments into a private folder, starts a small shell runner there, and waits for the
// runner to leave rar's exit code behind. rar's output is then shown on the bridge's console.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/rarbridge/bridge_args.h"

namespace {

using zembrel::bridge::to_utf8;

constexpr char kRunner[] =
    "#!/bin/bash\n"
    "dir=\"$1\"\n"
    ": > \"$dir/started\"\n"
    "mapfile -d '' -t argv < \"$dir/args\"\n"
    "export LC_ALL=C.UTF-8 PATH=/usr/local/bin:/usr/bin:/bin\n"
    "if cd \"${argv[0]}\"; then\n"
    "  rar \"${argv[@]:1}\" < /dev/null > \"$dir/output\" 2>&1\n"
    "  code=$?\n"
    "else\n"
    "  code=2\n"
    "fi\n"
    "echo \"$code\" > \"$dir/status.tmp\" && mv \"$dir/status.tmp\" \"$dir/status\"\n";

// Wine's own export: the Unix path of a Windows path whose last part exists.
using UnixNameFn = char*(__cdecl*)(LPCWSTR);

std::string unix_path_of(const std::wstring& path) {
  static const auto fn = reinterpret_cast<UnixNameFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!fn) return {};
  wchar_t full[32768];
  const DWORD n = GetFullPathNameW(path.c_str(), 32768, full, nullptr);
  const std::wstring absolute = (n > 0 && n < 32768) ? std::wstring(full, n) : path;
  if (char* unix_name = fn(absolute.c_str())) {
    std::string result(unix_name);
    HeapFree(GetProcessHeap(), 0, unix_name);
    return result;
  }
  // Not there yet (an archive to be made): map the folder and append the name.
  const size_t slash = absolute.find_last_of(L"\\/");
  if (slash == std::wstring::npos || slash + 1 >= absolute.size()) return {};
  const std::string folder = unix_path_of(absolute.substr(0, slash + 1));
  if (folder.empty()) return {};
  return folder + (folder.back() == '/' ? "" : "/") + to_utf8(absolute.substr(slash + 1));
}

bool write_file(const std::wstring& path, const std::string& bytes) {
  HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD wrote = 0;
  const BOOL ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr);
  CloseHandle(h);
  return ok && wrote == bytes.size();
}

std::string read_file(const std::wstring& path) {
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char chunk[8192];
  DWORD got = 0;
  while (ReadFile(h, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(h);
  return bytes;
}

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// rar's output is UTF-8; the console shows it in its own code page.
void show_output(const std::string& utf8) {
  if (utf8.empty()) return;
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD written = 0;
  if (WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr)) return;
  const UINT cp = GetConsoleOutputCP() ? GetConsoleOutputCP() : CP_OEMCP;
  const int m = WideCharToMultiByte(cp, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(m), '\0');
  WideCharToMultiByte(cp, 0, wide.data(), n, bytes.data(), m, nullptr, nullptr);
  WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void remove_folder(const std::wstring& dir) {
  for (const wchar_t* name : {L"args", L"runner.sh", L"started", L"output", L"status", L"status.tmp"})
    DeleteFileW((dir + L"\\" + name).c_str());
  RemoveDirectoryW(dir.c_str());
}

int fail(const char* why) {
  std::fprintf(stderr, "rarbridge: %s\n", why);
  return 2;
}

}  // namespace

int main() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv) return fail("cannot read the command line");
  std::vector<std::wstring> windows_args(argv + 1, argv + argc);
  LocalFree(argv);

  wchar_t cwd[32768];
  const DWORD cwd_len = GetCurrentDirectoryW(32768, cwd);
  const std::string unix_cwd = unix_path_of(std::wstring(cwd, cwd_len));
  if (unix_cwd.empty()) return fail("the current folder has no Unix path");

  const auto command_line = zembrel::bridge::unix_command(windows_args, unix_path_of);
  std::string args = (command_line.folder.empty() ? unix_cwd : command_line.folder) + '\0';
  for (const auto& a : command_line.args) args += a + '\0';

  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring dir = std::wstring(temp) + L"rarbridge-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                           std::to_wstring(GetTickCount64());
  if (!CreateDirectoryW(dir.c_str(), nullptr)) return fail("cannot make a work folder");
  struct Cleanup {
    std::wstring dir;
    ~Cleanup() { remove_folder(dir); }
  } cleanup{dir};

  if (!write_file(dir + L"\\args", args) || !write_file(dir + L"\\runner.sh", kRunner))
    return fail("cannot write the work folder");
  const std::string unix_dir = unix_path_of(dir);
  // The runner's command line passes through Wine's argument splitting: keep it to plain text.
  if (unix_dir.empty() || unix_dir.find_first_not_of(
          "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/._-: ") != std::string::npos)
    return fail("the work folder's Unix path is unusual");
  const std::wstring wide_dir(unix_dir.begin(), unix_dir.end());
  std::wstring command = L"/usr/bin/env LC_ALL=C.UTF-8 /bin/bash \"" + wide_dir + L"/runner.sh\" \"" + wide_dir + L"\"";

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return fail("cannot start the native rar");
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);

  // The runner marks its start at once; after that rar may take as long as it needs.
  const ULONGLONG start_deadline = GetTickCount64() + 30000;
  while (!exists(dir + L"\\status")) {
    if (!exists(dir + L"\\started") && GetTickCount64() > start_deadline) return fail("the native rar did not start");
    Sleep(10);
  }
  show_output(read_file(dir + L"\\output"));
  return std::atoi(read_file(dir + L"\\status").c_str());
}
