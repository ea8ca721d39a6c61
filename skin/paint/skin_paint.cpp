#include "skin/paint/skin_paint.h"

#include <algorithm>

#include "framework/controls.h"

namespace zembrel {
namespace {

int g_paint_starts = 0;
std::unique_ptr<zfw::TBitmap> g_work_bitmap;
std::unique_ptr<std::vector<std::string>> g_work_strings;

bool inverted(const RECT& r) { return r.right < r.left || r.bottom < r.top; }

Margins non_negative(const Margins& m) {
  return Margins{std::max(m.left, 0), std::max(m.top, 0), std::max(m.right, 0), std::max(m.bottom, 0)};
}

// A 24-bit bitmap whose canvas stretches COLORONCOLOR; null for no area or a size the framework
// refuses, so that painting never throws for an oversized rectangle.
std::unique_ptr<zfw::TBitmap> work_bitmap(int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  std::unique_ptr<zfw::TBitmap> bitmap;
  try {
    bitmap = std::make_unique<zfw::TBitmap>(width, height, zfw::pf24bit);
  } catch (const zfw::EGraphicError&) {
    return nullptr;
  }
  SetStretchBltMode(bitmap->Canvas().Handle(), COLORONCOLOR);
  return bitmap;
}

// StretchBlt of source rectangle s into destination rectangle d, both as (left, top, right, bottom).
void stretch(HDC dst, const RECT& d, HDC src, const RECT& s) {
  StretchBlt(dst, d.left, d.top, width_of(d), height_of(d), src, s.left, s.top, width_of(s), height_of(s), SRCCOPY);
}

// Copies a finished bitmap to dest's top-left, magenta left out when transparent.
void put(HDC dc, const RECT& dest, zfw::TBitmap& bitmap, bool transparent) {
  if (transparent) TransparentBlit(dc, dest, bitmap, kSkinTransparent);
  else BitBlt(dc, dest.left, dest.top, bitmap.Width(), bitmap.Height(), bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
}

}  // namespace

bool StripFrame(const zfw::TBitmap& image, bool vertical, int frame_count, int frame, ElementFrame& out) {
  if (image.Empty() || frame_count < 1 || frame < 1 || frame > frame_count) return false;
  const int w = image.Width(), h = image.Height();
  if (vertical) out = ElementFrame{0, (frame - 1) * (h / frame_count), w, h / frame_count};
  else out = ElementFrame{(frame - 1) * (w / frame_count), 0, w / frame_count, h};
  return out.width > 0 && out.height > 0;
}

// ---- the shared work bitmap ----

void StartSkinPaint() {
  if (g_paint_starts++ > 0) return;
  g_work_bitmap = std::make_unique<zfw::TBitmap>();
  SetStretchBltMode(g_work_bitmap->Canvas().Handle(), COLORONCOLOR);
  g_work_strings = std::make_unique<std::vector<std::string>>();
}

void StopSkinPaint() {
  if (g_paint_starts == 0 || --g_paint_starts > 0) return;
  g_work_bitmap.reset();
  g_work_strings.reset();
}

zfw::TBitmap* WorkBitmap() { return g_work_bitmap.get(); }
std::vector<std::string>* WorkStrings() { return g_work_strings.get(); }

zfw::TBitmap* SizeWorkBitmap(int width, int height) {
  if (!g_work_bitmap) return nullptr;
  try {
    g_work_bitmap->SetSize(width, height, zfw::pf24bit);
  } catch (const zfw::EGraphicError&) {
    return nullptr;
  }
  // A new size means a new canvas, which starts in the default stretch mode.
  SetStretchBltMode(g_work_bitmap->Canvas().Handle(), COLORONCOLOR);
  return g_work_bitmap.get();
}

// ---- element rendering ----

std::unique_ptr<zfw::TBitmap> RenderElement(const RECT& size, zfw::TBitmap& image, const Margins& margins,
                                            bool vertical, bool tile, int frame_count, int frame) {
  ElementFrame f;
  if (!StripFrame(image, vertical, frame_count, frame, f)) return nullptr;
  const int W = width_of(size), H = height_of(size);
  std::unique_ptr<zfw::TBitmap> result = work_bitmap(W, H);
  if (!result) return nullptr;
  Margins m = non_negative(margins);
  if (W < m.left + m.right) m.left = m.right = 0;
  if (H < m.top + m.bottom) m.top = m.bottom = 0;

  HDC dst = result->Canvas().Handle(), src = image.Canvas().Handle();
  const int ox = f.x, oy = f.y, fw = f.width, fh = f.height;
  const auto piece = [&](const RECT& d, const RECT& s) { stretch(dst, d, src, s); };
  // The order matters: the right and bottom pieces come after the centre and cover its overrun tiles.
  if (m.left > 0 && m.top > 0) piece({0, 0, m.left, m.top}, {ox, oy, ox + m.left, oy + m.top});
  if (m.left > 0 && m.bottom > 0)
    piece({0, H - m.bottom, m.left, H}, {ox, oy + fh - m.bottom, ox + m.left, oy + fh});
  if (m.right > 0 && m.top > 0)
    piece({W - m.right, 0, W, m.top}, {ox + fw - m.right, oy, ox + fw, oy + m.top});
  if (m.left > 0)
    piece({0, m.top, m.left, H - m.bottom}, {ox, oy + m.top, ox + m.left, oy + fh - m.bottom});
  if (m.top > 0)
    piece({m.left, 0, W - m.right, m.top}, {ox + m.left, oy, ox + fw - m.right, oy + m.top});
  const RECT centre{m.left, m.top, W - m.right, H - m.bottom};
  const RECT centre_source{ox + m.left, oy + m.top, ox + fw - m.right, oy + fh - m.bottom};
  if (tile) TileRect(result->Canvas(), centre, image, centre_source);
  else piece(centre, centre_source);
  if (m.right > 0 && m.bottom > 0)
    piece({W - m.right, H - m.bottom, W, H}, {ox + fw - m.right, oy + fh - m.bottom, ox + fw, oy + fh});
  if (m.right > 0)
    piece({W - m.right, m.top, W, H - m.bottom}, {ox + fw - m.right, oy + m.top, ox + fw, oy + fh - m.bottom});
  if (m.bottom > 0)
    piece({m.left, H - m.bottom, W - m.right, H}, {ox + m.left, oy + fh - m.bottom, ox + fw - m.right, oy + fh});
  return result;
}

void PaintElement(HDC dc, const RECT& dest, zfw::TBitmap& image, bool vertical, bool tile, bool transparent,
                  int frame_count, int frame, const Margins& margins) {
  if (inverted(dest)) return;
  if (auto rendered = RenderElement(dest, image, margins, vertical, tile, frame_count, frame))
    put(dc, dest, *rendered, transparent);
}

void DrawStripFrame(HDC dc, const RECT& dest, zfw::TBitmap& image, bool transparent, int frame_count, int frame) {
  ElementFrame f;
  if (inverted(dest) || !StripFrame(image, false, frame_count, frame, f)) return;
  auto work = work_bitmap(width_of(dest), height_of(dest));
  if (!work) return;
  stretch(work->Canvas().Handle(), {0, 0, work->Width(), work->Height()}, image.Canvas().Handle(),
          {f.x, f.y, f.x + f.width, f.y + f.height});
  put(dc, dest, *work, transparent);
}

void DrawCentredFrame(HDC dc, const RECT& dest, zfw::TBitmap& image, bool transparent, int frame_count, int frame) {
  ElementFrame f;
  if (inverted(dest) || !StripFrame(image, false, frame_count, frame, f)) return;
  auto work = work_bitmap(f.width, f.height);
  if (!work) return;
  BitBlt(work->Canvas().Handle(), 0, 0, f.width, f.height, image.Canvas().Handle(), f.x, f.y, SRCCOPY);
  const int x = dest.left + (width_of(dest) - f.width) / 2;
  const int y = dest.top + (height_of(dest) - f.height) / 2;
  put(dc, RECT{x, y, x + f.width, y + f.height}, *work, transparent);
}

void DrawThreePart(HDC dc, const RECT& dest, zfw::TBitmap& image, bool vertical, int frame_count, int frame,
                   const Margins& margins) {
  ElementFrame f;
  if (inverted(dest) || !StripFrame(image, vertical, frame_count, frame, f)) return;
  const Margins m = non_negative(margins);
  const int dw = width_of(dest), dh = height_of(dest);
  HDC src = image.Canvas().Handle();
  const int old_mode = SetStretchBltMode(dc, COLORONCOLOR);
  const auto part = [&](int x, int w, int sx, int sw) { StretchBlt(dc, x, dest.top, w, dh, src, sx, f.y, sw, f.height, SRCCOPY); };
  if (dw < f.width) {
    part(dest.left, dw, f.x, f.width);
  } else {
    part(dest.left, m.left, f.x, m.left);
    part(dest.left + m.left, dw - m.left - m.right, f.x + m.left, f.width - m.left - m.right);
    part(dest.right - m.right, m.right, f.x + f.width - m.right, m.right);
  }
  if (old_mode) SetStretchBltMode(dc, old_mode);
}

void DrawThreePartTiled(zfw::TCanvas& canvas, const RECT& dest, zfw::TBitmap& image, bool vertical,
                        bool transparent, int frame_count, int frame, const Margins& margins) {
  ElementFrame f;
  if (inverted(dest) || !StripFrame(image, vertical, frame_count, frame, f)) return;
  auto work = work_bitmap(width_of(dest), height_of(dest));
  if (!work) return;
  const Margins m = non_negative(margins);
  const int W = work->Width(), H = work->Height(), ox = f.x, oy = f.y, fw = f.width, fh = f.height;
  HDC dst = work->Canvas().Handle(), src = image.Canvas().Handle();
  stretch(dst, {0, 0, m.left, H}, src, {ox, oy, ox + m.left, oy + fh});
  const int mw = fw - m.left - m.right;
  if (mw > 0)
    for (int x = m.left; x < W - m.right; x += mw)
      stretch(dst, {x, 0, x + mw, H}, src, {ox + m.left, oy, ox + m.left + mw, oy + fh});
  stretch(dst, {W - m.right, 0, W, H}, src, {ox + fw - m.right, oy, ox + fw, oy + fh});
  put(canvas.Handle(), dest, *work, transparent);
}

void TileRect(zfw::TCanvas& canvas, const RECT& dest, zfw::TBitmap& image, const RECT& source) {
  const int sw = width_of(source), sh = height_of(source);
  if (sw <= 0 || sh <= 0 || image.Empty()) return;
  auto piece = work_bitmap(sw, sh);
  if (!piece) return;
  HDC piece_dc = piece->Canvas().Handle();
  BitBlt(piece_dc, 0, 0, sw, sh, image.Canvas().Handle(), source.left, source.top, SRCCOPY);
  for (int x = dest.left; x < dest.right; x += sw)
    for (int y = dest.top; y < dest.bottom; y += sh) BitBlt(canvas.Handle(), x, y, sw, sh, piece_dc, 0, 0, SRCCOPY);
}

// ---- parent backgrounds ----

void DrawParentBackground(zfw::TControl& control, HDC dc) {
  zfw::TWinControl* parent = control.Parent();
  if (!parent) return;
  RECT r = control.ClientRect();
  zfw::SaveDcGuard saved(dc);
  OffsetViewportOrgEx(dc, -control.Left(), -control.Top(), nullptr);
  OffsetRect(&r, control.Left(), control.Top());
  IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
  const auto ask_parent = [&] {
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  };
  if (!(control.ComponentState() & zfw::csDesigning)) {
    ask_parent();
    return;
  }
  try {
    ask_parent();
  } catch (...) {
    // In the designer a parent that cannot paint yet just leaves the background as it is.
  }
}

}  // namespace zembrel
