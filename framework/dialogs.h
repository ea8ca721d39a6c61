// The system's open dialog as a component, and message dialogs as framework forms of class
// TMessageForm.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/forms.h"

namespace zfw {

// Bits of TOpenDialog::Options, in this order.
enum TOpenOption : unsigned {
  ofReadOnly = 1u << 0, ofOverwritePrompt = 1u << 1, ofHideReadOnly = 1u << 2, ofNoChangeDir = 1u << 3,
  ofShowHelp = 1u << 4, ofNoValidate = 1u << 5, ofAllowMultiSelect = 1u << 6, ofExtensionDifferent = 1u << 7,
  ofPathMustExist = 1u << 8, ofFileMustExist = 1u << 9, ofCreatePrompt = 1u << 10, ofShareAware = 1u << 11,
  ofNoReadOnlyReturn = 1u << 12, ofNoTestFileCreate = 1u << 13, ofNoNetworkButton = 1u << 14, ofNoLongNames = 1u << 15,
  ofOldStyleDialog = 1u << 16, ofNoDereferenceLinks = 1u << 17, ofEnableIncludeNotify = 1u << 18,
  ofEnableSizing = 1u << 19, ofDontAddToRecent = 1u << 20, ofForceShowHidden = 1u << 21,
};

class TOpenDialog final : public TComponent {
  ZFW_CLASS(TOpenDialog)
 public:
  explicit TOpenDialog(TComponent* owner);
  // "description|pattern|description|pattern"
  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& f) { filter_ = f; }
  int FilterIndex() const { return filter_index_; }
  void SetFilterIndex(int i) { filter_index_ = i; }
  const std::string& InitialDir() const { return initial_dir_; }
  void SetInitialDir(const std::string& d) { initial_dir_ = d; }
  const std::string& FileName() const { return file_name_; }
  void SetFileName(const std::string& f) { file_name_ = f; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& t) { title_ = t; }
  const std::string& DefaultExt() const { return default_ext_; }
  void SetDefaultExt(const std::string& e) { default_ext_ = e; }
  unsigned Options() const { return options_; }
  void SetOptions(unsigned o) { options_ = o; }
  // The chosen files' full paths, in the dialog's order.
  TStrings& Files() { return files_; }
  // The OFN_ flags the options ask for.
  DWORD Flags() const;
  // Shows the dialog, owned by the active window; false when the user cancelled.
  bool Execute();

 private:
  std::string filter_, initial_dir_, file_name_, title_, default_ext_;
  int filter_index_ = 1;
  unsigned options_ = ofHideReadOnly | ofEnableSizing;
  TStringList files_;
};

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : unsigned {
  mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8, mbAbort = 16, mbRetry = 32, mbIgnore = 64, mbAll = 128,
  mbNoToAll = 256, mbYesToAll = 512, mbHelp = 1024,
};

class TMessageForm final : public TForm {
  ZFW_CLASS(TMessageForm)
 public:
  explicit TMessageForm(TComponent* owner) : TForm(owner) {}
};

// Builds (not shows) a message dialog: icon, text and one button per bit of buttons, laid out
// in the font's dialog units. The first of Yes/OK is the default button; Cancel, or else No,
// answers Escape.
std::unique_ptr<TMessageForm> CreateMessageDialog(const std::string& text, TMsgDlgType type, unsigned buttons);
// Shows it modally and returns the modal result of the chosen button (mrYes, mrNo, ...).
int MessageDlg(const std::string& text, TMsgDlgType type, unsigned buttons);

}  // namespace zfw
