// The form skin's message handling, seen from the window's own procedure: what is swallowed before
// SKM_INIT, what is answered, what is passed on (and how often), what is turned into a posted
// command; the handshakes of the framework form; and giving the window back.
#include <gtest/gtest.h>

#include "framework/forms.h"
#include "frame_fixture.h"

namespace zembrel::test {
namespace {

class FormMessages : public ::testing::Test {
 protected:
  void SetUp() override {
    data = LoadedSkinData();
    w.wnd = MakeTestWindow();
    ShowWindow(w.wnd, SW_SHOWNORMAL);
    ui::pump(50);
  }
  std::unique_ptr<TSkinData> data;
  SkinnedWindow w;
};

TEST_F(FormMessages, BeforeStartNonClientPaintingIsSwallowedAndActivationRefused) {
  w.form = new TWinSkinForm(nullptr);
  w.form->SetWindow(w.wnd, "ZFrameTestA", 0);
  w.form->AttachWindow(data.get());
  Log().clear();
  EXPECT_EQ(SendMessageA(w.wnd, WM_NCPAINT, 1, 0), 0);
  EXPECT_EQ(SendMessageA(w.wnd, WM_NCACTIVATE, TRUE, 0), 0);
  EXPECT_EQ(CountOf(WM_NCPAINT), 0);
  EXPECT_EQ(CountOf(WM_NCACTIVATE), 0);
  EXPECT_EQ(w.form->State(), kFormCreated);

  PostMessageA(w.wnd, SKM_INIT, 0, 1000);
  ASSERT_TRUE(ui::pump_until([&] { return w.form->State() == kFormRunning; }));
  // After the start the frame is the skin's: the client area kept, the borders the skin's.
  EXPECT_EQ(ClientSize(w.wnd).cx, kClientW);
  EXPECT_EQ(ClientSize(w.wnd).cy, kClientH);
  EXPECT_EQ(WindowSize(w.wnd).cx, kClientW + 2 * kBorder);
  EXPECT_EQ(WindowSize(w.wnd).cy, kClientH + kTitle + kBottomBorder);
}

TEST_F(FormMessages, QueryAnsweredOneAndSkinnedPostedWithTheHandshake) {
  w.form = SkinBareWindow(w.wnd, *data);
  ui::pump(50);
  Log().clear();
  EXPECT_EQ(SendMessageA(w.wnd, SKM_QUERY, 0, 0), 1);
  EXPECT_EQ(CountOf(SKM_QUERY), 0);
  ui::pump(50);
  ASSERT_EQ(CountOf(SKM_SKINNED), 1);
  for (const Recorded& r : Log())
    if (r.msg == SKM_SKINNED) {
      EXPECT_EQ(r.lp, kSkinHandshake);
    }
}

TEST_F(FormMessages, SecondInitStartsNothingAgain) {
  w.form = SkinBareWindow(w.wnd, *data);
  ui::pump(50);
  const SIZE before = WindowSize(w.wnd);
  Log().clear();
  SendMessageA(w.wnd, SKM_INIT, 0, 1000);
  ui::pump(50);
  EXPECT_EQ(CountOf(SKM_SKINNED), 0);
  EXPECT_EQ(WindowSize(w.wnd).cx, before.cx);
  EXPECT_EQ(WindowSize(w.wnd).cy, before.cy);
}

TEST_F(FormMessages, SizeReachesTheSavedProcedureTwice) {
  w.form = SkinBareWindow(w.wnd, *data);
  Log().clear();
  SendMessageA(w.wnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(kClientW, kClientH));
  EXPECT_EQ(CountOf(WM_SIZE), 2);
}

TEST_F(FormMessages, SystemCommandsInCommandMessagesArePostedAsSystemCommands) {
  w.form = SkinBareWindow(w.wnd, *data);
  struct Case {
    WPARAM code;
    bool posted;
  };
  for (const Case& c : {Case{SC_CLOSE, true}, Case{SC_MAXIMIZE, true}, Case{SC_MOVE, true}, Case{SC_RESTORE, true},
                        Case{0xFF00, false}, Case{101, false}}) {
    Log().clear();
    SendMessageA(w.wnd, WM_COMMAND, c.code, 0);
    MSG queued{};
    const bool found = PeekMessageA(&queued, w.wnd, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE);
    EXPECT_EQ(found, c.posted) << std::hex << c.code;
    if (found) {
      EXPECT_EQ(queued.wParam, c.code);
    }
    EXPECT_EQ(CountOf(WM_COMMAND), c.posted ? 0 : 1) << std::hex << c.code;
  }
}

TEST_F(FormMessages, ThemedCaptionMessageIsSwallowed) {
  w.form = SkinBareWindow(w.wnd, *data);
  Log().clear();
  EXPECT_EQ(SendMessageA(w.wnd, 0xAE, 0, 0), 0);
  EXPECT_EQ(CountOf(0xAE), 0);
}

TEST_F(FormMessages, WithoutTheFrameKindEverythingPassesAndTheSizeStays) {
  data->SetSkinControls(kDefaultSkinControls & ~SkinBit(xcMainMenu));
  const SIZE before = WindowSize(w.wnd);
  w.form = SkinBareWindow(w.wnd, *data);
  EXPECT_FALSE(w.form->FrameSkinned());
  Log().clear();
  SendMessageA(w.wnd, WM_NCPAINT, 1, 0);
  SendMessageA(w.wnd, WM_SIZE, SIZE_RESTORED, 0);
  EXPECT_EQ(CountOf(WM_NCPAINT), 1);
  EXPECT_EQ(CountOf(WM_SIZE), 1);
  EXPECT_EQ(WindowSize(w.wnd).cx, before.cx);
  EXPECT_EQ(WindowSize(w.wnd).cy, before.cy);
}

TEST_F(FormMessages, UnicodeWindowKeepsWideTexts) {
  HWND wide = MakeTestWindow(WS_OVERLAPPEDWINDOW, true);
  SkinnedWindow u{wide, nullptr};
  ShowWindow(wide, SW_SHOWNORMAL);
  u.form = SkinBareWindow(wide, *data);
  const wchar_t* text = L"Zembrel \x263A \x4E2D\x6587";
  SetWindowTextW(wide, text);
  wchar_t back[64] = {};
  GetWindowTextW(wide, back, 64);
  EXPECT_STREQ(back, text);
}

TEST_F(FormMessages, RestorePutsTheWindowBackExactly) {
  RECT windowBefore{}, clientBefore{};
  GetWindowRect(w.wnd, &windowBefore);
  GetClientRect(w.wnd, &clientBefore);
  const LONG_PTR styleBefore = GetWindowLongPtrA(w.wnd, GWL_STYLE);
  const LONG_PTR procBefore = GetWindowLongPtrA(w.wnd, GWLP_WNDPROC);

  w.form = SkinBareWindow(w.wnd, *data);
  ui::pump(50);
  EXPECT_NE(GetWindowLongPtrA(w.wnd, GWLP_WNDPROC), procBefore);
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(w.wnd, probe), ERROR);

  w.form->Restore();
  ui::pump(50);
  RECT windowAfter{}, clientAfter{};
  GetWindowRect(w.wnd, &windowAfter);
  GetClientRect(w.wnd, &clientAfter);
  EXPECT_TRUE(EqualRect(&windowBefore, &windowAfter));
  EXPECT_TRUE(EqualRect(&clientBefore, &clientAfter));
  EXPECT_EQ(GetWindowLongPtrA(w.wnd, GWL_STYLE), styleBefore);
  EXPECT_EQ(GetWindowLongPtrA(w.wnd, GWLP_WNDPROC), procBefore);
  EXPECT_EQ(GetWindowRgn(w.wnd, probe), ERROR);
  DeleteObject(probe);
}

TEST_F(FormMessages, DestroyingTheWindowLeavesTheFormSkinDestroyedAndUnhooked) {
  w.form = SkinBareWindow(w.wnd, *data);
  DestroyWindow(w.wnd);
  EXPECT_EQ(w.form->State(), kFormDestroyed);
  w.wnd = nullptr;
}

// ---- the framework form's handshakes ----

TEST(FormSkinHandshakes, PaintMessagesAreOnlyHonouredWithTheHandshake) {
  auto data = LoadedSkinData();
  auto* form = zfw::CreateForm<zfw::TForm>(nullptr);
  form->SetBounds(80, 80, 320, 240);
  form->Show();
  ui::pump(50);
  SkinnedWindow w{nullptr, new TWinSkinForm(nullptr)};
  w.form->SetWindow(form->Handle(), form->ClassName(), 0);
  w.form->AttachForm(data.get(), form);
  PostMessageA(form->Handle(), SKM_INIT, 0, 1000);
  ASSERT_TRUE(ui::pump_until([&] { return w.form->State() == kFormRunning; }));

  EXPECT_EQ(SendMessageA(form->Handle(), SKM_PAINTQUERY, 0, kSkinHandshake), kSkinHandshake);
  EXPECT_EQ(SendMessageA(form->Handle(), SKM_PAINTQUERY, 0, 0), 1);

  const SIZE size = WindowSize(form->Handle());
  zfw::TBitmap target(size.cx, size.cy);
  HDC dc = target.Canvas().Handle();
  const RECT all{0, 0, size.cx, size.cy};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  EXPECT_EQ(SendMessageA(form->Handle(), SKM_PAINTTO, WPARAM(dc), 0), 0);
  EXPECT_EQ(target.Pixel(1, size.cy / 2), RGB(255, 255, 255));
  EXPECT_EQ(SendMessageA(form->Handle(), SKM_PAINTTO, WPARAM(dc), kSkinHandshake), kSkinHandshake);
  EXPECT_TRUE(Near(target.Pixel(1, size.cy / 2), kLeftActive)) << std::hex << target.Pixel(1, size.cy / 2);
  // The form skin gives the form's WindowProc back before the form goes.
  w.form->Stop();
  delete form;
}

}  // namespace
}  // namespace zembrel::test
