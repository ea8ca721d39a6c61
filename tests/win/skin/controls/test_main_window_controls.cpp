// The program's main window with its own skin, driven by real input: a button shows its hot and
// pressed frames and runs its action once, a check box toggles and shows its checked cell, the
// archive list scrolls by one line from its skinned arrow. Expected colours are read from the
// program skin's own images.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

#include "app/frm_main.h"
#include "input_driver.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/skin_messages.h"

namespace zembrel::test {
namespace {

// Colours within a few units: stretched gradients land a row off.
bool close_to(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= 8 && std::abs(GetGValue(a) - GetGValue(b)) <= 8 &&
         std::abs(GetBValue(a) - GetBValue(b)) <= 8;
}

// Pixel (x, y) of cell k of an image of n equal cells side by side.
COLORREF cell_pixel(zfw::TBitmap& image, int n, int k, int x, int y) { return image.Pixel((k - 1) * (image.Width() / n) + x, y); }

class MainWindowControls : public ::testing::Test {
 protected:
  void SetUp() override {
    zfw::Application().Initialize();
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    form = zfw::CreateForm<Tmain_frm>(nullptr, std::string(temp));
    form->Show();
    SetForegroundWindow(form->Handle());
    ASSERT_TRUE(app_pump_until([&] { return form->btn_del_add->Perform(SKM_QUERY) == 1; }, 10000))
        << "the main window's controls were never skinned";
    app_pump_until([] { return false; }, 500);
  }
  void TearDown() override { delete form; }
  COLORREF edge(zfw::TWinControl* c) { return shown(c->Handle(), 1, c->Height() / 2); }
  POINT centre(zfw::TWinControl* c) { return on_screen(c->Handle(), c->Width() / 2, c->Height() / 2); }
  Tmain_frm* form = nullptr;
};

TEST_F(MainWindowControls, ButtonCheckBoxAndListAnswerRealInputInTheSkinsLook) {
  TDataSkinButton& buttons = form->SkinData1->Buttons();
  const int fh = buttons.Image.Height();
  auto frame_edge = [&](int frame) { return cell_pixel(buttons.Image, buttons.FrameCount, frame, 1, fh / 2); };
  zfw::TBitBtn* button = form->btn_del_add;
  SetWindowTextA(form->edt_del->Handle(), "old.txt");
  form->edt_del->SetFocus();
  app_pump_until([] { return false; }, 200);
  EXPECT_TRUE(close_to(edge(button), frame_edge(1)));

  gesture([&] {
    move_to(centre(button));
    pause(300);
  });
  EXPECT_TRUE(close_to(edge(button), frame_edge(4))) << "hot";
  gesture([] {
    mouse_button(MOUSEEVENTF_LEFTDOWN);
    pause(300);
  });
  EXPECT_TRUE(close_to(edge(button), frame_edge(2))) << "pressed";
  EXPECT_EQ(form->Ltb_del->Items().Count(), 0);
  gesture([] {
    mouse_button(MOUSEEVENTF_LEFTUP);
    pause(300);
  });
  EXPECT_EQ(form->Ltb_del->Items().ToVector(), (std::vector<std::string>{"old.txt"})) << "the action ran once";

  // The lock check box: its checked cell (5 of the 12-cell image) after one click.
  zfw::TCheckBox* check = form->ck_lock;
  const bool was = check->Checked();
  gesture([&] { click_at(centre(check)); });
  EXPECT_NE(check->Checked(), was);
  const int cells = buttons.CheckButtonFrame, size = buttons.CheckImage.Height();
  const COLORREF box = shown(check->Handle(), size / 2, check->Height() / 2);
  EXPECT_TRUE(close_to(box, cell_pixel(buttons.CheckImage, cells, check->Checked() ? 5 : 1, size / 2, size / 2)));

  // The archive list, long enough for a bar: one click on the skinned down arrow, one line.
  for (int i = 0; i < 40; ++i) form->Ltb_rar->Items().Add("archive " + std::to_string(i) + ".rar");
  app_pump_until([] { return false; }, 300);
  SCROLLBARINFO info{sizeof info};
  ASSERT_TRUE(GetScrollBarInfo(form->Ltb_rar->Handle(), OBJID_VSCROLL, &info));
  const POINT arrow{(info.rcScrollBar.left + info.rcScrollBar.right) / 2, info.rcScrollBar.bottom - 6};
  ASSERT_EQ(SendMessageA(form->Ltb_rar->Handle(), LB_GETTOPINDEX, 0, 0), 0);
  // The list grew its bar after it was skinned: the overlay came with it, over the real bar.
  EXPECT_EQ(ui::class_of(WindowFromPoint(arrow)), "TWScrollbar");
  gesture([&] { click_at(arrow); });
  EXPECT_EQ(SendMessageA(form->Ltb_rar->Handle(), LB_GETTOPINDEX, 0, 0), 1);
}

}  // namespace
}  // namespace zembrel::test
