// Which control skin every control of the program's windows is matched to: the main window, the
// help window, a message box and the system's open dialog, each skinned by the program's own
// skin as a user meets it.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/frm_main.h"
#include "app/help_frm.h"
#include "skin/controls/WinSubClass.h"
#include "skin/frame/WinSkinForm.h"
#include "skin/frame/skin_messages.h"
#include "skin/manager/skin_manager.h"
#include "tests/win/ui/ui_driver.h"

namespace zembrel {
namespace {

using ui::pump_until;

// The control-skin class of each family of control. A family without a class of its own yet is
// skinned by the base class.
const std::map<std::string, std::string> kSkinClassOf = {
    {"button", "TSkinControl"},     {"bitbtn", "TSkinControl"}, {"checkbox", "TSkinControl"},
    {"radiobutton", "TSkinControl"}, {"groupbox", "TSkinControl"}, {"box", "TSkinControl"},
    {"scrollbar", "TSkinControl"},  {"edit", "TSkinControl"},   {"statusbar", "TSkinControl"},
    {"combobox", "TSkinControl"},   {"boxh", "TSkinControl"},   {"none", "none"},
};

std::string SkinClass(const TWinSkinForm& formSkin, const zfw::TControl* control, HWND wnd) {
  for (TSkinControl* skin : formSkin.ControlSkins())
    if ((control && skin->Control() == control) || (wnd && skin->Handle() == wnd)) return skin->ClassName();
  return "none";
}

// The running form skin of a window, once its controls are matched.
TWinSkinForm* RunningFormSkin(HWND wnd) {
  TWinSkinForm* found = nullptr;
  pump_until([&] {
    found = SkinManager ? SkinManager->FindFormSkin(wnd) : nullptr;
    return found && found->State() == kFormRunning;
  });
  return found;
}

struct Expected {
  std::string name;    // the control's name, or the dialog item's id in hex
  std::string family;  // a key of kSkinClassOf
};

void ExpectFrameworkControls(const TWinSkinForm& formSkin, zfw::TComponent& form, const std::vector<Expected>& table) {
  for (const Expected& e : table) {
    SCOPED_TRACE(e.name);
    auto* control = dynamic_cast<zfw::TControl*>(form.FindComponent(e.name));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(SkinClass(formSkin, control, nullptr), kSkinClassOf.at(e.family));
  }
}

void ExpectDialogItems(const TWinSkinForm& formSkin, HWND dialog, const std::vector<std::pair<int, std::string>>& table) {
  for (const auto& [id, family] : table) {
    SCOPED_TRACE("item " + std::to_string(id));
    HWND item = GetDlgItem(dialog, id);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(SkinClass(formSkin, nullptr, item), kSkinClassOf.at(family));
  }
}

class ProgramWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    zfw::Application().Initialize();
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    main.reset(zfw::CreateForm<Tmain_frm>(nullptr, std::string(temp)));
    main->Show();
    formSkin = RunningFormSkin(main->Handle());
    ASSERT_NE(formSkin, nullptr);
  }
  void TearDown() override { main.reset(); }
  std::unique_ptr<Tmain_frm> main;
  TWinSkinForm* formSkin = nullptr;
};

TEST_F(ProgramWindows, MainWindowControls) {
  ExpectFrameworkControls(*formSkin, *main,
                          {
                              {"RadioGroup1", "groupbox"},     {"GpB_add", "groupbox"},      {"GpB_del", "groupbox"},
                              {"GpB_set", "groupbox"},         {"GpB_list", "groupbox"},     {"Ltb_add", "scrollbar"},
                              {"Ltb_del", "scrollbar"},        {"Ltb_rar", "scrollbar"},     {"Ltb_show", "scrollbar"},
                              {"btn_add_add", "bitbtn"},       {"btn_add_del", "bitbtn"},    {"btn_add_clear", "bitbtn"},
                              {"btn_del_add", "bitbtn"},       {"btn_del_del", "bitbtn"},    {"btn_del_clear", "bitbtn"},
                              {"btn_show_add", "bitbtn"},      {"btn_show_del", "bitbtn"},   {"btn_show_clear", "bitbtn"},
                              {"btn_go", "bitbtn"},            {"edt_del", "edit"},          {"edt_open", "edit"},
                              {"edt_ann", "edit"},             {"edt_pass", "edit"},         {"lbledt_old_pass", "edit"},
                              {"ck_lock", "checkbox"},         {"ck_pass", "checkbox"},      {"ck_saveexit", "checkbox"},
                              {"StatusBar1", "statusbar"},     {"lab_edt_del", "none"},      {"lab_rar", "none"},
                              {"Label1", "none"},              {"Image1", "none"},           {"Image2", "none"},
                          });
  // The radio group's own buttons are radio buttons.
  ASSERT_GT(main->RadioGroup1->ControlCount(), 0);
  for (int i = 0; i < main->RadioGroup1->ControlCount(); ++i)
    EXPECT_EQ(SkinClass(*formSkin, main->RadioGroup1->Controls(i), nullptr), kSkinClassOf.at("radiobutton")) << i;
  // Every skin of the window is registered once.
  std::vector<TSkinControl*> skins = formSkin->ControlSkins();
  std::sort(skins.begin(), skins.end());
  EXPECT_EQ(std::adjacent_find(skins.begin(), skins.end()), skins.end());
}

TEST_F(ProgramWindows, HelpWindowControls) {
  std::unique_ptr<Tfrm_help> help(zfw::CreateForm<Tfrm_help>(nullptr));
  help->Show();
  TWinSkinForm* helpSkin = RunningFormSkin(help->Handle());
  ASSERT_NE(helpSkin, nullptr);
  ExpectFrameworkControls(*helpSkin, *help, {{"Memo1", "scrollbar"}, {"Label1", "none"}, {"Image1", "none"}});
}

// Runs show() (which opens a modal window of class "#32770") and checks that window's items,
// once skinned, from inside its modal loop; then answer closes it.
void CheckModalDialog(const std::function<void()>& show, const std::vector<std::pair<int, std::string>>& table,
                      ui::Answerer::Answer answer) {
  bool checked = false;
  ui::Answerer answerer("#32770", {[&](HWND dialog) {
                          TWinSkinForm* dialogSkin = RunningFormSkin(dialog);
                          EXPECT_NE(dialogSkin, nullptr);
                          EXPECT_EQ(SendMessageA(dialog, SKM_QUERY, 0, 0), 1);
                          if (dialogSkin) ExpectDialogItems(*dialogSkin, dialog, table);
                          checked = true;
                          answer(dialog);
                        }});
  show();
  EXPECT_TRUE(checked);
}

TEST_F(ProgramWindows, MessageBoxItems) {
  CheckModalDialog([&] { MessageBoxA(main->Handle(), "Text", "Caption", MB_OKCANCEL | MB_ICONWARNING); },
                   {{IDOK, "button"}, {IDCANCEL, "button"}, {0xFFFF, "none"}},
                   [](HWND box) { PostMessageA(box, WM_COMMAND, IDCANCEL, 0); });
}

TEST_F(ProgramWindows, OpenDialogItems) {
  CheckModalDialog([&] { main->OpenDialog1->Execute(); },
                   {{IDOK, "button"}, {IDCANCEL, "button"}, {0x470, "combobox"}, {0x471, "combobox"}},
                   ui::cancel_dialog());
}

}  // namespace
}  // namespace zembrel
