// Sizes of the skin's bitmaps, in pixels at 96 DPI. The definition (resources/skin/zembrel.ini)
// states the matching edge sizes and positions; the skin tests hold the two together.
#pragma once

namespace zembrel::skinart {

// Window frame.
inline constexpr int kTitleHeight = 28;        // the top border, outline included
inline constexpr int kBorderWidth = 4;         // left, right and bottom borders
inline constexpr int kTitleCapWidth = 8;       // fixed ends of the top border (hold the corners)
inline constexpr double kTopCornerRadius = 7;  // rounded top corners, cut out of the window region
inline constexpr double kBottomCornerRadius = 4;
inline constexpr int kTextBackWidth = 12;
inline constexpr int kCaptionButtonWidth = 26;
inline constexpr int kCaptionButtonHeight = 20;
inline constexpr int kIconSize = 16;

// Controls.
inline constexpr int kButtonCellWidth = 24, kButtonCellHeight = 22;  // push buttons, 3-pixel edges
inline constexpr int kCheckSize = 13;                                // check-box and radio cells
inline constexpr int kEdgeCell = 8;                                  // group box, sunken edge
inline constexpr int kGlyphCell = 11;                                // combo arrow and size grip
inline constexpr int kComboButtonWidth = 19, kComboButtonHeight = 21;
inline constexpr int kProgressCell = 12;

// Scroll bars: square cells as wide as the system's arrow buttons.
inline constexpr int kScrollCell = 17;
inline constexpr int kThumbLength = 24;  // along the bar; its 5-pixel ends stay unstretched
inline constexpr int kThumbInset = 4;    // track left free on each side of the thumb

// Menus.
inline constexpr int kMenuBarCell = 20;
inline constexpr int kMenuItemWidth = 24, kMenuItemHeight = 20;
inline constexpr int kMenuBackCell = 9;

}  // namespace zembrel::skinart
