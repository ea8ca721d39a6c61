#include "skin/paint/ImgUtil.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "skin/paint/bitmap_pixels.h"

namespace zembrel {
namespace {

bool g_nt_platform = true;

bool has_pixels(const zfw::TBitmap& bitmap) { return !bitmap.Empty() && bitmap.Width() > 0 && bitmap.Height() > 0; }

// Runs op(blue, green, red) on every pixel of a 24-bit bitmap, a scan line at a time.
template <class Op>
void for_each_bgr(zfw::TBitmap& bitmap, Op op) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* p = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 3) op(p[0], p[1], p[2]);
  }
}

// A negative colour is a system colour reference; plain colours lose any flag byte.
COLORREF resolve(zfw::TColor c) { return c < 0 ? GetSysColor(c & 0xFF) : static_cast<COLORREF>(c) & 0x00FFFFFF; }

}  // namespace

void SetBitmapPixelFormat(zfw::TBitmap& bitmap, zfw::TPixelFormat format) {
  if (bitmap.PixelFormat() == format) return;
  const std::vector<uint32_t> pixels = ReadPixels(bitmap);
  bitmap.SetSize(bitmap.Width(), bitmap.Height(), format);
  WritePixels(bitmap, pixels);
}

void GrayscaleBitmap(zfw::TBitmap& bitmap) {
  SetBitmapPixelFormat(bitmap, zfw::pf24bit);
  if (!has_pixels(bitmap)) return;
  for_each_bgr(bitmap, [](uint8_t& b, uint8_t& g, uint8_t& r) { b = g = r = static_cast<uint8_t>((r + g + b) / 3); });
}

void ReplaceMagenta(zfw::TBitmap& bitmap, zfw::TColor colour) {
  SetBitmapPixelFormat(bitmap, zfw::pf24bit);
  if (!has_pixels(bitmap)) return;
  const uint32_t c = static_cast<uint32_t>(colour);
  const uint8_t nr = c & 0xFF, ng = (c >> 8) & 0xFF, nb = (c >> 16) & 0xFF;
  for_each_bgr(bitmap, [&](uint8_t& b, uint8_t& g, uint8_t& r) {
    if (r == 255 && g == 0 && b == 255) r = nr, g = ng, b = nb;
  });
}

void MirrorBitmap(zfw::TBitmap& bitmap) {
  std::vector<uint32_t> pixels = ReadPixels(bitmap);
  const size_t w = static_cast<size_t>(bitmap.Width());
  for (size_t row = 0; row < pixels.size(); row += w) std::reverse(pixels.begin() + row, pixels.begin() + row + w);
  WritePixels(bitmap, pixels);
}

void FlipBitmap(zfw::TBitmap& bitmap) {
  if (!has_pixels(bitmap)) return;
  std::vector<uint8_t> swap(static_cast<size_t>(bitmap.RowBytes()));
  for (int top = 0, bottom = bitmap.Height() - 1; top < bottom; ++top, --bottom) {
    uint8_t* a = bitmap.ScanLine(top);
    uint8_t* b = bitmap.ScanLine(bottom);
    std::memcpy(swap.data(), a, swap.size());
    std::memcpy(a, b, swap.size());
    std::memcpy(b, swap.data(), swap.size());
  }
}

namespace {

// A quarter turn: the bitmap takes the swapped size and new pixel (x, y) = old pixel source(x, y).
template <class Source>
void rotate(zfw::TBitmap& bitmap, Source source) {
  if (!has_pixels(bitmap)) return;
  const std::vector<uint32_t> old = ReadPixels(bitmap);
  const int old_w = bitmap.Width(), old_h = bitmap.Height();
  std::vector<uint32_t> turned(old.size());
  const int new_w = old_h, new_h = old_w;
  for (int y = 0; y < new_h; ++y)
    for (int x = 0; x < new_w; ++x) {
      const POINT p = source(x, y, old_w, old_h);
      turned[static_cast<size_t>(y) * new_w + x] = old[static_cast<size_t>(p.y) * old_w + p.x];
    }
  bitmap.SetSize(new_w, new_h, bitmap.PixelFormat());
  WritePixels(bitmap, turned);
}

}  // namespace

void RotateBitmapLeft(zfw::TBitmap& bitmap) {
  rotate(bitmap, [](int x, int y, int old_w, int) { return POINT{old_w - 1 - y, x}; });
}

void RotateBitmapRight(zfw::TBitmap& bitmap) {
  rotate(bitmap, [](int x, int y, int, int old_h) { return POINT{y, old_h - 1 - x}; });
}

zfw::TColor MixColors(zfw::TColor c1, zfw::TColor c2, int weight) {
  return static_cast<zfw::TColor>(colour::MixPlain(resolve(c1), resolve(c2), weight));
}

int SaturationLevel(zfw::TColor c) { return colour::Saturation(static_cast<uint32_t>(c)); }

colour::GradientRing& GradientTables() {
  static colour::GradientRing ring;
  return ring;
}

void GradientFill(HDC dc, const RECT& rect, zfw::TColor start, int direction, zfw::TColor end) {
  // An inverted or empty rectangle has no lines; RectVisible alone would accept it reordered.
  if (rect.right <= rect.left || rect.bottom <= rect.top || !RectVisible(dc, &rect)) return;
  const COLORREF from = resolve(start), to = resolve(end);
  RECT clip{};
  GetClipBox(dc, &clip);
  const bool rows = direction != kGradientLeftToRight;
  const int64_t origin = rows ? rect.top : rect.left;
  const int64_t n = rows ? int64_t(rect.bottom) - rect.top : int64_t(rect.right) - rect.left;
  if (n <= 0 || n > colour::kMaxGradientLines) return;
  const int64_t first = std::max<int64_t>(0, (rows ? clip.top : clip.left) - origin);
  const int64_t last = std::min<int64_t>(n - 1, (rows ? clip.bottom : clip.right) - origin - 1);
  const std::vector<colour::Rgb>& table = GradientTables().Table(static_cast<int>(n), from, to);
  for (int64_t i = first; i <= last; ++i) {
    const int at = static_cast<int>(origin + i);
    const RECT line = rows ? RECT{rect.left, at, rect.right, at + 1} : RECT{at, rect.top, at + 1, rect.bottom};
    zfw::OwnedBrush brush(CreateSolidBrush(table[static_cast<size_t>(i)]));
    FillRect(dc, &line, brush.get());
  }
}

void SetNtPlatform(bool nt) { g_nt_platform = nt; }
bool IsNtPlatform() { return g_nt_platform; }

std::wstring AnsiToWide(const std::string& text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(std::max(n, 0)), L'\0');
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

std::string WideToAnsi(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<size_t>(std::max(n, 0)), '\0');
  if (n > 0) WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), ansi.data(), n, nullptr, nullptr);
  return ansi;
}

int DrawTextWide(HDC dc, const std::wstring& text, RECT& rect, UINT format) {
  if (g_nt_platform) return DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
  return DrawTextA(dc, WideToAnsi(text).c_str(), -1, &rect, format);
}

std::string GetWindowTextAnsi(HWND wnd) {
  char buffer[1000] = {};
  const LRESULT n = SendMessageA(wnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return std::string(buffer, static_cast<size_t>(std::clamp<LRESULT>(n, 0, sizeof buffer - 1)));
}

std::wstring GetWindowTextWide(HWND wnd) {
  if (!g_nt_platform) return AnsiToWide(GetWindowTextAnsi(wnd));
  const int length = GetWindowTextLengthW(wnd);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(wnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::clamp(got, 0, length)));
  return text;
}

}  // namespace zembrel
