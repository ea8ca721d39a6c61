// TSkinCaption: the caption-button component a form may carry beside its skin data. While the
// form's window is skinned, it adds a help button to the caption bar beside the system buttons:
// a title button of the skin with an action of the application's own, which the form skin shows
// when the window answers SKM_BUTTONVISIBLE and reports by SKM_BUTTONCLICK. The button is shown
// while the window is not minimised; a click runs the help action. Without a skin there is no
// button: nobody asks.
#pragma once

#include <string>

#include "framework/classes.h"
#include "framework/controls.h"

namespace zfw {
class TBasicAction;
class TCustomForm;
}  // namespace zfw

namespace zembrel {

// The help button's title button in the skin: its action, and the visibility code by which the
// form skin asks the window whether to show it.
inline constexpr int kHelpButtonAction = 50;
inline constexpr int kHelpButtonVisibility = 1001;

class TSkinCaption final : public zfw::TComponent {
  ZFW_CLASS(TSkinCaption)
 public:
  explicit TSkinCaption(zfw::TComponent* owner) : zfw::TComponent(owner) {}
  ~TSkinCaption() override;
  const std::string& Author() const { return author_; }
  void SetAuthor(const std::string& author) { author_ = author; }
  // What the help button runs.
  zfw::TBasicAction* HelpAction() const { return help_action_; }
  void SetHelpAction(zfw::TBasicAction* action);

  // Takes the owner form's messages first, for the two caption-button questions.
  void Loaded() override;
  void Notification(zfw::TComponent* component, zfw::TOperation operation) override;

  // The answers to SKM_BUTTONVISIBLE (code, action) and SKM_BUTTONCLICK (action).
  bool ButtonVisible(int visibilityCode, int action) const;
  bool ButtonClick(int action);

 private:
  void FormMessage(zfw::TMessage& m);
  std::string author_;
  zfw::TBasicAction* help_action_ = nullptr;
  zfw::TCustomForm* form_ = nullptr;
  zfw::TWndMethod old_proc_;
};

}  // namespace zembrel
