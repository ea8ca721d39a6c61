#include "tests/e2e/archive_fixture.h"

#include <cstdio>

#include <tlhelp32.h>

#include <algorithm>
#include <set>
#include <stdexcept>

#include "app/win32_file.h"

namespace zembrel::e2e {

std::string archiver_path() {
  std::string path = "Z:" ZEMBREL_RAR_BRIDGE;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

namespace {

void remove_tree(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        remove_tree(path + "\\");
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

ScratchFolder::ScratchFolder() {
  static int counter = 0;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  path_ = std::string(temp) + "zembrel-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter) + "\\";
  remove_tree(path_);
  make_folder(path_);
}

ScratchFolder::~ScratchFolder() { remove_tree(path_); }

void make_folder(const std::string& path) {
  for (size_t i = path.find('\\', 3); i != std::string::npos; i = path.find('\\', i + 1))
    CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
  CreateDirectoryA(path.c_str(), nullptr);
}

void write_text(const std::string& path, const std::string& text) {
  make_folder(path.substr(0, path.rfind('\\')));
  write_whole_file(path, text);
}

std::string read_text(const std::string& path) { return read_whole_file(path); }

bool path_exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

RarResult run_rar(const std::string& arguments, const std::string& folder) {
  ScratchFolder capture;
  const std::string out_path = capture / "out.txt";
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  OwnedHandle out(CreateFileA(out_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr));
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = out.get();
  startup.hStdError = out.get();
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process{};
  std::string line = "\"" + archiver_path() + "\" " + arguments;
  RarResult result;
  // Under Wine a process start has been seen to fail now and then while another test program
  // starts at the same moment; a start is tried again twice, and every refusal is told.
  for (int attempt = 1;; ++attempt) {
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                       folder.empty() ? nullptr : folder.c_str(), &startup, &process))
      break;
    const std::string why = "cannot start the archiver (error " + std::to_string(GetLastError()) + "): " + line;
    std::fprintf(stderr, "%s\n", why.c_str());
    if (attempt == 3) throw std::runtime_error(why);
    Sleep(200);
  }
  OwnedHandle thread(process.hThread), child(process.hProcess);
  WaitForSingleObject(child.get(), INFINITE);
  GetExitCodeProcess(child.get(), &result.exit_code);
  out.reset();
  result.output = read_text(out_path);
  return result;
}

void make_archive(const std::string& archive, const std::map<std::string, std::string>& files,
                  const std::string& password) {
  ScratchFolder staging;
  for (const auto& [name, content] : files) write_text(staging / name, content);
  const std::string pw = password.empty() ? "" : "-p\"" + password + "\" ";
  const RarResult r = run_rar("a -r -y " + pw + "\"" + archive + "\" *", staging.path());
  if (r.exit_code != 0) throw std::runtime_error("cannot make " + archive + ": " + r.output);
}

std::vector<std::string> archive_entries(const std::string& archive) {
  const RarResult r = run_rar("lb \"" + archive + "\"");
  std::vector<std::string> names;
  size_t start = 0;
  while (start < r.output.size()) {
    size_t end = r.output.find('\n', start);
    if (end == std::string::npos) end = r.output.size();
    std::string name = r.output.substr(start, end - start);
    if (!name.empty() && name.back() == '\r') name.pop_back();
    if (!name.empty()) names.push_back(name);
    start = end + 1;
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string archive_comment(const std::string& archive) {
  ScratchFolder out;
  run_rar("cw -y \"" + archive + "\" \"" + out / "c.txt" + "\"");
  return path_exists(out / "c.txt") ? read_text(out / "c.txt") : std::string("<no comment>");
}

bool archive_locked(const std::string& archive) {
  return run_rar("lt \"" + archive + "\"").output.find(", lock") != std::string::npos;
}

bool archive_opens_with(const std::string& archive, const std::string& password) {
  return run_rar("t -p\"" + password + "\" \"" + archive + "\"").exit_code == 0;
}

bool wait_for_launched_scripts(DWORD timeout_ms) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  for (;;) {
    std::set<DWORD> children;
    OwnedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL ok = Process32First(snapshot.get(), &entry); ok; ok = Process32Next(snapshot.get(), &entry))
      if (entry.th32ParentProcessID == GetCurrentProcessId() && _stricmp(entry.szExeFile, "cmd.exe") == 0)
        children.insert(entry.th32ProcessID);
    if (children.empty()) return true;
    for (DWORD pid : children) {
      OwnedHandle process(OpenProcess(SYNCHRONIZE, FALSE, pid));
      if (!process) continue;
      const ULONGLONG now = GetTickCount64();
      if (now >= deadline) return false;
      WaitForSingleObject(process.get(), static_cast<DWORD>(deadline - now));
    }
    if (GetTickCount64() >= deadline) return false;
  }
}

}  // namespace zembrel::e2e
