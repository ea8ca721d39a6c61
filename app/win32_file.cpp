#include "app/win32_file.h"

namespace zembrel {

std::string read_whole_file(const std::string& path) {
  OwnedHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) throw FileError("cannot open " + path);
  std::string bytes;
  char chunk[64 * 1024];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr)) throw FileError("cannot read " + path);
    if (got == 0) break;
    bytes.append(chunk, got);
  }
  return bytes;
}

void write_all(HANDLE file, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
    DWORD wrote = 0;
    if (!WriteFile(file, bytes.data() + done, want, &wrote, nullptr) || wrote == 0) throw FileError("write failed");
    done += wrote;
  }
}

void write_whole_file(const std::string& path, const std::string& bytes) {
  OwnedHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw FileError("cannot create " + path);
  write_all(file.get(), bytes);
  if (!file.close()) throw FileError("cannot close " + path);
}

}  // namespace zembrel
