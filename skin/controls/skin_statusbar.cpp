#include "skin/controls/skin_statusbar.h"

#include "framework/handles.h"
#include "skin/controls/skin_control_paint.h"
#include "skin/data/WinSkinData.h"
#include "skin/paint/ImgUtil.h"

namespace zembrel {
namespace {

constexpr int kGripCell = 5;

void draw_panel_frame(HDC dc, const RECT& r, TSkinData& skin, int frame) {
  if (TDataSkinObject* edges = skin.Element("StatusBarEdges"); HasImage(edges)) {
    DrawElementFrame(dc, r, *edges, 3, frame);
    return;
  }
  if (frame == kPanelFlat) return;
  // A one-pixel three-dimensional border in the system colours.
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF top_left = frame == kPanelLowered ? shadow : light;
  const COLORREF bottom_right = frame == kPanelLowered ? light : shadow;
  FillSolid(dc, RECT{r.left, r.top, r.right, r.top + 1}, top_left);
  FillSolid(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, top_left);
  FillSolid(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottom_right);
  FillSolid(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottom_right);
}

// The caption in the rectangle narrowed by 2 on each side, one pixel above vertical centre.
void draw_caption(HDC dc, const RECT& r, UINT align, const std::wstring& text) {
  const std::wstring shown = text.empty() ? L" " : text;
  RECT area = r;
  InflateRect(&area, -2, 0);
  RECT box = MeasureText(dc, shown, area, align | DT_NOCLIP | DT_EXPANDTABS);
  const int dy = (area.bottom - area.top) - (box.bottom - box.top);
  OffsetRect(&box, 0, dy / 2 - 1);
  if (align & DT_CENTER) OffsetRect(&box, ((area.right - area.left) - (box.right - box.left)) / 2, 0);
  else box.left = area.left, box.right = area.right;
  DrawTextWide(dc, shown, box, align | DT_EXPANDTABS);
}

}  // namespace

std::vector<RECT> StatusPanelRects(const StatusBarLook& look, const RECT& bar) {
  std::vector<RECT> out;
  for (size_t i = 0; i < look.panels.size(); ++i) {
    RECT r = look.panels[i].rect;
    r.right += 2;
    if (i + 1 == look.panels.size()) r.right = bar.right;
    out.push_back(r);
  }
  return out;
}

void PaintStatusBar(HDC dc, const RECT& rect, TSkinData& skin, const StatusBarLook& look) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  zfw::BufferedPaint buffer(dc, rect);
  HDC out = buffer.dc();
  FillSolid(out, rect, FaceRgb(skin));
  zfw::SelectGuard font(out, look.font ? look.font : static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT)));
  SetBkMode(out, TRANSPARENT);
  TDataSkinObject* edges = skin.Element("StatusBarEdges");
  SetTextColor(out, edges ? SkinRgb(edges->NormalColour2) : GetTextColor(dc));

  if (look.simple || look.panels.empty()) {
    draw_panel_frame(out, rect, skin, kPanelLowered);
    draw_caption(out, rect, look.right_to_left ? DT_RIGHT : DT_LEFT, look.simple_text);
  } else {
    const std::vector<RECT> rects = StatusPanelRects(look, rect);
    for (size_t i = 0; i < look.panels.size(); ++i) {
      const StatusPanelLook& p = look.panels[i];
      if (!p.has_rect) continue;
      draw_panel_frame(out, rects[i], skin, p.frame);
      if (!p.owner_drawn) draw_caption(out, rects[i], p.align, p.text);
    }
  }

  TDataSkinObject* extra = skin.Element("ExtraImages");
  if (look.size_grip && HasImage(extra) && extra->FrameCount > 0) {
    const int w = extra->Image.Width() / extra->FrameCount, h = extra->Image.Height();
    const RECT grip{rect.right - 1 - w, rect.bottom - 1 - h, rect.right - 1, rect.bottom - 1};
    DrawImageCell(out, grip, extra->Image, extra->FrameCount, kGripCell);
  }
}

}  // namespace zembrel
