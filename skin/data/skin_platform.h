// Which Windows the skin engine runs on, for the few places where it paints or hooks differently:
// the 9x family, NT 4, and exactly NT 5.0. Read from the system once; tests may set it.
#pragma once

namespace zembrel {

struct SkinPlatform {
  bool nt = true;
  int major = 10;
  int minor = 0;
};

// From GetVersionEx at first use, unless a test has set it.
const SkinPlatform& CurrentSkinPlatform();
void SetSkinPlatformForTest(const SkinPlatform& platform);
// Back to what the system reports.
void ResetSkinPlatformForTest();

bool IsWin9x();
bool IsNT4();
// NT 5.0 exactly: the caption style is taken off while a window is skinned.
bool IsNT50();

}  // namespace zembrel
