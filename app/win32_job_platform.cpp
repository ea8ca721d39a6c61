#include "app/win32_job_platform.h"

#include <shellapi.h>

#include "app/win32_file.h"

namespace zembrel {

namespace {

JobFileError file_error(const std::string& path, DWORD code) {
  return JobFileError(path + "：" + system_error_text(code));
}

// Lines collect in memory and reach the file in large writes; close() reports any failure.
class Win32ScriptFile final : public ScriptFile {
 public:
  Win32ScriptFile(OwnedHandle file, std::string path) : file_(std::move(file)), path_(std::move(path)) {}
  ~Win32ScriptFile() override {
    try {
      close();
    } catch (...) {
      // Only a script that was closed successfully is ever used; the run has reported it.
    }
  }

  void write(const std::string& bytes) override {
    if (!file_) throw file_error(path_, ERROR_INVALID_HANDLE);
    pending_ += bytes;
    if (pending_.size() >= kFlushSize) flush();
  }

  void close() override {
    if (!file_) return;
    flush();
    if (!file_.close()) throw file_error(path_, GetLastError());
  }

 private:
  static constexpr size_t kFlushSize = 256 * 1024;
  void flush() {
    try {
      write_all(file_.get(), pending_);
    } catch (const FileError& e) {
      file_.reset();
      throw file_error(path_, e.code());
    }
    pending_.clear();
  }
  OwnedHandle file_;
  std::string path_;
  std::string pending_;
};

class Win32ScriptProcess final : public ScriptProcess {
 public:
  explicit Win32ScriptProcess(HANDLE process) : process_(process) {}
  bool running() override { return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

 private:
  OwnedHandle process_;
};

// Waits for the process while the program's windows go on handling their messages.
void wait_pumping(HANDLE process) {
  while (MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop that owns it
        WaitForSingleObject(process, INFINITE);
        return;
      }
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

}  // namespace

std::string executable_folder() {
  char path[MAX_PATH * 4];
  const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, n).substr(0, std::string(path, n).rfind('\\') + 1);
}

bool Win32JobPlatform::exists(const std::string& path) const {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32JobPlatform::is_file(const std::string& path) const {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Win32JobPlatform::full_path(const std::string& path) const {
  char buffer[MAX_PATH * 4];
  const DWORD n = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
  return (n == 0 || n >= sizeof buffer) ? path : std::string(buffer, n);
}

void Win32JobPlatform::delete_file(const std::string& path) { DeleteFileA(path.c_str()); }

bool Win32JobPlatform::make_folder(const std::string& path) {
  CreateDirectoryA(path.c_str(), nullptr);
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void Win32JobPlatform::remove_tree(const std::string& folder) {
  for (const auto& entry : list_folder(folder)) {
    if (entry.name == "." || entry.name == "..") continue;
    const std::string path = folder + entry.name;
    if (entry.is_folder && !entry.is_link) {
      remove_tree(path + "\\");
    } else if (entry.is_folder) {
      RemoveDirectoryA(path.c_str());
    } else {
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(path.c_str());
    }
  }
  RemoveDirectoryA(folder.c_str());
}

std::unique_ptr<ScriptFile> Win32JobPlatform::create_text(const std::string& path) {
  OwnedHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw file_error(path, GetLastError());
  return std::make_unique<Win32ScriptFile>(std::move(file), path);
}

std::optional<std::string> Win32JobPlatform::read_file(const std::string& path) {
  try {
    return read_whole_file(path);
  } catch (const FileError&) {
    return std::nullopt;
  }
}

ProcessResult Win32JobPlatform::run_and_wait(const std::string& command_line, const std::string& current_folder,
                                             bool capture_output) {
  std::string line = command_line;  // CreateProcessA may write into its command line
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  OwnedHandle output, input;
  static unsigned captures = 0;  // each capture a file of its own
  const std::string output_path = scratch_file("output-" + std::to_string(++captures) + ".txt");
  if (capture_output) {
    // The child's console stays hidden; it reads nothing and writes into the file.
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    output = OwnedHandle(CreateFileA(output_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, &inherit,
                                     CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr));
    input = OwnedHandle(CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr));
    if (!output) return {};
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = input.get();
    startup.hStdOutput = output.get();
    startup.hStdError = output.get();
  }
  PROCESS_INFORMATION process{};
  ProcessResult result;
  result.started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, capture_output, 0, nullptr, current_folder.empty() ? nullptr : current_folder.c_str(), &startup, &process) != 0;
  if (result.started) {
    OwnedHandle thread(process.hThread);
    OwnedHandle child(process.hProcess);
    wait_pumping(child.get());
    DWORD code = 0;
    GetExitCodeProcess(child.get(), &code);
    result.exit_code = code;
  }
  if (capture_output) {
    output.reset();
    result.output = read_file(output_path).value_or("");
    DeleteFileA(output_path.c_str());
  }
  return result;
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

std::unique_ptr<ScriptProcess> Win32JobPlatform::launch(const std::string& script) {
  const std::string path = full_path(script);
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.hwnd = owner_;
  info.lpFile = path.c_str();
  info.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExA(&info) || !info.hProcess) return nullptr;
  return std::make_unique<Win32ScriptProcess>(info.hProcess);
}

std::string Win32JobPlatform::scratch_file(const std::string& name) const {
  char temp[MAX_PATH];
  const DWORD n = GetTempPathA(MAX_PATH, temp);
  return std::string(temp, n) + "zembrel-" + std::to_string(GetCurrentProcessId()) + "-" + name;
}

}  // namespace zembrel
