// The skin data component: its stored properties and defaults, reading from a stored form,
// what Loaded and the Active and SkinFile setters ask of the skin manager (through its link), the
// window veto, and
// the resources it derives for painting.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "framework/description.h"
#include "framework/forms.h"
#include "skin/storage/skin_notice.h"
#include "skin_fixture.h"

namespace zembrel::test {
namespace {

FixtureSkin SmallSkin() {
  FixtureSkin skin;
  skin.definition = "[TitlebarSkin]\nSkinName=Small\n[MenuItem]\nImage=e.bmp\n";
  skin.With("e.bmp", Bmp(20, 10));
  return skin;
}

TEST(SkinDataComponent, PropertiesInStoredOrderWithTheirDefaults) {
  TSkinData data(nullptr);
  std::vector<std::string> names;
  for (const zfw::PropInfo* p : TSkinData::StaticClass().all_props()) names.push_back(p->name);
  EXPECT_EQ(names, (std::vector<std::string>{"Name", "Tag", "Active", "DisableTag", "SkinControls", "Options",
                                             "Skin3rd", "SkinFile", "SkinStore", "SkinFormtype", "Version",
                                             "MenuUpdate", "MenuMerge", "OnSkinChanged"}));
  EXPECT_EQ(zfw::GetOrdProp(data, "Active"), 0);
  EXPECT_EQ(zfw::GetOrdProp(data, "DisableTag"), 99);
  EXPECT_EQ(zfw::GetOrdProp(data, "SkinControls"), 0x1FFFFB);
  EXPECT_EQ(zfw::GetOrdProp(data, "Options"), 0x48);
  EXPECT_EQ(zfw::GetSetProp(data, "Options"), "[xoPreview,xoToolbarBK]");
  EXPECT_EQ(zfw::GetEnumProp(data, "SkinFormtype"), "sfMainform");
  EXPECT_EQ(zfw::GetOrdProp(data, "MenuUpdate"), 1);
  EXPECT_EQ(zfw::GetOrdProp(data, "MenuMerge"), 0);
  EXPECT_EQ(zfw::GetStrProp(data, "SkinFile"), "");
  EXPECT_EQ(zfw::GetStrProp(data, "SkinStore"), "(none)");
  EXPECT_TRUE(data.Loading());
  EXPECT_TRUE(data.FramePainting);
  EXPECT_EQ(data.MaximizedWidth(), GetSystemMetrics(SM_CXMAXIMIZED));
  EXPECT_EQ(data.MaximizedHeight(), GetSystemMetrics(SM_CYMAXIMIZED));

  const std::vector<std::string> lines = data.Skin3rd().ToVector();
  ASSERT_EQ(lines.size(), 117u);
  EXPECT_EQ(lines.front(), "TCategoryButtons=scrollbar");
  EXPECT_EQ(lines[47], "TDBCheckboxEh=Checkbox");
  EXPECT_EQ(lines[48], "TDBCheckboxEh=Checkbox");
  EXPECT_EQ(lines.back(), "TOVCDBNUMERICFIELD=Edit");

  // Version is fixed, SkinStore only reports; the sets take their member names.
  zfw::SetStrProp(data, "Version", "9.9");
  zfw::SetStrProp(data, "SkinStore", "(Good)");
  EXPECT_EQ(zfw::GetStrProp(data, "Version"), "4.50.01.03");
  EXPECT_EQ(zfw::GetStrProp(data, "SkinStore"), "(none)");
  zfw::SetSetProp(data, "SkinControls", "[xcMainMenu, xcFastReport]");
  EXPECT_EQ(data.SkinControls(), SkinBit(xcMainMenu) | SkinBit(xcFastReport));
  zfw::SetEnumProp(data, "SkinFormtype", "sfDLL");
  EXPECT_EQ(data.SkinFormtype(), sfDLL);
  EXPECT_THROW(zfw::SetSetProp(data, "Options", "[xoNothing]"), zfw::EPropertyError);
}

TEST(SkinDataComponent, DesignModeStoresTheSkinWithoutLoadingIt) {
  TSkinData data(nullptr);
  data.SetComponentState(zfw::csDesigning, true);
  LoadFixture(data, SmallSkin());
  EXPECT_EQ(data.SkinStore(), "(Good)");
  EXPECT_TRUE(data.Loading());
  EXPECT_EQ(data.Element("MenuItem"), nullptr);
  const std::vector<uint8_t> stored = SmallSkin().Stored();
  EXPECT_EQ(data.WriteSkinStream(), stored);
  EXPECT_EQ(TSkinData(nullptr).WriteSkinStream(), (std::vector<uint8_t>{0, 0, 0, 0}));
}

std::string FormText(const std::string& skin_data_body) {
  return "object Form1: TForm\n  object SkinData1: TSkinData\n" + skin_data_body + "  end\nend\n";
}

std::string StoredSkinLine(const std::vector<uint8_t>& stored) { return "    SkinStream = {" + Hex(stored) + "}\n"; }

TEST(SkinDataComponent, AStoredFormCreatesItAndLoadsTheSkinBeforeLoaded) {
  RecordingLink link;
  RegisterSkinDataClass();
  zfw::TForm form(nullptr);
  zfw::ReadDescription(form, FormText("    Active = True\n    DisableTag = 99\n"
                                      "    SkinControls = [xcMainMenu, xcPopupMenu, xcToolbar, xcCombo]\n"
                                      "    Options = [xoPreview, xoToolbarBK]\n"
                                      "    Skin3rd.Strings = ('TFoo=nil' 'TBar=panel')\n"
                                      "    SkinFile = ''\n    SkinStore = '(none)'\n    SkinFormtype = sfMainform\n"
                                      "    Version = '1.0'\n    MenuUpdate = True\n    MenuMerge = False\n" +
                                      StoredSkinLine(SmallSkin().Stored())));
  auto* data = dynamic_cast<TSkinData*>(form.FindComponent("SkinData1"));
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->Owner(), &form);
  EXPECT_FALSE(data->Loading());
  EXPECT_EQ(data->SkinName(), "Small");
  EXPECT_NE(data->Element("MenuItem"), nullptr);
  EXPECT_EQ(data->Skin3rd().ToVector(), (std::vector<std::string>{"TFoo=nil", "TBar=panel"}));
  EXPECT_EQ(data->Version(), "4.50.01.03");
  // The skin was there when Loaded ran: Active stays on, and the manager hears of it once read.
  EXPECT_TRUE(data->Active());
  EXPECT_EQ(link.Take(), (std::vector<std::string>{"registered SkinData1", "loaded active SkinData1"}));
  EXPECT_EQ(data->SkinControls(), SkinBit(xcMainMenu) | SkinBit(xcPopupMenu) | SkinBit(xcToolbar) | SkinBit(xcCombo));
}

TEST(SkinDataComponent, MalformedStoredSkinsAreRefused) {
  RecordingLink link;
  RegisterSkinDataClass();
  const std::vector<uint8_t> packed = SmallSkin().Packed();
  auto with_length = [&](int32_t n, size_t keep) { return StoredStream(n, packed.data(), keep); };
  const struct {
    const char* what;
    std::vector<uint8_t> stored;
  } bad[] = {
      {"no length", {}},
      {"a short length", {1, 2}},
      {"a length beyond the data", with_length(static_cast<int32_t>(packed.size()) + 1, packed.size())},
      {"a negative length", with_length(-5, 10)},
      {"a huge length", with_length(INT32_MAX, 3)},
  };
  for (const auto& b : bad) {
    SCOPED_TRACE(b.what);
    zfw::TForm form(nullptr);
    EXPECT_THROW(zfw::ReadDescription(form, FormText(StoredSkinLine(b.stored))), zfw::EReadError);
  }

  // A length of 0 stores nothing; with no skin read, Loaded turns Active off.
  zfw::TForm form(nullptr);
  zfw::ReadDescription(form, FormText("    Active = True\n" + StoredSkinLine({0, 0, 0, 0})));
  auto* data = dynamic_cast<TSkinData*>(form.FindComponent("SkinData1"));
  ASSERT_NE(data, nullptr);
  EXPECT_TRUE(data->PackedSkin().empty());
  EXPECT_TRUE(data->Loading());
  EXPECT_FALSE(data->Active());
  EXPECT_EQ(link.calls.back(), "loaded SkinData1");
}

TEST(SkinDataComponent, AContainerOfAnotherFormatShowsTheNoticeAndLoadsNothing) {
  std::vector<skinpack::SkinEntry> entries = {{"skin.ini", {'[', 'x', ']'}}};
  std::vector<uint8_t> container = skinpack::BuildSkinContainer(kSkinFormat40000, entries);
  const int32_t other = 12345;
  std::memcpy(container.data(), &other, 4);
  const std::vector<uint8_t> stored = StoredStream(skinpack::LzhPack(container));

  std::vector<std::string> notices;
  SkinNoticeHandler old = SetSkinNoticeHandler([&](const std::string& text) { notices.push_back(text); });
  TSkinData data(nullptr);
  data.ReadSkinStream(stored);
  SetSkinNoticeHandler(old);
  EXPECT_EQ(notices, (std::vector<std::string>{"This is Older Skin File\rPlease update to new version !"}));
  EXPECT_TRUE(data.Loading());
}

TEST(SkinDataComponent, LoadedAdjustsSkinControlsByTheMainMenuSwitch) {
  const struct {
    uint32_t given, expected;
  } cases[] = {
      {kDefaultSkinControls, kDefaultSkinControls & ~SkinBit(xcMenuItem)},
      {kDefaultSkinControls | SkinBit(xcMenuItem), kDefaultSkinControls & ~SkinBit(xcMenuItem)},
      {kDefaultSkinControls & ~SkinBit(xcMainMenu), kDefaultSkinControls & ~SkinBit(xcMainMenu) & ~SkinBit(xcSystemMenu)},
  };
  for (const auto& c : cases) {
    TSkinData data(nullptr);
    data.SetSkinControls(c.given);
    data.Loaded();
    EXPECT_EQ(data.SkinControls(), c.expected) << std::hex << c.given;
  }
}

TEST(SkinDataComponent, TellsTheManagerWhatHappensToIt) {
  RecordingLink link;
  auto data = std::make_unique<TSkinData>(nullptr);
  data->SetActive(true);  // before Loaded: only stored
  EXPECT_TRUE(link.Take().empty());
  data->Loaded();  // no skin read: Active is turned off before the manager hears of it
  EXPECT_FALSE(data->Active());
  EXPECT_EQ(link.Take(), (std::vector<std::string>{"registered", "loaded"}));

  data->SetActive(true);
  data->SetActive(true);  // unchanged: nothing
  data->SetActive(false);
  LoadFixture(*data, SmallSkin());
  data->ApplySkin();
  EXPECT_EQ(link.Take(), (std::vector<std::string>{"active on", "active off", "skin changed"}));

  // Design mode asks nothing.
  data->SetComponentState(zfw::csDesigning, true);
  data->SetActive(true);
  data->ApplySkin();
  EXPECT_TRUE(link.Take().empty());
  data->SetComponentState(zfw::csDesigning, false);

  data.reset();
  EXPECT_EQ(link.Take(), (std::vector<std::string>{"removed"}));
}

TEST(SkinDataComponent, SkinFileLoadsAnExistingFileAndOnlyStoresAMissingName) {
  RecordingLink link;
  TSkinData data(nullptr);
  data.Loaded();
  data.SetSkinFile("Z:\\no\\such\\file.skin");
  EXPECT_EQ(data.SkinFile(), "Z:\\no\\such\\file.skin");
  EXPECT_TRUE(data.Loading());
  link.Take();

  char dir[MAX_PATH], path[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  GetTempFileNameA(dir, "skn", 0, path);
  {
    const std::vector<uint8_t> packed = SmallSkin().Packed();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(packed.data()),
                                                static_cast<std::streamsize>(packed.size()));
  }
  data.SetSkinFile(path);
  DeleteFileA(path);
  EXPECT_FALSE(data.Loading());
  EXPECT_EQ(data.SkinName(), "Small");
  EXPECT_EQ(link.Take(), (std::vector<std::string>{"skin changed"}));
}

TEST(SkinDataComponent, WithoutAManagerItLoadsAndKeepsItsState) {
  ASSERT_EQ(CurrentSkinManagerLink(), nullptr);
  auto data = std::make_unique<TSkinData>(nullptr);
  LoadFixture(*data, SmallSkin());
  data->SetActive(true);
  data->Loaded();
  data->SetActive(false);
  data->ApplySkin();
  EXPECT_EQ(data->SkinName(), "Small");
  EXPECT_FALSE(data->Active());
}

TEST(SkinDataComponent, ShouldSkinWindowVetoes) {
  TSkinData data(nullptr);
  const struct {
    const char* class_name;
    bool fast_report;
    bool expected;
  } cases[] = {
      {"SysMonthCal32", false, false}, {"SysMonthCal32x", false, true}, {"TfrDesigner", true, false},
      {"TfrDesigner", false, true},    {"TMyTfrForm", true, true},      {"tfrLower", true, true},
      {"#32770", true, true},
  };
  for (const auto& c : cases) {
    data.SetSkinControls(c.fast_report ? kDefaultSkinControls | SkinBit(xcFastReport) : kDefaultSkinControls);
    bool skin = true;
    data.ShouldSkinWindow(reinterpret_cast<HWND>(0x1234), c.class_name, skin);
    EXPECT_EQ(skin, c.expected) << c.class_name << (c.fast_report ? " with xcFastReport" : "");
  }
  EXPECT_EQ(data.WindowInQuestion(), reinterpret_cast<HWND>(0x1234));

  // The application's handler decides alone, also for classes otherwise refused.
  std::vector<std::string> asked;
  data.OnFormSkin = [&](zfw::TObject* sender, const std::string& name, bool& doSkin) {
    EXPECT_EQ(sender, &data);
    asked.push_back(name);
    doSkin = name == "SysMonthCal32";
  };
  bool skin = false;
  data.ShouldSkinWindow(nullptr, "SysMonthCal32", skin);
  EXPECT_TRUE(skin);
  data.ShouldSkinWindow(nullptr, "TMain", skin);
  EXPECT_FALSE(skin);
  EXPECT_EQ(asked, (std::vector<std::string>{"SysMonthCal32", "TMain"}));

  int changed = 0;
  data.NotifySkinChanged();
  data.OnSkinChanged = [&](zfw::TObject* sender) { changed += sender == &data; };
  data.NotifySkinChanged();
  EXPECT_EQ(changed, 1);
}

TEST(SkinDataComponent, CaptionFontAppIconAndMenuGlyphs) {
  zfw::TForm form(nullptr);
  const HWND wnd = form.Handle();
  // A small red icon for the form's window.
  const int w = GetSystemMetrics(SM_CXSMICON), h = GetSystemMetrics(SM_CYSMICON);
  zfw::TBitmap colour(w, h), mask(w, h, zfw::pf1bit);
  {
    zfw::OwnedBrush red(CreateSolidBrush(RGB(255, 0, 0)));
    const RECT all{0, 0, w, h};
    FillRect(colour.Canvas().Handle(), &all, red.get());
  }
  ICONINFO info{TRUE, 0, 0, mask.Handle(), colour.Handle()};
  zfw::OwnedIcon icon(CreateIconIndirect(&info));
  ASSERT_TRUE(icon);
  SendMessageA(wnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.get()));

  auto* data = new TSkinData(&form);
  data->Loaded();
  zfw::TBitmap& app = data->AppIconBitmap();
  ASSERT_EQ(app.Width(), w);
  ASSERT_EQ(app.Height(), h);
  EXPECT_EQ(app.Pixel(w / 2, h / 2), RGB(255, 0, 0));
  EXPECT_TRUE(app.Transparent());
  EXPECT_EQ(app.TransparentColor(), 0xFF00FF);

  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = 340;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0));
  EXPECT_EQ(data->CaptionFont().Name(), metrics.lfCaptionFont.lfFaceName);
  EXPECT_EQ(data->CaptionFont().Height(), metrics.lfCaptionFont.lfHeight);

  EXPECT_EQ(data->MenuGlyphs().Count(), 4);
  EXPECT_EQ(data->MenuGlyphs().Width(), 16);

  // Without an icon the bitmap keeps its magenta and is not made transparent.
  zfw::TForm plain(nullptr);
  plain.HandleNeeded();
  auto* other = new TSkinData(&plain);
  other->Loaded();
  EXPECT_EQ(other->AppIconBitmap().Pixel(w / 2, h / 2), RGB(255, 0, 255));
  EXPECT_FALSE(other->AppIconBitmap().Transparent());
}

}  // namespace
}  // namespace zembrel::test
