// The control skin base: attaching in both modes, the shared message procedure, the life cycle
// with the form skin, painting entry points. The drawing and property helpers are in
// skin_control_helpers.cpp.
#include "skin/controls/WinSubClass.h"

#include "framework/class_builder.h"
#include "framework/handles.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"
#include "framework/fault_log.h"
#include "skin/frame/skin_messages.h"

namespace zembrel {

const zfw::TClassInfo& TSkinControl::StaticClass() {
  static const zfw::TClassInfo info = zfw::ClassBuilder<TSkinControl>("TSkinControl", zfw::TComponent::StaticClass()).done();
  return info;
}

TSkinControl::TSkinControl(zfw::TComponent* owner) : zfw::TComponent(owner) {}

TSkinControl::~TSkinControl() {
  Unhook();
  // The form skin forgets this skin before it is gone.
  if (FFormSkin) FFormSkin->ControlSkinGone(this);
  FFormSkin = nullptr;
}

void TSkinControl::Attach(TWinSkinForm* formSkin, TSkinData* skinData, zfw::TControl* control, bool ownColor,
                          zfw::TCanvas* canvas) {
  if (FAttached || !control) return;
  FOwnColor = ownColor;
  FSkinData = skinData;
  FFormSkin = formSkin;
  FCanvas = canvas;
  FControl = control;
  if (auto* win = dynamic_cast<zfw::TWinControl*>(control)) FHandle = win->Handle();
  FUnicode = FHandle && IsWindowUnicode(FHandle);
  FOldWindowProc = control->WindowProc;
  control->WindowProc = [this](zfw::TMessage& msg) { WndProc(msg); };
  FHooked = true;
  RegisterWithFormSkin();
  if (ownColor && skinData) {
    SetParentBackground(true);
    FSavedColor = control->Color();
    control->SetColor(FaceColor());
  }
  if (FParentBackgroundWasOn) FMode = 1;
  control->Invalidate();
  FAttached = true;
  FLifeState = kControlSkinAttached;
}

void TSkinControl::AttachHandle(HWND wnd, TSkinData* skinData, TWinSkinForm* formSkin, zfw::TCanvas* canvas) {
  if (FAttached || !wnd) return;
  FSkinData = skinData;
  FFormSkin = formSkin;
  FCanvas = canvas;
  FHandle = wnd;
  FEnabled = true;
  FMode = 0;
  RegisterWithFormSkin();
  FUnicode = IsWindowUnicode(wnd) != FALSE;
  FText = GetWindowTextWide(wnd);
  FThunk = WindowThunk(this, &TSkinControl::ThunkEntry);
  const LONG_PTR proc = reinterpret_cast<LONG_PTR>(FThunk.Proc());
  FOldWndProc = reinterpret_cast<WNDPROC>(FUnicode ? SetWindowLongPtrW(wnd, GWLP_WNDPROC, proc)
                                                   : SetWindowLongPtrA(wnd, GWLP_WNDPROC, proc));
  FHooked = FOldWndProc != nullptr;
  InvalidateRect(wnd, nullptr, TRUE);
  FAttached = true;
  FLifeState = kControlSkinAttached;
}

void TSkinControl::RegisterWithFormSkin() {
  if (FFormSkin) FFormSkin->RegisterControlSkin(this);
}

void TSkinControl::Detach() {
  if (!FOwnColor || !FControl) return;
  SetParentBackground(false);
  FControl->SetColor(FSavedColor);
}

void TSkinControl::Unhook() {
  if (!FHooked) return;
  FHooked = false;
  FActive = false;
  if (FControl) {
    FControl->WindowProc = FOldWindowProc;
    return;
  }
  if (FHandle && IsWindow(FHandle)) {
    const LONG_PTR old = reinterpret_cast<LONG_PTR>(FOldWndProc);
    if (FUnicode) SetWindowLongPtrW(FHandle, GWLP_WNDPROC, old);
    else SetWindowLongPtrA(FHandle, GWLP_WNDPROC, old);
  }
}

void TSkinControl::SkinChanged() {
  if (FOwnColor && FControl && FSkinData) FControl->SetColor(FaceColor());
  Repaint();
}

// ---- messages ----

LRESULT TSkinControl::ThunkEntry(void* self, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* skin = static_cast<TSkinControl*>(self);
  zfw::TMessage m{msg, wparam, lparam, 0};
  skin->WndProc(m);
  return m.Result;
}

void TSkinControl::WndProc(zfw::TMessage& msg) {
  if (msg.Msg == SKM_ENABLE) {
    const bool was = FActive;
    FActive = static_cast<LONG_PTR>(msg.WParam) > 0;
    if (FActive && !was) Repaint();
    return;
  }
  if (!FActive) {
    CallOldProc(msg);
    return;
  }
  bool further = true;
  try {
    further = BeforeMessage(msg);
  } catch (...) {
    // The control skin's own reaction failed; the control's handling still runs.
    zfw::LogCaughtException("control skin");
  }
  if (!further) return;
  CallOldProc(msg);
  try {
    AfterMessage(msg);
  } catch (...) {
    zfw::LogCaughtException("control skin");
  }
}

void TSkinControl::CallOldProc(zfw::TMessage& msg) {
  if (FControl) {
    if (FOldWindowProc) FOldWindowProc(msg);
    else FControl->WndProc(msg);
    return;
  }
  if (!FOldWndProc) return;
  msg.Result = FUnicode ? CallWindowProcW(FOldWndProc, FHandle, msg.Msg, msg.WParam, msg.LParam)
                        : CallWindowProcA(FOldWndProc, FHandle, msg.Msg, msg.WParam, msg.LParam);
}

bool TSkinControl::BeforeMessage(zfw::TMessage& msg) {
  switch (msg.Msg) {
    case WM_NCDESTROY:
      CallOldProc(msg);
      FActive = false;
      FLifeState = kControlSkinDestroyed;
      Detach();
      return false;
    case SKM_QUERY:
      msg.Result = 1;
      return false;
    default:
      return true;
  }
}

void TSkinControl::AfterMessage(zfw::TMessage& msg) {
  switch (msg.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case zfw::CM_ENABLEDCHANGED:
      Repaint();
      break;
    case WM_PAINT:
      PaintWindow(reinterpret_cast<HDC>(msg.WParam));
      break;
    default:
      break;
  }
}

// ---- painting ----

void TSkinControl::Repaint() {
  if (FRepaintControl) {
    FRepaintControl->Invalidate();
    return;
  }
  if (!FHandle) return;
  InvalidateRect(FHandle, nullptr, TRUE);
  UpdateWindow(FHandle);
}

void TSkinControl::PaintWindow(HDC dc) {
  if (!FHandle || !GetWindowRect(FHandle, &FWindowRect)) return;
  RECT rect = FWindowRect;
  OffsetRect(&rect, -rect.left, -rect.top);
  try {
    if (dc) {
      Paint(dc, rect);
      return;
    }
    zfw::WindowDc window_dc(FHandle, zfw::DcArea::WholeWindow);
    if (window_dc.get()) Paint(window_dc.get(), rect);
  } catch (...) {
    // The control stays unpainted for this cycle.
    zfw::LogCaughtException("control skin paint");
  }
}

void TSkinControl::Paint(HDC, const RECT&) {}

}  // namespace zembrel
