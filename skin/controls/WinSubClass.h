// TSkinControl: the base of every control skin. It takes over a control's messages, lets the
// normal handling run, and then paints the control's look from the skin. Two modes:
// - control mode (Attach): the control is a framework control; the skin replaces its WindowProc
//   and keeps the old one to call on;
// - handle mode (AttachHandle): a bare window (a child of a system dialog); the skin subclasses
//   the window procedure through a thunk of its own and keeps the old procedure.
// A control skin registers with its form skin, which keeps the list and frees the skins of
// destroyed windows; one freed before its form skin tells the form skin first (ControlSkinGone).
#pragma once

#include <windows.h>

#include <string>

#include "framework/classes.h"
#include "framework/controls.h"
#include "framework/graphics.h"
#include "framework/messages.h"
#include "skin/frame/window_thunk.h"

namespace zembrel {

class TDataSkinObject;
class TSkinData;
class TWinSkinForm;

// Values of LifeState().
inline constexpr int kControlSkinCreated = 0;
inline constexpr int kControlSkinAttached = 1;
inline constexpr int kControlSkinDestroyed = 6;

// Bits of FButtonState.
inline constexpr unsigned kButtonHot = 1;
inline constexpr unsigned kButtonPressed = 2;

class TSkinControl : public zfw::TComponent {
  ZFW_CLASS(TSkinControl)
 public:
  explicit TSkinControl(zfw::TComponent* owner);
  ~TSkinControl() override;

  // Control mode: takes over control's WindowProc. A second Attach does nothing.
  virtual void Attach(TWinSkinForm* formSkin, TSkinData* skinData, zfw::TControl* control, bool ownColor,
                      zfw::TCanvas* canvas);
  // Handle mode: subclasses wnd.
  virtual void AttachHandle(HWND wnd, TSkinData* skinData, TWinSkinForm* formSkin, zfw::TCanvas* canvas);
  // Gives back what attach changed on the control (parent background, colour).
  virtual void Detach();
  // Gives the window procedure back; afterwards no message reaches this skin.
  void Unhook();
  // The skin was changed: take the new face colour and repaint.
  virtual void SkinChanged();
  virtual bool CanPaint() { return true; }
  // The form skin goes first: it forgets this skin; the skin must not call it any more.
  void FormSkinGone() { FFormSkin = nullptr; }

  int LifeState() const { return FLifeState; }
  HWND Handle() const { return FHandle; }
  zfw::TControl* Control() const { return FControl; }
  TWinSkinForm* FormSkin() const { return FFormSkin; }
  TSkinData* SkinData() const { return FSkinData; }
  bool Active() const { return FActive; }
  bool Attached() const { return FAttached; }
  int Mode() const { return FMode; }

  void Repaint();
  // Paints the whole window through Paint; dc 0 paints into the window's DC.
  virtual void PaintWindow(HDC dc);
  // Draws the control's look into dc; rect is the window's rectangle at the origin.
  virtual void Paint(HDC dc, const RECT& rect);

  // ---- property routines: by published name, quiet for a missing object or property ----
  static int GetIntProp(zfw::TPersistent* obj, const std::string& name);             // -1 when none
  static std::string GetEnumName(zfw::TPersistent* obj, const std::string& name);    // empty when none
  static std::wstring GetTextProp(zfw::TPersistent* obj, const std::string& name);   // empty when none
  static zfw::TPersistent* GetObjectProp(zfw::TPersistent* obj, const std::string& name, const std::string& className);
  static void SetPropText(zfw::TPersistent* obj, const std::string& name, const std::string& text);

  static std::wstring GetWindowTextWide(HWND wnd);
  // WS_POPUP, or the desktop's message-window parent of a combo box's drop-down list.
  static bool IsPopupWindow(HWND wnd);
  static void CopyBitmap(const zfw::TBitmap& source, zfw::TBitmap& target);

 protected:
  // true: the old handling runs, then AfterMessage; false: the message is finished.
  virtual bool BeforeMessage(zfw::TMessage& msg);
  virtual void AfterMessage(zfw::TMessage& msg);

  // The message procedure of both modes.
  void WndProc(zfw::TMessage& msg);
  void CallOldProc(zfw::TMessage& msg);
  LONG_PTR GetLong(HWND wnd, int index) const;
  void SetParentBackground(bool on);
  zfw::TColor ParentColor(zfw::TColor fallback) const;
  zfw::TColor FaceColor() const;
  void FillFace(HDC dc, const RECT& rect);
  void FillParentColor(HDC dc, const RECT& rect);
  static void FillColor(HDC dc, const RECT& rect, zfw::TColor colour);
  // The focus rectangle around FText laid out with flags inside rect.
  void DrawFocus(HDC dc, UINT flags, RECT rect);
  UINT TextFlags(UINT flags) const;
  void ForwardMouseDown(zfw::TMessage& msg);
  // WM_PAINT of skins that paint the whole window.
  void PaintClient(zfw::TMessage& msg);
  // WM_ERASEBKGND: the parent's image (control mode) or its colour (bare window).
  void EraseBackground(zfw::TMessage& msg);
  // Frame `frame` (from 1) of frameCount side by side, stretched to rect with the margins kept.
  static void DrawElement(HDC dc, const RECT& rect, int frameCount, int frame, TDataSkinObject* element);
  void DrawCaption(zfw::TCanvas& canvas, RECT rect, UINT align, bool enabled, const std::wstring& text);
  void DrawImageAndCaption(zfw::TCanvas& canvas, RECT rect, int align, const std::wstring& text, int imageIndex,
                           HIMAGELIST imageList);

  unsigned FButtonState = 0;
  zfw::TCanvas* FCanvas = nullptr;
  bool FEnabled = true;
  bool FFocused = false;
  std::wstring FText;
  bool FActive = true;
  bool FUnicode = false;
  TSkinData* FSkinData = nullptr;
  HWND FHandle = nullptr;
  zfw::TControl* FControl = nullptr;
  RECT FWindowRect{};
  zfw::TControl* FRepaintControl = nullptr;
  bool FOwnColor = false;
  zfw::TColor FSavedColor = 0;
  bool FAttached = false;
  int FLifeState = kControlSkinCreated;
  TWinSkinForm* FFormSkin = nullptr;
  int FMode = 0;
  bool FParentBackgroundWasOn = false;

 private:
  static LRESULT ThunkEntry(void* self, UINT msg, WPARAM wparam, LPARAM lparam);
  void RegisterWithFormSkin();
  zfw::TWndMethod FOldWindowProc;  // control mode
  WNDPROC FOldWndProc = nullptr;   // handle mode
  WindowThunk FThunk;              // handle mode: the window procedure bound to this skin
  bool FHooked = false;
};

}  // namespace zembrel
