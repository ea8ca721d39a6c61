// Menus: a tree of items over a menu handle. A main menu sits in its form's menu bar; items
// with sub-items get pop-up menus. Using an item runs its action, or else OnClick.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "framework/classes.h"
#include "framework/graphics.h"
#include "framework/handles.h"

namespace zfw {

class TBasicAction;
class TMenu;
class TImageList;
class TCustomForm;

class TMenuItem : public TComponent {
  ZFW_CLASS(TMenuItem)
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& c);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  int ShortCut() const { return shortcut_; }
  void SetShortCut(int s);
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int i);
  TBasicAction* Action() const { return action_; }
  void SetAction(TBasicAction* a);
  void ActionChanged();
  TNotifyEvent OnClick;
  virtual void Click();

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int i) const { return items_.at(static_cast<size_t>(i)); }
  void Add(TMenuItem* item);
  void Remove(TMenuItem* item);
  TMenuItem* ParentItem() const { return parent_; }
  TMenu* GetParentMenu() const;
  bool IsLine() const { return caption_ == "-"; }
  UINT Command() const { return command_; }
  // The pop-up menu of an item with sub-items.
  HMENU Handle();
  TMenuItem* FindByCommand(UINT command);
  void SetParentComponent(TComponent* parent) override;

  // Owner-drawn items (the menu's OwnerDraw): measure and paint through these, when set.
  std::function<void(TMenuItem*, TCanvas&, const RECT&, bool selected)> OnDrawItem;
  std::function<void(TMenuItem*, TCanvas&, int& width, int& height)> OnMeasureItem;

 private:
  friend class TMenu;
  void changed();
  void build(HMENU menu, bool owner_draw);
  std::string caption_;
  bool enabled_ = true, visible_ = true, checked_ = false;
  int shortcut_ = 0, image_index_ = -1;
  UINT command_;
  TBasicAction* action_ = nullptr;
  TMenuItem* parent_ = nullptr;
  TMenu* root_of_ = nullptr;  // set on a menu's root item
  std::vector<TMenuItem*> items_;
  OwnedMenu popup_;
};

class TMenu : public TComponent {
  ZFW_CLASS(TMenu)
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;
  TMenuItem& Items() { return *items_; }
  TMenuItem* ItemsObject() { return items_; }
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  bool OwnerDraw() const { return owner_draw_; }
  void SetOwnerDraw(bool v);
  HMENU Handle();
  // Makes the menu handle's items again from the item tree.
  void Rebuild();
  TMenuItem* FindByCommand(UINT command) { return items_->FindByCommand(command); }
  // Runs the item of a WM_COMMAND; false if none has this command.
  bool DispatchCommand(UINT command);
  bool IsShortCut(int shortcut);
  void SetParentComponent(TComponent*) override {}
  void Notification(TComponent* c, TOperation op) override;
  void Loaded() override;

 protected:
  virtual HMENU create_handle() { return CreatePopupMenu(); }
  virtual void MenuChanged();
  OwnedMenu handle_;

 private:
  friend class TMenuItem;
  TMenuItem* items_;  // owned by this component
  TImageList* images_ = nullptr;
  bool owner_draw_ = false;
};

class TMainMenu final : public TMenu {
  ZFW_CLASS(TMainMenu)
 public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
  // The form whose menu bar shows this menu.
  void SetWindowForm(TCustomForm* form) { form_ = form; }
  TCustomForm* WindowForm() const { return form_; }
  // Hands the handle to its form; the menu no longer destroys it.
  HMENU ReleaseToWindow();

 protected:
  HMENU create_handle() override { return CreateMenu(); }
  void MenuChanged() override;

 private:
  TCustomForm* form_ = nullptr;
};

class TPopupMenu final : public TMenu {
  ZFW_CLASS(TPopupMenu)
 public:
  explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}
  // Shows the menu at a screen point, owned by wnd; runs the chosen item.
  void Popup(HWND owner, int x, int y);
};

std::string ShortCutToText(int shortcut);

}  // namespace zfw
