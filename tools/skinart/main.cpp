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
#include "tools/skinart/skin_art.h"

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

int Skin(const std::vector<std::string>& args) {
  const SkinColours colours = SkinColours::Load(args[0], args[1]);
  for (std::size_t i = 3; i < args.size(); ++i)
    if (!Write(args[2], args[i], EncodeBmp24(DrawSkinBitmap(args[i], colours)))) return 1;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() == 2 && args[0] == "resources") return Resources(args[1]);
    if (args.size() >= 5 && args[0] == "skin") return Skin({args.begin() + 1, args.end()});
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zembrel-skinart: %s\n", e.what());
    return 1;
  }
  return Usage();
}
