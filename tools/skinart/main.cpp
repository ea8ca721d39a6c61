// zembrel-skinart: draws the skin engine's resource bitmaps and the bitmaps of Zembrel's own skin.
//
//   zembrel-skinart resources OUTPUT_FOLDER
//       glazenmenu.bmp, track.bmp, trackvert.bmp
//   zembrel-skinart skin DEFINITION PALETTE OUTPUT_FOLDER NAME...
//       the skin bitmaps NAME..., coloured from the palette and the definition's colour table
//
// The output depends on the inputs alone, so every build writes the same bytes.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "tools/skinart/engine_resources.h"
#include "tools/skinart/image.h"

namespace {

using namespace zembrel::skinart;

int Usage() {
  std::fprintf(stderr,
               "usage: zembrel-skinart resources OUTPUT_FOLDER\n"
               "       zembrel-skinart skin DEFINITION PALETTE OUTPUT_FOLDER NAME...\n");
  return 2;
}

bool Write(const std::string& folder, const std::string& name, const std::vector<std::uint8_t>& bytes) {
  if (WriteFile(folder + "/" + name, bytes)) return true;
  std::fprintf(stderr, "zembrel-skinart: cannot write %s/%s\n", folder.c_str(), name.c_str());
  return false;
}

int Resources(const std::string& folder) {
  const bool ok = Write(folder, "glazenmenu.bmp", EncodeBmp1(MenuGlyphs())) &&
                  Write(folder, "track.bmp", EncodeBmp24(TrackChannel(false))) &&
                  Write(folder, "trackvert.bmp", EncodeBmp24(TrackChannel(true)));
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() == 2 && args[0] == "resources") return Resources(args[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zembrel-skinart: %s\n", e.what());
    return 1;
  }
  return Usage();
}
