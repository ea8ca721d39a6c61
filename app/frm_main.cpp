// Compiled for GBK: the texts below reach the platform as GBK bytes.
#include "app/frm_main.h"

#include "app/batch_commands.h"
#include "app/batch_run.h"
#include "app/help_frm.h"
#include "app/job_texts.h"
#include "app/win32_job_platform.h"
#include "framework/class_builder.h"
#include "skin/manager/skin_manager.h"

namespace zembrel {

using namespace zfw;

Tmain_frm* main_frm = nullptr;
const char kExitSaveQuestion[] = "退出前是保存当前设置？";

const TClassInfo& Tmain_frm::StaticClass() {
  static const TClassInfo info{"Tmain_frm", &TForm::StaticClass(), {}, {}};
  return info;
}

Tmain_frm::Tmain_frm(TComponent* owner) : Tmain_frm(owner, executable_folder()) {}

Tmain_frm::Tmain_frm(TComponent* owner, std::string folder) : TForm(owner, "MAIN_FRM"), folder_(std::move(folder)) {
  // The one skin manager, there before the skin data of the description loads and asks for it.
  InstallSkinManager();
  // The skin components of the stored description, known by class name before it is read.
  RegisterSkinDataClass();
  (void)TSkinCaption::StaticClass();
  register_methods();
  if (!main_frm) main_frm = this;
}

Tmain_frm::~Tmain_frm() {
  BeforeDestruction();
  if (main_frm == this) main_frm = nullptr;
}

void Tmain_frm::register_methods() {
  auto bind = [this](const char* name, void (Tmain_frm::*method)(TObject*)) {
    RegisterMethod(name, [this, method](TObject* sender) { (this->*method)(sender); });
  };
  bind("add_fileExecute", &Tmain_frm::add_fileExecute);
  bind("add_delExecute", &Tmain_frm::add_delExecute);
  bind("add_clearExecute", &Tmain_frm::add_clearExecute);
  bind("del_addExecute", &Tmain_frm::del_addExecute);
  bind("del_delExecute", &Tmain_frm::del_delExecute);
  bind("del_clearExecute", &Tmain_frm::del_clearExecute);
  bind("show_addExecute", &Tmain_frm::show_addExecute);
  bind("show_delExecute", &Tmain_frm::show_delExecute);
  bind("show_clearExecute", &Tmain_frm::show_clearExecute);
  bind("img_rarnameExecute", &Tmain_frm::img_rarnameExecute);
  bind("img_annnameExecute", &Tmain_frm::img_annnameExecute);
  bind("passwordclickExecute", &Tmain_frm::passwordclickExecute);
  bind("act_goExecute", &Tmain_frm::act_goExecute);
  bind("act_saveExecute", &Tmain_frm::act_saveExecute);
  bind("new_helpExecute", &Tmain_frm::new_helpExecute);
  bind("act_exitExecute", &Tmain_frm::act_exitExecute);
  bind("edt_passClick", &Tmain_frm::edt_passClick);
  bind("FormCreate", &Tmain_frm::FormCreate);
  bind("FormDestroy", &Tmain_frm::FormDestroy);
}

void Tmain_frm::BindComponents() {
  RadioGroup1 = Bind<TRadioGroup>("RadioGroup1");
  GpB_add = Bind<TGroupBox>("GpB_add");
  GpB_del = Bind<TGroupBox>("GpB_del");
  GpB_set = Bind<TGroupBox>("GpB_set");
  GpB_list = Bind<TGroupBox>("GpB_list");
  Ltb_add = Bind<TListBox>("Ltb_add");
  Ltb_del = Bind<TListBox>("Ltb_del");
  Ltb_rar = Bind<TListBox>("Ltb_rar");
  Ltb_show = Bind<TListBox>("Ltb_show");
  btn_add_add = Bind<TBitBtn>("btn_add_add");
  btn_add_del = Bind<TBitBtn>("btn_add_del");
  btn_add_clear = Bind<TBitBtn>("btn_add_clear");
  btn_del_add = Bind<TBitBtn>("btn_del_add");
  btn_del_del = Bind<TBitBtn>("btn_del_del");
  btn_del_clear = Bind<TBitBtn>("btn_del_clear");
  btn_show_add = Bind<TBitBtn>("btn_show_add");
  btn_show_del = Bind<TBitBtn>("btn_show_del");
  btn_show_clear = Bind<TBitBtn>("btn_show_clear");
  btn_go = Bind<TBitBtn>("btn_go");
  lab_edt_del = Bind<TLabel>("lab_edt_del");
  lab_rar = Bind<TLabel>("lab_rar");
  Label1 = Bind<TLabel>("Label1");
  edt_del = Bind<TEdit>("edt_del");
  edt_open = Bind<TEdit>("edt_open");
  edt_ann = Bind<TEdit>("edt_ann");
  edt_pass = Bind<TEdit>("edt_pass");
  Image1 = Bind<TImage>("Image1");
  Image2 = Bind<TImage>("Image2");
  ck_lock = Bind<TCheckBox>("ck_lock");
  ck_pass = Bind<TCheckBox>("ck_pass");
  ck_saveexit = Bind<TCheckBox>("ck_saveexit");
  lbledt_old_pass = Bind<TLabeledEdit>("lbledt_old_pass");
  StatusBar1 = Bind<TStatusBar>("StatusBar1");
  MainMenu1 = Bind<TMainMenu>("MainMenu1");
  ActionList1 = Bind<TActionList>("ActionList1");
  OpenDialog1 = Bind<TOpenDialog>("OpenDialog1");
  OpenDialog2 = Bind<TOpenDialog>("OpenDialog2");
  OpenDialog3 = Bind<TOpenDialog>("OpenDialog3");
  OpenDialog4 = Bind<TOpenDialog>("OpenDialog4");
  OpenDialog5 = Bind<TOpenDialog>("OpenDialog5");
  SkinData1 = Bind<TSkinData>("SkinData1");
  SkinCaption1 = Bind<TSkinCaption>("SkinCaption1");
}

void Tmain_frm::append_chosen(TOpenDialog& dialog, TListBox& list, bool names_only) {
  if (!dialog.Execute()) return;
  for (int i = 0; i < dialog.Files().Count(); ++i) {
    const std::string path = dialog.Files().Get(i);
    list.Items().Add(names_only ? strip_path(path) : path);
  }
}

static void remove_selected(TListBox& list) {
  const int i = list.ItemIndex();
  if (i >= 0 && i < list.Items().Count()) list.Items().Delete(i);
}

void Tmain_frm::add_fileExecute(TObject*) { append_chosen(*OpenDialog1, *Ltb_add, false); }
void Tmain_frm::add_delExecute(TObject*) { remove_selected(*Ltb_add); }
void Tmain_frm::add_clearExecute(TObject*) { Ltb_add->Items().Clear(); }

void Tmain_frm::del_addExecute(TObject*) {
  const std::string typed = edt_del->Text();
  if (!typed.empty()) Ltb_del->Items().Add(typed);
  else append_chosen(*OpenDialog2, *Ltb_del, true);
}
void Tmain_frm::del_delExecute(TObject*) { remove_selected(*Ltb_del); }
void Tmain_frm::del_clearExecute(TObject*) { Ltb_del->Items().Clear(); }

void Tmain_frm::show_addExecute(TObject*) { append_chosen(*OpenDialog3, *Ltb_rar, false); }
void Tmain_frm::show_delExecute(TObject*) { remove_selected(*Ltb_rar); }
void Tmain_frm::show_clearExecute(TObject*) { Ltb_rar->Items().Clear(); }

void Tmain_frm::img_rarnameExecute(TObject*) {
  if (OpenDialog4->Execute()) edt_open->SetText(OpenDialog4->FileName());
}
void Tmain_frm::img_annnameExecute(TObject*) {
  if (OpenDialog5->Execute()) edt_ann->SetText(OpenDialog5->FileName());
}

void Tmain_frm::passwordclickExecute(TObject*) { edt_pass->SetVisible(ck_pass->Checked()); }
void Tmain_frm::edt_passClick(TObject*) { edt_pass->SetText(""); }

void Tmain_frm::act_goExecute(TObject*) {
  try {
    Win32JobPlatform platform(Handle(), folder_);
    act_go(*this, platform, *this);
  } catch (...) {
    btn_go->SetEnabled(true);
  }
}

void Tmain_frm::act_saveExecute(TObject*) {
  bool saved = false;
  try {
    saved = save_settings(folder_, *this);
  } catch (...) {
    saved = false;
  }
  MessageBoxA(Handle(), saved ? texts::kSaveSucceeded : texts::kSaveFailed, texts::kCaption,
              MB_OK | (saved ? MB_ICONINFORMATION : MB_ICONWARNING));
}

void Tmain_frm::new_helpExecute(TObject*) { show_help(); }

void Tmain_frm::act_exitExecute(TObject*) {
  if (ck_saveexit->Checked() && MessageDlg(kExitSaveQuestion, mtConfirmation, mbYes | mbNo) == mrYes) act_saveExecute(this);
  Close();
}

void Tmain_frm::report_empty_archive_list() {
  MessageBoxA(Handle(), texts::kEmptyArchiveList, texts::kCaption, MB_OK | MB_ICONWARNING);
  btn_show_add->SetFocus();
}

void Tmain_frm::report_skipped(const std::vector<SkippedArchive>& skipped) {
  MessageBoxA(Handle(), skipped_report_text(skipped).c_str(), texts::kCaption, MB_OK | MB_ICONWARNING);
}

void Tmain_frm::FormCreate(TObject*) { load_startup_settings(folder_, *this, *this); }

void Tmain_frm::FormDestroy(TObject*) {
  try {
    Win32JobPlatform platform(nullptr, folder_);
    remove_script(platform);
  } catch (...) {
  }
}

}  // namespace zembrel
