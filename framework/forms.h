// Forms (top-level windows read from stored descriptions), the screen's list of forms, the
// application object with its message loop, and timers.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/controls.h"
#include "framework/actions.h"
#include "framework/menus.h"
#include "framework/stdctrls.h"

namespace zfw {

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };

class TCustomForm : public TCustomControl {
  ZFW_CLASS(TCustomForm)
 public:
  // resource: the RCDATA resource holding the form's description, read by AfterConstruction.
  explicit TCustomForm(TComponent* owner, std::string resource = {});
  ~TCustomForm() override;

  // Reads the description, binds the components, then runs OnCreate. Creating a form through
  // TApplication::CreateForm or CreateForm<T> calls it.
  void AfterConstruction();
  // Runs OnDestroy once. A derived form whose handlers use its own members calls this first
  // in its destructor; the base destructor calls it otherwise.
  void BeforeDestruction();

  TFormBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TFormBorderStyle b) { border_style_ = b; RecreateWnd(); }
  unsigned BorderIcons() const { return border_icons_; }
  void SetBorderIcons(unsigned b) { border_icons_ = b; RecreateWnd(); }
  TPosition Position() const { return position_; }
  void SetPosition(TPosition p) { position_ = p; }
  TFormStyle FormStyle() const { return form_style_; }
  void SetFormStyle(TFormStyle s) { form_style_ = s; }
  TWindowState WindowState() const;
  void SetWindowState(TWindowState s);
  bool AutoScroll() const { return auto_scroll_; }
  void SetAutoScroll(bool v) { auto_scroll_ = v; }
  bool KeyPreview() const { return key_preview_; }
  void SetKeyPreview(bool v) { key_preview_ = v; }
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  // Client size: before the window exists, the size the description asks for.
  RECT ClientRect() const override;
  void SetClientWidth(int w) override;
  void SetClientHeight(int h) override;

  int ModalResult() const { return modal_result_; }
  void SetModalResult(int r) { modal_result_ = r; }
  bool Modal() const { return modal_; }
  // Shows the form and runs messages until ModalResult is set; the other forms of the thread
  // take no input meanwhile.
  int ShowModal();
  void Show();
  // Closing: a modal form ends its loop with mrCancel, the main form ends the application,
  // others hide.
  void Close();
  // Frees the form once the message that called this has returned.
  void Release();

  TWinControl* ActiveControl() const { return active_control_; }
  void SetActiveControl(TWinControl* c);
  void SelectNext(TWinControl* current, bool forward);
  void SelectFirst();
  void FocusChanged(TWinControl* now);
  void ControlDestroyed(TControl* c);
  void MenuChanged();
  // Finds a component of the form by name and class; throws if there is none.
  template <class T>
  T* Bind(const std::string& name) {
    T* c = dynamic_cast<T*>(FindComponent(name));
    if (!c) throw EFrameworkError(ClassName() + " has no " + T::StaticClass().name + " named " + name);
    return c;
  }

  TNotifyEvent OnCreate, OnDestroy, OnShow, OnClose;

  void WndProc(TMessage& m) override;
  void Loaded() override;
  void Notification(TComponent* c, TOperation op) override;

 protected:
  // Called after the description was read, before OnCreate: look up the components.
  virtual void BindComponents() {}
  void CreateParams(TCreateParams& p) override;
  void CreateWnd() override;
  void SaveWindowState() override;
  void VisibleChanged() override;
  void Paint() override;
  std::string resource_;

 private:
  TFormBorderStyle border_style_ = bsSizeable;
  unsigned border_icons_ = biSystemMenu | biMinimize | biMaximize;
  TPosition position_ = poDesigned;
  TFormStyle form_style_ = fsNormal;
  TWindowState window_state_ = wsNormal;
  bool auto_scroll_ = false, key_preview_ = false, modal_ = false, created_ = false, destroy_notified_ = false;
  int client_w_ = -1, client_h_ = -1;
  int modal_result_ = 0;
  TMainMenu* menu_ = nullptr;
  TWinControl* active_control_ = nullptr;
};

class TForm : public TCustomForm {
  ZFW_CLASS(TForm)
 public:
  explicit TForm(TComponent* owner, std::string resource = {}) : TCustomForm(owner, std::move(resource)) {}
};

// A form made in code (no description) and created in one go.
template <class T, class... A>
T* CreateForm(A&&... args) {
  T* form = new T(std::forward<A>(args)...);
  try {
    form->AfterConstruction();
  } catch (...) {
    delete form;
    throw;
  }
  return form;
}

class TScreen {
 public:
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int i) const { return forms_.at(static_cast<size_t>(i)); }
  TCustomForm* ActiveForm() const;
  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }

 private:
  friend class TCustomForm;
  friend class TApplication;
  std::vector<TCustomForm*> forms_;
};
TScreen& Screen();

class TApplication final : public TComponent {
  ZFW_CLASS(TApplication)
 public:
  TApplication() : TComponent(nullptr) {}
  void Initialize();
  // Creates a form owned by the application; the first one becomes the main form.
  template <class T>
  T* CreateForm() {
    T* form = new T(this);
    try {
      form->AfterConstruction();
    } catch (...) {
      delete form;
      throw;
    }
    if (!main_form_) main_form_ = form;
    return form;
  }
  TCustomForm* MainForm() const { return main_form_; }
  void SetMainForm(TCustomForm* f) { main_form_ = f; }
  // Shows the main form and runs messages until the application ends; then frees the forms.
  void Run();
  // Handles one message, waiting for it; false once WM_QUIT arrived.
  bool HandleMessage();
  // Handles the messages waiting now, without waiting for more.
  void ProcessMessages();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // The framework's handling of a message before it is dispatched (keys, dialog keys,
  // shortcuts); true when it was used up.
  bool PreTranslate(MSG& msg);
  int MessageBox(const std::string& text, const std::string& caption, UINT flags);

 private:
  bool process(MSG& msg);
  TCustomForm* main_form_ = nullptr;
  bool terminated_ = false;
};
TApplication& Application();

class TTimer final : public TComponent {
  ZFW_CLASS(TTimer)
 public:
  explicit TTimer(TComponent* owner) : TComponent(owner) {}
  ~TTimer() override;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  int Interval() const { return interval_; }
  void SetInterval(int ms);
  TNotifyEvent OnTimer;
  void Loaded() override;

 private:
  void update();
  static void CALLBACK tick(HWND, UINT, UINT_PTR id, DWORD);
  bool enabled_ = true;
  int interval_ = 1000;
  UINT_PTR id_ = 0;
};

// Registers the framework's creatable classes with the description reader.
void RegisterStandardClasses();

}  // namespace zfw
