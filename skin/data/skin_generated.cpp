// Elements the skin data makes from others after a definition is read: the combo-box edit frame
// with its button, the combo arrow, the toolbar background, and the frame colour.
#include "skin/paint/ImgUtil.h"
#include "skin/data/WinSkinData.h"
#include "skin/data/definition_rules.h"
#include "skin/paint/skin_paint.h"

namespace zembrel {

namespace {

constexpr int kComboCellWidth = 50;
constexpr int kComboCellHeight = 21;
constexpr int kComboArrowSize = 17;

Margins MarginsOf(const TDataSkinObject& e) { return Margins{e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

void FillWith(zfw::TBitmap& bitmap, const RECT& r, COLORREF colour) {
  zfw::OwnedBrush brush(CreateSolidBrush(colour));
  FillRect(bitmap.Canvas().Handle(), &r, brush.get());
}

// One strip of n cells of 50 x 21: the sunken edit frame with the combo button (and the extra
// glyph) at its right end, and a magenta hole where the text goes.
void BuildComboStrip(TDataSkinObject& sunk, TDataSkinObject& button, TDataSkinObject* extra, int arrow_width,
                     zfw::TBitmap& strip) {
  const int n = sunk.FrameCount;
  strip.SetSize(kComboCellWidth * n, kComboCellHeight, zfw::pf24bit);
  FillWith(strip, RECT{0, 0, strip.Width(), strip.Height()}, RGB(255, 0, 255));
  zfw::TBitmap cell(kComboCellWidth, kComboCellHeight, zfw::pf24bit);
  const RECT whole{0, 0, kComboCellWidth, kComboCellHeight};
  const RECT right{kComboCellWidth - arrow_width, 0, kComboCellWidth, kComboCellHeight};
  HDC dc = cell.Canvas().Handle();
  for (int b = 1; b <= n; ++b) {
    FillWith(cell, whole, RGB(255, 0, 255));
    PaintElement(dc, whole, sunk.Image, false, sunk.Tile != 0, sunk.Trans != 0, n, b, MarginsOf(sunk));
    PaintElement(dc, right, button.Image, false, button.Tile != 0, true, button.FrameCount, b, MarginsOf(button));
    if (extra) DrawCentredFrame(dc, right, extra->Image, true, extra->FrameCount, b);
    FillWith(cell, RECT{2, 2, kComboCellWidth - 1 - arrow_width, kComboCellHeight - 3}, RGB(255, 0, 255));
    BitBlt(strip.Canvas().Handle(), kComboCellWidth * (b - 1), 0, kComboCellWidth, kComboCellHeight, dc, 0, 0, SRCCOPY);
  }
}

}  // namespace

void TSkinData::MakeDerivedElements() {
  TDataSkinObject* sunk = elements_.Find("SunkEdge");
  TDataSkinObject* combo = elements_.Find("ComboButton");

  if (sunk && combo) {
    const int s = GetSystemMetrics(SM_CXHSCROLL) + 2;
    zfw::TBitmap strip;
    BuildComboStrip(*sunk, *combo, elements_.Find("ExtraImages"), s, strip);
    combo->Style = 2;
    combo->TopHeight = sunk->TopHeight;
    combo->BottomHeight = sunk->BottomHeight;
    combo->LeftWidth = 2;
    combo->RightWidth = s + 2;
    combo->Image.Assign(strip);
    sunk->Image.Assign(strip);
    MirrorBitmap(sunk->Image);
    sunk->LeftWidth = s + 2;
    sunk->RightWidth = 2;
  }

  if (!elements_.Find("ComboxArrow")) {
    if (!sunk && combo) {
      auto arrow = std::make_unique<TDataSkinObject>("ComboxArrow");
      arrow->Image.Assign(combo->Image);
      // The face colour as painted: a system colour is resolved before it replaces magenta.
      ReplaceMagenta(arrow->Image, static_cast<zfw::TColor>(zfw::ColorToRGB(colours_.ButtonFace)));
      arrow->FrameCount = combo->FrameCount;
      elements_.Put(std::move(arrow));
    } else if (sunk && combo && combo->Style == 2 && sunk->FrameCount > 0) {
      const int n = sunk->FrameCount;
      const int w = combo->Image.Width() / n;
      auto arrow = std::make_unique<TDataSkinObject>("ComboxArrow");
      arrow->Image.SetSize(n * kComboArrowSize, kComboArrowSize, zfw::pf24bit);
      for (int i = 0; i < n; ++i)
        BitBlt(arrow->Image.Canvas().Handle(), i * kComboArrowSize, 0, kComboArrowSize, kComboArrowSize,
               combo->Image.Canvas().Handle(), w * (i + 1) - 19, 2, SRCCOPY);
      arrow->FrameCount = n;
      elements_.Put(std::move(arrow));
    }
  }

  if (!elements_.Find("Toolbar")) {
    const zfw::TColor frame = frame_color_;  // as it stands before this definition's is sampled
    zfw::TColor end = MixColors(0x808080, frame, 150);
    const zfw::TColor start = MixColors(colours_.ButtonFace, zfw::clWhite, 150);
    const int saturation = SaturationLevel(frame);
    if (saturation > 110) end = MixColors(frame, zfw::clWhite, ToolbarSaturatedWeight(saturation));
    auto toolbar = std::make_unique<TDataSkinObject>("Toolbar");
    toolbar->Image.SetSize(10, 40, zfw::pf24bit);
    GradientFill(toolbar->Image.Canvas().Handle(), RECT{0, 0, 10, 40}, start, kGradientTopToBottom, end);
    toolbar->FrameCount = 1;
    elements_.Put(std::move(toolbar));
  }
}

void TSkinData::SampleFrameColor() {
  zfw::TBitmap& image = top_->Image;
  if (image.Empty()) {
    frame_color_ = colours_.ButtonFace;
    return;
  }
  const int frames = top_->FrameCount > 0 ? top_->FrameCount : 1;  // a skin may say 0 frames
  frame_color_ = static_cast<zfw::TColor>(image.Pixel(image.Width() / 3, (image.Height() / frames) / 3));
}

}  // namespace zembrel
