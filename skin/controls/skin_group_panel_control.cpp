#include "skin/controls/skin_group_panel_control.h"

#include "framework/class_builder.h"
#include "framework/controls.h"
#include "skin/controls/skin_control_paint.h"
#include "skin/controls/skin_group_panel.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"

namespace zembrel {

// ---- TSkinGroupBox ----

const zfw::TClassInfo& TSkinGroupBox::StaticClass() {
  static const zfw::TClassInfo info =
      zfw::ClassBuilder<TSkinGroupBox>("TSkinGroupBox", TSkinControl::StaticClass()).done();
  return info;
}

void TSkinGroupBox::Attach(TWinSkinForm* formSkin, TSkinData* skinData, zfw::TControl* control, bool ownColor,
                           zfw::TCanvas* canvas) {
  if (Attached()) return;
  TSkinControl::Attach(formSkin, skinData, control, ownColor, canvas);
  if (control) FMode = 1;
}

void TSkinGroupBox::Paint(HDC dc, const RECT& rect) {
  if (!FSkinData || !dc || !FHandle) return;
  GroupBoxLook look;
  look.caption = GetWindowTextWide(FHandle);
  if (look.caption.empty() && FControl) look.caption = GetTextProp(FControl, "Caption");
  look.own_background = FMode == 1;
  if (FControl) {
    look.font = FControl->Font().Handle();
    look.text_colour = FControl->Font().Color();
  } else {
    look.font = WindowFont(FHandle);
  }
  look.caption_right = GetLong(FHandle, GWL_EXSTYLE) & WS_EX_RIGHT;
  look.right_to_left = TextFlags(0) & DT_RTLREADING;
  FText = look.caption;
  PaintGroupBox(dc, rect, *FSkinData, look);
  if (auto* win = dynamic_cast<zfw::TWinControl*>(FControl)) win->PaintControls(dc);
}

bool TSkinGroupBox::BeforeMessage(zfw::TMessage& msg) {
  if (!TSkinControl::BeforeMessage(msg)) return false;
  if (FMode == 1 && msg.Msg == WM_PAINT) {
    PaintClient(msg);
    return false;
  }
  if (FMode == 1 && msg.Msg == WM_ERASEBKGND) {
    msg.Result = 1;  // the paint covers the whole box
    return false;
  }
  return true;
}

// ---- TSkinBox ----

const zfw::TClassInfo& TSkinBox::StaticClass() {
  static const zfw::TClassInfo info = zfw::ClassBuilder<TSkinBox>("TSkinBox", TSkinControl::StaticClass()).done();
  return info;
}

void TSkinBox::Attach(TWinSkinForm* formSkin, TSkinData* skinData, zfw::TControl* control, bool ownColor,
                      zfw::TCanvas* canvas) {
  if (!control || !skinData || FControl) return;
  FOwnColor = ownColor;
  FSkinData = skinData;
  FCanvas = canvas;
  FControl = control;
  if (auto* win = dynamic_cast<zfw::TWinControl*>(control)) FHandle = win->Handle();
  FFormSkin = formSkin;
  if (formSkin) formSkin->RegisterControlSkin(this);
  if (ownColor) {
    SetParentBackground(true);
    FSavedColor = control->Color();
    control->SetColor(FaceColor());
  }
  FLifeState = kControlSkinAttached;
}

void TSkinBox::Detach() {
  if (FLifeState == 4 || FLifeState == 2) return;
  if (FOwnColor && FControl) {
    SetParentBackground(false);
    FControl->SetColor(FSavedColor);
  }
  FLifeState = 2;
}

// ---- TSkinBoxH ----

const zfw::TClassInfo& TSkinBoxH::StaticClass() {
  static const zfw::TClassInfo info = zfw::ClassBuilder<TSkinBoxH>("TSkinBoxH", TSkinControl::StaticClass()).done();
  return info;
}

bool TSkinBoxH::BeforeMessage(zfw::TMessage& msg) {
  if (!TSkinControl::BeforeMessage(msg)) return false;
  switch (msg.Msg) {
    case WM_ERASEBKGND: {
      RECT r{};
      GetWindowRect(FHandle, &r);
      OffsetRect(&r, -r.left, -r.top);
      if (FSkinData) FillSolid(reinterpret_cast<HDC>(msg.WParam), r, FaceRgb(*FSkinData));
      msg.Result = 0;
      return false;
    }
    case WM_CTLCOLORSTATIC:
      CallOldProc(msg);
      if (FSkinData) {
        SetBkColor(reinterpret_cast<HDC>(msg.WParam), FaceRgb(*FSkinData));
        msg.Result = reinterpret_cast<LRESULT>(FSkinData->FaceBrush());
      }
      return false;
    default:
      return true;
  }
}

// ---- TSkinSizer ----

const zfw::TClassInfo& TSkinSizer::StaticClass() {
  static const zfw::TClassInfo info = zfw::ClassBuilder<TSkinSizer>("TSkinSizer", TSkinControl::StaticClass()).done();
  return info;
}

void TSkinSizer::Paint(HDC dc, const RECT& rect) {
  if (FSkinData && dc) PaintFace(dc, rect, *FSkinData);
}

}  // namespace zembrel
