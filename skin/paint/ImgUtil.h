// Bitmap and colour utilities of the skin engine: grey, recoloured, mirrored, flipped and
// rotated copies made in place, colour mixing and gradients, and the wide-text helpers used
// for captions. Bitmaps of no size are left alone.
#pragma once

#include <windows.h>

#include <string>

#include "framework/graphics.h"
#include "skin/paint/colour_math.h"

namespace zembrel {

// Changes the bitmap's pixel format and keeps its picture (1-bit: white is 1, all else 0).
void SetBitmapPixelFormat(zfw::TBitmap& bitmap, zfw::TPixelFormat format);

// To 24 bits per pixel, each pixel's channels set to (R + G + B) / 3.
void GrayscaleBitmap(zfw::TBitmap& bitmap);
// To 24 bits per pixel; pixels of exactly 0xFF00FF take the colour's low three bytes (a system
// colour reference is not resolved).
void ReplaceMagenta(zfw::TBitmap& bitmap, zfw::TColor colour);
// Left-right and upside-down images, same size and pixel format.
void MirrorBitmap(zfw::TBitmap& bitmap);
void FlipBitmap(zfw::TBitmap& bitmap);
// Quarter turns; width and height swap. Left: new (x, y) = old (width - 1 - y, x).
// Right: new (x, y) = old (y, height - 1 - x).
void RotateBitmapLeft(zfw::TBitmap& bitmap);
void RotateBitmapRight(zfw::TBitmap& bitmap);

// Weighted mix; system colour references are resolved first. See colour::MixPlain.
zfw::TColor MixColors(zfw::TColor c1, zfw::TColor c2, int weight);
// The colour as stored (no system colour resolution). See colour::Saturation.
int SaturationLevel(zfw::TColor colour);

// Directions of GradientFill.
inline constexpr int kGradientLeftToRight = 0;  // vertical lines, left to right
inline constexpr int kGradientTopToBottom = 1;  // horizontal lines, top to bottom (any non-zero)

// Fills the rectangle one line at a time from start to end. Only the lines inside the DC's clip
// box are painted, with the colours they have in the whole gradient; an empty or inverted
// rectangle paints nothing.
void GradientFill(HDC dc, const RECT& rect, zfw::TColor start, int direction, zfw::TColor end);
// The process-wide ring of gradient tables behind GradientFill.
colour::GradientRing& GradientTables();

// NT or 9x text calls; the skin manager sets this at start. Default true.
void SetNtPlatform(bool nt);
bool IsNtPlatform();

// Text in the system ANSI code page to UTF-16, and back.
std::wstring AnsiToWide(const std::string& text);
std::string WideToAnsi(const std::wstring& text);
// DrawTextW on NT; DrawTextA of the ANSI text elsewhere. Returns DrawText's result.
int DrawTextWide(HDC dc, const std::wstring& text, RECT& rect, UINT format);
// GetWindowTextW on NT; WM_GETTEXT (at most 1000 characters) converted elsewhere.
std::wstring GetWindowTextWide(HWND wnd);
// WM_GETTEXT with room for 1000 characters.
std::string GetWindowTextAnsi(HWND wnd);

}  // namespace zembrel
