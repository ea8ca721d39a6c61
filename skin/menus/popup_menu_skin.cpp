#include "skin/menus/popup_menu_skin.h"

#include <algorithm>

#include "framework/handles.h"
#include "skin/data/WinSkinData.h"
#include "framework/fault_log.h"
#include "skin/frame/skin_messages.h"
#include "skin/manager/skin_manager.h"
#include "skin/menus/menu_item_painter.h"
#include "skin/paint/ImgUtil.h"
#include "skin/paint/skin_paint.h"

namespace zembrel {
namespace {

// GetDCEx: take the window's own clipping style (not in every SDK's headers).
constexpr DWORD kDcxUseStyle = 0x00010000;

TDataSkinObject* menu_background(TSkinData& skin) {
  TDataSkinObject* e = skin.Element("MenuBackground");
  return e && !e->Image.Empty() ? e : nullptr;
}

RECT window_size(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return RECT{0, 0, r.right - r.left, r.bottom - r.top};
}

}  // namespace

TWinSkinPopMenu::~TWinSkinPopMenu() { Stop(); }

void TWinSkinPopMenu::Start(HWND wnd, TSkinData* skinData) {
  Stop();
  FWnd = wnd;
  FSkinData = skinData;
  FMenuBarDropDown = false;
  FThunk = WindowThunk(this, &TWinSkinPopMenu::Entry);
  FOldProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FThunk.Proc())));
  if (!FOldProc) FThunk.Reset();
}

void TWinSkinPopMenu::Stop() {
  if (!FOldProc) return;
  SetWindowLongPtrA(FWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOldProc));
  FOldProc = nullptr;
  FThunk.Reset();
  FBackground.SetSize(0, 0);
}

void TWinSkinPopMenu::SetMenu(HMENU menu) {
  FMenu = menu;
  FMenuAssigned = true;
}

LRESULT TWinSkinPopMenu::Entry(void* object, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<TWinSkinPopMenu*>(object);
  const HWND wnd = self->FWnd;
  try {
    return self->WindowProc(msg, wParam, lParam);
  } catch (...) {
    zfw::LogCaughtException("popup menu skin");
    return self->FOldProc ? self->CallOld(msg, wParam, lParam) : DefWindowProcA(wnd, msg, wParam, lParam);
  }
}

LRESULT TWinSkinPopMenu::CallOld(UINT msg, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(FOldProc, FWnd, msg, wParam, lParam);
}

LRESULT TWinSkinPopMenu::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == SKM_QUERY) return 1;
  if (!SkinManager || !SkinManager->Active()) return CallOld(msg, wParam, lParam);
  switch (msg) {
    case WM_DESTROY: {
      const WNDPROC old = FOldProc;
      const HWND wnd = FWnd;
      Stop();
      return CallWindowProcA(old, wnd, msg, wParam, lParam);
    }
    case WM_ERASEBKGND:
      if (!IsNtPlatform()) return 0;
      if (!FSkinData || !FSkinData->HasOption(xoMenuBG)) CallOld(msg, wParam, lParam);
      return 1;
    case WM_NCPAINT:
      return PaintFrame(wParam);
    case WM_PRINT:
      return Print(reinterpret_cast<HDC>(wParam), lParam);
    case WM_PAINT:
      return PaintClient(wParam, lParam);
    default:
      return CallOld(msg, wParam, lParam);
  }
}

bool TWinSkinPopMenu::CanPaint() const {
  return FSkinData && !FSkinData->Loading() && menu_background(*FSkinData);
}

bool TWinSkinPopMenu::RenderBackground() {
  TDataSkinObject& e = *menu_background(*FSkinData);
  const RECT size = window_size(FWnd);
  std::unique_ptr<zfw::TBitmap> rendered =
      RenderElement(size, e.Image, Margins{e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}, false,
                    e.Tile != 0, 1, 1);
  if (!rendered) return false;
  FBackground.Assign(*rendered);
  return true;
}

LRESULT TWinSkinPopMenu::PaintFrame(WPARAM updateRegion) {
  if (!CanPaint() || !RenderBackground()) return CallOld(WM_NCPAINT, updateRegion, 0);
  // The update region of 1 stands for the whole window.
  const bool region = updateRegion > 1;
  HDC got = GetDCEx(FWnd, region ? reinterpret_cast<HRGN>(updateRegion) : nullptr,
                    DCX_WINDOW | kDcxUseStyle | (region ? DCX_INTERSECTRGN : 0));
  if (!got) got = GetWindowDC(FWnd);
  zfw::WindowDc dc(FWnd, got);
  if (!dc.get()) return 0;
  BlitBorder(dc.get());
  BitBlt(dc.get(), 0, 0, FBackground.Width(), FBackground.Height(), FBackground.Canvas().Handle(), 0, 0, SRCCOPY);
  return 0;
}

void TWinSkinPopMenu::BlitBorder(HDC dc) {
  const int w = FBackground.Width(), h = FBackground.Height(), b = kPopupBorder;
  HDC src = FBackground.Canvas().Handle();
  BitBlt(dc, 0, 0, w, b, src, 0, 0, SRCCOPY);
  BitBlt(dc, 0, h - b, w, b, src, 0, h - b, SRCCOPY);
  BitBlt(dc, 0, 0, b, h, src, 0, 0, SRCCOPY);
  BitBlt(dc, w - b, 0, b, h, src, w - b, 0, SRCCOPY);
}

bool TWinSkinPopMenu::HasFrame() const {
  RECT client{};
  GetClientRect(FWnd, &client);
  return client.right != window_size(FWnd).right || client.bottom != window_size(FWnd).bottom;
}

POINT TWinSkinPopMenu::ClientOrigin() const {
  RECT window{};
  GetWindowRect(FWnd, &window);
  POINT origin{0, 0};
  ClientToScreen(FWnd, &origin);
  return POINT{origin.x - window.left, origin.y - window.top};
}

// Where a popup keeps its border inside the client area (no frame of its own), the menu paints
// the border with its items; the skin's border is laid over it once they are painted.
LRESULT TWinSkinPopMenu::PaintClient(WPARAM wParam, LPARAM lParam) {
  if (HasFrame() || !CanPaint() || !RenderBackground()) return CallOld(WM_PAINT, wParam, lParam);
  const LRESULT result = CallOld(WM_PAINT, wParam, lParam);
  zfw::WindowDc dc(FWnd, zfw::DcArea::WholeWindow);
  if (dc.get()) BlitBorder(dc.get());
  return result;
}

LRESULT TWinSkinPopMenu::Print(HDC dc, LPARAM flags) {
  if (!CanPaint() || !RenderBackground()) return CallOld(WM_PRINT, reinterpret_cast<WPARAM>(dc), flags);
  const int w = FBackground.Width(), h = FBackground.Height(), b = kPopupBorder;
  zfw::OwnedRegion clip(CreateRectRgn(b, b, w - b, h - b));
  BitBlt(dc, 0, 0, w, h, FBackground.Canvas().Handle(), 0, 0, SRCCOPY);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  SelectClipRgn(dc, clip.get());
  const LRESULT result = CallOld(WM_PRINT, reinterpret_cast<WPARAM>(dc), flags);
  SelectClipRgn(dc, nullptr);
  SetBkMode(dc, oldMode);
  return result;
}

// ---- the list ----

TWinSkinPopMenu* TPopupMenuSkins::Find(HWND wnd) const {
  for (const auto& s : FSkins)
    if (s->Handle() == wnd) return s.get();
  return nullptr;
}

TWinSkinPopMenu& TPopupMenuSkins::Add(std::unique_ptr<TWinSkinPopMenu> skin) {
  FSkins.push_back(std::move(skin));
  return *FSkins.back();
}

bool TPopupMenuSkins::Remove(HWND wnd) {
  auto it = std::find_if(FSkins.begin(), FSkins.end(), [wnd](const auto& s) { return s->Handle() == wnd; });
  if (it == FSkins.end()) return false;
  std::unique_ptr<TWinSkinPopMenu> gone = std::move(*it);
  FSkins.erase(it);
  gone->Stop();
  return true;
}

void TPopupMenuSkins::AssignMenuHandle(HMENU menu) {
  for (const auto& s : FSkins)
    if (s->HasMenu() && s->Menu() == menu) return;
  for (auto it = FSkins.rbegin(); it != FSkins.rend(); ++it)
    if (!(*it)->HasMenu()) {
      (*it)->SetMenu(menu);
      return;
    }
}

MenuBackdrop TPopupMenuSkins::Backdrop(HMENU menu) const {
  for (const auto& s : FSkins)
    if (s->HasMenu() && s->Menu() == menu) return MenuBackdrop{s->Background(), s->ClientOrigin()};
  return MenuBackdrop{};
}

void TPopupMenuSkins::MarkMenuBarDropDowns() {
  for (const auto& s : FSkins) s->SetMenuBarDropDown(true);
}

void TPopupMenuSkins::Clear() {
  while (!FSkins.empty()) {
    std::unique_ptr<TWinSkinPopMenu> gone = std::move(FSkins.back());
    FSkins.pop_back();
    gone->Stop();
  }
}

}  // namespace zembrel
