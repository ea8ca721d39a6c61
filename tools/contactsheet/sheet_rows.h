// The rows of a contact sheet: one per image the loaded skin holds, in the order a reviewer
// reads a skin (window frame, caption buttons, push buttons, then every optional element).
#pragma once

#include <string>
#include <vector>

#include "framework/graphics.h"
#include "skin/data/WinSkinData.h"

namespace zembrel {

struct SheetRow {
  std::string title;               // the element's name, and which of its images this is
  std::vector<std::string> facts;  // short lines: size and frames, edge sizes, flags
  zfw::TBitmap* image = nullptr;   // never null; may be empty
  int frames = 1;
  bool vertical = false;            // frames one above the other
  bool transparent = false;         // drawn with magenta left out
  std::vector<std::string> states;  // what frame k shows, where the painting code fixes it
};

// The optional elements the skin engine reads or makes, by section name, in its reading order.
const std::vector<std::string>& KnownElementNames();

// Every row of the loaded skin. not_shown counts the optional elements the data holds beyond
// KnownElementNames, which would otherwise go unseen.
std::vector<SheetRow> CollectRows(TSkinData& data, int& not_shown);

}  // namespace zembrel
