#include "skin/controls/skin_statusbar_control.h"

#include <commctrl.h>

#include "framework/class_builder.h"
#include "framework/stdctrls.h"
#include "skin/controls/skin_control_paint.h"
#include "skin/data/WinSkinData.h"
#include "skin/paint/ImgUtil.h"

namespace zembrel {
namespace {

std::wstring part_text(HWND wnd, int part, bool& owner_drawn) {
  const LRESULT info = SendMessageW(wnd, SB_GETTEXTLENGTHW, part, 0);
  owner_drawn = (HIWORD(info) & SBT_OWNERDRAW) != 0;
  if (owner_drawn) return L"";
  std::wstring text(LOWORD(info) + 1, L'\0');
  SendMessageW(wnd, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()));
  text.resize(wcslen(text.c_str()));
  return text;
}

int bevel_frame(LRESULT type) {
  if (type & SBT_NOBORDERS) return kPanelFlat;
  if (type & SBT_POPOUT) return kPanelRaised;
  return kPanelLowered;
}

UINT align_flags(zfw::TAlignment a) {
  switch (a) {
    case zfw::taRightJustify: return DT_RIGHT;
    case zfw::taCenter: return DT_CENTER;
    default: return DT_LEFT;
  }
}

}  // namespace

const zfw::TClassInfo& TSkinStatusBar::StaticClass() {
  static const zfw::TClassInfo info =
      zfw::ClassBuilder<TSkinStatusBar>("TSkinStatusBar", TSkinControl::StaticClass()).done();
  return info;
}

StatusBarLook TSkinStatusBar::CurrentLook() {
  StatusBarLook look;
  auto* bar = dynamic_cast<zfw::TStatusBar*>(FControl);
  look.font = bar ? bar->Font().Handle() : WindowFont(FHandle);
  look.size_grip = GetLong(FHandle, GWL_STYLE) & SBARS_SIZEGRIP;
  look.right_to_left = TextFlags(0) & DT_RTLREADING;
  look.simple = SendMessageW(FHandle, SB_ISSIMPLE, 0, 0) != 0 || (bar && bar->SimplePanel());
  if (look.simple) {
    bool owner_drawn = false;
    look.simple_text = part_text(FHandle, SB_SIMPLEID, owner_drawn);
    if (look.simple_text.empty()) look.simple_text = GetWindowTextWide(FHandle);
    return look;
  }
  const int parts = static_cast<int>(SendMessageW(FHandle, SB_GETPARTS, 0, 0));
  for (int i = 0; i < parts; ++i) {
    StatusPanelLook p;
    p.has_rect = SendMessageW(FHandle, SB_GETRECT, i, reinterpret_cast<LPARAM>(&p.rect)) != 0;
    p.text = part_text(FHandle, i, p.owner_drawn);
    p.frame = bevel_frame(HIWORD(SendMessageW(FHandle, SB_GETTEXTLENGTHW, i, 0)));
    if (bar && i < bar->Panels().Count()) p.align = align_flags(bar->Panel(i).Alignment());
    look.panels.push_back(p);
  }
  // One part with the window's own text is the simple look of a bar without panels.
  if (bar && bar->Panels().Count() == 0) {
    look.panels.clear();
    look.simple_text = GetWindowTextWide(FHandle);
  }
  return look;
}

void TSkinStatusBar::Paint(HDC dc, const RECT& rect) {
  if (!FSkinData || !dc || !FHandle) return;
  PaintStatusBar(dc, rect, *FSkinData, CurrentLook());
  if (auto* win = dynamic_cast<zfw::TWinControl*>(FControl)) win->PaintControls(dc);
}

bool TSkinStatusBar::BeforeMessage(zfw::TMessage& msg) {
  return TSkinControl::BeforeMessage(msg) && !PaintsItself(msg);
}

}  // namespace zembrel
