#include "tools/contactsheet/sheet_canvas.h"

#include <algorithm>

namespace zembrel::sheet {
namespace {

zfw::OwnedFont MakeFont(const wchar_t* face, int pixels, int weight) {
  return zfw::OwnedFont(CreateFontW(-pixels, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, face));
}

}  // namespace

COLORREF CheckerAt(int x, int y) {
  return ((x / kCheckerSquare + y / kCheckerSquare) & 1) ? kCheckerDark : kCheckerLight;
}

Fonts::Fonts()
    : heading(MakeFont(L"Tahoma", 18, FW_BOLD)),
      title(MakeFont(L"Tahoma", 13, FW_BOLD)),
      body(MakeFont(L"Tahoma", 12, FW_NORMAL)),
      // The program's own face, at the 12 pixels its windows use.
      sample(MakeFont(L"SimSun", 12, FW_NORMAL)) {}

Pass::Pass(HDC measure_dc, zfw::TBitmap* sheet, const Fonts& fonts, int width)
    : dc_(sheet ? sheet->Canvas().Handle() : measure_dc), sheet_(sheet), fonts_(fonts), width_(width) {}

SIZE Pass::Measure(const std::wstring& text, HFONT font) {
  zfw::SelectGuard select(dc_, font);
  SIZE size{0, 0};
  GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

SIZE Pass::Text(int x, int y, const std::wstring& text, HFONT font, COLORREF colour) {
  if (Drawing()) {
    zfw::SelectGuard select(dc_, font);
    const int old_mode = SetBkMode(dc_, TRANSPARENT);
    const COLORREF old_colour = SetTextColor(dc_, colour);
    TextOutW(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
    SetTextColor(dc_, old_colour);
    SetBkMode(dc_, old_mode);
  }
  return Measure(text, font);
}

void Pass::Fill(const RECT& r, COLORREF colour) {
  if (!Drawing()) return;
  zfw::OwnedBrush brush(CreateSolidBrush(colour));
  FillRect(dc_, &r, brush.get());
}

void Pass::Frame(const RECT& r, COLORREF colour) {
  if (!Drawing()) return;
  zfw::OwnedBrush brush(CreateSolidBrush(colour));
  FrameRect(dc_, &r, brush.get());
}

void Pass::Checker(const RECT& r) {
  if (!Drawing()) return;
  for (int y = r.top; y < r.bottom; y = (y / kCheckerSquare + 1) * kCheckerSquare)
    for (int x = r.left; x < r.right; x = (x / kCheckerSquare + 1) * kCheckerSquare) {
      const RECT square{x, y, std::min<LONG>(r.right, (x / kCheckerSquare + 1) * kCheckerSquare),
                        std::min<LONG>(r.bottom, (y / kCheckerSquare + 1) * kCheckerSquare)};
      Fill(square, CheckerAt(x, y));
    }
}

bool Pass::DiffersFromChecker(const RECT& r) {
  if (!Drawing()) return true;
  const int left = std::max<int>(r.left, 0), right = std::min<int>(r.right, sheet_->Width());
  const int top = std::max<int>(r.top, 0), bottom = std::min<int>(r.bottom, sheet_->Height());
  for (int y = top; y < bottom; ++y) {
    const uint8_t* line = sheet_->ScanLine(y);  // 24 bits: blue, green, red
    for (int x = left; x < right; ++x) {
      const uint8_t* p = line + 3 * x;
      if (RGB(p[2], p[1], p[0]) != CheckerAt(x, y)) return true;
    }
  }
  return false;
}

std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

}  // namespace zembrel::sheet
