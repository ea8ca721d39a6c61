// A small skin with a frame of plain, telling colours, and a bare test window whose own window
// procedure records the messages that reach it, so that a test can see what the form skin passes
// on. The form skin is attached the way the skin manager does it: SetWindow, AttachWindow (or
// AttachForm), then SKM_INIT posted.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"
#include "skin/frame/nc_objects.h"
#include "skin/frame/skin_messages.h"
#include "tests/win/skin/data/skin_fixture.h"
#include "tests/win/ui/ui_driver.h"

namespace zembrel::test {

// Frame colours: frame 1 (active) and frame 2 (inactive) of each border.
inline constexpr COLORREF kLeftActive = RGB(200, 0, 0), kLeftInactive = RGB(0, 0, 200);
inline constexpr COLORREF kRightActive = RGB(0, 160, 0), kRightInactive = RGB(0, 0, 160);
inline constexpr COLORREF kTopActive = RGB(30, 60, 90), kTopInactive = RGB(90, 90, 90);
inline constexpr COLORREF kBottomActive = RGB(200, 200, 0), kBottomInactive = RGB(100, 100, 0);
inline constexpr COLORREF kMagenta = RGB(255, 0, 255);
inline constexpr COLORREF kTitleTextActive = RGB(255, 255, 0), kTitleTextInactive = RGB(0, 255, 255);
// Caption buttons: one colour per frame (normal, pressed, hot, disabled); each button kind its own.
inline COLORREF ButtonColour(int kind, int frame) { return RGB(40 * kind + 20, 50 * frame, 250 - 40 * kind); }
inline constexpr int kBorder = 4, kTitle = 24, kBottomBorder = 4;
inline constexpr int kButtonW = 16, kButtonH = 14;
// Right-anchored buttons: x = window width - Xcoord.
inline constexpr int kCloseX = 24, kMaxX = 44, kMinX = 64;

// Two frames of a border; frame 1 in active, frame 2 in inactive; corners cut by magenta.
inline std::vector<uint8_t> BorderBmp(int w, int h, bool vertical, COLORREF active, COLORREF inactive,
                                      std::function<bool(int x, int y)> cut) {
  const int W = vertical ? w : 2 * w, H = vertical ? 2 * h : h;
  return Bmp(W, H, [=](int x, int y) {
    const bool second = vertical ? y >= h : x >= w;
    const int lx = vertical ? x : x % w, ly = vertical ? y % h : y;
    if (cut && cut(lx, ly)) return kMagenta;
    return second ? inactive : active;
  });
}

inline std::vector<uint8_t> ButtonStrip(int kind) {
  return Bmp(4 * kButtonW, kButtonH, [kind](int x, int) { return ButtonColour(kind, x / kButtonW + 1); });
}

struct FrameSkinOptions {
  bool transparentCorners = true;
  int leftTrans = 1, rightTrans = 1, topTrans = 1, bottomTrans = 1;
  int textAlignment = 0;
};

inline FixtureSkin FrameSkin(const FrameSkinOptions& o = {}) {
  FixtureSkin skin;
  auto cutLeft = [on = o.transparentCorners](int x, int y) { return on && x < 2 && y < 2; };
  auto cutRight = [on = o.transparentCorners](int x, int y) { return on && x >= 2 && y < 2; };
  skin.definition =
      "[TitlebarSkin]\nSkinName=FrameTest\n"
      "[Personality]\n"
      "Left=left.bmp\nLeftTopHeight=" + std::to_string(kTitle) + "\nLeftBotHeight=4\nLeftFrame=2\nLeftStretch=1\nLeftTrans=" + std::to_string(o.leftTrans) + "\n"
      "Right=right.bmp\nRightTopHeight=" + std::to_string(kTitle) + "\nRightBotHeight=4\nRightFrame=2\nRightStretch=1\nRightTrans=" + std::to_string(o.rightTrans) + "\n"
      "Top=top.bmp\nTopTopHeight=4\nTopBotHeight=4\nTopFrame=2\nTopStretch=1\nTopTrans=" + std::to_string(o.topTrans) + "\n"
      "Bottom=bottom.bmp\nBottomFrame=2\nBottomStretch=1\nBottomTrans=" + std::to_string(o.bottomTrans) + "\n"
      "TextShift=24\nTextShiftVert=5\nTextRightClip=70\nTextAlignment=" + std::to_string(o.textAlignment) + "\n"
      "ActiveTextR=255\nActiveTextG=255\nActiveTextB=0\nInActiveTextR=0\nInActiveTextG=255\nInActiveTextB=255\n"
      "[Fonts]\nFontHeight=13\n"
      "[Colours]\nButtonFace=236 233 216\n"
      "[Button1]\nAction=0\nAlign=1\nXcoord=" + std::to_string(kCloseX) + "\nYcoord=5\nVisibility=0\nframe=4\nButtonImage=close.bmp\n"
      "[Button2]\nAction=1\nAlign=1\nXcoord=" + std::to_string(kMaxX) + "\nYcoord=5\nVisibility=2\nVisibility1=6\nframe=4\nButtonImage=max.bmp\n"
      "[Button3]\nAction=1\nAlign=1\nXcoord=" + std::to_string(kMaxX) + "\nYcoord=5\nVisibility=1\nVisibility1=6\nframe=4\nButtonImage=restore.bmp\n"
      "[Button4]\nAction=2\nAlign=1\nXcoord=" + std::to_string(kMinX) + "\nYcoord=5\nVisibility=6\nVisibility1=6\nframe=4\nButtonImage=min.bmp\n"
      "[Button5]\nAction=3\nAlign=0\nXcoord=5\nYcoord=4\nVisibility=0\n";
  skin.With("left.bmp", BorderBmp(kBorder, 40, false, kLeftActive, kLeftInactive, cutLeft))
      .With("right.bmp", BorderBmp(kBorder, 40, false, kRightActive, kRightInactive, cutRight))
      .With("top.bmp", BorderBmp(20, kTitle, true, kTopActive, kTopInactive, nullptr))
      .With("bottom.bmp", BorderBmp(20, kBottomBorder, true, kBottomActive, kBottomInactive, nullptr))
      .With("close.bmp", ButtonStrip(1))
      .With("max.bmp", ButtonStrip(2))
      .With("restore.bmp", ButtonStrip(3))
      .With("min.bmp", ButtonStrip(4));
  return skin;
}

// ---- the recording test window ----

struct Recorded {
  UINT msg;
  WPARAM wp;
  LPARAM lp;
};
inline std::vector<Recorded>& Log() {
  static std::vector<Recorded> log;
  return log;
}
inline int CountOf(UINT msg) {
  int n = 0;
  for (const Recorded& r : Log()) n += r.msg == msg;
  return n;
}

inline LRESULT CALLBACK RecordingProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  Log().push_back({msg, wp, lp});
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(wnd, &ps);
    FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EndPaint(wnd, &ps);
    return 0;
  }
  return IsWindowUnicode(wnd) ? DefWindowProcW(wnd, msg, wp, lp) : DefWindowProcA(wnd, msg, wp, lp);
}

inline void RegisterTestClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  WNDCLASSA a{};
  a.style = CS_DBLCLKS;
  a.lpfnWndProc = RecordingProc;
  a.hInstance = GetModuleHandleA(nullptr);
  a.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  a.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  a.lpszClassName = "ZFrameTestA";
  RegisterClassA(&a);
  WNDCLASSW w{};
  w.style = CS_DBLCLKS;
  w.lpfnWndProc = RecordingProc;
  w.hInstance = GetModuleHandleA(nullptr);
  w.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  w.lpszClassName = L"ZFrameTestW";
  RegisterClassW(&w);
}

inline constexpr int kClientW = 300, kClientH = 200;

// A top-level window with a client area of kClientW x kClientH under the system frame.
inline HWND MakeTestWindow(DWORD style = WS_OVERLAPPEDWINDOW, bool unicode = false, const char* title = "Frame test",
                           HMENU menu = nullptr) {
  RegisterTestClasses();
  RECT r{0, 0, kClientW, kClientH};
  AdjustWindowRectEx(&r, style, menu != nullptr, 0);
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (unicode)
    return CreateWindowExW(0, L"ZFrameTestW", L"Frame test", style, 60, 60, w, h, nullptr, menu, GetModuleHandleA(nullptr), nullptr);
  return CreateWindowExA(0, "ZFrameTestA", title, style, 60, 60, w, h, nullptr, menu, GetModuleHandleA(nullptr), nullptr);
}

inline SIZE ClientSize(HWND wnd) {
  RECT r{};
  GetClientRect(wnd, &r);
  return SIZE{r.right, r.bottom};
}
inline SIZE WindowSize(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

// A loaded skin data for the frame skin above (or another), with SkinControls as the program has them.
inline std::unique_ptr<TSkinData> LoadedSkinData(const FixtureSkin& skin = FrameSkin()) {
  auto data = std::make_unique<TSkinData>(nullptr);
  LoadFixture(*data, skin);
  EXPECT_FALSE(data->Loading());
  return data;
}

// Attaches a form skin to a bare window and lets SKM_INIT arrive.
inline TWinSkinForm* SkinBareWindow(HWND wnd, TSkinData& data, bool waitForStart = true) {
  auto* form = new TWinSkinForm(nullptr);
  form->SetWindow(wnd, ui::class_of(wnd), 0);
  form->AttachWindow(&data);
  PostMessageA(wnd, SKM_INIT, 0, 1000);
  if (waitForStart) ui::pump_until([form] { return form->State() == kFormRunning; }, 3000);
  return form;
}

// A pixel of the window as drawn on screen, window coordinates.
inline COLORREF WindowPixel(HWND wnd, int x, int y) {
  HDC dc = GetWindowDC(wnd);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(wnd, dc);
  return c;
}

inline bool Near(COLORREF a, COLORREF b, int tol = 8) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tol && std::abs(GetGValue(a) - GetGValue(b)) <= tol &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tol;
}

// Destroys the window and frees its form skin, as the manager's purge does after WM_NCDESTROY.
struct SkinnedWindow {
  HWND wnd = nullptr;
  TWinSkinForm* form = nullptr;
  ~SkinnedWindow() {
    if (wnd && IsWindow(wnd)) DestroyWindow(wnd);
    delete form;
  }
};

}  // namespace zembrel::test
