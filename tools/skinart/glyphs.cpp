#include "tools/skinart/glyphs.h"

namespace zembrel::skinart {

// Nine pixels across, so that the strokes cross in a single pixel.
Pattern CloseGlyph() {
  return {"#.......#.",
          ".#.....#..",
          "..#...#...",
          "...#.#....",
          "....#.....",
          "...#.#....",
          "..#...#...",
          ".#.....#..",
          "#.......#.",
          ".........."};
}

Pattern MaximiseGlyph() {
  return {"##########",
          "#........#",
          "#........#",
          "#........#",
          "#........#",
          "#........#",
          "#........#",
          "#........#",
          "#........#",
          "##########"};
}

// A front window with the back one peeking out above and to the right.
Pattern RestoreGlyph() {
  return {"..########",
          "..#......#",
          "########.#",
          "#......#.#",
          "#......#.#",
          "#......#.#",
          "#......#.#",
          "#......###",
          "#......#..",
          "########.."};
}

Pattern MinimiseGlyph() {
  return {"..........",
          "..........",
          "..........",
          "..........",
          "..........",
          "##########",
          "..........",
          "..........",
          "..........",
          ".........."};
}

}  // namespace zembrel::skinart
