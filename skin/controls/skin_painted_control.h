// The base of control skins that paint their whole window themselves, so that the control's own
// painting never runs and there is no background to erase.
#pragma once

#include "skin/controls/WinSubClass.h"

namespace zembrel {

class TSkinPaintedControl : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

 protected:
  // Finishes WM_PAINT (through Paint) and WM_ERASEBKGND; false for any other message.
  bool PaintsItself(zfw::TMessage& msg) {
    switch (msg.Msg) {
      case WM_PAINT:
        PaintClient(msg);
        return true;
      case WM_ERASEBKGND:
        msg.Result = 1;
        return true;
      default:
        return false;
    }
  }
};

}  // namespace zembrel
