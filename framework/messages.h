// The framework's notification numbers, which the skin engine listens for and which other code
// may send. All lie above WM_APP's private range of the classic framework (0xB000).
#pragma once

#include <windows.h>

namespace zfw {

inline constexpr UINT CM_BASE = 0xB000;
// To the form (and from there to its controls) when a key may be a dialog key: Tab, Enter,
// Escape, arrows. wParam = virtual key. A control that acts on it answers non-zero.
inline constexpr UINT CM_DIALOGKEY = 0xB005;
// To the form for a character typed with Alt held, or one the focused control does not want:
// wParam = the character. A control whose caption has it as accelerator clicks and answers 1.
inline constexpr UINT CM_DIALOGCHAR = 0xB006;
// Broadcast to every control of a form after the focus moved; lParam = the focused TWinControl.
inline constexpr UINT CM_FOCUSCHANGED = 0xB007;
// To a control after its Visible changed; wParam = the new value.
inline constexpr UINT CM_VISIBLECHANGED = 0xB00B;
// To a control after its Enabled changed.
inline constexpr UINT CM_ENABLEDCHANGED = 0xB00C;
inline constexpr UINT CM_COLORCHANGED = 0xB00D;
inline constexpr UINT CM_FONTCHANGED = 0xB00E;
inline constexpr UINT CM_TEXTCHANGED = 0xB012;
// To a control when the mouse comes over it / leaves it (windowed and windowless alike).
inline constexpr UINT CM_MOUSEENTER = 0xB013;
inline constexpr UINT CM_MOUSELEAVE = 0xB014;
// To a form after its main menu was assigned or one of its items changed.
inline constexpr UINT CM_MENUCHANGED = 0xB015;
// To a windowed control that gets the focus (enter) and to the one that loses it (exit).
inline constexpr UINT CM_ENTER = 0xB01A;
inline constexpr UINT CM_EXIT = 0xB01B;
// Posted to a form by Release(); the form frees itself when it arrives. Also sent to a control
// just before it is freed, so that whoever replaced its WindowProc can give it back.
inline constexpr UINT CM_RELEASE = 0xB021;
// To a windowed control that must throw its window away and make a new one; handled at once.
inline constexpr UINT CM_RECREATEWND = 0xB033;
// To a check box or radio button after its checked state changed (by the user or by code).
inline constexpr UINT CM_CHECKEDCHANGED = 0xB0D0;

// Notifications that a parent receives for a child (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*,
// WM_DRAWITEM, ...) are sent on to that child's control as CN_BASE + message.
inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;  // 0xBD11
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
inline constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
inline constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
inline constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
inline constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
inline constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
inline constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
inline constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
inline constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
inline constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
inline constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;

// A message as the framework passes it to WindowProc.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

}  // namespace zfw
