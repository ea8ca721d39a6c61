// Menus: the menu bar under the title, the items of popup menus and the popups' background.
#include "tools/skinart/shapes.h"
#include "tools/skinart/skin_art.h"
#include "tools/skinart/skin_layout.h"

namespace zembrel::skinart {

// Active and inactive window: the bar's flat ground.
Image MenuBar(const SkinColours& c) {
  return StripOf({Image(kMenuBarCell, kMenuBarCell, c.Table("Menubar")),
                  Image(kMenuBarCell, kMenuBarCell, c.Art("MenubarInactive"))});
}

// Normal, separator, disabled, selected, pressed. Normal and disabled items are transparent over
// the popup's background; the separator is a line near the bottom, where a short separator item
// takes its rows from; the selection is a rounded plate of the selection colour.
Image MenuItem(const SkinColours& c) {
  const int w = kMenuItemWidth, h = kMenuItemHeight;
  Image separator(w, h);
  separator.FillRect(2, h - 5, w - 2, h - 4, c.Art("MenuSeparator"));
  Image selected(w, h);
  Fill(selected, RoundRect(0, 0, w, h, 2.5), c.Table("Hilight"), c.Art("MenuSelectionBorder"));
  const Image plain(w, h);
  return StripOf({plain, separator, plain, selected, selected});
}

// A one-pixel line around the menu colour.
Image MenuBackground(const SkinColours& c) {
  Image f(kMenuBackCell, kMenuBackCell, c.Table("Menu"));
  Fill(f, RoundRect(0, 0, kMenuBackCell, kMenuBackCell, 0), c.Table("Menu"), c.Art("MenuBorder"));
  return f;
}

}  // namespace zembrel::skinart

namespace zembrel::skinart {

// The caption bar's help button (normal, pressed, hot, disabled), in the look of the system
// buttons beside it: a question mark alone on the title bar, on a rounded plate while hot or
// pressed.
Image HelpCaptionButton(const SkinColours& c) {
  const Pattern question = {"..####....",
                            ".##..##...",
                            ".....##...",
                            "....##....",
                            "...##.....",
                            "...##.....",
                            "..........",
                            "...##.....",
                            "...##.....",
                            ".........."};
  const RoundRect plate(0, 0, kCaptionButtonWidth, kCaptionButtonHeight, 4);
  constexpr int gx = (kCaptionButtonWidth - 10) / 2 + 1, gy = (kCaptionButtonHeight - 10) / 2;
  std::vector<Image> frames(4, Image(kCaptionButtonWidth, kCaptionButtonHeight));
  Fill(frames[1], plate, c.Art("CaptionPressed"));
  Fill(frames[2], plate, c.Art("CaptionHot"));
  for (int i = 0; i < 3; ++i) Stamp(frames[i], gx, gy, question, c.Art("CaptionGlyph"));
  Stamp(frames[3], gx, gy, question, c.Art("CaptionGlyphDim"));
  return StripOf(frames);
}

}  // namespace zembrel::skinart
