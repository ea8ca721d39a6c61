#include "skin/menus/menu_owner_draw.h"

#include "framework/forms.h"
#include "framework/menus.h"
#include "skin/data/WinSkinData.h"
#include "skin/manager/skin_manager.h"
#include "skin/menus/menu_item_painter.h"
#include "skin/menus/popup_menu_skin.h"
#include "skin/paint/ImgUtil.h"

namespace zembrel {
namespace {

// The popup skins learn which menu they show from the items drawn in them; while a drop-down of
// the menu bar is open, every popup skin counts as one of its drop-downs.
MenuBackdrop popup_background(const MenuPaintContext& context, HMENU menu) {
  if (!context.popups) return MenuBackdrop{};
  if (SkinManager && SkinManager->MenuBarPopup()) context.popups->MarkMenuBarDropDowns();
  if (!menu) return MenuBackdrop{};
  context.popups->AssignMenuHandle(menu);
  return context.popups->Backdrop(menu);
}

void for_each_item(zfw::TMenuItem& item, int depth, const std::function<void(zfw::TMenuItem&, int)>& visit) {
  for (int i = 0; i < item.Count(); ++i) {
    visit(*item.Items(i), depth);
    for_each_item(*item.Items(i), depth + 1, visit);
  }
}

int left_edge(TSkinData& skin) {
  const TDataSkinObject* e = skin.Element("MenuItem");
  return e && !e->Image.Empty() ? e->LeftWidth : 0;
}

void measure_by_text(const MenuWindowContext& window, MEASUREITEMSTRUCT& item) {
  std::wstring text;
  if (window.trackedMenu) {
    const MenuItemLook look = MenuItemLookOfHandle(window.trackedMenu, item.itemID);
    if (!look.IsSeparator()) text = look.shortcut.empty() ? look.caption : look.caption + L"\t" + look.shortcut;
  }
  zfw::WindowDc screen(nullptr);
  zfw::OwnedFont font = CreateMenuFont();
  zfw::SelectGuard select(screen.get(), font.get());
  RECT extent{0, 0, 0, 0};
  if (!text.empty()) DrawTextWide(screen.get(), text, extent, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  item.itemWidth = static_cast<UINT>(extent.right + 26 + left_edge(*window.paint.skin));
  if (!text.empty()) item.itemHeight += 4;
  else item.itemHeight = 8;
  if (!IsNtPlatform()) item.itemHeight += 4;
}

// An item of the form skin's own popup (the replacement system menu), measured and drawn like
// any framework item even where the window has no menu of its own.
zfw::TMenuItem* own_popup_item(const MenuWindowContext& window, UINT id) {
  return window.ownPopup ? window.ownPopup->FindByCommand(id) : nullptr;
}

}  // namespace

MenuDrawEvent DrawMenuItemEvent(const MenuPaintContext& context) {
  return [context](zfw::TMenuItem* item, zfw::TCanvas& canvas, const RECT& rect, bool selected) {
    const MenuBackdrop background = popup_background(context, ParentMenuHandle(*item));
    DrawMenuItem(canvas.Handle(), rect, *context.skin, MenuItemLookOf(*item), selected, background);
  };
}

// The framework hands the event a placeholder size; the item's own measure comes first.
MenuMeasureEvent MeasureMenuItemEvent(const MenuPaintContext& context) {
  return [context](zfw::TMenuItem* item, zfw::TCanvas& canvas, int& width, int& height) {
    const MenuItemLook look = MenuItemLookOf(*item);
    zfw::OwnedFont font = CreateMenuFont();
    zfw::SelectGuard select(canvas.Handle(), font.get());
    MeasureMenuItemText(look, canvas.Handle(), width, height);
    MeasureMenuItem(*context.skin, look, width, height);
  };
}

MenuMeasureEvent MeasureMenuItemFullEvent(const MenuPaintContext& context) {
  return [context](zfw::TMenuItem* item, zfw::TCanvas& canvas, int& width, int& height) {
    zfw::OwnedFont font = CreateMenuFont();
    zfw::SelectGuard select(canvas.Handle(), font.get());
    MeasureMenuItemFull(*context.skin, MenuItemLookOf(*item), canvas.Handle(), width, height);
  };
}

HMENU ParentMenuHandle(zfw::TMenuItem& item) {
  zfw::TMenuItem* parent = item.ParentItem();
  if (!parent) return nullptr;
  if (!parent->ParentItem()) {
    zfw::TMenu* menu = item.GetParentMenu();
    return menu ? menu->Handle() : nullptr;
  }
  return parent->Handle();
}

void SetItemsOwnerDraw(zfw::TMenuItem& item, bool on, const MenuPaintContext& context) {
  auto apply = [&](zfw::TMenuItem& i) {
    if (on) {
      i.OnDrawItem = DrawMenuItemEvent(context);
      i.OnMeasureItem = MeasureMenuItemFullEvent(context);
    } else {
      i.OnDrawItem = nullptr;
    }
  };
  apply(item);
  for_each_item(item, 1, [&](zfw::TMenuItem& i, int) { apply(i); });
}

void SetPopupMenusOwnerDraw(zfw::TComponent& component, bool on, const MenuPaintContext& context) {
  if (component.ClassName() == "TwwRichEditForm" || !context.skin) return;
  for (int c = 0; c < component.ComponentCount(); ++c) {
    zfw::TComponent* owned = component.Components(c);
    if (dynamic_cast<zfw::TCustomForm*>(owned)) {
      SetPopupMenusOwnerDraw(*owned, on, context);
      continue;
    }
    auto* popup = dynamic_cast<zfw::TPopupMenu*>(owned);
    if (!popup || popup->Tag() == context.skin->DisableTag() || !context.skin->Skins(xcPopupMenu)) continue;
    for_each_item(popup->Items(), 1, [&](zfw::TMenuItem& i, int) {
      if (on) {
        i.OnDrawItem = DrawMenuItemEvent(context);
        if (!i.OnMeasureItem) i.OnMeasureItem = MeasureMenuItemEvent(context);
      } else {
        i.OnDrawItem = nullptr;
        i.OnMeasureItem = nullptr;
      }
    });
    popup->SetOwnerDraw(on);
  }
}

void SetMainMenusOwnerDraw(zfw::TComponent& component, bool on, const MenuPaintContext& context) {
  if (!context.skin) return;
  for (int c = 0; c < component.ComponentCount(); ++c) {
    auto* menu = dynamic_cast<zfw::TMainMenu*>(component.Components(c));
    if (!menu) continue;
    for_each_item(menu->Items(), 1, [&](zfw::TMenuItem& i, int depth) {
      if (!on) {
        i.OnDrawItem = nullptr;
        i.OnMeasureItem = nullptr;
      } else if (depth >= 2 && !i.OnDrawItem) {
        i.OnDrawItem = DrawMenuItemEvent(context);
        i.OnMeasureItem = MeasureMenuItemFullEvent(context);
      }
    });
    menu->SetOwnerDraw(on);
  }
}

void MakeMenuOwnerDrawn(HMENU menu) {
  const int count = menu ? GetMenuItemCount(menu) : 0;
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if (info.hSubMenu) MakeMenuOwnerDrawn(info.hSubMenu);
    if (info.fType & MFT_OWNERDRAW) continue;
    info.fMask = MIIM_FTYPE;
    info.fType |= MFT_OWNERDRAW;
    SetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
  }
}

bool MeasureItemMessage(const MenuWindowContext& window, MEASUREITEMSTRUCT& item) {
  if (item.CtlType != ODT_MENU || !window.paint.skin) return false;
  zfw::TMenuItem* found = own_popup_item(window, item.itemID);
  if (!found && !window.hasMenu) return false;
  if (!found && window.form) {
    popup_background(window.paint, nullptr);
    found = window.barMenu ? window.barMenu->FindByCommand(item.itemID) : nullptr;
    if (!found && item.itemID < 4096 && item.itemID != 0) return false;
  }
  if (!found) {
    measure_by_text(window, item);
    return true;
  }
  zfw::WindowDc dc(window.wnd);
  zfw::TCanvas canvas(dc.get());
  int width = static_cast<int>(item.itemWidth), height = static_cast<int>(item.itemHeight);
  MeasureMenuItemFullEvent(window.paint)(found, canvas, width, height);
  item.itemWidth = static_cast<UINT>(width);
  item.itemHeight = static_cast<UINT>(height);
  return true;
}

bool DrawItemMessage(const MenuWindowContext& window, const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_MENU || !window.paint.skin) return false;
  zfw::TMenuItem* found = own_popup_item(window, item.itemID);
  if (!found && (!window.hasMenu || window.mdiFrameOnNT4)) return false;
  HMENU menu = reinterpret_cast<HMENU>(item.hwndItem);
  const MenuBackdrop background = popup_background(window.paint, menu);
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  if (!found && window.form) {
    found = window.barMenu ? window.barMenu->FindByCommand(item.itemID) : nullptr;
    if (!found && item.itemID < 4096 && item.itemID != 0) return false;
  }
  if (found) DrawMenuItem(item.hDC, item.rcItem, *window.paint.skin, MenuItemLookOf(*found), selected, background);
  else
    DrawMenuItemSkinned(item.hDC, item.rcItem, *window.paint.skin, MenuItemLookOfHandle(menu, item.itemID), selected,
                        background);
  return true;
}

}  // namespace zembrel
