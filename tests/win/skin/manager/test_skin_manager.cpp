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
#include "framework/stdctrls.h"
#include "skin/controls/WinSubClass.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"
#include "framework/fault_log.h"
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
    zfw::ClearFaultLog();
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
    EXPECT_EQ(zfw::FaultLogLines(), std::vector<std::string>{});
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

TEST_F(SkinManagerTest, ControlSkinsLeaveWithTheirControlAndWithTheFormSkin) {
  Running();
  zfw::TForm* form = Form();
  auto* button = new zfw::TButton(form);
  button->SetParent(form);
  button->SetBounds(10, 10, 90, 28);
  auto* edit = new zfw::TEdit(form);
  edit->SetParent(form);
  edit->SetBounds(10, 50, 120, 22);
  form->Show();
  manager->SkinWindow(form->Handle());
  TWinSkinForm* formSkin = nullptr;
  ASSERT_TRUE(pump_until([&] {
    formSkin = manager->FindFormSkin(form->Handle());
    return formSkin && formSkin->State() == kFormRunning;
  }));
  EXPECT_EQ(button->Perform(SKM_QUERY), 1);
  EXPECT_EQ(edit->Perform(SKM_QUERY), 1);
  const size_t skins = formSkin->ControlSkins().size();

  // A control freed while skinned takes its skin out of the form skin's list first.
  delete button;
  EXPECT_EQ(formSkin->ControlSkins().size(), skins - 1);
  for (TSkinControl* skin : formSkin->ControlSkins()) EXPECT_NE(skin->Handle(), nullptr);
  InvalidateRect(form->Handle(), nullptr, TRUE);
  pump(100);

  // Switched off, the remaining controls have their own handling back.
  data->SetActive(false);
  ASSERT_TRUE(pump_until([&] { return !Skinned(form->Handle()); }));
  EXPECT_NE(edit->Perform(SKM_QUERY), 1);
}

TEST_F(SkinManagerTest, ControlsWithTheDisableTagKeepTheirLookAndTakeAGroupsButtonsWithThem) {
  zfw::TForm* form = Form();
  data->SetDisableTag(42);
  auto* group = new zfw::TRadioGroup(form);
  group->SetParent(form);
  group->SetBounds(10, 10, 150, 90);
  group->Items().Assign({"One", "Two"});
  group->SetTag(42);
  auto* tagged = new zfw::TButton(form);
  tagged->SetParent(form);
  tagged->SetBounds(170, 10, 80, 26);
  tagged->SetTag(42);
  auto* plain = new zfw::TButton(form);
  plain->SetParent(form);
  plain->SetBounds(170, 50, 80, 26);
  plain->SetTag(99);  // the form's fixed 99 is not the controls' DisableTag
  form->Show();
  manager->SkinWindow(form->Handle());
  ASSERT_TRUE(pump_until([&] {
    TWinSkinForm* formSkin = manager->FindFormSkin(form->Handle());
    return formSkin && formSkin->State() == kFormRunning;
  }));
  ASSERT_EQ(group->ButtonCount(), 2);
  EXPECT_NE(group->Perform(SKM_QUERY), 1);
  for (int i = 0; i < group->ButtonCount(); ++i) {
    EXPECT_EQ(group->Buttons(i)->Tag(), 42);
    EXPECT_NE(group->Buttons(i)->Perform(SKM_QUERY), 1) << i;
  }
  EXPECT_NE(tagged->Perform(SKM_QUERY), 1);
  EXPECT_EQ(plain->Perform(SKM_QUERY), 1);
}

TEST_F(SkinManagerTest, Skin3rdLinesDecideBeforeTheControlTable) {
  const zfw::TColor own = RGB(10, 200, 30);
  const struct {
    const char* line;
    bool skinned;
    bool face_colour;  // the kinds that give the control the skin's face colour
  } cases[] = {
      {"TButton=nil", false, false},
      {"tbutton=NIL", false, false},         // the class is found whatever its case
      {"TButton=no-such-kind", false, false},  // a kind outside the table leaves it alone too
      {"TButton=panel", true, true},
      {"TButton=groupbox", true, true},
      {"TButton=button", true, false},
      {"XTButton=nil", true, false},  // anchored at the start of the line: the table decides
      {"TButton", true, false},       // no "=": not a line for the class
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    data->Skin3rd().Assign({c.line});
    zfw::TForm* form = Form();
    auto* button = new zfw::TButton(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 80, 26);
    button->SetColor(own);
    form->Show();
    manager->SkinWindow(form->Handle());
    ASSERT_TRUE(pump_until([&] {
      TWinSkinForm* formSkin = manager->FindFormSkin(form->Handle());
      return formSkin && formSkin->State() == kFormRunning;
    }));
    // A panel's skin (TSkinBox) only recolours and answers no messages: the form skin's list tells.
    EXPECT_EQ(manager->FindFormSkin(form->Handle())->FindControlSkin(button->Handle()) != nullptr, c.skinned);
    EXPECT_EQ(button->Color(), c.face_colour ? static_cast<zfw::TColor>(data->Colours().ButtonFace) : own);
    forms.clear();
  }
}

TEST_F(SkinManagerTest, ChildWindowsOfASystemDialogAreMatchedByClassAndStyle) {
  HWND dialog = CreateWindowExA(WS_EX_DLGMODALFRAME, "#32770", "Dialog", WS_POPUP | WS_CAPTION | WS_SYSMENU, 150, 150,
                                420, 320, nullptr, nullptr, nullptr, nullptr);
  windows.emplace_back(dialog);
  const struct {
    const char* what;
    const char* cls;
    DWORD style;
    bool skinned;
  } cases[] = {
      {"push button", "Button", BS_PUSHBUTTON, true},
      {"default push button", "Button", BS_DEFPUSHBUTTON, true},
      {"owner-drawn button", "Button", BS_OWNERDRAW, false},
      {"group box", "Button", BS_GROUPBOX, false},
      {"check box", "Button", BS_AUTOCHECKBOX, true},
      {"three-state box", "Button", BS_AUTO3STATE, true},
      {"radio button", "Button", BS_AUTORADIOBUTTON, true},
      {"edit", "Edit", ES_LEFT, true},
      {"drop-down list", "ComboBox", CBS_DROPDOWNLIST, true},
      {"simple combo box", "ComboBox", CBS_SIMPLE, false},
      {"size grip", "ScrollBar", SBS_SIZEGRIP, true},
      {"tree view", "SysTreeView32", 0, false},
      {"static text", "Static", SS_LEFT, false},
  };
  std::vector<HWND> children;
  int y = 4;
  for (const auto& c : cases) {
    children.push_back(CreateWindowExA(0, c.cls, c.what, WS_CHILD | WS_VISIBLE | c.style, 4, y, 160, 20, dialog,
                                       nullptr, nullptr, nullptr));
    y += 22;
  }
  ShowWindow(dialog, SW_SHOW);
  manager->SkinWindow(dialog);
  ASSERT_TRUE(pump_until([&] {
    TWinSkinForm* formSkin = manager->FindFormSkin(dialog);
    return formSkin && formSkin->State() == kFormRunning;
  }));
  for (size_t i = 0; i < children.size(); ++i) {
    SCOPED_TRACE(cases[i].what);
    ASSERT_NE(children[i], nullptr);
    EXPECT_EQ(SendMessageA(children[i], SKM_QUERY, 0, 0) == 1, cases[i].skinned);
  }
}

HWND g_mdi_client = nullptr;

LRESULT CALLBACK MdiFrameProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CREATE) {
    CLIENTCREATESTRUCT ccs{};
    ccs.idFirstChild = 1000;
    g_mdi_client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 0, 0, wnd,
                                   nullptr, GetModuleHandleA(nullptr), &ccs);
    return 0;
  }
  return DefFrameProcA(wnd, g_mdi_client, msg, wp, lp);
}

LRESULT CALLBACK MdiChildProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) { return DefMDIChildProcA(wnd, msg, wp, lp); }

TEST_F(SkinManagerTest, MdiChildrenAreSkinnedAtCreationAndFollowTheMaximiseSwitch) {
  Running();
  HWND frame = Bare("ZembrelMdiFrame", MdiFrameProc, 600, 450, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
  WNDCLASSA wc{};
  wc.lpfnWndProc = MdiChildProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = "ZembrelMdiChild";
  RegisterClassA(&wc);
  ASSERT_TRUE(pump_until([&] { return Skinned(frame); }));
  // No activation needed: the hook skins an MDI child as it is created.
  HWND child = CreateMDIWindowA("ZembrelMdiChild", "Child", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 150,
                                g_mdi_client, GetModuleHandleA(nullptr), 0);
  ASSERT_NE(manager->FindFormSkin(child), nullptr);
  ASSERT_TRUE(pump_until([&] { return manager->FindFormSkin(child)->State() == kFormRunning; }));
  EXPECT_EQ(manager->FindFormSkin(child)->MDIKind(), kMDIChild);
  EXPECT_EQ(manager->MDIClient(), g_mdi_client);
  RECT before{};
  GetClientRect(child, &before);

  // The maximise switch reaches the child: maximised look (no region of its own) and back.
  ASSERT_TRUE(WindowLook::Of(child).region) << "the skin's corners give the child a region";
  manager->SetMDIMaximized(true);
  EXPECT_TRUE(manager->MDIMaximized());
  EXPECT_FALSE(WindowLook::Of(child).region);
  manager->SetMDIMaximized(false);
  EXPECT_TRUE(WindowLook::Of(child).region);

  // Maximised and restored through the MDI client, the child keeps its client area.
  SendMessageA(g_mdi_client, WM_MDIMAXIMIZE, WPARAM(child), 0);
  pump(150);
  EXPECT_TRUE(IsZoomed(child));
  SendMessageA(g_mdi_client, WM_MDIRESTORE, WPARAM(child), 0);
  pump(150);
  RECT after{};
  GetClientRect(child, &after);
  EXPECT_EQ(after.right, before.right);
  EXPECT_EQ(after.bottom, before.bottom);

  // The frame closes with its skinned child inside; both entries leave at the next purge.
  DestroyWindow(frame);
  manager->PurgeFormSkins();
  EXPECT_EQ(EntriesOf(frame), 0);
  EXPECT_EQ(EntriesOf(child), 0);
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

TEST_F(SkinManagerTest, FreeingTheSkinDataGivesItsWindowsBackFirst) {
  HWND wnd = Bare();
  const WindowLook before = WindowLook::Of(wnd);
  manager->SkinWindow(wnd);
  ASSERT_TRUE(pump_until([&] { return Skinned(wnd) && manager->FindFormSkin(wnd)->State() == kFormRunning; }));
  data.reset();
  // No form skin goes on painting with a skin data that is gone.
  EXPECT_EQ(manager->FindFormSkin(wnd), nullptr);
  EXPECT_EQ(manager->MainSkinData(), nullptr);
  EXPECT_FALSE(Skinned(wnd));
  EXPECT_EQ(WindowLook::Of(wnd), before);
  InvalidateRect(wnd, nullptr, TRUE);
  pump(100);
}

TEST_F(SkinManagerTest, AWindowGivenBackBeforeItsSkinStartedKeepsItsSize) {
  // Freed right after it was attached, before the posted start message has run: the window was
  // never resized for the skin, so it comes back exactly as it was.
  HWND wnd = Bare();
  const WindowLook before = WindowLook::Of(wnd);
  manager->SkinWindow(wnd);
  ASSERT_NE(manager->FindFormSkin(wnd), nullptr);
  ASSERT_NE(manager->FindFormSkin(wnd)->State(), kFormRunning);
  data.reset();
  EXPECT_EQ(manager->FindFormSkin(wnd), nullptr);
  EXPECT_EQ(WindowLook::Of(wnd), before);
  pump(100);
  EXPECT_EQ(WindowLook::Of(wnd), before);
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

// Opens a popup menu for owner and reports whether its window was skinned while it was open.
bool PopupSkinnedWhileOpen(HWND owner) {
  static bool skinned;
  static bool seen;
  skinned = seen = false;
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 1, "Item");
  const UINT_PTR timer = SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND popup = FindWindowA("#32768", nullptr);
    if (!popup || seen) return;
    seen = true;
    skinned = SkinManager->IsPopupMenuSkinned(popup);
    EndMenu();
  });
  SetForegroundWindow(owner);
  TrackPopupMenu(menu, TPM_RETURNCMD, 200, 200, 0, owner, nullptr);
  KillTimer(nullptr, timer);
  DestroyMenu(menu);
  EXPECT_TRUE(seen) << "the popup menu never showed";
  return skinned;
}

TEST_F(SkinManagerTest, PopupMenusAreSkinnedWhereTheirOriginIsSwitchedOn) {
  HWND owner = Bare();
  ASSERT_TRUE(pump_until([&] { return Skinned(owner); }));
  const struct {
    const char* what;
    int origin;
    uint32_t switches;
    bool skinned;
  } cases[] = {
      {"context popup with xcPopupMenu", 0, SkinBit(xcPopupMenu), true},
      {"context popup without it", 0, SkinBit(xcMainMenu) | SkinBit(xcSystemMenu), false},
      {"menu-bar drop-down with xcMainMenu", 1, SkinBit(xcMainMenu), true},
      {"menu-bar drop-down with xcMenuItem", 1, SkinBit(xcMenuItem), true},
      {"menu-bar drop-down without either", 1, SkinBit(xcPopupMenu), false},
      {"system menu with xcSystemMenu", 2, SkinBit(xcSystemMenu), true},
      {"system menu without it", 2, SkinBit(xcPopupMenu), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    data->SetSkinControls(c.switches);
    manager->SetPopupOrigin(c.origin);
    EXPECT_EQ(PopupSkinnedWhileOpen(owner), c.skinned);
    pump(50);
    // A closed popup leaves the list; the last one resets the origin.
    EXPECT_TRUE(manager->PopupMenus().Empty());
    if (c.skinned) {
      EXPECT_EQ(manager->PopupOrigin(), 0);
    }
  }
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
