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
  script_watch_ = new TTimer(this);
  script_watch_->SetEnabled(false);
  script_watch_->SetInterval(250);
  script_watch_->OnTimer = [this](TObject*) { watch_script(); };
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

void ListBoxTextList::assign(const std::vector<std::string>& texts) {
  if (!box_->HandleAllocated()) return TextList::assign(texts);
  const HWND list = box_->Handle();
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  size_t bytes = 0;
  for (const auto& text : texts) bytes += text.size() + 1;
  SendMessageA(list, LB_INITSTORAGE, texts.size(), static_cast<LPARAM>(bytes));
  // Every message through the window's own procedure chain costs a window-property lookup (a
  // server round trip under Wine); the entries go to the system list procedure directly, and
  // the redraw below passes the whole chain, so whatever watches the list sees it full.
  WNDCLASSEXA system_list{};
  system_list.cbSize = sizeof system_list;
  const bool direct = GetClassInfoExA(nullptr, "LISTBOX", &system_list) != 0;
  for (const auto& text : texts) {
    const LPARAM entry = reinterpret_cast<LPARAM>(text.c_str());
    if (direct) CallWindowProcA(system_list.lpfnWndProc, list, LB_ADDSTRING, 0, entry);
    else SendMessageA(list, LB_ADDSTRING, 0, entry);
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(list, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
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
    platform_.set_owner(Handle());
    job_.go();
    script_watch_->SetEnabled(job_.busy());
  } catch (const std::exception& e) {
    progress_.reset();
    report_stopped(e.what());
    btn_go->SetEnabled(!job_.busy());
  }
}

void Tmain_frm::watch_script() {
  try {
    job_.poll();
  } catch (const std::exception& e) {
    progress_.reset();
    report_stopped(e.what());
  }
  if (!job_.busy()) script_watch_->SetEnabled(false);
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

void Tmain_frm::report_stopped(const std::string& text) {
  MessageBoxA(Handle(), text.c_str(), texts::kCaption, MB_OK | MB_ICONWARNING);
}

void Tmain_frm::show_progress(int index, int count, const std::string& archive, const std::string& step) {
  if (!progress_) progress_ = std::make_unique<ProgressWindow>(Handle());
  progress_->show(index, count, archive, step);
}

void Tmain_frm::report_results(const std::vector<ArchiveResult>& results, const std::string& report_note) {
  results_.reset();
  results_ = std::make_unique<ResultWindow>(Handle(), results, report_note);
}

void Tmain_frm::FormCreate(TObject*) {
  // The stored lists go straight into the list windows, each filled in one go.
  Ltb_add->HandleNeeded();
  Ltb_del->HandleNeeded();
  load_startup_settings(folder_, *this, *this);
}

void Tmain_frm::FormDestroy(TObject*) {
  try {
    job_.remove_script_unless_running();
  } catch (const std::exception& e) {
    OutputDebugStringA(e.what());
  }
}

}  // namespace zembrel
