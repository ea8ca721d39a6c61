#include "tools/contactsheet/title_preview.h"

#include <algorithm>
#include <vector>

#include "skin/paint/skin_paint.h"

namespace zembrel::sheet {
namespace {

constexpr int kBarWidth = 330;
constexpr int kBarGap = 16;
const wchar_t* const kCaption = L"Zembrel 批量修改";

struct BarState {
  const char* label;
  int border_frame;  // Top: 1 active, 2 inactive
  int button_frame;  // caption buttons: 1 normal, 2 pressed, 3 hot, 4 disabled or inactive
};

// The caption buttons' places on a bar of that width; a button that takes the place of an
// earlier one (restore for maximise) is left out.
std::vector<std::pair<TDataSkinSysButton*, RECT>> ButtonPlaces(TSkinData& data, int width) {
  std::vector<std::pair<TDataSkinSysButton*, RECT>> places;
  for (const auto& b : data.TitleButtons()) {
    if (b->Image.Empty() || b->Align == 100 || b->FrameCount < 1) continue;
    const int w = b->Image.Width() / b->FrameCount, h = b->Image.Height();
    const int x = b->Align == 1 ? width - b->XCoord : b->XCoord;
    const RECT r{x, b->YCoord, x + w, b->YCoord + h};
    const bool taken =
        std::any_of(places.begin(), places.end(), [&](const auto& p) { return EqualRect(&p.second, &r); });
    if (!taken) places.emplace_back(b.get(), r);
  }
  return places;
}

void PaintBar(Pass& pass, TSkinData& data, const BarState& state, const RECT& bar) {
  TDataSkinBorder& top = data.Top();
  const Margins margins{top.LeftWidth, top.TopHeight, top.RightWidth, top.BottomHeight};
  // The border's Tile holds its Stretch value: 1 stretches the middle.
  PaintElement(pass.Dc(), bar, top.Image, true, top.Tile != 1, top.Trans != 0, top.FrameCount,
               std::min(state.border_frame, std::max(1, top.FrameCount)), margins);

  const TDataSkinTitle& title = data.Title();
  const bool active = state.border_frame == 1;
  const SkinColor given = active ? title.ActiveTextColor : title.InactiveTextColor;
  const SkinColor fallback = active ? data.Colours().TitleTextActive : data.Colours().TitleTextNoActive;
  pass.Text(bar.left + title.LeftWidth, bar.top + title.TopHeight, kCaption, pass.Font().sample.get(),
            zfw::ColorToRGB(given != kSkinColorNotGiven ? given : fallback));

  for (const auto& [button, place] : ButtonPlaces(data, bar.right - bar.left)) {
    const RECT r{bar.left + place.left, bar.top + place.top, bar.left + place.right, bar.top + place.bottom};
    DrawStripFrame(pass.Dc(), r, button->Image, true, button->FrameCount,
                   std::min(state.button_frame, button->FrameCount));
  }
}

}  // namespace

int PaintTitlePreview(Pass& pass, TSkinData& data, int y) {
  const int top = y;
  y += pass.Text(kMargin, y, L"Title bars made of these pieces", pass.Font().title.get(), kInk).cy + 6;
  TDataSkinBorder& border = data.Top();
  if (border.Image.Empty() || border.FrameCount < 1) {
    y += pass.Text(kMargin, y, L"(the skin has no title bar)", pass.Font().body.get(), kDim).cy;
    return y - top + 12;
  }
  const int height = border.Image.Height() / border.FrameCount;
  static const BarState states[] = {{"active, buttons normal", 1, 1},
                                    {"active, buttons hot (frame 3)", 1, 3},
                                    {"active, buttons pressed (frame 2)", 1, 2},
                                    {"inactive, buttons frame 4", 2, 4}};
  const int per_line = (pass.Width() - 2 * kMargin + kBarGap) / (kBarWidth + kBarGap);
  int i = 0, line_height = 0;
  for (const BarState& state : states) {
    const int x = kMargin + (i % per_line) * (kBarWidth + kBarGap);
    const RECT bar{x, y, x + kBarWidth, y + height};
    if (pass.Drawing()) PaintBar(pass, data, state, bar);
    const int label = pass.Text(x, bar.bottom + 3, Wide(state.label), pass.Font().body.get(), kDim).cy;
    line_height = std::max(line_height, height + 3 + label);
    if (++i % per_line == 0 || i == static_cast<int>(std::size(states))) {
      y += line_height + 12;
      line_height = 0;
    }
  }
  return y - top;
}

}  // namespace zembrel::sheet
