#include "skin/controls/skin_check_radio_control.h"

#include <algorithm>
#include <cctype>

#include "framework/class_builder.h"
#include "framework/controls.h"
#include "skin/controls/skin_control_paint.h"
#include "skin/data/WinSkinData.h"

namespace zembrel {
namespace {

constexpr int kTransparentTag = 5555;

bool has_property(zfw::TControl* control, const std::string& name) {
  return control && zfw::IsPublishedProp(*control, name);
}

}  // namespace

// ---- TSkinCheckRadio ----

const zfw::TClassInfo& TSkinCheckRadio::StaticClass() {
  static const zfw::TClassInfo info =
      zfw::ClassBuilder<TSkinCheckRadio>("TSkinCheckRadio", TSkinControl::StaticClass()).done();
  return info;
}

TSkinCheckRadio::TSkinCheckRadio(zfw::TComponent* owner, bool radio) : TSkinControl(owner), FRadio(radio) {}

void TSkinCheckRadio::Attach(TWinSkinForm* formSkin, TSkinData* skinData, zfw::TControl* control, bool ownColor,
                             zfw::TCanvas* canvas) {
  if (Attached()) return;
  TSkinControl::Attach(formSkin, skinData, control, ownColor, canvas);
  FMode = 0;
  if (!control || !skinData) return;
  const TDataSkinButton& buttons = skinData->Buttons();
  FMode = (FRadio ? buttons.RadioImage : buttons.CheckImage).Empty() ? 0 : 1;
  FTransparent = control->Tag() == kTransparentTag || (skinData->Options() & SkinBit(xoTransparent));
}

bool TSkinCheckRadio::Disabled() const { return FHandle && (GetLong(FHandle, GWL_STYLE) & WS_DISABLED); }

void TSkinCheckRadio::Paint(HDC dc, const RECT& rect) {
  if (!FSkinData || !dc || !FHandle) return;
  const TDataSkinButton& buttons = FSkinData->Buttons();
  if (buttons.Image.Empty() && (FRadio ? buttons.RadioImage : buttons.CheckImage).Empty()) {
    FMode = 0;
    return;
  }
  CheckLook look;
  look.radio = FRadio;
  look.cell = Cell();
  look.draw_caption = FMode == 1;
  look.fill_face = FMode == 1 && !FTransparent;
  look.left_text = GetLong(FHandle, GWL_STYLE) & BS_LEFTTEXT;
  look.right_to_left = TextFlags(0) & DT_RTLREADING;
  FFocused = GetFocus() == FHandle;
  look.focused = FFocused;
  if (FControl) {
    look.caption = GetTextProp(FControl, "Caption");
    look.font = FControl->Font().Handle();
    look.text_colour = Disabled() ? zfw::clBtnShadow : FControl->Font().Color();
  } else {
    look.caption = GetWindowTextWide(FHandle);
    look.font = WindowFont(FHandle);
  }
  FText = look.caption;
  PaintCheckRadio(dc, rect, *FSkinData, look);
}

bool TSkinCheckRadio::BeforeMessage(zfw::TMessage& msg) {
  if (!TSkinControl::BeforeMessage(msg)) return false;
  switch (msg.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
      if (FMode != 1) return true;
      PaintClient(msg);
      return false;
    case WM_ERASEBKGND:
      if (!FTransparent) return true;
      EraseBackground(msg);
      return false;
    default:
      return true;
  }
}

void TSkinCheckRadio::AfterMessage(zfw::TMessage& msg) {
  switch (msg.Msg) {
    case BM_SETCHECK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case zfw::CM_EXIT:
    case zfw::CM_CHECKEDCHANGED:
      Repaint();
      break;
    default:
      TSkinControl::AfterMessage(msg);
      break;
  }
}

// ---- TSkinCheckBox ----

const zfw::TClassInfo& TSkinCheckBox::StaticClass() {
  static const zfw::TClassInfo info =
      zfw::ClassBuilder<TSkinCheckBox>("TSkinCheckBox", TSkinCheckRadio::StaticClass()).done();
  return info;
}

int TSkinCheckBox::Cell() {
  const LRESULT state = SendMessageA(FHandle, BM_GETSTATE, 0, 0);
  int cell = (state & BST_CHECKED) ? kCellChecked : kCellUnchecked;
  if (FControl) {
    cell = CheckBoxPropertyCell(cell, has_property(FControl, "State") ? GetEnumName(FControl, "State") : "",
                                has_property(FControl, "Checked") ? GetEnumName(FControl, "Checked") : "");
    if (has_property(FControl, "DataField") && FDataState != 0) cell = FDataState == 3 ? 4 : FDataState;
    if (has_property(FControl, "DataBinding")) cell = kCellUnchecked;
  }
  return CheckBoxCell(cell, Disabled(), state & BST_INDETERMINATE, FSkinData->Buttons().CheckButtonFrame);
}

void TSkinCheckBox::AfterMessage(zfw::TMessage& msg) {
  if (msg.Msg == BM_SETCHECK) FDataState = static_cast<int>(msg.WParam) + 1;
  TSkinCheckRadio::AfterMessage(msg);
}

// ---- TSkinRadioButton ----

const zfw::TClassInfo& TSkinRadioButton::StaticClass() {
  static const zfw::TClassInfo info =
      zfw::ClassBuilder<TSkinRadioButton>("TSkinRadioButton", TSkinCheckRadio::StaticClass()).done();
  return info;
}

int TSkinRadioButton::Cell() {
  bool checked = SendMessageA(FHandle, BM_GETCHECK, 0, 0) & BST_CHECKED;
  if (has_property(FControl, "Checked")) checked = zfw::same_text(GetEnumName(FControl, "Checked"), "true");
  return RadioButtonCell(checked, Disabled(), FSkinData->Buttons().RadioButtonFrame);
}

}  // namespace zembrel
