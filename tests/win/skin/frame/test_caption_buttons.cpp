// The caption buttons and the skinned caption under real input (SendInput): hot and pressed
// frames, a click acting only on the button it was pressed on, close, minimise, maximise and
// restore, a double click on the icon, and dragging the caption and the borders.
#include <gtest/gtest.h>

#include "frame_fixture.h"

namespace zembrel::test {
namespace {

void SendMouse(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof in);
}
void MoveTo(POINT p) {
  SetCursorPos(p.x, p.y);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = MOUSEEVENTF_MOVE;
  SendInput(1, &in, sizeof in);
  ui::pump(60);
}
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

// Moving and sizing are the system's own loops; the frame decides where they start. (SendInput
// does not press the X server's button, so Wine's loops cannot be driven from here.)
TEST_F(CaptionButtons, CaptionAndBordersAnswerForMovingAndSizing) {
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

  // A press on the caption of a maximised, active window reaches the system as a press on the menu
  // band, so the window is not dragged.
  ShowWindow(w.wnd, SW_MAXIMIZE);
  ui::pump(300);
  ASSERT_TRUE(IsZoomed(w.wnd));
  Log().clear();
  SendMessageA(w.wnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(Caption().x, Caption().y));
  ASSERT_EQ(CountOf(WM_NCLBUTTONDOWN), 1);
  for (const Recorded& rec : Log())
    if (rec.msg == WM_NCLBUTTONDOWN) EXPECT_EQ(rec.wp, WPARAM(HTMENU));
}

}  // namespace
}  // namespace zembrel::test
