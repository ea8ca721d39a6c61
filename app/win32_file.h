// Small owned kernel32 handles and whole-file reads and writes for the job's files.
#pragma once

#include <windows.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace zembrel {

class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  OwnedHandle(OwnedHandle&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.h_, nullptr));
    return *this;
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  ~OwnedHandle() { reset(); }

  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void reset(HANDLE h = nullptr) {
    if (h_) CloseHandle(h_);
    h_ = h;
  }
  // Closes and reports whether the close succeeded (a buffered write may fail only then).
  bool close() { return h_ ? CloseHandle(std::exchange(h_, nullptr)) != 0 : true; }

 private:
  HANDLE h_ = nullptr;
};

// A failed file operation and the system's error code for it.
class FileError : public std::runtime_error {
 public:
  explicit FileError(const std::string& what, DWORD code = GetLastError()) : std::runtime_error(what), code_(code) {}
  DWORD code() const { return code_; }

 private:
  DWORD code_;
};

// Throws FileError when the file cannot be read.
std::string read_whole_file(const std::string& path);
// Creates or truncates the file with exactly these bytes; throws FileError on failure.
void write_whole_file(const std::string& path, const std::string& bytes);
void write_all(HANDLE file, const std::string& bytes);

}  // namespace zembrel
