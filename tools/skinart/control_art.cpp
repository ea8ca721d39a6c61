// Push buttons, check boxes, radio buttons, group boxes, status-bar edges, the combo box's parts
// and the progress bar.
#include <vector>

#include "tools/skinart/shapes.h"
#include "tools/skinart/skin_art.h"
#include "tools/skinart/skin_layout.h"

namespace zembrel::skinart {
namespace {

// The looks of a box-shaped control in one state.
struct BoxLook {
  Rgb fill_top, fill_bottom, border;
};

Image Box(int w, int h, double radius, const BoxLook& look) {
  Image f(w, h);
  const RoundRect shape(0, 0, w, h, radius);
  FillVertical(f, shape, look.fill_top, look.fill_bottom);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (shape.OnEdge(x, y)) f.set(x, y, look.border);
  return f;
}

const Pattern& Tick() {
  static const Pattern tick = {"........#", ".......##", "#.....##.", "##...##..", ".##.##...", "..###....", "...#....."};
  return tick;
}

// The four looks every check box and radio-button group repeats: normal, hot, pressed, disabled.
struct MarkLooks {
  BoxLook box[4];
};

MarkLooks CheckLooks(const SkinColours& c) {
  const Rgb white = c.Art("ControlFill");
  return {{{white, white, c.Art("ControlBorder")},
           {c.Art("ControlHotFill"), c.Art("ControlHotFill"), c.Art("Accent")},
           {c.Art("ControlPressedFill"), c.Art("ControlPressedFill"), c.Art("AccentPressed")},
           {c.Art("ControlDisabledFill"), c.Art("ControlDisabledFill"), c.Art("ControlBorderDisabled")}}};
}

// Checked boxes are filled with the accent and carry a white tick.
MarkLooks CheckedLooks(const SkinColours& c) {
  return {{{c.Art("Accent"), c.Art("Accent"), c.Art("AccentPressed")},
           {c.Art("AccentHot"), c.Art("AccentHot"), c.Art("Accent")},
           {c.Art("AccentPressed"), c.Art("AccentPressed"), c.Art("AccentPressed")},
           {c.Art("CheckDisabled"), c.Art("CheckDisabled"), c.Art("CheckDisabled")}}};
}

// The mark inside a box in the four states: the accent, lighter while hot, darker pressed, grey
// disabled.
Rgb MarkInk(int state, const SkinColours& c) {
  const char* keys[] = {"Accent", "AccentHot", "AccentPressed", "CheckDisabled"};
  return c.Art(keys[state]);
}

}  // namespace

// Normal, pressed, disabled, hot, focused.
Image PushButtons(const SkinColours& c) {
  const int w = kButtonCellWidth, h = kButtonCellHeight;
  const Rgb top = c.Art("ControlFill"), bottom = c.Art("ButtonFaceBottom");
  Image focused = Box(w, h, 4, {top, bottom, c.Art("Accent")});
  const RoundRect ring(1, 1, w - 1, h - 1, 3);
  for (int y = 1; y < h - 1; ++y)
    for (int x = 1; x < w - 1; ++x)
      if (ring.OnEdge(x, y)) focused.set(x, y, c.Art("FocusRing"));
  return StripOf({Box(w, h, 4, {top, bottom, c.Art("ControlBorder")}),
                  Box(w, h, 4, {c.Art("ButtonPressedTop"), c.Art("ControlPressedFill"), c.Art("AccentPressed")}),
                  Box(w, h, 4, {c.Art("ControlDisabledFill"), c.Art("ControlDisabledFill"), c.Art("ControlBorderDisabled")}),
                  Box(w, h, 4, {c.Art("ControlHotFill"), c.Art("ButtonHotBottom"), c.Art("Accent")}), focused});
}

// Twelve cells: unchecked, checked, indeterminate, each normal, hot, pressed, disabled.
Image CheckBoxes(const SkinColours& c) {
  const int s = kCheckSize;
  const MarkLooks plain = CheckLooks(c), checked = CheckedLooks(c);
  std::vector<Image> cells;
  for (int state = 0; state < 4; ++state) cells.push_back(Box(s, s, 1.5, plain.box[state]));
  for (int state = 0; state < 4; ++state) {
    Image f = Box(s, s, 1.5, checked.box[state]);
    Stamp(f, 2, 3, Tick(), c.Art("CheckMark"));
    cells.push_back(f);
  }
  for (int state = 0; state < 4; ++state) {
    Image f = Box(s, s, 1.5, plain.box[state]);
    f.FillRect(3, 3, s - 3, s - 3, MarkInk(state, c));
    cells.push_back(f);
  }
  return StripOf(cells);
}

// Eight cells: unchecked, checked, each normal, hot, pressed, disabled.
Image RadioButtons(const SkinColours& c) {
  const MarkLooks plain = CheckLooks(c);
  std::vector<Image> cells;
  for (int checked = 0; checked < 2; ++checked)
    for (int state = 0; state < 4; ++state) {
      Image f(kCheckSize, kCheckSize);
      const RoundRect circle(0, 0, kCheckSize, kCheckSize, kCheckSize / 2.0);
      Fill(f, circle, plain.box[state].fill_top, checked ? MarkInk(state, c) : plain.box[state].border);
      if (checked) Fill(f, RoundRect(4, 4, kCheckSize - 4, kCheckSize - 4, 2.5), MarkInk(state, c));
      cells.push_back(f);
    }
  return StripOf(cells);
}

// Normal and disabled: a rounded one-pixel line; the inside is transparent.
Image GroupBoxEdge(const SkinColours& c) {
  auto edge = [&](Rgb line) {
    Image f(kEdgeCell, kEdgeCell);
    const RoundRect shape(0, 0, kEdgeCell, kEdgeCell, 3);
    for (int y = 0; y < kEdgeCell; ++y)
      for (int x = 0; x < kEdgeCell; ++x)
        if (shape.OnEdge(x, y)) f.set(x, y, line);
    return f;
  };
  return StripOf({edge(c.Art("GroupLine")), edge(c.Art("ControlBorderDisabled"))});
}

// The ground behind a group box caption: the face, covering the line.
Image GroupBoxLabel(const SkinColours& c) { return Image(kEdgeCell, 16, c.Table("ButtonFace")); }

// Lowered, raised, flat: one-pixel bevels around the face.
Image StatusBarEdges(const SkinColours& c) {
  const Rgb face = c.Table("ButtonFace"), dark = c.Art("StatusShadow"), light = c.Art("StatusLight");
  auto bevel = [&](Rgb top_left, Rgb bottom_right) {
    Image f(kEdgeCell, kEdgeCell, face);
    f.FillRect(0, 0, kEdgeCell, 1, top_left);
    f.FillRect(0, 0, 1, kEdgeCell, top_left);
    f.FillRect(0, kEdgeCell - 1, kEdgeCell, kEdgeCell, bottom_right);
    f.FillRect(kEdgeCell - 1, 1, kEdgeCell, kEdgeCell, bottom_right);
    return f;
  };
  return StripOf({bevel(dark, light), bevel(light, dark), Image(kEdgeCell, kEdgeCell, face)});
}

// Cells 1 to 4: the combo box's drop-down arrow, normal, pressed, disabled, hot; cell 5: the
// status bar's size grip.
Image ExtraImages(const SkinColours& c) {
  const Pattern arrow = {"#######", ".#####.", "..###..", "...#..."};
  const Rgb inks[] = {c.Art("ScrollArrow"), c.Art("AccentPressed"), c.Art("ScrollArrowDisabled"), c.Art("Accent")};
  std::vector<Image> cells;
  for (Rgb ink : inks) {
    Image f(kGlyphCell, kGlyphCell);
    Stamp(f, 2, 4, arrow, ink);
    cells.push_back(f);
  }
  Image grip(kGlyphCell, kGlyphCell);
  Stamp(grip, 0, 0,
        {"...........", "...........", "........##.", "........##.", "...........", ".....##.##.", ".....##.##.",
         "...........", "..##.##.##.", "..##.##.##.", "..........."},
        c.Art("GripDots"));
  cells.push_back(grip);
  return StripOf(cells);
}

// Normal, pressed, disabled, hot or focused: a one-pixel outline with a white ring inside.
Image SunkEdge(const SkinColours& c) {
  auto edge = [&](Rgb border, Rgb inside) {
    Image f(kEdgeCell, kEdgeCell, inside);
    for (int y = 0; y < kEdgeCell; ++y)
      for (int x = 0; x < kEdgeCell; ++x)
        if (x == 0 || y == 0 || x == kEdgeCell - 1 || y == kEdgeCell - 1) f.set(x, y, border);
    return f;
  };
  const Rgb white = c.Art("ControlFill");
  return StripOf({edge(c.Art("ControlBorder"), white), edge(c.Art("AccentPressed"), white),
                  edge(c.Art("ControlBorderDisabled"), c.Art("ControlDisabledFill")), edge(c.Art("Accent"), white)});
}

// The drop-down button, drawn over the right end of the sunken edge: transparent where the edge
// and the arrow glyph show through; a plate while hot or pressed. Normal, pressed, disabled, hot.
Image ComboButton(const SkinColours& c) {
  const int w = kComboButtonWidth, h = kComboButtonHeight;
  auto button = [&](const Rgb* plate, const Rgb* separator) {
    Image f(w, h);
    if (plate) f.FillRect(1, 2, w - 2, h - 2, *plate);
    if (separator) f.FillRect(0, 2, 1, h - 2, *separator);
    return f;
  };
  const Rgb hot = c.Art("ControlHotFill"), pressed = c.Art("ControlPressedFill"), line = c.Art("FocusRing");
  return StripOf({button(nullptr, nullptr), button(&pressed, &line), button(nullptr, nullptr), button(&hot, &line)});
}

// Frame 1 the empty track, frame 2 the filled part; rounded ends show the track below the fill.
Image ProgressBar(const SkinColours& c) {
  const int s = kProgressCell;
  return StripOf({Box(s, s, 2.5, {c.Art("ProgressTrack"), c.Art("ProgressTrack"), c.Art("ProgressBorder")}),
                  Box(s, s, 2.5, {c.Art("ProgressFillTop"), c.Art("ProgressFillBottom"), c.Art("ProgressFillBorder")})});
}

// One block of a chunked bar.
Image ProgressChunk(const SkinColours& c) {
  Image f(8, 10);
  FillVertical(f, RoundRect(0, 0, 7, 10, 1.5), c.Art("ProgressFillTop"), c.Art("ProgressFillBottom"));
  return f;
}

}  // namespace zembrel::skinart
