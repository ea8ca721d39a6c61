// The caption buttons and the skinned caption under real input: hot and pressed frames, a click
// acting only on the button it was pressed on, close, minimise, maximise and restore, a double
// click on the icon or the title, and dragging the caption and the borders. Clicks go through
// SendInput; drags, which the system's own move and size loops follow, go through the X server.
#include <gtest/gtest.h>

#include "frame_fixture.h"
#include "tests/win/ui/x_input.h"

namespace zembrel::test {
namespace {

void SendMouse(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof in);
}
void MoveTo(POINT p) { ui::move_pointer(p, 60); }
void Down(POINT p) {
  MoveTo(p);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  ui::pump(60);
}
void Up(POINT p) {
  MoveTo(p);
  SendMouse(MOUSEEVENTF_LEFTUP);
  ui::pump(60);
}
void Click(POINT p) {
  Down(p);
  Up(p);
}
class CaptionButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    data = LoadedSkinData();
    w.wnd = MakeTestWindow();
    ShowWindow(w.wnd, SW_SHOWNORMAL);
    SetForegroundWindow(w.wnd);
    ui::pump(100);
    w.form = SkinBareWindow(w.wnd, *data);
    ui::pump(500);  // a fresh window wants half a second before its first click
  }
  RECT Rect() const {
    RECT r{};
    GetWindowRect(w.wnd, &r);
    return r;
  }
  // The centre of a right-anchored caption button, on the screen.
  POINT Button(int xcoord) const {
    const RECT r = Rect();
    return POINT{r.right - xcoord + kButtonW / 2, r.top + 5 + kButtonH / 2};
  }
  COLORREF ButtonPixel(int xcoord) const {
    const RECT r = Rect();
    return WindowPixel(w.wnd, (r.right - r.left) - xcoord + kButtonW / 2, 5 + kButtonH / 2);
  }
  POINT Caption() const {
    const RECT r = Rect();
    return POINT{r.left + 12 + (r.right - r.left) / 3, r.top + 12};
  }
  std::unique_ptr<TSkinData> data;
  SkinnedWindow w;
};

TEST_F(CaptionButtons, HoverShowsTheHotFrameAndPressingThePressedFrame) {
  EXPECT_EQ(ButtonPixel(kCloseX), ButtonColour(1, 1));
  MoveTo(Button(kCloseX));
  EXPECT_EQ(ButtonPixel(kCloseX), ButtonColour(1, 3)) << "hot";
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  ui::pump(60);
  EXPECT_EQ(ButtonPixel(kCloseX), ButtonColour(1, 2)) << "pressed";
  // Released over another button: nothing happens, neither to this window nor by the other one.
  Up(Button(kMinX));
  ui::pump(300);
  EXPECT_TRUE(IsWindow(w.wnd));
  EXPECT_FALSE(IsIconic(w.wnd));
  MoveTo(Caption());
  ui::pump(300);  // the hover timer or the move lets the button go back to normal
  EXPECT_EQ(ButtonPixel(kCloseX), ButtonColour(1, 1));
  EXPECT_EQ(ButtonPixel(kMinX), ButtonColour(4, 1));
}

TEST_F(CaptionButtons, CloseClosesTheWindow) {
  Click(Button(kCloseX));
  EXPECT_TRUE(ui::pump_until([&] { return !IsWindow(w.wnd); }, 3000));
  w.wnd = nullptr;
}

TEST_F(CaptionButtons, MaximiseAndRestoreWorkAndTheTitleFollows) {
  const RECT before = Rect();
  MoveTo(Button(kMaxX));
  ASSERT_EQ(ButtonPixel(kMaxX), ButtonColour(2, 3)) << "hot before the click";
  Click(Button(kMaxX));
  ASSERT_TRUE(ui::pump_until([&] { return IsZoomed(w.wnd) != FALSE; }, 3000));
  ui::pump(500);
  ASSERT_TRUE(IsZoomed(w.wnd)) << "stays maximised";
  ui::pump(200);
  const RECT r = Rect();
  EXPECT_GT(r.right - r.left, before.right - before.left);
  // The title bar is painted across the new width, with the restore button in the maximise button's place.
  EXPECT_TRUE(Near(WindowPixel(w.wnd, (r.right - r.left) / 2, 1), kTopActive));
  EXPECT_TRUE(Near(WindowPixel(w.wnd, (r.right - r.left) - 10, 1), kTopActive)) << "beyond the restored width";
  EXPECT_EQ(ButtonPixel(kMaxX), ButtonColour(3, 1));
  Click(Button(kMaxX));
  ASSERT_TRUE(ui::pump_until([&] { return !IsZoomed(w.wnd); }, 3000));
  ui::pump(200);
  const RECT after = Rect();
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_EQ(ButtonPixel(kMaxX), ButtonColour(2, 1));
}

TEST_F(CaptionButtons, MinimiseMinimises) {
  Click(Button(kMinX));
  ASSERT_TRUE(ui::pump_until([&] { return IsIconic(w.wnd) != FALSE; }, 3000));
  ShowWindow(w.wnd, SW_RESTORE);
  ui::pump(200);
  EXPECT_FALSE(IsIconic(w.wnd));
  EXPECT_EQ(ClientSize(w.wnd).cx, kClientW);
  EXPECT_EQ(ClientSize(w.wnd).cy, kClientH);
}

TEST_F(CaptionButtons, DoubleClickOnTheIconCloses) {
  const RECT r = Rect();
  const POINT icon{r.left + 5 + 8, r.top + 4 + 8};
  MoveTo(icon);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  SendMouse(MOUSEEVENTF_LEFTUP);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  SendMouse(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(ui::pump_until([&] { return !IsWindow(w.wnd); }, 3000));
  if (!IsWindow(w.wnd)) w.wnd = nullptr;
}

TEST_F(CaptionButtons, CaptionAndBordersAnswerTheHitTest) {
  const RECT r = Rect();
  const int W = r.right - r.left, H = r.bottom - r.top;
  struct Spot {
    int x, y;
    LRESULT hit;
  };
  for (const Spot& s : {Spot{W / 2, 12, HTCAPTION}, Spot{W - kCloseX + 4, 8, HTCAPTION}, Spot{W - 2, H / 2, HTRIGHT},
                        Spot{1, H / 2, HTLEFT}, Spot{W / 2, H - 2, HTBOTTOM}, Spot{W - 2, H - 2, HTBOTTOMRIGHT},
                        Spot{W / 2, H / 2, HTCLIENT}})
    EXPECT_EQ(SendMessageA(w.wnd, WM_NCHITTEST, 0, MAKELPARAM(r.left + s.x, r.top + s.y)), s.hit) << s.x << "," << s.y;
}

TEST_F(CaptionButtons, DraggingTheCaptionMovesTheWindow) {
  const RECT before = Rect();
  const POINT from = Caption();
  ASSERT_TRUE(ui::x_drag(from, POINT{from.x + 70, from.y + 50}));
  ui::pump(200);
  const RECT after = Rect();
  EXPECT_EQ(after.left - before.left, 70);
  EXPECT_EQ(after.top - before.top, 50);
  EXPECT_EQ(ClientSize(w.wnd).cx, kClientW);
  EXPECT_EQ(ClientSize(w.wnd).cy, kClientH);
  EXPECT_TRUE(Near(WindowPixel(w.wnd, (after.right - after.left) / 2, 1), kTopActive)) << "still painted";
}

// Each border and corner sizes the window by what the pointer moved; the client area follows and
// the frame is painted, and its corners cut, at the new size.
TEST_F(CaptionButtons, DraggingTheBordersSizesTheWindow) {
  struct Case {
    const char* name;
    int fx, fy;  // where the press lands: 0 left/top edge, 1 middle, 2 right/bottom edge
    int dx, dy;  // how far the pointer moves
    int dLeft, dTop, dRight, dBottom;
  };
  const Case cases[] = {
      {"right", 2, 1, 50, 0, 0, 0, 50, 0},
      {"bottom", 1, 2, 0, 40, 0, 0, 0, 40},
      {"left", 0, 1, -30, 0, -30, 0, 0, 0},
      {"bottom-right", 2, 2, 40, 30, 0, 0, 40, 30},
      {"right, smaller", 2, 1, -60, 0, 0, 0, -60, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const RECT before = Rect();
    const int W = before.right - before.left, H = before.bottom - before.top;
    const int x = c.fx == 0 ? 1 : c.fx == 1 ? W / 2 : W - 2;
    const int y = c.fy == 0 ? 1 : c.fy == 1 ? H / 2 : H - 2;
    const POINT from{before.left + x, before.top + y};
    ASSERT_TRUE(ui::x_drag(from, POINT{from.x + c.dx, from.y + c.dy}));
    ui::pump(200);
    const RECT after = Rect();
    EXPECT_EQ(after.left - before.left, c.dLeft);
    EXPECT_EQ(after.top - before.top, c.dTop);
    EXPECT_EQ(after.right - before.right, c.dRight);
    EXPECT_EQ(after.bottom - before.bottom, c.dBottom);
    const SIZE client = ClientSize(w.wnd);
    EXPECT_EQ(client.cx, (after.right - after.left) - 2 * kBorder);
    EXPECT_EQ(client.cy, (after.bottom - after.top) - kTitle - kBottomBorder);
    const int newW = after.right - after.left, newH = after.bottom - after.top;
    EXPECT_TRUE(Near(WindowPixel(w.wnd, newW - 2, newH / 2), kRightActive)) << "right border at the new size";
    EXPECT_TRUE(Near(WindowPixel(w.wnd, newW / 2, newH - 2), kBottomActive)) << "bottom border at the new size";
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(w.wnd, rgn), ERROR);
    EXPECT_FALSE(PtInRegion(rgn, newW - 1, 0)) << "the top-right corner is cut at the new width";
    EXPECT_TRUE(PtInRegion(rgn, newW - 1, newH / 2));
    DeleteObject(rgn);
  }
}

TEST_F(CaptionButtons, DoubleClickOnTheTitleMaximisesAndRestores) {
  const RECT before = Rect();
  ASSERT_TRUE(ui::x_double_click(Caption()));
  ASSERT_TRUE(ui::pump_until([&] { return IsZoomed(w.wnd) != FALSE; }, 3000));
  ui::pump(300);
  EXPECT_EQ(ButtonPixel(kMaxX), ButtonColour(3, 1)) << "the restore button in the maximise button's place";
  ASSERT_TRUE(ui::x_double_click(Caption()));
  ASSERT_TRUE(ui::pump_until([&] { return !IsZoomed(w.wnd); }, 3000));
  ui::pump(200);
  const RECT after = Rect();
  EXPECT_TRUE(EqualRect(&before, &after));
}

// A maximised window stays where it is when its caption is dragged: the press reaches the system
// as a press on the menu band, which starts no move.
TEST_F(CaptionButtons, AMaximisedCaptionCannotBeDragged) {
  ShowWindow(w.wnd, SW_MAXIMIZE);
  ui::pump(300);
  ASSERT_TRUE(IsZoomed(w.wnd));
  const RECT before = Rect();
  Log().clear();
  const POINT from = Caption();
  ASSERT_TRUE(ui::x_drag(from, POINT{from.x + 60, from.y + 80}));
  ui::pump(200);
  EXPECT_TRUE(IsZoomed(w.wnd));
  const RECT after = Rect();
  EXPECT_TRUE(EqualRect(&before, &after));
  ASSERT_EQ(CountOf(WM_NCLBUTTONDOWN), 1);
  for (const Recorded& rec : Log()) {
    if (rec.msg == WM_NCLBUTTONDOWN) {
      EXPECT_EQ(rec.wp, WPARAM(HTMENU));
    }
  }
}

}  // namespace
}  // namespace zembrel::test
