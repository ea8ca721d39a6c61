// The caption-button component: the help button it adds to a skinned form's caption bar with the
// program's own skin, under real input (hot, pressed, a click runs the help action once), its
// answers while minimised, and nothing without a form skin.
#include <gtest/gtest.h>

#include "framework/actions.h"
#include "framework/description.h"
#include "framework/forms.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"
#include "skin/frame/nc_objects.h"
#include "skin/frame/skin_caption.h"
#include "skin/frame/skin_messages.h"
#include "skin/manager/skin_manager.h"
#include "menu_fixture.h"
#include "tests/win/ui/ui_driver.h"

namespace zembrel::test {
namespace {

void Mouse(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof in);
}

class SkinCaption : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::pump(50);
    form.SetBounds(220, 160, 460, 300);
    form.SetText("Caption button");
    action.OnExecute = [this](zfw::TObject*) { ++helps; };
    caption.SetHelpAction(&action);
    caption.Loaded();
  }
  void Skin() {
    LoadProgramSkin(skin);
    ASSERT_FALSE(skin.Loading());
    StartSkinning(skin);
    form.Show();
    SetForegroundWindow(form.Handle());
    ASSERT_TRUE(ui::pump_until([&] { return SkinManager->FindFormSkin(form.Handle()) != nullptr; }, 3000));
    ui::pump(500);
    formSkin = SkinManager->FindFormSkin(form.Handle());
  }
  TWinSysButton* HelpButton() const {
    for (const auto& b : formSkin->Buttons())
      if (b->Action() == kHelpButtonAction) return b.get();
    return nullptr;
  }
  POINT Centre(const TNCObject& b) {
    RECT w{};
    GetWindowRect(form.Handle(), &w);
    return POINT{w.left + (b.Rect().left + b.Rect().right) / 2, w.top + (b.Rect().top + b.Rect().bottom) / 2};
  }
  ManagerReset reset;
  TSkinData skin{nullptr};
  zfw::TForm form{nullptr};
  zfw::TAction action{&form};
  TSkinCaption caption{&form};
  TWinSkinForm* formSkin = nullptr;  // the manager's, owned by the form
  int helps = 0;
};

TEST_F(SkinCaption, AnswersOnlyForItsButtonAndNotWhileMinimised) {
  form.Show();
  const HWND wnd = form.Handle();
  EXPECT_EQ(SendMessageA(wnd, SKM_BUTTONVISIBLE, kHelpButtonVisibility, kHelpButtonAction), 1);
  EXPECT_EQ(SendMessageA(wnd, SKM_BUTTONVISIBLE, kHelpButtonVisibility + 1, kHelpButtonAction), 0);
  EXPECT_EQ(SendMessageA(wnd, SKM_BUTTONVISIBLE, kHelpButtonVisibility, 7), 0);
  SendMessageA(wnd, SKM_BUTTONCLICK, 7, 0);
  EXPECT_EQ(helps, 0);
  SendMessageA(wnd, SKM_BUTTONCLICK, kHelpButtonAction, 0);
  EXPECT_EQ(helps, 1);
  ShowWindow(wnd, SW_MINIMIZE);
  ui::pump(100);
  EXPECT_EQ(SendMessageA(wnd, SKM_BUTTONVISIBLE, kHelpButtonVisibility, kHelpButtonAction), 0);
}

TEST_F(SkinCaption, HelpButtonOnTheSkinnedCaptionIsHotPressedAndRunsTheHelpOnce) {
  Skin();
  TWinSysButton* help = HelpButton();
  ASSERT_NE(help, nullptr) << "the skin has the help button";
  ASSERT_TRUE(help->Visible());
  const TNCObject* minimise = nullptr;
  for (const auto& b : formSkin->Buttons())
    if (b->Action() == 2) minimise = b.get();
  ASSERT_NE(minimise, nullptr);
  EXPECT_LT(help->Rect().right, minimise->Rect().left) << "beside the system buttons";
  EXPECT_EQ(help->Rect().top, minimise->Rect().top);

  const POINT p = Centre(*help);
  SetCursorPos(p.x, p.y);
  ASSERT_TRUE(ui::pump_until([&] { return help->State() == kObjectHot; }, 3000)) << "hot under the mouse";
  Mouse(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(ui::pump_until([&] { return help->State() == kObjectPressed; }, 3000));
  EXPECT_EQ(helps, 0) << "nothing before the release";
  Mouse(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(ui::pump_until([&] { return helps > 0; }, 3000));
  ui::pump(300);
  EXPECT_EQ(helps, 1);

  ShowWindow(form.Handle(), SW_MINIMIZE);
  ui::pump(300);
  EXPECT_EQ(SendMessageA(form.Handle(), SKM_BUTTONVISIBLE, kHelpButtonVisibility, kHelpButtonAction), 0);
  ShowWindow(form.Handle(), SW_RESTORE);
}

}  // namespace
}  // namespace zembrel::test
