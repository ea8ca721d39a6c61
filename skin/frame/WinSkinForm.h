// TWinSkinForm: the form skin. It takes over the frame of one top-level window (a framework
// form, a message box, a system dialog, an MDI child): replaces its window procedure, answers the
// non-client messages itself, paints the borders, the title bar with the caption text and the
// caption buttons off screen, cuts the window region from the borders' transparent colour, and
// owns the control skins of the window's controls.
//
// Life of a form skin: the skin manager creates it, names the window (SetWindow), attaches it
// (AttachForm or AttachWindow) and posts SKM_INIT; the rest of the set-up runs when that arrives.
// Stop gives everything back without touching the window's look (the window is going away);
// Restore puts the window back as it was.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/classes.h"
#include "framework/controls.h"
#include "framework/graphics.h"
#include "framework/handles.h"
#include "framework/messages.h"
#include "skin/frame/window_thunk.h"

namespace zfw {
class TCustomForm;
class TTimer;
}  // namespace zfw

namespace zembrel {

class TSkinData;
class TSkinControl;
class TNCObject;
class TWinSysButton;
class TWinSkinMenu;
class TMenuBtn;
class TFormMenus;

// Values of State().
enum TFormSkinState : int {
  kFormCreated = 0,     // SKM_INIT not handled yet
  kFormRunning = 1,
  kFormRefreshing = 3,
  kFormDestroying = 4,  // WM_NCDESTROY in progress
  kFormFirstResize = 5, // the resize of SKM_INIT in progress
  kFormDestroyed = 6,   // the window is gone; the manager frees the object
};
// Values of MDIKind().
enum TMDIKind : int { kNotMDI = 0, kMDIFrame = 1, kMDIChild = 2 };
// Values of FFrameKind.
enum TFrameKind : int { kFrameSizeable = 0, kFrameFixed = 1, kFrameNoCaption = 2, kFrameDialog = 3 };
// Values of FSizeState.
enum TSizeState : int { kSizeNormal = 0, kSizeMaximized = 1, kSizeMinimized = 2 };
// Bits of FWindowFlags.
inline constexpr int kHasMaximizeBox = 1, kHasMinimizeBox = 2, kHasSystemMenu = 8, kCaptionRemoved = 0x10;

class TWinSkinForm final : public zfw::TComponent {
  ZFW_CLASS(TWinSkinForm)
 public:
  explicit TWinSkinForm(zfw::TComponent* owner);
  ~TWinSkinForm() override;

  // ---- for the skin manager ----
  void SetWindow(HWND wnd, const std::string& className, uint32_t ownerId);
  void AttachForm(TSkinData* skinData, zfw::TCustomForm* form);
  void AttachWindow(TSkinData* skinData);
  void Stop();
  void Restore();
  void FreeButtons();
  void ReadFrameMetrics();
  void RefreshSkin();
  void SetCaptionStyle(bool on);
  void FrameChanged();
  void DropRegion();
  void UpdateRegion();
  static void Repaint(HWND wnd);
  // The per-child half of the manager's MDI maximise switch.
  void ApplyMDIMaximized(bool flag);

  HWND Handle() const { return FWnd; }
  zfw::TCustomForm* Form() const { return FForm; }
  TSkinData* SkinData() const { return FSkinData; }
  int State() const { return FState; }
  int MDIKind() const { return FMDIKind; }
  bool FrameSkinned() const { return FFrameSkinned; }
  uint32_t OwnerId() const { return FOwnerId; }
  const std::string& Name() const { return FName; }

  // ---- for control skins ----
  // True when the skin is already registered; otherwise appends it.
  bool RegisterControlSkin(TSkinControl* skin);
  void UnregisterControlSkin(TSkinControl* skin);
  TSkinControl* FindControlSkin(HWND wnd) const;
  zfw::TCanvas* ControlCanvas() { return &FControlCanvas; }
  // A control skin about to be freed by its control: every pointer to it is dropped.
  void ControlSkinGone(TSkinControl* skin);
  // Bare windows: the control skin under the mouse, told to leave by the hover timer.
  void SetHotControl(TSkinControl* skin) { FHotControl = skin; }
  const std::vector<TSkinControl*>& ControlSkins() const { return FControlSkins; }
  // Frees the control skins whose windows are gone, last first.
  void PurgeDestroyedControlSkins();

  // ---- the frame, as painted and measured ----
  // Border widths: left, title bar, right, bottom; and the menu band's height below the title.
  int BorderLeft() const { return FBorderLeft; }
  int BorderTop() const { return FBorderTop; }
  int BorderRight() const { return FBorderRight; }
  int BorderBottom() const { return FBorderBottom; }
  int MenuHeight() const { return FMenuHeight; }
  bool Active() const { return FActive; }
  int SizeState() const { return FSizeState; }
  // Paints the whole frame into dc (window coordinates), or into the window DC when dc is null.
  void PaintFrame(HDC dc);
  // Screen point (as in a message) to window coordinates of the frame.
  POINT ScreenToFrame(int x, int y) const;
  // The caption buttons in the skin's order.
  const std::vector<std::unique_ptr<TWinSysButton>>& Buttons() const { return FButtons; }
  TNCObject* HotObject() const { return FHotObject; }
  // The skinned menu bar; null for a window without a menu.
  TWinSkinMenu* MenuBar() const { return FMenuBar.get(); }

 private:
  friend class TNCObject;
  friend class TWinSysButton;

  // ---- attach, start, stop (WinSkinForm.cpp) ----
  void Attach(TSkinData* skinData);
  void ReadWindowKind();
  void HookClient();
  void UnhookClient();
  void HookWindow();
  void UnhookWindow();
  void Start();
  void MeasureOriginalFrame();
  void AfterSkin();
  void StopControlSkins();
  bool UnhookAll();
  void RestoreUnskinned();
  void MakeCaptionFont();
  bool HasSystemMenuClose() const;

  // ---- message handling (form_messages.cpp) ----
  static LRESULT WindowEntry(void* self, UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT ClientEntry(void* self, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT CallOld(UINT msg, WPARAM wp, LPARAM lp);
  void WindowProc(zfw::TMessage& m);
  bool StageOne(zfw::TMessage& m);
  bool StageTwo(zfw::TMessage& m, bool& further);
  void StageThree(zfw::TMessage& m, bool further);
  void ClientWindowProc(zfw::TMessage& m);
  void FormWindowProc(zfw::TMessage& m);
  void CallOldForm(zfw::TMessage& m);
  void SizeHandler(zfw::TMessage& m);
  void ActivationHandler(zfw::TMessage& m);
  void SetTextHandler(zfw::TMessage& m);
  void DialogCharHandler(zfw::TMessage& m);
  void MenuChangedHandler(zfw::TMessage& m, bool fromForm);
  void ReskinScroll(HWND wnd);
  void HoverTimer();
  void ReadSizeState();
  bool ActiveChildMaximized() const;
  bool IsMaximizedMDIChild() const { return FMDIKind == kMDIChild && FSizeState == kSizeMaximized; }

  // ---- frame painting and regions (frame_paint.cpp) ----
  void PaintFrameMessage(zfw::TMessage& m);
  void PaintTitle(HDC dc);
  void DrawBorder(int index, const RECT& rect, HDC dc);
  void CalcClientArea(zfw::TMessage& m);
  void ResizeToClient(bool keepClient);
  void WidenForCaption(int& width);
  void SetSystemMenuStyle(bool remove);
  void DropRegion(bool redraw);
  zfw::OwnedRegion BorderRegion(int index, int width, int height);

  // ---- the caption text (caption_text.cpp) ----
  void MakeTitleFont();
  void ReadCaptionText();
  void DrawCaptionText(HDC dc);
  int CaptionRightLimit() const;

  // ---- caption buttons and hit-testing (caption_buttons.cpp, frame_mouse.cpp) ----
  void BuildButtons();
  void ReadIcon();
  void DrawIcon(HDC dc, const RECT& rect);
  bool IsButtonShown(TWinSysButton& button);
  bool VisibilityHolds(int code, bool second) const;
  void LayoutButtons();
  void PaintButtons(HDC dc);
  void PaintButton(TWinSysButton& button, int state);
  TWinSysButton* HitButton(POINT p) const;
  TNCObject* ItemAt(POINT p) const;
  void ButtonAction(int x, int y);
  void Maximize();
  void Minimize();
  void RestoreWindow();
  void SendToActiveChild(WPARAM code);
  void ShowSystemMenu(POINT screen);
  void SetHotObject(TNCObject* object) { FHotObject = object; }
  // Drops every pointer to the objects of the menu band before it changes them.
  void ForgetMenuBandObjects();
  void HitTest(zfw::TMessage& m);
  void NCMouseMove(zfw::TMessage& m);
  void NCLButtonDown(zfw::TMessage& m);
  void NCLButtonUp(zfw::TMessage& m);
  void NCLButtonDblClk(zfw::TMessage& m);
  void NCRButtonDown(zfw::TMessage& m);
  void SysCommand(zfw::TMessage& m);
  void MenuPopupAt(zfw::TMessage& m);
  bool OpenMenuItem(TMenuBtn* item);
  void EnableSystemMenuItems();
  void PostClose();

  // ---- fields ----
  zfw::TWndMethod FOldFormWndProc;  // the form's previous WindowProc while taken over
  WNDPROC FOldWndProc = nullptr;
  WindowThunk FWndProcInstance;
  WNDPROC FOldClientProc = nullptr;
  WindowThunk FClientProcInstance;
  zfw::OwnedFont FCaptionFont;
  zfw::OwnedFont FTitleFont;  // the caption font at the skin's FontHeight
  bool FStarted = false;
  zfw::TTimer* FTimer = nullptr;  // owned as a component
  std::string FClassName;
  bool FSavedMenuUpdate = true;
  bool FFrameSkinned = false;
  RECT FClientRect{};
  DWORD FLastMenuTick = 0;
  int FDoubleClickTime = 0;
  int FCaptionTextWidth = 0;
  HWND FOwnerWnd = nullptr;
  HICON FIcon = nullptr;
  int FIconSize = 16;
  std::wstring FCaptionText;
  int FBorderLeft = 0, FBorderTop = 0, FBorderRight = 0, FBorderBottom = 0;
  RECT FWindowRect{};
  int FAnchorRight = 0, FAnchorLeft = 0;
  RECT FOriginalFrame{};
  int FMenuHeight = 0;
  int FButtonCount = 0;
  bool FTrackingMenu = false;
  bool FRightToLeft = false;
  bool FSizeable = false;
  bool FUnicode = false;
  bool FMessageBox = false;
  bool FIsChild = false;
  HWND FMDIClient = nullptr;
  HMENU FMenu = nullptr;
  HMENU FSystemMenu = nullptr;
  zfw::TColor FSavedColor = 0;
  DWORD FStyle = 0;
  TNCObject* FHotObject = nullptr;  // one of FButtons or of the menu band's items
  TNCObject* FPressedObject = nullptr;  // the object the left button went down on
  bool FRegionOwned = false;
  zfw::TCustomForm* FForm = nullptr;
  HWND FWnd = nullptr;
  zfw::TCanvas FCanvas, FControlCanvas;
  TSkinData* FSkinData = nullptr;
  std::unique_ptr<TWinSkinMenu> FMenuBar;
  std::unique_ptr<TFormMenus> FMenus;  // the system menu popup and the owner-drawn menu items
  HMENU FTrackedMenu = nullptr;        // the drop-down of the bar that is open
  std::vector<std::unique_ptr<TWinSysButton>> FButtons;
  zfw::TBitmap FIconBitmap;
  zfw::TBitmap FTitleBitmap;  // the whole frame, composed off screen
  zfw::TBitmap FTitleBack;    // the title bar as composed before its buttons
  std::vector<TSkinControl*> FControlSkins;  // owned
  int FWidth = 0, FHeight = 0;
  int FRegionWidth = 0, FRegionHeight = 0;
  bool FActive = true;
  int FMDIKind = kNotMDI;
  int FFrameKind = kFrameFixed;
  int FWindowFlags = 0;
  int FSizeState = kSizeNormal;
  int FState = kFormCreated;
  TSkinControl* FHotControl = nullptr;
  uint32_t FOwnerId = 0;
  std::string FName;
};

}  // namespace zembrel
