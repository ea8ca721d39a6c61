#include "framework/controls.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "framework/actions.h"
#include "framework/class_builder.h"
#include "framework/fault_log.h"
#include "framework/forms.h"

namespace zfw {

namespace {

thread_local TWinControl* t_creating = nullptr;

struct ClassEntry {
  WNDPROC fallback;
};
std::map<std::string, ClassEntry>& window_classes() {
  static std::map<std::string, ClassEntry> classes;
  return classes;
}

POINT point_of(LPARAM lp) { return POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))}; }
LPARAM lparam_of(POINT p) { return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)); }

bool is_ctlcolor(UINT msg) { return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC; }

}  // namespace

LRESULT CALLBACK FrameworkWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

ATOM ControlAtom() {
  static const ATOM atom = [] {
    char name[64];
    std::snprintf(name, sizeof name, "ControlOfs%.8llX%.8lX",
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(GetModuleHandleA(nullptr))),
                  static_cast<unsigned long>(GetCurrentThreadId()));
    RegisterWindowMessageA(name);
    return GlobalAddAtomA(name);
  }();
  return atom;
}

TWinControl* FindControl(HWND wnd) {
  if (!wnd) return nullptr;
  return static_cast<TWinControl*>(GetPropA(wnd, MAKEINTATOM(ControlAtom())));
}

WNDPROC RegisterControlClass(const std::string& class_name, const std::string& base_class, UINT class_style) {
  auto it = window_classes().find(class_name);
  if (it != window_classes().end()) return it->second.fallback;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  WNDPROC fallback = DefWindowProcA;
  if (!base_class.empty()) {
    if (!GetClassInfoExA(nullptr, base_class.c_str(), &wc)) throw EFrameworkError("no window class " + base_class);
    fallback = wc.lpfnWndProc;
    wc.style &= ~UINT(CS_GLOBALCLASS);
  } else {
    wc.style = class_style;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  }
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = FrameworkWndProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = class_name.c_str();
  wc.lpszMenuName = nullptr;
  if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw EFrameworkError("cannot register window class " + class_name);
  window_classes()[class_name] = ClassEntry{fallback};
  return fallback;
}

// Every window of the framework runs through here. Nothing thrown inside a handler gets past.
LRESULT CALLBACK FrameworkWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  TWinControl* c = FindControl(wnd);
  if (!c) {
    if (!t_creating) return DefWindowProcA(wnd, msg, wp, lp);
    c = t_creating;
    t_creating = nullptr;
    c->attach(wnd);
  }
  TMessage m{msg, wp, lp, 0};
  try {
    if (c->WindowProc) c->WindowProc(m);
    else c->WndProc(m);
  } catch (...) {
    // Nothing may be thrown through the system's dispatch: the message is answered 0.
    LogCaughtException("window procedure");
    m.Result = 0;
  }
  if (msg == WM_NCDESTROY) c->detach();
  return m.Result;
}

char AccelChar(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    const char c = caption[i + 1];
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
  }
  return 0;
}

// ---- TControl ----

const TClassInfo& TControl::StaticClass() {
  static const TClassInfo info = ClassBuilder<TControl>("TControl", TComponent::StaticClass())
      .integer("Left", &TControl::Left, &TControl::SetLeft)
      .integer("Top", &TControl::Top, &TControl::SetTop)
      .integer("Width", &TControl::Width, &TControl::SetWidth)
      .integer("Height", &TControl::Height, &TControl::SetHeight)
      .integer("ClientWidth", &TControl::ClientWidth, &TControl::SetClientWidth)
      .integer("ClientHeight", &TControl::ClientHeight, &TControl::SetClientHeight)
      .boolean("Visible", &TControl::Visible, &TControl::SetVisible)
      .boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled)
      .integer("Color", &TControl::Color, &TControl::SetColor, IdentToColor)
      .boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
      .boolean("ParentBackground", &TControl::ParentBackground, &TControl::SetParentBackground)
      .sub_object("Font", &TControl::FontObject)
      .boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
      .string("Caption", &TControl::Text, &TControl::SetText)
      .string("Text", &TControl::Text, &TControl::SetText)
      .set("Anchors", {"akLeft", "akTop", "akRight", "akBottom"}, &TControl::Anchors, &TControl::SetAnchors)
      .enumeration("Align", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}, &TControl::Align, &TControl::SetAlign)
      .enumeration("BiDiMode", {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"},
                   &TControl::BiDiMode, &TControl::SetBiDiMode)
      .integer("Cursor", &TControl::Cursor, &TControl::SetCursor, IdentToCursor)
      .boolean("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
      .string("Hint", &TControl::Hint, &TControl::SetHint)
      .reference<TBasicAction>("Action", &TControl::Action, &TControl::SetAction)
      .event("OnClick", &TControl::OnClick)
      .done();
  return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  font_.OnChange = [this] {
    parent_font_ = false;
    FontChanged();
  };
}

TControl::~TControl() {
  DestroyComponents();
  if (action_) action_->RemoveClient(this);
  if (TCustomForm* form = ParentForm()) form->ControlDestroyed(this);
  if (parent_) {
    Invalidate();
    parent_->remove_control(this);
  }
}

LRESULT TControl::Perform(UINT msg, WPARAM wparam, LPARAM lparam) {
  TMessage m{msg, wparam, lparam, 0};
  if (WindowProc) WindowProc(m);
  else WndProc(m);
  return m.Result;
}

void TControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_MOUSEENTER: mouse_in_ = true; break;
    case CM_MOUSELEAVE: mouse_in_ = false; break;
    default: break;
  }
  DefaultHandler(m);
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw EFrameworkError("a control cannot be its own parent");
  if (parent_) {
    Invalidate();
    parent_->remove_control(this);
  }
  parent_ = parent;
  if (parent_) {
    parent_->insert_control(this);
    ParentFontChanged();
    ParentColorChanged();
    UpdateAnchorRules();
    Invalidate();
  }
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* p = dynamic_cast<TWinControl*>(parent)) SetParent(p);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  PlaceBounds(left, top, width, height);
  UpdateAnchorRules();
}

void TControl::PlaceBounds(int left, int top, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  BoundsChanged();
  Invalidate();
}

void TControl::UpdateAnchorRules() {
  anchor_bounds_ = BoundsRect();
  if (parent_) {
    anchor_parent_w_ = parent_->ClientWidth();
    anchor_parent_h_ = parent_->ClientHeight();
  }
}

void TControl::AnchorTo(int pw, int ph) {
  if (anchor_parent_w_ < 0 || align_ != alNone) return;
  const int dx = pw - anchor_parent_w_, dy = ph - anchor_parent_h_;
  const RECT& b = anchor_bounds_;
  int l = b.left, t = b.top, w = b.right - b.left, h = b.bottom - b.top;
  if (anchors_ & akRight) {
    if (anchors_ & akLeft) w += dx;
    else l += dx;
  } else if (!(anchors_ & akLeft)) {
    l += dx / 2;
  }
  if (anchors_ & akBottom) {
    if (anchors_ & akTop) h += dy;
    else t += dy;
  } else if (!(anchors_ & akTop)) {
    t += dy / 2;
  }
  PlaceBounds(l, t, w, h);
}

void TControl::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  VisibleChanged();
  Perform(CM_VISIBLECHANGED, v ? 1 : 0);
}

void TControl::VisibleChanged() {
  if (parent_ && parent_->HandleAllocated()) {
    RECT r = BoundsRect();
    InvalidateRect(parent_->Handle(), &r, TRUE);
  }
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

void TControl::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  EnabledChanged();
  Perform(CM_ENABLEDCHANGED);
}

void TControl::EnabledChanged() { Invalidate(); }

TColor TControl::ResolvedColor() const { return color_; }

void TControl::SetColor(TColor c) {
  parent_color_ = false;
  if (c == color_) return;
  color_ = c;
  ColorChanged();
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool v) {
  parent_color_ = v;
  if (v) ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!parent_color_ || !parent_) return;
  if (color_ != parent_->color_) {
    color_ = parent_->color_;
    ColorChanged();
  }
}

void TControl::SetParentFont(bool v) {
  parent_font_ = v;
  if (v) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!parent_font_ || !parent_) return;
  auto keep = std::move(font_.OnChange);
  font_.Assign(parent_->font_);
  font_.OnChange = std::move(keep);
  FontChanged();
}

void TControl::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Perform(CM_TEXTCHANGED);
  TextChanged();
}

void TControl::SetAnchors(unsigned a) {
  anchors_ = a & 0xF;
  UpdateAnchorRules();
}

void TControl::SetAlign(TAlign a) {
  align_ = a;
  if (parent_ && !(ComponentState() & csLoading)) parent_->AlignControls();
}

void TControl::SetAction(TBasicAction* action) {
  if (action == action_) return;
  if (action_) action_->RemoveClient(this);
  action_ = action;
  if (action_) {
    action_->AddClient(this);
    ActionChanged();
  }
}

void TControl::ActionChanged() {
  if (auto* a = dynamic_cast<TAction*>(action_)) {
    if (!a->Caption().empty()) SetText(a->Caption());
    SetEnabled(a->Enabled());
    SetVisible(a->Visible());
  }
}

void TControl::Click() {
  if (action_) action_->Execute(this);
  else if (OnClick) OnClick(this);
}

void TControl::Invalidate() {
  if (parent_ && parent_->HandleAllocated() && visible_) {
    RECT r = BoundsRect();
    InvalidateRect(parent_->handle_, &r, TRUE);
  }
}

void TControl::Repaint() {
  Invalidate();
  if (parent_ && parent_->HandleAllocated()) UpdateWindow(parent_->handle_);
}

TCustomForm* TControl::ParentForm() const {
  const TControl* c = this;
  while (c->parent_) c = c->parent_;
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

void TControl::Loaded() {
  TComponent::Loaded();
  UpdateAnchorRules();
}

void TControl::Notification(TComponent* c, TOperation op) {
  TComponent::Notification(c, op);
  if (op == TOperation::Remove && c == action_) action_ = nullptr;
}

// ---- TGraphicControl ----

const TClassInfo& TGraphicControl::StaticClass() {
  static const TClassInfo info{"TGraphicControl", &TControl::StaticClass(), {}, {}};
  return info;
}

void TGraphicControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      if (m.WParam) {
        canvas_.SetHandle(reinterpret_cast<HDC>(m.WParam));
        canvas_.Font().Assign(font_);
        Paint();
        canvas_.SetHandle(nullptr);
      }
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      mouse_down_ = true;
      break;
    case WM_LBUTTONUP: {
      const bool was_down = std::exchange(mouse_down_, false);
      const POINT p = point_of(m.LParam);
      if (was_down && enabled_ && (style_ & csClickEvents) && p.x >= 0 && p.y >= 0 && p.x < width_ && p.y < height_) Click();
      break;
    }
    default:
      break;
  }
  TControl::WndProc(m);
}

// ---- TWinControl ----

const TClassInfo& TWinControl::StaticClass() {
  static const TClassInfo info = ClassBuilder<TWinControl>("TWinControl", TControl::StaticClass())
      .integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
      .boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
      .done();
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  while (!controls_.empty()) delete controls_.back();
  DestroyHandle();
  DestroyComponents();
}

void TWinControl::attach(HWND wnd) {
  handle_ = wnd;
  SetPropA(wnd, MAKEINTATOM(ControlAtom()), this);
}

void TWinControl::detach() {
  if (handle_) RemovePropA(handle_, MAKEINTATOM(ControlAtom()));
  handle_ = nullptr;
  tracking_leave_ = false;
  hover_child_ = captured_child_ = nullptr;
}

HWND TWinControl::Handle() {
  if (!handle_) {
    if (parent_) parent_->Handle();
    if (!handle_) CreateWnd();
  }
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& p) {
  p.caption = text_;
  p.style = WS_CHILD | WS_CLIPSIBLINGS;
  if (visible_) p.style |= WS_VISIBLE;
  if (tab_stop_) p.style |= WS_TABSTOP;
  if (!enabled_) p.style |= WS_DISABLED;
  if (custom_paint_) p.style |= WS_CLIPCHILDREN;
  p.x = left_;
  p.y = top_;
  p.width = width_;
  p.height = height_;
  p.parent = parent_ ? parent_->Handle() : nullptr;
}

void TWinControl::CreateWnd() {
  TCreateParams p;
  CreateParams(p);
  if ((p.style & WS_CHILD) && !p.parent) throw EFrameworkError(Name() + " has no parent window");
  default_proc_ = RegisterControlClass(ClassName(), p.base_class, p.class_style);
  t_creating = this;
  HWND wnd = CreateWindowExA(p.ex_style, ClassName().c_str(), p.caption.c_str(), p.style, p.x, p.y, p.width, p.height, p.parent,
                             p.menu, GetModuleHandleA(nullptr), nullptr);
  t_creating = nullptr;
  if (!wnd) throw EFrameworkError("cannot create the window of " + Name());
  if (!handle_) attach(wnd);  // a class that sent nothing during creation
  SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), 0);
  WindowCreated();
  for (TControl* c : std::vector<TControl*>(controls_))
    if (auto* w = dynamic_cast<TWinControl*>(c); w && !w->handle_) w->CreateWnd();
  AlignControls();
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
  SaveWindowState();
  HWND wnd = handle_;
  DestroyWindow(wnd);
  if (handle_ == wnd) detach();  // a window destroyed without WM_NCDESTROY reaching us
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  DestroyHandle();
  Handle();
}

void TWinControl::insert_control(TControl* c) {
  controls_.push_back(c);
  if (auto* w = dynamic_cast<TWinControl*>(c)) {
    tab_list_.push_back(w);
    if (handle_ && !w->handle_) w->CreateWnd();
    else if (handle_ && w->handle_) ::SetParent(w->handle_, handle_);
  }
}

void TWinControl::remove_control(TControl* c) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
  tab_list_.erase(std::remove(tab_list_.begin(), tab_list_.end(), c), tab_list_.end());
  if (hover_child_ == c) hover_child_ = nullptr;
  if (captured_child_ == c) captured_child_ = nullptr;
}

int TWinControl::TabOrder() const {
  if (!parent_) return tab_order_;
  const auto& list = parent_->tab_list_;
  const auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  tab_order_ = order;
  if (!parent_ || (ComponentState() & csLoading)) return;
  auto& list = parent_->tab_list_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  const size_t at = order < 0 ? list.size() : std::min(static_cast<size_t>(order), list.size());
  list.insert(list.begin() + static_cast<long>(at), this);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  std::stable_sort(tab_list_.begin(), tab_list_.end(),
                   [](const TWinControl* a, const TWinControl* b) { return a->tab_order_ < b->tab_order_; });
}

std::vector<TWinControl*> TWinControl::TabOrderList(bool all_levels) const {
  std::vector<TWinControl*> out;
  for (TWinControl* w : tab_list_) {
    out.push_back(w);
    if (all_levels) {
      auto inner = w->TabOrderList(true);
      out.insert(out.end(), inner.begin(), inner.end());
    }
  }
  return out;
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->visible_ || !c->enabled_) return false;
  return true;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
  if (TCustomForm* form = ParentForm()) form->SetActiveControl(this);
  else if (Handle()) ::SetFocus(handle_);
}

void TWinControl::Broadcast(TMessage& m) {
  for (TControl* c : std::vector<TControl*>(controls_)) {
    if (c->WindowProc) c->WindowProc(m);
    if (m.Result != 0) return;
  }
}

void TWinControl::AlignControls() {
  RECT r = ClientRect();
  const int pw = r.right, ph = r.bottom;
  for (TControl* c : controls_) {
    switch (c->align_) {
      case alTop: c->PlaceBounds(r.left, r.top, r.right - r.left, c->height_); r.top += c->height_; break;
      case alBottom: c->PlaceBounds(r.left, r.bottom - c->height_, r.right - r.left, c->height_); r.bottom -= c->height_; break;
      default: break;
    }
  }
  for (TControl* c : controls_) {
    switch (c->align_) {
      case alLeft: c->PlaceBounds(r.left, r.top, c->width_, r.bottom - r.top); r.left += c->width_; break;
      case alRight: c->PlaceBounds(r.right - c->width_, r.top, c->width_, r.bottom - r.top); r.right -= c->width_; break;
      default: break;
    }
  }
  for (TControl* c : controls_) {
    if (c->align_ == alClient) c->PlaceBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    else if (c->align_ == alNone) c->AnchorTo(pw, ph);
  }
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* c : controls_) {
    if (dynamic_cast<TWinControl*>(c) || !c->visible_ || c->width_ <= 0 || c->height_ <= 0) continue;
    SaveDcGuard save(dc);
    OffsetViewportOrgEx(dc, c->left_, c->top_, nullptr);
    IntersectClipRect(dc, 0, 0, c->width_, c->height_);
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

TControl* TWinControl::ControlAtPos(POINT p) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (dynamic_cast<TWinControl*>(c) || !c->visible_) continue;
    if (p.x >= c->left_ && p.y >= c->top_ && p.x < c->left_ + c->width_ && p.y < c->top_ + c->height_) return c;
  }
  return nullptr;
}

RECT TWinControl::ClientRect() const {
  RECT r{0, 0, width_, height_};
  if (handle_) GetClientRect(handle_, &r);
  return r;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
}

void TWinControl::BoundsChanged() {
  if (handle_) SetWindowPos(handle_, nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
  else AlignControls();
}

std::string TWinControl::Text() const {
  if (!handle_) return text_;
  const int n = GetWindowTextLengthA(handle_);
  std::string s(static_cast<size_t>(n) + 1, '\0');
  const int got = GetWindowTextA(handle_, s.data(), n + 1);
  s.resize(static_cast<size_t>(std::max(got, 0)));
  return s;
}

void TWinControl::SetText(const std::string& text) {
  if (handle_) {
    if (Text() == text) return;
    SetWindowTextA(handle_, text.c_str());
    text_ = text;
    Perform(CM_TEXTCHANGED);
    TextChanged();
  } else {
    TControl::SetText(text);
  }
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::VisibleChanged() {
  if (handle_) ShowWindow(handle_, visible_ ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::EnabledChanged() {
  if (handle_) EnableWindow(handle_, enabled_);
}

void TWinControl::FontChanged() {
  if (handle_) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
  for (TControl* c : controls_) c->ParentFontChanged();
  Invalidate();
}

void TWinControl::ColorChanged() {
  for (TControl* c : controls_) c->ParentColorChanged();
  Invalidate();
}

LRESULT TWinControl::CtlColor(HDC dc) {
  SetTextColor(dc, ColorToRGB(font_.Color()));
  SetBkColor(dc, ColorToRGB(color_));
  brush_.SetColor(color_);
  return reinterpret_cast<LRESULT>(brush_.Handle());
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::do_paint(HDC given) {
  if (given) {
    PaintWindow(given);
    return;
  }
  PaintGuard paint(handle_);
  RECT r = ClientRect();
  if (r.right <= 0 || r.bottom <= 0) return;
  BufferedPaint buffer(paint.dc(), r);
  PaintWindow(buffer.dc());
}

void TWinControl::update_hover(TControl* over) {
  if (over == hover_child_) return;
  TControl* old = std::exchange(hover_child_, over);
  if (old) old->Perform(CM_MOUSELEAVE);
  if (over) over->Perform(CM_MOUSEENTER);
}

void TWinControl::handle_mouse_for_children(TMessage& m) {
  const POINT p = point_of(m.LParam);
  TControl* target = captured_child_ ? captured_child_ : ControlAtPos(p);
  if (!target) return;
  if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) {
    if (!target->enabled_) return;
    captured_child_ = target;
    SetCapture(handle_);
  }
  target->Perform(m.Msg, m.WParam, lparam_of(POINT{p.x - target->left_, p.y - target->top_}));
  if (m.Msg == WM_LBUTTONUP && captured_child_) {
    captured_child_ = nullptr;
    ReleaseCapture();
  }
}

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_COMMAND:
      if (TWinControl* child = FindControl(reinterpret_cast<HWND>(m.LParam)); child && m.LParam) {
        m.Result = child->Perform(CN_COMMAND, m.WParam, m.LParam);
        return;
      }
      break;
    case WM_NOTIFY: {
      const NMHDR* hdr = reinterpret_cast<const NMHDR*>(m.LParam);
      if (TWinControl* child = hdr ? FindControl(hdr->hwndFrom) : nullptr; child && child != this) {
        m.Result = child->Perform(CN_NOTIFY, m.WParam, m.LParam);
        return;
      }
      break;
    }
    case WM_DRAWITEM: {
      const DRAWITEMSTRUCT* d = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
      if (TWinControl* child = (d && d->CtlType != ODT_MENU) ? FindControl(d->hwndItem) : nullptr) {
        m.Result = child->Perform(CN_DRAWITEM, m.WParam, m.LParam);
        return;
      }
      break;
    }
    case WM_PAINT:
      if (custom_paint_) {
        do_paint(reinterpret_cast<HDC>(m.WParam));
        return;
      }
      break;
    case WM_PRINTCLIENT:
      if (custom_paint_) {
        do_paint(reinterpret_cast<HDC>(m.WParam));
        return;
      }
      break;
    case WM_ERASEBKGND:
      if (custom_paint_) {
        m.Result = 1;
        return;
      }
      break;
    case WM_WINDOWPOSCHANGED: {
      const WINDOWPOS* wp = reinterpret_cast<const WINDOWPOS*>(m.LParam);
      if (wp && (!(wp->flags & SWP_NOMOVE) || !(wp->flags & SWP_NOSIZE))) {
        RECT r;
        GetWindowRect(handle_, &r);
        if (GetWindowLongPtrA(handle_, GWL_STYLE) & WS_CHILD) MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
        left_ = r.left;
        top_ = r.top;
        width_ = r.right - r.left;
        height_ = r.bottom - r.top;
      }
      break;
    }
    case WM_SIZE:
      DefaultHandler(m);
      AlignControls();
      return;
    case WM_SETFOCUS:
      DefaultHandler(m);
      if (TCustomForm* form = ParentForm(); form && form != this) form->FocusChanged(this);
      return;
    case WM_MOUSEMOVE:
      DefaultHandler(m);
      if (!tracking_leave_) {
        TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, handle_, 0};
        tracking_leave_ = TrackMouseEvent(&t) != 0;
      }
      if (!mouse_in_) Perform(CM_MOUSEENTER);
      if (custom_paint_) {
        update_hover(ControlAtPos(point_of(m.LParam)));
        if (captured_child_) handle_mouse_for_children(m);
      }
      return;
    case WM_MOUSELEAVE:
      tracking_leave_ = false;
      update_hover(nullptr);
      if (mouse_in_) Perform(CM_MOUSELEAVE);
      DefaultHandler(m);
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP: {
      if (custom_paint_ && (captured_child_ || ControlAtPos(point_of(m.LParam)))) {
        handle_mouse_for_children(m);
        return;
      }
      DefaultHandler(m);
      if (m.Msg != WM_LBUTTONUP) {
        mouse_down_ = true;
      } else if (std::exchange(mouse_down_, false) && (style_ & csClickEvents) && handle_) {
        const POINT p = point_of(m.LParam);
        RECT r = ClientRect();
        if (PtInRect(&r, p)) Click();
      }
      return;
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(m.WParam) == handle_ && LOWORD(m.LParam) == HTCLIENT) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(handle_, &p);
        const TControl* over = custom_paint_ ? ControlAtPos(p) : nullptr;
        const int cursor = over && over->cursor_ != crDefault ? over->cursor_ : cursor_;
        if (cursor != crDefault) {
          ::SetCursor(cursor_handle(cursor));
          m.Result = 1;
          return;
        }
      }
      break;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: {
      const WPARAM key = m.WParam;
      const bool arrow = key >= VK_LEFT && key <= VK_DOWN;
      if (key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || arrow) {
        const LRESULT code = handle_ ? SendMessageA(handle_, WM_GETDLGCODE, key, 0) : 0;
        const bool wanted = (code & DLGC_WANTMESSAGE) || (key == VK_TAB && (code & DLGC_WANTTAB)) ||
                            (arrow && (code & DLGC_WANTARROWS)) || (key == VK_RETURN && (code & DLGC_WANTALLKEYS));
        if (!wanted)
          if (TCustomForm* form = ParentForm(); form && form->Perform(CM_DIALOGKEY, key, m.LParam) != 0) m.Result = 1;
      }
      return;
    }
    case CN_CHAR:
    case CN_SYSCHAR: {
      const LRESULT code = handle_ ? SendMessageA(handle_, WM_GETDLGCODE, m.WParam, 0) : 0;
      if (m.Msg == CN_SYSCHAR || !(code & DLGC_WANTCHARS))
        if (TCustomForm* form = ParentForm(); form && form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0) m.Result = 1;
      return;
    }
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
      Broadcast(m);
      return;
    case CM_RECREATEWND:
      RecreateWnd();
      return;
    default:
      if (is_ctlcolor(m.Msg)) {
        if (TWinControl* child = FindControl(reinterpret_cast<HWND>(m.LParam)); child && child != this) {
          m.Result = child->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
          return;
        }
      } else if (m.Msg > CN_BASE + WM_CTLCOLORMSGBOX - 1 && m.Msg <= CN_BASE + WM_CTLCOLORSTATIC) {
        m.Result = CtlColor(reinterpret_cast<HDC>(m.WParam));
        return;
      }
      break;
  }
  TControl::WndProc(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (!handle_) return;
  if (m.Msg >= CM_BASE && m.Msg < CN_BASE + 0x400) return;  // the framework's own numbers end here
  m.Result = CallWindowProcA(default_proc_ ? default_proc_ : DefWindowProcA, handle_, m.Msg, m.WParam, m.LParam);
}

// ---- TCustomControl ----

const TClassInfo& TCustomControl::StaticClass() {
  static const TClassInfo info{"TCustomControl", &TWinControl::StaticClass(), {}, {}};
  return info;
}

void TCustomControl::PaintWindow(HDC dc) {
  canvas_.SetHandle(dc);
  canvas_.Font().Assign(font_);
  canvas_.Brush().SetColor(color_);
  Paint();
  canvas_.SetHandle(nullptr);
  PaintControls(dc);
}

}  // namespace zfw
