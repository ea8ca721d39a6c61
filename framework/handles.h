// Owned and borrowed Win32 handles. Every owned handle type is move-only; the scoped guards undo
// exactly what they did (a selection, a saved DC state, a GetDC) when they leave scope.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace zfw {

// Closes its handle with Traits::close; copy deleted, move transfers ownership.
template <class H, class Traits>
class Owned {
 public:
  Owned() = default;
  explicit Owned(H h) : h_(h) {}
  ~Owned() { reset(); }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& o) noexcept : h_(std::exchange(o.h_, H{})) {}
  Owned& operator=(Owned&& o) noexcept {
    if (this != &o) {
      reset();
      h_ = std::exchange(o.h_, H{});
    }
    return *this;
  }
  H get() const { return h_; }
  explicit operator bool() const { return h_ != H{}; }
  H release() { return std::exchange(h_, H{}); }
  void reset(H h = H{}) {
    if (h_ != H{}) Traits::close(h_);
    h_ = h;
  }

 private:
  H h_{};
};

struct GdiObjectTraits {
  static void close(HGDIOBJ h) { DeleteObject(h); }
};
struct MemoryDcTraits {
  static void close(HDC h) { DeleteDC(h); }
};
struct MenuTraits {
  static void close(HMENU h) { DestroyMenu(h); }
};
struct IconTraits {
  static void close(HICON h) { DestroyIcon(h); }
};
struct ImageListTraits {
  static void close(HIMAGELIST h) { ImageList_Destroy(h); }
};

using OwnedBitmap = Owned<HBITMAP, GdiObjectTraits>;
using OwnedFont = Owned<HFONT, GdiObjectTraits>;
using OwnedBrush = Owned<HBRUSH, GdiObjectTraits>;
using OwnedPen = Owned<HPEN, GdiObjectTraits>;
using OwnedRegion = Owned<HRGN, GdiObjectTraits>;
using OwnedDc = Owned<HDC, MemoryDcTraits>;  // from CreateCompatibleDC
using OwnedMenu = Owned<HMENU, MenuTraits>;
using OwnedIcon = Owned<HICON, IconTraits>;
using OwnedImageList = Owned<HIMAGELIST, ImageListTraits>;

// A borrowed handle: names a handle that someone else frees. Copyable, never closes.
template <class H>
struct Borrowed {
  H h{};
  H get() const { return h; }
};

// GetDC / ReleaseDC: the client area; or GetWindowDC: the whole window, frame included.
enum class DcArea { Client, WholeWindow };
class WindowDc {
 public:
  explicit WindowDc(HWND wnd, DcArea area = DcArea::Client)
      : wnd_(wnd), dc_(area == DcArea::WholeWindow ? GetWindowDC(wnd) : GetDC(wnd)) {}
  // Takes over a DC already got for wnd (GetDCEx).
  WindowDc(HWND wnd, HDC dc) : wnd_(wnd), dc_(dc) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(wnd_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
};

// SelectObject, undone at scope end.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
  ~SelectGuard() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// SaveDC / RestoreDC.
class SaveDcGuard {
 public:
  explicit SaveDcGuard(HDC dc) : dc_(dc), state_(SaveDC(dc)) {}
  ~SaveDcGuard() {
    if (state_) RestoreDC(dc_, state_);
  }
  SaveDcGuard(const SaveDcGuard&) = delete;
  SaveDcGuard& operator=(const SaveDcGuard&) = delete;

 private:
  HDC dc_;
  int state_;
};

// Redrawing of a visible window switched off for a change that moves its frame and its children
// several times; at scope end it is switched on again and the whole window, frame and children,
// is invalidated, to be painted once.
class RedrawPause {
 public:
  explicit RedrawPause(HWND wnd) : wnd_(IsWindowVisible(wnd) ? wnd : nullptr) {
    if (wnd_) SendMessageA(wnd_, WM_SETREDRAW, FALSE, 0);
  }
  ~RedrawPause() {
    if (!wnd_ || !IsWindow(wnd_)) return;
    SendMessageA(wnd_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(wnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  RedrawPause(const RedrawPause&) = delete;
  RedrawPause& operator=(const RedrawPause&) = delete;

 private:
  HWND wnd_;
};

// BeginPaint / EndPaint.
class PaintGuard {
 public:
  explicit PaintGuard(HWND wnd) : wnd_(wnd) { BeginPaint(wnd, &ps_); }
  ~PaintGuard() { EndPaint(wnd_, &ps_); }
  PaintGuard(const PaintGuard&) = delete;
  PaintGuard& operator=(const PaintGuard&) = delete;
  HDC dc() const { return ps_.hdc; }
  const RECT& area() const { return ps_.rcPaint; }

 private:
  HWND wnd_;
  PAINTSTRUCT ps_{};
};

// Off-screen painting: a bitmap of the target rectangle's size; drawing goes to dc() in the
// target's coordinates, and the whole rectangle is copied to the target once, at scope end.
class BufferedPaint {
 public:
  BufferedPaint(HDC target, const RECT& area)
      : target_(target), area_(area), dc_(CreateCompatibleDC(target)),
        bitmap_(CreateCompatibleBitmap(target, width(), height())), select_(dc_.get(), bitmap_.get()) {
    SetWindowOrgEx(dc_.get(), area_.left, area_.top, nullptr);
  }
  ~BufferedPaint() {
    SetWindowOrgEx(dc_.get(), 0, 0, nullptr);
    BitBlt(target_, area_.left, area_.top, width(), height(), dc_.get(), 0, 0, SRCCOPY);
  }
  BufferedPaint(const BufferedPaint&) = delete;
  BufferedPaint& operator=(const BufferedPaint&) = delete;
  HDC dc() const { return dc_.get(); }

 private:
  int width() const { return area_.right > area_.left ? area_.right - area_.left : 1; }
  int height() const { return area_.bottom > area_.top ? area_.bottom - area_.top : 1; }
  HDC target_;
  RECT area_;
  OwnedDc dc_;
  OwnedBitmap bitmap_;
  SelectGuard select_;
};

}  // namespace zfw
