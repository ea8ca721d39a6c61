// The form skin's message dispatch: the replaced window procedure in three stages (always; frame
// skinned; frame live), the framework form's WindowProc, the MDI client's procedure, and the
// hover timer. Nothing thrown by a handler leaves these entry points: it is logged instead.
#include <windowsx.h>

#include "framework/forms.h"
#include "skin/controls/WinSubClass.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"
#include "skin/menus/WinSkinMenu.h"
#include "skin/menus/form_menus.h"
#include "skin/frame/nc_objects.h"
#include "framework/fault_log.h"
#include "skin/frame/skin_messages.h"
#include "skin/manager/skin_manager.h"
#include "skin/manager/skin_matching.h"

namespace zembrel {
namespace {

constexpr UINT kThemedCaptionMessage = 0xAE;

bool IsSizeMoveCommand(WPARAM code) {
  switch (code) {
    case SC_SIZE: case SC_MOVE: case SC_MINIMIZE: case SC_MAXIMIZE: case SC_NEXTWINDOW: case SC_PREVWINDOW:
    case SC_CLOSE: case SC_RESTORE:
      return true;
    default:
      return false;
  }
}

}  // namespace

LRESULT TWinSkinForm::WindowEntry(void* self, UINT msg, WPARAM wp, LPARAM lp) {
  auto* form = static_cast<TWinSkinForm*>(self);
  zfw::TMessage m{msg, wp, lp, 0};
  try {
    form->WindowProc(m);
  } catch (...) {
    zfw::LogCaughtException("form skin: window procedure");
  }
  return m.Result;
}

LRESULT TWinSkinForm::ClientEntry(void* self, UINT msg, WPARAM wp, LPARAM lp) {
  auto* form = static_cast<TWinSkinForm*>(self);
  zfw::TMessage m{msg, wp, lp, 0};
  try {
    form->ClientWindowProc(m);
  } catch (...) {
    zfw::LogCaughtException("form skin: MDI client procedure");
  }
  return m.Result;
}

LRESULT TWinSkinForm::CallOld(UINT msg, WPARAM wp, LPARAM lp) {
  // Messages reach a Unicode window's replacement in their wide form; they go on in that form.
  return FUnicode ? CallWindowProcW(FOldWndProc, FWnd, msg, wp, lp) : CallWindowProcA(FOldWndProc, FWnd, msg, wp, lp);
}

void TWinSkinForm::WindowProc(zfw::TMessage& m) {
  if (StageOne(m)) return;
  bool further = false;
  if (StageTwo(m, further)) return;
  if (IsMaximizedMDIChild() || FState == kFormCreated) {
    if (further) m.Result = CallOld(m.Msg, m.WParam, m.LParam);
    return;
  }
  StageThree(m, further);
}

// True when the message is finished.
bool TWinSkinForm::StageOne(zfw::TMessage& m) {
  switch (m.Msg) {
    case WM_NCPAINT:
      if (FState != kFormCreated) break;
      m.Result = 0;
      return true;
    case WM_ERASEBKGND:
      m.Result = CallOld(m.Msg, m.WParam, m.LParam);
      if (!FForm && FSkinData) {
        RECT client{};
        GetClientRect(FWnd, &client);
        FillRect(reinterpret_cast<HDC>(m.WParam), &client, FSkinData->FaceBrush());
        m.Result = 1;
      }
      return true;
    case WM_NCDESTROY: {
      FState = kFormDestroying;
      const WNDPROC old = FOldWndProc;
      const bool unicode = FUnicode;
      Stop();
      m.Result = unicode ? CallWindowProcW(old, FWnd, m.Msg, m.WParam, m.LParam)
                         : CallWindowProcA(old, FWnd, m.Msg, m.WParam, m.LParam);
      FState = kFormDestroyed;
      return true;
    }
    case WM_NCACTIVATE:
      if (FState != kFormCreated || FMDIKind == kMDIChild) break;
      m.Result = 0;
      return true;
    case kThemedCaptionMessage:
      m.Result = 0;
      return true;
    case WM_INITMENUPOPUP:
      if (SkinManager) SkinManager->SetPopupOrigin(reinterpret_cast<HMENU>(m.WParam) == FSystemMenu ? 2 : 1);
      m.Result = CallOld(m.Msg, m.WParam, m.LParam);
      return true;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      m.Result = CallOld(m.Msg, m.WParam, m.LParam);
      if (!FForm && FSkinData) {
        SetBkMode(reinterpret_cast<HDC>(m.WParam), TRANSPARENT);
        if (m.Msg == WM_CTLCOLORSTATIC) m.Result = reinterpret_cast<LRESULT>(FSkinData->FaceBrush());
      }
      return true;
    case SKM_INIT:
      if (!FStarted) Start();
      return true;
    case SKM_RESKINSCROLL:
      ReskinScroll(reinterpret_cast<HWND>(m.WParam));
      return true;
    case SKM_QUERY:
      m.Result = 1;
      PostMessageA(FWnd, SKM_SKINNED, 0, kSkinHandshake);
      return true;
    default:
      break;
  }
  // Any other message goes on to the frame's stages, or straight on when the frame is not skinned.
  if (FFrameSkinned) return false;
  m.Result = CallOld(m.Msg, m.WParam, m.LParam);
  return true;
}

// True when the message is finished; further marks a message stage three passes on.
bool TWinSkinForm::StageTwo(zfw::TMessage& m, bool& further) {
  if ((FStyle & WS_CHILD) && FMDIKind != kMDIChild) {
    m.Result = CallOld(m.Msg, m.WParam, m.LParam);
    return true;
  }
  switch (m.Msg) {
    case WM_SIZE:
      SizeHandler(m);
      return false;
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
      FActive = (m.WParam & 0xFF) != 0;
      further = true;
      return false;
    case WM_GETMINMAXINFO:
      m.Result = CallOld(m.Msg, m.WParam, m.LParam);
      ReadSizeState();
      SetCaptionStyle(FSizeState == kSizeMinimized || IsMaximizedMDIChild());
      return true;
    case WM_WINDOWPOSCHANGED:
      ReadSizeState();
      m.Result = CallOld(m.Msg, m.WParam, m.LParam);
      return true;
    case WM_COMMAND:
      if (IsSizeMoveCommand(LOWORD(m.WParam))) PostMessageA(FWnd, WM_SYSCOMMAND, LOWORD(m.WParam), 0);
      else m.Result = CallOld(m.Msg, m.WParam, m.LParam);
      return true;
    case WM_SYSCOMMAND:
      SysCommand(m);
      return true;
    case SKM_MENUPOPUP:
      MenuPopupAt(m);
      return true;
    case zfw::CM_MENUCHANGED:
      MenuChangedHandler(m, false);
      return true;
    default:
      further = true;
      return false;
  }
}

void TWinSkinForm::StageThree(zfw::TMessage& m, bool further) {
  switch (m.Msg) {
    case WM_NCPAINT: PaintFrameMessage(m); return;
    case WM_NCACTIVATE: ActivationHandler(m); return;
    case WM_NCCALCSIZE: CalcClientArea(m); return;
    case WM_NCHITTEST: HitTest(m); return;
    case WM_SIZE: SizeHandler(m); return;
    case WM_NCMOUSEMOVE: NCMouseMove(m); return;
    case WM_NCLBUTTONDOWN: NCLButtonDown(m); return;
    case WM_NCLBUTTONUP: NCLButtonUp(m); return;
    case WM_NCLBUTTONDBLCLK: NCLButtonDblClk(m); return;
    case WM_NCRBUTTONDOWN: NCRButtonDown(m); return;
    case WM_SETTEXT:
    case WM_SETICON: SetTextHandler(m); return;
    case WM_WINDOWPOSCHANGING: m.Result = CallOld(m.Msg, m.WParam, m.LParam); return;
    case SKM_REPAINTFRAME: PaintFrame(nullptr); return;
    case WM_MEASUREITEM:
      if (m.LParam && FMenus->MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam), FMenu, FTrackedMenu)) {
        m.Result = TRUE;
        return;
      }
      if (further) m.Result = CallOld(m.Msg, m.WParam, m.LParam);
      return;
    case WM_DRAWITEM:
      if (m.LParam && FMenus->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam), FMenu)) {
        m.Result = TRUE;
        return;
      }
      if (further) m.Result = CallOld(m.Msg, m.WParam, m.LParam);
      return;
    default:
      if (further) m.Result = CallOld(m.Msg, m.WParam, m.LParam);
  }
}

// The system paints its own caption when the text or the icon changes; it is kept from doing so
// by switching redraw off around the change, and the skinned title is painted afresh instead.
void TWinSkinForm::SetTextHandler(zfw::TMessage& m) {
  if (!IsWindowVisible(FWnd)) {
    m.Result = CallOld(m.Msg, m.WParam, m.LParam);
    if (m.Msg == WM_SETTEXT) ReadCaptionText();
    else ReadIcon();
    return;
  }
  CallOld(WM_SETREDRAW, FALSE, 0);
  m.Result = CallOld(m.Msg, m.WParam, m.LParam);
  CallOld(WM_SETREDRAW, TRUE, 0);
  if (m.Msg == WM_SETTEXT) ReadCaptionText();
  else ReadIcon();
  if (FSizeState == kSizeMaximized && FMDIKind == kMDIChild && SkinManager && SkinManager->MDIClient())
    PostMessageA(SkinManager->MDIClient(), SKM_MDIREDRAW, WPARAM(FWnd), 0);
  PaintFrame(nullptr);
}

void TWinSkinForm::SizeHandler(zfw::TMessage& m) {
  m.Result = CallOld(m.Msg, m.WParam, m.LParam);
  switch (m.WParam) {
    case SIZE_RESTORED: FSizeState = kSizeNormal; break;
    case SIZE_MINIMIZED: FSizeState = kSizeMinimized; break;
    case SIZE_MAXIMIZED: FSizeState = kSizeMaximized; break;
    default: break;
  }
  if (FSizeState == kSizeMinimized) return;
  if (FMDIKind == kMDIChild && ((SkinManager && SkinManager->MDIMaximized()) || FSizeState != kSizeNormal)) return;
  if (FState == kFormRunning || FState == kFormRefreshing) UpdateRegion();
}

void TWinSkinForm::ActivationHandler(zfw::TMessage& m) {
  FActive = (m.WParam & 0xFF) != 0;
  FTimer->SetEnabled(FActive);
  if (!FActive && FHotControl) {
    if (HWND hot = FHotControl->Handle()) SendMessageA(hot, zfw::CM_MOUSELEAVE, 0, 0);
    FHotControl = nullptr;
  }
  if (FMDIKind == kMDIFrame && FMDIClient) SendMessageA(FMDIClient, WM_NCACTIVATE, m.WParam, 0);
  if (FMDIKind == kMDIChild) CallOld(m.Msg, m.WParam, m.LParam);
  if (!IsMaximizedMDIChild()) PaintFrame(nullptr);
  m.Result = 1;
}

// The framework sends its menu-changed notice both through the window and straight to the form's
// WindowProc; either way the menu moves to the band again.
void TWinSkinForm::MenuChangedHandler(zfw::TMessage& m, bool fromForm) {
  const bool painting = FSkinData->FramePainting;
  FSkinData->FramePainting = false;
  if (fromForm) CallOldForm(m);
  else m.Result = CallOld(m.Msg, m.WParam, m.LParam);
  FSkinData->FramePainting = painting;
  if (HMENU menu = GetMenu(FWnd)) {
    if (FMenuBar && FSkinData->MenuUpdate()) {
      ForgetMenuBandObjects();
      FMenuBar->SetMenu(menu);
    }
    SetMenu(FWnd, nullptr);
    PaintFrame(nullptr);
  }
}

void TWinSkinForm::ReskinScroll(HWND wnd) {
  for (size_t i = FControlSkins.size(); i-- > 0;) {
    TSkinControl* old = FControlSkins[i];
    if (old->Handle() != wnd) continue;
    FControlSkins.erase(FControlSkins.begin() + static_cast<std::ptrdiff_t>(i));
    if (FHotControl == old) FHotControl = nullptr;
    old->Unhook();
    old->FormSkinGone();
    delete old;
    // The matching rules give the control a fresh skin of its family.
    if (zfw::TControl* control = zembrel::FindControl(wnd)) SkinControl(*this, *control, control->Parent());
    else SkinChildWindow(*this, wnd);
    return;
  }
}

// ---- the framework form's WindowProc ----

void TWinSkinForm::CallOldForm(zfw::TMessage& m) {
  if (FOldFormWndProc) FOldFormWndProc(m);
}

void TWinSkinForm::FormWindowProc(zfw::TMessage& m) {
  switch (m.Msg) {
    case SKM_SKINCHANGED:
      RefreshSkin();
      return;
    case zfw::CM_DIALOGCHAR:
      DialogCharHandler(m);
      return;
    case zfw::CM_MENUCHANGED:
      if (FFrameSkinned) MenuChangedHandler(m, true);
      else CallOldForm(m);
      return;
    case SKM_PAINTTO:
      if (m.LParam != kSkinHandshake) return;
      if (m.WParam) PaintFrame(reinterpret_cast<HDC>(m.WParam));
      m.Result = kSkinHandshake;
      return;
    case SKM_PAINTQUERY:
      m.Result = m.LParam == kSkinHandshake ? kSkinHandshake : 1;
      return;
    default:
      CallOldForm(m);
  }
}

// Alt with a letter opens the menu item that has it as accelerator, when no control took it.
void TWinSkinForm::DialogCharHandler(zfw::TMessage& m) {
  CallOldForm(m);
  if (m.Result != 0 || !FMenuBar) return;
  const bool altOnly = GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
  if (!altOnly) return;
  if (TMenuBtn* item = FMenuBar->FindAccelItem(static_cast<wchar_t>(m.WParam))) {
    RECT window{};
    GetWindowRect(FWnd, &window);
    PostMessageA(FWnd, WM_NCLBUTTONDOWN, HTMENU,
                 MAKELPARAM(window.left + item->Rect().left + 1, window.top + item->Rect().top + 1));
    m.Result = 1;
  }
}

// ---- the MDI client ----

bool TWinSkinForm::ActiveChildMaximized() const {
  if (FMDIKind != kMDIFrame || !FMDIClient) return false;
  BOOL maximized = FALSE;
  const HWND child = reinterpret_cast<HWND>(SendMessageA(FMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
  return child && maximized;
}

void TWinSkinForm::ClientWindowProc(zfw::TMessage& m) {
  auto pass = [&] { m.Result = CallWindowProcA(FOldClientProc, FMDIClient, m.Msg, m.WParam, m.LParam); };
  switch (m.Msg) {
    case WM_NCDESTROY:
      pass();
      UnhookClient();
      return;
    case WM_NCCALCSIZE:
      if (FFrameSkinned && FSkinData && !FSkinData->HasOption(xoMDIScrollbar)) {
        const LONG_PTR style = GetWindowLongPtrA(FMDIClient, GWL_STYLE);
        SetWindowLongPtrA(FMDIClient, GWL_STYLE, style & ~LONG_PTR(WS_HSCROLL | WS_VSCROLL));
      }
      pass();
      return;
    case WM_MDICREATE:
      if (FSkinData) FSkinData->SetMenuUpdate(false);
      pass();
      return;
    case WM_MDIDESTROY:
      pass();
      if (FFrameSkinned) {
        if (SkinManager) SkinManager->SetMDIMaximized(ActiveChildMaximized());
        if (!SendMessageA(FMDIClient, WM_MDIGETACTIVE, 0, 0) && FMenuBar && FSkinData) {
          FSkinData->SetMenuUpdate(FSavedMenuUpdate);
          ForgetMenuBandObjects();
          FMenuBar->BuildButtons();
        }
      }
      return;
    case WM_MDITILE:
    case WM_MDICASCADE:
      if (FFrameSkinned && SkinManager && SkinManager->MDIMaximized()) SkinManager->SetMDIMaximized(false);
      pass();
      return;
    case WM_MDISETMENU:
      pass();
      if (FFrameSkinned) {
        if (m.WParam && FMenuBar) {
          ForgetMenuBandObjects();
          FMenuBar->SetMenu(reinterpret_cast<HMENU>(m.WParam));
        }
        SetMenu(FWnd, nullptr);
      }
      return;
    case SKM_MDIREDRAW:
      RedrawWindow(FWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
      return;
    default:
      pass();
  }
}

// ---- the hover timer ----

void TWinSkinForm::HoverTimer() {
  if (FTrackingMenu) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  if (FHotObject) {
    const POINT p = ScreenToFrame(cursor.x, cursor.y);
    if (!PtInRect(&FHotObject->Rect(), p)) {
      TNCObject* hot = FHotObject;
      FHotObject = nullptr;
      hot->MouseLeave();
    }
  }
  if (!FForm && FHotControl) {
    RECT r{};
    const HWND hot = FHotControl->Handle();
    if (!GetWindowRect(hot, &r) || !PtInRect(&r, cursor)) {
      FHotControl = nullptr;
      if (hot) SendMessageA(hot, zfw::CM_MOUSELEAVE, 0, 0);
    }
  }
}

}  // namespace zembrel
