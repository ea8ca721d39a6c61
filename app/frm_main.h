// The main window: every control of the job, the commands that fill the lists and start, save
// and end the work. Its controls are the job's fields (JobFields); it is also the window the run
// and the start-up loading report to.
#pragma once

#include <memory>
#include <string>

#include "app/batch_run.h"
#include "app/job_platform.h"
#include "app/job_settings.h"
#include "app/progress_window.h"
#include "app/result_window.h"
#include "app/settings_store.h"
#include "app/win32_job_platform.h"
#include "framework/dialogs.h"
#include "framework/forms.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/skin_caption.h"

namespace zembrel {

// A list control seen as one of the job's lists.
class ListBoxTextList final : public TextList {
 public:
  explicit ListBoxTextList(zfw::TListBox*& box) : box_(box) {}
  int count() const override { return box_->Items().Count(); }
  std::string at(int index) const override { return box_->Items().Get(index); }
  void append(const std::string& text) override { box_->Items().Add(text); }
  void clear() override { box_->Items().Clear(); }
  // Without a repaint per entry: the list is drawn once, when it is full.
  void assign(const std::vector<std::string>& texts) override;

 private:
  zfw::TListBox*& box_;
};

class Tmain_frm final : public zfw::TForm, public JobFields, public JobView, public StartupView {
  ZFW_CLASS(Tmain_frm)
 public:
  // folder: where the settings, the lists, batch.bat and finish\ live (the executable's folder).
  explicit Tmain_frm(zfw::TComponent* owner);
  Tmain_frm(zfw::TComponent* owner, std::string folder);
  ~Tmain_frm() override;

  // JobFields
  std::string rarname() const override { return edt_open->Text(); }
  int rarmethod() const override { return RadioGroup1->ItemIndex(); }
  std::string annname() const override { return edt_ann->Text(); }
  bool passwordcheck() const override { return ck_pass->Checked(); }
  std::string password() const override { return edt_pass->Text(); }
  std::string old_password() const override { return lbledt_old_pass->Text(); }
  bool lockcheck() const override { return ck_lock->Checked(); }
  bool saveexit() const override { return ck_saveexit->Checked(); }
  void set_rarname(const std::string& v) override { edt_open->SetText(v); }
  void set_rarmethod(int v) override { RadioGroup1->SetItemIndex(mode_from_setting(v)); }
  void set_annname(const std::string& v) override { edt_ann->SetText(v); }
  void set_passwordcheck(bool v) override { ck_pass->SetChecked(v); }
  void set_password(const std::string& v) override { edt_pass->SetText(v); }
  void set_old_password(const std::string& v) override { lbledt_old_pass->SetText(v); }
  void set_lockcheck(bool v) override { ck_lock->SetChecked(v); }
  void set_saveexit(bool v) override { ck_saveexit->SetChecked(v); }
  TextList& add_list() override { return add_list_; }
  TextList& del_list() override { return del_list_; }
  TextList& rar_list() override { return rar_list_; }
  TextList& work_list() override { return work_list_; }

  // JobView
  void set_go_enabled(bool enabled) override { btn_go->SetEnabled(enabled); }
  void report_empty_archive_list() override;
  void report_stopped(const std::string& text) override;
  void show_progress(int index, int count, const std::string& archive, const std::string& step) override;
  void end_progress() override { progress_.reset(); }
  bool cancel_requested() override { return progress_ && progress_->cancel_requested(); }
  void report_results(const std::vector<ArchiveResult>& results, const std::string& report_note) override;

  // The windows of the current run, while they are shown.
  ProgressWindow* progress_window() const { return progress_.get(); }
  ResultWindow* result_window() const { return results_ && results_->alive() ? results_.get() : nullptr; }
  const BatchJob& job() const { return job_; }

  // StartupView
  void set_password_edit_visible(bool visible) override { edt_pass->SetVisible(visible); }
  void set_status_date(const std::string& text) override { StatusBar1->Panel(0).SetText(text); }

  const std::string& folder() const { return folder_; }

  // Handlers, as the description names them.
  void add_fileExecute(zfw::TObject* sender);
  void add_delExecute(zfw::TObject* sender);
  void add_clearExecute(zfw::TObject* sender);
  void del_addExecute(zfw::TObject* sender);
  void del_delExecute(zfw::TObject* sender);
  void del_clearExecute(zfw::TObject* sender);
  void show_addExecute(zfw::TObject* sender);
  void show_delExecute(zfw::TObject* sender);
  void show_clearExecute(zfw::TObject* sender);
  void img_rarnameExecute(zfw::TObject* sender);
  void img_annnameExecute(zfw::TObject* sender);
  void passwordclickExecute(zfw::TObject* sender);
  void act_goExecute(zfw::TObject* sender);
  void act_saveExecute(zfw::TObject* sender);
  void new_helpExecute(zfw::TObject* sender);
  void act_exitExecute(zfw::TObject* sender);
  void edt_passClick(zfw::TObject* sender);
  void FormCreate(zfw::TObject* sender);
  void FormDestroy(zfw::TObject* sender);

  zfw::TRadioGroup* RadioGroup1 = nullptr;
  zfw::TGroupBox *GpB_add = nullptr, *GpB_del = nullptr, *GpB_set = nullptr, *GpB_list = nullptr;
  zfw::TListBox *Ltb_add = nullptr, *Ltb_del = nullptr, *Ltb_rar = nullptr, *Ltb_show = nullptr;
  zfw::TBitBtn *btn_add_add = nullptr, *btn_add_del = nullptr, *btn_add_clear = nullptr;
  zfw::TBitBtn *btn_del_add = nullptr, *btn_del_del = nullptr, *btn_del_clear = nullptr;
  zfw::TBitBtn *btn_show_add = nullptr, *btn_show_del = nullptr, *btn_show_clear = nullptr, *btn_go = nullptr;
  zfw::TLabel *lab_edt_del = nullptr, *lab_rar = nullptr, *Label1 = nullptr;
  zfw::TEdit *edt_del = nullptr, *edt_open = nullptr, *edt_ann = nullptr, *edt_pass = nullptr;
  zfw::TImage *Image1 = nullptr, *Image2 = nullptr;
  zfw::TCheckBox *ck_lock = nullptr, *ck_pass = nullptr, *ck_saveexit = nullptr;
  zfw::TLabeledEdit* lbledt_old_pass = nullptr;
  zfw::TStatusBar* StatusBar1 = nullptr;
  zfw::TMainMenu* MainMenu1 = nullptr;
  zfw::TActionList* ActionList1 = nullptr;
  zfw::TOpenDialog *OpenDialog1 = nullptr, *OpenDialog2 = nullptr, *OpenDialog3 = nullptr, *OpenDialog4 = nullptr,
                   *OpenDialog5 = nullptr;
  TSkinData* SkinData1 = nullptr;
  TSkinCaption* SkinCaption1 = nullptr;

 protected:
  void BindComponents() override;

 private:
  void register_methods();
  void append_chosen(zfw::TOpenDialog& dialog, zfw::TListBox& list, bool names_only);
  void watch_script();
  std::string folder_;
  ListBoxTextList add_list_{Ltb_add}, del_list_{Ltb_del}, rar_list_{Ltb_rar}, work_list_{Ltb_show};
  Win32JobPlatform platform_{nullptr, folder_};
  BatchJob job_{*this, platform_, *this};
  zfw::TTimer* script_watch_ = nullptr;  // polls the launched script while the job is busy
  std::unique_ptr<ProgressWindow> progress_;
  std::unique_ptr<ResultWindow> results_;
};

// The program's main window, once created.
extern Tmain_frm* main_frm;

// The confirmation asked on exit when ck_saveexit is ticked.
extern const char kExitSaveQuestion[];

}  // namespace zembrel
