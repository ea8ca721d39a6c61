#include "skin/data/skin_platform.h"

#include <windows.h>

#include <optional>

namespace zembrel {
namespace {

SkinPlatform ReadSystemPlatform() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  SkinPlatform p;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (GetVersionExA(&info)) {
#pragma GCC diagnostic pop
    p.nt = info.dwPlatformId == VER_PLATFORM_WIN32_NT;
    p.major = static_cast<int>(info.dwMajorVersion);
    p.minor = static_cast<int>(info.dwMinorVersion);
  }
  return p;
}

std::optional<SkinPlatform>& TestPlatform() {
  static std::optional<SkinPlatform> platform;
  return platform;
}

}  // namespace

const SkinPlatform& CurrentSkinPlatform() {
  static const SkinPlatform system = ReadSystemPlatform();
  return TestPlatform() ? *TestPlatform() : system;
}

void SetSkinPlatformForTest(const SkinPlatform& platform) { TestPlatform() = platform; }
void ResetSkinPlatformForTest() { TestPlatform().reset(); }

bool IsWin9x() { return !CurrentSkinPlatform().nt; }
bool IsNT4() {
  const SkinPlatform& p = CurrentSkinPlatform();
  return p.nt && p.major == 4;
}
bool IsNT50() {
  const SkinPlatform& p = CurrentSkinPlatform();
  return p.nt && p.major == 5 && p.minor == 0;
}

}  // namespace zembrel
