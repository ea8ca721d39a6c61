// The control skins on real windows driven by real input: hot and pressed buttons, check boxes and
// radio buttons toggled by the mouse, a list box scrolled through its skinned arrow and thumb,
// focus moved with Tab; the notifications a parent hears are the same with and without a skin;
// a progress bar painted from the skin. Every control is skinned directly (no form skin), with a
// fixture skin whose cells all differ in colour, so that a pixel tells which cell is shown.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <vector>

#include "control_fixture.h"
#include "framework/forms.h"
#include "framework/stdctrls.h"
#include "input_driver.h"
#include "skin/controls/skin_button_control.h"
#include "skin/controls/skin_check_radio_control.h"
#include "skin/controls/skin_combo_control.h"
#include "skin/controls/skin_progress_control.h"
#include "skin/controls/skin_scrollbar_control.h"

namespace zembrel::test {
namespace {

using ui::pump;
using ui::pump_until;

// A framework form holding one control of each family, each with its control skin.
class SkinnedForm : public ::testing::Test {
 protected:
  void SetUp() override {
    zfw::Application().Initialize();
    skin = LoadedSkin(FullControlSkin());
    form = std::make_unique<zfw::TForm>(nullptr);
    form->SetBounds(100, 100, 420, 260);
    button = add<zfw::TButton>(10, 10, 90, 28);
    button->SetText("Go");
    button->OnClick = [this](zfw::TObject*) { ++clicks; };
    check = add<zfw::TCheckBox>(10, 50, 120, 20);
    check->SetText("Lock");
    radio1 = add<zfw::TRadioButton>(10, 80, 120, 20);
    radio2 = add<zfw::TRadioButton>(10, 105, 120, 20);
    radio1->SetChecked(true);
    list = add<zfw::TListBox>(200, 10, 150, 120);
    for (int i = 0; i < 60; ++i) list->Items().Add("item " + std::to_string(i));
    edit = add<zfw::TEdit>(10, 140, 120, 22);
    form->Show();
    skin_control<TSkinButton>(button);
    skin_control<TSkinCheckBox>(check);
    skin_control<TSkinRadioButton>(radio1);
    skin_control<TSkinRadioButton>(radio2);
    scroll = skin_control<TSkinScrollbar>(list);
    edit->SetFocus();
    SetForegroundWindow(form->Handle());
    pump(500);  // a fresh window takes its first click only after a moment
  }
  void TearDown() override { form.reset(); }

  template <class C>
  C* add(int x, int y, int w, int h) {
    auto* c = new C(form.get());
    c->SetParent(form.get());
    c->SetBounds(x, y, w, h);
    return c;
  }
  template <class S>
  S* skin_control(zfw::TWinControl* control) {
    auto* s = new S(control);  // owned by the control
    s->Attach(nullptr, skin.get(), control, false, nullptr);
    control->Invalidate();
    return s;
  }
  HWND h(zfw::TWinControl* c) { return c->Handle(); }
  POINT centre(zfw::TWinControl* c) { return on_screen(h(c), c->Width() / 2, c->Height() / 2); }
  // The left edge of a button, where its frame's colour shows.
  COLORREF button_edge() { return shown(h(button), 1, button->Height() / 2); }
  // The middle of a check box's or radio button's box.
  COLORREF box_of(zfw::TWinControl* c) { return shown(h(c), 6, c->Height() / 2); }
  int top_index() { return static_cast<int>(SendMessageA(h(list), LB_GETTOPINDEX, 0, 0)); }

  std::unique_ptr<TSkinData> skin;
  std::unique_ptr<zfw::TForm> form;
  zfw::TButton* button = nullptr;
  zfw::TCheckBox* check = nullptr;
  zfw::TRadioButton *radio1 = nullptr, *radio2 = nullptr;
  zfw::TListBox* list = nullptr;
  zfw::TEdit* edit = nullptr;
  TSkinScrollbar* scroll = nullptr;
  int clicks = 0;
};

TEST_F(SkinnedForm, ButtonShowsHotAndPressedFramesAndClicksOnce) {
  EXPECT_EQ(button_edge(), CellColour(kTintButton, kButtonFrameNormal));
  COLORREF hot = 0, pressed = 0;
  gesture([&] {
    move_to(centre(button));
    pause(300);
  });
  hot = button_edge();
  gesture([&] {
    mouse_button(MOUSEEVENTF_LEFTDOWN);
    pause(300);
  });
  pressed = button_edge();
  EXPECT_EQ(clicks, 0) << "a press alone is no click";
  gesture([&] {
    mouse_button(MOUSEEVENTF_LEFTUP);
    pause(200);
  });
  EXPECT_EQ(hot, CellColour(kTintButton, kButtonFrameHot));
  EXPECT_EQ(pressed, CellColour(kTintButton, kButtonFramePressed));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(GetFocus(), h(button)) << "a click focuses the button as without a skin";
  EXPECT_EQ(button_edge(), CellColour(kTintButton, kButtonFrameHot));
  gesture([&] {
    move_to(on_screen(form->Handle(), 150, 230));
    pause(300);
  });
  EXPECT_EQ(button_edge(), CellColour(kTintButton, kButtonFrameFocused)) << "left: focused, not hot";
}

TEST_F(SkinnedForm, CheckBoxAndRadioItemToggleAndRepaint) {
  EXPECT_EQ(box_of(check), CellColour(kTintCheck, 1));
  gesture([&] { click_at(centre(check)); });
  EXPECT_TRUE(check->Checked());
  EXPECT_EQ(box_of(check), CellColour(kTintCheck, 5));  // checked, in the 12-cell order
  gesture([&] { click_at(centre(check)); });
  EXPECT_FALSE(check->Checked());
  EXPECT_EQ(box_of(check), CellColour(kTintCheck, 1));

  EXPECT_EQ(box_of(radio1), CellColour(kTintRadio, 5));
  gesture([&] { click_at(centre(radio2)); });
  EXPECT_TRUE(radio2->Checked());
  EXPECT_FALSE(radio1->Checked());
  EXPECT_EQ(box_of(radio2), CellColour(kTintRadio, 5));
  EXPECT_EQ(box_of(radio1), CellColour(kTintRadio, 1));

  check->SetEnabled(false);
  pump(100);
  EXPECT_EQ(box_of(check), CellColour(kTintCheck, 4));  // disabled, unchecked
}

// What a thumb drag shows, sampled from a timer while the system tracks the drag.
struct DragSample {
  int cursor_moved, painted_start, top;
};
struct DragWatch {
  std::vector<DragSample>* samples = nullptr;
  int start_y = 0;
  TWScrollbar* bar = nullptr;
  HWND list = nullptr;
} g_drag;

void CALLBACK record_drag(HWND, UINT, UINT_PTR, DWORD) {
  ScrollBarLook now;
  POINT cursor{};
  GetCursorPos(&cursor);
  if (g_drag.samples && g_drag.bar->CurrentLook(now) && now.tracking)
    g_drag.samples->push_back({cursor.y - g_drag.start_y, now.geometry.thumb_start,
                               static_cast<int>(SendMessageA(g_drag.list, LB_GETTOPINDEX, 0, 0))});
}

TEST_F(SkinnedForm, ListBoxScrollsThroughItsSkinnedArrowAndThumb) {
  TWScrollbar* bar = scroll->VertBar();
  ASSERT_TRUE(bar && bar->Shown() && IsWindowVisible(bar->Handle()));
  RECT overlay{};
  GetClientRect(bar->Handle(), &overlay);
  ASSERT_GT(overlay.bottom, 60);
  // The overlay lies exactly over the list's own bar and shows the skin's down arrow.
  EXPECT_EQ(shown(bar->Handle(), overlay.right / 2, overlay.bottom - 8), CellColour(kTintScroll, 13));

  gesture([&] { click_at(on_screen(bar->Handle(), overlay.right / 2, overlay.bottom - 6)); });
  EXPECT_EQ(top_index(), 1) << "one click on the arrow scrolls one line";

  // Drag the thumb down; a timer inside the system's tracking loop records what is painted.
  ScrollBarLook before;
  ASSERT_TRUE(bar->CurrentLook(before));
  const int grab_y = (before.geometry.thumb_start + before.geometry.thumb_end) / 2;
  std::vector<DragSample> seen;
  const POINT grab = on_screen(bar->Handle(), overlay.right / 2, grab_y);
  g_drag = DragWatch{&seen, grab.y, bar, h(list)};
  const UINT_PTR timer = SetTimer(nullptr, 0, 40, record_drag);
  gesture([&] {
    move_to(grab);
    pause(150);
    mouse_button(MOUSEEVENTF_LEFTDOWN);
    pause(150);
    for (int dy = 5; dy <= 30; dy += 5) {
      move_to(POINT{grab.x, grab.y + dy});
      pause(100);
    }
    pause(200);
    mouse_button(MOUSEEVENTF_LEFTUP);
    pause(150);
  });
  KillTimer(nullptr, timer);
  g_drag = DragWatch{};
  ASSERT_FALSE(seen.empty()) << "no paint happened while the thumb was held";
  const DragSample& last = seen.back();
  EXPECT_EQ(last.cursor_moved, 30);
  EXPECT_EQ(last.painted_start, before.geometry.thumb_start + 30) << "the painted thumb follows the cursor";
  EXPECT_GT(last.top, 1) << "the list scrolled while the thumb moved";
  EXPECT_GT(top_index(), 1);
  ScrollBarLook after;
  ASSERT_TRUE(bar->CurrentLook(after));
  EXPECT_GT(after.geometry.thumb_start, before.geometry.thumb_start);
  EXPECT_FALSE(after.tracking);
}

// Pixels of a check box's caption area that are not the face: its text, and its focus rectangle.
int ink_beside_box(HWND check, int w, int h) {
  HDC dc = GetDC(check);
  int n = 0;
  for (int x = 15; x < w; ++x)
    for (int y = 0; y < h; ++y) n += GetPixel(dc, x, y) != kFace;
  ReleaseDC(check, dc);
  return n;
}

TEST_F(SkinnedForm, TabMovesTheFocusAndTheFocusedControlShowsIt) {
  ASSERT_EQ(GetFocus(), h(edit));
  const int unfocused_ink = ink_beside_box(h(check), check->Width(), check->Height());
  // Tab until the focus reaches a control; every press moves it on.
  auto tab_to = [&](HWND target) {
    for (int i = 0; i < 8 && GetFocus() != target; ++i) {
      HWND before = GetFocus();
      gesture([] {
        key(VK_TAB);
        pause(150);
      });
      EXPECT_NE(GetFocus(), before) << "Tab left the focus on a " << ui::class_of(GetFocus());
    }
    return GetFocus() == target;
  };
  ASSERT_TRUE(tab_to(h(button)));
  EXPECT_EQ(button_edge(), CellColour(kTintButton, kButtonFrameFocused));
  ASSERT_TRUE(tab_to(h(check)));
  EXPECT_EQ(button_edge(), CellColour(kTintButton, kButtonFrameNormal));
  EXPECT_GT(ink_beside_box(h(check), check->Width(), check->Height()), unfocused_ink)
      << "the focused check box draws a focus rectangle around its caption";
}

// ---- notifications: the same with and without a skin ----

struct Note {
  int id, code;
  bool operator==(const Note& o) const { return id == o.id && code == o.code; }
};
std::vector<Note>* g_notes = nullptr;

LRESULT CALLBACK recording_parent(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COMMAND && lp && g_notes) g_notes->push_back({LOWORD(wp), HIWORD(wp)});
  return DefWindowProcA(w, msg, wp, lp);
}

// A bare window with a push button, a list box and a drop-down list, driven by the same clicks.
std::vector<Note> notes_of_a_session(TSkinData* skin) {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = recording_parent;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "ZembrelRecordingParent";
    return RegisterClassA(&wc) != 0;
  }();
  EXPECT_TRUE(registered);
  HWND parent = CreateWindowExA(0, "ZembrelRecordingParent", "notes", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 150, 150,
                                400, 300, nullptr, nullptr, nullptr, nullptr);
  HWND button = CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 26, parent,
                                reinterpret_cast<HMENU>(1), nullptr, nullptr);
  HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, 120,
                              10, 120, 100, parent, reinterpret_cast<HMENU>(2), nullptr, nullptr);
  HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 10, 150, 150, 200, parent,
                               reinterpret_cast<HMENU>(3), nullptr, nullptr);
  for (const char* s : {"one", "two", "three"}) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
  }
  std::vector<std::unique_ptr<TSkinControl>> skins;
  if (skin) {
    skins.push_back(std::make_unique<TSkinButton>(nullptr));
    skins.back()->AttachHandle(button, skin, nullptr, nullptr);
    skins.push_back(std::make_unique<TSkinScrollbarH>(nullptr));
    skins.back()->AttachHandle(list, skin, nullptr, nullptr);
    skins.push_back(std::make_unique<TSkinComBox>(nullptr));
    skins.back()->AttachHandle(combo, skin, nullptr, nullptr);
  }
  SetForegroundWindow(parent);
  pump(500);
  std::vector<Note> notes;
  g_notes = &notes;
  RECT combo_box{};
  GetClientRect(combo, &combo_box);
  gesture([&] {
    click_at(on_screen(button, 40, 13));
    click_at(on_screen(list, 30, 25));  // the second item
    click_at(on_screen(combo, combo_box.right - 8, combo_box.bottom / 2));  // drops the list
    pause(300);
    click_at(on_screen(combo, combo_box.right - 8, combo_box.bottom / 2));  // closes it
    pause(200);
  });
  g_notes = nullptr;
  skins.clear();
  DestroyWindow(parent);
  pump(100);
  return notes;
}

TEST(SkinnedNotifications, ParentHearsTheSameNotificationsWithAndWithoutASkin) {
  zfw::Application().Initialize();
  auto skin = LoadedSkin(FullControlSkin());
  const std::vector<Note> plain = notes_of_a_session(nullptr);
  const std::vector<Note> skinned = notes_of_a_session(skin.get());
  auto has = [&](int id, int code) { return std::find(plain.begin(), plain.end(), Note{id, code}) != plain.end(); };
  // The session itself: the click, the selection, the list dropped and closed.
  EXPECT_TRUE(has(1, BN_CLICKED));
  EXPECT_TRUE(has(2, LBN_SELCHANGE));
  EXPECT_TRUE(has(3, CBN_DROPDOWN));
  EXPECT_TRUE(has(3, CBN_CLOSEUP));
  ASSERT_EQ(skinned.size(), plain.size());
  for (size_t i = 0; i < plain.size(); ++i) {
    EXPECT_EQ(skinned[i].id, plain[i].id) << i;
    EXPECT_EQ(skinned[i].code, plain[i].code) << i;
  }
}

// ---- a progress bar on a test window ----

TEST(SkinnedProgress, BarOnATestWindowShowsItsPositionFromTheSkin) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&icc);
  auto skin = LoadedSkin(FullControlSkin());
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 200, 200, 300, 60, nullptr, nullptr, nullptr,
                                nullptr);
  HWND bar = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 10, 10, 200, 16, parent, nullptr, nullptr,
                             nullptr);
  SendMessageA(bar, PBM_SETRANGE32, 50, 100);
  SendMessageA(bar, PBM_SETPOS, 75, 0);
  auto progress = std::make_unique<TSkinProgress>(nullptr);
  progress->AttachHandle(bar, skin.get(), nullptr, nullptr);
  pump(200);
  // 75 of an upper limit of 100: three quarters of 200 pixels filled, the lower limit ignored.
  EXPECT_EQ(shown(bar, 140, 8), CellColour(kTintProgress, 2));
  EXPECT_EQ(shown(bar, 160, 8), CellColour(kTintProgress, 1));
  SendMessageA(bar, PBM_SETPOS, 100, 0);
  pump(100);
  EXPECT_EQ(shown(bar, 190, 8), CellColour(kTintProgress, 2));
  progress.reset();
  DestroyWindow(parent);
}

}  // namespace
}  // namespace zembrel::test
