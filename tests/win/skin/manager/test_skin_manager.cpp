// The skin manager on real windows with the program's own skin: which windows it skins and
// which it leaves alone, that a window is skinned once, that switching skinning off puts every
// window back exactly and on again skins it, that switching runs from the timer and never inside
// the call that asked, the hook, the purge of destroyed windows, and the manager's end.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "framework/description.h"
#include "framework/forms.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"
#include "skin/frame/skin_log.h"
#include "skin/frame/skin_messages.h"
#include "skin/manager/skin_manager.h"
#include "tests/win/ui/ui_driver.h"

namespace zembrel {
namespace {

using ui::pump;
using ui::pump_until;

// What skinning may change of a window and switching it off must give back.
struct WindowLook {
  RECT window{}, client{};  // both in screen coordinates
  LONG_PTR style = 0, ex_style = 0;
  bool region = false;

  static WindowLook Of(HWND wnd) {
    WindowLook look;
    GetWindowRect(wnd, &look.window);
    GetClientRect(wnd, &look.client);
    MapWindowPoints(wnd, nullptr, reinterpret_cast<POINT*>(&look.client), 2);
    look.style = GetWindowLongPtrA(wnd, GWL_STYLE) & ~LONG_PTR(WS_VISIBLE);
    look.ex_style = GetWindowLongPtrA(wnd, GWL_EXSTYLE);
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    look.region = GetWindowRgn(wnd, probe) != ERROR;
    DeleteObject(probe);
    return look;
  }
  bool operator==(const WindowLook& o) const {
    return EqualRect(&window, &o.window) && EqualRect(&client, &o.client) && style == o.style &&
           ex_style == o.ex_style && region == o.region;
  }
};
std::ostream& operator<<(std::ostream& out, const WindowLook& l) {
  auto rect = [&](const RECT& r) { out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")"; };
  out << "window ";
  rect(l.window);
  out << " client ";
  rect(l.client);
  return out << std::hex << " style " << l.style << " ex " << l.ex_style << std::dec << (l.region ? " region" : "");
}

bool Skinned(HWND wnd) { return SendMessageA(wnd, SKM_QUERY, 0, 0) == 1; }

LRESULT CALLBACK RefusingProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == SKM_QUERY) return 1;  // a window that declines a skin
  return DefWindowProcA(wnd, msg, wp, lp);
}

// Top-level windows of this module without a framework control.
HWND BareWindow(const char* cls, WNDPROC proc, int width, int height, DWORD style) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = cls;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassA(&wc);  // a second registration of the same class fails harmlessly
  return CreateWindowExA(0, cls, "Bare window", style | WS_VISIBLE, 120, 90, width, height, nullptr,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

struct WindowKiller {
  void operator()(HWND wnd) const {
    if (IsWindow(wnd)) DestroyWindow(wnd);
  }
};
using OwnedWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowKiller>;

std::vector<uint8_t> ProgramSkinStream() {
  const std::string packed = zfw::ResourceText("ZEMBREL_SKIN");
  const int32_t length = static_cast<int32_t>(packed.size());
  std::vector<uint8_t> stored(sizeof length + packed.size());
  std::memcpy(stored.data(), &length, sizeof length);
  std::memcpy(stored.data() + sizeof length, packed.data(), packed.size());
  return stored;
}

class SkinManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSkinLog();
    manager = &InstallSkinManager();
    data = std::make_unique<TSkinData>(nullptr);
    data->SetName("Skin");
    data->ReadSkinStream(ProgramSkinStream());
    ASSERT_FALSE(data->Loading());
    data->SetActive(true);
    data->Loaded();  // registers, installs the hook and switches skinning on
  }
  void TearDown() override {
    forms.clear();
    windows.clear();
    data.reset();
    FreeSkinManager();
    EXPECT_EQ(SkinLogLines(), std::vector<std::string>{});
  }

  HWND Bare(const char* cls = "ZembrelManagerTest", WNDPROC proc = DefWindowProcA, int w = 320, int h = 240,
           DWORD style = WS_OVERLAPPEDWINDOW) {
    windows.emplace_back(BareWindow(cls, proc, w, h, style));
    return windows.back().get();
  }
  zfw::TForm* Form(int tag = 0) {
    auto form = std::make_unique<zfw::TForm>(nullptr);
    form->SetTag(tag);
    form->SetBounds(160, 120, 360, 260);
    form->SetText("Framework form");
    forms.push_back(std::move(form));
    return forms.back().get();
  }
  int EntriesOf(HWND wnd) const {
    const auto& all = manager->FormSkins();
    return static_cast<int>(std::count_if(all.begin(), all.end(), [&](TWinSkinForm* f) { return f->Handle() == wnd; }));
  }
  // Takes the manager past the first activation, as the running program is.
  void Running() {
    HWND first = Bare();
    SetForegroundWindow(first);
    ASSERT_TRUE(pump_until([&] { return manager->State() == kManagerRunning && Skinned(first); }));
  }

  TSkinManage* manager = nullptr;
  std::unique_ptr<TSkinData> data;
  std::vector<OwnedWindow> windows;
  std::vector<std::unique_ptr<zfw::TForm>> forms;
};

TEST_F(SkinManagerTest, LoadingASkinSwitchesOnWithoutATimerBeforeTheFirstActivation) {
  EXPECT_TRUE(manager->HookInstalled());
  EXPECT_TRUE(manager->Active());
  EXPECT_EQ(manager->State(), kManagerStarting);
  EXPECT_FALSE(manager->ActionPending());
  EXPECT_EQ(manager->MainSkinData(), data.get());
}

TEST_F(SkinManagerTest, AttachesOneFormSkinPerWindowAndTheWindowSaysItIsSkinned) {
  zfw::TForm* form = Form();
  form->Show();
  const struct {
    const char* what;
    HWND wnd;
  } cases[] = {{"bare window", Bare()}, {"framework form", form->Handle()}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    // The hook may have been first; either way there is exactly one form skin.
    manager->SkinWindow(c.wnd);
    EXPECT_TRUE(pump_until([&] { return Skinned(c.wnd); }));
    EXPECT_FALSE(manager->SkinWindow(c.wnd));
    EXPECT_EQ(EntriesOf(c.wnd), 1);
  }
  EXPECT_EQ(manager->FindFormSkin(form->Handle())->Form(), form);
  EXPECT_EQ(manager->FindFormSkin(cases[0].wnd)->Form(), nullptr);
}

TEST_F(SkinManagerTest, RefusedWindowsKeepTheSystemLook) {
  zfw::TForm* tagged = Form(99);  // refused whatever DisableTag says
  data->SetDisableTag(7);
  tagged->Show();
  data->SetOptions(data->Options() & ~SkinBit(xoPreview));
  const struct {
    const char* what;
    HWND wnd;
  } cases[] = {
      {"form with Tag 99", tagged->Handle()},
      {"window answering SKM_QUERY with 1", Bare("ZembrelRefusing", RefusingProc)},
      {"window of no area", Bare("ZembrelManagerTest", DefWindowProcA, 0, 0, WS_POPUP)},
      {"preview window without xoPreview", Bare("TPrintPreviewForm")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    HWND wnd = c.wnd;
    const WindowLook before = WindowLook::Of(wnd);
    EXPECT_FALSE(manager->SkinWindow(wnd));
    pump(200);
    EXPECT_EQ(manager->FindFormSkin(wnd), nullptr);
    EXPECT_EQ(WindowLook::Of(wnd), before);
  }
  EXPECT_FALSE(Skinned(tagged->Handle()));
}

TEST_F(SkinManagerTest, SwitchingOffRestoresEveryWindowExactlyAndOnAgainSkinsThem) {
  Running();
  zfw::TForm* form = Form();
  form->SetBorderStyle(zfw::bsDialog);
  const std::vector<HWND> targets = {Bare(), form->Handle()};
  std::vector<WindowLook> before;
  for (HWND wnd : targets) {
    if (wnd == form->Handle()) form->Show();
    before.push_back(WindowLook::Of(wnd));
    manager->SkinWindow(wnd);
  }
  for (HWND wnd : targets) ASSERT_TRUE(pump_until([&] { return Skinned(wnd); }));
  // The main window's client area keeps its size under the skin.
  RECT client{};
  GetClientRect(targets[0], &client);
  EXPECT_EQ(client.right - client.left, before[0].client.right - before[0].client.left);
  EXPECT_EQ(client.bottom - client.top, before[0].client.bottom - before[0].client.top);

  data->SetActive(false);
  // Nothing happens inside the call: the timer does it.
  EXPECT_TRUE(manager->ActionPending());
  for (HWND wnd : targets) EXPECT_TRUE(Skinned(wnd));
  ASSERT_TRUE(pump_until([&] { return !manager->ActionPending(); }));
  pump(100);
  EXPECT_FALSE(manager->Active());
  for (size_t i = 0; i < targets.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_FALSE(Skinned(targets[i]));
    EXPECT_EQ(manager->FindFormSkin(targets[i]), nullptr);
    EXPECT_EQ(WindowLook::Of(targets[i]), before[i]);
  }

  // On again: the timer walks the forms; a bare window is skinned when it is next activated.
  data->SetActive(true);
  EXPECT_FALSE(Skinned(targets[1]));
  EXPECT_TRUE(pump_until([&] { return Skinned(targets[1]); }));
  EXPECT_EQ(EntriesOf(targets[1]), 1);
  SetForegroundWindow(targets[0]);
  EXPECT_TRUE(pump_until([&] { return Skinned(targets[0]); }));
}

TEST_F(SkinManagerTest, TheHookSkinsWindowsWhenTheyAreActivated) {
  HWND wnd = Bare();
  SetForegroundWindow(wnd);
  EXPECT_TRUE(pump_until([&] { return Skinned(wnd); }));
  EXPECT_EQ(manager->State(), kManagerRunning);
}

TEST_F(SkinManagerTest, FormSkinsOfDestroyedWindowsLeaveTheList) {
  HWND bare = Bare();
  zfw::TForm* form = Form();
  form->Show();
  for (HWND wnd : {bare, form->Handle()}) {
    manager->SkinWindow(wnd);
    ASSERT_TRUE(pump_until([&] { return Skinned(wnd); }));
  }
  // A framework form owns its form skin, which leaves the list as it goes.
  const HWND form_wnd = form->Handle();
  forms.clear();
  EXPECT_EQ(EntriesOf(form_wnd), 0);
  // A bare window's form skin waits for the next purge.
  DestroyWindow(bare);
  manager->SkinWindow(Bare());
  EXPECT_EQ(EntriesOf(bare), 0);
}

TEST_F(SkinManagerTest, FreeingTheManagerUnhooksAndGivesTheWindowsBack) {
  HWND wnd = Bare();
  manager->SkinWindow(wnd);
  ASSERT_TRUE(pump_until([&] { return Skinned(wnd); }));
  FreeSkinManager();
  manager = nullptr;
  EXPECT_EQ(SkinManager, nullptr);
  EXPECT_EQ(CurrentSkinManagerLink(), nullptr);
  EXPECT_FALSE(Skinned(wnd));
  // No hook any more: a new window keeps its look.
  HWND later = Bare();
  SetForegroundWindow(later);
  pump(300);
  EXPECT_FALSE(Skinned(later));
}

TEST_F(SkinManagerTest, ChoosesTheSkinDataByFormTypeAndClass) {
  zfw::TForm* own = Form();
  own->Show();
  HWND dialog = CreateWindowExA(0, "#32770", "Dialog", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  windows.emplace_back(dialog);
  HWND plain = Bare();

  auto only_this = std::make_unique<TSkinData>(own);
  only_this->SetSkinFormtype(sfOnlyThisForm);
  TSkinData dialogs(nullptr);
  dialogs.SetSkinFormtype(sfDialog);
  TSkinData second_main(nullptr);
  for (TSkinData* d : {only_this.get(), &dialogs, &second_main}) manager->AddSkinData(d);

  EXPECT_EQ(manager->ChooseSkinData(own->Handle()), only_this.get());
  EXPECT_EQ(manager->ChooseSkinData(dialog), &dialogs);
  EXPECT_EQ(manager->ChooseSkinData(plain), &second_main);  // the last main one
  EXPECT_EQ(manager->MainSkinData(), data.get());            // the first main one steers the filter
  manager->RemoveSkinData(&dialogs);
  EXPECT_EQ(manager->ChooseSkinData(dialog), &second_main);
  manager->RemoveSkinData(&second_main);
  only_this.reset();
  EXPECT_EQ(manager->ChooseSkinData(plain), data.get());
}

}  // namespace
}  // namespace zembrel
