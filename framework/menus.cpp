#include "framework/menus.h"

#include <algorithm>

#include "framework/actions.h"
#include "framework/class_builder.h"
#include "framework/forms.h"

namespace zfw {

namespace {
UINT next_command() {
  static UINT command = 0x100;
  if (++command > 0xEFFF) command = 0x101;
  return command;
}
}  // namespace

const TClassInfo& TMenuItem::StaticClass() {
  static const TClassInfo& info = registered<TMenuItem>(ClassBuilder<TMenuItem>("TMenuItem", TComponent::StaticClass())
      .creatable()
      .string("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
      .boolean("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
      .boolean("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible)
      .boolean("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
      .integer("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut)
      .integer("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex)
      .reference<TBasicAction>("Action", &TMenuItem::Action, &TMenuItem::SetAction)
      .event("OnClick", &TMenuItem::OnClick)
      .done());
  return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(next_command()) {}

TMenuItem::~TMenuItem() {
  if (action_) action_->RemoveClient(this);
  for (TMenuItem* i : items_) i->parent_ = nullptr;
  if (parent_) parent_->Remove(this);
}

void TMenuItem::changed() {
  if (ComponentState() & csLoading) return;
  if (TMenu* m = GetParentMenu()) m->Rebuild();
}

void TMenuItem::SetCaption(const std::string& c) {
  caption_ = c;
  changed();
}
void TMenuItem::SetEnabled(bool v) {
  enabled_ = v;
  changed();
}
void TMenuItem::SetVisible(bool v) {
  visible_ = v;
  changed();
}
void TMenuItem::SetChecked(bool v) {
  checked_ = v;
  changed();
}
void TMenuItem::SetShortCut(int s) {
  shortcut_ = s;
  changed();
}
void TMenuItem::SetImageIndex(int i) {
  image_index_ = i;
  changed();
}

void TMenuItem::SetAction(TBasicAction* a) {
  if (a == action_) return;
  if (action_) action_->RemoveClient(this);
  action_ = a;
  if (action_) {
    action_->AddClient(this);
    ActionChanged();
  }
}

void TMenuItem::ActionChanged() {
  if (auto* a = dynamic_cast<TAction*>(action_)) {
    if (!a->Caption().empty()) caption_ = a->Caption();
    enabled_ = a->Enabled();
    visible_ = a->Visible();
    checked_ = a->Checked();
    if (a->ShortCut()) shortcut_ = a->ShortCut();
    changed();
  }
}

void TMenuItem::Click() {
  if (!enabled_) return;
  if (action_) action_->Execute(this);
  else if (OnClick) OnClick(this);
}

void TMenuItem::Add(TMenuItem* item) {
  if (item->parent_) item->parent_->Remove(item);
  item->parent_ = this;
  items_.push_back(item);
  changed();
}
void TMenuItem::Remove(TMenuItem* item) {
  items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
  item->parent_ = nullptr;
  changed();
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* i = this;
  while (i->parent_) i = i->parent_;
  return i->root_of_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
  else if (auto* menu = dynamic_cast<TMenu*>(parent)) menu->Items().Add(this);
}

HMENU TMenuItem::Handle() {
  if (!popup_) popup_.reset(CreatePopupMenu());
  return popup_.get();
}

TMenuItem* TMenuItem::FindByCommand(UINT command) {
  if (command_ == command && parent_) return this;
  for (TMenuItem* i : items_)
    if (TMenuItem* found = i->FindByCommand(command)) return found;
  return nullptr;
}

void TMenuItem::build(HMENU menu, bool owner_draw) {
  while (GetMenuItemCount(menu) > 0) RemoveMenu(menu, 0, MF_BYPOSITION);
  for (TMenuItem* item : items_) {
    if (!item->visible_) continue;
    MENUITEMINFOA mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_DATA;
    mi.wID = item->command_;
    mi.dwItemData = reinterpret_cast<ULONG_PTR>(item);
    std::string text = item->caption_;
    if (item->shortcut_) text += "\t" + ShortCutToText(item->shortcut_);
    if (item->IsLine()) {
      mi.fType = MFT_SEPARATOR;
    } else {
      mi.fType = owner_draw ? MFT_OWNERDRAW : MFT_STRING;
      mi.fMask |= MIIM_STRING;
      mi.dwTypeData = text.data();
    }
    mi.fState = (item->enabled_ ? MFS_ENABLED : MFS_GRAYED) | (item->checked_ ? MFS_CHECKED : 0);
    if (!item->items_.empty()) {
      mi.fMask |= MIIM_SUBMENU;
      mi.hSubMenu = item->Handle();
      item->build(mi.hSubMenu, owner_draw);
    }
    InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &mi);
  }
}

const TClassInfo& TMenu::StaticClass() {
  static const TClassInfo info = ClassBuilder<TMenu>("TMenu", TComponent::StaticClass())
      .sub_object("Items", &TMenu::ItemsObject)
      .reference<TImageList>("Images", &TMenu::Images, &TMenu::SetImages)
      .boolean("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw)
      .done();
  return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this)) { items_->root_of_ = this; }

TMenu::~TMenu() { items_->root_of_ = nullptr; }

void TMenu::SetImages(TImageList* images) {
  images_ = images;
  if (images) FreeNotification(images);
}
void TMenu::SetOwnerDraw(bool v) {
  owner_draw_ = v;
  if (!(ComponentState() & csLoading)) Rebuild();
}

void TMenu::Notification(TComponent* c, TOperation op) {
  TComponent::Notification(c, op);
  if (op == TOperation::Remove && c == images_) images_ = nullptr;
}

HMENU TMenu::Handle() {
  if (!handle_) {
    handle_.reset(create_handle());
    items_->build(handle_.get(), owner_draw_);
  }
  return handle_.get();
}

void TMenu::Rebuild() {
  if (ComponentState() & (csLoading | csDestroying)) return;
  if (handle_) items_->build(handle_.get(), owner_draw_);
  MenuChanged();
}

void TMenu::MenuChanged() {}

void TMenu::Loaded() {
  TComponent::Loaded();
  Rebuild();
}

bool TMenu::DispatchCommand(UINT command) {
  TMenuItem* item = FindByCommand(command);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::IsShortCut(int shortcut) {
  std::function<TMenuItem*(TMenuItem&)> find = [&](TMenuItem& parent) -> TMenuItem* {
    for (TMenuItem* i : parent.items_) {
      if (i->shortcut_ == shortcut && i->enabled_ && i->visible_) return i;
      if (TMenuItem* f = find(*i)) return f;
    }
    return nullptr;
  };
  TMenuItem* item = find(*items_);
  if (!item) return false;
  item->Click();
  return true;
}

const TClassInfo& TMainMenu::StaticClass() {
  static const TClassInfo& info =
      registered<TMainMenu>(ClassBuilder<TMainMenu>("TMainMenu", TMenu::StaticClass()).creatable().done());
  return info;
}

HMENU TMainMenu::ReleaseToWindow() {
  Handle();
  return handle_.get();
}

void TMainMenu::MenuChanged() {
  if (form_) form_->MenuChanged();
}

const TClassInfo& TPopupMenu::StaticClass() {
  static const TClassInfo& info =
      registered<TPopupMenu>(ClassBuilder<TPopupMenu>("TPopupMenu", TMenu::StaticClass()).creatable().done());
  return info;
}

void TPopupMenu::Popup(HWND owner, int x, int y) {
  const UINT command = static_cast<UINT>(TrackPopupMenu(Handle(), TPM_RETURNCMD | TPM_LEFTALIGN, x, y, 0, owner, nullptr));
  if (command) DispatchCommand(command);
}

std::string ShortCutToText(int shortcut) {
  std::string text;
  if (shortcut & scCtrl) text += "Ctrl+";
  if (shortcut & scShift) text += "Shift+";
  if (shortcut & scAlt) text += "Alt+";
  const int key = shortcut & 0xFF;
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) text += static_cast<char>(key);
  else if (key >= VK_F1 && key <= VK_F12) text += "F" + std::to_string(key - VK_F1 + 1);
  else if (key == VK_DELETE) text += "Del";
  else if (key == VK_RETURN) text += "Enter";
  else text += "#" + std::to_string(key);
  return text;
}

}  // namespace zfw
