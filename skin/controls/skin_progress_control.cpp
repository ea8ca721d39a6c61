#include "skin/controls/skin_progress_control.h"

#include <commctrl.h>

#include "framework/class_builder.h"
#include "skin/controls/skin_control_paint.h"
#include "skin/controls/skin_progress.h"
#include "skin/data/WinSkinData.h"

namespace zembrel {

const zfw::TClassInfo& TSkinProgress::StaticClass() {
  static const zfw::TClassInfo info =
      zfw::ClassBuilder<TSkinProgress>("TSkinProgress", TSkinControl::StaticClass()).done();
  return info;
}

void TSkinProgress::Paint(HDC dc, const RECT& rect) {
  if (!FSkinData || !dc || !FHandle) return;
  const int position = static_cast<int>(SendMessageA(FHandle, PBM_GETPOS, 0, 0));
  const int upper = static_cast<int>(SendMessageA(FHandle, PBM_GETRANGE, 0, 0));
  PaintProgress(dc, rect, *FSkinData, position, upper, GetLong(FHandle, GWL_STYLE) & PBS_VERTICAL);
}

bool TSkinProgress::BeforeMessage(zfw::TMessage& msg) {
  if (!TSkinControl::BeforeMessage(msg)) return false;
  // Without a Progress image the control paints itself.
  if (msg.Msg == WM_PAINT && (!FSkinData || !HasImage(FSkinData->Element("Progress")))) return true;
  return !PaintsItself(msg);
}

}  // namespace zembrel
