// The control skin of combo boxes: after the control has painted its text, the frame and the
// drop-down button are painted from the skin; the skin tracks the button's hot and pressed states
// itself and hooks the inner edit, so that the frame comes back whenever the edit repaints. The
// list of a simple combo box gets a scroll-bar skin.
#pragma once

#include "skin/controls/WinSubClass.h"
#include "skin/controls/skin_combo.h"

namespace zembrel {

class TSkinScrollbarH;

class TSkinComBox : public TSkinControl {
  ZFW_CLASS(TSkinComBox)
 public:
  using TSkinControl::TSkinControl;
  ~TSkinComBox() override;
  void Attach(TWinSkinForm* formSkin, TSkinData* skinData, zfw::TControl* control, bool ownColor,
              zfw::TCanvas* canvas) override;
  void AttachHandle(HWND wnd, TSkinData* skinData, TWinSkinForm* formSkin, zfw::TCanvas* canvas) override;
  void Detach() override;
  void Paint(HDC dc, const RECT& rect) override;
  int CurrentFrame();
  bool Dropped() const { return FDropped; }
  HWND Edit() const { return FEdit; }
  TSkinScrollbarH* ListScroll() const { return FListScroll; }

 protected:
  void AfterMessage(zfw::TMessage& msg) override;
  // After the base attach: the edit hooked, or the simple list's scroll-bar skin made.
  void HookParts();
  void UnhookEdit();
  void SetState(unsigned bit, bool on);
  static LRESULT CALLBACK EditProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);

  DWORD FStyle = 0;
  DWORD FExStyle = 0;
  HWND FList = nullptr;
  HWND FEdit = nullptr;
  WNDPROC FOldEditProc = nullptr;
  bool FDropped = false;
  TSkinScrollbarH* FListScroll = nullptr;  // owned by this skin
  RECT FButtonRect{};
};

}  // namespace zembrel
