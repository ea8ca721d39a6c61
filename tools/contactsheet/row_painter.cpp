#include "tools/contactsheet/row_painter.h"

#include <algorithm>
#include <memory>

#include "skin/paint/skin_paint.h"

namespace zembrel::sheet {
namespace {

constexpr int kLabelWidth = 240;
constexpr int kRowPadding = 8;
constexpr int kCellGap = 12;
constexpr int kCheckerPad = 3;  // checkerboard shown around each frame
constexpr int kZoomGap = 4;
constexpr int kSmallFrame = 40;  // frames up to this size also get the raw 2x view

struct Cell {
  int frame;   // 1-based
  bool clear;  // every pixel is the transparent colour
  std::wstring caption;
  int width, height, zoom;
};

// Frame k of the row's image copied into a bitmap of its own, so that every drawing routine
// sees just that frame.
std::unique_ptr<zfw::TBitmap> FramePiece(const SheetRow& row, const ElementFrame& f) {
  auto piece = std::make_unique<zfw::TBitmap>(f.width, f.height);
  BitBlt(piece->Canvas().Handle(), 0, 0, f.width, f.height, row.image->Canvas().Handle(), f.x, f.y, SRCCOPY);
  return piece;
}

bool AllTransparent(zfw::TBitmap& piece) {
  for (int y = 0; y < piece.Height(); ++y) {
    const uint8_t* line = piece.ScanLine(y);
    for (int x = 0; x < piece.Width(); ++x)
      if (RGB(line[3 * x + 2], line[3 * x + 1], line[3 * x]) != kSkinTransparent) return false;
  }
  return true;
}

int Zoom(const ElementFrame& f) { return f.width <= kSmallFrame && f.height <= kSmallFrame ? 2 : 1; }

// The name and facts at (x, y); the size they take.
SIZE LabelBlock(Pass& pass, const SheetRow& row, int x, int y) {
  SIZE title = pass.Text(x, y, Wide(row.title), pass.Font().title.get(), kInk);
  SIZE block{title.cx, title.cy + 2};
  for (const std::string& fact : row.facts) {
    const SIZE line = pass.Text(x, y + block.cy, Wide(fact), pass.Font().body.get(), kDim);
    block.cx = std::max(block.cx, line.cx);
    block.cy += line.cy;
  }
  return block;
}

void DrawCell(Pass& pass, const SheetRow& row, const ElementFrame& f, zfw::TBitmap& piece, const Cell& cell, int x,
              int y, std::vector<std::string>& blank) {
  const SIZE caption = pass.Measure(cell.caption, pass.Font().body.get());
  pass.Text(x + (cell.width - caption.cx) / 2, y, cell.caption, pass.Font().body.get(), kInk);
  int top = y + caption.cy + 2;

  const int fx = x + (cell.width - f.width) / 2;
  const RECT checker{fx - kCheckerPad, top, fx + f.width + kCheckerPad, top + f.height + 2 * kCheckerPad};
  const RECT dest{fx, top + kCheckerPad, fx + f.width, top + kCheckerPad + f.height};
  if (!pass.Drawing()) return;
  pass.Checker(checker);
  if (row.transparent)
    TransparentBlit(pass.Dc(), dest, piece, kSkinTransparent);
  else
    BitBlt(pass.Dc(), dest.left, dest.top, f.width, f.height, piece.Canvas().Handle(), 0, 0, SRCCOPY);
  // A frame that is all magenta is meant to show what lies behind it; any other must show.
  if (!cell.clear && !pass.DiffersFromChecker(dest))
    blank.push_back(row.title + ", frame " + std::to_string(cell.frame) + ": nothing drawn");

  if (cell.zoom < 2) return;
  top = checker.bottom + kZoomGap;
  const int zx = x + (cell.width - f.width * cell.zoom) / 2;
  const RECT zoom{zx, top + 1, zx + f.width * cell.zoom, top + 1 + f.height * cell.zoom};
  pass.Frame(RECT{zoom.left - 1, zoom.top - 1, zoom.right + 1, zoom.bottom + 1}, kRule);
  SetStretchBltMode(pass.Dc(), COLORONCOLOR);
  StretchBlt(pass.Dc(), zoom.left, zoom.top, zoom.right - zoom.left, zoom.bottom - zoom.top, piece.Canvas().Handle(), 0,
             0, f.width, f.height, SRCCOPY);
}

Cell MeasureCell(Pass& pass, const SheetRow& row, const ElementFrame& f, zfw::TBitmap& piece, int k) {
  Cell cell{k, row.transparent && AllTransparent(piece), std::to_wstring(k), 0, 0, 1};
  if (k <= static_cast<int>(row.states.size()) && !row.states[k - 1].empty())
    cell.caption += L" " + Wide(row.states[k - 1]);
  if (cell.clear) cell.caption += L" (clear)";
  cell.zoom = Zoom(f);
  const SIZE caption = pass.Measure(cell.caption, pass.Font().body.get());
  cell.width = std::max({static_cast<int>(caption.cx), f.width + 2 * kCheckerPad, f.width * cell.zoom + 2});
  cell.height = caption.cy + 2 + f.height + 2 * kCheckerPad;
  if (cell.zoom > 1) cell.height += kZoomGap + f.height * cell.zoom + 2;
  return cell;
}

}  // namespace

int SheetWidthFor(const SheetRow& row) {
  constexpr int kCaptionRoom = 120;  // the widest frame caption, "3 disabled (clear)"
  int widest = kCaptionRoom;
  ElementFrame f;
  for (int k = 1; k <= row.frames && StripFrame(*row.image, row.vertical, row.frames, k, f); ++k)
    widest = std::max({widest, f.width + 2 * kCheckerPad, f.width * Zoom(f) + 2});
  constexpr int kLongLabelRoom = 48;  // a label line wider than the label column moves the cells right
  return kMargin + kLabelWidth + kLongLabelRoom + widest + kMargin;
}

int PaintRow(Pass& pass, const SheetRow& row, int y, std::vector<std::string>& blank) {
  const int top = y + kRowPadding;
  const SIZE label = LabelBlock(pass, row, kMargin, top);
  const int label_height = label.cy;
  // Cells start clear of the label, however long its lines.
  const int cells_left = kMargin + std::max<int>(kLabelWidth, label.cx + 16);
  const int cells_right = pass.Width() - kMargin;

  int x = cells_left, line_top = top, line_height = 0;
  for (int k = 1; k <= row.frames; ++k) {
    ElementFrame f;
    if (!StripFrame(*row.image, row.vertical, row.frames, k, f)) break;
    const std::unique_ptr<zfw::TBitmap> piece = FramePiece(row, f);
    const Cell cell = MeasureCell(pass, row, f, *piece, k);
    if (x > cells_left && x + cell.width > cells_right) {  // wrap onto a new line of cells
      x = cells_left;
      line_top += line_height + kCellGap;
      line_height = 0;
    }
    DrawCell(pass, row, f, *piece, cell, x, line_top, blank);
    x += cell.width + kCellGap;
    line_height = std::max(line_height, cell.height);
  }
  if (line_height == 0) {  // nothing to show: say so where the cells would be
    line_height = pass.Text(cells_left, top, L"(no frames to show)", pass.Font().body.get(), kDim).cy;
    if (!row.image->Empty()) blank.push_back(row.title + ": its image gives no frame");
  }
  const int bottom = std::max(top + label_height, line_top + line_height) + kRowPadding;
  pass.Fill(RECT{kMargin, bottom, pass.Width() - kMargin, bottom + 1}, kRule);
  return bottom + 1 - y;
}

}  // namespace zembrel::sheet
