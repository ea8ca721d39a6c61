#include "framework/dialogs.h"

#include <commdlg.h>

#include <algorithm>

#include "framework/class_builder.h"

namespace zfw {

const TClassInfo& TOpenDialog::StaticClass() {
  static const TClassInfo& info = registered<TOpenDialog>(ClassBuilder<TOpenDialog>("TOpenDialog", TComponent::StaticClass())
      .creatable()
      .string("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter)
      .integer("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex)
      .string("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir)
      .string("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName)
      .string("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle)
      .string("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt)
      .set("Options",
           {"ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir", "ofShowHelp", "ofNoValidate",
            "ofAllowMultiSelect", "ofExtensionDifferent", "ofPathMustExist", "ofFileMustExist", "ofCreatePrompt",
            "ofShareAware", "ofNoReadOnlyReturn", "ofNoTestFileCreate", "ofNoNetworkButton", "ofNoLongNames",
            "ofOldStyleDialog", "ofNoDereferenceLinks", "ofEnableIncludeNotify", "ofEnableSizing", "ofDontAddToRecent",
            "ofForceShowHidden"},
           &TOpenDialog::Options, &TOpenDialog::SetOptions)
      .done());
  return info;
}

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner) {}

DWORD TOpenDialog::Flags() const {
  static const DWORD map[] = {OFN_READONLY, OFN_OVERWRITEPROMPT, OFN_HIDEREADONLY, OFN_NOCHANGEDIR, OFN_SHOWHELP,
                              OFN_NOVALIDATE, OFN_ALLOWMULTISELECT, OFN_EXTENSIONDIFFERENT, OFN_PATHMUSTEXIST,
                              OFN_FILEMUSTEXIST, OFN_CREATEPROMPT, OFN_SHAREAWARE, OFN_NOREADONLYRETURN,
                              OFN_NOTESTFILECREATE, OFN_NONETWORKBUTTON, OFN_NOLONGNAMES, 0, OFN_NODEREFERENCELINKS,
                              OFN_ENABLEINCLUDENOTIFY, OFN_ENABLESIZING, OFN_DONTADDTORECENT, OFN_FORCESHOWHIDDEN};
  DWORD flags = (options_ & ofOldStyleDialog) ? 0 : OFN_EXPLORER;
  for (size_t i = 0; i < sizeof map / sizeof map[0]; ++i)
    if (options_ & (1u << i)) flags |= map[i];
  return flags;
}

bool TOpenDialog::Execute() {
  std::vector<char> buffer(64 * 1024, '\0');
  std::copy_n(file_name_.begin(), std::min(file_name_.size(), buffer.size() - 2), buffer.begin());
  std::string filter = filter_;
  std::replace(filter.begin(), filter.end(), '|', '\0');
  filter.append(2, '\0');

  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = GetActiveWindow();
  ofn.hInstance = GetModuleHandleA(nullptr);
  ofn.lpstrFilter = filter_.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(filter_index_);
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrInitialDir = initial_dir_.empty() ? nullptr : initial_dir_.c_str();
  ofn.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
  ofn.lpstrDefExt = default_ext_.empty() ? nullptr : default_ext_.c_str();
  ofn.Flags = Flags();
  if (!GetOpenFileNameA(&ofn)) return false;

  std::vector<std::string> files;
  const char* p = buffer.data();
  const std::string first = p;
  p += first.size() + 1;
  if ((ofn.Flags & OFN_ALLOWMULTISELECT) && *p) {
    const std::string folder = (!first.empty() && first.back() == '\\') ? first : first + "\\";
    while (*p) {
      const std::string name = p;
      files.push_back(folder + name);
      p += name.size() + 1;
    }
  } else {
    files.push_back(first);
  }
  files_.Assign(files);
  file_name_ = files.front();
  filter_index_ = static_cast<int>(ofn.nFilterIndex);
  return true;
}

// ---- message dialogs ----

const TClassInfo& TMessageForm::StaticClass() {
  static const TClassInfo info{"TMessageForm", &TForm::StaticClass(), {}, {}};
  return info;
}

namespace {

struct ButtonInfo {
  TMsgDlgBtn bit;
  const char* name;
  const char* caption;
  int result;
};
constexpr ButtonInfo kButtons[] = {
    {mbYes, "Yes", "&Yes", mrYes},          {mbNo, "No", "&No", mrNo},
    {mbOK, "OK", "OK", mrOk},               {mbCancel, "Cancel", "Cancel", mrCancel},
    {mbAbort, "Abort", "&Abort", mrAbort},  {mbRetry, "Retry", "&Retry", mrRetry},
    {mbIgnore, "Ignore", "&Ignore", mrIgnore}, {mbAll, "All", "&All", 8},
    {mbNoToAll, "NoToAll", "N&o to All", 9}, {mbYesToAll, "YesToAll", "Yes to &All", 10},
    {mbHelp, "Help", "&Help", 0},
};

void message_font(TFont& font) {
  if (TCustomForm* main = Application().MainForm()) {
    font.Assign(main->Font());
    return;
  }
  NONCLIENTMETRICSA ncm{};
  ncm.cbSize = sizeof ncm;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0)) {
    font.SetName(ncm.lfMessageFont.lfFaceName);
    font.SetHeight(ncm.lfMessageFont.lfHeight);
    font.SetCharset(ncm.lfMessageFont.lfCharSet);
  }
}

}  // namespace

std::unique_ptr<TMessageForm> CreateMessageDialog(const std::string& text, TMsgDlgType type, unsigned buttons) {
  auto form = std::make_unique<TMessageForm>(nullptr);
  form->SetBorderStyle(bsDialog);
  form->SetPosition(poScreenCenter);
  message_font(form->Font());
  static const char* const captions[] = {"Warning", "Error", "Information", "Confirm", ""};
  static const LPCSTR icons[] = {IDI_WARNING, IDI_ERROR, IDI_INFORMATION, IDI_QUESTION, nullptr};
  form->SetText(captions[type]);

  // Dialog units of the font.
  WindowDc screen(nullptr);
  SelectGuard sel(screen.get(), form->Font().Handle());
  SIZE abc{};
  GetTextExtentPoint32A(screen.get(), "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &abc);
  TEXTMETRICA tm{};
  GetTextMetricsA(screen.get(), &tm);
  const int du_x = std::max<int>(abc.cx / 52, 1), du_y = std::max<int>(tm.tmHeight, 1);
  const int horz_margin = MulDiv(8, du_x, 4), vert_margin = MulDiv(8, du_y, 8);
  const int horz_spacing = MulDiv(10, du_x, 4), vert_spacing = MulDiv(10, du_y, 8);
  const int button_width = MulDiv(50, du_x, 4), button_height = MulDiv(14, du_y, 8), button_spacing = MulDiv(4, du_x, 4);

  RECT text_rect{0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, 0};
  DrawTextA(screen.get(), text.c_str(), -1, &text_rect, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);

  int icon_w = 0, icon_h = 0;
  if (icons[type]) {
    auto* image = new TImage(form.get());
    image->SetName("Image");
    image->SetParent(form.get());
    auto icon = std::make_unique<TIcon>();
    icon->SetHandle(LoadIconA(nullptr, icons[type]));
    icon_w = icon->Width() ? icon->Width() : 32;
    icon_h = icon->Height() ? icon->Height() : 32;
    image->Picture().SetGraphic(std::move(icon));
    image->SetBounds(horz_margin, vert_margin, icon_w, icon_h);
  }
  const int text_left = horz_margin + (icon_w ? icon_w + horz_spacing : 0);
  auto* message = new TLabel(form.get());
  message->SetName("Message");
  message->SetParent(form.get());
  message->SetWordWrap(true);
  message->SetShowAccelChar(false);
  message->SetText(text);
  message->SetBounds(text_left, vert_margin, text_rect.right, text_rect.bottom);

  std::vector<const ButtonInfo*> chosen;
  for (const ButtonInfo& b : kButtons)
    if (buttons & b.bit) chosen.push_back(&b);
  const int buttons_width = static_cast<int>(chosen.size()) * button_width + std::max<int>(static_cast<int>(chosen.size()) - 1, 0) * button_spacing;
  const int client_w = std::max<int>(text_left + text_rect.right, buttons_width) + horz_margin * 2;
  const int button_top = std::max<int>(icon_h, static_cast<int>(text_rect.bottom)) + vert_margin + vert_spacing;
  form->SetClientWidth(client_w);
  form->SetClientHeight(button_top + button_height + vert_margin);

  const bool has_cancel = (buttons & mbCancel) != 0;
  bool default_set = false;
  int x = (form->ClientWidth() - buttons_width) / 2;
  for (const ButtonInfo* b : chosen) {
    auto* button = new TButton(form.get());
    button->SetName(b->name);
    button->SetParent(form.get());
    button->SetText(b->caption);
    button->SetModalResult(b->result);
    if (!default_set && (b->bit == mbYes || b->bit == mbOK)) {
      button->SetDefault(true);
      default_set = true;
      form->SetActiveControl(button);
    }
    if (b->bit == mbCancel || (!has_cancel && b->bit == mbNo)) button->SetCancel(true);
    button->SetBounds(x, button_top, button_width, button_height);
    x += button_width + button_spacing;
  }
  return form;
}

int MessageDlg(const std::string& text, TMsgDlgType type, unsigned buttons) {
  auto form = CreateMessageDialog(text, type, buttons);
  return form->ShowModal();
}

}  // namespace zfw
