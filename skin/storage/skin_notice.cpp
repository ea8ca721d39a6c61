#include "skin/storage/skin_notice.h"

#include <cstdio>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#endif

namespace zembrel {
namespace {

void DefaultNotice(const std::string& text) {
#ifdef _WIN32
  // Captioned, like a plain message of the program, with the executable's name.
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string title(path);
  if (const auto slash = title.find_last_of("\\/"); slash != std::string::npos) title.erase(0, slash + 1);
  if (const auto dot = title.rfind('.'); dot != std::string::npos) title.erase(dot);
  MessageBoxA(GetActiveWindow(), text.c_str(), title.c_str(), MB_OK);
#else
  std::fprintf(stderr, "%s\n", text.c_str());
#endif
}

SkinNoticeHandler& Handler() {
  static SkinNoticeHandler handler;
  return handler;
}

}  // namespace

SkinNoticeHandler SetSkinNoticeHandler(SkinNoticeHandler handler) {
  return std::exchange(Handler(), std::move(handler));
}

void ShowSkinNotice(const std::string& text) {
  if (Handler()) {
    Handler()(text);
  } else {
    DefaultNotice(text);
  }
}

}  // namespace zembrel
