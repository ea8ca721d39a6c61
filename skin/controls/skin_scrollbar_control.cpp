#include "skin/controls/skin_scrollbar_control.h"

#include <algorithm>
#include <cctype>

#include "framework/class_builder.h"
#include "framework/controls.h"
#include "framework/handles.h"
#include "skin/controls/skin_control_paint.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"
#include "framework/fault_log.h"
#include "skin/frame/skin_messages.h"

namespace zembrel {
namespace {

constexpr char kOverlayClass[] = "TWScrollbar";

const char* overlay_class() {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;  // replaced per window at creation
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kOverlayClass;
    return RegisterClassA(&wc) != 0;
  }();
  (void)registered;
  return kOverlayClass;
}

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

}  // namespace

// ---- TWScrollbar ----

TWScrollbar::TWScrollbar(TSkinData* skinData, HWND target, Kind kind)
    : FSkinData(skinData), FTarget(target), FKind(kind), FArrowSize(GetSystemMetrics(SM_CXHSCROLL)) {
  FWnd = CreateWindowExA(WS_EX_TOOLWINDOW, overlay_class(), "", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                         GetParent(target), nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!FWnd) return;
  SetWindowLongPtrA(FWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(FWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWScrollbar::Proc));
  Sync();
}

TWScrollbar::~TWScrollbar() {
  if (!FWnd) return;
  SetWindowLongPtrA(FWnd, GWLP_USERDATA, 0);
  DestroyWindow(FWnd);
}

bool TWScrollbar::ReadInfo(SCROLLBARINFO& info) const {
  info = SCROLLBARINFO{};
  info.cbSize = sizeof info;
  return GetScrollBarInfo(FTarget, FKind == kHorizontal ? OBJID_HSCROLL : OBJID_VSCROLL, &info) != FALSE;
}

void TWScrollbar::Sync() {
  SCROLLBARINFO info;
  if (!FWnd || !ReadInfo(info)) {
    FShown = false;
    return;
  }
  if (!(GetWindowLongPtrA(FTarget, GWL_STYLE) & WS_VISIBLE) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) {
    Hide();
    return;
  }
  const RECT screen = info.rcScrollBar;
  FBarRect = screen;
  MapWindowPoints(nullptr, FTarget, reinterpret_cast<POINT*>(&FBarRect), 2);
  FLength = FKind == kVertical ? screen.bottom - screen.top : screen.right - screen.left;
  FBarScreenPos = POINT{screen.left, screen.top};
  RECT placed = screen;
  MapWindowPoints(nullptr, GetParent(FWnd), reinterpret_cast<POINT*>(&placed), 2);
  HWND above = GetWindow(FTarget, GW_HWNDPREV);
  if (above == FWnd) above = GetWindow(FWnd, GW_HWNDPREV);
  FShown = true;
  SetWindowPos(FWnd, above ? above : HWND_TOP, placed.left, placed.top, placed.right - placed.left,
               placed.bottom - placed.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  MoveWindow(FWnd, placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top, TRUE);
}

void TWScrollbar::Hide() {
  if (FWnd) ShowWindow(FWnd, SW_HIDE);
  FShown = false;
}

void TWScrollbar::Invalidate() {
  if (FWnd) InvalidateRect(FWnd, nullptr, FALSE);
}

void TWScrollbar::SetEnabled(bool enabled) {
  if (FWnd) EnableWindow(FWnd, enabled);
}

void TWScrollbar::SetHotPart(int part) {
  FHotPart = part;
  Invalidate();
}

ScrollGeometry TWScrollbar::Geometry(const SCROLLBARINFO& info) const {
  const RECT& r = info.rcScrollBar;
  return ScrollGeometry{FKind == kVertical ? r.bottom - r.top : r.right - r.left, FArrowSize, info.xyThumbTop,
                        info.xyThumbBottom};
}

bool TWScrollbar::CurrentLook(ScrollBarLook& look) {
  SCROLLBARINFO info;
  if (!ReadInfo(info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return false;
  look.vertical = FKind == kVertical;
  look.enabled = !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
  look.geometry = Geometry(info);
  FLength = look.geometry.length;
  look.hot_part = FHotPart;
  look.tracking = FTracking;
  if (FTracking && FHotPart == kScrollThumb) {
    // The painted thumb follows the cursor, not the bar's last report.
    POINT cursor{};
    GetCursorPos(&cursor);
    const int moved = look.vertical ? cursor.y - FDragStartCursor.y : cursor.x - FDragStartCursor.x;
    const int length = look.geometry.thumb_end - look.geometry.thumb_start;
    look.geometry.thumb_start = DraggedThumbStart(look.geometry, FGrabThumbStart, moved);
    look.geometry.thumb_end = look.geometry.thumb_start + length;
  }
  return true;
}

void TWScrollbar::PaintTo(HDC dc) {
  ScrollBarLook look;
  if (!FSkinData || !CurrentLook(look)) return;
  RECT client{};
  GetClientRect(FWnd, &client);
  const int w = look.vertical ? client.right : look.geometry.length;
  const int h = look.vertical ? look.geometry.length : client.bottom;
  if (w <= 0 || h <= 0 || w > client.right || h > client.bottom) return;
  PaintScrollBar(dc, RECT{0, 0, w, h}, *FSkinData, look);
}

POINT TWScrollbar::ToScreen(LPARAM lparam) const {
  return POINT{static_cast<short>(LOWORD(lparam)) + FBarScreenPos.x, static_cast<short>(HIWORD(lparam)) + FBarScreenPos.y};
}

void TWScrollbar::MouseDown(LPARAM lparam) {
  GetCursorPos(&FDragStartCursor);
  SCROLLBARINFO info;
  if (!ReadInfo(info)) return;
  FGrabThumbStart = info.xyThumbTop;
  const POINT at = ToScreen(lparam);
  FHotPart = ScrollHitTest(Geometry(info), FKind == kVertical ? at.y - FBarScreenPos.y : at.x - FBarScreenPos.x);
  FTracking = true;
  Invalidate();
  ReleaseCapture();
  // The system tracks the click on the real bar, scrolling the target, until the button is up.
  SendMessageA(FTarget, WM_NCLBUTTONDOWN, FKind == kVertical ? HTVSCROLL : HTHSCROLL, MAKELPARAM(at.x, at.y));
  FTracking = false;
  ReleaseCapture();
  Invalidate();
}

void TWScrollbar::MouseUp(LPARAM lparam) {
  const POINT at = ToScreen(lparam);
  FTracking = false;
  ReleaseCapture();
  PostMessageA(FTarget, WM_NCLBUTTONUP, FKind == kVertical ? HTVSCROLL : HTHSCROLL, MAKELPARAM(at.x, at.y));
}

LRESULT CALLBACK TWScrollbar::Proc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<TWScrollbar*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(wnd, msg, wparam, lparam);
  if (msg == WM_NCDESTROY) {
    self->FWnd = nullptr;
    self->FShown = false;
    return DefWindowProcA(wnd, msg, wparam, lparam);
  }
  try {
    return self->Message(msg, wparam, lparam);
  } catch (...) {
    zfw::LogCaughtException("scroll-bar overlay");
    return 0;
  }
}

LRESULT TWScrollbar::Message(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      zfw::PaintGuard paint(FWnd);
      PaintTo(paint.dc());
      return 0;
    }
    case WM_MOUSEMOVE: {
      SCROLLBARINFO info;
      if (ReadInfo(info)) {
        const POINT at = ToScreen(lparam);
        const int part =
            ScrollHitTest(Geometry(info), FKind == kVertical ? at.y - FBarScreenPos.y : at.x - FBarScreenPos.x);
        if (part != FHotPart) SetHotPart(part);
      }
      TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, FWnd, 0};
      TrackMouseEvent(&t);
      return 0;
    }
    case WM_MOUSELEAVE:
      if (!FTracking) SetHotPart(kScrollNone);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      MouseDown(lparam);
      return 0;
    case WM_LBUTTONUP:
      MouseUp(lparam);
      return 0;
    default:
      return DefWindowProcA(FWnd, msg, wparam, lparam);
  }
}

// ---- TSkinScrollbar ----

const zfw::TClassInfo& TSkinScrollbar::StaticClass() {
  static const zfw::TClassInfo info =
      zfw::ClassBuilder<TSkinScrollbar>("TSkinScrollbar", TSkinControl::StaticClass()).done();
  return info;
}

TSkinScrollbar::~TSkinScrollbar() = default;

void TSkinScrollbar::Attach(TWinSkinForm* formSkin, TSkinData* skinData, zfw::TControl* control, bool,
                            zfw::TCanvas* canvas) {
  AttachScrollbars(control, skinData, formSkin, canvas);
}

void TSkinScrollbar::AttachScrollbars(zfw::TControl* control, TSkinData* skinData, TWinSkinForm* formSkin,
                                      zfw::TCanvas* canvas) {
  if (Attached() || !control || !skinData) return;
  TSkinControl::Attach(formSkin, skinData, control, false, canvas);
  if (!FHandle) return;
  FDrawBorder = lower(GetEnumName(control, "BorderStyle")) != "bsnone" && control->ClassName() != "TImageScrollBox" &&
                FMode != 1;
  if (zfw::IsPublishedProp(*control, "FixedColor") && GetIntProp(control, "FixedColor") != -1) {
    FSavedColor = static_cast<zfw::TColor>(GetIntProp(control, "FixedColor"));
    FOwnColor = true;
    SetPropText(control, "FixedColor", std::to_string(FaceColor()));
  }
  MakeOverlays(FHandle);
  if (!control->Visible()) {
    FHorzBar->Hide();
    FVertBar->Hide();
  }
}

void TSkinScrollbar::MakeOverlays(HWND target) {
  FHorzBar = std::make_unique<TWScrollbar>(FSkinData, target, TWScrollbar::kHorizontal);
  FVertBar = std::make_unique<TWScrollbar>(FSkinData, target, TWScrollbar::kVertical);
  const bool enabled = IsWindowEnabled(target) != FALSE;
  FHorzBar->SetEnabled(enabled);
  FVertBar->SetEnabled(enabled);
}

void TSkinScrollbar::SyncBars() {
  if (FHorzBar) FHorzBar->Sync();
  if (FVertBar) FVertBar->Sync();
}

void TSkinScrollbar::Detach() {
  if (FOwnColor && FControl) {
    SetPropText(FControl, "FixedColor", std::to_string(FSavedColor));
    FOwnColor = false;
  }
  TSkinControl::Detach();
  if (FLifeState != kControlSkinDestroyed) {
    FHorzBar.reset();
    FVertBar.reset();
  }
}

void TSkinScrollbar::SkinChanged() {
  if (FOwnColor && FControl) SetPropText(FControl, "FixedColor", std::to_string(FaceColor()));
  TSkinControl::SkinChanged();
}

void TSkinScrollbar::DrawBorder(HDC dc) {
  if (!FSkinData) return;
  RECT r{};
  GetWindowRect(FHandle, &r);
  OffsetRect(&r, -r.left, -r.top);
  FrameSolid(dc, r, SkinRgb(FSkinData->Colours().ButtonShadow));
  InflateRect(&r, -1, -1);
  FrameSolid(dc, r, FaceRgb(*FSkinData));
}

void TSkinScrollbar::Paint(HDC dc, const RECT&) {
  const LONG_PTR style = FHandle ? GetLong(FHandle, GWL_STYLE) : 0;
  const std::pair<TWScrollbar*, LONG_PTR> bars[] = {{FHorzBar.get(), WS_HSCROLL}, {FVertBar.get(), WS_VSCROLL}};
  for (const auto& [bar, bit] : bars) {
    if (!bar) continue;
    if (bar->Shown()) bar->Invalidate();
    else if (style & bit) bar->Sync();
  }
  if (dc && FSkinData && FHorzBar && FVertBar && FHorzBar->Shown() && FVertBar->Shown()) {
    const RECT& v = FVertBar->BarRect();
    const RECT& h = FHorzBar->BarRect();
    FillSolid(dc, RECT{v.left + 2, h.top + 2, v.right + 2, h.bottom + 2}, FaceRgb(*FSkinData));
  }
}

bool TSkinScrollbar::BeforeMessage(zfw::TMessage& msg) {
  if (!TSkinControl::BeforeMessage(msg)) return false;
  if (msg.Msg == WM_NCPAINT && FDrawBorder) {
    CallOldProc(msg);
    zfw::WindowDc dc(FHandle, zfw::DcArea::WholeWindow);
    if (dc.get()) DrawBorder(dc.get());
    return false;
  }
  return true;
}

void TSkinScrollbar::AfterMessage(zfw::TMessage& msg) {
  switch (msg.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      SyncBars();
      break;
    case WM_HSCROLL:
      if (FHorzBar) FHorzBar->SetHotPart(LOWORD(msg.WParam));
      break;
    case WM_VSCROLL:
      if (FVertBar) FVertBar->SetHotPart(LOWORD(msg.WParam));
      break;
    case WM_MOUSEWHEEL:
      for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()})
        if (bar && bar->Shown()) bar->Invalidate();
      break;
    case zfw::CM_VISIBLECHANGED:
      if (msg.WParam) {
        SyncBars();
      } else {
        if (FHorzBar) FHorzBar->Hide();
        if (FVertBar) FVertBar->Hide();
      }
      break;
    case zfw::CM_ENABLEDCHANGED:
      for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()})
        if (bar && FControl) bar->SetEnabled(FControl->Enabled());
      TSkinControl::AfterMessage(msg);
      break;
    case zfw::CM_RECREATEWND:
      if (FFormSkin && FFormSkin->Handle())
        PostMessageA(FFormSkin->Handle(), SKM_RESKINSCROLL, reinterpret_cast<WPARAM>(FHandle), 0);
      break;
    case SKM_PAINTTO:
      if (msg.LParam == kSkinHandshake) {
        if (msg.WParam) DrawBorder(reinterpret_cast<HDC>(msg.WParam));
        msg.Result = kSkinHandshake;
      }
      break;
    default:
      TSkinControl::AfterMessage(msg);
      break;
  }
}

// ---- TSkinScrollbarH ----

const zfw::TClassInfo& TSkinScrollbarH::StaticClass() {
  static const zfw::TClassInfo info =
      zfw::ClassBuilder<TSkinScrollbarH>("TSkinScrollbarH", TSkinScrollbar::StaticClass()).done();
  return info;
}

void TSkinScrollbarH::AttachHandle(HWND wnd, TSkinData* skinData, TWinSkinForm* formSkin, zfw::TCanvas* canvas) {
  if (Attached() || !wnd) return;
  TSkinControl::AttachHandle(wnd, skinData, formSkin, canvas);
  MakeOverlays(wnd);
}

}  // namespace zembrel
