#include "app/help_frm.h"

#include <memory>

#include "framework/class_builder.h"

namespace zembrel {

Tfrm_help* frm_help = nullptr;

const zfw::TClassInfo& Tfrm_help::StaticClass() {
  static const zfw::TClassInfo info{"Tfrm_help", &zfw::TForm::StaticClass(), {}, {}};
  return info;
}

Tfrm_help::Tfrm_help(zfw::TComponent* owner) : zfw::TForm(owner, "FRM_HELP") {}

void Tfrm_help::BindComponents() {
  Image1 = Bind<zfw::TImage>("Image1");
  Label1 = Bind<zfw::TLabel>("Label1");
  Memo1 = Bind<zfw::TMemo>("Memo1");
}

void show_help() {
  std::unique_ptr<Tfrm_help> form(zfw::CreateForm<Tfrm_help>(nullptr));
  frm_help = form.get();
  try {
    form->ShowModal();
  } catch (...) {
    frm_help = nullptr;
    throw;
  }
  frm_help = nullptr;
}

}  // namespace zembrel
