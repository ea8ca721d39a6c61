// The menu band: until the skinned menu bar exists, the window's own menu is shown in the band
// the frame reserves below the title bar, in the system's menu colours and font, and opened from
// there with the mouse and from the keyboard (Alt, F10, Alt+letter). Its items are non-client
// objects of the form skin, window coordinates like the caption buttons.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/frame/nc_objects.h"

namespace zembrel {

class TMenuBandItem final : public TNCObject {
 public:
  TMenuBandItem(TWinSkinForm& formSkin, int index) : TNCObject(formSkin), FIndex(index) {}
  void Paint() override;
  int Index() const { return FIndex; }
  HMENU DropDown() const { return FDropDown; }
  UINT Command() const { return FCommand; }
  const std::wstring& Caption() const { return FCaption; }
  wchar_t Accelerator() const;

 private:
  friend class TMenuBand;
  int FIndex;
  HMENU FDropDown = nullptr;
  UINT FCommand = 0;
  std::wstring FCaption;
};

class TMenuBand {
 public:
  TMenuBand(TWinSkinForm& formSkin, HMENU menu);
  HMENU Menu() const { return FMenu; }
  // Takes a new menu handle and reads its items again.
  void SetMenu(HMENU menu);
  void BuildButtons();
  // Lays the items out in band (window coordinates) and paints the band into dc.
  void PaintBar(HDC dc, const RECT& band);
  // Paints one item into dc in the look of its state.
  void PaintItem(HDC dc, const TMenuBandItem& item) const;
  TMenuBandItem* ButtonAt(POINT p) const;
  // The first enabled item whose caption has key as accelerator; null when none.
  TMenuBandItem* FindAccelItem(wchar_t key) const;
  TMenuBandItem* FirstItem() const { return FItems.empty() ? nullptr : FItems.front().get(); }
  bool Owns(const TNCObject* object) const;

 private:
  TWinSkinForm& FFormSkin;
  HMENU FMenu;
  std::vector<std::unique_ptr<TMenuBandItem>> FItems;
};

}  // namespace zembrel
