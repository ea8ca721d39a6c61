// The MDI paths on a small bare MDI frame made here: the frame and a child each skinned, the child
// maximised and restored, the client losing its scroll bars while skinned, and the frame closing
// with a skinned child inside.
#include <gtest/gtest.h>

#include "frame_fixture.h"
#include "skin/manager/skin_manager.h"

namespace zembrel::test {
namespace {

HWND g_client = nullptr;

LRESULT CALLBACK FrameProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CREATE) {
    CLIENTCREATESTRUCT ccs{};
    ccs.idFirstChild = 1000;
    g_client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL,
                               0, 0, 0, 0, wnd, nullptr, GetModuleHandleA(nullptr), &ccs);
    return 0;
  }
  return DefFrameProcA(wnd, g_client, msg, wp, lp);
}

LRESULT CALLBACK ChildProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) { return DefMDIChildProcA(wnd, msg, wp, lp); }

void RegisterMdiClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  WNDCLASSA c{};
  c.lpfnWndProc = FrameProc;
  c.hInstance = GetModuleHandleA(nullptr);
  c.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  c.lpszClassName = "ZMdiFrame";
  RegisterClassA(&c);
  c.lpfnWndProc = ChildProc;
  c.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  c.lpszClassName = "ZMdiChild";
  RegisterClassA(&c);
}

class MdiFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallSkinManager();
    RegisterMdiClasses();
    data = LoadedSkinData();
    frame.wnd = CreateWindowExA(0, "ZMdiFrame", "MDI frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40, 600, 450,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(frame.wnd, SW_SHOWNORMAL);
    ui::pump(50);
    frame.form = SkinBareWindow(frame.wnd, *data);
    child.wnd = CreateMDIWindowA("ZMdiChild", "Child", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 150, g_client,
                                 GetModuleHandleA(nullptr), 0);
    ui::pump(50);
    childClientBefore = ClientSize(child.wnd);
    child.form = SkinBareWindow(child.wnd, *data);
    ui::pump(50);
  }
  void TearDown() override {
    if (child.wnd && IsWindow(child.wnd)) SendMessageA(g_client, WM_MDIDESTROY, WPARAM(child.wnd), 0);
    child.wnd = nullptr;
    if (frame.wnd && IsWindow(frame.wnd)) DestroyWindow(frame.wnd);
    frame.wnd = nullptr;
    delete child.form;
    child.form = nullptr;
    delete frame.form;
    frame.form = nullptr;
    FreeSkinManager();
  }
  std::unique_ptr<TSkinData> data;
  SkinnedWindow frame, child;
  SIZE childClientBefore{};
};

TEST_F(MdiFrame, FrameAndChildAreSkinnedAndTheChildKeepsItsClientArea) {
  EXPECT_EQ(frame.form->MDIKind(), kMDIFrame);
  EXPECT_EQ(child.form->MDIKind(), kMDIChild);
  EXPECT_EQ(SkinManager->MDIClient(), g_client);
  const SIZE client = ClientSize(child.wnd), window = WindowSize(child.wnd);
  EXPECT_EQ(client.cx, childClientBefore.cx);
  EXPECT_EQ(client.cy, childClientBefore.cy);
  EXPECT_EQ(window.cx, client.cx + 2 * kBorder);
  EXPECT_EQ(window.cy, client.cy + kTitle + kBottomBorder + child.form->MenuHeight());
  EXPECT_TRUE(Near(WindowPixel(child.wnd, 1, window.cy / 2), kLeftActive) ||
              Near(WindowPixel(child.wnd, 1, window.cy / 2), kLeftInactive));
}

TEST_F(MdiFrame, ChildMaximisedAndRestored) {
  SendMessageA(g_client, WM_MDIMAXIMIZE, WPARAM(child.wnd), 0);
  ui::pump(100);
  ASSERT_TRUE(IsZoomed(child.wnd));
  RECT clientArea{};
  GetClientRect(g_client, &clientArea);
  RECT childClient{};
  GetClientRect(child.wnd, &childClient);
  // Maximised, the child's frame is the system's and its client area fills the MDI client.
  EXPECT_EQ(childClient.right, clientArea.right);
  EXPECT_EQ(childClient.bottom, clientArea.bottom);

  SendMessageA(g_client, WM_MDIRESTORE, WPARAM(child.wnd), 0);
  ui::pump(100);
  ASSERT_FALSE(IsZoomed(child.wnd));
  EXPECT_EQ(ClientSize(child.wnd).cx, childClientBefore.cx);
  EXPECT_EQ(ClientSize(child.wnd).cy, childClientBefore.cy);
}

TEST_F(MdiFrame, ClientLosesItsScrollBarsWhileSkinned) {
  SetWindowPos(child.wnd, nullptr, 500, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ui::pump(100);
  SetWindowPos(g_client, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_EQ(GetWindowLongPtrA(g_client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0);
}

TEST_F(MdiFrame, FrameClosesWithASkinnedChildInside) {
  DestroyWindow(frame.wnd);
  EXPECT_FALSE(IsWindow(child.wnd));
  EXPECT_EQ(frame.form->State(), kFormDestroyed);
  EXPECT_EQ(child.form->State(), kFormDestroyed);
  frame.wnd = child.wnd = nullptr;
}

}  // namespace
}  // namespace zembrel::test
