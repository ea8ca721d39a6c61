#include "tools/contactsheet/contact_sheet.h"

#include <algorithm>

#include "skin/paint/skin_paint.h"
#include "tools/contactsheet/colour_table.h"
#include "tools/contactsheet/row_painter.h"
#include "tools/contactsheet/title_preview.h"

namespace zembrel {
namespace {

// One walk over everything on the sheet; returns the height it takes.
int Walk(sheet::Pass& pass, TSkinData& data, const std::vector<SheetRow>& rows, const std::string& heading,
         std::vector<std::string>& blank) {
  int y = sheet::kMargin;
  y += pass.Text(sheet::kMargin, y, sheet::Wide(heading), pass.Font().heading.get(), sheet::kInk).cy;
  y += pass.Text(sheet::kMargin, y + 2,
                 L"Each frame k at its natural size on a checkerboard (magenta left out where the element is "
                 L"transparent), and small frames raw at 2x below it.",
                 pass.Font().body.get(), sheet::kDim)
           .cy +
       10;
  pass.Fill(RECT{sheet::kMargin, y, pass.Width() - sheet::kMargin, y + 1}, sheet::kRule);
  y += 1;
  for (const SheetRow& row : rows) y += sheet::PaintRow(pass, row, y, blank);
  y += 12;
  y += sheet::PaintTitlePreview(pass, data, y);
  y += sheet::PaintColourTable(pass, data, y);
  return y + sheet::kMargin;
}

}  // namespace

void RenderContactSheet(TSkinData& data, const std::vector<SheetRow>& rows, const std::string& heading,
                        zfw::TBitmap& sheet, std::vector<std::string>& blank) {
  SkinPaintUser painting;  // the drawing primitives' work bitmap
  const sheet::Fonts fonts;
  int width = sheet::kMinSheetWidth;
  for (const SheetRow& row : rows) width = std::max(width, sheet::SheetWidthFor(row));
  zfw::TBitmap scratch(1, 1);
  sheet::Pass measure(scratch.Canvas().Handle(), nullptr, fonts, width);
  std::vector<std::string> unused;
  const int height = Walk(measure, data, rows, heading, unused);

  sheet.SetSize(width, height, zfw::pf24bit);
  sheet::Pass draw(nullptr, &sheet, fonts, width);
  draw.Fill(RECT{0, 0, width, height}, sheet::kPage);
  Walk(draw, data, rows, heading, blank);
}

std::vector<std::uint8_t> SheetRgb(zfw::TBitmap& sheet) {
  std::vector<std::uint8_t> rgb;
  rgb.reserve(static_cast<size_t>(sheet.Width()) * sheet.Height() * 3);
  for (int y = 0; y < sheet.Height(); ++y) {
    const uint8_t* line = sheet.ScanLine(y);
    for (int x = 0; x < sheet.Width(); ++x) rgb.insert(rgb.end(), {line[3 * x + 2], line[3 * x + 1], line[3 * x]});
  }
  return rgb;
}

}  // namespace zembrel
