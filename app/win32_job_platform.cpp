#include "app/win32_job_platform.h"

#include <shellapi.h>

#include "app/win32_file.h"

namespace zembrel {

namespace {

// Lines collect in memory and reach the file in large writes; close() reports any failure.
class Win32ScriptFile final : public ScriptFile {
 public:
  explicit Win32ScriptFile(OwnedHandle file) : file_(std::move(file)) {}
  ~Win32ScriptFile() override {
    try {
      close();
    } catch (...) {
    }
  }

  void write_line(const std::string& line) override {
    if (!file_) throw FileError("script closed");
    pending_ += line;
    pending_ += "\r\n";
    if (pending_.size() >= kFlushSize) flush();
  }

  void close() override {
    if (!file_) return;
    flush();
    if (!file_.close()) throw FileError("cannot close script");
  }

 private:
  static constexpr size_t kFlushSize = 256 * 1024;
  void flush() {
    write_all(file_.get(), pending_);
    pending_.clear();
  }
  OwnedHandle file_;
  std::string pending_;
};

}  // namespace

std::string executable_folder() {
  char path[MAX_PATH * 4];
  const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, n).substr(0, std::string(path, n).rfind('\\') + 1);
}

bool Win32JobPlatform::exists(const std::string& path) const {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Win32JobPlatform::full_path(const std::string& path) const {
  char buffer[MAX_PATH * 4];
  const DWORD n = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
  return (n == 0 || n >= sizeof buffer) ? path : std::string(buffer, n);
}

void Win32JobPlatform::delete_file(const std::string& path) { DeleteFileA(path.c_str()); }

void Win32JobPlatform::create_empty(const std::string& path) { write_whole_file(path, std::string()); }

std::unique_ptr<ScriptFile> Win32JobPlatform::open_append(const std::string& path) {
  OwnedHandle file(CreateFileA(path.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw FileError("cannot open " + path);
  return std::make_unique<Win32ScriptFile>(std::move(file));
}

void Win32JobPlatform::run_and_wait(const std::string& command_line, const std::string& current_folder) {
  std::string line = command_line;  // CreateProcessA may write into its command line
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      current_folder.empty() ? nullptr : current_folder.c_str(), &startup, &process))
    return;
  OwnedHandle thread(process.hThread);
  OwnedHandle child(process.hProcess);
  thread.reset();
  WaitForSingleObject(child.get(), INFINITE);
}

void Win32JobPlatform::copy_file(const std::string& from, const std::string& to) {
  CopyFileA(from.c_str(), to.c_str(), FALSE);
}

void Win32JobPlatform::set_normal_attributes(const std::string& path) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

std::vector<FolderEntry> Win32JobPlatform::list_folder(const std::string& folder) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAA data;
  const HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return entries;
  struct FindGuard {
    HANDLE h;
    ~FindGuard() { FindClose(h); }
  } guard{find};
  do {
    FolderEntry entry;
    entry.name = data.cFileName;
    entry.is_folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entry.is_link = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    entries.push_back(std::move(entry));
  } while (FindNextFileA(find, &data));
  return entries;
}

void Win32JobPlatform::launch(const std::string& script) {
  ShellExecuteA(owner_, nullptr, full_path(script).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace zembrel
