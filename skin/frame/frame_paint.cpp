// The skinned frame's geometry and painting: border sizes from the skin, the client area inside
// them (WM_NCCALCSIZE), the resize that keeps the client area, the frame composed off screen and
// copied to the window once, and the window region cut from the borders' transparent colour.
#include <algorithm>
#include <optional>

#include "framework/forms.h"
#include "framework/handles.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"
#include "skin/menus/WinSkinMenu.h"
#include "skin/frame/nc_objects.h"
#include "framework/fault_log.h"
#include "skin/paint/skin_paint.h"

namespace zembrel {
namespace {

constexpr int kLeft = 1, kRight = 2, kTop = 3, kBottom = 4;

int FrameCountOf(const TDataSkinObject& border) { return std::max(1, border.FrameCount); }

TDataSkinBorder& BorderOf(TSkinData& data, int index) {
  switch (index) {
    case kLeft: return data.Left();
    case kRight: return data.Right();
    case kTop: return data.Top();
    default: return data.Bottom();
  }
}

Margins MarginsOf(const TDataSkinObject& e) { return Margins{e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

}  // namespace

void TWinSkinForm::ReadFrameMetrics() {
  if (!FSkinData || FSkinData->Loading()) return;
  if (FFrameKind == kFrameNoCaption) {
    FBorderLeft = FBorderTop = FBorderRight = FBorderBottom = 0;
    FMenuHeight = 0;
  } else {
    TSkinData& d = *FSkinData;
    FBorderLeft = d.Left().Image.Width() / FrameCountOf(d.Left());
    FBorderRight = d.Right().Image.Width() / FrameCountOf(d.Right());
    FBorderTop = d.Top().Image.Height() / FrameCountOf(d.Top());
    FBorderBottom = d.Bottom().Image.Height() / FrameCountOf(d.Bottom());
  }
  MakeTitleFont();
  BuildButtons();
}

void TWinSkinForm::SetCaptionStyle(bool on) {
  if (!(FWindowFlags & kCaptionRemoved)) return;
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(FWnd, GWL_STYLE));
  FStyle = on ? (style | WS_CAPTION) : (style & ~DWORD(WS_CAPTION));
  if (FStyle != style) SetWindowLongPtrA(FWnd, GWL_STYLE, static_cast<LONG_PTR>(FStyle));
}

// While skinned the window has no WS_SYSMENU, so that the system neither paints nor hit-tests
// caption buttons of its own; the style comes back when the window is restored or minimised.
void TWinSkinForm::SetSystemMenuStyle(bool remove) {
  if (FWindowFlags & kCaptionRemoved) return;
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(FWnd, GWL_STYLE));
  FStyle = style;
  if (remove) FStyle &= ~DWORD(WS_SYSMENU);
  else if (FSystemMenu) FStyle |= WS_SYSMENU;
  if (FStyle != style) SetWindowLongPtrA(FWnd, GWL_STYLE, static_cast<LONG_PTR>(FStyle));
}

// ---- painting ----

void TWinSkinForm::PaintFrameMessage(zfw::TMessage& m) {
  SetSystemMenuStyle(true);
  if (FSkinData->FramePainting) {
    if (IsMaximizedMDIChild() || FFrameKind == kFrameNoCaption) {
      m.Result = CallOld(m.Msg, m.WParam, m.LParam);
      return;
    }
    PaintFrame(nullptr);
  }
  m.Result = 0;
}

void TWinSkinForm::PaintFrame(HDC dc) {
  if ((FState != kFormRunning && FState != kFormRefreshing) || FFrameKind == kFrameNoCaption ||
      IsMaximizedMDIChild() || !FSkinData || !FFrameSkinned)
    return;
  std::optional<zfw::WindowDc> own;
  if (!dc) own.emplace(FWnd, zfw::DcArea::WholeWindow);
  const HDC target = dc ? dc : own->get();
  if (!target) return;
  try {
    GetWindowRect(FWnd, &FWindowRect);
    FWidth = FWindowRect.right - FWindowRect.left;
    FHeight = FWindowRect.bottom - FWindowRect.top;
    const int W = FWidth, H = FHeight;
    if (W > 0 && H > 0) {
      if (FTitleBitmap.Width() != W || FTitleBitmap.Height() != H) FTitleBitmap.SetSize(W, H, zfw::pf24bit);
      HDC buffer = FTitleBitmap.Canvas().Handle();
      if (FSizeState == kSizeMinimized) {
        PaintTitle(buffer);
      } else {
        DrawBorder(kLeft, RECT{0, 0, FBorderLeft, H}, buffer);
        DrawBorder(kRight, RECT{W - FBorderRight, 0, W, H}, buffer);
        DrawBorder(kBottom, RECT{FBorderLeft, H - FBorderBottom, W - FBorderRight, H}, buffer);
        PaintTitle(buffer);
        const RECT band{FBorderLeft, FBorderTop, W - FBorderRight, FBorderTop + FMenuHeight};
        if (FMenuBar) FMenuBar->PaintBar(buffer, band);
        else if (FMenuHeight > 0) FillRect(buffer, &band, FSkinData->FaceBrush());
      }
      // One copy of the whole frame; the client area is left as the window painted it.
      zfw::SaveDcGuard saved(target);
      if (FSizeState != kSizeMinimized)
        ExcludeClipRect(target, FBorderLeft, FBorderTop + FMenuHeight, W - FBorderRight, H - FBorderBottom);
      BitBlt(target, 0, 0, W, H, buffer, 0, 0, SRCCOPY);
    }
  } catch (...) {
    zfw::LogCaughtException("form skin: painting the frame");
  }
  FHotObject = nullptr;
}

void TWinSkinForm::PaintTitle(HDC dc) {
  TDataSkinBorder& top = FSkinData->Top();
  const int frame = (FActive || FrameCountOf(top) == 1) ? 1 : 2;
  RECT title{FBorderLeft, 0, FWidth - FBorderRight, FBorderTop};
  if (FSizeState == kSizeMinimized) {
    const RECT all{0, 0, FWidth, FHeight};
    zfw::OwnedBrush face(CreateSolidBrush(zfw::ColorToRGB(static_cast<zfw::TColor>(FSkinData->Colours().ButtonFace))));
    FillRect(dc, &all, face.get());
    title = RECT{0, 0, FWidth, FBorderTop};
  }
  if (title.right > title.left && title.bottom > title.top) {
    if (auto rendered = RenderElement(RECT{0, 0, title.right - title.left, title.bottom - title.top}, top.Image,
                                      MarginsOf(top), true, top.Tile != 1, FrameCountOf(top), frame))
      BitBlt(dc, title.left, title.top, rendered->Width(), rendered->Height(), rendered->Canvas().Handle(), 0, 0, SRCCOPY);
  }
  LayoutButtons();
  DrawCaptionText(dc);
  PaintButtons(dc);
  SetBkMode(dc, OPAQUE);
}

void TWinSkinForm::DrawBorder(int index, const RECT& rect, HDC dc) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  TDataSkinBorder& border = BorderOf(*FSkinData, index);
  const int frame = (FActive || FrameCountOf(border) == 1) ? 1 : 2;
  const bool vertical = index == kTop || index == kBottom;
  if (auto rendered = RenderElement(RECT{0, 0, w, h}, border.Image, MarginsOf(border), vertical, border.Tile != 1,
                                    FrameCountOf(border), frame))
    BitBlt(dc, rect.left, rect.top, w, h, rendered->Canvas().Handle(), 0, 0, SRCCOPY);
}

// ---- the client area ----

void TWinSkinForm::CalcClientArea(zfw::TMessage& m) {
  m.Result = CallOld(m.Msg, m.WParam, m.LParam);
  if ((m.WParam & 0xFF) == 0) {
    m.Result = 0;
    return;
  }
  auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
  if ((FMDIKind == kMDIChild && FSizeState != kSizeNormal) || FFrameKind == kFrameNoCaption) {
    p->rgrc[1] = p->rgrc[0];
    m.Result = WVR_VALIDRECTS;
    return;
  }
  const WINDOWPOS& wp = *p->lppos;
  RECT client{wp.x + FBorderLeft, wp.y + FBorderTop + FMenuHeight, wp.x + wp.cx - FBorderRight,
              wp.y + wp.cy - FBorderBottom};
  client.right = std::max(client.right, client.left);
  client.bottom = std::max(client.bottom, client.top);
  p->rgrc[0] = client;
  p->rgrc[1] = client;
  m.Result = WVR_VALIDRECTS;
}

void TWinSkinForm::ResizeToClient(bool keepClient) {
  if (FSizeState == kSizeMaximized) {
    FrameChanged();
    return;
  }
  RECT r{};
  GetWindowRect(FWnd, &r);
  if (FMessageBox || FState == kFormRefreshing) GetClientRect(FWnd, &FClientRect);
  int width = FClientRect.right + FBorderLeft + FBorderRight;
  if (keepClient) GetClientRect(FWnd, &FClientRect);
  const int height = FClientRect.bottom + FBorderTop + FBorderBottom + FMenuHeight;
  if (FMessageBox && !keepClient) WidenForCaption(width);
  SetWindowPos(FWnd, nullptr, r.left, r.top, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// A dialog whose caption is wider than its client area grows, its controls moved to stay centred.
void TWinSkinForm::WidenForCaption(int& width) {
  ReadCaptionText();
  const TDataSkinTitle& title = FSkinData->Title();
  const int minimum = title.LeftWidth + FCaptionTextWidth + title.RightWidth;
  if (width >= minimum) return;
  const int dx = (minimum - width) / 2;
  for (HWND child = GetTopWindow(FWnd); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT cr{};
    GetWindowRect(child, &cr);
    POINT topLeft{cr.left, cr.top};
    ScreenToClient(FWnd, &topLeft);
    SetWindowPos(child, nullptr, topLeft.x + dx, topLeft.y, cr.right - cr.left, cr.bottom - cr.top,
                 SWP_NOOWNERZORDER | SWP_NOSENDCHANGING | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  width = minimum;
}

// ---- the window region ----

zfw::OwnedRegion TWinSkinForm::BorderRegion(int index, int W, int H) {
  TDataSkinBorder& border = BorderOf(*FSkinData, index);
  RECT place{};
  bool cut = border.Trans == 1;
  switch (index) {
    case kLeft: place = RECT{0, 0, FBorderLeft, H}; cut = cut && H > 1; break;
    case kRight: place = RECT{W - FBorderRight, 0, W, H}; cut = cut && H > 1; break;
    case kBottom: place = RECT{FBorderLeft, H - FBorderBottom, W - FBorderRight, H}; cut = cut && FBorderBottom >= 2; break;
    default: place = RECT{FBorderLeft, 0, W - FBorderRight, FBorderTop}; cut = cut && FBorderTop > 1; break;
  }
  const int w = place.right - place.left, h = place.bottom - place.top;
  if (cut && w > 0 && h > 0) {
    const int frame = (FActive || FrameCountOf(border) == 1) ? 1 : 2;
    const bool vertical = index == kTop || index == kBottom;
    if (auto rendered = RenderElement(RECT{0, 0, w, h}, border.Image, MarginsOf(border), vertical, border.Tile != 1,
                                      FrameCountOf(border), frame))
      return RegionFromBitmap(*rendered, place.left, place.top, 1, 1, 1, kSkinTransparent);
  }
  return zfw::OwnedRegion(CreateRectRgn(place.left, place.top, std::max(place.left, place.right),
                                        std::max(place.top, place.bottom)));
}

void TWinSkinForm::UpdateRegion() {
  if (FState == kFormDestroyed || !FFrameSkinned || !FSkinData) return;
  RECT r{};
  GetWindowRect(FWnd, &r);
  const int W = r.right - r.left, H = r.bottom - r.top;
  if (W <= 0 || H <= 0) return;
  if (FMDIKind == kMDIChild && FSizeState != kSizeNormal) return;
  // A maximised window fills the work area and keeps no shape of its own; what the old shape hid
  // is painted at once.
  if (FSizeState == kSizeMaximized) {
    DropRegion(true);
    return;
  }
  if (FRegionOwned && W == FRegionWidth && H == FRegionHeight && FMDIKind != kMDIChild && FState != kFormRefreshing)
    return;
  FRegionOwned = false;
  TSkinData& d = *FSkinData;
  zfw::OwnedRegion region;
  if (d.Right().Trans + d.Top().Trans + 2 * d.Left().Trans != 0) {
    FRegionWidth = W;
    FRegionHeight = H;
    region.reset(CreateRectRgn(FBorderLeft, FBorderTop, std::max(FBorderLeft, W - FBorderRight),
                               std::max(FBorderTop, H - FBorderBottom)));
    if (FFrameKind != kFrameNoCaption) {
      zfw::OwnedRegion left = BorderRegion(kLeft, W, H), right = BorderRegion(kRight, W, H);
      zfw::OwnedRegion top = BorderRegion(kTop, W, H), bottom = BorderRegion(kBottom, W, H);
      CombineRgn(left.get(), left.get(), right.get(), RGN_OR);
      CombineRgn(top.get(), top.get(), bottom.get(), RGN_OR);
      CombineRgn(left.get(), left.get(), top.get(), RGN_OR);
      CombineRgn(region.get(), region.get(), left.get(), RGN_OR);
    }
  } else {
    FRegionWidth = W;
    FRegionHeight = H;
    region.reset(CreateRectRgn(0, 0, W, H));
  }
  // From here on the region belongs to the window, which frees it when it is replaced.
  if (SetWindowRgn(FWnd, region.get(), TRUE)) {
    region.release();
    FRegionOwned = true;
  }
}

void TWinSkinForm::DropRegion() { DropRegion(FMDIKind == kMDIChild); }

void TWinSkinForm::DropRegion(bool redraw) {
  if (!FRegionOwned) return;
  SetWindowRgn(FWnd, nullptr, redraw);
  FRegionOwned = false;
  FRegionWidth = FRegionHeight = 0;
}

}  // namespace zembrel
