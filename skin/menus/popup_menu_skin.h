// The popup-menu skin: a popup-menu window ("#32768": context menus, drop-downs of the menu bar,
// the system menu) taken over while it lives, so that its border and background come from the
// skin's MenuBackground element, on screen (WM_NCPAINT) and in the pictures the system takes for
// menu animation (WM_PRINT). The items inside are drawn by the system or by the item painter,
// which takes the popup's rendered background from here (TPopupMenuSkins::Background).
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/graphics.h"
#include "skin/frame/window_thunk.h"
#include "skin/menus/menu_item_painter.h"

namespace zembrel {

class TSkinData;

class TWinSkinPopMenu {
 public:
  TWinSkinPopMenu() = default;
  ~TWinSkinPopMenu();
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  // Takes over the popup window's procedure (the previous one is kept and called on).
  void Start(HWND wnd, TSkinData* skinData);
  // Gives the window procedure back; the popup is drawn by the system again.
  void Stop();
  bool Attached() const { return FOldProc != nullptr; }

  HWND Handle() const { return FWnd; }
  // The menu shown in this window; null until the item painter hands one over.
  HMENU Menu() const { return FMenu; }
  bool HasMenu() const { return FMenuAssigned; }
  void SetMenu(HMENU menu);
  // A drop-down of the skinned menu bar.
  bool MenuBarDropDown() const { return FMenuBarDropDown; }
  void SetMenuBarDropDown(bool on) { FMenuBarDropDown = on; }
  // The window-size rendering of MenuBackground last painted; null before the first paint.
  zfw::TBitmap* Background() { return FBackground.Empty() ? nullptr : &FBackground; }
  // The client area's top-left corner in window coordinates: where the items lie over the
  // background (3 pixels in where the popup has a frame, 0 where it draws its border inside).
  POINT ClientOrigin() const;

  // The window procedure's body; public for tests that send it messages directly.
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT Entry(void* self, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT CallOld(UINT msg, WPARAM wParam, LPARAM lParam);
  bool CanPaint() const;
  bool RenderBackground();
  LRESULT PaintFrame(WPARAM updateRegion);
  LRESULT PaintClient(WPARAM wParam, LPARAM lParam);
  bool HasFrame() const;
  void BlitBorder(HDC dc);
  LRESULT Print(HDC dc, LPARAM flags);

  WNDPROC FOldProc = nullptr;
  WindowThunk FThunk;
  HWND FWnd = nullptr;
  TSkinData* FSkinData = nullptr;
  HMENU FMenu = nullptr;
  bool FMenuAssigned = false;
  zfw::TBitmap FBackground;
  bool FMenuBarDropDown = false;
};

// The popup-menu skins of the process, oldest first: what the skin manager keeps of them and the
// look-ups the item painter needs.
class TPopupMenuSkins {
 public:
  TPopupMenuSkins() = default;
  ~TPopupMenuSkins() { Clear(); }
  TPopupMenuSkins(const TPopupMenuSkins&) = delete;
  TPopupMenuSkins& operator=(const TPopupMenuSkins&) = delete;

  TWinSkinPopMenu* Find(HWND wnd) const;
  TWinSkinPopMenu& Add(std::unique_ptr<TWinSkinPopMenu> skin);
  // Stops and frees the skin of that window; false when there is none.
  bool Remove(HWND wnd);
  // The newest skin that has no menu yet gets this one, unless a skin already shows it.
  void AssignMenuHandle(HMENU menu);
  // The rendered background of the popup showing that menu; no bitmap when none is known.
  MenuBackdrop Backdrop(HMENU menu) const;
  // Every skin is marked as a drop-down of the menu bar.
  void MarkMenuBarDropDowns();
  bool Empty() const { return FSkins.empty(); }
  int Count() const { return static_cast<int>(FSkins.size()); }
  // Stops and frees every skin.
  void Clear();

 private:
  std::vector<std::unique_ptr<TWinSkinPopMenu>> FSkins;
};

}  // namespace zembrel
