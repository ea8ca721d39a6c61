// The standard controls: buttons (plain and with a glyph), check boxes, radio buttons, group
// boxes, radio groups, panels, list boxes, edits (single-line, multi-line, with a label), labels,
// images and status bars.
#pragma once

#include <memory>

#include "framework/controls.h"

namespace zfw {

enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7 };

class TButtonControl : public TWinControl {
  ZFW_CLASS(TButtonControl)
 public:
  explicit TButtonControl(TComponent* owner);
  void WndProc(TMessage& m) override;

 protected:
  // BN_CLICKED from the window.
  virtual void Clicked() { Click(); }
  bool accelerates(WPARAM ch) const;
};

class TButton : public TButtonControl {
  ZFW_CLASS(TButton)
 public:
  explicit TButton(TComponent* owner);
  bool Default() const { return default_; }
  void SetDefault(bool v);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v) { cancel_ = v; }
  int ModalResult() const { return modal_result_; }
  void SetModalResult(int r) { modal_result_ = r; }
  // The button that Enter presses: the default one unless another button has the focus.
  bool Active() const { return active_; }
  void Click() override;
  void WndProc(TMessage& m) override;

 protected:
  void CreateParams(TCreateParams& p) override;
  virtual void set_active(bool active);
  bool default_ = false, cancel_ = false, active_ = false;
  int modal_result_ = mrNone;
};

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// A push button that draws a glyph beside its caption. The glyph's bottom-left pixel colour is
// transparent.
class TBitBtn : public TButton {
  ZFW_CLASS(TBitBtn)
 public:
  explicit TBitBtn(TComponent* owner);
  TBitmap& Glyph() { return glyph_; }
  TBitmap* GlyphObject() { return &glyph_; }
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int n) { num_glyphs_ = n < 1 ? 1 : n; }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout l) { layout_ = l; Invalidate(); }
  int Spacing() const { return spacing_; }
  void SetSpacing(int s) { spacing_ = s; Invalidate(); }
  int Margin() const { return margin_; }
  void SetMargin(int m) { margin_ = m; Invalidate(); }
  // Paints the whole button into dc as the window shows it.
  void PaintTo(HDC dc, bool pressed);
  void WndProc(TMessage& m) override;

 protected:
  void CreateParams(TCreateParams& p) override;
  void set_active(bool active) override;

 private:
  TBitmap glyph_;
  int num_glyphs_ = 1, spacing_ = 4, margin_ = -1;
  TButtonLayout layout_ = blGlyphLeft;
};

// A check box's state by name, as the skin engine reads it (this framework has no grayed state).
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TButtonControl {
  ZFW_CLASS(TCheckBox)
 public:
  explicit TCheckBox(TComponent* owner);
  bool Checked() const { return checked_; }
  TCheckBoxState State() const { return checked_ ? cbChecked : cbUnchecked; }
  void SetState(TCheckBoxState s) { SetChecked(s == cbChecked); }
  // A change of the state runs Click (and so the action), whether the user or code made it.
  void SetChecked(bool v);
  void WndProc(TMessage& m) override;

 protected:
  void CreateParams(TCreateParams& p) override;
  void WindowCreated() override;
  void Clicked() override { SetChecked(!checked_); }
  bool checked_ = false;
};

class TRadioButton : public TButtonControl {
  ZFW_CLASS(TRadioButton)
 public:
  explicit TRadioButton(TComponent* owner);
  bool Checked() const { return checked_; }
  // Checking unchecks the other radio buttons of the same parent.
  void SetChecked(bool v);
  void WndProc(TMessage& m) override;

 protected:
  void CreateParams(TCreateParams& p) override;
  void WindowCreated() override;
  void Clicked() override { SetChecked(true); }
  bool checked_ = false;
};

class TCustomGroupBox : public TCustomControl {
  ZFW_CLASS(TCustomGroupBox)
 public:
  explicit TCustomGroupBox(TComponent* owner);

 protected:
  void Paint() override;
};

class TGroupBox final : public TCustomGroupBox {
  ZFW_CLASS(TGroupBox)
 public:
  explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
};

class TRadioGroup;

// The buttons a radio group makes for its items.
class TGroupButton final : public TRadioButton {
  ZFW_CLASS(TGroupButton)
 public:
  TGroupButton(TRadioGroup* group, int index);
  int Index() const { return index_; }

 private:
  int index_;
};

class TRadioGroup final : public TCustomGroupBox {
  ZFW_CLASS(TRadioGroup)
 public:
  explicit TRadioGroup(TComponent* owner);
  TStrings& Items() { return *items_; }
  TStrings* ItemsObject() { return items_.get(); }
  int Columns() const { return columns_; }
  void SetColumns(int c);
  int ItemIndex() const { return item_index_; }
  // Values above the last item select the last, below -1 select none.
  void SetItemIndex(int index);
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TGroupButton* Buttons(int i) const { return buttons_.at(static_cast<size_t>(i)); }
  void Loaded() override;

 protected:
  void BoundsChanged() override;
  void FontChanged() override;

 private:
  friend class TGroupButton;
  void button_clicked(int index);
  void update_buttons();
  void arrange();
  std::unique_ptr<TStringList> items_;
  std::vector<TGroupButton*> buttons_;
  int columns_ = 1, item_index_ = -1;
  bool updating_ = false;
};

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel final : public TCustomControl {
  ZFW_CLASS(TPanel)
 public:
  explicit TPanel(TComponent* owner);
  TBevelCut BevelOuter() const { return bevel_outer_; }
  void SetBevelOuter(TBevelCut b) { bevel_outer_ = b; Invalidate(); }
  TBevelCut BevelInner() const { return bevel_inner_; }
  void SetBevelInner(TBevelCut b) { bevel_inner_ = b; Invalidate(); }

 protected:
  void Paint() override;

 private:
  TBevelCut bevel_outer_ = bvRaised, bevel_inner_ = bvNone;
};

class TListBox final : public TWinControl {
  ZFW_CLASS(TListBox)
 public:
  explicit TListBox(TComponent* owner);
  ~TListBox() override;
  // Entries as the list window holds them (kept here while there is no window).
  TStrings& Items();
  TStrings* ItemsObject() { return &Items(); }
  int ItemIndex() const;
  void SetItemIndex(int index);
  int ItemHeight() const { return item_height_; }
  void SetItemHeight(int h);
  bool Sorted() const { return false; }
  void SetSorted(bool v) {
    if (v) throw EFrameworkError("sorted list boxes are not supported");
  }
  void WndProc(TMessage& m) override;

 protected:
  void CreateParams(TCreateParams& p) override;
  void WindowCreated() override;
  void SaveWindowState() override;

 private:
  class Strings;
  std::unique_ptr<Strings> items_;
  std::vector<std::string> saved_;
  int saved_index_ = -1;
  int item_height_ = 13;
};

enum TBorderStyleCtl { bsNoneCtl, bsSingleCtl };

class TCustomEdit : public TWinControl {
  ZFW_CLASS(TCustomEdit)
 public:
  explicit TCustomEdit(TComponent* owner);
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool v);
  int BorderStyle() const { return border_; }
  void SetBorderStyle(int b) { border_ = b; RecreateWnd(); }
  int MaxLength() const { return max_length_; }
  void SetMaxLength(int n);
  int BevelKind() const { return bevel_kind_; }
  void SetBevelKind(int k) { bevel_kind_ = k; }
  TNotifyEvent OnChange;
  void WndProc(TMessage& m) override;

 protected:
  void CreateParams(TCreateParams& p) override;
  void WindowCreated() override;
  bool read_only_ = false;
  int border_ = bsSingleCtl, max_length_ = 0, bevel_kind_ = 0;
};

class TEdit : public TCustomEdit {
  ZFW_CLASS(TEdit)
 public:
  explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo final : public TCustomEdit {
  ZFW_CLASS(TMemo)
 public:
  explicit TMemo(TComponent* owner);
  ~TMemo() override;
  // The text's lines; with a window they are read from it.
  TStrings& Lines();
  TStrings* LinesObject() { return &Lines(); }
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool v) { word_wrap_ = v; RecreateWnd(); }
  TScrollStyle ScrollBars() const { return scroll_bars_; }
  void SetScrollBars(TScrollStyle s) { scroll_bars_ = s; RecreateWnd(); }

 protected:
  void CreateParams(TCreateParams& p) override;

 private:
  class Lines_;
  std::unique_ptr<Lines_> lines_;
  bool word_wrap_ = true;
  TScrollStyle scroll_bars_ = ssNone;
};

enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TLabel : public TGraphicControl {
  ZFW_CLASS(TLabel)
 public:
  explicit TLabel(TComponent* owner);
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { transparent_ = v; Invalidate(); }
  bool ShowAccelChar() const { return show_accel_; }
  void SetShowAccelChar(bool v) { show_accel_ = v; Invalidate(); }
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool v) { word_wrap_ = v; Invalidate(); }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a) { alignment_ = a; Invalidate(); }
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout l) { layout_ = l; Invalidate(); }
  // Width and height of the caption in the label's font.
  SIZE TextSize();
  void AdjustSize();

 protected:
  void Paint() override;
  void TextChanged() override;
  void FontChanged() override;

 private:
  bool auto_size_ = false, transparent_ = false, show_accel_ = true, word_wrap_ = false;
  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
};

class TCustomLabeledEdit;

// The label of a labelled edit: sits in the edit's parent, placed by the edit.
class TBoundLabel final : public TLabel {
  ZFW_CLASS(TBoundLabel)
 public:
  explicit TBoundLabel(TCustomLabeledEdit* edit);

 protected:
  void TextChanged() override;
  void FontChanged() override;

 private:
  TCustomLabeledEdit* edit_;
};

enum TLabelPosition { lpAbove, lpBelow, lpLeft, lpRight };

class TCustomLabeledEdit : public TCustomEdit {
  ZFW_CLASS(TCustomLabeledEdit)
 public:
  explicit TCustomLabeledEdit(TComponent* owner);
  TBoundLabel& EditLabel() { return *label_; }
  TBoundLabel* EditLabelObject() { return label_; }
  TLabelPosition LabelPosition() const { return position_; }
  void SetLabelPosition(TLabelPosition p);
  int LabelSpacing() const { return spacing_; }
  void SetLabelSpacing(int s);
  void SetParent(TWinControl* parent) override;
  void PlaceLabel();

 protected:
  void BoundsChanged() override;
  void VisibleChanged() override;
  void EnabledChanged() override;

 private:
  TBoundLabel* label_;  // owned as a component
  TLabelPosition position_ = lpAbove;
  int spacing_ = 3;
};

class TLabeledEdit final : public TCustomLabeledEdit {
  ZFW_CLASS(TLabeledEdit)
 public:
  explicit TLabeledEdit(TComponent* owner) : TCustomLabeledEdit(owner) {}
};

class TImage final : public TGraphicControl {
  ZFW_CLASS(TImage)
 public:
  explicit TImage(TComponent* owner);
  TPicture& Picture() { return picture_; }
  TPicture* PictureObject() { return &picture_; }
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool v) { stretch_ = v; Invalidate(); }
  bool Center() const { return center_; }
  void SetCenter(bool v) { center_ = v; Invalidate(); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v);

 protected:
  void Paint() override;

 private:
  void picture_changed();
  TPicture picture_;
  bool auto_size_ = false, stretch_ = false, center_ = false, transparent_ = false;
};

class TStatusPanel final : public TCollectionItem {
  ZFW_CLASS(TStatusPanel)
 public:
  explicit TStatusPanel(TCollection* owner) : owner_(owner) {}
  int Width() const { return width_; }
  void SetWidth(int w);
  const std::string& Text() const { return text_; }
  void SetText(const std::string& t);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a) { alignment_ = a; }

 private:
  TCollection* owner_;
  int width_ = 50;
  std::string text_;
  TAlignment alignment_ = taLeftJustify;
};

class TStatusBar final : public TWinControl {
  ZFW_CLASS(TStatusBar)
 public:
  explicit TStatusBar(TComponent* owner);
  TCollection& Panels() { return panels_; }
  TCollection* PanelsObject() { return &panels_; }
  TStatusPanel& Panel(int i) { return static_cast<TStatusPanel&>(*panels_.Item(i)); }
  bool SimplePanel() const { return simple_; }
  void SetSimplePanel(bool v);
  bool SizeGrip() const { return size_grip_; }
  void SetSizeGrip(bool v) { size_grip_ = v; RecreateWnd(); }
  // The text a panel's window part shows (SB_GETTEXT).
  std::string PanelText(int index);

 protected:
  void CreateParams(TCreateParams& p) override;
  void WindowCreated() override;

 private:
  void update_panels();
  TCollection panels_;
  bool simple_ = false, size_grip_ = true;
};

}  // namespace zfw
