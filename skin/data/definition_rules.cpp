#include "skin/data/definition_rules.h"

namespace zembrel {

std::string AsciiUpper(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

bool IsTitleButtonSectionName(std::string_view name) {
  const std::string upper = AsciiUpper(name);
  if (upper.rfind("BUTTON", 0) != 0) return false;
  return upper != "BUTTON" && upper != "BUTTONS" && upper != "BUTTON.RADIO" && upper != "BUTTON.CHECKBOX";
}

int TitleButtonDefaultFrames(int action, int image_width, int image_height) {
  int frames = 6;
  if (image_width > 0 && image_height > 0)
    frames = static_cast<double>(image_width) / image_height <= 3.8 ? 3 : 6;
  return action < 0 ? 6 : frames;
}

int CheckImageDefaultFrames(int image_width, int image_height) {
  const int cell = image_height < 16 ? 13 : 16;
  const int frames = image_width / cell;
  return frames < 4 ? 4 : frames;
}

int ToolbarSaturatedWeight(int saturation) { return (5625 - 25 * saturation) / 140 + 50; }

}  // namespace zembrel
