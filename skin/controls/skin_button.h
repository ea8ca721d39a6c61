// The look of push buttons painted from the skin's Buttons element: the frame each kind of button
// shows in each state, its caption colour, and one paint function per kind (push, bitmap, menu and
// speed button) that draws off screen and copies the result to the target once.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "framework/graphics.h"

namespace zembrel {

class TSkinData;
class TDataSkinButton;

// Frames of the Buttons element.
enum ButtonFrame { kButtonFrameNormal = 1, kButtonFramePressed = 2, kButtonFrameDisabled = 3, kButtonFrameHot = 4, kButtonFrameFocused = 5 };

struct ButtonState {
  bool enabled = true;
  bool focused = false;
  bool hot = false;
  bool pressed = false;
};

// Disabled wins, then pressed, then hot, then focused.
int PushButtonFrame(const ButtonState& s);
// As the push button but hot before focused.
int BitmapButtonFrame(const ButtonState& s);
// No focused frame: focus looks like hot.
int MenuButtonFrame(const ButtonState& s);
// down (the speed button stays pressed) shows the pressed frame whatever else holds.
int SpeedButtonFrame(const ButtonState& s, bool down);

// The caption with its first "||" made a line break.
std::wstring ButtonCaption(std::wstring caption);
// The text colour of a frame: the skin's colour for normal, hot and pressed when it gives one,
// button shadow when disabled, else start.
zfw::TColor ButtonTextColour(const TDataSkinButton& buttons, int frame, zfw::TColor start);

// What a button shows besides the skin.
struct ButtonLook {
  std::wstring caption;                  // as drawn (see ButtonCaption)
  HFONT font = nullptr;                  // null: the target's font
  zfw::TColor text_colour = zfw::clBtnText;  // before ButtonTextColour
  std::function<void(HDC)> background;   // the parent's image; empty: the face colour
  bool focus_rect = true;                // false: never a focus rectangle
  UINT text_flags = 0;                   // added to every text call (DT_RTLREADING)
};

// Where the glyph of a bitmap button comes from: a strip of num_glyphs cells, an image list, or a
// whole graphic.
struct ButtonGlyph {
  zfw::TBitmap* glyph = nullptr;
  int num_glyphs = 1;
  HIMAGELIST images = nullptr;
  int image_index = -1;
  int disabled_index = -1;
  zfw::TGraphic* graphic = nullptr;
};

enum GlyphLayout { kGlyphLeft = 0, kGlyphRight = 1, kGlyphTop = 2, kGlyphBottom = 3 };

// Glyph and caption placement of a bitmap button. margin or spacing -1: worked out from the free
// room; centred also spreads it evenly.
struct GlyphPlacementInput {
  SIZE client{};
  SIZE glyph{};
  SIZE text{};
  int margin = -1;
  int spacing = 4;
  int layout = kGlyphLeft;
  bool centred = false;
};
struct GlyphPlacement {
  POINT glyph{};
  POINT text{};
  UINT text_flags = DT_WORDBREAK;
};
GlyphPlacement PlaceGlyphAndText(const GlyphPlacementInput& in);

struct GlyphButtonLayout {
  int margin = -1;
  int spacing = 4;
  int layout = kGlyphLeft;
  bool centred = false;
};

// Each paints rect of dc; nothing without a Buttons image.
void PaintPushButton(HDC dc, const RECT& rect, TSkinData& skin, int frame, bool focused, const ButtonLook& look);
void PaintMenuButton(HDC dc, const RECT& rect, TSkinData& skin, int frame, bool focused, const ButtonLook& look);
// glyph_number: 1 up, 2 disabled (greyed), 3 pressed, 4 down. draw_frame false shows only the
// background behind glyph and caption (an idle flat speed button).
void PaintGlyphButton(HDC dc, const RECT& rect, TSkinData& skin, int frame, int glyph_number, bool draw_frame,
                      bool focused, const ButtonLook& look, const ButtonGlyph& glyph, const GlyphButtonLayout& layout);
// The glyph number a frame shows: 3 pressed, 2 disabled, else 1.
int GlyphNumber(int frame);

}  // namespace zembrel
