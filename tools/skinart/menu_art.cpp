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
