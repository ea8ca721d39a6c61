// Scroll bars: the 23-cell strip of arrows and grippers, the tracks and the thumbs. Everything is
// opaque and drawn on the track colour, so a bar looks the same whether a cell is keyed or copied.
#include <vector>

#include "tools/skinart/shapes.h"
#include "tools/skinart/skin_art.h"
#include "tools/skinart/skin_layout.h"

namespace zembrel::skinart {
namespace {

enum class Dir { kLeft, kRight, kUp, kDown };
enum State { kNormal, kPressed, kDisabled, kHot };

Image Arrow(Dir dir, State state, const SkinColours& c) {
  const int s = kScrollCell;
  Image f(s, s, c.Table("Scrollbar"));
  const RoundRect plate(1, 1, s - 1, s - 1, 2);
  if (state == kHot) Fill(f, plate, c.Art("ScrollArrowHotPlate"));
  if (state == kPressed) Fill(f, plate, c.Art("ScrollArrowPressedPlate"));
  const char* inks[] = {"ScrollArrow", "ScrollArrowPressed", "ScrollArrowDisabled", "Accent"};
  const Rgb ink = c.Art(inks[state]);
  const Pattern down = {"#######", ".#####.", "..###..", "...#..."};
  const Pattern up = {"...#...", "..###..", ".#####.", "#######"};
  const Pattern left = {"...#", "..##", ".###", "####", ".###", "..##", "...#"};
  const Pattern right = {"#...", "##..", "###.", "####", "###.", "##..", "#..."};
  switch (dir) {
    case Dir::kLeft: Stamp(f, 6, 5, left, ink); break;
    case Dir::kRight: Stamp(f, 7, 5, right, ink); break;
    case Dir::kUp: Stamp(f, 5, 6, up, ink); break;
    case Dir::kDown: Stamp(f, 5, 7, down, ink); break;
  }
  return f;
}

const char* ThumbKey(int frame) {
  const char* keys[] = {"Thumb", "ThumbPressed", "ThumbHot"};
  return keys[frame];
}

// One frame of a vertical thumb, `length` pixels long: a rounded bar between two strips of track.
Image VerticalThumb(int frame, int length, const SkinColours& c) {
  Image f(kScrollCell, length, c.Table("Scrollbar"));
  Fill(f, RoundRect(kThumbInset, 1, kScrollCell - kThumbInset, length - 1, 4), c.Art(ThumbKey(frame)));
  return f;
}

// A vertical gripper: the thumb's cross-section with three grip lines across it.
Image VerticalGripper(int frame, const SkinColours& c) {
  Image f(kScrollCell, kScrollCell, c.Table("Scrollbar"));
  f.FillRect(kThumbInset, 0, kScrollCell - kThumbInset, kScrollCell, c.Art(ThumbKey(frame)));
  const char* grips[] = {"Grip", "GripPressed", "GripHot"};
  for (int y = 6; y <= 10; y += 2) f.FillRect(6, y, kScrollCell - 6, y + 1, c.Art(grips[frame]));
  return f;
}

}  // namespace

// Cells 1-4 left arrow, 5-8 right, 9-12 up, 13-16 down, each normal, pressed, disabled, hot;
// 17-19 horizontal gripper and 20-22 vertical gripper, each normal, pressed, hot; 23 the corner
// between two bars.
Image ScrollBarCells(const SkinColours& c) {
  std::vector<Image> cells;
  for (Dir dir : {Dir::kLeft, Dir::kRight, Dir::kUp, Dir::kDown})
    for (State state : {kNormal, kPressed, kDisabled, kHot}) cells.push_back(Arrow(dir, state, c));
  for (int frame = 0; frame < 3; ++frame) cells.push_back(VerticalGripper(frame, c).Transposed());
  for (int frame = 0; frame < 3; ++frame) cells.push_back(VerticalGripper(frame, c));
  cells.push_back(Image(kScrollCell, kScrollCell, c.Table("ButtonFace")));
  return StripOf(cells);
}

// Enabled, (unused, as enabled), disabled, (unused, as enabled).
// Square, flat cells serve both directions.
Image ScrollTrack(const SkinColours& c) {
  const Image enabled(kScrollCell, kScrollCell, c.Table("Scrollbar"));
  const Image disabled(kScrollCell, kScrollCell, c.Art("TrackDisabled"));
  return StripOf({enabled, enabled, disabled, enabled});
}

// Normal, pressed, hot, side by side.
Image ScrollThumb(bool vertical, const SkinColours& c) {
  std::vector<Image> frames;
  for (int frame = 0; frame < 3; ++frame) {
    const Image f = VerticalThumb(frame, kThumbLength, c);
    frames.push_back(vertical ? f : f.Transposed());
  }
  return StripOf(frames);
}

}  // namespace zembrel::skinart
