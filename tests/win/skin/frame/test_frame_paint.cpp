// The painted frame and the window region, read back from the window: the borders in the active
// and the inactive look, the caption text's colour and place, the corners cut by the borders'
// transparent colour, and the client area the skinned frame leaves.
#include <gtest/gtest.h>

#include "frame_fixture.h"

namespace zembrel::test {
namespace {

struct Window {
  std::unique_ptr<TSkinData> data;
  SkinnedWindow w;
  int W = 0, H = 0;
  explicit Window(const FixtureSkin& skin = FrameSkin(), DWORD style = WS_OVERLAPPEDWINDOW, const char* title = "Frame test") {
    data = LoadedSkinData(skin);
    w.wnd = MakeTestWindow(style, false, title);
    ShowWindow(w.wnd, SW_SHOWNORMAL);
    SetForegroundWindow(w.wnd);
    ui::pump(50);
    w.form = SkinBareWindow(w.wnd, *data);
    ui::pump(100);
    W = WindowSize(w.wnd).cx;
    H = WindowSize(w.wnd).cy;
  }
  void SetActiveLook(bool active) {
    SendMessageA(w.wnd, WM_NCACTIVATE, active, 0);
    ui::pump(30);
  }
  // The first and last columns of the title rows that hold a pixel near the colour; -1 for none.
  std::pair<int, int> ColumnsOf(COLORREF colour) const {
    int first = -1, last = -1;
    HDC dc = GetWindowDC(w.wnd);
    for (int y = 0; y < kTitle; ++y)
      for (int x = 0; x < W; ++x)
        if (Near(GetPixel(dc, x, y), colour, 60)) {
          if (first < 0 || x < first) first = x;
          last = std::max(last, x);
        }
    ReleaseDC(w.wnd, dc);
    return {first, last};
  }
};

TEST(FramePaint, BordersShowTheActiveAndTheInactiveFrame) {
  Window t;
  struct Spot {
    const char* name;
    int x, y;
    COLORREF active, inactive;
  };
  const Spot spots[] = {
      {"left", 1, t.H / 2, kLeftActive, kLeftInactive},
      {"right", t.W - 2, t.H / 2, kRightActive, kRightInactive},
      {"bottom", t.W / 2, t.H - 2, kBottomActive, kBottomInactive},
      {"title", t.W / 2, 1, kTopActive, kTopInactive},
  };
  for (bool active : {true, false, true}) {
    t.SetActiveLook(active);
    for (const Spot& s : spots) {
      const COLORREF seen = WindowPixel(t.w.wnd, s.x, s.y);
      EXPECT_TRUE(Near(seen, active ? s.active : s.inactive))
          << s.name << (active ? " active " : " inactive ") << std::hex << seen;
    }
  }
}

TEST(FramePaint, CaptionTextInItsColourBetweenTextShiftAndTheButtons) {
  Window t;
  t.SetActiveLook(true);
  auto [first, last] = t.ColumnsOf(kTitleTextActive);
  ASSERT_GE(first, 0) << "no caption text in the active colour";
  EXPECT_GE(first, 24);
  EXPECT_LT(last, t.W - 70);
  EXPECT_EQ(t.ColumnsOf(kTitleTextInactive).first, -1);

  t.SetActiveLook(false);
  EXPECT_GE(t.ColumnsOf(kTitleTextInactive).first, 24);
  EXPECT_EQ(t.ColumnsOf(kTitleTextActive).first, -1);
}

TEST(FramePaint, CaptionTextFollowsSetTextAndEndsBeforeTheClip) {
  Window t;
  t.SetActiveLook(true);
  SetWindowTextA(t.w.wnd, "");
  ui::pump(30);
  EXPECT_EQ(t.ColumnsOf(kTitleTextActive).first, -1);
  SetWindowTextA(t.w.wnd, "A caption far too long for the title bar of a window only three hundred pixels wide");
  ui::pump(30);
  auto [first, last] = t.ColumnsOf(kTitleTextActive);
  EXPECT_GE(first, 24);
  EXPECT_LT(last, t.W - 70);
  EXPECT_GT(last, t.W - 120) << "a long text fills the space up to its ellipsis";
}

TEST(FramePaint, CaptionTextAlignment) {
  struct Case {
    int alignment;
    const char* name;
  };
  for (const Case c : {Case{0, "left"}, Case{1, "right"}, Case{2, "centre"}}) {
    FrameSkinOptions o;
    o.textAlignment = c.alignment;
    Window t(FrameSkin(o));
    t.SetActiveLook(true);
    auto [first, last] = t.ColumnsOf(kTitleTextActive);
    ASSERT_GE(first, 0) << c.name;
    const int before = first - 24, after = (t.W - 70) - last;
    if (c.alignment == 0) {
      EXPECT_LT(before, 4) << c.name;
    }
    if (c.alignment == 1) {
      EXPECT_LT(after, 8) << c.name;
    }
    if (c.alignment == 2) {
      EXPECT_LT(std::abs(before - after), 8) << c.name;
    }
  }
}

TEST(FrameRegion, CornersAreCutAndTheWindowIsInside) {
  Window t;
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(t.w.wnd, rgn), ERROR);
  struct Point {
    int x, y;
    bool inside;
  };
  for (const Point& p : {Point{0, 0, false}, Point{1, 1, false}, Point{t.W - 1, 0, false}, Point{t.W - 2, 1, false},
                         Point{2, 2, true}, Point{t.W - 3, 0, true}, Point{t.W / 2, t.H / 2, true},
                         Point{0, t.H - 1, true}, Point{t.W - 1, t.H - 1, true}, Point{t.W / 2, 0, true}})
    EXPECT_EQ(PtInRegion(rgn, p.x, p.y) != FALSE, p.inside) << p.x << "," << p.y;
  DeleteObject(rgn);
}

TEST(FrameRegion, OpaqueSidesAndTitleGiveAPlainRectangle) {
  FrameSkinOptions o;
  o.leftTrans = o.rightTrans = o.topTrans = 0;
  o.bottomTrans = 1;
  Window t(FrameSkin(o));
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(t.w.wnd, rgn), SIMPLEREGION);
  RECT box{};
  GetRgnBox(rgn, &box);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.right, t.W);
  EXPECT_EQ(box.bottom, t.H);
  DeleteObject(rgn);
}

TEST(FrameRegion, FollowsTheWindowSize) {
  Window t;
  SetWindowPos(t.w.wnd, nullptr, 0, 0, t.W + 50, t.H + 30, SWP_NOMOVE | SWP_NOZORDER);
  ui::pump(30);
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(t.w.wnd, rgn), ERROR);
  RECT box{};
  GetRgnBox(rgn, &box);
  EXPECT_EQ(box.right, t.W + 50);
  EXPECT_EQ(box.bottom, t.H + 30);
  EXPECT_FALSE(PtInRegion(rgn, t.W + 49, 0));
  DeleteObject(rgn);
  const SIZE client = ClientSize(t.w.wnd);
  EXPECT_EQ(client.cx, t.W + 50 - 2 * kBorder);
  EXPECT_EQ(client.cy, t.H + 30 - kTitle - kBottomBorder);
}

TEST(FrameGeometry, CalcSizeWithoutValidRectsAnswersZero) {
  Window t;
  RECT r{100, 100, 400, 300};
  EXPECT_EQ(SendMessageA(t.w.wnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&r)), 0);
}

TEST(FrameGeometry, WindowWithoutCaptionKeepsItsSizeAndHasNoBorders) {
  auto data = LoadedSkinData();
  SkinnedWindow w{MakeTestWindow(WS_POPUP | WS_BORDER), nullptr};
  ShowWindow(w.wnd, SW_SHOWNORMAL);
  ui::pump(30);
  const SIZE before = WindowSize(w.wnd), clientBefore = ClientSize(w.wnd);
  w.form = SkinBareWindow(w.wnd, *data);
  ui::pump(30);
  EXPECT_EQ(WindowSize(w.wnd).cx, before.cx);
  EXPECT_EQ(WindowSize(w.wnd).cy, before.cy);
  EXPECT_EQ(ClientSize(w.wnd).cx, clientBefore.cx);
  EXPECT_EQ(w.form->BorderTop(), 0);
}

TEST(FrameGeometry, MaximisedAndRestoredWindowKeepsTheSkinsBorders) {
  Window t;
  ShowWindow(t.w.wnd, SW_MAXIMIZE);
  ui::pump(500);
  ASSERT_TRUE(IsZoomed(t.w.wnd));
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(t.w.wnd, rgn), ERROR) << "a maximised window has no region";
  DeleteObject(rgn);
  const SIZE window = WindowSize(t.w.wnd), client = ClientSize(t.w.wnd);
  EXPECT_EQ(client.cx, window.cx - 2 * kBorder);
  EXPECT_EQ(client.cy, window.cy - kTitle - kBottomBorder);
  ShowWindow(t.w.wnd, SW_RESTORE);
  ui::pump(100);
  EXPECT_EQ(ClientSize(t.w.wnd).cx, kClientW);
  EXPECT_EQ(ClientSize(t.w.wnd).cy, kClientH);
}

}  // namespace
}  // namespace zembrel::test
