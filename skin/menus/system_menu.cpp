#include "skin/menus/system_menu.h"

#include <string>

#include "framework/actions.h"
#include "framework/menus.h"
#include "skin/data/WinSkinData.h"
#include "skin/data/skin_platform.h"

namespace zembrel {
namespace {

struct WindowState {
  bool maximised, minimised, maximiseBox, minimiseBox;
};

WindowState state_of(HWND wnd) {
  const LONG_PTR style = GetWindowLongPtrA(wnd, GWL_STYLE);
  return WindowState{IsZoomed(wnd) != FALSE, IsIconic(wnd) != FALSE, (style & WS_MAXIMIZEBOX) != 0,
                     (style & WS_MINIMIZEBOX) != 0};
}

zfw::TMenuItem& add_item(zfw::TPopupMenu& popup, const std::string& caption, int tag, int image,
                         const MenuPaintContext& paint) {
  auto* item = new zfw::TMenuItem(&popup);
  item->SetCaption(caption);
  item->SetTag(tag);
  item->SetImageIndex(image);
  item->OnDrawItem = DrawMenuItemEvent(paint);
  item->OnMeasureItem = MeasureMenuItemEvent(paint);
  popup.Items().Add(item);
  return *item;
}

void build_fixed(zfw::TPopupMenu& popup, const WindowState& s, const MenuPaintContext& paint,
                 const FixedSysItemClick& click) {
  auto on_click = [click](zfw::TObject* sender) {
    if (click) click(static_cast<zfw::TMenuItem*>(sender)->Tag());
  };
  struct Fixed {
    const char* caption;
    int tag;
    bool shown;
  };
  for (const Fixed f : {Fixed{" Restore ", kSysItemRestore, true}, Fixed{" Maximize ", kSysItemMaximize, s.maximiseBox},
                        Fixed{" Minimize ", kSysItemMinimize, s.minimiseBox}, Fixed{"-", kSysItemLine, true},
                        Fixed{" Close ", kSysItemClose, true}}) {
    if (!f.shown) continue;
    zfw::TMenuItem& item = add_item(popup, f.caption, f.tag, f.tag == kSysItemLine ? -1 : f.tag, paint);
    if (f.tag == kSysItemClose) item.SetShortCut(zfw::scAlt | VK_F4);
    item.OnClick = on_click;
  }
}

// Image and enabled state of an item of the window's system menu, by its command.
void apply_command_rules(zfw::TMenuItem& item, UINT id, UINT state, const WindowState& s) {
  int image = -1;
  bool enabled = (state & MFS_GRAYED) != MFS_GRAYED;
  switch (id) {
    case SC_SIZE:
    case SC_MOVE:
      enabled = !s.maximised;
      break;
    case SC_MINIMIZE:
      image = kSysItemMinimize;
      enabled = !s.minimised && s.minimiseBox;
      break;
    case SC_MAXIMIZE:
      image = kSysItemMaximize;
      enabled = !s.maximised && s.maximiseBox;
      break;
    case SC_CLOSE:
      image = kSysItemClose;
      break;
    case SC_RESTORE:
      image = kSysItemRestore;
      enabled = s.maximised || s.minimised;
      break;
    default:
      break;
  }
  item.SetImageIndex(image);
  item.SetEnabled(enabled);
  item.SetChecked((state & MFS_CHECKED) != 0);
}

void build_from_window(zfw::TPopupMenu& popup, HWND wnd, HMENU systemMenu, const WindowState& s,
                       const MenuPaintContext& paint) {
  const int count = GetMenuItemCount(systemMenu);
  for (int i = 0; i < count; ++i) {
    char text[81] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 80;
    if (!GetMenuItemInfoA(systemMenu, static_cast<UINT>(i), TRUE, &info)) continue;
    zfw::TMenuItem& item = add_item(popup, text[0] ? text : "-", static_cast<int>(info.wID), -1, paint);
    apply_command_rules(item, info.wID, info.fState, s);
    item.OnClick = [wnd](zfw::TObject* sender) { SysCommandItemClick(wnd, *static_cast<zfw::TMenuItem*>(sender)); };
  }
}

}  // namespace

std::unique_ptr<zfw::TPopupMenu> BuildSystemMenu(HWND wnd, HMENU systemMenu, const MenuPaintContext& paint,
                                                 const FixedSysItemClick& fixedItemClick) {
  const WindowState s = state_of(wnd);
  const bool fixed = IsNT4();
  if (!fixed && !systemMenu) return nullptr;
  auto popup = std::make_unique<zfw::TPopupMenu>(nullptr);
  popup->SetTag(kSystemMenuTag);
  if (fixed) build_fixed(*popup, s, paint, fixedItemClick);
  else build_from_window(*popup, wnd, systemMenu, s, paint);
  if (paint.skin) popup->SetImages(&paint.skin->MenuGlyphs());
  popup->SetOwnerDraw(true);
  return popup;
}

bool HasCloseItem(HMENU systemMenu) {
  if (IsNT4() || IsWin9x()) return true;
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE;
  return systemMenu && GetMenuItemInfoA(systemMenu, SC_CLOSE, FALSE, &info);
}

void SysCommandItemClick(HWND wnd, const zfw::TMenuItem& item) {
  PostMessageA(wnd, WM_SYSCOMMAND, static_cast<WPARAM>(item.Tag()), 0);
}

}  // namespace zembrel
