// The form skin's life: creation, attaching to a window, the start at SKM_INIT, refreshing, and
// giving the window back (Stop, Restore); the list of control skins it owns.
#include "skin/frame/WinSkinForm.h"

#include <algorithm>

#include "framework/class_builder.h"
#include "framework/forms.h"
#include "skin/controls/WinSubClass.h"
#include "skin/data/WinSkinData.h"
#include "skin/data/skin_platform.h"
#include "skin/menus/WinSkinMenu.h"
#include "skin/menus/form_menus.h"
#include "skin/frame/nc_objects.h"
#include "framework/fault_log.h"
#include "skin/frame/skin_messages.h"
#include "skin/manager/skin_manager.h"
#include "skin/manager/skin_matching.h"

namespace zembrel {

const zfw::TClassInfo& TWinSkinForm::StaticClass() {
  static const zfw::TClassInfo info = zfw::ClassBuilder<TWinSkinForm>("TWinSkinForm", zfw::TComponent::StaticClass()).done();
  return info;
}

TWinSkinForm::TWinSkinForm(zfw::TComponent* owner)
    : zfw::TComponent(owner), FMenus(std::make_unique<TFormMenus>(*this)) {
  FDoubleClickTime = static_cast<int>(GetDoubleClickTime());
  MakeCaptionFont();
  FTimer = new zfw::TTimer(this);
  FTimer->SetEnabled(false);
  FTimer->SetInterval(250);
  FTimer->OnTimer = [this](zfw::TObject*) { HoverTimer(); };
}

TWinSkinForm::~TWinSkinForm() {
  // A window still hooked (the manager freeing its form skins at shutdown) is given back first,
  // so that no message reaches a freed object.
  if (FWndProcInstance || FClientProcInstance || !FControlSkins.empty()) Stop();
  UnhookClient();
  StopControlSkins();
  FreeButtons();
  FMenuBar.reset();
  if (SkinManager && FWnd) SkinManager->RemoveFormSkin(FWnd);
}

void TWinSkinForm::MakeCaptionFont() {
  // The 340-byte record of the older layout, as every Windows version accepts it.
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = 340;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0))
    FCaptionFont.reset(CreateFontIndirectA(&metrics.lfCaptionFont));
}

void TWinSkinForm::SetWindow(HWND wnd, const std::string& className, uint32_t ownerId) {
  FWnd = wnd;
  FName = className;
  FOwnerId = ownerId;
}

// ---- attaching ----

void TWinSkinForm::AttachForm(TSkinData* skinData, zfw::TCustomForm* form) {
  FForm = form;
  if (skinData && skinData->OnBeforeSkinForm) skinData->OnBeforeSkinForm(form, FWnd, FName);
  if (skinData && skinData->Skins(xcMenuItem) && form) form->SetAutoScroll(false);
  Attach(skinData);
  if (!FFrameSkinned || !form || FOldFormWndProc) return;
  FOldFormWndProc = form->WindowProc;
  form->WindowProc = [this](zfw::TMessage& m) { FormWindowProc(m); };
  FSavedColor = form->Color();
  form->SetColor(static_cast<zfw::TColor>(skinData->Colours().ButtonFace));
  FMenus->AttachForm();
}

void TWinSkinForm::AttachWindow(TSkinData* skinData) { Attach(skinData); }

void TWinSkinForm::Attach(TSkinData* skinData) {
  if (FWndProcInstance || !FWnd || !skinData) return;
  if (SkinManager) SkinManager->NoteFormSkinRunning();
  FSkinData = skinData;
  FFrameSkinned = skinData->Skins(xcMainMenu);
  ReadWindowKind();
  if (FMDIKind == kMDIChild && skinData->HasOption(xoMDIChildBorder)) FFrameSkinned = false;
  // The 9x family gets no owner-drawn system menu, for every window of this skin data.
  if (IsWin9x()) skinData->SetSkinControls(skinData->SkinControls() & ~SkinBit(xcSystemMenu));
  if (FMDIKind == kMDIFrame) {
    FSavedMenuUpdate = skinData->MenuUpdate();
    HookClient();
  }
  HookWindow();
  if (FFrameSkinned) {
    // Taking the menu and the caption off resizes the client area twice before the start sizes it
    // back; the window is painted once, afterwards.
    zfw::RedrawPause pause(FWnd);
    FMenu = GetMenu(FWnd);
    if (FMenu && FMDIKind != kMDIChild) {
      MeasureOriginalFrame();
      FMenuBar = std::make_unique<TWinSkinMenu>(*this, FMenu);
      FMenuHeight = GetSystemMetrics(SM_CYMENU);
      // The band shows the menu from now on; the system's own menu bar would take space twice.
      if (GetMenu(FWnd)) SetMenu(FWnd, nullptr);
    }
    const bool keepCaption = (FMDIKind == kMDIChild && SkinManager && SkinManager->MDIMaximized()) ||
                             FSizeState == kSizeMinimized;
    if (!keepCaption) SetCaptionStyle(false);
    ReadFrameMetrics();
  } else {
    FState = kFormRunning;
  }
  if (FMDIKind == kMDIChild) {
    // The frame keeps at least the height of a system caption.
    const int least = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
    if (least > FBorderTop) FMenuHeight = least - FBorderTop;
    if (FSizeState == kSizeMaximized && SkinManager && !SkinManager->MDIMaximized()) SkinManager->SetMDIMaximized(true);
  }
}

void TWinSkinForm::ReadWindowKind() {
  FStyle = static_cast<DWORD>(GetWindowLongPtrA(FWnd, GWL_STYLE));
  const DWORD exstyle = static_cast<DWORD>(GetWindowLongPtrA(FWnd, GWL_EXSTYLE));
  FRightToLeft = (exstyle & WS_EX_LEFTSCROLLBAR) != 0;
  FIsChild = (FStyle & WS_CHILD) != 0;
  char cls[101] = {};
  GetClassNameA(FWnd, cls, sizeof cls);
  FClassName = cls;
  FOwnerWnd = GetWindow(FWnd, GW_OWNER);

  FWindowFlags = 0;
  if ((FStyle & WS_SYSMENU) || FSystemMenu) FWindowFlags |= kHasSystemMenu;
  if (FStyle & WS_MINIMIZEBOX) FWindowFlags |= kHasMinimizeBox;
  if (FStyle & WS_MAXIMIZEBOX) FWindowFlags |= kHasMaximizeBox;
  ReadSizeState();
  FSizeable = (FStyle & WS_THICKFRAME) != 0;

  FMDIKind = kNotMDI;
  for (HWND child = GetTopWindow(FWnd); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[32] = {};
    GetClassNameA(child, name, sizeof name);
    if (std::string(name) == "MDIClient") {
      FMDIKind = kMDIFrame;
      FMDIClient = child;
      if (SkinManager) SkinManager->RecordMDIClient(child, FForm);
      break;
    }
  }
  if (exstyle & WS_EX_MDICHILD) FMDIKind = kMDIChild;

  FFrameKind = kFrameFixed;
  if ((FStyle & WS_CAPTION) != WS_CAPTION) FFrameKind = kFrameNoCaption;
  else if (FStyle & WS_THICKFRAME) FFrameKind = kFrameSizeable;
  else if (FStyle & DS_MODALFRAME) FFrameKind = kFrameDialog;
  if (exstyle & WS_EX_DLGMODALFRAME) FFrameKind = kFrameDialog;

  if (IsNT50() && ((exstyle & WS_EX_APPWINDOW) || (!FOwnerWnd && FMDIKind != kMDIChild)))
    FWindowFlags |= kCaptionRemoved;
  FUnicode = IsWindowUnicode(FWnd) != FALSE;
  FMessageBox = FClassName == "#32770" || FClassName == "TMessageForm";
  if (FMessageBox) FFrameKind = kFrameDialog;
}

void TWinSkinForm::ReadSizeState() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(FWnd, &placement)) return;
  switch (placement.showCmd) {
    case SW_SHOWMINIMIZED: case SW_MINIMIZE: case SW_SHOWMINNOACTIVE: FSizeState = kSizeMinimized; break;
    case SW_SHOWMAXIMIZED: FSizeState = kSizeMaximized; break;
    default: FSizeState = kSizeNormal;
  }
}

void TWinSkinForm::HookWindow() {
  FWndProcInstance = WindowThunk(this, &TWinSkinForm::WindowEntry);
  const LONG_PTR proc = reinterpret_cast<LONG_PTR>(FWndProcInstance.Proc());
  FOldWndProc = reinterpret_cast<WNDPROC>(FUnicode ? SetWindowLongPtrW(FWnd, GWLP_WNDPROC, proc)
                                                   : SetWindowLongPtrA(FWnd, GWLP_WNDPROC, proc));
}

void TWinSkinForm::UnhookWindow() {
  if (!FWndProcInstance) return;
  const LONG_PTR old = reinterpret_cast<LONG_PTR>(FOldWndProc);
  if (IsWindow(FWnd)) {
    if (FUnicode) SetWindowLongPtrW(FWnd, GWLP_WNDPROC, old);
    else SetWindowLongPtrA(FWnd, GWLP_WNDPROC, old);
  }
  FWndProcInstance.Reset();
}

void TWinSkinForm::HookClient() {
  if (!FMDIClient || FClientProcInstance) return;
  FClientProcInstance = WindowThunk(this, &TWinSkinForm::ClientEntry);
  FOldClientProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(FMDIClient, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FClientProcInstance.Proc())));
}

void TWinSkinForm::UnhookClient() {
  if (!FClientProcInstance) return;
  if (IsWindow(FMDIClient)) SetWindowLongPtrA(FMDIClient, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOldClientProc));
  FClientProcInstance.Reset();
}

// ---- the start at SKM_INIT ----

void TWinSkinForm::Start() {
  FStarted = true;
  FSystemMenu = GetSystemMenu(FWnd, FALSE);
  if (FSystemMenu) FWindowFlags |= kHasSystemMenu;
  ReadIcon();
  ReadCaptionText();
  // A window whose menu moved to the band was measured at attach, while it still had its menu.
  if (!FMenuBar) MeasureOriginalFrame();
  // The controls' skins and the first resize and region are painted once, when the start is
  // over: the first resize may have kept client pixels the window had not painted yet, so all of
  // it is painted afresh, frame included.
  zfw::RedrawPause pause(FWnd);
  try {
    if (FForm) SkinFormControls(*this, *FForm);
    else SkinChildWindows(*this, FWnd);
  } catch (...) {
    zfw::LogCaughtException("form skin: skinning the controls");
  }
  if (FState == kFormCreated && FFrameSkinned) {
    if (FMDIKind == kMDIChild) {
      if (FSizeState == kSizeMaximized) {
        if (SkinManager && SkinManager->MDIClient()) PostMessageA(SkinManager->MDIClient(), SKM_MDIREDRAW, WPARAM(FWnd), 0);
      } else if (FSizeState == kSizeNormal) {
        FState = kFormFirstResize;
        ResizeToClient(false);
        FState = kFormRunning;
        UpdateRegion();
      } else {
        SetCaptionStyle(true);
      }
    } else if (!FIsChild && FFrameKind != kFrameNoCaption && FSizeState != kSizeMinimized) {
      FState = kFormFirstResize;
      ResizeToClient(false);
      FState = kFormRunning;
      if (FSizeState == kSizeNormal) UpdateRegion();
      else FrameChanged();
    }
  }
  AfterSkin();
  FState = kFormRunning;
  FTimer->SetEnabled(true);
}

void TWinSkinForm::MeasureOriginalFrame() {
  GetClientRect(FWnd, &FClientRect);
  RECT window{};
  GetWindowRect(FWnd, &window);
  FOriginalFrame = RECT{0, 0, (window.right - window.left) - FClientRect.right,
                        (window.bottom - window.top) - FClientRect.bottom};
}

void TWinSkinForm::AfterSkin() {
  PostMessageA(FWnd, SKM_SKINNED, 0, kSkinHandshake);
  if (FSkinData && FSkinData->OnAfterSkinForm) FSkinData->OnAfterSkinForm(FForm, FWnd, FName);
}

void TWinSkinForm::RefreshSkin() {
  const zfw::TColor face = FSkinData ? static_cast<zfw::TColor>(FSkinData->Colours().ButtonFace) : zfw::clBtnFace;
  if (FForm) {
    FForm->SetColor(face);
    for (int i = 0; i < FForm->ComponentCount(); ++i)
      if (auto* owned = dynamic_cast<zfw::TCustomForm*>(FForm->Components(i))) owned->SetColor(face);
  }
  for (TSkinControl* skin : FControlSkins) skin->SkinChanged();
  FMenus->RefreshSkin();
  FState = kFormRefreshing;
  ReadFrameMetrics();
  if (FFrameSkinned && FForm) {
    ResizeToClient(true);
    FForm->SetHeight(FForm->Height() + 1);
    FForm->SetHeight(FForm->Height() - 1);
  }
  if (FFrameSkinned) UpdateRegion();
  AfterSkin();
  FState = kFormRunning;
  if (FFrameSkinned) PaintFrame(nullptr);
}

void TWinSkinForm::FrameChanged() {
  SetWindowPos(FWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// A maximised MDI child shows the system's look inside the frame's client; the others keep theirs.
void TWinSkinForm::ApplyMDIMaximized(bool flag) {
  if (FMDIKind != kMDIChild) return;
  if (flag) {
    SetCaptionStyle(true);
    DropRegion();
    return;
  }
  if (IsZoomed(FWnd)) return;
  if (FSizeState == kSizeMaximized) FSizeState = kSizeNormal;
  SetCaptionStyle(false);
  UpdateRegion();
  if (!FForm) FrameChanged();
}

void TWinSkinForm::Repaint(HWND wnd) {
  InvalidateRect(wnd, nullptr, TRUE);
  UpdateWindow(wnd);
}

// ---- giving the window back ----

// The window procedure and the form's WindowProc given back, the control skins stopped; false when
// nothing was hooked.
bool TWinSkinForm::UnhookAll() {
  FTimer->SetEnabled(false);
  if (!FWndProcInstance) return false;
  if (FForm && FOldFormWndProc) FForm->WindowProc = std::exchange(FOldFormWndProc, nullptr);
  UnhookWindow();
  StopControlSkins();
  ForgetMenuBandObjects();
  return true;
}

void TWinSkinForm::Stop() {
  if (!FFrameSkinned) {
    RestoreUnskinned();
    return;
  }
  if (!UnhookAll()) return;
  // The menu in the band is still the window's: handed back, it goes with the window as the
  // system frees a window's menu. A framework form has already taken its menu off its dying
  // window, since the menu belongs to its component.
  if (FMenuBar && IsWindow(FWnd) && !(FForm && FState == kFormDestroying) && !GetMenu(FWnd))
    SetMenu(FWnd, FMenuBar->Menu());
  FMenuBar.reset();
}

void TWinSkinForm::Restore() {
  if (!FFrameSkinned) {
    RestoreUnskinned();
    return;
  }
  if (!UnhookAll()) return;
  if (FForm && FState != kFormDestroying) FForm->SetColor(FSavedColor);
  FMenus->Restore();
  if (FSystemMenu) SetSystemMenuStyle(false);
  SetCaptionStyle(true);
  if (FMenuBar) {
    SetMenu(FWnd, FMenuBar->Menu());
    FMenuBar.reset();
  }
  UnhookClient();
  RECT r{};
  GetWindowRect(FWnd, &r);
  if (FMDIKind == kMDIChild) {
    POINT topLeft{r.left, r.top};
    ScreenToClient(GetParent(FWnd), &topLeft);
    OffsetRect(&r, topLeft.x - r.left, topLeft.y - r.top);
  }
  // Only a window that was resized for the skin at its start is resized back; before the start
  // its size is still its own (and its original frame not yet measured).
  if (FStarted && FState != kFormDestroying && (FMDIKind == kMDIChild || !FIsChild) &&
      FFrameKind != kFrameNoCaption && FSizeState == kSizeNormal) {
    SetWindowPos(FWnd, nullptr, r.left, r.top,
                 (r.right - r.left) + FOriginalFrame.right - FBorderLeft - FBorderRight,
                 (r.bottom - r.top) + FOriginalFrame.bottom - FBorderTop - FBorderBottom - FMenuHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  } else if (FState != kFormDestroying) {
    FrameChanged();
  }
  SetWindowRgn(FWnd, nullptr, TRUE);
  FRegionOwned = false;
  FRegionWidth = FRegionHeight = 0;
}

void TWinSkinForm::RestoreUnskinned() {
  FTimer->SetEnabled(false);
  StopControlSkins();
  if (FForm && FOldFormWndProc) FForm->WindowProc = std::exchange(FOldFormWndProc, nullptr);
  if (FForm && FState != kFormDestroying && FSavedColor) FForm->SetColor(FSavedColor);
  FMenus->Restore();
  UnhookWindow();
  UnhookClient();
  if (FForm && FState != kFormDestroying) FForm->Invalidate();
}

// ---- control skins ----

bool TWinSkinForm::RegisterControlSkin(TSkinControl* skin) {
  if (!skin) return false;
  if (std::find(FControlSkins.begin(), FControlSkins.end(), skin) != FControlSkins.end()) return true;
  FControlSkins.push_back(skin);
  return false;
}

void TWinSkinForm::UnregisterControlSkin(TSkinControl* skin) {
  auto it = std::find(FControlSkins.rbegin(), FControlSkins.rend(), skin);
  if (it != FControlSkins.rend()) FControlSkins.erase(std::next(it).base());
}

TSkinControl* TWinSkinForm::FindControlSkin(HWND wnd) const {
  for (TSkinControl* skin : FControlSkins)
    if (skin->Handle() == wnd) return skin;
  return nullptr;
}

void TWinSkinForm::ControlSkinGone(TSkinControl* skin) {
  FControlSkins.erase(std::remove(FControlSkins.begin(), FControlSkins.end(), skin), FControlSkins.end());
  if (FHotControl == skin) FHotControl = nullptr;
}

void TWinSkinForm::StopControlSkins() {
  FHotControl = nullptr;
  while (!FControlSkins.empty()) {
    TSkinControl* skin = FControlSkins.front();
    FControlSkins.erase(FControlSkins.begin());
    try {
      if (skin->LifeState() != kControlSkinDestroyed) skin->Unhook();
      skin->FormSkinGone();
      delete skin;
    } catch (...) {
      zfw::LogCaughtException("form skin: stopping a control skin");
    }
  }
}

void TWinSkinForm::PurgeDestroyedControlSkins() {
  for (size_t i = FControlSkins.size(); i-- > 0;) {
    TSkinControl* skin = FControlSkins[i];
    if (skin->LifeState() != kControlSkinDestroyed) continue;
    FControlSkins.erase(FControlSkins.begin() + static_cast<std::ptrdiff_t>(i));
    if (FHotControl == skin) FHotControl = nullptr;
    skin->FormSkinGone();
    delete skin;
  }
}

}  // namespace zembrel
