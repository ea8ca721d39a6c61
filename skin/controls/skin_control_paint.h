// Small drawing steps shared by the control painters: skin colours resolved to RGB, solid fills
// and outlines, element frames and image cells, captions and focus rectangles in wide text.
#pragma once

#include <windows.h>

#include <string>

#include "framework/graphics.h"
#include "skin/data/skin_elements.h"

namespace zembrel {

class TSkinData;

// A skin colour (0x00BBGGRR or a system colour reference) as RGB.
COLORREF SkinRgb(SkinColor colour);
// The skin's ButtonFace colour as RGB.
COLORREF FaceRgb(const TSkinData& skin);

void FillSolid(HDC dc, const RECT& rect, COLORREF colour);
// A one-pixel outline along the rectangle's inside edge.
void FrameSolid(HDC dc, const RECT& rect, COLORREF colour);

// True when the element exists and its image holds pixels.
bool HasImage(const TDataSkinObject* element);
// Frame k of the element's n frames rendered to rect with its edge sizes and Tile, magenta left
// out when its Trans is 1.
void DrawElementFrame(HDC dc, const RECT& rect, TDataSkinObject& element, int frame_count, int frame);
// Cell k of the image's n equal cells side by side, stretched into rect, magenta left out.
void DrawImageCell(HDC dc, const RECT& rect, zfw::TBitmap& image, int cell_count, int cell);

// The box text takes when drawn with flags in rect (DT_CALCRECT added), at rect's top-left.
RECT MeasureText(HDC dc, const std::wstring& text, const RECT& rect, UINT flags);

// A focus rectangle around text as it is drawn with flags in rect: measured (DT_NOCLIP), moved as
// DT_CENTER / DT_RIGHT place it (centred text one pixel above centre), grown by 2 across and 1 down
// and clipped to rect.
void DrawTextFocus(HDC dc, const std::wstring& text, UINT flags, const RECT& rect);

// The window's WM_GETFONT font (null: the system font).
HFONT WindowFont(HWND wnd);

}  // namespace zembrel
