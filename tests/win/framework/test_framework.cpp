// The framework's contract for the code written against it: properties by name, description
// reading with Loaded order, WindowProc replacement and restore, the control atom, and the
// notifications.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "framework/class_builder.h"
#include "framework/description.h"
#include "framework/dialogs.h"
#include "framework/fault_log.h"
#include "framework/forms.h"

using namespace zfw;

namespace {

std::vector<std::string> g_loaded;

// A component that records when it is loaded and what it saw then.
class TRecorder final : public TComponent {
  ZFW_CLASS(TRecorder)
 public:
  explicit TRecorder(TComponent* owner) : TComponent(owner) {}
  TComponent* Partner() const { return partner_; }
  void SetPartner(TComponent* p) { partner_ = p; }
  std::vector<uint8_t> blob;
  TNotifyEvent OnPing;
  void Loaded() override {
    TComponent::Loaded();
    g_loaded.push_back(Name() + (partner_ ? ">" + partner_->Name() : ""));
  }
  void DefineProperties(TFiler& f) override {
    f.DefineBinaryProperty("Blob", [this](const std::vector<uint8_t>& v) { blob = v; });
  }

 private:
  TComponent* partner_ = nullptr;
};

const TClassInfo& TRecorder::StaticClass() {
  static const TClassInfo& info = registered<TRecorder>(ClassBuilder<TRecorder>("TRecorder", TComponent::StaticClass())
      .creatable()
      .reference<TComponent>("Partner", &TRecorder::Partner, &TRecorder::SetPartner)
      .event("OnPing", &TRecorder::OnPing)
      .done());
  return info;
}

class TTestForm final : public TForm {
  ZFW_CLASS(TTestForm)
 public:
  explicit TTestForm(TComponent* owner) : TForm(owner) {
    RegisterMethod("Pinged", [this](TObject*) { ++pings; });
  }
  int pings = 0;
  void Loaded() override {
    TForm::Loaded();
    g_loaded.push_back(Name());
  }
};
const TClassInfo& TTestForm::StaticClass() {
  static const TClassInfo info{"TTestForm", &TForm::StaticClass(), {}, {}};
  return info;
}

const char kDescription[] = R"(object Form1: TTestForm
  Caption = 'ab'#20013'c'
  ClientWidth = 300
  ClientHeight = 200
  object first: TRecorder
    Partner = second
    Blob = {0A0b FF}
    OnPing = Pinged
  end
  object Box: TGroupBox
    Left = 4
    Anchors = [akLeft, akBottom]
    object Btn: TButton
      Caption = 'Go' +
        ' on'
    end
    object List: TListBox
      Items.Strings = ('x' '' 'z')
    end
  end
  object second: TRecorder
  end
  object Bar: TStatusBar
    Panels = <item Width = 70 Text = 'p' end item end>
  end
end
)";

TEST(Description, CreatesTheTreeAssignsPropertiesAndCallsLoadedAfterward) {
  RegisterComponentClass(TRecorder::StaticClass());
  g_loaded.clear();
  TTestForm form(nullptr);
  ReadDescription(form, kDescription);
  EXPECT_EQ(form.Name(), "Form1");
  EXPECT_EQ(from_ansi(form.Text()), L"ab\u4E2Dc");
  auto* first = dynamic_cast<TRecorder*>(form.FindComponent("first"));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->blob, (std::vector<uint8_t>{0x0A, 0x0B, 0xFF}));
  first->OnPing(first);
  EXPECT_EQ(form.pings, 1);
  auto* btn = dynamic_cast<TButton*>(form.FindComponent("Btn"));
  ASSERT_NE(btn, nullptr);
  EXPECT_EQ(btn->Owner(), &form);
  EXPECT_EQ(btn->Parent(), form.FindComponent("Box"));
  EXPECT_EQ(btn->Text(), "Go on");
  EXPECT_EQ(dynamic_cast<TListBox*>(form.FindComponent("List"))->Items().ToVector(), (std::vector<std::string>{"x", "", "z"}));
  auto* bar = dynamic_cast<TStatusBar*>(form.FindComponent("Bar"));
  ASSERT_EQ(bar->Panels().Count(), 2);
  EXPECT_EQ(bar->Panel(0).Width(), 70);
  EXPECT_EQ(bar->Panel(0).Text(), "p");
  // Loaded runs once per component, after the whole text: the forward reference is resolved.
  EXPECT_EQ(g_loaded, (std::vector<std::string>{"Form1", "first>second", "second"}));
  EXPECT_FALSE(first->ComponentState() & csLoading);
}

TEST(Description, BadTextIsRefusedWithAReason) {
  RegisterComponentClass(TRecorder::StaticClass());
  const char* bad[] = {
      "",
      "object F: TTestForm",
      "object F: TTestForm\n Caption = 'open\nend",
      "object F: TTestForm\n object X: TNoSuchClass\n end\nend",
      "object F: TTestForm\n NoSuchProperty = 1\nend",
      "object F: TTestForm\n object R: TRecorder\n OnPing = Missing\n end\nend",
      "object F: TTestForm\n object R: TRecorder\n Partner = nobody\n end\nend",
      "object F: TTestForm\n object R: TRecorder\n Blob = {ABC}\n end\nend",
      "object F: TTestForm\n BorderStyle = bsRound\nend",
      "object F: TTestForm\n Caption = #99999999\nend",
      "object F: TForm\nend",
      "object F: TTestForm\n Left = 99999999999999999999999\nend",
  };
  for (const char* text : bad) {
    TTestForm form(nullptr);
    EXPECT_THROW(ReadDescription(form, text), EFrameworkError) << text;
  }
  std::string deep;
  for (int i = 0; i < 200; ++i) deep += "object a" + std::to_string(i) + ": TGroupBox\n";
  TTestForm form(nullptr);
  EXPECT_THROW(ReadDescription(form, "object F: TTestForm\n" + deep), EFrameworkError);
}

TEST(Properties, AreReachedByNameAlongTheClassChain) {
  TTestForm form(nullptr);
  auto* b = new TBitBtn(&form);
  b->SetParent(&form);
  SetOrdProp(*b, "left", 12);
  EXPECT_EQ(b->Left(), 12);
  SetEnumProp(*b, "Layout", "blGlyphTop");
  EXPECT_EQ(GetEnumProp(*b, "Layout"), "blGlyphTop");
  SetSetProp(*b, "Anchors", "[akLeft, akBottom]");
  EXPECT_EQ(GetSetProp(*b, "Anchors"), "[akLeft,akBottom]");
  SetStrProp(*b, "Caption", "\xBF\xAA\xCA\xBC");
  EXPECT_EQ(b->Text(), "\xBF\xAA\xCA\xBC");
  EXPECT_EQ(GetWideStrProp(*b, "Caption"), L"\u5F00\u59CB");
  auto* font = dynamic_cast<TFont*>(GetObjectProp(*b, "Font"));
  ASSERT_NE(font, nullptr);
  SetSetProp(*font, "Style", "[fsBold]");
  EXPECT_EQ(b->Font().Style(), unsigned(fsBold));
  SetEnumProp(form, "AutoScroll", "False");
  EXPECT_EQ(GetEnumProp(form, "AutoScroll"), "False");
  EXPECT_EQ(b->ClassName(), "TBitBtn");
  EXPECT_TRUE(b->InheritsFrom("tbutton"));
  EXPECT_TRUE(b->InheritsFrom("TWinControl"));
  EXPECT_FALSE(b->InheritsFrom("TCheckBox"));
  EXPECT_THROW(SetOrdProp(*b, "NoSuch", 1), EPropertyError);
  EXPECT_THROW(SetEnumProp(*b, "Layout", "blNowhere"), EPropertyError);
  EXPECT_THROW(GetStrProp(*b, "Left"), EPropertyError);
  EXPECT_THROW(SetObjectProp(*b, "Font", nullptr), EPropertyError);
}

TEST(Controls, WindowProcCanBeReplacedAndRestored) {
  TTestForm form(nullptr);
  auto* btn = new TButton(&form);
  btn->SetParent(&form);
  form.Show();
  HWND h = btn->Handle();
  char atom_name[64] = {};
  GlobalGetAtomNameA(ControlAtom(), atom_name, sizeof atom_name);
  char expected[64];
  std::snprintf(expected, sizeof expected, "ControlOfs%.8llX%.8lX",
                static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(GetModuleHandleA(nullptr))), GetCurrentThreadId());
  EXPECT_STREQ(atom_name, expected);
  EXPECT_EQ(GetPropA(h, MAKEINTATOM(ControlAtom())), btn);
  EXPECT_EQ(GetPropA(form.Handle(), MAKEINTATOM(ControlAtom())), static_cast<TWinControl*>(&form));

  std::vector<UINT> seen;
  TWndMethod old = btn->WindowProc;
  btn->WindowProc = [&](TMessage& m) {
    seen.push_back(m.Msg);
    if (m.Msg == WM_GETTEXTLENGTH) {
      m.Result = 99;  // consumed: never reaches the window
      return;
    }
    old(m);
  };
  SetWindowTextA(h, "abc");
  EXPECT_EQ(SendMessageA(h, WM_GETTEXTLENGTH, 0, 0), 99);
  btn->SetEnabled(false);
  btn->SetVisible(false);
  EXPECT_NE(std::find(seen.begin(), seen.end(), UINT(WM_SETTEXT)), seen.end());
  EXPECT_NE(std::find(seen.begin(), seen.end(), CM_ENABLEDCHANGED), seen.end());
  EXPECT_NE(std::find(seen.begin(), seen.end(), CM_VISIBLECHANGED), seen.end());
  btn->WindowProc = old;
  seen.clear();
  EXPECT_EQ(SendMessageA(h, WM_GETTEXTLENGTH, 0, 0), 3);
  EXPECT_TRUE(seen.empty());
}

// A failure thrown inside a window procedure or a timer handler stops there: the message is
// answered 0, the window and the timer go on, and the failure is logged with where it happened.
TEST(Controls, FailuresInHandlersAreCaughtAndLogged) {
  ClearFaultLog();
  TTestForm form(nullptr);
  auto* btn = new TButton(&form);
  btn->SetParent(&form);
  form.Show();
  TWndMethod old = btn->WindowProc;
  btn->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_USER + 7) throw std::runtime_error("broken handler");
    old(m);
  };
  EXPECT_EQ(SendMessageA(btn->Handle(), WM_USER + 7, 0, 0), 0);
  EXPECT_TRUE(IsWindow(btn->Handle()));
  SetWindowTextA(btn->Handle(), "still");
  EXPECT_EQ(SendMessageA(btn->Handle(), WM_GETTEXTLENGTH, 0, 0), 5);
  btn->WindowProc = old;

  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(20);
  timer.OnTimer = [&](TObject*) {
    ++ticks;
    throw std::runtime_error("broken timer");
  };
  timer.SetEnabled(true);
  const DWORD end = GetTickCount() + 3000;
  MSG msg;
  while (ticks < 2 && GetTickCount() < end) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(5);
  }
  timer.SetEnabled(false);
  EXPECT_GE(ticks, 2) << "the timer keeps running";
  const std::vector<std::string> lines = FaultLogLines();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "window procedure: broken handler");
  EXPECT_EQ(lines[1], "timer handler: broken timer");
}

TEST(Controls, NotificationsReachTheControlsThatListen) {
  TTestForm form(nullptr);
  auto* a = new TButton(&form);
  a->SetParent(&form);
  a->SetTabStop(true);
  auto* b = new TCheckBox(&form);
  b->SetParent(&form);
  b->SetBounds(0, 40, 80, 17);
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  label->SetBounds(100, 0, 50, 20);
  form.Show();
  std::vector<std::pair<std::string, UINT>> seen;
  auto listen = [&](TControl* c) {
    TWndMethod old = c->WindowProc;
    c->WindowProc = [&seen, c, old](TMessage& m) {
      if (m.Msg >= CM_BASE && m.Msg < CN_BASE + 0x400) seen.push_back({c->ClassName(), m.Msg});
      old(m);
    };
  };
  listen(a);
  listen(b);
  listen(label);
  int clicks = 0;
  a->OnClick = [&](TObject*) { ++clicks; };
  SendMessageA(a->Handle(), BM_CLICK, 0, 0);  // BN_CLICKED comes back reflected
  EXPECT_EQ(clicks, 1);
  b->SetFocus();
  SendMessageA(b->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(b->Checked());
  SendMessageA(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(110, 5));
  SendMessageA(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(200, 150));
  auto has = [&](const std::string& cls, UINT msg) {
    return std::find(seen.begin(), seen.end(), std::make_pair(cls, msg)) != seen.end();
  };
  EXPECT_TRUE(has("TButton", CN_COMMAND));
  EXPECT_TRUE(has("TCheckBox", CN_COMMAND));
  EXPECT_TRUE(has("TCheckBox", CM_CHECKEDCHANGED));
  EXPECT_TRUE(has("TCheckBox", CM_ENTER));
  EXPECT_TRUE(has("TButton", CM_FOCUSCHANGED));
  EXPECT_TRUE(has("TLabel", CM_MOUSEENTER));
  EXPECT_TRUE(has("TLabel", CM_MOUSELEAVE));
}

// One framework notification as a control received it.
struct Step {
  std::string who;
  UINT msg;
  bool operator==(const Step&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Step& s) { return out << s.who << ":0x" << std::hex << s.msg << std::dec; }

// The framework notifications two controls receive, in order, as a user moves the focus, ticks
// a check box and presses an Alt accelerator: the sequences the skins rely on.
TEST(Controls, NotificationSequencesFollowTheUsersSteps) {
  TTestForm form(nullptr);
  auto* ok = new TButton(&form);
  ok->SetParent(&form);
  ok->SetText("&Ok");
  ok->SetBounds(0, 0, 80, 25);
  auto* box = new TCheckBox(&form);
  box->SetParent(&form);
  box->SetBounds(0, 40, 80, 17);
  form.Show();
  ok->SetFocus();
  std::vector<Step> seen;
  for (TControl* c : std::initializer_list<TControl*>{ok, box}) {
    TWndMethod old = c->WindowProc;
    c->WindowProc = [&seen, c, old](TMessage& m) {
      if (m.Msg >= CM_BASE && m.Msg < CN_BASE + 0x400 && m.Msg != CN_CTLCOLORBTN && m.Msg != CN_CTLCOLORSTATIC)
        seen.push_back({c->ClassName(), m.Msg});
      old(m);
    };
  }
  int clicks = 0;
  ok->OnClick = [&](TObject*) { ++clicks; };

  box->SetFocus();
  EXPECT_EQ(seen, (std::vector<Step>{{"TButton", CM_EXIT},
                                     {"TCheckBox", CM_ENTER},
                                     {"TButton", CM_FOCUSCHANGED},
                                     {"TCheckBox", CM_FOCUSCHANGED}}));
  seen.clear();
  SendMessageA(box->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(seen, (std::vector<Step>{{"TCheckBox", CN_COMMAND}, {"TCheckBox", CM_CHECKEDCHANGED}}));
  seen.clear();
  // Alt+O on the check box: the form offers the character to its controls; the button whose
  // caption holds "&O" takes it and is clicked.
  PostMessageA(box->Handle(), WM_SYSCHAR, 'o', 1 << 29);
  Application().ProcessMessages();
  EXPECT_EQ(clicks, 1);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.front(), (Step{"TCheckBox", CN_SYSCHAR}));
  EXPECT_NE(std::find(seen.begin(), seen.end(), Step{"TButton", CM_DIALOGCHAR}), seen.end());
  seen.clear();
  ok->SetVisible(false);
  ok->SetEnabled(false);
  EXPECT_EQ(seen, (std::vector<Step>{{"TButton", CM_VISIBLECHANGED}, {"TButton", CM_ENABLEDCHANGED}}));
}

TEST(Graphics, BrokenBitmapsAndPicturesAreRefused) {
  std::vector<uint8_t> good = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0,
                               1, 0, 24, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                               0x10, 0x20, 0x30, 0};
  TBitmap bmp;
  bmp.LoadFromBytes(good);
  EXPECT_EQ(bmp.Pixel(0, 0), RGB(0x30, 0x20, 0x10));
  for (size_t cut = 0; cut + 1 < good.size(); cut += 5) {
    std::vector<uint8_t> part(good.begin(), good.begin() + static_cast<long>(cut));
    EXPECT_THROW(bmp.LoadFromBytes(part), EGraphicError) << cut;
  }
  std::vector<uint8_t> huge = good;
  huge[18] = 0xFF, huge[19] = 0xFF, huge[20] = 0xFF, huge[21] = 0x7F;
  EXPECT_THROW(bmp.LoadFromBytes(huge), EGraphicError);
  TJPEGImage jpeg;
  EXPECT_THROW(jpeg.LoadFromBytes(good), EGraphicError);
  std::vector<uint8_t> fake_jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1};
  EXPECT_THROW(jpeg.LoadFromBytes(fake_jpeg), EGraphicError);
  TPicture picture;
  EXPECT_THROW(picture.LoadFromData({5, 'T', 'N', 'o', 'n', 'e', 0, 0, 0, 0}), EGraphicError);
}

}  // namespace
