#include "framework/forms.h"

#include <commctrl.h>

#include <algorithm>
#include <map>

#include "framework/actions.h"
#include "framework/class_builder.h"
#include "framework/description.h"
#include "framework/dialogs.h"
#include "framework/fault_log.h"

namespace zfw {

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

TApplication& Application() {
  static TApplication app;
  return app;
}

TCustomForm* TScreen::ActiveForm() const {
  for (TCustomForm* f : forms_)
    if (f->HandleAllocated() && f->Handle() == GetActiveWindow()) return f;
  return nullptr;
}

// ---- forms ----

const TClassInfo& TCustomForm::StaticClass() {
  static const TClassInfo info = ClassBuilder<TCustomForm>("TCustomForm", TCustomControl::StaticClass())
      .enumeration("BorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"},
                   &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle)
      .set("BorderIcons", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}, &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons)
      .enumeration("Position", {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                                "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"},
                   &TCustomForm::Position, &TCustomForm::SetPosition)
      .enumeration("FormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"}, &TCustomForm::FormStyle, &TCustomForm::SetFormStyle)
      .enumeration("WindowState", {"wsNormal", "wsMinimized", "wsMaximized"}, &TCustomForm::WindowState, &TCustomForm::SetWindowState)
      .boolean("AutoScroll", &TCustomForm::AutoScroll, &TCustomForm::SetAutoScroll)
      .boolean("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview)
      .reference<TMainMenu>("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu)
      .reference<TWinControl>("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl)
      .event("OnCreate", &TCustomForm::OnCreate)
      .event("OnDestroy", &TCustomForm::OnDestroy)
      .event("OnShow", &TCustomForm::OnShow)
      .event("OnClose", &TCustomForm::OnClose)
      .done();
  return info;
}

const TClassInfo& TForm::StaticClass() {
  static const TClassInfo info{"TForm", &TCustomForm::StaticClass(), {}, {}};
  return info;
}

TCustomForm::TCustomForm(TComponent* owner, std::string resource) : TCustomControl(owner), resource_(std::move(resource)) {
  Screen().forms_.push_back(this);
  visible_ = false;
  parent_color_ = false;
  parent_font_ = false;
  style_ = csAcceptsControls;
  SetBounds(0, 0, 320, 240);
}

TCustomForm::~TCustomForm() {
  BeforeDestruction();
  auto& forms = Screen().forms_;
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
  if (Application().MainForm() == this) Application().SetMainForm(nullptr);
  active_control_ = nullptr;
  if (HandleAllocated()) ::SetMenu(Handle(), nullptr);
  DestroyComponents();
}

void TCustomForm::BeforeDestruction() {
  if (std::exchange(destroy_notified_, true)) return;
  SetComponentState(csDestroying, true);
  if (OnDestroy && created_) {
    try {
      OnDestroy(this);
    } catch (...) {
      LogCaughtException("form destruction handler");
    }
  }
}

void TCustomForm::AfterConstruction() {
  if (!resource_.empty()) {
    const std::string text = ResourceText(resource_.c_str());
    if (text.empty()) throw EFrameworkError("no stored description " + resource_);
    ReadDescription(*this, text);
  }
  BindComponents();
  created_ = true;
  if (OnCreate) OnCreate(this);
}

void TCustomForm::Loaded() {
  TCustomControl::Loaded();
  if (menu_) menu_->SetWindowForm(this);
}

void TCustomForm::Notification(TComponent* c, TOperation op) {
  TCustomControl::Notification(c, op);
  if (op != TOperation::Remove) return;
  if (c == menu_) {
    menu_ = nullptr;
    if (HandleAllocated()) ::SetMenu(Handle(), nullptr);
  }
  if (c == active_control_) active_control_ = nullptr;
}

void TCustomForm::ControlDestroyed(TControl* c) {
  if (c == active_control_) active_control_ = nullptr;
}

TWindowState TCustomForm::WindowState() const {
  if (!HandleAllocated()) return window_state_;
  HWND h = const_cast<TCustomForm*>(this)->Handle();
  return IsIconic(h) ? wsMinimized : IsZoomed(h) ? wsMaximized : wsNormal;
}

void TCustomForm::SetWindowState(TWindowState s) {
  window_state_ = s;
  if (HandleAllocated() && visible_) ShowWindow(Handle(), s == wsMinimized ? SW_MINIMIZE : s == wsMaximized ? SW_MAXIMIZE : SW_RESTORE);
}

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (menu_ == menu) return;
  if (menu_) menu_->SetWindowForm(nullptr);
  menu_ = menu;
  if (menu_) {
    FreeNotification(menu_);
    menu_->SetWindowForm(this);
  }
  if (HandleAllocated()) {
    ::SetMenu(Handle(), menu_ ? menu_->Handle() : nullptr);
    MenuChanged();
  }
}

void TCustomForm::MenuChanged() {
  if (!HandleAllocated()) return;
  if (menu_ && GetMenu(Handle()) != menu_->Handle()) ::SetMenu(Handle(), menu_->Handle());
  DrawMenuBar(Handle());
  Perform(CM_MENUCHANGED);
}

RECT TCustomForm::ClientRect() const {
  if (HandleAllocated()) return TCustomControl::ClientRect();
  if (client_w_ >= 0 && client_h_ >= 0) return RECT{0, 0, client_w_, client_h_};
  TCreateParams p;
  const_cast<TCustomForm*>(this)->CreateParams(p);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, p.style, menu_ != nullptr, p.ex_style);
  return RECT{0, 0, std::max<int>(width_ - (frame.right - frame.left), 0), std::max<int>(height_ - (frame.bottom - frame.top), 0)};
}

void TCustomForm::SetClientWidth(int w) {
  if (HandleAllocated()) {
    SetWidth(width_ + w - ClientWidth());
    return;
  }
  if (client_h_ < 0) client_h_ = ClientRect().bottom;
  client_w_ = w;
}

void TCustomForm::SetClientHeight(int h) {
  if (HandleAllocated()) {
    SetHeight(height_ + h - ClientHeight());
    return;
  }
  if (client_w_ < 0) client_w_ = ClientRect().right;
  client_h_ = h;
}

void TCustomForm::CreateParams(TCreateParams& p) {
  p.caption = text_;
  p.style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  const bool sys = (border_icons_ & biSystemMenu) != 0;
  switch (border_style_) {
    case bsNone: p.style |= WS_POPUP; break;
    case bsSingle:
    case bsToolWindow:
      p.style |= WS_CAPTION | (sys ? WS_SYSMENU : 0) | ((border_icons_ & biMinimize) ? WS_MINIMIZEBOX : 0) |
                 ((border_icons_ & biMaximize) ? WS_MAXIMIZEBOX : 0);
      break;
    case bsSizeable:
    case bsSizeToolWin:
      p.style |= WS_CAPTION | WS_THICKFRAME | (sys ? WS_SYSMENU : 0) | ((border_icons_ & biMinimize) ? WS_MINIMIZEBOX : 0) |
                 ((border_icons_ & biMaximize) ? WS_MAXIMIZEBOX : 0);
      break;
    case bsDialog:
      p.style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME | (sys ? WS_SYSMENU : 0);
      p.ex_style |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
  }
  if (border_style_ == bsToolWindow || border_style_ == bsSizeToolWin) p.ex_style |= WS_EX_TOOLWINDOW;
  if (form_style_ == fsStayOnTop) p.ex_style |= WS_EX_TOPMOST;
  if (!enabled_) p.style |= WS_DISABLED;
  p.x = left_;
  p.y = top_;
  p.width = width_;
  p.height = height_;
  p.parent = nullptr;
  p.menu = menu_ ? menu_->Handle() : nullptr;
}

void TCustomForm::CreateWnd() {
  TCreateParams p;
  CreateParams(p);
  if (client_w_ >= 0 && client_h_ >= 0) {
    RECT r{0, 0, client_w_, client_h_};
    AdjustWindowRectEx(&r, p.style, p.menu != nullptr, p.ex_style);
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
  }
  if (position_ == poScreenCenter || position_ == poDesktopCenter || position_ == poMainFormCenter || position_ == poOwnerFormCenter) {
    left_ = (GetSystemMetrics(SM_CXSCREEN) - width_) / 2;
    top_ = (GetSystemMetrics(SM_CYSCREEN) - height_) / 2;
  }
  TCustomControl::CreateWnd();
  // The menu bar may take another height than the metrics said: make the client size exact.
  if (client_w_ >= 0 && client_h_ >= 0) {
    RECT c;
    GetClientRect(Handle(), &c);
    const int dw = client_w_ - c.right, dh = client_h_ - c.bottom;
    if (dw || dh) {
      SetWindowPos(Handle(), nullptr, 0, 0, width_ + dw, height_ + dh, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      if (position_ >= poScreenCenter)
        SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width_) / 2, (GetSystemMetrics(SM_CYSCREEN) - height_) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  client_w_ = client_h_ = -1;
}

void TCustomForm::SaveWindowState() {
  const RECT c = ClientRect();
  ::SetMenu(Handle(), nullptr);  // the menu belongs to its component, not to the window
  client_w_ = c.right;
  client_h_ = c.bottom;
}

void TCustomForm::VisibleChanged() {
  if (visible_) {
    HWND h = Handle();
    ShowWindow(h, window_state_ == wsMaximized ? SW_SHOWMAXIMIZED : window_state_ == wsMinimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
    SetForegroundWindow(h);
    if (!active_control_) SelectFirst();
    else if (active_control_->CanFocus()) ::SetFocus(active_control_->Handle());
    if (OnShow) OnShow(this);
  } else if (HandleAllocated()) {
    ShowWindow(Handle(), SW_HIDE);
  }
}

void TCustomForm::Show() {
  if (visible_ && HandleAllocated()) {
    SetForegroundWindow(Handle());
    return;
  }
  SetVisible(true);
}

void TCustomForm::Close() {
  if (OnClose) OnClose(this);
  if (modal_) modal_result_ = mrCancel;
  else if (this == Application().MainForm()) Application().Terminate();
  else Hide();
}

void TCustomForm::Release() { PostThreadMessageA(GetCurrentThreadId(), CM_RELEASE, 0, reinterpret_cast<LPARAM>(this)); }

namespace {
struct ModalWindows {
  HWND self;
  std::vector<HWND> disabled;
};
BOOL CALLBACK disable_window(HWND wnd, LPARAM lp) {
  auto* m = reinterpret_cast<ModalWindows*>(lp);
  if (wnd != m->self && IsWindowVisible(wnd) && IsWindowEnabled(wnd)) {
    EnableWindow(wnd, FALSE);
    m->disabled.push_back(wnd);
  }
  return TRUE;
}
}  // namespace

int TCustomForm::ShowModal() {
  if (visible_ || modal_) throw EFrameworkError("cannot make a visible window modal");
  HWND previous = GetActiveWindow();
  modal_ = true;
  modal_result_ = mrNone;
  HWND self = Handle();
  if (previous && previous != self) SetWindowLongPtrA(self, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(previous));
  ModalWindows windows{self, {}};
  EnumThreadWindows(GetCurrentThreadId(), disable_window, reinterpret_cast<LPARAM>(&windows));
  try {
    Show();
    while (modal_result_ == mrNone) {
      if (!Application().HandleMessage()) {
        modal_result_ = mrCancel;
        break;
      }
    }
  } catch (...) {
    for (HWND w : windows.disabled) EnableWindow(w, TRUE);
    modal_ = false;
    throw;
  }
  for (HWND w : windows.disabled) EnableWindow(w, TRUE);
  if (previous && IsWindow(previous)) SetActiveWindow(previous);
  Hide();
  modal_ = false;
  return modal_result_;
}

void TCustomForm::SetActiveControl(TWinControl* c) {
  if (!c) {
    active_control_ = nullptr;
    return;
  }
  if (ComponentState() & csLoading) {
    active_control_ = c;
    return;
  }
  if (!c->CanFocus()) return;
  if (HandleAllocated() && visible_) {
    ::SetFocus(c->Handle());
    // WM_SETFOCUS has told the form already, unless the control had the focus before.
    if (GetFocus() == c->Handle() && active_control_ != c) FocusChanged(c);
  } else {
    active_control_ = c;
  }
}

void TCustomForm::FocusChanged(TWinControl* now) {
  TWinControl* old = active_control_;
  active_control_ = now;
  if (old != now) {
    if (old) old->Perform(CM_EXIT);
    if (now) now->Perform(CM_ENTER);
  }
  TMessage m{CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(now), 0};
  Broadcast(m);
}

void TCustomForm::SelectNext(TWinControl* current, bool forward) {
  std::vector<TWinControl*> list;
  for (TWinControl* w : TabOrderList(true))
    if (w->TabStop() && w->CanFocus()) list.push_back(w);
  if (list.empty()) return;
  auto it = std::find(list.begin(), list.end(), current);
  size_t next;
  if (it == list.end()) next = forward ? 0 : list.size() - 1;
  else if (forward) next = (static_cast<size_t>(it - list.begin()) + 1) % list.size();
  else next = (static_cast<size_t>(it - list.begin()) + list.size() - 1) % list.size();
  SetActiveControl(list[next]);
}

void TCustomForm::SelectFirst() { SelectNext(nullptr, true); }

void TCustomForm::Paint() {
  canvas_.Brush().SetColor(color_);
  canvas_.FillRect(ClientRect());
}

void TCustomForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case WM_COMMAND:
      if (m.LParam == 0 && HIWORD(m.WParam) == 0 && menu_ && menu_->DispatchCommand(LOWORD(m.WParam))) return;
      break;
    case WM_DRAWITEM: {
      const DRAWITEMSTRUCT* d = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
      if (d && d->CtlType == ODT_MENU) {
        auto* item = reinterpret_cast<TMenuItem*>(d->itemData);
        if (item && item->OnDrawItem) {
          TCanvas canvas(d->hDC);
          item->OnDrawItem(item, canvas, d->rcItem, (d->itemState & ODS_SELECTED) != 0);
        }
        m.Result = TRUE;
        return;
      }
      break;
    }
    case WM_MEASUREITEM: {
      MEASUREITEMSTRUCT* mi = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
      if (mi && mi->CtlType == ODT_MENU) {
        auto* item = reinterpret_cast<TMenuItem*>(mi->itemData);
        int w = 80, h = GetSystemMetrics(SM_CYMENU);
        if (item && item->OnMeasureItem) {
          WindowDc screen(nullptr);
          TCanvas canvas(screen.get());
          item->OnMeasureItem(item, canvas, w, h);
        }
        mi->itemWidth = static_cast<UINT>(w);
        mi->itemHeight = static_cast<UINT>(h);
        m.Result = TRUE;
        return;
      }
      break;
    }
    case WM_ACTIVATE:
      DefaultHandler(m);
      if (LOWORD(m.WParam) != WA_INACTIVE && !HIWORD(m.WParam)) {
        if (active_control_ && active_control_->CanFocus()) ::SetFocus(active_control_->Handle());
        else SelectFirst();
      }
      return;
    case WM_SETFOCUS:
      DefaultHandler(m);
      if (active_control_ && active_control_->CanFocus()) ::SetFocus(active_control_->Handle());
      return;
    case WM_DESTROY:
      ::SetMenu(Handle(), nullptr);
      break;
    case CM_DIALOGKEY:
      if (m.WParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
        SelectNext(active_control_, GetKeyState(VK_SHIFT) >= 0);
        m.Result = 1;
        return;
      }
      if (m.WParam >= VK_LEFT && m.WParam <= VK_DOWN && active_control_ && dynamic_cast<TRadioGroup*>(active_control_->Parent())) {
        TWinControl* group = active_control_->Parent();
        const auto list = group->TabOrderList(false);
        auto it = std::find(list.begin(), list.end(), active_control_);
        if (it != list.end() && !list.empty()) {
          const bool forward = m.WParam == VK_RIGHT || m.WParam == VK_DOWN;
          size_t i = static_cast<size_t>(it - list.begin());
          i = forward ? (i + 1) % list.size() : (i + list.size() - 1) % list.size();
          list[i]->SetFocus();
          if (auto* radio = dynamic_cast<TRadioButton*>(list[i])) radio->SetChecked(true);
        }
        m.Result = 1;
        return;
      }
      break;
    default:
      break;
  }
  TCustomControl::WndProc(m);
}

// ---- application ----

const TClassInfo& TApplication::StaticClass() {
  static const TClassInfo info{"TApplication", &TComponent::StaticClass(), {}, {}};
  return info;
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  RegisterStandardClasses();
  terminated_ = false;
}

void TApplication::Run() {
  if (main_form_) main_form_->Show();
  while (HandleMessage()) {
  }
  terminated_ = true;
  DestroyComponents();
}

bool TApplication::HandleMessage() {
  MSG msg;
  const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
  if (got == 0) {
    terminated_ = true;
    PostQuitMessage(static_cast<int>(msg.wParam));  // outer loops end as well
    return false;
  }
  if (got < 0) return false;
  process(msg);
  return true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    process(msg);
  }
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

bool TApplication::process(MSG& msg) {
  if (!msg.hwnd && msg.message == CM_RELEASE) {
    auto* form = reinterpret_cast<TCustomForm*>(msg.lParam);
    const auto& forms = Screen().forms_;
    if (std::find(forms.begin(), forms.end(), form) != forms.end()) {
      form->Perform(CM_RELEASE);
      delete form;
    }
    return true;
  }
  try {
    if (PreTranslate(msg)) return true;
  } catch (...) {
    LogCaughtException("message loop");
    return true;
  }
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
  return true;
}

bool TApplication::PreTranslate(MSG& msg) {
  const UINT k = msg.message;
  if (k != WM_KEYDOWN && k != WM_SYSKEYDOWN && k != WM_CHAR && k != WM_SYSCHAR) return false;
  TWinControl* c = nullptr;
  for (HWND w = msg.hwnd; w && !c; w = GetParent(w)) c = FindControl(w);
  if (!c) return false;
  if (k == WM_KEYDOWN || k == WM_SYSKEYDOWN) {
    int shortcut = static_cast<int>(msg.wParam & 0xFF);
    if (GetKeyState(VK_SHIFT) < 0) shortcut |= scShift;
    if (GetKeyState(VK_CONTROL) < 0) shortcut |= scCtrl;
    if (GetKeyState(VK_MENU) < 0) shortcut |= scAlt;
    if (TCustomForm* form = c->ParentForm(); form && form->Menu() && form->Enabled() && form->Menu()->IsShortCut(shortcut)) return true;
  }
  return c->Perform(CN_BASE + k, msg.wParam, msg.lParam) != 0;
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
  HWND owner = GetActiveWindow();
  if (!owner && main_form_ && main_form_->HandleAllocated()) owner = main_form_->Handle();
  return ::MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

// ---- timers ----

namespace {
std::map<UINT_PTR, TTimer*>& timers() {
  static std::map<UINT_PTR, TTimer*> map;
  return map;
}
}  // namespace

const TClassInfo& TTimer::StaticClass() {
  static const TClassInfo& info = registered<TTimer>(ClassBuilder<TTimer>("TTimer", TComponent::StaticClass())
      .creatable()
      .boolean("Enabled", &TTimer::Enabled, &TTimer::SetEnabled)
      .integer("Interval", &TTimer::Interval, &TTimer::SetInterval)
      .event("OnTimer", &TTimer::OnTimer)
      .done());
  return info;
}

TTimer::~TTimer() {
  enabled_ = false;
  update();
}

void TTimer::SetEnabled(bool v) {
  enabled_ = v;
  update();
}
void TTimer::SetInterval(int ms) {
  interval_ = ms;
  update();
}
void TTimer::Loaded() {
  TComponent::Loaded();
  update();
}

void TTimer::update() {
  if (id_) {
    KillTimer(nullptr, id_);
    timers().erase(id_);
    id_ = 0;
  }
  if (enabled_ && interval_ > 0 && OnTimer && !(ComponentState() & (csLoading | csDestroying))) {
    id_ = SetTimer(nullptr, 0, static_cast<UINT>(interval_), tick);
    if (id_) timers()[id_] = this;
  }
}

void CALLBACK TTimer::tick(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = timers().find(id);
  if (it == timers().end()) return;
  try {
    if (it->second->OnTimer) it->second->OnTimer(it->second);
  } catch (...) {
    LogCaughtException("timer handler");
  }
}

// ---- registration ----

void RegisterStandardClasses() {
  static const bool done = [] {
    for (const TClassInfo* c :
         {&TButton::StaticClass(), &TBitBtn::StaticClass(), &TCheckBox::StaticClass(), &TRadioButton::StaticClass(),
          &TGroupBox::StaticClass(), &TRadioGroup::StaticClass(), &TPanel::StaticClass(), &TListBox::StaticClass(),
          &TEdit::StaticClass(), &TMemo::StaticClass(), &TLabel::StaticClass(), &TLabeledEdit::StaticClass(),
          &TImage::StaticClass(), &TStatusBar::StaticClass(), &TMainMenu::StaticClass(), &TPopupMenu::StaticClass(),
          &TMenuItem::StaticClass(), &TAction::StaticClass(), &TActionList::StaticClass(), &TImageList::StaticClass(),
          &TTimer::StaticClass(), &TOpenDialog::StaticClass()})
      RegisterComponentClass(*c);
    return true;
  }();
  (void)done;
}

}  // namespace zfw
