// The program's main window under the form skin, attached the way the skin manager attaches it:
// its client area stays 712 x 486 skinned and after the skin is taken off, and its menu stays in
// reach in the band below the title.
#include <gtest/gtest.h>

#include "app/frm_main.h"
#include "app/help_frm.h"
#include "app/job_texts.h"
#include "skin/frame/WinSkinForm.h"
#include "skin/frame/nc_objects.h"
#include "skin/menus/WinSkinMenu.h"
#include "skin/frame/skin_messages.h"
#include "skin/manager/skin_manager.h"
#include "tests/win/ui/ui_driver.h"
#include "tests/win/ui/x_input.h"

namespace zembrel::test {
namespace {

std::string ScratchFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  for (unsigned n = GetTickCount();; ++n) {
    const std::string path = std::string(temp) + "zembrel_frame_" + std::to_string(n) + "\\";
    if (CreateDirectoryA(path.c_str(), nullptr)) return path;
  }
}

class MainWindowFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    zfw::Application().Initialize();
    form = zfw::CreateForm<Tmain_frm>(nullptr, ScratchFolder());
    form->Show();
    ui::pump(200);
    GetWindowRect(form->Handle(), &windowBefore);
    // The manager's hook may already have skinned it; then that form skin is the one looked at.
    skin = SkinManager ? SkinManager->FindFormSkin(form->Handle()) : nullptr;
    if (!skin) {
      own = std::make_unique<TWinSkinForm>(nullptr);
      own->SetWindow(form->Handle(), form->ClassName(), 0);
      own->AttachForm(form->SkinData1, form);
      PostMessageA(form->Handle(), SKM_INIT, 0, 1000);
      ui::pump_until([&] { return own->State() == kFormRunning; }, 3000);
      skin = own.get();
    }
    ui::pump(300);
  }
  void TearDown() override {
    if (own) own->Stop();
    delete form;
    own.reset();
  }
  Tmain_frm* form = nullptr;
  std::unique_ptr<TWinSkinForm> own;
  TWinSkinForm* skin = nullptr;
  RECT windowBefore{};
};

TEST_F(MainWindowFrame, ClientAreaIsKeptSkinnedAndAfterwards) {
  ASSERT_EQ(skin->State(), kFormRunning);
  RECT client{};
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 712);
  EXPECT_EQ(client.bottom, 486);
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  EXPECT_EQ(window.right - window.left, 712 + skin->BorderLeft() + skin->BorderRight());
  EXPECT_EQ(window.bottom - window.top, 486 + skin->BorderTop() + skin->MenuHeight() + skin->BorderBottom());
  if (!own) return;  // the manager's form skin is given back by the manager
  own->Restore();
  ui::pump(200);
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 712);
  EXPECT_EQ(client.bottom, 486);
  GetWindowRect(form->Handle(), &window);
  EXPECT_TRUE(EqualRect(&window, &windowBefore));
  EXPECT_EQ(GetMenu(form->Handle()), form->MainMenu1->Handle());
}

// Every item of the band is reached with the mouse, as a user would: the pointer walks the band
// from the left until the item is hot, and a click there runs the item's command.
TEST_F(MainWindowFrame, MenuCommandsAreReachedFromTheBand) {
  ASSERT_GT(skin->MenuHeight(), 0);
  ASSERT_EQ(form->MainMenu1->Items().Count(), 4);
  auto clickItem = [&](int index) {
    RECT window{};
    GetWindowRect(form->Handle(), &window);
    const int y = window.top + skin->BorderTop() + skin->MenuHeight() / 2;
    int found = -1;
    for (int x = skin->BorderLeft() + 2; x < 712 && found != index; x += 4) {
      ui::move_pointer(POINT{window.left + x, y});
      if (auto* item = dynamic_cast<TMenuBtn*>(skin->HotObject())) found = item->Index();
    }
    if (found != index) return false;
    INPUT click[2]{};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, click, sizeof click[0]);
    return true;
  };
  // The answered window closes itself; what it said tells which command ran.
  struct Case {
    int item;
    const char* windowClass;
    const char* text;  // part of what the window says, or null
  };
  const Case cases[] = {
      {0, "#32770", texts::kSaveSucceeded},     // save the settings
      {1, "#32770", texts::kEmptyArchiveList},  // start, with no archive listed
      {2, "Tfrm_help", nullptr},                // help
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    ui::Answerer answer(c.windowClass, {[](HWND wnd) {
                          if (ui::class_of(wnd) == "#32770") PostMessageA(wnd, WM_COMMAND, IDOK, 0);
                          else PostMessageA(wnd, WM_CLOSE, 0, 0);
                        }});
    ASSERT_TRUE(clickItem(c.item));
    ASSERT_TRUE(ui::pump_until([&] { return answer.answered() == 1; }, 8000));
    if (c.text) EXPECT_NE(answer.texts().front().find(c.text), std::string::npos) << answer.texts().front();
    ui::pump(400);
  }
  // Exit: the main window closes (the settings are not asked about unless the box is ticked).
  ASSERT_FALSE(form->ck_saveexit->Checked());
  ASSERT_TRUE(clickItem(3));
  EXPECT_TRUE(ui::pump_until([&] { return !IsWindowVisible(form->Handle()); }, 5000));
}

// A double click on the title's icon closes the window: the first click opens the skinned system
// menu, the second, within the double-click time, ends it and closes the window.
TEST_F(MainWindowFrame, ADoubleClickOnTheIconClosesTheWindow) {
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  const int y = window.top + skin->BorderTop() / 2;
  POINT icon{-1, -1};
  for (int x = 1; x < 80 && icon.x < 0; x += 2) {
    ui::move_pointer(POINT{window.left + x, y});
    if (auto* button = dynamic_cast<TWinSysButton*>(skin->HotObject()); button && button->Action() == 3)
      icon = POINT{window.left + x + 3, y};
  }
  ASSERT_GE(icon.x, 0) << "the icon is found on the title";
  // Should the second click go astray, the menu left open is ended, so that the test fails on its
  // checks instead of waiting in the menu's loop for good.
  const UINT_PTR watchdog = SetTimer(nullptr, 0, 4000, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
  ASSERT_TRUE(ui::x_double_click(icon));
  EXPECT_TRUE(ui::pump_until([&] { return !IsWindowVisible(form->Handle()); }, 5000));
  KillTimer(nullptr, watchdog);
  HWND menu = FindWindowExA(nullptr, nullptr, "#32768", nullptr);
  EXPECT_FALSE(menu && IsWindowVisible(menu)) << "no system menu left open";
}

// The skin manager's hook skins every window a user meets: the main window, the help window and
// the program's message boxes, each keeping its client area.
TEST_F(MainWindowFrame, TheManagerSkinsTheMainWindowHelpAndMessageBoxes) {
  ASSERT_NE(SkinManager, nullptr);
  EXPECT_NE(SkinManager->FindFormSkin(form->Handle()), nullptr);
  auto skinned = [](HWND wnd) {
    ui::pump_until([wnd] { return SkinManager->FindFormSkin(wnd) && SkinManager->FindFormSkin(wnd)->State() == kFormRunning; }, 2000);
    const TWinSkinForm* found = SkinManager->FindFormSkin(wnd);
    return found && found->State() == kFormRunning && found->FrameSkinned();
  };
  bool help = false, box = false;
  {
    ui::Answerer answer("Tfrm_help", {[&](HWND wnd) {
                          help = skinned(wnd);
                          PostMessageA(wnd, WM_CLOSE, 0, 0);
                        }});
    PostMessageA(form->Handle(), WM_COMMAND, form->MainMenu1->Items().Items(2)->Command(), 0);
    ui::pump_until([&] { return answer.answered() == 1; }, 8000);
    ui::pump(300);
  }
  {
    ui::Answerer answer("#32770", {[&](HWND wnd) {
                          RECT before{};
                          GetClientRect(wnd, &before);
                          box = skinned(wnd);
                          RECT after{};
                          GetClientRect(wnd, &after);
                          EXPECT_EQ(after.right, before.right);
                          EXPECT_EQ(after.bottom, before.bottom);
                          PostMessageA(wnd, WM_COMMAND, IDOK, 0);
                        }});
    PostMessageA(form->Handle(), WM_COMMAND, form->MainMenu1->Items().Items(0)->Command(), 0);
    ui::pump_until([&] { return answer.answered() == 1; }, 8000);
    ui::pump(300);
  }
  EXPECT_TRUE(help);
  EXPECT_TRUE(box);
}

}  // namespace
}  // namespace zembrel::test
