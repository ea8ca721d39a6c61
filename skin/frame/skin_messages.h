// The skin engine's private window messages, in one place. The three 0xBC4x messages are only
// honoured when their second parameter carries kSkinHandshake.
#pragma once

#include <windows.h>

namespace zembrel {

// To a framework form: take up the skin again.
inline constexpr UINT SKM_SKINCHANGED = 0x3401;
// To a window: repaint the skinned frame.
inline constexpr UINT SKM_REPAINTFRAME = 0x3502;
// Posted by the skin manager once a form skin is attached: the form skin finishes its set-up.
inline constexpr UINT SKM_INIT = 0x3503;
inline constexpr UINT SKM_ENABLE = 0x3506;
// Posted to a window when a caption button with an action of the application's own is clicked;
// wParam = that action.
inline constexpr UINT SKM_BUTTONCLICK = 0x3514;
// Sent to a window to ask whether a caption button with a visibility code 1000..2000 is shown;
// wParam = the code, lParam = the action; an answer above 0 shows it.
inline constexpr UINT SKM_BUTTONVISIBLE = 0x3515;
// Posted to an MDI client, wParam = a child window: the frame redraws itself whole.
inline constexpr UINT SKM_MDIREDRAW = 0x3516;
// Posted by a scroll-bar control skin to its form, wParam = the control's window: replace its skin.
inline constexpr UINT SKM_RESKINSCROLL = 0x3517;
// To a window, lParam = a screen point: the menu-bar item under it opens its drop-down.
inline constexpr UINT SKM_MENUPOPUP = 0x3518;
// Answered 1 by a skinned window; a window that answers 1 is not skinned again.
inline constexpr UINT SKM_QUERY = 0x3523;

inline constexpr LPARAM kSkinHandshake = 0x41A2;
// A control skin paints itself (wParam = DC).
inline constexpr UINT SKM_PAINTSELF = 0xBC4A;
// To a framework form: paint the frame into the DC in wParam; answered kSkinHandshake.
inline constexpr UINT SKM_PAINTTO = 0xBC4B;
// To a framework form: answered kSkinHandshake when asked with it, else 1.
inline constexpr UINT SKM_PAINTQUERY = 0xBC4D;
// Posted by a form skin to its window after skinning and on every SKM_QUERY.
inline constexpr UINT SKM_SKINNED = 0xBC4E;

}  // namespace zembrel
