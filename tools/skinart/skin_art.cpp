#include "tools/skinart/skin_art.h"

#include <functional>
#include <stdexcept>
#include <utility>

namespace zembrel::skinart {
namespace {

using Drawer = std::function<Image(const SkinColours&)>;

const std::vector<std::pair<std::string, Drawer>>& Drawers() {
  static const std::vector<std::pair<std::string, Drawer>> drawers = {
      {"left.bmp", [](const SkinColours& c) { return FrameBorder(Border::kLeft, c); }},
      {"right.bmp", [](const SkinColours& c) { return FrameBorder(Border::kRight, c); }},
      {"top.bmp", [](const SkinColours& c) { return FrameBorder(Border::kTop, c); }},
      {"bottom.bmp", [](const SkinColours& c) { return FrameBorder(Border::kBottom, c); }},
      {"textback.bmp", TitleTextBack},
      {"close.bmp", [](const SkinColours& c) { return CaptionButton(CaptionGlyph::kClose, c); }},
      {"maximize.bmp", [](const SkinColours& c) { return CaptionButton(CaptionGlyph::kMaximise, c); }},
      {"restore.bmp", [](const SkinColours& c) { return CaptionButton(CaptionGlyph::kRestore, c); }},
      {"minimize.bmp", [](const SkinColours& c) { return CaptionButton(CaptionGlyph::kMinimise, c); }},
      {"sysicon.bmp", WindowIconButton},
      {"button.bmp", PushButtons},
      {"checkbox.bmp", CheckBoxes},
      {"radio.bmp", RadioButtons},
      {"groupedge.bmp", GroupBoxEdge},
      {"grouplabel.bmp", GroupBoxLabel},
      {"statusedges.bmp", StatusBarEdges},
      {"extra.bmp", ExtraImages},
      {"sunkedge.bmp", SunkEdge},
      {"combobutton.bmp", ComboButton},
      {"progress.bmp", ProgressBar},
      {"progresschunk.bmp", ProgressChunk},
      {"scrollbar.bmp", ScrollBarCells},
      {"hscroll.bmp", ScrollTrack},
      {"vscroll.bmp", ScrollTrack},
      {"hthumb.bmp", [](const SkinColours& c) { return ScrollThumb(false, c); }},
      {"vthumb.bmp", [](const SkinColours& c) { return ScrollThumb(true, c); }},
      {"menubar.bmp", MenuBar},
      {"menuitem.bmp", MenuItem},
      {"menuback.bmp", MenuBackground},
      {"help.bmp", HelpCaptionButton},
  };
  return drawers;
}

}  // namespace

Image DrawSkinBitmap(const std::string& name, const SkinColours& colours) {
  for (const auto& [known, draw] : Drawers())
    if (known == name) return draw(colours);
  throw std::invalid_argument("the skin has no bitmap " + name);
}

std::vector<std::string> SkinBitmapNames() {
  std::vector<std::string> names;
  for (const auto& entry : Drawers()) names.push_back(entry.first);
  return names;
}

}  // namespace zembrel::skinart
