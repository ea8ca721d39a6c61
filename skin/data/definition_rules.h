// The small rules of the skin definition that need no bitmaps: which sections are title buttons,
// the frame counts guessed from image sizes, and the weights of the generated toolbar gradient.
// Platform-free.
#pragma once

#include <string>
#include <string_view>

namespace zembrel {

// ASCII upper case; other bytes (multi-byte text included) are left as they are.
std::string AsciiUpper(std::string_view s);

// A section that may describe a title button: its upper-cased name starts with "BUTTON" and is
// none of "BUTTON", "BUTTONS", "BUTTON.RADIO" and "BUTTON.CHECKBOX".
bool IsTitleButtonSectionName(std::string_view name);

// The frame count of a title button whose definition gives none: 3 when the image (if any) is at
// most 3.8 times as wide as high, else 6; always 6 for a negative action or no image.
int TitleButtonDefaultFrames(int action, int image_width, int image_height);

// The frame count of a check-box or radio-button image whose definition gives none: cells of 13
// pixels for images less than 16 high, else of 16, and at least 4.
int CheckImageDefaultFrames(int image_width, int image_height);

// The weight (per cent of the frame colour) of the end colour of the toolbar gradient when the
// frame colour is saturated: (5625 - 25 * saturation) / 140 + 50, truncating toward zero.
int ToolbarSaturatedWeight(int saturation);

}  // namespace zembrel
