#include "skin/controls/skin_progress.h"

#include <memory>

#include "framework/graphics.h"
#include "skin/controls/skin_control_paint.h"
#include "skin/data/WinSkinData.h"
#include "skin/paint/ImgUtil.h"
#include "skin/paint/skin_paint.h"

namespace zembrel {
namespace {

Margins margins_of(const TDataSkinObject& e) { return Margins{e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

void plain_look(HDC work, int w, int h, TDataSkinObject& progress, int filled) {
  PaintElement(work, RECT{0, 0, w, h}, progress.Image, false, progress.Tile == 1, true, 2, 1, margins_of(progress));
  if (filled > 0)
    PaintElement(work, RECT{0, 0, filled, h}, progress.Image, false, progress.Tile == 1, true, 2, 2, margins_of(progress));
}

void chunk_look(HDC work, int w, int h, TDataSkinObject& progress, TDataSkinObject* chunk, int filled) {
  if (!HasImage(chunk)) return;
  PaintElement(work, RECT{0, 0, w, h}, progress.Image, false, false, true, 1, 1, margins_of(progress));
  if (filled <= 0) return;
  const int cw = chunk->Image.Width(), ch = chunk->Image.Height();
  if (chunk->Tile == 1 && cw > 0) {
    // Blocks side by side from the left, cut at the filled length.
    zfw::TBitmap strip(filled, ch, zfw::pf24bit);
    for (int i = 0; i <= filled / cw; ++i)
      BitBlt(strip.Canvas().Handle(), i * cw, 0, cw, ch, chunk->Image.Canvas().Handle(), 0, 0, SRCCOPY);
    const int x = chunk->LeftWidth + 2, y = (h - ch) / 2;
    TransparentBlit(work, RECT{x, y, x + filled, y + ch}, strip, kSkinTransparent);
  } else if (h > 4) {
    // One block stretched between its caps.
    zfw::TBitmap strip(filled, h - 4, zfw::pf24bit);
    DrawThreePart(strip.Canvas().Handle(), RECT{0, 0, filled, h}, chunk->Image, false, 1, 1, margins_of(*chunk));
    TransparentBlit(work, RECT{2, 2, 2 + filled, h - 2}, strip, kSkinTransparent);
  }
}

}  // namespace

int ProgressFillLength(int width, int position, int upper) {
  if (position <= 0 || upper <= 0) return 0;
  return MulDiv(width, position, upper);
}

bool PaintProgress(HDC dc, const RECT& rect, TSkinData& skin, int position, int upper, bool vertical) {
  TDataSkinObject* progress = skin.Element("Progress");
  if (!HasImage(progress)) return false;
  const int ww = rect.right - rect.left, wh = rect.bottom - rect.top;
  const int w = vertical ? wh : ww, h = vertical ? ww : wh;  // a vertical bar is drawn lying down
  if (w <= 0 || h <= 0) return true;
  zfw::TBitmap work(w, h, zfw::pf24bit);
  HDC out = work.Canvas().Handle();
  SetStretchBltMode(out, COLORONCOLOR);
  FillSolid(out, RECT{0, 0, w, h}, FaceRgb(skin));
  const int filled = ProgressFillLength(w, position, upper);
  if (progress->Style == 1) chunk_look(out, w, h, *progress, skin.Element("Progress.Chunk"), filled);
  else plain_look(out, w, h, *progress, filled);
  if (vertical) RotateBitmapLeft(work);
  BitBlt(dc, rect.left, rect.top, ww, wh, work.Canvas().Handle(), 0, 0, SRCCOPY);
  return true;
}

}  // namespace zembrel
