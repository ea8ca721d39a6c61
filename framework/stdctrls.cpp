#include "framework/stdctrls.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/class_builder.h"
#include "framework/forms.h"

namespace zfw {

namespace {

int font_text_height(TFont& font) {
  WindowDc screen(nullptr);
  SelectGuard sel(screen.get(), font.Handle());
  TEXTMETRICA tm{};
  GetTextMetricsA(screen.get(), &tm);
  return tm.tmHeight;
}

SIZE font_text_size(TFont& font, const std::string& text, bool accel) {
  WindowDc screen(nullptr);
  SelectGuard sel(screen.get(), font.Handle());
  RECT r{0, 0, 0, 0};
  std::string t = text.empty() ? std::string(" ") : text;
  DrawTextA(screen.get(), t.c_str(), static_cast<int>(t.size()), &r, DT_CALCRECT | DT_SINGLELINE | (accel ? 0 : DT_NOPREFIX));
  return SIZE{text.empty() ? 0 : r.right - r.left, r.bottom - r.top};
}

void ensure_common_controls() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)done;
}

}  // namespace

// ---- buttons ----

const TClassInfo& TButtonControl::StaticClass() {
  static const TClassInfo info{"TButtonControl", &TWinControl::StaticClass(), {}, {}};
  return info;
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
  style_ &= ~unsigned(csClickEvents);
  tab_stop_ = true;
}

bool TButtonControl::accelerates(WPARAM ch) const {
  const char a = AccelChar(text_);
  if (!a) return false;
  char c = static_cast<char>(ch);
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return a == c;
}

void TButtonControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      if (HIWORD(m.WParam) == BN_CLICKED) Clicked();
      return;
    case CM_DIALOGCHAR:
      if (accelerates(m.WParam) && CanFocus()) {
        SetFocus();
        Clicked();
        m.Result = 1;
      }
      return;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

const TClassInfo& TButton::StaticClass() {
  static const TClassInfo& info = registered<TButton>(ClassBuilder<TButton>("TButton", TButtonControl::StaticClass())
      .creatable()
      .boolean("Default", &TButton::Default, &TButton::SetDefault)
      .boolean("Cancel", &TButton::Cancel, &TButton::SetCancel)
      .integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult)
      .done());
  return info;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 75, 25); }

void TButton::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.base_class = "BUTTON";
  p.style |= active_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool v) {
  default_ = v;
  set_active(v);
}

void TButton::set_active(bool active) {
  active_ = active;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETSTYLE, active ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
  if (modal_result_ != mrNone)
    if (TCustomForm* form = ParentForm()) form->SetModalResult(modal_result_);
  TButtonControl::Click();
}

void TButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_DIALOGKEY:
      if (((m.WParam == VK_RETURN && active_) || (m.WParam == VK_ESCAPE && cancel_)) && CanFocus()) {
        Click();
        m.Result = 1;
      }
      return;
    case CM_FOCUSCHANGED: {
      auto* focused = reinterpret_cast<TWinControl*>(m.LParam);
      const bool now = focused == this || (default_ && !dynamic_cast<TButton*>(focused));
      if (now != active_) set_active(now);
      return;
    }
    default:
      break;
  }
  TButtonControl::WndProc(m);
}

const TClassInfo& TBitBtn::StaticClass() {
  static const TClassInfo& info = registered<TBitBtn>(ClassBuilder<TBitBtn>("TBitBtn", TButton::StaticClass())
      .creatable()
      .sub_object("Glyph", &TBitBtn::GlyphObject)
      .integer("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs)
      .enumeration("Layout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}, &TBitBtn::Layout, &TBitBtn::SetLayout)
      .integer("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing)
      .integer("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin)
      .done());
  return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) { glyph_.SetTransparent(true); }

void TBitBtn::CreateParams(TCreateParams& p) {
  TButton::CreateParams(p);
  p.style = (p.style & ~DWORD(0xF)) | BS_OWNERDRAW;
}

void TBitBtn::set_active(bool active) {
  active_ = active;
  Invalidate();
}

void TBitBtn::PaintTo(HDC dc, bool pressed) {
  RECT r = ClientRect();
  TCanvas canvas(dc);
  canvas.Brush().SetColor(clBtnFace);
  canvas.FillRect(r);
  if (active_) {
    canvas.Brush().SetColor(sys_color(COLOR_WINDOWFRAME));
    canvas.FrameRect(r);
    InflateRect(&r, -1, -1);
  }
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

  canvas.Font().Assign(font_);
  const std::string caption = Text();
  const SIZE ts = caption.empty() ? SIZE{0, 0} : font_text_size(font_, caption, true);
  const int gw = glyph_.Empty() ? 0 : glyph_.Width() / num_glyphs_, gh = glyph_.Empty() ? 0 : glyph_.Height();
  const int gap = (gw && ts.cx) ? spacing_ : 0;
  const int w = width_, h = height_, shift = pressed ? 1 : 0;
  int gx, gy, tx, ty;
  if (layout_ == blGlyphLeft || layout_ == blGlyphRight) {
    const int total = gw + gap + ts.cx;
    const int start = margin_ >= 0 ? margin_ : (w - total) / 2;
    gy = (h - gh) / 2;
    ty = (h - ts.cy) / 2;
    if (layout_ == blGlyphLeft) {
      gx = start;
      tx = start + gw + gap;
    } else {
      tx = start;
      gx = start + ts.cx + gap;
    }
  } else {
    const int total = gh + gap + ts.cy;
    const int start = margin_ >= 0 ? margin_ : (h - total) / 2;
    gx = (w - gw) / 2;
    tx = (w - ts.cx) / 2;
    if (layout_ == blGlyphTop) {
      gy = start;
      ty = start + gh + gap;
    } else {
      ty = start;
      gy = start + ts.cy + gap;
    }
  }
  if (gw) {
    if (enabled_) {
      glyph_.Draw(canvas, RECT{gx + shift, gy + shift, gx + shift + gw * num_glyphs_, gy + shift + gh});
    } else {
      // Disabled: the glyph's shape embossed in the shadow and highlight colours.
      const COLORREF key = ColorToRGB(glyph_.TransparentColor());
      const COLORREF light = ColorToRGB(clBtnHighlight), dark = ColorToRGB(clBtnShadow);
      for (int pass = 0; pass < 2; ++pass)
        for (int y = 0; y < gh; ++y)
          for (int x = 0; x < gw; ++x)
            if (glyph_.Pixel(x, y) != key) SetPixelV(dc, gx + x + (pass ? 0 : 1), gy + y + (pass ? 0 : 1), pass ? dark : light);
    }
  }
  if (ts.cx) {
    SetBkMode(dc, TRANSPARENT);
    RECT tr{tx + shift, ty + shift, tx + shift + ts.cx, ty + shift + ts.cy};
    canvas.Brush().SetStyle(bsClear);
    if (!enabled_) {
      canvas.Font().SetColor(clBtnHighlight);
      RECT lr = tr;
      OffsetRect(&lr, 1, 1);
      canvas.TextRect(lr, caption, DT_SINGLELINE);
      canvas.Font().SetColor(clBtnShadow);
    } else {
      canvas.Font().SetColor(clBtnText);
    }
    canvas.TextRect(tr, caption, DT_SINGLELINE);
  }
  if (Focused()) {
    RECT fr = ClientRect();
    InflateRect(&fr, -4, -4);
    DrawFocusRect(dc, &fr);
  }
}

void TBitBtn::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_DRAWITEM: {
      const DRAWITEMSTRUCT* d = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
      BufferedPaint buffer(d->hDC, d->rcItem);
      PaintTo(buffer.dc(), (d->itemState & ODS_SELECTED) != 0);
      m.Result = TRUE;
      return;
    }
    case WM_LBUTTONDBLCLK:
      m.Msg = WM_LBUTTONDOWN;  // a quick second click is a click like the first
      DefaultHandler(m);
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TButton::WndProc(m);
      Invalidate();
      return;
    default:
      break;
  }
  TButton::WndProc(m);
}

const TClassInfo& TCheckBox::StaticClass() {
  static const TClassInfo& info = registered<TCheckBox>(ClassBuilder<TCheckBox>("TCheckBox", TButtonControl::StaticClass())
      .creatable()
      .boolean("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked)
      .enumeration("State", {"cbUnchecked", "cbChecked", "cbGrayed"}, &TCheckBox::State, &TCheckBox::SetState)
      .done());
  return info;
}

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 97, 17); }

void TCheckBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.base_class = "BUTTON";
  p.style |= BS_CHECKBOX;
}

void TCheckBox::WindowCreated() { SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0); }

void TCheckBox::SetChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
  Perform(CM_CHECKEDCHANGED);
  if (!(ComponentState() & csLoading)) Click();
}

void TCheckBox::WndProc(TMessage& m) { TButtonControl::WndProc(m); }

const TClassInfo& TRadioButton::StaticClass() {
  static const TClassInfo& info = registered<TRadioButton>(ClassBuilder<TRadioButton>("TRadioButton", TButtonControl::StaticClass())
      .creatable()
      .boolean("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked)
      .done());
  return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 113, 17); }

void TRadioButton::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.base_class = "BUTTON";
  p.style |= BS_RADIOBUTTON;
}

void TRadioButton::WindowCreated() { SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0); }

void TRadioButton::SetChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
  Perform(CM_CHECKEDCHANGED);
  if (!v) return;
  if (parent_)
    for (int i = 0; i < parent_->ControlCount(); ++i)
      if (auto* other = dynamic_cast<TRadioButton*>(parent_->Controls(i)); other && other != this) other->SetChecked(false);
  if (!(ComponentState() & csLoading)) Click();
}

void TRadioButton::WndProc(TMessage& m) { TButtonControl::WndProc(m); }

// ---- group boxes, radio groups, panels ----

const TClassInfo& TCustomGroupBox::StaticClass() {
  static const TClassInfo info{"TCustomGroupBox", &TCustomControl::StaticClass(), {}, {}};
  return info;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
  style_ |= csAcceptsControls;
  style_ &= ~unsigned(csClickEvents);
  SetBounds(0, 0, 185, 105);
}

void TCustomGroupBox::Paint() {
  TCanvas& c = canvas_;
  const RECT all = ClientRect();
  c.Brush().SetColor(color_);
  c.FillRect(all);
  const std::string caption = Text();
  const int th = font_text_height(font_);
  RECT frame{0, th / 2, all.right, all.bottom};
  DrawEdge(c.Handle(), &frame, EDGE_ETCHED, BF_RECT);
  if (!caption.empty()) {
    const SIZE s = font_text_size(font_, caption, true);
    RECT tr{8, 0, 8 + s.cx, s.cy};
    c.FillRect(tr);
    c.Font().SetColor(enabled_ ? font_.Color() : clGrayText);
    c.TextRect(tr, caption, DT_SINGLELINE);
  }
}

const TClassInfo& TGroupBox::StaticClass() {
  static const TClassInfo& info =
      registered<TGroupBox>(ClassBuilder<TGroupBox>("TGroupBox", TCustomGroupBox::StaticClass()).creatable().done());
  return info;
}

const TClassInfo& TGroupButton::StaticClass() {
  static const TClassInfo info{"TGroupButton", &TRadioButton::StaticClass(), {}, {}};
  return info;
}

TGroupButton::TGroupButton(TRadioGroup* group, int index) : TRadioButton(group), index_(index) {
  SetParent(group);
  OnClick = [group, this](TObject*) { group->button_clicked(index_); };
}

const TClassInfo& TRadioGroup::StaticClass() {
  static const TClassInfo& info = registered<TRadioGroup>(ClassBuilder<TRadioGroup>("TRadioGroup", TCustomGroupBox::StaticClass())
      .creatable()
      .sub_object("Items", &TRadioGroup::ItemsObject)
      .integer("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns)
      .integer("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex)
      .done());
  return info;
}

TRadioGroup::TRadioGroup(TComponent* owner) : TCustomGroupBox(owner), items_(std::make_unique<TStringList>()) {
  items_->OnChange = [this] { update_buttons(); };
}

void TRadioGroup::SetColumns(int c) {
  columns_ = std::clamp(c, 1, 16);
  arrange();
}

void TRadioGroup::SetItemIndex(int index) {
  if (ComponentState() & csLoading) {
    item_index_ = index;  // clamped once the items are known
    return;
  }
  const int count = items_->Count();
  if (index >= count) index = count - 1;
  if (index < -1) index = -1;
  item_index_ = index;
  updating_ = true;
  for (int i = 0; i < ButtonCount(); ++i) buttons_[static_cast<size_t>(i)]->SetChecked(i == index);
  updating_ = false;
}

void TRadioGroup::button_clicked(int index) {
  if (updating_) return;
  item_index_ = index;
  Click();
}

void TRadioGroup::update_buttons() {
  const int count = items_->Count();
  while (ButtonCount() < count) buttons_.push_back(new TGroupButton(this, ButtonCount()));
  while (ButtonCount() > count) {
    delete buttons_.back();
    buttons_.pop_back();
  }
  updating_ = true;
  for (int i = 0; i < count; ++i) {
    buttons_[static_cast<size_t>(i)]->SetText(items_->Get(i));
    buttons_[static_cast<size_t>(i)]->SetChecked(i == item_index_);
    buttons_[static_cast<size_t>(i)]->SetEnabled(enabled_);
  }
  updating_ = false;
  arrange();
}

void TRadioGroup::arrange() {
  if (buttons_.empty()) return;
  const int n = ButtonCount();
  const int rows = (n + columns_ - 1) / columns_;
  const int bw = (width_ - 10) / columns_;
  const int th = font_text_height(font_);
  const int inner = std::max(height_ - th - 5, 0);
  const int bh = inner / rows;
  const int top = th + 1 + (inner % rows) / 2;
  for (int i = 0; i < n; ++i)
    buttons_[static_cast<size_t>(i)]->SetBounds((i / rows) * bw + 8, (i % rows) * bh + top, bw, bh);
}

void TRadioGroup::Loaded() {
  TCustomGroupBox::Loaded();
  SetItemIndex(item_index_);
  arrange();
}

void TRadioGroup::BoundsChanged() {
  TCustomGroupBox::BoundsChanged();
  arrange();
}

void TRadioGroup::FontChanged() {
  TCustomGroupBox::FontChanged();
  arrange();
}

const TClassInfo& TPanel::StaticClass() {
  static const TClassInfo& info = registered<TPanel>(ClassBuilder<TPanel>("TPanel", TCustomControl::StaticClass())
      .creatable()
      .enumeration("BevelOuter", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}, &TPanel::BevelOuter, &TPanel::SetBevelOuter)
      .enumeration("BevelInner", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}, &TPanel::BevelInner, &TPanel::SetBevelInner)
      .done());
  return info;
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
  style_ |= csAcceptsControls;
  SetBounds(0, 0, 185, 41);
}

void TPanel::Paint() {
  RECT r = ClientRect();
  canvas_.Brush().SetColor(color_);
  canvas_.FillRect(r);
  auto bevel = [&](TBevelCut cut) {
    if (cut == bvLowered) DrawEdge(canvas_.Handle(), &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    else if (cut == bvRaised) DrawEdge(canvas_.Handle(), &r, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    else if (cut == bvSpace) InflateRect(&r, -1, -1);
  };
  bevel(bevel_outer_);
  bevel(bevel_inner_);
  const std::string caption = Text();
  if (!caption.empty()) {
    canvas_.Brush().SetStyle(bsClear);
    canvas_.TextRect(r, caption, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  }
}

// ---- list box ----

class TListBox::Strings final : public TStrings {
 public:
  explicit Strings(TListBox& box) : box_(box) {}
  int Count() const override {
    if (!box_.HandleAllocated()) return static_cast<int>(box_.saved_.size());
    return static_cast<int>(SendMessageA(box_.Handle(), LB_GETCOUNT, 0, 0));
  }
  std::string Get(int index) const override {
    if (index < 0 || index >= Count()) throw EFrameworkError("list index out of bounds");
    if (!box_.HandleAllocated()) return box_.saved_[static_cast<size_t>(index)];
    const LRESULT n = SendMessageA(box_.Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    std::string s(static_cast<size_t>(n > 0 ? n : 0) + 1, '\0');
    const LRESULT got = SendMessageA(box_.Handle(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<size_t>(got > 0 ? got : 0));
    return s;
  }
  void Insert(int index, const std::string& s) override {
    if (index < 0 || index > Count()) throw EFrameworkError("list index out of bounds");
    if (!box_.HandleAllocated()) {
      box_.saved_.insert(box_.saved_.begin() + index, s);
      return;
    }
    if (SendMessageA(box_.Handle(), LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(s.c_str())) < 0)
      throw EFrameworkError("the list refused an entry");
  }
  void Delete(int index) override {
    if (index < 0 || index >= Count()) throw EFrameworkError("list index out of bounds");
    if (!box_.HandleAllocated()) box_.saved_.erase(box_.saved_.begin() + index);
    else SendMessageA(box_.Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  }
  void Clear() override {
    if (!box_.HandleAllocated()) box_.saved_.clear();
    else SendMessageA(box_.Handle(), LB_RESETCONTENT, 0, 0);
  }

 private:
  TListBox& box_;
};

const TClassInfo& TListBox::StaticClass() {
  static const TClassInfo& info = registered<TListBox>(ClassBuilder<TListBox>("TListBox", TWinControl::StaticClass())
      .creatable()
      .sub_object("Items", &TListBox::ItemsObject)
      .integer("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight)
      .integer("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex)
      .boolean("Sorted", &TListBox::Sorted, &TListBox::SetSorted)
      .done());
  return info;
}

TListBox::TListBox(TComponent* owner) : TWinControl(owner), items_(std::make_unique<Strings>(*this)) {
  style_ &= ~unsigned(csClickEvents);
  tab_stop_ = true;
  color_ = clWindow;
  parent_color_ = false;
  SetBounds(0, 0, 121, 97);
}

TListBox::~TListBox() = default;
TStrings& TListBox::Items() { return *items_; }

void TListBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.base_class = "LISTBOX";
  p.style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
  p.ex_style |= WS_EX_CLIENTEDGE;
}

void TListBox::WindowCreated() {
  SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, item_height_);
  const auto items = std::move(saved_);
  saved_.clear();
  for (const std::string& s : items) SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
  SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(saved_index_), 0);
}

void TListBox::SaveWindowState() {
  std::vector<std::string> items = items_->ToVector();
  saved_index_ = ItemIndex();
  saved_ = std::move(items);
}

int TListBox::ItemIndex() const {
  if (!HandleAllocated()) return saved_index_;
  return static_cast<int>(SendMessageA(const_cast<TListBox*>(this)->Handle(), LB_GETCURSEL, 0, 0));
}

void TListBox::SetItemIndex(int index) {
  if (!HandleAllocated()) saved_index_ = index;
  else SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TListBox::SetItemHeight(int h) {
  item_height_ = h;
  if (HandleAllocated()) SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, h);
}

void TListBox::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND) {
    if (HIWORD(m.WParam) == LBN_SELCHANGE) Click();
    return;
  }
  TWinControl::WndProc(m);
}

// ---- edits ----

const TClassInfo& TCustomEdit::StaticClass() {
  static const TClassInfo info = ClassBuilder<TCustomEdit>("TCustomEdit", TWinControl::StaticClass())
      .boolean("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly)
      .enumeration("BorderStyle", {"bsNone", "bsSingle"}, &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle)
      .enumeration("BevelKind", {"bkNone", "bkTile", "bkSoft", "bkFlat"}, &TCustomEdit::BevelKind, &TCustomEdit::SetBevelKind)
      .integer("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength)
      .event("OnChange", &TCustomEdit::OnChange)
      .done();
  return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  tab_stop_ = true;
  color_ = clWindow;
  parent_color_ = false;
  SetBounds(0, 0, 121, 21);
}

void TCustomEdit::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.base_class = "EDIT";
  p.style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL | (read_only_ ? ES_READONLY : 0);
  if (border_ == bsSingleCtl) p.ex_style |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::WindowCreated() {
  if (max_length_) SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(max_length_), 0);
}

void TCustomEdit::SetReadOnly(bool v) {
  read_only_ = v;
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETREADONLY, v, 0);
}

void TCustomEdit::SetMaxLength(int n) {
  max_length_ = std::max(n, 0);
  if (HandleAllocated()) SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(max_length_), 0);
}

void TCustomEdit::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND) {
    if (HIWORD(m.WParam) == EN_CHANGE && OnChange) OnChange(this);
    return;
  }
  TWinControl::WndProc(m);
}

const TClassInfo& TEdit::StaticClass() {
  static const TClassInfo& info = registered<TEdit>(ClassBuilder<TEdit>("TEdit", TCustomEdit::StaticClass()).creatable().done());
  return info;
}

// The memo's lines are the lines of its text, split at CR LF.
class TMemo::Lines_ final : public TStrings {
 public:
  explicit Lines_(TMemo& memo) : memo_(memo) {}
  int Count() const override { return static_cast<int>(lines().size()); }
  std::string Get(int index) const override {
    const auto l = lines();
    if (index < 0 || index >= static_cast<int>(l.size())) throw EFrameworkError("line index out of bounds");
    return l[static_cast<size_t>(index)];
  }
  void Insert(int index, const std::string& s) override {
    auto l = lines();
    if (index < 0 || index > static_cast<int>(l.size())) throw EFrameworkError("line index out of bounds");
    l.insert(l.begin() + index, s);
    store(l);
  }
  void Delete(int index) override {
    auto l = lines();
    if (index < 0 || index >= static_cast<int>(l.size())) throw EFrameworkError("line index out of bounds");
    l.erase(l.begin() + index);
    store(l);
  }
  void Clear() override { memo_.SetText(""); }
  void Assign(const std::vector<std::string>& items) override { store(items); }

 private:
  std::vector<std::string> lines() const {
    const std::string text = memo_.Text();
    std::vector<std::string> out;
    if (text.empty()) return out;
    size_t from = 0;
    for (size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2) out.push_back(text.substr(from, at - from));
    out.push_back(text.substr(from));
    return out;
  }
  void store(const std::vector<std::string>& l) {
    std::string text;
    for (size_t i = 0; i < l.size(); ++i) text += (i ? "\r\n" : "") + l[i];
    memo_.SetText(text);
  }
  TMemo& memo_;
};

const TClassInfo& TMemo::StaticClass() {
  static const TClassInfo& info = registered<TMemo>(ClassBuilder<TMemo>("TMemo", TCustomEdit::StaticClass())
      .creatable()
      .sub_object("Lines", &TMemo::LinesObject)
      .boolean("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap)
      .enumeration("ScrollBars", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}, &TMemo::ScrollBars, &TMemo::SetScrollBars)
      .done());
  return info;
}

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner), lines_(std::make_unique<Lines_>(*this)) { SetBounds(0, 0, 185, 89); }
TMemo::~TMemo() = default;
TStrings& TMemo::Lines() { return *lines_; }

void TMemo::CreateParams(TCreateParams& p) {
  TCustomEdit::CreateParams(p);
  p.style &= ~DWORD(ES_AUTOHSCROLL);
  p.style |= ES_MULTILINE | (word_wrap_ ? 0 : ES_AUTOHSCROLL) | (read_only_ ? 0 : ES_WANTRETURN);
  if (scroll_bars_ == ssVertical || scroll_bars_ == ssBoth) p.style |= WS_VSCROLL;
  if (scroll_bars_ == ssHorizontal || scroll_bars_ == ssBoth) p.style |= WS_HSCROLL;
}

// ---- labels ----

const TClassInfo& TLabel::StaticClass() {
  static const TClassInfo& info = registered<TLabel>(ClassBuilder<TLabel>("TLabel", TGraphicControl::StaticClass())
      .creatable()
      .boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize)
      .boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent)
      .boolean("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar)
      .boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap)
      .enumeration("Alignment", {"taLeftJustify", "taRightJustify", "taCenter"}, &TLabel::Alignment, &TLabel::SetAlignment)
      .enumeration("Layout", {"tlTop", "tlCenter", "tlBottom"}, &TLabel::Layout, &TLabel::SetLayout)
      .done());
  return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 65, 17); }

SIZE TLabel::TextSize() { return font_text_size(font_, text_, show_accel_); }

void TLabel::AdjustSize() {
  if (!auto_size_ || word_wrap_) return;
  const SIZE s = TextSize();
  SetBounds(left_, top_, s.cx, s.cy);
}

void TLabel::SetAutoSize(bool v) {
  auto_size_ = v;
  AdjustSize();
}

void TLabel::TextChanged() {
  AdjustSize();
  Invalidate();
}

void TLabel::FontChanged() {
  AdjustSize();
  Invalidate();
}

void TLabel::Paint() {
  const RECT r = ClientRect();
  if (!transparent_) {
    canvas_.Brush().SetColor(color_);
    canvas_.FillRect(r);
  }
  canvas_.Brush().SetStyle(bsClear);
  UINT format = DT_EXPANDTABS | (word_wrap_ ? DT_WORDBREAK : DT_SINGLELINE) | (show_accel_ ? 0 : DT_NOPREFIX);
  if (alignment_ == taRightJustify) format |= DT_RIGHT;
  else if (alignment_ == taCenter) format |= DT_CENTER;
  if (!word_wrap_ && layout_ == tlCenter) format |= DT_VCENTER;
  if (!word_wrap_ && layout_ == tlBottom) format |= DT_BOTTOM;
  if (!enabled_) {
    RECT lr = r;
    OffsetRect(&lr, 1, 1);
    canvas_.Font().SetColor(clBtnHighlight);
    canvas_.TextRect(lr, text_, format);
    canvas_.Font().SetColor(clBtnShadow);
  }
  canvas_.TextRect(r, text_, format);
  canvas_.Brush().SetStyle(bsSolid);
}

const TClassInfo& TBoundLabel::StaticClass() {
  static const TClassInfo info{"TBoundLabel", &TLabel::StaticClass(), {}, {}};
  return info;
}

TBoundLabel::TBoundLabel(TCustomLabeledEdit* edit) : TLabel(edit), edit_(edit) {
  SetName("SubLabel");
  SetAutoSize(true);
}

void TBoundLabel::TextChanged() {
  TLabel::TextChanged();
  edit_->PlaceLabel();
}

void TBoundLabel::FontChanged() {
  TLabel::FontChanged();
  edit_->PlaceLabel();
}

const TClassInfo& TCustomLabeledEdit::StaticClass() {
  static const TClassInfo info = ClassBuilder<TCustomLabeledEdit>("TCustomLabeledEdit", TCustomEdit::StaticClass())
      .sub_object("EditLabel", &TCustomLabeledEdit::EditLabelObject)
      .enumeration("LabelPosition", {"lpAbove", "lpBelow", "lpLeft", "lpRight"}, &TCustomLabeledEdit::LabelPosition,
                   &TCustomLabeledEdit::SetLabelPosition)
      .integer("LabelSpacing", &TCustomLabeledEdit::LabelSpacing, &TCustomLabeledEdit::SetLabelSpacing)
      .done();
  return info;
}

TCustomLabeledEdit::TCustomLabeledEdit(TComponent* owner) : TCustomEdit(owner), label_(new TBoundLabel(this)) {}

void TCustomLabeledEdit::SetParent(TWinControl* parent) {
  TCustomEdit::SetParent(parent);
  label_->SetParent(parent);
  PlaceLabel();
}

void TCustomLabeledEdit::SetLabelPosition(TLabelPosition p) {
  position_ = p;
  PlaceLabel();
}

void TCustomLabeledEdit::SetLabelSpacing(int s) {
  spacing_ = s;
  PlaceLabel();
}

void TCustomLabeledEdit::PlaceLabel() {
  const int lw = label_->Width(), lh = label_->Height();
  switch (position_) {
    case lpAbove: label_->SetBounds(left_, top_ - lh - spacing_, lw, lh); break;
    case lpBelow: label_->SetBounds(left_, top_ + height_ + spacing_, lw, lh); break;
    case lpLeft: label_->SetBounds(left_ - lw - spacing_, top_ + (height_ - lh) / 2, lw, lh); break;
    case lpRight: label_->SetBounds(left_ + width_ + spacing_, top_ + (height_ - lh) / 2, lw, lh); break;
  }
}

void TCustomLabeledEdit::BoundsChanged() {
  TCustomEdit::BoundsChanged();
  PlaceLabel();
}

void TCustomLabeledEdit::VisibleChanged() {
  TCustomEdit::VisibleChanged();
  label_->SetVisible(visible_);
}

void TCustomLabeledEdit::EnabledChanged() {
  TCustomEdit::EnabledChanged();
  label_->SetEnabled(enabled_);
}

const TClassInfo& TLabeledEdit::StaticClass() {
  static const TClassInfo& info =
      registered<TLabeledEdit>(ClassBuilder<TLabeledEdit>("TLabeledEdit", TCustomLabeledEdit::StaticClass()).creatable().done());
  return info;
}

// ---- image ----

const TClassInfo& TImage::StaticClass() {
  static const TClassInfo& info = registered<TImage>(ClassBuilder<TImage>("TImage", TGraphicControl::StaticClass())
      .creatable()
      .sub_object("Picture", &TImage::PictureObject)
      .boolean("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize)
      .boolean("Stretch", &TImage::Stretch, &TImage::SetStretch)
      .boolean("Center", &TImage::Center, &TImage::SetCenter)
      .boolean("Transparent", &TImage::Transparent, &TImage::SetTransparent)
      .done());
  return info;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 105, 105);
  picture_.OnChange = [this] { picture_changed(); };
}

void TImage::picture_changed() {
  if (TGraphic* g = picture_.Graphic()) {
    g->SetTransparent(transparent_);
    if (auto_size_) SetBounds(left_, top_, g->Width(), g->Height());
  }
  Invalidate();
}

void TImage::SetAutoSize(bool v) {
  auto_size_ = v;
  picture_changed();
}

void TImage::SetTransparent(bool v) {
  transparent_ = v;
  picture_changed();
}

void TImage::Paint() {
  TGraphic* g = picture_.Graphic();
  if (!g || g->Empty()) return;
  const RECT r = ClientRect();
  if (stretch_) {
    canvas_.StretchDraw(r, *g);
  } else {
    const int x = center_ ? (r.right - g->Width()) / 2 : 0;
    const int y = center_ ? (r.bottom - g->Height()) / 2 : 0;
    canvas_.Draw(x, y, *g);
  }
}

// ---- status bar ----

const TClassInfo& TStatusPanel::StaticClass() {
  static const TClassInfo info = ClassBuilder<TStatusPanel>("TStatusPanel", TCollectionItem::StaticClass())
      .integer("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth)
      .string("Text", &TStatusPanel::Text, &TStatusPanel::SetText)
      .enumeration("Alignment", {"taLeftJustify", "taRightJustify", "taCenter"}, &TStatusPanel::Alignment, &TStatusPanel::SetAlignment)
      .done();
  return info;
}

void TStatusPanel::SetWidth(int w) {
  width_ = w;
  owner_->Changed();
}

void TStatusPanel::SetText(const std::string& t) {
  text_ = t;
  owner_->Changed();
}

const TClassInfo& TStatusBar::StaticClass() {
  static const TClassInfo& info = registered<TStatusBar>(ClassBuilder<TStatusBar>("TStatusBar", TWinControl::StaticClass())
      .creatable()
      .sub_object("Panels", &TStatusBar::PanelsObject)
      .boolean("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel)
      .boolean("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip)
      .done());
  return info;
}

TStatusBar::TStatusBar(TComponent* owner)
    : TWinControl(owner), panels_([this] { return std::make_unique<TStatusPanel>(&panels_); }) {
  panels_.OnChange = [this] { update_panels(); };
  style_ &= ~unsigned(csClickEvents);
  SetBounds(0, 0, 0, 19);
  align_ = alBottom;
}

void TStatusBar::CreateParams(TCreateParams& p) {
  ensure_common_controls();
  TWinControl::CreateParams(p);
  p.base_class = STATUSCLASSNAMEA;
  p.style |= CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER | (size_grip_ ? SBARS_SIZEGRIP : 0);
}

void TStatusBar::WindowCreated() { update_panels(); }

void TStatusBar::SetSimplePanel(bool v) {
  simple_ = v;
  update_panels();
}

void TStatusBar::update_panels() {
  if (!HandleAllocated()) return;
  HWND h = Handle();
  SendMessageA(h, SB_SIMPLE, simple_, 0);
  if (simple_) return;
  const int n = panels_.Count();
  std::vector<int> edges(static_cast<size_t>(std::max(n, 1)), -1);
  int x = 0;
  for (int i = 0; i < n; ++i) {
    x += Panel(i).Width();
    edges[static_cast<size_t>(i)] = (i == n - 1) ? -1 : x;
  }
  SendMessageA(h, SB_SETPARTS, static_cast<WPARAM>(edges.size()), reinterpret_cast<LPARAM>(edges.data()));
  for (int i = 0; i < n; ++i) SendMessageA(h, SB_SETTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(Panel(i).Text().c_str()));
}

std::string TStatusBar::PanelText(int index) {
  if (!HandleAllocated()) return index >= 0 && index < panels_.Count() ? Panel(index).Text() : std::string();
  const LRESULT len = SendMessageA(Handle(), SB_GETTEXTLENGTHA, static_cast<WPARAM>(index), 0);
  std::string s(static_cast<size_t>(LOWORD(len)) + 1, '\0');
  SendMessageA(Handle(), SB_GETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(s.data()));
  s.resize(LOWORD(len));
  return s;
}

}  // namespace zfw
