// zembrel-skinart: draws the skin engine's resource bitmaps and the bitmaps of Zembrel's own skin.
//
//   zembrel-skinart resources OUTPUT_FOLDER
//       glazenmenu.bmp, track.bmp, trackvert.bmp
//   zembrel-skinart skin DEFINITION PALETTE OUTPUT_FOLDER NAME...
//       the skin bitmaps NAME..., coloured from the palette and the definition's colour table
//   zembrel-skinart definition BASE OVERLAY OUTPUT
//       the definition BASE with the values of OVERLAY (another skin in other colours)
//
// The output depends on the inputs alone, so every build writes the same bytes.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/skinart/definition_overlay.h"
#include "tools/skinart/engine_resources.h"
#include "tools/skinart/image.h"
#include "tools/skinart/skin_art.h"

namespace {

using namespace zembrel::skinart;

int Usage() {
  std::fprintf(stderr,
               "usage: zembrel-skinart resources OUTPUT_FOLDER\n"
               "       zembrel-skinart skin DEFINITION PALETTE OUTPUT_FOLDER NAME...\n"
               "       zembrel-skinart definition BASE OVERLAY OUTPUT\n");
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

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

int Definition(const std::vector<std::string>& args) {
  const std::string text = OverlayDefinition(ReadText(args[0]), ReadText(args[1]));
  const std::vector<std::uint8_t> bytes(text.begin(), text.end());
  if (WriteFile(args[2], bytes)) return 0;
  std::fprintf(stderr, "zembrel-skinart: cannot write %s\n", args[2].c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() == 2 && args[0] == "resources") return Resources(args[1]);
    if (args.size() >= 5 && args[0] == "skin") return Skin({args.begin() + 1, args.end()});
    if (args.size() == 4 && args[0] == "definition") return Definition({args.begin() + 1, args.end()});
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zembrel-skinart: %s\n", e.what());
    return 1;
  }
  return Usage();
}
