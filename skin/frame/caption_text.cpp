// The window's text on the skinned title bar, placed as the skin's Title element says: from
// TextShift (and TextShiftVert), clear of the caption buttons and of TextRightClip, aligned by
// TextAlignment, on the TextBack image when the skin has one, in the caption font at FontHeight and
// the active or inactive text colour; shortened with an ellipsis when it does not fit.
#include <algorithm>

#include "framework/handles.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"
#include "skin/frame/nc_objects.h"
#include "skin/paint/ImgUtil.h"
#include "skin/paint/skin_paint.h"

namespace zembrel {
namespace {

constexpr int kAlignRight = 1, kAlignCentre = 2;
constexpr int kButtonGap = 4;  // space kept between the text and the first caption button

}  // namespace

void TWinSkinForm::MakeTitleFont() {
  LOGFONTW lf{};
  if (!FCaptionFont || !GetObjectW(FCaptionFont.get(), sizeof lf, &lf)) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) lf = metrics.lfCaptionFont;
  }
  if (FSkinData && FSkinData->Title().FontHeight > 0) lf.lfHeight = -FSkinData->Title().FontHeight;
  FTitleFont.reset(CreateFontIndirectW(&lf));
}

void TWinSkinForm::ReadCaptionText() {
  FCaptionText = GetWindowTextWide(FWnd);
  FCaptionTextWidth = 0;
  if (FCaptionText.empty() || !FTitleFont) return;
  zfw::WindowDc dc(FWnd, zfw::DcArea::WholeWindow);
  if (!dc.get()) return;
  zfw::SelectGuard font(dc.get(), FTitleFont.get());
  SIZE size{};
  if (GetTextExtentPoint32W(dc.get(), FCaptionText.c_str(), static_cast<int>(FCaptionText.size()), &size))
    FCaptionTextWidth = size.cx;
}

// The text ends before TextRightClip and before the first shown caption button right of its start.
int TWinSkinForm::CaptionRightLimit() const {
  const TDataSkinTitle& title = FSkinData->Title();
  int limit = FWidth - std::max(title.RightWidth, FBorderRight);
  for (const auto& button : FButtons) {
    if (!button->Visible() || button->Rect().left < title.LeftWidth || button->Rect().top >= FBorderTop) continue;
    limit = std::min<int>(limit, button->Rect().left - kButtonGap);
  }
  return limit;
}

void TWinSkinForm::DrawCaptionText(HDC dc) {
  if (FCaptionText.empty() || !FTitleFont || FBorderTop <= 0) return;
  TDataSkinTitle& title = FSkinData->Title();
  const int left = std::max(title.LeftWidth, FBorderLeft);
  const int right = CaptionRightLimit();
  if (right <= left) return;

  zfw::SelectGuard font(dc, FTitleFont.get());
  // Where the text goes: as wide as it is, or the whole space with an ellipsis, then aligned.
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int textWidth = std::min(FCaptionTextWidth, right - left);
  int x = left;
  if (title.TextAlignment == kAlignRight) x = right - textWidth;
  else if (title.TextAlignment == kAlignCentre) x = left + (right - left - textWidth) / 2;
  const int top = title.TopHeight;
  RECT place{x, top, x + textWidth, top + metrics.tmHeight};

  if (!title.Image.Empty()) {
    const RECT back{place.left - title.TXTBackleft, 0, place.right + title.TXTBackRight, FBorderTop};
    PaintElement(dc, back, title.Image, false, false, true, std::max(1, title.FrameCount),
                 (FActive || title.FrameCount < 2) ? 1 : 2, Margins{title.TXTBackleft, 0, title.TXTBackRight, 0});
  }
  SkinColor colour = FActive ? title.ActiveTextColor : title.InactiveTextColor;
  if (colour == kSkinColorNotGiven) colour = FActive ? FSkinData->Colours().TitleTextActive : FSkinData->Colours().TitleTextNoActive;
  SetTextColor(dc, zfw::ColorToRGB(static_cast<zfw::TColor>(colour)));
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, FCaptionText.c_str(), static_cast<int>(FCaptionText.size()), &place, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT | DT_TOP);
}

}  // namespace zembrel
