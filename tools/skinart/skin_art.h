// The bitmaps of Zembrel's own skin, drawn by name. Every drawer returns the whole strip of
// state frames that the definition names under that file name; tools/skinart/README.md lists the
// cell order of each.
#pragma once

#include <string>
#include <vector>

#include "tools/skinart/image.h"
#include "tools/skinart/skin_colours.h"

namespace zembrel::skinart {

// The bitmap of that file name; throws std::invalid_argument for a name this skin has none of.
Image DrawSkinBitmap(const std::string& name, const SkinColours& colours);

// Every file name DrawSkinBitmap knows, in a fixed order.
std::vector<std::string> SkinBitmapNames();

// Drawers by element family (frame_art.cpp, control_art.cpp, scroll_art.cpp, menu_art.cpp).
enum class Border { kLeft, kRight, kTop, kBottom };
Image FrameBorder(Border border, const SkinColours& c);
Image TitleTextBack(const SkinColours& c);
enum class CaptionGlyph { kClose, kMaximise, kRestore, kMinimise };
Image CaptionButton(CaptionGlyph glyph, const SkinColours& c);
Image WindowIconButton(const SkinColours& c);

Image PushButtons(const SkinColours& c);
Image CheckBoxes(const SkinColours& c);
Image RadioButtons(const SkinColours& c);
Image GroupBoxEdge(const SkinColours& c);
Image GroupBoxLabel(const SkinColours& c);
Image StatusBarEdges(const SkinColours& c);
Image ExtraImages(const SkinColours& c);
Image SunkEdge(const SkinColours& c);
Image ComboButton(const SkinColours& c);
Image ProgressBar(const SkinColours& c);
Image ProgressChunk(const SkinColours& c);

Image ScrollBarCells(const SkinColours& c);
Image ScrollTrack(const SkinColours& c);
Image ScrollThumb(bool vertical, const SkinColours& c);

Image MenuBar(const SkinColours& c);
Image MenuItem(const SkinColours& c);
Image MenuBackground(const SkinColours& c);
Image HelpCaptionButton(const SkinColours& c);

}  // namespace zembrel::skinart
