#include "skin/frame/skin_caption.h"

#include "framework/actions.h"
#include "framework/class_builder.h"
#include "framework/forms.h"
#include "skin/frame/skin_messages.h"
#include "framework/fault_log.h"

namespace zembrel {

const zfw::TClassInfo& TSkinCaption::StaticClass() {
  static const zfw::TClassInfo& info = zfw::registered<TSkinCaption>(
      zfw::ClassBuilder<TSkinCaption>("TSkinCaption", zfw::TComponent::StaticClass())
          .creatable()
          .string("Author", &TSkinCaption::Author, &TSkinCaption::SetAuthor)
          .reference<zfw::TBasicAction>("HelpAction", &TSkinCaption::HelpAction, &TSkinCaption::SetHelpAction)
          .done());
  return info;
}

TSkinCaption::~TSkinCaption() {
  // A form that goes away takes its window procedure chain with it.
  if (form_ && !(form_->ComponentState() & zfw::csDestroying)) form_->WindowProc = std::move(old_proc_);
}

void TSkinCaption::SetHelpAction(zfw::TBasicAction* action) {
  help_action_ = action;
  if (action) FreeNotification(action);
}

void TSkinCaption::Notification(zfw::TComponent* component, zfw::TOperation operation) {
  zfw::TComponent::Notification(component, operation);
  if (operation == zfw::TOperation::Remove && component == help_action_) help_action_ = nullptr;
}

void TSkinCaption::Loaded() {
  zfw::TComponent::Loaded();
  auto* form = dynamic_cast<zfw::TCustomForm*>(Owner());
  if (!form || form_ || (ComponentState() & zfw::csDesigning)) return;
  form_ = form;
  old_proc_ = form->WindowProc;
  form->WindowProc = [this](zfw::TMessage& m) { FormMessage(m); };
}

bool TSkinCaption::ButtonVisible(int visibilityCode, int action) const {
  if (visibilityCode != kHelpButtonVisibility || action != kHelpButtonAction || !form_) return false;
  return !(form_->HandleAllocated() && IsIconic(form_->Handle()));
}

bool TSkinCaption::ButtonClick(int action) {
  if (action != kHelpButtonAction || !help_action_) return false;
  help_action_->Execute(this);
  return true;
}

void TSkinCaption::FormMessage(zfw::TMessage& m) {
  try {
    if (m.Msg == SKM_BUTTONVISIBLE) {
      m.Result = ButtonVisible(static_cast<int>(m.WParam), static_cast<int>(m.LParam)) ? 1 : 0;
      return;
    }
    if (m.Msg == SKM_BUTTONCLICK && ButtonClick(static_cast<int>(m.WParam))) return;
  } catch (...) {
    zfw::LogCaughtException("caption button");
    return;
  }
  if (old_proc_) old_proc_(m);
  else if (form_) form_->WndProc(m);
}

}  // namespace zembrel
