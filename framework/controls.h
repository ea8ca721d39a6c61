// Controls: windowless ones (painted by their parent) and windowed ones (with a window of a
// class named like the control's class). Every message reaches a control through WindowProc, a
// replaceable method: whoever replaces it keeps the previous one, calls on to it, and puts it
// back. Windows of the framework carry their control in the window property named by the
// control atom (ControlAtom()).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/classes.h"
#include "framework/graphics.h"
#include "framework/messages.h"

namespace zfw {

class TWinControl;
class TCustomForm;
class TBasicAction;

using TWndMethod = std::function<void(TMessage&)>;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
inline constexpr unsigned kDefaultAnchors = akLeft | akTop;
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

// Bits of ControlStyle.
enum TControlStyle : unsigned {
  csAcceptsControls = 1,   // may be the parent of other controls
  csClickEvents = 2,       // a mouse click inside runs Click
  csOpaque = 4,            // paints its whole rectangle
  csParentBackground = 8,  // draws its parent's background behind itself
};

// The atom "ControlOfs%.8X%.8X" (module instance, thread id), made on first use.
ATOM ControlAtom();
// The framework control of a window of this module and thread, or null.
TWinControl* FindControl(HWND wnd);

class TControl : public TComponent {
  ZFW_CLASS(TControl)
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  // Starts as a call of WndProc. Replace it to see every message of this control first.
  TWndMethod WindowProc;
  LRESULT Perform(UINT msg, WPARAM wparam = 0, LPARAM lparam = 0);
  virtual void WndProc(TMessage& m);
  // What happens to a message nobody handled: windowless controls do nothing; windowed ones call
  // the procedure of the window class they are built on.
  virtual void DefaultHandler(TMessage& m);

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  void SetParentComponent(TComponent* parent) override;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  // Moves the control; the anchors measure from the bounds set here.
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
  virtual RECT ClientRect() const { return RECT{0, 0, width_, height_}; }
  int ClientWidth() const { return ClientRect().right; }
  int ClientHeight() const { return ClientRect().bottom; }
  virtual void SetClientWidth(int w) { SetWidth(w); }
  virtual void SetClientHeight(int h) { SetHeight(h); }

  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible here and in every parent up to the form.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  TColor Color() const { return color_; }
  void SetColor(TColor c);
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool v);
  bool ParentBackground() const { return (style_ & csParentBackground) != 0; }
  void SetParentBackground(bool v) { style_ = v ? (style_ | csParentBackground) : (style_ & ~unsigned(csParentBackground)); }
  TFont& Font() { return font_; }
  TFont* FontObject() { return &font_; }
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool v);

  // Caption and Text are one text.
  virtual std::string Text() const { return text_; }
  virtual void SetText(const std::string& text);

  unsigned Anchors() const { return anchors_; }
  void SetAnchors(unsigned a);
  TAlign Align() const { return align_; }
  void SetAlign(TAlign a);
  TBiDiMode BiDiMode() const { return bidi_; }
  void SetBiDiMode(TBiDiMode b) { bidi_ = b; }
  int Cursor() const { return cursor_; }
  void SetCursor(int c) { cursor_ = c; }
  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool v) { show_hint_ = v; }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& h) { hint_ = h; }
  unsigned ControlStyle() const { return style_; }
  void SetControlStyle(unsigned s) { style_ = s; }

  TBasicAction* Action() const { return action_; }
  void SetAction(TBasicAction* action);
  // The action's state changed (Enabled, Checked, Caption); copies what this control shows.
  virtual void ActionChanged();

  TNotifyEvent OnClick;
  // Runs the action, or else OnClick.
  virtual void Click();

  virtual void Invalidate();
  void Repaint();
  TCustomForm* ParentForm() const;
  bool MouseInControl() const { return mouse_in_; }
  // Moves without recording the anchor measures: used by the parent when it aligns or anchors.
  void PlaceBounds(int left, int top, int width, int height);
  // Re-measure the anchors against the parent's current size.
  void UpdateAnchorRules();
  void AnchorTo(int parent_width, int parent_height);

  void Loaded() override;
  void Notification(TComponent* c, TOperation op) override;

 protected:
  virtual void BoundsChanged() {}
  virtual void VisibleChanged();
  virtual void EnabledChanged();
  virtual void TextChanged() { Invalidate(); }
  virtual void ColorChanged() { Invalidate(); }
  virtual void FontChanged() { Invalidate(); }
  virtual void ParentColorChanged();
  virtual void ParentFontChanged();
  TColor ResolvedColor() const;

  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true, enabled_ = true;
  TColor color_ = clBtnFace;
  bool parent_color_ = true, parent_font_ = true, mouse_in_ = false, mouse_down_ = false;
  std::string text_;
  unsigned style_ = csClickEvents;
  unsigned anchors_ = kDefaultAnchors;
  TAlign align_ = alNone;
  TBiDiMode bidi_ = bdLeftToRight;
  int cursor_ = crDefault;
  bool show_hint_ = false;
  std::string hint_;
  TFont font_;
  TWinControl* parent_ = nullptr;
  TBasicAction* action_ = nullptr;

 private:
  friend class TWinControl;
  // Anchor measures: the bounds as set and the parent's client size at that moment.
  RECT anchor_bounds_{};
  int anchor_parent_w_ = -1, anchor_parent_h_ = -1;
};

// Painted by its parent into the parent's device context (WM_PAINT with wParam = the DC,
// origin moved to the control's top-left corner).
class TGraphicControl : public TControl {
  ZFW_CLASS(TGraphicControl)
 public:
  explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
  void WndProc(TMessage& m) override;
  TCanvas& Canvas() { return canvas_; }

 protected:
  virtual void Paint() {}
  TCanvas canvas_;
};

struct TCreateParams {
  std::string caption;
  DWORD style = 0;
  DWORD ex_style = 0;
  int x = 0, y = 0, width = 0, height = 0;
  HWND parent = nullptr;
  HMENU menu = nullptr;      // a top-level window's menu bar
  std::string base_class;  // the system class this window class is built on, or empty
  UINT class_style = CS_DBLCLKS;
};

class TWinControl : public TControl {
  ZFW_CLASS(TWinControl)
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  HWND Handle();  // creates the window, and its parents' windows, when needed
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  void DestroyHandle();
  // Throws the window away and makes a new one with the same state (CM_RECREATEWND).
  void RecreateWnd();

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool v) { tab_stop_ = v; }
  // The windowed children in tab order; with all_levels, containers' children follow in place.
  std::vector<TWinControl*> TabOrderList(bool all_levels) const;

  bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();

  // Runs the message through WindowProc of every child control.
  void Broadcast(TMessage& m);
  // Anchors and alignment of the children to this control's client area.
  void AlignControls();
  // Paints the windowless children into dc (the client area's coordinates).
  void PaintControls(HDC dc);
  // The windowless child under a client point, or null.
  TControl* ControlAtPos(POINT p) const;

  RECT ClientRect() const override;
  void SetBounds(int left, int top, int width, int height) override;
  std::string Text() const override;
  void SetText(const std::string& text) override;
  void Invalidate() override;
  void WndProc(TMessage& m) override;
  void DefaultHandler(TMessage& m) override;

  TBrush& Brush() { return brush_; }
  // Puts the children read from a description into the tab order they were stored with.
  void Loaded() override;

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // After the window exists: push the state kept meanwhile (texts, items) into it.
  virtual void WindowCreated() {}
  // Before the window goes: keep its state (items of a list) for a new window.
  virtual void SaveWindowState() {}
  void BoundsChanged() override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void FontChanged() override;
  void ColorChanged() override;
  // The control's answer to a reflected WM_CTLCOLOR*: text and back colours, its brush.
  virtual LRESULT CtlColor(HDC dc);
  // Custom-painted controls paint here (client coordinates, already off screen).
  virtual void PaintWindow(HDC dc);
  bool custom_paint_ = false;  // no system class: WM_PAINT paints through PaintWindow
  TCanvas canvas_;
  TBrush brush_;
  int tab_order_ = -1;
  bool tab_stop_ = false;

 private:
  friend class TControl;
  friend LRESULT CALLBACK FrameworkWndProc(HWND, UINT, WPARAM, LPARAM);
  void insert_control(TControl* c);
  void remove_control(TControl* c);
  void handle_mouse_for_children(TMessage& m);
  void update_hover(TControl* over);
  void do_paint(HDC given);
  void attach(HWND wnd);
  void detach();
  HWND handle_ = nullptr;
  WNDPROC default_proc_ = nullptr;
  std::vector<TControl*> controls_;  // children, windowless and windowed
  std::vector<TWinControl*> tab_list_;
  TControl* hover_child_ = nullptr;
  TControl* captured_child_ = nullptr;
  bool tracking_leave_ = false;
};

// A windowed control that paints itself (group boxes, panels, forms).
class TCustomControl : public TWinControl {
  ZFW_CLASS(TCustomControl)
 public:
  explicit TCustomControl(TComponent* owner) : TWinControl(owner) { custom_paint_ = true; }
  TCanvas& Canvas() { return canvas_; }

 protected:
  void PaintWindow(HDC dc) override;
  virtual void Paint() {}
};

// Registers the window class of a control class: built on base_class (a system class) or on
// DefWindowProcA when empty. Returns the procedure messages fall back to.
WNDPROC RegisterControlClass(const std::string& class_name, const std::string& base_class, UINT class_style);

// Accelerator of a caption: the character after a single '&', upper-cased, or 0.
char AccelChar(const std::string& caption);

}  // namespace zfw
