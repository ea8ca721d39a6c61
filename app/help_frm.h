// The help window: the help text beside the banner picture. A fresh window for every use,
// shown modally and freed when it closes.
#pragma once

#include "framework/forms.h"

namespace zembrel {

class Tfrm_help final : public zfw::TForm {
  ZFW_CLASS(Tfrm_help)
 public:
  explicit Tfrm_help(zfw::TComponent* owner);

  zfw::TImage* Image1 = nullptr;
  zfw::TLabel* Label1 = nullptr;
  zfw::TMemo* Memo1 = nullptr;

 protected:
  void BindComponents() override;
};

// The open help window, while new_help shows it.
extern Tfrm_help* frm_help;

// new_help: creates the window without an owner, shows it modally, frees it.
void show_help();

}  // namespace zembrel
