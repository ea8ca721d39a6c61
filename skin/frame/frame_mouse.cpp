// The mouse and the system commands on the skinned frame: hit-testing, the caption buttons'
// press-release cycle, double clicks, the system menu, and maximise, minimise, restore and close,
// which are posted so that they run after the current non-client message has returned.
#include <windowsx.h>

#include "framework/forms.h"
#include "skin/data/WinSkinData.h"
#include "skin/data/skin_platform.h"
#include "skin/frame/WinSkinForm.h"
#include "skin/menus/WinSkinMenu.h"
#include "skin/menus/form_menus.h"
#include "skin/menus/menu_bar_tracking.h"
#include "skin/frame/nc_objects.h"
#include "skin/frame/skin_messages.h"
#include "skin/manager/skin_manager.h"

namespace zembrel {
namespace {

constexpr int kPopupFromMenuBar = 1, kPopupFromSystemMenu = 2;

POINT MessagePoint(LPARAM lp) { return POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }

}  // namespace

POINT TWinSkinForm::ScreenToFrame(int x, int y) const {
  RECT r{};
  GetWindowRect(FWnd, &r);
  return POINT{x - r.left, y - r.top};
}

void TWinSkinForm::HitTest(zfw::TMessage& m) {
  m.Result = CallOld(m.Msg, m.WParam, m.LParam);
  if (m.Result != HTNOWHERE && m.Result != HTCAPTION) return;
  const POINT p = ScreenToFrame(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
  // Only the title and the menu band are the frame's own; borders keep what the system said.
  if (p.y >= FBorderTop + FMenuHeight) return;
  if (p.y > 3) m.Result = HTCAPTION;
  if (p.y >= FBorderTop && FMenuHeight > 0) m.Result = HTMENU;
}

void TWinSkinForm::NCMouseMove(zfw::TMessage& m) {
  if (!FActive) {
    m.Result = 0;
    return;
  }
  const POINT p = ScreenToFrame(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
  if (TNCObject* item = ItemAt(p)) {
    item->MouseMove();
    m.Result = 0;
    return;
  }
  if (TNCObject* hot = FHotObject) {
    FHotObject = nullptr;
    hot->MouseLeave();
  }
  m.Result = CallOld(m.Msg, m.WParam, m.LParam);
}

void TWinSkinForm::NCLButtonDown(zfw::TMessage& m) {
  const POINT p = ScreenToFrame(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
  FPressedObject = nullptr;
  if (TNCObject* item = ItemAt(p)) {
    if (!FActive) SetForegroundWindow(FWnd);
    item->MouseDown();
    FPressedObject = item;
    if (FMenuBar && FMenuBar->Owns(item)) {
      FPressedObject = nullptr;
      OpenMenuItem(static_cast<TMenuBtn*>(item));
    }
    m.Result = 0;
    return;
  }
  // A maximised window is not dragged by its caption.
  if (FSizeState == kSizeMaximized && FActive && m.WParam == HTCAPTION) m.WParam = HTMENU;
  m.Result = CallOld(m.Msg, m.WParam, m.LParam);
}

void TWinSkinForm::NCLButtonUp(zfw::TMessage& m) {
  const POINT p = ScreenToFrame(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
  TNCObject* pressed = std::exchange(FPressedObject, nullptr);
  TNCObject* item = ItemAt(p);
  if (!item) {
    m.Result = CallOld(m.Msg, m.WParam, m.LParam);
    return;
  }
  // Only the button the press began on acts; a release over another one does nothing.
  if (item == pressed && item == FHotObject && !(FMenuBar && FMenuBar->Owns(item))) {
    item->MouseUp();
    ButtonAction(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
  }
  m.Result = 0;
}

void TWinSkinForm::ButtonAction(int x, int y) {
  auto* button = dynamic_cast<TWinSysButton*>(FHotObject);
  if (!button) return;
  const int action = button->Action();
  switch (action) {
    case 0:
      if (HasSystemMenuClose()) PostClose();
      return;
    case 1: case 22:
      if (button->Enabled()) Maximize();
      return;
    case 2: case 23:
      if (button->Enabled()) Minimize();
      return;
    case 3: case 11: case 12:
      ShowSystemMenu(POINT{x + 1, y + 1});
      return;
    case 7: case 60: SendToActiveChild(SC_MINIMIZE); return;
    case 8: case 61: SendToActiveChild(SC_RESTORE); return;
    case 9: case 62: SendToActiveChild(SC_CLOSE); return;
    default:
      PostMessageA(FWnd, SKM_BUTTONCLICK, WPARAM(action), 0);
  }
}

bool TWinSkinForm::HasSystemMenuClose() const {
  if (IsWin9x() || IsNT4()) return true;
  return FSystemMenu && GetMenuState(FSystemMenu, SC_CLOSE, MF_BYCOMMAND) != UINT(-1);
}

void TWinSkinForm::PostClose() {
  FTimer->SetEnabled(false);
  PostMessageA(FWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void TWinSkinForm::NCLButtonDblClk(zfw::TMessage& m) {
  const POINT p = ScreenToFrame(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
  if (TWinSysButton* button = HitButton(p)) {
    if (button->Action() == 3 || button->Action() == 11) PostClose();
    m.Result = 0;
    return;
  }
  if (m.WParam == HTCAPTION && FSizeState != kSizeNormal) {
    RestoreWindow();
  } else if (m.WParam == HTCAPTION && (FWindowFlags & kHasMaximizeBox)) {
    Maximize();
  } else {
    m.Result = CallOld(m.Msg, m.WParam, m.LParam);
    return;
  }
  m.Result = 0;
}

void TWinSkinForm::NCRButtonDown(zfw::TMessage& m) {
  if (m.WParam == HTCAPTION && FMDIKind != kMDIChild) {
    ShowSystemMenu(MessagePoint(m.LParam));
    m.Result = 0;
    return;
  }
  m.Result = CallOld(m.Msg, m.WParam, m.LParam);
}

void TWinSkinForm::Maximize() {
  if (FSizeState == kSizeMaximized) {
    RestoreWindow();
    return;
  }
  if (FMDIKind == kMDIChild && SkinManager) SkinManager->SetMDIMaximized(true);
  FSizeState = kSizeMaximized;
  PostMessageA(FWnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  FHotObject = nullptr;
}

void TWinSkinForm::Minimize() {
  if (FSizeState == kSizeMinimized) {
    RestoreWindow();
    return;
  }
  FSizeState = kSizeMinimized;
  SetSystemMenuStyle(false);
  PostMessageA(FWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::RestoreWindow() {
  FSizeState = kSizeNormal;
  PostMessageA(FWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::SendToActiveChild(WPARAM code) {
  if (FMDIKind != kMDIFrame || !FMDIClient) return;
  if (HWND child = reinterpret_cast<HWND>(SendMessageA(FMDIClient, WM_MDIGETACTIVE, 0, 0)))
    SendMessageA(child, WM_SYSCOMMAND, code, 0);
}

// The system menu's commands follow the window's state, as the system's own caption would set them.
void TWinSkinForm::EnableSystemMenuItems() {
  auto enable = [&](UINT command, bool on) { EnableMenuItem(FSystemMenu, command, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED)); };
  const bool normal = FSizeState == kSizeNormal;
  enable(SC_RESTORE, !normal);
  enable(SC_MOVE, FSizeState != kSizeMaximized);
  enable(SC_SIZE, FSizeable && normal);
  enable(SC_MINIMIZE, (FWindowFlags & kHasMinimizeBox) && FSizeState != kSizeMinimized);
  enable(SC_MAXIMIZE, (FWindowFlags & kHasMaximizeBox) && FSizeState != kSizeMaximized);
}

// The window's own system menu, until the skinned one replaces it. A second call within the
// double-click time closes the window when a caption button (the icon) is still hot.
void TWinSkinForm::ShowSystemMenu(POINT screen) {
  const DWORD now = GetTickCount();
  if (FDoubleClickTime >= 0 && now - FLastMenuTick <= static_cast<DWORD>(FDoubleClickTime)) {
    if (FHotObject) {
      FTimer->SetEnabled(false);
      PostMessageA(FWnd, WM_CLOSE, 0, 0);
    }
    return;
  }
  if (SkinManager) SkinManager->SetPopupOrigin(kPopupFromSystemMenu);
  FLastMenuTick = now;
  FMenus->ShowSystemMenu(screen, [this](int tag) {
    switch (tag) {
      case kSysItemRestore: RestoreWindow(); break;
      case kSysItemMaximize: Maximize(); break;
      case kSysItemMinimize: Minimize(); break;
      case kSysItemClose:
        FTimer->SetEnabled(false);
        PostMessageA(FWnd, WM_CLOSE, 0, 0);
        break;
      default: break;
    }
  });
}

void TWinSkinForm::SysCommand(zfw::TMessage& m) {
  if (!FTrackingMenu) {
    const WPARAM code = m.WParam & 0xFFF0;
    const wchar_t key = static_cast<wchar_t>(m.LParam);
    if (code == SC_KEYMENU && key != L' ' && key != L'-' && !GetCapture()) {
      TMenuBtn* item = nullptr;
      if (FMenuBar) item = key == 0 ? FMenuBar->FirstItem() : FMenuBar->FindAccelItem(key);
      if (key == 0 || item) {
        OpenMenuItem(item);
        m.Result = 1;
        return;
      }
    }
    if (code == SC_KEYMENU && key == L' ') {
      POINT origin{0, 0};
      ClientToScreen(FWnd, &origin);
      ShowSystemMenu(origin);
      // The skinned menu stands in for the system's: passed on, the system would open its own
      // right after it, under the same pointer.
      m.Result = 0;
      return;
    }
    switch (m.WParam) {
      case SC_MINIMIZE:
        FSizeState = kSizeMinimized;
        if (FMDIKind == kMDIChild) SetCaptionStyle(true);
        break;
      case SC_MAXIMIZE:
        FSizeState = kSizeMaximized;
        DropRegion();
        break;
      case SC_RESTORE:
        FSizeState = kSizeNormal;
        if (FMDIKind == kMDIChild) {
          SetCaptionStyle(false);
          if (SkinManager && SkinManager->MDIMaximized()) SkinManager->SetMDIMaximized(false);
        }
        break;
      default: break;
    }
  }
  m.Result = CallOld(m.Msg, m.WParam, m.LParam);
}

void TWinSkinForm::MenuPopupAt(zfw::TMessage& m) {
  const POINT p = ScreenToFrame(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
  TNCObject* item = ItemAt(p);
  if (item && FMenuBar && FMenuBar->Owns(item)) OpenMenuItem(static_cast<TMenuBtn*>(item));
  m.Result = 0;
}

// A menu-band item: a command runs at once; a drop-down opens below the item and its choice is
// posted as the command it names.
bool TWinSkinForm::OpenMenuItem(TMenuBtn* item) {
  if (!item) return false;
  if (!item->DropDown()) {
    if (item->Enabled()) PostMessageA(FWnd, WM_COMMAND, item->Command(), 0);
    return false;
  }
  GetWindowRect(FWnd, &FWindowRect);
  FTrackingMenu = true;
  FHotObject = item;
  MenuBarTrackEvents events;
  events.opened = [this](TMenuBtn& b) {
    // Each drop-down is a new popup: the manager skins it as one of the bar's.
    if (SkinManager) {
      SkinManager->SetPopupOrigin(kPopupFromMenuBar);
      SkinManager->SetMenuBarPopup(true);
    }
    FHotObject = &b;
    b.FState = kObjectPressed;
    b.Paint();
    FTrackedMenu = b.DropDown();
  };
  events.closed = [this](TMenuBtn& b) {
    FTrackedMenu = nullptr;
    if (FHotObject == &b) FHotObject = nullptr;
    b.FState = kObjectNormal;
    b.Paint();
  };
  const UINT command = TrackMenuBar(FWnd, *FMenuBar, item->Index(), events);
  FTrackingMenu = false;
  if (SkinManager) SkinManager->SetMenuBarPopup(false);
  if (command) PostMessageA(FWnd, WM_COMMAND, command, 0);
  return true;
}

}  // namespace zembrel
