// Actions: one command shared by the buttons, menu items and check boxes that name it. Using a
// client runs Execute, which runs OnExecute with the action as sender; Enabled, Visible and
// Caption changes reach every client.
#pragma once

#include <vector>

#include "framework/classes.h"

namespace zfw {

class TControl;
class TMenuItem;

class TBasicAction : public TComponent {
  ZFW_CLASS(TBasicAction)
 public:
  explicit TBasicAction(TComponent* owner) : TComponent(owner) {}
  ~TBasicAction() override;
  TNotifyEvent OnExecute;
  // Runs OnExecute; false when there is none or the action is disabled.
  virtual bool Execute(TObject* client = nullptr);
  void AddClient(TComponent* client);
  void RemoveClient(TComponent* client);
  const std::vector<TComponent*>& Clients() const { return clients_; }

 protected:
  void Changed();

 private:
  std::vector<TComponent*> clients_;
};

class TActionList;

class TAction : public TBasicAction {
  ZFW_CLASS(TAction)
 public:
  explicit TAction(TComponent* owner) : TBasicAction(owner) {}
  ~TAction() override;
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& c);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  int ShortCut() const { return shortcut_; }
  void SetShortCut(int s) { shortcut_ = s; }
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int i) { image_index_ = i; }
  const std::string& Category() const { return category_; }
  void SetCategory(const std::string& c) { category_ = c; }
  bool Execute(TObject* client = nullptr) override;
  TActionList* ActionList() const { return list_; }
  void SetParentComponent(TComponent* parent) override;

 private:
  friend class TActionList;
  std::string caption_, category_;
  bool enabled_ = true, visible_ = true, checked_ = false;
  int shortcut_ = 0, image_index_ = -1;
  TActionList* list_ = nullptr;
};

class TActionList : public TComponent {
  ZFW_CLASS(TActionList)
 public:
  explicit TActionList(TComponent* owner) : TComponent(owner) {}
  ~TActionList() override;
  int ActionCount() const { return static_cast<int>(actions_.size()); }
  TAction* Actions(int i) const { return actions_.at(static_cast<size_t>(i)); }
  void Add(TAction* a);
  void Remove(TAction* a);

 private:
  std::vector<TAction*> actions_;
};

// Key and modifier bits of a shortcut value.
inline constexpr int scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;

}  // namespace zfw
