// What every part of the contact sheet draws with: the page and checkerboard colours, the fonts,
// and one drawing pass, which either only measures (no sheet yet) or draws into the sheet.
#pragma once

#include <windows.h>

#include <string>

#include "framework/graphics.h"
#include "framework/handles.h"

namespace zembrel::sheet {

inline constexpr COLORREF kPage = RGB(255, 255, 255);
inline constexpr COLORREF kInk = RGB(24, 24, 24);
inline constexpr COLORREF kDim = RGB(90, 90, 90);
inline constexpr COLORREF kRule = RGB(190, 190, 190);
// Neither square is white, so that white parts of an image stand out from what lies behind it.
inline constexpr COLORREF kCheckerLight = RGB(234, 234, 234);
inline constexpr COLORREF kCheckerDark = RGB(204, 204, 204);
inline constexpr int kCheckerSquare = 4;

inline constexpr int kMargin = 16;
inline constexpr int kMinSheetWidth = 1100;  // wider where a frame needs it

// The checkerboard colour at sheet position (x, y).
COLORREF CheckerAt(int x, int y);

struct Fonts {
  Fonts();
  zfw::OwnedFont heading, title, body, sample;
};

class Pass {
 public:
  // Measures on dc without a sheet; draws into sheet's own canvas with one. Lays out for a
  // sheet of that width.
  Pass(HDC measure_dc, zfw::TBitmap* sheet, const Fonts& fonts, int width);
  int Width() const { return width_; }
  bool Drawing() const { return sheet_ != nullptr; }
  HDC Dc() const { return dc_; }
  zfw::TBitmap* Sheet() const { return sheet_; }
  const Fonts& Font() const { return fonts_; }

  // Text at (x, y), background left as it is; the extent it takes, drawn or not.
  SIZE Text(int x, int y, const std::wstring& text, HFONT font, COLORREF colour);
  SIZE Measure(const std::wstring& text, HFONT font);
  void Fill(const RECT& r, COLORREF colour);
  void Frame(const RECT& r, COLORREF colour);
  void Checker(const RECT& r);
  // True when some pixel of r (as far as it lies on the sheet) differs from the checkerboard.
  bool DiffersFromChecker(const RECT& r);

 private:
  HDC dc_;
  zfw::TBitmap* sheet_;
  const Fonts& fonts_;
  int width_;
};

// ASCII text as the wide text the sheet draws.
std::wstring Wide(const std::string& ascii);

}  // namespace zembrel::sheet
