#include "framework/actions.h"

#include <algorithm>

#include "framework/class_builder.h"
#include "framework/controls.h"
#include "framework/menus.h"

namespace zfw {

const TClassInfo& TBasicAction::StaticClass() {
  static const TClassInfo info = ClassBuilder<TBasicAction>("TBasicAction", TComponent::StaticClass())
      .event("OnExecute", &TBasicAction::OnExecute)
      .done();
  return info;
}

TBasicAction::~TBasicAction() {
  for (TComponent* c : std::vector<TComponent*>(clients_)) {
    if (auto* control = dynamic_cast<TControl*>(c)) control->SetAction(nullptr);
    else if (auto* item = dynamic_cast<TMenuItem*>(c)) item->SetAction(nullptr);
  }
}

bool TBasicAction::Execute(TObject*) {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

void TBasicAction::AddClient(TComponent* client) {
  if (std::find(clients_.begin(), clients_.end(), client) == clients_.end()) clients_.push_back(client);
}
void TBasicAction::RemoveClient(TComponent* client) {
  clients_.erase(std::remove(clients_.begin(), clients_.end(), client), clients_.end());
}

void TBasicAction::Changed() {
  if (ComponentState() & csLoading) return;
  for (TComponent* c : std::vector<TComponent*>(clients_)) {
    if (auto* control = dynamic_cast<TControl*>(c)) control->ActionChanged();
    else if (auto* item = dynamic_cast<TMenuItem*>(c)) item->ActionChanged();
  }
}

const TClassInfo& TAction::StaticClass() {
  static const TClassInfo& info = registered<TAction>(ClassBuilder<TAction>("TAction", TBasicAction::StaticClass())
      .creatable()
      .string("Caption", &TAction::Caption, &TAction::SetCaption)
      .boolean("Enabled", &TAction::Enabled, &TAction::SetEnabled)
      .boolean("Visible", &TAction::Visible, &TAction::SetVisible)
      .boolean("Checked", &TAction::Checked, &TAction::SetChecked)
      .integer("ShortCut", &TAction::ShortCut, &TAction::SetShortCut)
      .integer("ImageIndex", &TAction::ImageIndex, &TAction::SetImageIndex)
      .string("Category", &TAction::Category, &TAction::SetCategory)
      .done());
  return info;
}

TAction::~TAction() {
  if (list_) list_->Remove(this);
}

void TAction::SetCaption(const std::string& c) {
  caption_ = c;
  Changed();
}
void TAction::SetEnabled(bool v) {
  enabled_ = v;
  Changed();
}
void TAction::SetVisible(bool v) {
  visible_ = v;
  Changed();
}
void TAction::SetChecked(bool v) {
  checked_ = v;
  Changed();
}

bool TAction::Execute(TObject* client) {
  if (!enabled_) return false;
  return TBasicAction::Execute(client);
}

void TAction::SetParentComponent(TComponent* parent) {
  if (auto* l = dynamic_cast<TActionList*>(parent)) l->Add(this);
}

const TClassInfo& TActionList::StaticClass() {
  static const TClassInfo& info =
      registered<TActionList>(ClassBuilder<TActionList>("TActionList", TComponent::StaticClass()).creatable().done());
  return info;
}

TActionList::~TActionList() {
  for (TAction* a : actions_) a->list_ = nullptr;
}

void TActionList::Add(TAction* a) {
  if (a->list_) a->list_->Remove(a);
  a->list_ = this;
  actions_.push_back(a);
}
void TActionList::Remove(TAction* a) {
  actions_.erase(std::remove(actions_.begin(), actions_.end(), a), actions_.end());
  a->list_ = nullptr;
}

}  // namespace zfw
