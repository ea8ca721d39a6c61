#include "skin/controls/skin_button_control.h"

#include <algorithm>
#include <cctype>

#include "framework/class_builder.h"
#include "framework/controls.h"
#include "skin/controls/skin_control_paint.h"
#include "skin/data/WinSkinData.h"
#include "skin/paint/ImgUtil.h"
#include "skin/paint/skin_paint.h"

namespace zembrel {
namespace {

constexpr int kTransparentTag = 5555;

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

void track_leave(HWND wnd) {
  if (!wnd) return;
  TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, wnd, 0};
  TrackMouseEvent(&t);
}

}  // namespace

// ---- TSkinButton ----

const zfw::TClassInfo& TSkinButton::StaticClass() {
  static const zfw::TClassInfo info = zfw::ClassBuilder<TSkinButton>("TSkinButton", TSkinControl::StaticClass()).done();
  return info;
}

TSkinButton::TSkinButton(zfw::TComponent* owner) : TSkinPaintedControl(owner) {}

void TSkinButton::Attach(TWinSkinForm* formSkin, TSkinData* skinData, zfw::TControl* control, bool ownColor,
                         zfw::TCanvas* canvas) {
  if (Attached()) return;
  TSkinControl::Attach(formSkin, skinData, control, ownColor, canvas);
  if (!control || !skinData) return;
  const std::string name = lower(control->ClassName());
  FMode = name.rfind("trz", 0) == 0 || name.rfind("tel", 0) == 0 ? 1 : 0;
  FTransparent = control->Tag() == kTransparentTag || (skinData->Options() & SkinBit(xoTransparent));
}

ButtonState TSkinButton::CurrentState() {
  if (FHandle) {
    FFocused = GetFocus() == FHandle;
    FEnabled = !(GetLong(FHandle, GWL_STYLE) & WS_DISABLED);
  } else if (FControl) {
    FEnabled = FControl->Enabled();
  }
  return ButtonState{FEnabled, FFocused, Hot(), Pressed()};
}

ButtonLook TSkinButton::CurrentLook() {
  ButtonLook look;
  std::wstring caption;
  if (FControl) {
    caption = GetTextProp(FControl, "Caption");
    look.font = FControl->Font().Handle();
    look.text_colour = FControl->Font().Color();
  } else {
    caption = GetWindowTextWide(FHandle);
    look.font = WindowFont(FHandle);
    look.text_colour = static_cast<zfw::TColor>(FSkinData->Colours().ButtonText);
  }
  FText = ButtonCaption(caption);
  look.caption = FText;
  look.focus_rect = !(FSkinData->Options() & SkinBit(xoNoFocusRect));
  look.text_flags = TextFlags(0);
  if (FTransparent && FControl) {
    zfw::TControl* control = FControl;
    look.background = [control](HDC dc) { DrawParentBackground(*control, dc); };
  }
  return look;
}

void TSkinButton::Paint(HDC dc, const RECT& rect) {
  if (!FSkinData || !dc) return;
  const ButtonState state = CurrentState();
  PaintPushButton(dc, rect, *FSkinData, PushButtonFrame(state), state.focused, CurrentLook());
}

void TSkinButton::SetHot(bool on) { FButtonState = on ? FButtonState | kButtonHot : FButtonState & ~kButtonHot; }
void TSkinButton::SetPressed(bool on) {
  FButtonState = on ? FButtonState | kButtonPressed : FButtonState & ~kButtonPressed;
}

void TSkinButton::Click() {
  if (!FHandle) return;
  HWND parent = GetParent(FHandle);
  if (!parent) return;
  if (FControl) {
    // The framework hears of the click as it does from the system button: BN_CLICKED to the
    // parent, reflected to the control.
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(FHandle), BN_CLICKED), reinterpret_cast<LPARAM>(FHandle));
    return;
  }
  char name[32] = {};
  GetClassNameA(FHandle, name, sizeof name);
  const WPARAM id = lower(name) == "tbutton" ? 0 : static_cast<WPARAM>(GetDlgCtrlID(FHandle));
  PostMessageA(parent, WM_COMMAND, id, reinterpret_cast<LPARAM>(FHandle));
}

bool TSkinButton::BeforeMessage(zfw::TMessage& msg) {
  if (!TSkinControl::BeforeMessage(msg) || PaintsItself(msg)) return false;
  switch (msg.Msg) {
    case WM_TIMER:
      KillTimer(FHandle, 1);
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The press stays with the skin: the control never captures the mouse, and the click is
      // made on release (see Click).
      if (FHandle && GetFocus() != FHandle) SetFocus(FHandle);
      SetPressed(true);
      PaintWindow(0);
      return false;
    default:
      return true;
  }
}

void TSkinButton::AfterMessage(zfw::TMessage& msg) {
  switch (msg.Msg) {
    case WM_SETTEXT:
      PaintWindow(0);
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (msg.WParam == VK_SPACE) {
        SetPressed(msg.Msg == WM_KEYDOWN);
        Repaint();
      }
      break;
    case WM_MOUSEMOVE:
      if (CurrentState().enabled && !Hot()) {
        SetHot(true);
        Repaint();
      }
      track_leave(FHandle);
      break;
    case WM_LBUTTONUP:
      if (Pressed()) {
        SetPressed(false);
        Repaint();
        Click();  // last: the click may free this skin with its control
      }
      break;
    case WM_MOUSELEAVE:
      SetHot(false);
      SetPressed(false);
      Repaint();
      break;
    case zfw::CM_DIALOGKEY:
    case zfw::CM_FOCUSCHANGED:
      Repaint();
      break;
    default:
      TSkinControl::AfterMessage(msg);
      break;
  }
}

// ---- TSkinBitButton ----

const zfw::TClassInfo& TSkinBitButton::StaticClass() {
  static const zfw::TClassInfo info =
      zfw::ClassBuilder<TSkinBitButton>("TSkinBitButton", TSkinButton::StaticClass()).done();
  return info;
}

void TSkinBitButton::ReadGlyph(ButtonGlyph& glyph, GlyphButtonLayout& layout) {
  if (!FControl) return;
  if (!FGlyphProperty.empty()) {
    glyph.graphic = dynamic_cast<zfw::TGraphic*>(GetObjectProp(FControl, FGlyphProperty, "TGraphic"));
  } else {
    glyph.glyph = dynamic_cast<zfw::TBitmap*>(GetObjectProp(FControl, "Glyph", "TBitmap"));
    if (auto* images = dynamic_cast<zfw::TImageList*>(GetObjectProp(FControl, "Images", "TCustomImageList")))
      glyph.images = images->Handle();
    glyph.image_index = GetIntProp(FControl, "ImageIndex");
    glyph.disabled_index = GetIntProp(FControl, "DisabledIndex");
  }
  glyph.num_glyphs = std::max(GetIntProp(FControl, "NumGlyphs"), 1);
  layout.margin = GetIntProp(FControl, "Margin");
  layout.spacing = GetIntProp(FControl, "Spacing");
  const std::string l = lower(GetEnumName(FControl, "Layout"));
  layout.layout = l == "blglyphright" ? kGlyphRight : l == "blglyphtop" ? kGlyphTop : l == "blglyphbottom" ? kGlyphBottom : kGlyphLeft;
  layout.centred = lower(GetEnumName(FControl, "Alignment")) == "tacenter";
}

void TSkinBitButton::Paint(HDC dc, const RECT& rect) {
  if (!FSkinData || !dc) return;
  const ButtonState state = CurrentState();
  const int frame = BitmapButtonFrame(state);
  ButtonGlyph glyph;
  GlyphButtonLayout layout;
  ReadGlyph(glyph, layout);
  PaintGlyphButton(dc, rect, *FSkinData, frame, GlyphNumber(frame), true, state.focused, CurrentLook(), glyph, layout);
}

// ---- TSkinMenuButton ----

const zfw::TClassInfo& TSkinMenuButton::StaticClass() {
  static const zfw::TClassInfo info =
      zfw::ClassBuilder<TSkinMenuButton>("TSkinMenuButton", TSkinButton::StaticClass()).done();
  return info;
}

void TSkinMenuButton::Paint(HDC dc, const RECT& rect) {
  if (!FSkinData || !dc) return;
  const ButtonState state = CurrentState();
  PaintMenuButton(dc, rect, *FSkinData, MenuButtonFrame(state), state.focused, CurrentLook());
}

// ---- TSkinSpeedButton ----

const zfw::TClassInfo& TSkinSpeedButton::StaticClass() {
  static const zfw::TClassInfo info =
      zfw::ClassBuilder<TSkinSpeedButton>("TSkinSpeedButton", TSkinBitButton::StaticClass()).done();
  return info;
}

void TSkinSpeedButton::Attach(TWinSkinForm* formSkin, TSkinData* skinData, zfw::TControl* control, bool ownColor,
                              zfw::TCanvas* canvas) {
  if (Attached()) return;
  TSkinButton::Attach(formSkin, skinData, control, ownColor, canvas);
  FRepaintControl = control;
}

void TSkinSpeedButton::Paint(HDC dc, const RECT& rect) {
  if (FPainting || !FSkinData || !FControl || !dc || rect.right < 1 || rect.bottom < 1) return;
  FPainting = true;
  try {
    const ButtonState state = CurrentState();
    const bool down = lower(GetEnumName(FControl, "Down")) == "true";
    const int frame = SpeedButtonFrame(ButtonState{FControl->Enabled(), false, state.hot, state.pressed}, down);
    const bool flat = lower(GetEnumName(FControl, "Flat")) == "true";
    ButtonGlyph glyph;
    GlyphButtonLayout layout;
    ReadGlyph(glyph, layout);
    PaintGlyphButton(dc, rect, *FSkinData, frame, down ? 4 : GlyphNumber(frame),
                     frame == kButtonFramePressed || frame == kButtonFrameHot || !flat, false, CurrentLook(), glyph, layout);
  } catch (...) {
    FPainting = false;
    throw;
  }
  FPainting = false;
}

void TSkinSpeedButton::PaintWindow(HDC dc) {
  if (!FControl || !FControl->Parent() || !FControl->Visible()) return;
  zfw::TWinControl* parent = FControl->Parent();
  if (!parent->HandleAllocated()) return;
  const RECT bounds = FControl->BoundsRect();
  if (dc) {
    Paint(dc, RECT{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top});
    return;
  }
  zfw::WindowDc parent_dc(parent->Handle());
  zfw::SaveDcGuard saved(parent_dc.get());
  OffsetViewportOrgEx(parent_dc.get(), bounds.left, bounds.top, nullptr);
  Paint(parent_dc.get(), RECT{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top});
}

bool TSkinSpeedButton::BeforeMessage(zfw::TMessage& msg) {
  if (!TSkinControl::BeforeMessage(msg)) return false;
  switch (msg.Msg) {
    case WM_PAINT:
      if (msg.WParam) PaintWindow(reinterpret_cast<HDC>(msg.WParam));
      msg.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      CallOldProc(msg);
      SetPressed(true);
      PaintWindow(0);
      return false;
    case WM_LBUTTONUP:
      return true;
    default:
      return TSkinButton::BeforeMessage(msg);
  }
}

void TSkinSpeedButton::AfterMessage(zfw::TMessage& msg) {
  switch (msg.Msg) {
    case WM_ENABLE:
    case zfw::CM_FOCUSCHANGED:
    case zfw::CM_ENABLEDCHANGED:
      break;
    case WM_LBUTTONUP:
      SetPressed(false);
      Repaint();
      break;
    case zfw::CM_MOUSEENTER:
      SetHot(true);
      Repaint();
      break;
    case zfw::CM_MOUSELEAVE:
      SetHot(false);
      SetPressed(false);
      if (FControl && FControl->Visible()) Repaint();
      break;
    default:
      TSkinButton::AfterMessage(msg);
      break;
  }
}

}  // namespace zembrel
