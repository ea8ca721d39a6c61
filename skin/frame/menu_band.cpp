#include "skin/frame/menu_band.h"

#include <cwctype>

#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"

namespace zembrel {
namespace {

constexpr int kItemPadding = 6;  // on each side of an item's text
constexpr UINT kItemTextFlags = DT_SINGLELINE | DT_CENTER | DT_VCENTER;

HFONT MenuFont() {
  static zfw::OwnedFont font = [] {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return zfw::OwnedFont(CreateFontIndirectW(&metrics.lfMenuFont));
  }();
  return font.get();
}

COLORREF Resolve(SkinColor colour) { return zfw::ColorToRGB(static_cast<zfw::TColor>(colour)); }

}  // namespace

wchar_t TMenuBandItem::Accelerator() const {
  for (size_t i = 0; i + 1 < FCaption.size(); ++i) {
    if (FCaption[i] != L'&') continue;
    if (FCaption[i + 1] == L'&') {
      ++i;
      continue;
    }
    return static_cast<wchar_t>(std::towupper(FCaption[i + 1]));
  }
  return 0;
}

void TMenuBandItem::Paint() {
  if (!FFormSkin.FMenuBar) return;
  if (HDC dc = GetWindowDC(FFormSkin.Handle())) {
    FFormSkin.FMenuBar->PaintItem(dc, *this);
    ReleaseDC(FFormSkin.Handle(), dc);
  }
}

TMenuBand::TMenuBand(TWinSkinForm& formSkin, HMENU menu) : FFormSkin(formSkin), FMenu(menu) { BuildButtons(); }

void TMenuBand::SetMenu(HMENU menu) {
  FMenu = menu;
  BuildButtons();
}

void TMenuBand::BuildButtons() {
  FFormSkin.ForgetMenuBandObjects();
  FItems.clear();
  const int count = FMenu ? GetMenuItemCount(FMenu) : 0;
  for (int i = 0; i < count; ++i) {
    auto item = std::make_unique<TMenuBandItem>(FFormSkin, i);
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING | MIIM_ID | MIIM_SUBMENU | MIIM_STATE | MIIM_FTYPE;
    info.dwTypeData = text;
    info.cch = 255;
    if (!GetMenuItemInfoW(FMenu, static_cast<UINT>(i), TRUE, &info)) continue;
    item->FCaption = text;
    item->FDropDown = info.hSubMenu;
    item->FCommand = info.wID;
    item->FEnabled = !(info.fState & (MFS_DISABLED | MFS_GRAYED));
    item->FVisible = !(info.fType & MFT_SEPARATOR);
    FItems.push_back(std::move(item));
  }
}

void TMenuBand::PaintBar(HDC dc, const RECT& band) {
  if (band.right <= band.left || band.bottom <= band.top) return;
  TSkinData& data = *FFormSkin.SkinData();
  zfw::OwnedBrush back(CreateSolidBrush(Resolve(data.Colours().Menubar)));
  FillRect(dc, &band, back.get());
  zfw::SelectGuard font(dc, MenuFont());
  int x = band.left + 2;
  for (const auto& item : FItems) {
    RECT measure{0, 0, 0, 0};
    DrawTextW(dc, item->FCaption.c_str(), -1, &measure, DT_SINGLELINE | DT_CALCRECT);
    const int width = item->FVisible ? measure.right + 2 * kItemPadding : 0;
    item->FRect = RECT{x, band.top, x + width, band.bottom};
    x += width;
    if (item->FRect.right > band.right) item->FRect.right = band.right;
    if (item->FVisible && item->FRect.right > item->FRect.left) PaintItem(dc, *item);
  }
}

void TMenuBand::PaintItem(HDC dc, const TMenuBandItem& item) const {
  TSkinData& data = *FFormSkin.SkinData();
  const bool lit = item.State() != kObjectNormal && item.Enabled();
  zfw::OwnedBrush back(CreateSolidBrush(Resolve(lit ? data.Colours().Hilight : data.Colours().Menubar)));
  RECT r = item.Rect();
  FillRect(dc, &r, back.get());
  zfw::SelectGuard font(dc, MenuFont());
  SetBkMode(dc, TRANSPARENT);
  COLORREF text = Resolve(lit ? data.Colours().HilightText : data.Colours().MenuBarText);
  if (!item.Enabled()) text = GetSysColor(COLOR_GRAYTEXT);
  SetTextColor(dc, text);
  DrawTextW(dc, item.Caption().c_str(), -1, &r, kItemTextFlags);
}

TMenuBandItem* TMenuBand::ButtonAt(POINT p) const {
  for (const auto& item : FItems)
    if (item->Visible() && PtInRect(&item->Rect(), p)) return item.get();
  return nullptr;
}

TMenuBandItem* TMenuBand::FindAccelItem(wchar_t key) const {
  const wchar_t upper = static_cast<wchar_t>(std::towupper(key));
  for (const auto& item : FItems)
    if (item->Enabled() && item->Visible() && item->Accelerator() == upper) return item.get();
  return nullptr;
}

bool TMenuBand::Owns(const TNCObject* object) const {
  if (!object) return false;
  for (const auto& item : FItems)
    if (item.get() == object) return true;
  return false;
}

}  // namespace zembrel
