// The scroll-bar skin: TSkinScrollbar lays a TWScrollbar overlay of its own over each scroll bar
// of a control (list boxes, memos, anything with WS_HSCROLL / WS_VSCROLL), paints the skinned bar
// there, and hands every click to the real bar underneath, so that the system's own scrolling and
// thumb tracking do the work. It also draws a two-line border around the control.
// TSkinScrollbarH does the same for a bare window (the list of a simple combo box).
#pragma once

#include <memory>

#include "skin/controls/WinSubClass.h"
#include "skin/controls/skin_scrollbar_paint.h"

namespace zembrel {

// One overlay window over one scroll bar of the target window; a child of the target's parent,
// kept directly above the target.
class TWScrollbar {
 public:
  enum Kind { kHorizontal = 0, kVertical = 1 };
  TWScrollbar(TSkinData* skinData, HWND target, Kind kind);
  ~TWScrollbar();
  TWScrollbar(const TWScrollbar&) = delete;
  TWScrollbar& operator=(const TWScrollbar&) = delete;

  // Follows the real bar: hidden while it is, else placed exactly over it and shown.
  void Sync();
  void Hide();
  void Invalidate();
  void SetEnabled(bool enabled);
  // A WM_HSCROLL / WM_VSCROLL scroll code (its numbers match the parts).
  void SetHotPart(int part);

  HWND Handle() const { return FWnd; }
  bool Shown() const { return FShown; }
  const RECT& BarRect() const { return FBarRect; }  // in the target's client coordinates
  // What the next paint shows; false when the real bar cannot be read or is invisible.
  bool CurrentLook(ScrollBarLook& look);
  // Paints into dc at the origin (the overlay's client area).
  void PaintTo(HDC dc);

 private:
  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT Message(UINT msg, WPARAM wparam, LPARAM lparam);
  bool ReadInfo(SCROLLBARINFO& info) const;
  ScrollGeometry Geometry(const SCROLLBARINFO& info) const;
  void MouseDown(LPARAM lparam);
  void MouseUp(LPARAM lparam);
  POINT ToScreen(LPARAM lparam) const;

  TSkinData* FSkinData;
  HWND FTarget;
  Kind FKind;
  HWND FWnd = nullptr;
  int FLength = 0;
  POINT FBarScreenPos{};
  POINT FDragStartCursor{};
  int FGrabThumbStart = 0;
  int FHotPart = kScrollNone;
  int FArrowSize;
  RECT FBarRect{};
  bool FShown = false;
  bool FTracking = false;
};

class TSkinScrollbar : public TSkinControl {
  ZFW_CLASS(TSkinScrollbar)
 public:
  using TSkinControl::TSkinControl;
  ~TSkinScrollbar() override;
  // Control mode starts through AttachScrollbars.
  void Attach(TWinSkinForm* formSkin, TSkinData* skinData, zfw::TControl* control, bool ownColor,
              zfw::TCanvas* canvas) override;
  virtual void AttachScrollbars(zfw::TControl* control, TSkinData* skinData, TWinSkinForm* formSkin,
                                zfw::TCanvas* canvas);
  void Detach() override;
  void SkinChanged() override;
  void Paint(HDC dc, const RECT& rect) override;
  // Single mode: one bar of its own, never a border.
  void SetSingleMode() { FMode = 1; }
  TWScrollbar* HorzBar() const { return FHorzBar.get(); }
  TWScrollbar* VertBar() const { return FVertBar.get(); }

 protected:
  bool BeforeMessage(zfw::TMessage& msg) override;
  void AfterMessage(zfw::TMessage& msg) override;
  void MakeOverlays(HWND target);
  void SyncBars();
  // The shadow-and-face double line around the window, into dc at the origin.
  void DrawBorder(HDC dc);

  std::unique_ptr<TWScrollbar> FHorzBar, FVertBar;
  bool FDrawBorder = false;
};

// The scroll-bar skin of a bare window.
class TSkinScrollbarH : public TSkinScrollbar {
  ZFW_CLASS(TSkinScrollbarH)
 public:
  using TSkinScrollbar::TSkinScrollbar;
  void AttachHandle(HWND wnd, TSkinData* skinData, TWinSkinForm* formSkin, zfw::TCanvas* canvas) override;
};

}  // namespace zembrel
