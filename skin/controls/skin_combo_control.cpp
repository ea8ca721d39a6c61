#include "skin/controls/skin_combo_control.h"

#include <memory>

#include "framework/class_builder.h"
#include "framework/controls.h"
#include "framework/messages.h"
#include "skin/controls/skin_scrollbar_control.h"
#include "skin/data/WinSkinData.h"
#include "framework/fault_log.h"

namespace zembrel {
namespace {

// The combo skin that hooked an edit window.
constexpr char kEditOwnerProp[] = "ZembrelComboSkin";

}  // namespace

const zfw::TClassInfo& TSkinComBox::StaticClass() {
  static const zfw::TClassInfo info = zfw::ClassBuilder<TSkinComBox>("TSkinComBox", TSkinControl::StaticClass()).done();
  return info;
}

TSkinComBox::~TSkinComBox() { UnhookEdit(); }

void TSkinComBox::Attach(TWinSkinForm* formSkin, TSkinData* skinData, zfw::TControl* control, bool ownColor,
                         zfw::TCanvas* canvas) {
  if (Attached()) return;
  TSkinControl::Attach(formSkin, skinData, control, ownColor, canvas);
  HookParts();
}

void TSkinComBox::AttachHandle(HWND wnd, TSkinData* skinData, TWinSkinForm* formSkin, zfw::TCanvas* canvas) {
  if (Attached()) return;
  TSkinControl::AttachHandle(wnd, skinData, formSkin, canvas);
  HookParts();
}

void TSkinComBox::HookParts() {
  if (!FHandle) return;
  FStyle = static_cast<DWORD>(GetLong(FHandle, GWL_STYLE));
  if ((FStyle & 3) != CBS_SIMPLE) {
    HWND edit = GetTopWindow(FHandle);
    if (!FUnicode && edit) {
      FEdit = edit;
      SetPropA(FEdit, kEditOwnerProp, this);
      FOldEditProc = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(FEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TSkinComBox::EditProc)));
    }
    FList = nullptr;
    return;
  }
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!GetComboBoxInfo(FHandle, &info)) return;
  FList = info.hwndList;
  if (FControl && FList && !IsPopupWindow(FList) && (GetWindowLongPtrA(FList, GWL_STYLE) & WS_CHILD)) {
    auto scroll = std::make_unique<TSkinScrollbarH>(this);  // freed with this skin
    scroll->AttachHandle(FList, FSkinData, FFormSkin, FCanvas);
    FListScroll = scroll.release();
  }
}

void TSkinComBox::UnhookEdit() {
  if (!FEdit) return;
  if (IsWindow(FEdit) && GetPropA(FEdit, kEditOwnerProp) == this) {
    SetWindowLongPtrA(FEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOldEditProc));
    RemovePropA(FEdit, kEditOwnerProp);
  }
  FEdit = nullptr;
}

void TSkinComBox::Detach() {
  TSkinControl::Detach();
  UnhookEdit();
  if (FListScroll) {
    FListScroll->Detach();
    delete FListScroll;
    FListScroll = nullptr;
  }
}

LRESULT CALLBACK TSkinComBox::EditProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* self = static_cast<TSkinComBox*>(GetPropA(wnd, kEditOwnerProp));
  if (!self) return DefWindowProcA(wnd, msg, wparam, lparam);
  const WNDPROC old = self->FOldEditProc;
  if (msg == WM_NCDESTROY) {
    self->UnhookEdit();
    return CallWindowProcA(old, wnd, msg, wparam, lparam);
  }
  const LRESULT result = CallWindowProcA(old, wnd, msg, wparam, lparam);
  try {
    switch (msg) {
      case WM_PAINT:
        self->PaintWindow(0);
        break;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        self->SetState(kButtonPressed, true);
        self->Repaint();
        break;
      case WM_LBUTTONUP:
        self->SetState(kButtonPressed, false);
        self->Repaint();
        break;
      default:
        break;
    }
  } catch (...) {
    zfw::LogCaughtException("combo box edit");
  }
  return result;
}

void TSkinComBox::SetState(unsigned bit, bool on) { FButtonState = on ? FButtonState | bit : FButtonState & ~bit; }

int TSkinComBox::CurrentFrame() {
  FFocused = FHandle && (GetFocus() == FHandle || (FEdit && GetFocus() == FEdit));
  FEnabled = FHandle && !(GetLong(FHandle, GWL_STYLE) & WS_DISABLED);
  return ComboFrame(FEnabled, FFocused, FButtonState & kButtonHot, FButtonState & kButtonPressed);
}

void TSkinComBox::Paint(HDC dc, const RECT& rect) {
  if (!FSkinData || !dc || !FHandle) return;
  auto* button = FSkinData->Element("ComboButton");
  if (!button || button->Image.Empty()) return;
  FStyle = static_cast<DWORD>(GetLong(FHandle, GWL_STYLE));
  FExStyle = static_cast<DWORD>(GetLong(FHandle, GWL_EXSTYLE));
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(FHandle, &info)) {
    FButtonRect = info.rcButton;
    if (info.stateButton & STATE_SYSTEM_INVISIBLE) return;
  }
  ComboLook look;
  look.frame = CurrentFrame();
  look.button_left = FExStyle & WS_EX_LEFTSCROLLBAR;
  look.arrow = GetSystemMetrics(SM_CXHSCROLL);
  look.thumb = GetSystemMetrics(SM_CYVTHUMB);
  const RECT drawn = PaintComboBox(dc, rect, *FSkinData, look);
  if (button->Style != 2 && !IsRectEmpty(&drawn)) FButtonRect = drawn;
}

void TSkinComBox::AfterMessage(zfw::TMessage& msg) {
  switch (msg.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      break;  // the next paint shows it
    case WM_MOUSEMOVE: {
      const POINT p{static_cast<short>(LOWORD(msg.LParam)), static_cast<short>(HIWORD(msg.LParam))};
      const bool over = PtInRect(&FButtonRect, p) && !(GetLong(FHandle, GWL_STYLE) & WS_DISABLED);
      if (over != static_cast<bool>(FButtonState & kButtonHot)) {
        SetState(kButtonHot, over);
        Repaint();
      }
      TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, FHandle, 0};
      TrackMouseEvent(&t);
      break;
    }
    case WM_DRAWITEM:
    case WM_NCPAINT:
      Repaint();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetState(kButtonPressed, true);
      Repaint();
      break;
    case WM_LBUTTONUP:
      SetState(kButtonPressed, false);
      Repaint();
      break;
    case WM_MOUSELEAVE:
    case zfw::CM_MOUSELEAVE:
      if (FButtonState & kButtonHot) {
        SetState(kButtonHot, false);
        Repaint();
      }
      break;
    case zfw::CN_COMMAND:
      if (HIWORD(msg.WParam) == CBN_DROPDOWN) FDropped = true;
      if (HIWORD(msg.WParam) == CBN_CLOSEUP) {
        FDropped = false;
        // The list took the button's release: the press ends with it.
        SetState(kButtonPressed, false);
        Repaint();
      }
      break;
    default:
      TSkinControl::AfterMessage(msg);
      break;
  }
}

}  // namespace zembrel
