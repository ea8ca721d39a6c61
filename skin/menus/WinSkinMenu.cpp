#include "skin/menus/WinSkinMenu.h"

#include <cwctype>

#include "framework/classes.h"
#include "framework/forms.h"
#include "framework/handles.h"
#include "framework/menus.h"
#include "skin/data/WinSkinData.h"
#include "skin/data/skin_platform.h"
#include "skin/frame/WinSkinForm.h"
#include "skin/menus/menu_item_painter.h"
#include "skin/paint/ImgUtil.h"
#include "skin/paint/skin_paint.h"

namespace zembrel {
namespace {

constexpr UINT kCaptionFlags = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
constexpr int kMenuBarFrames = 2;


// The skin's menu-bar element (section Personality, key menuBar); null when the skin has none.
TDataSkinObject* menu_bar_element(TSkinData& skin) {
  TDataSkinObject* e = skin.Element("Personality");
  return e && !e->Image.Empty() ? e : nullptr;
}

// Windows 95 and NT 4 build the bar from the framework menu alone.
bool old_system() {
  const SkinPlatform& p = CurrentSkinPlatform();
  return IsNT4() || (!p.nt && p.major == 4 && p.minor == 0);
}

}  // namespace

// ---- the button ----

wchar_t TMenuBtn::Accelerator() const {
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

void TMenuBtn::Paint() {
  const HWND wnd = FFormSkin.Handle();
  zfw::WindowDc dc(wnd, zfw::DcArea::WholeWindow);
  if (dc.get()) FBar.PaintItem(dc.get(), *this);
}

// ---- the bar ----

TWinSkinMenu::TWinSkinMenu(TWinSkinForm& formSkin, HMENU menu)
    : FFormSkin(formSkin), FSkinData(formSkin.SkinData()), FMenuHandle(menu) {
  BuildButtons();
}

TWinSkinMenu::~TWinSkinMenu() = default;

void TWinSkinMenu::SetMenu(HMENU menu) {
  FMenuHandle = menu;
  BuildButtons();
}

TMenuBtn* TWinSkinMenu::Button(int index) const {
  return index >= 0 && index < Count() ? FButtons[static_cast<size_t>(index)].get() : nullptr;
}

bool TWinSkinMenu::Owns(const TNCObject* object) const {
  if (!object) return false;
  for (const auto& b : FButtons)
    if (b.get() == object) return true;
  return false;
}

bool TWinSkinMenu::RightToLeft() const {
  const LONG_PTR exstyle = GetWindowLongPtrA(FFormSkin.Handle(), GWL_EXSTYLE);
  return (exstyle & WS_EX_LEFTSCROLLBAR) != 0;
}

void TWinSkinMenu::ClearButtons() {
  FButtons.clear();
  FCount = 0;
}

// Button of menu position i: the menu's own text and state, then, for a framework form, the
// framework item's caption and state. frameworkCaptionOnly: the framework item is asked only
// when the menu gives no text, and the button is not tied to it.
void TWinSkinMenu::ReadButton(int position, bool frameworkCaptionOnly) {
  auto button = std::make_unique<TMenuBtn>(FFormSkin, *this, position);
  char text[81] = {};
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE;
  info.dwTypeData = text;
  info.cch = 80;
  if (GetMenuItemInfoA(FMenuHandle, static_cast<UINT>(position), TRUE, &info)) {
    button->FSubMenu = info.hSubMenu;
    button->FEnabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
    button->FCommand = info.wID;
    if (!(info.fType & (MFT_OWNERDRAW | MFT_BITMAP | MFT_SEPARATOR))) button->FCaption = AnsiToWide(text);
  }
  button->FVisible = true;
  zfw::TMenuItem* item = FFrameworkMenu ? FFrameworkMenu->FindByCommand(button->FCommand) : nullptr;
  if (item && (!frameworkCaptionOnly || button->FCaption.empty())) {
    button->FCaption = AnsiToWide(zfw::GetStrProp(*item, "Caption"));
    button->FEnabled = item->Enabled();
    button->FSubMenu = item->Count() > 0 ? item->Handle() : nullptr;
    if (!frameworkCaptionOnly) button->FItem = item;
  }
  FButtons.push_back(std::move(button));
}

void TWinSkinMenu::BuildButtons() {
  const HWND wnd = FFormSkin.Handle();
  zfw::TCustomForm* form = FFormSkin.Form();
  FFrameworkMenu = form ? form->Menu() : nullptr;
  if (old_system() && FFrameworkMenu) {
    ClearButtons();
    zfw::TMenuItem& root = FFrameworkMenu->Items();
    for (int i = 0; i < root.Count(); ++i) {
      zfw::TMenuItem* item = root.Items(i);
      auto button = std::make_unique<TMenuBtn>(FFormSkin, *this, i);
      button->FVisible = item->Visible();
      button->FEnabled = item->Enabled();
      button->FCommand = item->Command();
      button->FCaption = AnsiToWide(zfw::GetStrProp(*item, "Caption"));
      button->FItem = item;
      button->FSubMenu = item->Count() > 0 ? item->Handle() : nullptr;
      FButtons.push_back(std::move(button));
    }
    FCount = root.Count();
  } else {
    if (HMENU own = GetMenu(wnd)) FMenuHandle = own;
    if (!FMenuHandle || (form && !FFrameworkMenu)) return;
    ClearButtons();
    const int count = GetMenuItemCount(FMenuHandle);
    if (count <= 0) return;
    for (int i = 0; i < count; ++i) ReadButton(i, false);
    FCount = count;
  }
  if (GetMenu(wnd)) ::SetMenu(wnd, nullptr);
}

void TWinSkinMenu::RebuildButtons() {
  const HWND wnd = FFormSkin.Handle();
  zfw::TCustomForm* form = FFormSkin.Form();
  FFrameworkMenu = form ? form->Menu() : nullptr;
  if (HMENU own = GetMenu(wnd)) FMenuHandle = own;
  if (FMenuHandle && !(form && !FFrameworkMenu)) {
    ClearButtons();
    const int count = GetMenuItemCount(FMenuHandle);
    for (int i = 0; i < count; ++i) ReadButton(i, true);
    FCount = count > 0 ? count : 0;
    if (GetMenu(wnd)) ::SetMenu(wnd, nullptr);
  }
  LayoutButtons();
}

int TWinSkinMenu::StartOffset(int barWidth) const {
  int offset = 6;
  if (const TDataSkinObject* e = FSkinData ? menu_bar_element(*FSkinData) : nullptr)
    offset = RightToLeft() ? e->RightWidth + 8 : e->LeftWidth + 4;
  return barWidth < offset ? 12 : offset;
}

int TWinSkinMenu::ButtonWidth(const TMenuBtn& button) const {
  if (button.FCaption.empty()) return 0;
  zfw::WindowDc screen(nullptr);
  zfw::OwnedFont font = CreateMenuFont();
  zfw::SelectGuard select(screen.get(), font.get());
  RECT r{0, 0, 0, 0};
  DrawTextWide(screen.get(), button.FCaption, r, DT_SINGLELINE | DT_CALCRECT);
  return width_of(r) > 0 ? width_of(r) + 10 : 0;
}

void TWinSkinMenu::LayoutButtons() {
  const HWND wnd = FFormSkin.Handle();
  RECT window{};
  GetWindowRect(wnd, &window);
  const RECT bar{FFormSkin.BorderLeft(), FFormSkin.BorderTop(), width_of(window) - FFormSkin.BorderRight(),
                 FFormSkin.BorderTop() + FFormSkin.MenuHeight()};
  if (width_of(bar) <= 0 || height_of(bar) <= 0) return;
  const bool rtl = RightToLeft();
  int x = rtl ? width_of(bar) - StartOffset(width_of(bar)) : StartOffset(width_of(bar));
  for (const auto& b : FButtons) {
    if (!b->FVisible) {
      b->FRect = RECT{};
      continue;
    }
    const int w = ButtonWidth(*b);
    if (rtl) {
      b->FRect = RECT{bar.left + x - w, bar.top, bar.left + x, bar.bottom - 1};
      x -= w;
    } else {
      b->FRect = RECT{bar.left + x, bar.top, bar.left + x + w, bar.bottom - 1};
      x += w;
    }
  }
}

// The bar's ground into r of dc (r at the origin): the menu-bar element, frame 1 for an active
// window and 2 for an inactive one, or the Menubar colour.
void TWinSkinMenu::PaintBackground(HDC dc, const RECT& r) const {
  TDataSkinObject* e = menu_bar_element(*FSkinData);
  if (!e) {
    zfw::OwnedBrush brush(CreateSolidBrush(zfw::ColorToRGB(FSkinData->Colours().Menubar)));
    FillRect(dc, &r, brush.get());
    return;
  }
  const int frame = FFormSkin.Active() ? 1 : 2;
  const Margins margins{e->LeftWidth, e->TopHeight, e->RightWidth, e->BottomHeight};
  if (e->Tile == 1) {
    PaintElement(dc, r, e->Image, false, false, e->Trans != 0, kMenuBarFrames, frame, margins);
  } else {
    zfw::TCanvas canvas(dc);
    DrawThreePartTiled(canvas, r, e->Image, false, e->Trans != 0, kMenuBarFrames, frame, margins);
  }
}

void TWinSkinMenu::DrawCaption(HDC dc, const TMenuBtn& button, const RECT& r) const {
  const COLORREF colour =
      button.FEnabled ? zfw::ColorToRGB(FSkinData->Colours().MenuBarText) : GetSysColor(COLOR_BTNSHADOW);
  const COLORREF old = SetTextColor(dc, colour);
  const int mode = SetBkMode(dc, TRANSPARENT);
  RECT box = r;
  DrawTextWide(dc, button.FCaption, box, kCaptionFlags);
  SetBkMode(dc, mode);
  SetTextColor(dc, old);
}

void TWinSkinMenu::PaintBar(HDC dc, const RECT& band) {
  const int w = width_of(band), h = height_of(band);
  if (w <= 0 || h <= 0 || !FSkinData) return;
  zfw::TBitmap work;
  try {
    work.SetSize(w, h);
  } catch (const zfw::EGraphicError&) {
    return;
  }
  HDC wdc = work.Canvas().Handle();
  SetStretchBltMode(wdc, COLORONCOLOR);
  const RECT r{0, 0, w, h};
  PaintBackground(wdc, r);
  FBarRect = band;
  FBackground.Assign(work);
  zfw::OwnedFont font = CreateMenuFont();
  zfw::SelectGuard select(wdc, font.get());
  FPainting = true;
  const bool rtl = RightToLeft();
  int x = rtl ? w - StartOffset(w) : StartOffset(w);
  for (const auto& b : FButtons) {
    if (!b->FVisible) {
      b->FRect = RECT{};
      continue;
    }
    const int bw = ButtonWidth(*b);
    RECT item = rtl ? RECT{x - bw, 0, x, h - 1} : RECT{x, 0, x + bw, h - 1};
    x += rtl ? -bw : bw;
    DrawCaption(wdc, *b, item);
    OffsetRect(&item, band.left, band.top);
    b->FRect = item;
  }
  FPainting = false;
  BitBlt(dc, band.left, band.top, w, h, wdc, 0, 0, SRCCOPY);
}

void TWinSkinMenu::PaintItem(HDC dc, const TMenuBtn& button) {
  if (FBackground.Empty() || !FSkinData) return;
  const RECT& r = button.FRect;
  const int w = width_of(r), h = height_of(FBarRect);
  if (w <= 0 || h <= 0) return;
  zfw::TBitmap work(w, h);
  HDC wdc = work.Canvas().Handle();
  BitBlt(wdc, 0, 0, w, h, FBackground.Canvas().Handle(), r.left - FBarRect.left, 0, SRCCOPY);
  const RECT box{0, r.top - FBarRect.top, w, r.bottom - FBarRect.top};
  if (button.FState == kObjectPressed || button.FState == kObjectHot) {
    zfw::OwnedBrush frame(CreateSolidBrush(zfw::ColorToRGB(FSkinData->Colours().ButtonHilight)));
    FrameRect(wdc, &box, frame.get());
  }
  zfw::OwnedFont font = CreateMenuFont();
  zfw::SelectGuard select(wdc, font.get());
  DrawCaption(wdc, button, box);
  BitBlt(dc, r.left, FBarRect.top, w, h, wdc, 0, 0, SRCCOPY);
}

TMenuBtn* TWinSkinMenu::ButtonAt(POINT p) const {
  for (const auto& b : FButtons)
    if (!b->FCaption.empty() && PtInRect(&b->FRect, p)) return b.get();
  return nullptr;
}

TMenuBtn* TWinSkinMenu::FindAccelItem(wchar_t key) const {
  const wchar_t upper = static_cast<wchar_t>(std::towupper(key));
  for (const auto& b : FButtons)
    if (b->FEnabled && b->FVisible && b->Accelerator() == upper) return b.get();
  return nullptr;
}

}  // namespace zembrel
