// The window frame: the four borders are cut from one small model window, so that the outline,
// the rounded corners and the title rows meet exactly where the borders join. The caption
// buttons sit on the title bar.
#include <string>
#include <vector>

#include "tools/skinart/glyphs.h"
#include "tools/skinart/shapes.h"
#include "tools/skinart/skin_art.h"
#include "tools/skinart/skin_layout.h"

namespace zembrel::skinart {
namespace {

// The model window: the title rows, the side and bottom borders, and a client part that no
// border takes. Its size holds the fixed parts of every border plus a few middle rows and columns.
constexpr int kModelWidth = kBorderWidth + kTitleCapWidth * 2 + 4 + kBorderWidth;
constexpr int kModelHeight = kTitleHeight + 8 + kBorderWidth;

Image ModelWindow(bool active, const SkinColours& c) {
  const char* state = active ? "Active" : "Inactive";
  auto art = [&](const char* what) { return c.Art(std::string(what) + state); };
  const Rgb outline = art("Outline"), title_top = art("TitleTop"), title_bottom = art("TitleBottom");
  const Rgb frame = art("Frame"), inner = art("FrameInner");
  const RoundRect window(0, 0, kModelWidth, kModelHeight, kTopCornerRadius, kBottomCornerRadius);
  Image model(kModelWidth, kModelHeight);
  for (int y = 0; y < kModelHeight; ++y)
    for (int x = 0; x < kModelWidth; ++x) {
      if (!window.Contains(x, y)) continue;
      Rgb px;
      if (window.OnEdge(x, y)) {
        px = outline;
      } else if (y < kTitleHeight) {
        px = Mix(title_top, title_bottom, double(y - 1) / (kTitleHeight - 2));
      } else {
        // The line next to the client area sets the client off from the frame.
        const bool next_to_client = x == kBorderWidth - 1 || x == kModelWidth - kBorderWidth ||
                                    (y == kModelHeight - kBorderWidth && x >= kBorderWidth - 1 &&
                                     x <= kModelWidth - kBorderWidth);
        px = next_to_client ? inner : frame;
      }
      model.set(x, y, px);
    }
  return model;
}

Image BorderOf(const Image& model, Border border) {
  switch (border) {
    case Border::kLeft: return model.Crop(0, 0, kBorderWidth, kModelHeight);
    case Border::kRight: return model.Crop(kModelWidth - kBorderWidth, 0, kBorderWidth, kModelHeight);
    case Border::kTop: return model.Crop(kBorderWidth, 0, kModelWidth - 2 * kBorderWidth, kTitleHeight);
    case Border::kBottom:
      return model.Crop(kBorderWidth, kModelHeight - kBorderWidth, kModelWidth - 2 * kBorderWidth, kBorderWidth);
  }
  return model;
}

Pattern GlyphOf(CaptionGlyph glyph) {
  switch (glyph) {
    case CaptionGlyph::kClose: return CloseGlyph();
    case CaptionGlyph::kMaximise: return MaximiseGlyph();
    case CaptionGlyph::kRestore: return RestoreGlyph();
    case CaptionGlyph::kMinimise: return MinimiseGlyph();
  }
  return CloseGlyph();
}

}  // namespace

// Frame 1 the active look, frame 2 the inactive one: side by side for the left and right
// borders, one above the other for the top and bottom.
Image FrameBorder(Border border, const SkinColours& c) {
  const bool stacked = border == Border::kTop || border == Border::kBottom;
  return StripOf({BorderOf(ModelWindow(true, c), border), BorderOf(ModelWindow(false, c), border)}, stacked);
}

// The ground behind the caption text: the title rows' own colours, active and inactive.
Image TitleTextBack(const SkinColours& c) {
  constexpr int x = kBorderWidth + kTitleCapWidth;
  return StripOf({ModelWindow(true, c).Crop(x, 0, kTextBackWidth, kTitleHeight),
                  ModelWindow(false, c).Crop(x, 0, kTextBackWidth, kTitleHeight)});
}

// Normal, pressed, hot, disabled (also the look on an inactive title bar): the glyph alone on
// the title bar, on a rounded plate while hot or pressed.
Image CaptionButton(CaptionGlyph glyph, const SkinColours& c) {
  const bool close = glyph == CaptionGlyph::kClose;
  const Rgb ink = c.Art("CaptionGlyph");
  const Rgb hot = c.Art(close ? "CloseHot" : "CaptionHot");
  const Rgb pressed = c.Art(close ? "ClosePressed" : "CaptionPressed");
  const RoundRect plate(0, 0, kCaptionButtonWidth, kCaptionButtonHeight, 4);
  constexpr int gx = (kCaptionButtonWidth - kGlyphSize) / 2, gy = (kCaptionButtonHeight - kGlyphSize) / 2;
  std::vector<Image> frames(4, Image(kCaptionButtonWidth, kCaptionButtonHeight));
  Fill(frames[1], plate, pressed);
  Fill(frames[2], plate, hot);
  for (int i = 0; i < 3; ++i) Stamp(frames[i], gx, gy, GlyphOf(glyph), ink);
  Stamp(frames[3], gx, gy, GlyphOf(glyph), c.Art("CaptionGlyphDim"));
  return StripOf(frames);
}

// The window icon button shows the window's own icon; this strip is the look of a window that has
// none: a small "Z" tile, normal, pressed, hot, disabled.
Image WindowIconButton(const SkinColours& c) {
  const Pattern z = {"########", "......##", ".....##.", "....##..", "...##...", "..##....", ".##.....", "########"};
  const RoundRect tile(0, 0, kIconSize, kIconSize, 3);
  const Rgb fills[] = {c.Art("ControlFill"), c.Art("ControlPressedFill"), c.Art("ControlHotFill"), c.Art("CaptionGlyphDim")};
  const Rgb inks[] = {c.Art("Accent"), c.Art("AccentPressed"), c.Art("Accent"), c.Art("ControlFill")};
  std::vector<Image> frames;
  for (int i = 0; i < 4; ++i) {
    Image f(kIconSize, kIconSize);
    Fill(f, tile, fills[i]);
    Stamp(f, (kIconSize - 8) / 2, (kIconSize - 8) / 2, z, inks[i]);
    frames.push_back(f);
  }
  return StripOf(frames);
}

}  // namespace zembrel::skinart
