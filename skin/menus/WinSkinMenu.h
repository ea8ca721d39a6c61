// TWinSkinMenu: the skinned menu bar. A skinned window with a menu loses the system's menu bar;
// the form skin reserves a band under the title, and this object paints that band from the
// skin's menu-bar element (active and inactive look) and holds one TMenuBtn per top-level menu
// item. The buttons are non-client objects of the form skin, in window coordinates, so its
// hit-testing, hot-tracking and clicks work on them as on caption buttons.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/graphics.h"
#include "skin/frame/nc_objects.h"

namespace zfw {
class TMainMenu;
class TMenuItem;
}  // namespace zfw

namespace zembrel {

class TSkinData;
class TWinSkinMenu;

class TMenuBtn final : public TNCObject {
 public:
  TMenuBtn(TWinSkinForm& formSkin, TWinSkinMenu& bar, int index) : TNCObject(formSkin), FBar(bar), FIndex(index) {}
  // Repaints the button on the window in its state: the bar's background under it, a frame in
  // the ButtonHilight colour when hot or pressed, the caption.
  void Paint() override;
  int Index() const { return FIndex; }
  HMENU DropDown() const { return FSubMenu; }
  UINT Command() const { return FCommand; }
  const std::wstring& Caption() const { return FCaption; }
  zfw::TMenuItem* Item() const { return FItem; }
  // The upper-case letter after the caption's single "&"; 0 when none.
  wchar_t Accelerator() const;

 private:
  friend class TWinSkinMenu;
  TWinSkinMenu& FBar;
  zfw::TMenuItem* FItem = nullptr;
  int FIndex;
  std::wstring FCaption;
  HMENU FSubMenu = nullptr;
  UINT FCommand = 0;
};

class TWinSkinMenu {
 public:
  // The bar of the form skin's window, from menu (the window's menu, which the form skin takes
  // off the window).
  TWinSkinMenu(TWinSkinForm& formSkin, HMENU menu);
  ~TWinSkinMenu();
  TWinSkinMenu(const TWinSkinMenu&) = delete;
  TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

  HMENU Menu() const { return FMenuHandle; }
  // SetMenu, BuildButtons and RebuildButtons free the old buttons: the form skin drops its
  // pointers to them (hot and pressed object) first.
  // A new menu for the window (the menu changed): its buttons are built again.
  void SetMenu(HMENU menu);
  // The buttons from the window's menu, with captions and states from the framework menu when
  // the window is a framework form.
  void BuildButtons();
  // As BuildButtons, then laid out without painting.
  void RebuildButtons();
  // Button rectangles (window coordinates) from the form skin's frame sizes.
  void LayoutButtons();
  // Paints the bar into band of dc (both in window coordinates) and lays the buttons out.
  void PaintBar(HDC dc, const RECT& band);
  // Paints one button into dc (window coordinates) in its state, over the last bar background.
  void PaintItem(HDC dc, const TMenuBtn& button);

  // The first button holding p (window coordinates) that has a caption.
  TMenuBtn* ButtonAt(POINT p) const;
  // The first enabled, visible button whose caption has key as its accelerator.
  TMenuBtn* FindAccelItem(wchar_t key) const;
  TMenuBtn* FirstItem() const { return FButtons.empty() ? nullptr : FButtons.front().get(); }
  TMenuBtn* Button(int index) const;
  int Count() const { return static_cast<int>(FButtons.size()); }
  bool Owns(const TNCObject* object) const;
  bool RightToLeft() const;
  zfw::TMainMenu* FrameworkMenu() const { return FFrameworkMenu; }
  const RECT& BarRect() const { return FBarRect; }

 private:
  friend class TMenuBtn;
  void ClearButtons();
  void ReadButton(int position, bool frameworkCaptionOnly);
  int StartOffset(int barWidth) const;
  int ButtonWidth(const TMenuBtn& button) const;
  void DrawCaption(HDC dc, const TMenuBtn& button, const RECT& r) const;
  void PaintBackground(HDC dc, const RECT& r) const;

  TWinSkinForm& FFormSkin;
  std::vector<std::unique_ptr<TMenuBtn>> FButtons;
  zfw::TMainMenu* FFrameworkMenu = nullptr;
  RECT FBarRect{};
  TSkinData* FSkinData = nullptr;
  zfw::TBitmap FBackground;  // the bar as last painted, without texts
  int FCount = 0;
  bool FPainting = false;
  HMENU FMenuHandle = nullptr;
};

}  // namespace zembrel
