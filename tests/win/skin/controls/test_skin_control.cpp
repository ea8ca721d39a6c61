// The control skin base: the message procedure both modes share (which messages reach the
// skin's hooks, the control's own handling and Paint), switching a skin off and on, giving the
// window procedure back, the life cycle with the form skin, the parent-background switch and the
// focus rectangle's place.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/forms.h"
#include "framework/handles.h"
#include "framework/stdctrls.h"
#include "skin/controls/WinSubClass.h"
#include "skin/data/WinSkinData.h"
#include "framework/fault_log.h"
#include "skin/frame/skin_messages.h"
#include "tests/win/ui/ui_driver.h"

namespace zembrel {
namespace {

using ui::pump;
using ui::pump_until;

// Records what the base hands to a control skin: "before N", "after N", "paint".
class RecordingSkin final : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::vector<std::string> seen;
  std::vector<UINT> watched = {WM_SETTEXT, WM_PAINT, WM_USER + 5};
  using TSkinControl::DrawCaption;
  using TSkinControl::DrawFocus;
  using TSkinControl::DrawImageAndCaption;
  void SetText(const std::wstring& text) { FText = text; }

 protected:
  bool BeforeMessage(zfw::TMessage& msg) override {
    if (Watched(msg.Msg)) seen.push_back("before " + std::to_string(msg.Msg));
    return TSkinControl::BeforeMessage(msg);
  }
  void AfterMessage(zfw::TMessage& msg) override {
    if (Watched(msg.Msg)) seen.push_back("after " + std::to_string(msg.Msg));
    TSkinControl::AfterMessage(msg);
  }
  void Paint(HDC, const RECT&) override { seen.push_back("paint"); }

 private:
  bool Watched(UINT msg) const { return std::find(watched.begin(), watched.end(), msg) != watched.end(); }
};

// A framework button on a shown form, and what reached the button's own handling.
struct ButtonFixture {
  zfw::TForm form{nullptr};
  zfw::TButton* button = new zfw::TButton(&form);
  std::vector<UINT> reached;
  ButtonFixture() {
    form.SetBounds(100, 100, 300, 200);
    button->SetParent(&form);
    button->SetBounds(10, 10, 100, 30);
    form.Show();
    auto old = button->WindowProc;
    button->WindowProc = [this, old](zfw::TMessage& m) {
      if (m.Msg == WM_USER + 5 || m.Msg == SKM_QUERY || m.Msg == SKM_ENABLE) reached.push_back(m.Msg);
      old(m);
    };
  }
};

const std::string kBefore = "before " + std::to_string(WM_USER + 5), kAfter = "after " + std::to_string(WM_USER + 5);

TEST(SkinControlBase, ControlModeRunsBeforeTheControlsHandlingThenAfter) {
  zfw::ClearFaultLog();
  ButtonFixture f;
  auto* skin = new RecordingSkin(f.button);
  skin->Attach(nullptr, nullptr, f.button, false, nullptr);
  EXPECT_EQ(skin->LifeState(), kControlSkinAttached);
  EXPECT_EQ(skin->Handle(), f.button->Handle());

  f.button->Perform(WM_USER + 5);
  EXPECT_EQ(skin->seen, (std::vector<std::string>{kBefore, kAfter}));
  EXPECT_EQ(f.reached, (std::vector<UINT>{WM_USER + 5}));

  // Skinned controls say so, and the control never sees the question.
  skin->seen.clear();
  f.reached.clear();
  EXPECT_EQ(f.button->Perform(SKM_QUERY), 1);
  EXPECT_TRUE(f.reached.empty());

  // A text change repaints through Paint.
  SetWindowTextA(f.button->Handle(), "Other");
  EXPECT_TRUE(pump_until([&] { return std::find(skin->seen.begin(), skin->seen.end(), "paint") != skin->seen.end(); }));
  EXPECT_EQ(skin->seen.front(), "before " + std::to_string(WM_SETTEXT));

  // Switched off: everything goes straight to the control; SKM_ENABLE itself never does.
  skin->seen.clear();
  f.reached.clear();
  f.button->Perform(SKM_ENABLE, 0);
  EXPECT_FALSE(skin->Active());
  f.button->Perform(WM_USER + 5);
  EXPECT_EQ(f.button->Perform(SKM_QUERY), 0);
  EXPECT_TRUE(skin->seen.empty());
  EXPECT_EQ(f.reached, (std::vector<UINT>{WM_USER + 5, SKM_QUERY}));
  f.button->Perform(SKM_ENABLE, 1);
  EXPECT_TRUE(skin->Active());
  EXPECT_EQ(std::count(f.reached.begin(), f.reached.end(), SKM_ENABLE), 0);

  // Unhooked: the control's own procedure is back.
  skin->Unhook();
  skin->seen.clear();
  f.button->Perform(WM_USER + 5);
  EXPECT_TRUE(skin->seen.empty());
  EXPECT_EQ(zfw::FaultLogLines(), std::vector<std::string>{});
}

TEST(SkinControlBase, HandleModeSubclassesTheWindowAndGivesItBack) {
  zfw::TForm form(nullptr);
  form.Show();
  HWND button = CreateWindowExW(0, L"BUTTON", L"Push", WS_CHILD | WS_VISIBLE, 5, 5, 80, 24, form.Handle(), nullptr,
                                nullptr, nullptr);
  const LONG_PTR original = GetWindowLongPtrW(button, GWLP_WNDPROC);
  auto skin = std::make_unique<RecordingSkin>(nullptr);
  skin->AttachHandle(button, nullptr, nullptr, nullptr);
  EXPECT_NE(GetWindowLongPtrW(button, GWLP_WNDPROC), original);
  EXPECT_EQ(SendMessageW(button, SKM_QUERY, 0, 0), 1);
  SendMessageW(button, WM_USER + 5, 0, 0);
  EXPECT_EQ(skin->seen, (std::vector<std::string>{kBefore, kAfter}));
  // The system's handling still runs: the text reaches the button.
  SendMessageW(button, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Changed"));
  wchar_t text[32] = {};
  GetWindowTextW(button, text, 32);
  EXPECT_STREQ(text, L"Changed");

  skin->Unhook();
  EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), original);
  EXPECT_NE(SendMessageW(button, SKM_QUERY, 0, 0), 1);

  // A window destroyed under its skin leaves the skin in the destroyed state.
  auto second = std::make_unique<RecordingSkin>(nullptr);
  second->AttachHandle(button, nullptr, nullptr, nullptr);
  DestroyWindow(button);
  EXPECT_EQ(second->LifeState(), kControlSkinDestroyed);
  EXPECT_FALSE(second->Active());
}

TEST(SkinControlBase, OwnColourSwitchesParentBackgroundOffWhileSkinned) {
  const struct {
    bool option;
    bool while_skinned;
  } cases[] = {{false, false}, {true, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.option ? "xoParentBackGround" : "no xoParentBackGround");
    zfw::TForm form(nullptr);
    auto* panel = new zfw::TPanel(&form);
    panel->SetParent(&form);
    panel->SetParentBackground(true);
    panel->SetColor(RGB(1, 2, 3));
    TSkinData data(nullptr);
    data.SetOptions(c.option ? SkinBit(xoParentBackGround) : 0);
    auto* skin = new RecordingSkin(panel);
    skin->Attach(nullptr, &data, panel, true, nullptr);
    EXPECT_EQ(panel->ParentBackground(), c.while_skinned);
    EXPECT_EQ(panel->Color(), static_cast<zfw::TColor>(data.Colours().ButtonFace));
    EXPECT_EQ(skin->Mode(), c.while_skinned ? 0 : 1);
    skin->Detach();
    EXPECT_TRUE(panel->ParentBackground());
    EXPECT_EQ(panel->Color(), RGB(1, 2, 3));
  }
}

TEST(SkinControlBase, CentredFocusRectangleSitsOnePixelAboveTheCentre) {
  zfw::TBitmap bitmap(120, 41);
  HDC dc = bitmap.Canvas().Handle();
  const RECT all{0, 0, 120, 41};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  RecordingSkin skin(nullptr);
  skin.SetText(L"Ok");
  SIZE text{};
  GetTextExtentPoint32W(dc, L"Ok", 2, &text);
  skin.DrawFocus(dc, DT_CENTER | DT_SINGLELINE, all);
  int top = -1, bottom = -1, left = -1, right = -1;
  for (int y = 0; y < 41; ++y)
    for (int x = 0; x < 120; ++x)
      if (bitmap.Pixel(x, y) != RGB(255, 255, 255)) {
        if (top < 0) top = y;
        bottom = y;
        left = left < 0 ? x : std::min(left, x);
        right = std::max(right, x);
      }
  ASSERT_GE(top, 0) << "no focus rectangle drawn";
  // Measured text, centred, moved up by one, grown by 2 and 1.
  const int expected_top = (41 - text.cy) / 2 - 1 - 1;
  EXPECT_EQ(top, expected_top);
  EXPECT_EQ(bottom, expected_top + text.cy + 1);
  EXPECT_EQ(left, (120 - text.cx) / 2 - 2);
  EXPECT_EQ(right, (120 - text.cx) / 2 + text.cx + 1);
}

// The bounding box of the pixels that are not white.
RECT InkOf(zfw::TBitmap& bitmap, COLORREF* colour = nullptr) {
  RECT ink{bitmap.Width(), bitmap.Height(), -1, -1};
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (COLORREF c = bitmap.Pixel(x, y); c != RGB(255, 255, 255)) {
        ink = RECT{std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x + 1),
                   std::max<LONG>(ink.bottom, y + 1)};
        if (colour) *colour = c;
      }
  return ink;
}

TEST(SkinControlBase, CaptionsAreCentredInTheirCellAndGreyWhenDisabled) {
  for (bool enabled : {true, false}) {
    SCOPED_TRACE(enabled ? "enabled" : "disabled");
    zfw::TBitmap bitmap(160, 40);
    zfw::TCanvas& canvas = bitmap.Canvas();
    const RECT all{0, 0, 160, 40};
    FillRect(canvas.Handle(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    canvas.Font().SetColor(RGB(0, 0, 0));
    RecordingSkin skin(nullptr);
    skin.DrawCaption(canvas, all, DT_CENTER, enabled, L"WWWW");
    SIZE cell{};
    GetTextExtentPoint32W(canvas.Handle(), L"WWWW", 4, &cell);
    COLORREF colour = 0;
    const RECT ink = InkOf(bitmap, &colour);
    // Every pixel lies in the text's cell: centred across, one pixel above the middle down.
    const RECT expected{(160 - cell.cx) / 2, (40 - cell.cy) / 2 - 1, (160 - cell.cx) / 2 + cell.cx,
                        (40 - cell.cy) / 2 - 1 + cell.cy};
    EXPECT_GE(ink.left, expected.left);
    EXPECT_LE(ink.right, expected.right);
    EXPECT_GE(ink.top, expected.top);
    EXPECT_LE(ink.bottom, expected.bottom);
    EXPECT_GT(ink.right - ink.left, cell.cx / 2);
    EXPECT_EQ(colour, enabled ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNSHADOW));
  }
}

TEST(SkinControlBase, ImageAndCaptionSitSideBySideFromTheLeftOffset) {
  zfw::TBitmap bitmap(200, 40);
  zfw::TCanvas& canvas = bitmap.Canvas();
  const RECT all{0, 0, 200, 40};
  FillRect(canvas.Handle(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  zfw::TImageList images(nullptr);
  images.SetWidth(16);
  images.SetHeight(16);
  zfw::TBitmap red(16, 16);
  const RECT icon{0, 0, 16, 16};
  zfw::OwnedBrush brush(CreateSolidBrush(RGB(255, 0, 0)));
  FillRect(red.Canvas().Handle(), &icon, brush.get());
  images.AddMasked(red, zfw::clWhite);
  RecordingSkin skin(nullptr);
  skin.DrawImageAndCaption(canvas, all, 0, L"Text", 0, images.Handle());
  // Left alignment starts at 3: the 16-pixel icon, vertically centred, then the text after it.
  EXPECT_NE(bitmap.Pixel(3, 12), RGB(255, 255, 255));
  EXPECT_NE(bitmap.Pixel(18, 27), RGB(255, 255, 255));
  EXPECT_EQ(bitmap.Pixel(2, 20), RGB(255, 255, 255));
  EXPECT_EQ(bitmap.Pixel(3, 11), RGB(255, 255, 255));
  // No image index: the text alone starts at the offset.
  FillRect(canvas.Handle(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  skin.DrawImageAndCaption(canvas, all, 0, L"Text", -1, images.Handle());
  const RECT ink = InkOf(bitmap);
  EXPECT_GE(ink.left, 3);
  EXPECT_LT(ink.left, 3 + 16);
}

}  // namespace
}  // namespace zembrel
