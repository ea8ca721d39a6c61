#include "skin/data/WinSkinData.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "framework/class_builder.h"
#include "framework/description.h"
#include "framework/forms.h"
#include "skin/paint/ImgUtil.h"
#include "skin/storage/quick_ini.h"
#include "skin/data/skin_definition.h"
#include "skin/data/skin_manager_link.h"
#include "skin/storage/skin_reader.h"

namespace zembrel {

namespace {

const std::vector<std::string> kSkinControlNames = {
    "xcMainMenu", "xcPopupMenu", "xcMenuItem", "xcToolbar", "xcControlbar", "xcCombo", "xcCheckBox", "xcRadioButton",
    "xcProgress", "xcScrollbar", "xcEdit", "xcButton", "xcBitBtn", "xcSpeedButton", "xcSpin", "xcPanel", "xcGroupBox",
    "xcStatusBar", "xcTab", "xcTrackBar", "xcSystemMenu", "xcFastReport"};
const std::vector<std::string> kSkinOptionNames = {
    "xoMDIScrollbar", "xoMenuMerge", "xoTransparent", "xoPreview", "xoParentBackGround", "xoNoFocusRect",
    "xoToolbarBK", "xoMDIChildBorder", "xoMenuBG", "xoFormScrollbar"};
const std::vector<std::string> kSkinFormTypeNames = {"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"};

// Old systems lack GetScrollBarInfo; scroll bars are then left unskinned.
bool SystemHasScrollBarInfo() {
  static const bool present = GetProcAddress(GetModuleHandleA("user32.dll"), "GetScrollBarInfo") != nullptr;
  return present;
}

// The file-name part of a path and its extension from the last dot.
std::string FileNamePart(const std::string& path) {
  const size_t cut = path.find_last_of("\\/:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}
std::string ExtensionOf(const std::string& file) {
  const size_t dot = file.rfind('.');
  return dot == std::string::npos ? std::string() : file.substr(dot);
}

bool FileExists(const std::string& name) {
  const DWORD attributes = GetFileAttributesA(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The window whose icon stands for the application: the main form's, else the owner form's.
HWND ApplicationIconWindow(zfw::TComponent* owner) {
  if (zfw::TCustomForm* main = zfw::Application().MainForm(); main && main->HandleAllocated()) return main->Handle();
  if (auto* form = dynamic_cast<zfw::TCustomForm*>(owner); form && form->HandleAllocated()) return form->Handle();
  return nullptr;
}

}  // namespace

const zfw::TClassInfo& TSkinData::StaticClass() {
  using B = zfw::ClassBuilder<TSkinData>;
  static const zfw::TClassInfo& info = zfw::registered<TSkinData>(
      B("TSkinData", zfw::TComponent::StaticClass())
          .creatable()
          .boolean("Active", &TSkinData::Active, &TSkinData::SetActive)
          .integer("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag)
          .set("SkinControls", kSkinControlNames, &TSkinData::SkinControls, &TSkinData::SetSkinControls)
          .set("Options", kSkinOptionNames, &TSkinData::Options, &TSkinData::SetOptions)
          .sub_object("Skin3rd", [](TSkinData& d) -> zfw::TPersistent* { return &d.Skin3rd(); })
          .string("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile)
          .string("SkinStore", &TSkinData::SkinStore, &TSkinData::SetSkinStore)
          .enumeration("SkinFormtype", kSkinFormTypeNames, &TSkinData::SkinFormtype, &TSkinData::SetSkinFormtype)
          .string("Version", &TSkinData::Version, &TSkinData::SetVersion)
          .boolean("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate)
          .boolean("MenuMerge", &TSkinData::MenuMerge, &TSkinData::SetMenuMerge)
          .event("OnSkinChanged", &TSkinData::OnSkinChanged)
          .done());
  return info;
}

void RegisterSkinDataClass() { (void)TSkinData::StaticClass(); }

TSkinData::TSkinData(zfw::TComponent* owner)
    : zfw::TComponent(owner),
      buttons_(std::make_unique<TDataSkinButton>("Buttons")),
      title_(std::make_unique<TDataSkinTitle>("Title")),
      left_(std::make_unique<TDataSkinBorder>("Left")),
      right_(std::make_unique<TDataSkinBorder>("Right")),
      top_(std::make_unique<TDataSkinBorder>("Top")),
      bottom_(std::make_unique<TDataSkinBorder>("Bottom")),
      frame_color_(colours_.ButtonFace),
      menu_glyphs_(std::make_unique<zfw::TImageList>(nullptr)) {
  skin3rd_.Assign(DefaultSkin3rd());
  app_icon_.SetSize(0, 0, zfw::pf24bit);
  zfw::TBitmap glyphs;
  LoadResourceBitmap(glyphs, "GLAZENMENU");
  menu_glyphs_->AddMasked(glyphs, zfw::clWhite);
  maximized_width_ = GetSystemMetrics(SM_CXMAXIMIZED);
  maximized_height_ = GetSystemMetrics(SM_CYMAXIMIZED);
}

TSkinData::~TSkinData() {
  if (SkinManagerLink* link = CurrentSkinManagerLink()) link->SkinDataRemoved(*this);
}

// ---- stored properties ----

void TSkinData::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (ComponentState() & (zfw::csDesigning | zfw::csReading)) return;
  // Before Loaded there is nothing to tell; Loaded acts on the stored value.
  if (!registered_) return;
  if (SkinManagerLink* link = CurrentSkinManagerLink()) link->SkinDataActiveChanged(*this, value);
}

void TSkinData::SetSkinFile(const std::string& name) {
  loading_ = true;
  skin_file_ = name;
  if ((ComponentState() & zfw::csDesigning) || !FileExists(name)) return;
  std::ifstream file(name, std::ios::binary);
  packed_.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  LoadStoredSkin();
  ApplySkin();
}

std::string TSkinData::SkinStore() const {
  return (ComponentState() & zfw::csDesigning) && !packed_.empty() ? "(Good)" : "(none)";
}

void TSkinData::DefineProperties(zfw::TFiler& filer) {
  filer.DefineBinaryProperty("SkinStream", [this](const std::vector<uint8_t>& v) { ReadSkinStream(v); });
}

void TSkinData::ReadSkinStream(const std::vector<uint8_t>& stored) {
  int32_t length = 0;
  if (stored.size() < sizeof length) throw zfw::EReadError("SkinStream holds no length");
  std::memcpy(&length, stored.data(), sizeof length);
  if (length < 0 || static_cast<size_t>(length) > stored.size() - sizeof length)
    throw zfw::EReadError("SkinStream states " + std::to_string(length) + " bytes but holds " +
                          std::to_string(stored.size() - sizeof length));
  if (length == 0) return;
  packed_.assign(stored.begin() + sizeof length, stored.begin() + sizeof length + length);
  if (!(ComponentState() & zfw::csDesigning)) LoadStoredSkin();
}

std::vector<uint8_t> TSkinData::WriteSkinStream() const {
  const int32_t length = static_cast<int32_t>(packed_.size());
  std::vector<uint8_t> out(sizeof length + packed_.size());
  std::memcpy(out.data(), &length, sizeof length);
  std::copy(packed_.begin(), packed_.end(), out.begin() + sizeof length);
  return out;
}

// ---- loading ----

bool TSkinData::LoadStoredSkin() {
  loading_ = true;
  if (ComponentState() & zfw::csDesigning) return false;
  TSkinReader reader;
  struct ReaderInUse {
    TSkinData& data;
    ~ReaderInUse() {
      data.reader_ = nullptr;
      data.entry_.clear();
    }
  } in_use{*this};
  reader_ = &reader;
  if (!reader.ReadSkin(packed_)) return false;
  std::string ini_name;
  reader.FindEntry(".ini", entry_, ini_name);
  TQuickIni ini;
  ini.LoadFromStream(entry_);
  ReadSkinDefinition(ini);
  return true;
}

void TSkinData::LoadSkinBitmap(zfw::TBitmap& bitmap, const std::string& name) {
  bitmap.SetSize(0, 0);
  const std::string file = FileNamePart(name);
  if (file.empty() || ExtensionOf(file) != ".bmp" || !reader_) return;
  reader_->GetEntry(file, entry_);
  if (entry_.empty()) return;
  try {
    bitmap.LoadFromBytes(entry_);
  } catch (const zfw::EGraphicError&) {
    bitmap.SetSize(0, 0);  // a broken picture counts as a missing one
  }
}

void TSkinData::ApplySkin() {
  if (ComponentState() & (zfw::csDesigning | zfw::csReading)) return;
  if (!registered_) Loaded();
  if (SkinManagerLink* link = CurrentSkinManagerLink()) link->SkinDataSkinChanged(*this);
}

void TSkinData::Loaded() {
  zfw::TComponent::Loaded();
  if (ComponentState() & zfw::csDesigning) return;
  if (!SystemHasScrollBarInfo()) skin_controls_ &= ~SkinBit(xcScrollbar);
  SkinManagerLink* link = CurrentSkinManagerLink();
  registered_ = true;
  if (link) link->SkinDataRegistered(*this);
  LoadCaptionFont();
  if (form_type_ != sfMainform) {
    if (link) link->SkinDataLoaded(*this);
    return;
  }
  if (active_ && loading_) active_ = false;  // no skin was read completely: the windows keep their look
  if (link) link->SkinDataLoaded(*this);
  if (Skins(xcMainMenu)) skin_controls_ &= ~SkinBit(xcMenuItem);
  else skin_controls_ &= ~SkinBit(xcSystemMenu);
  MakeAppIconBitmap();
}

void TSkinData::ShouldSkinWindow(HWND wnd, const std::string& className, bool& DoSkin) {
  window_in_question_ = wnd;
  if (OnFormSkin) {
    OnFormSkin(this, className, DoSkin);
    return;
  }
  if (className == "SysMonthCal32" || (Skins(xcFastReport) && className.rfind("Tfr", 0) == 0)) DoSkin = false;
}

void TSkinData::NotifySkinChanged() {
  if (OnSkinChanged) OnSkinChanged(this);
}

// ---- derived resources ----

void TSkinData::LoadCaptionFont() {
  // The metrics as systems before Vista define them: 340 bytes, without the padded border width.
  static_assert(offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth) == 340);
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = 340;
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0)) return;
  const LOGFONTA& lf = metrics.lfCaptionFont;
  caption_font_.SetName(lf.lfFaceName);
  caption_font_.SetHeight(lf.lfHeight);
  caption_font_.SetCharset(lf.lfCharSet);
  caption_font_.SetStyle((lf.lfWeight >= FW_BOLD ? zfw::fsBold : 0u) | (lf.lfItalic ? zfw::fsItalic : 0u) |
                         (lf.lfUnderline ? zfw::fsUnderline : 0u) | (lf.lfStrikeOut ? zfw::fsStrikeOut : 0u));
}

void TSkinData::MakeAppIconBitmap() {
  const int w = GetSystemMetrics(SM_CXSMICON), h = GetSystemMetrics(SM_CYSMICON);
  app_icon_.SetSize(w, h, zfw::pf24bit);
  if (app_icon_.Empty()) return;
  HDC dc = app_icon_.Canvas().Handle();
  zfw::OwnedBrush magenta(CreateSolidBrush(RGB(255, 0, 255)));
  const RECT all{0, 0, w, h};
  FillRect(dc, &all, magenta.get());
  HWND wnd = ApplicationIconWindow(Owner());
  if (!wnd) return;
  auto icon = reinterpret_cast<HICON>(SendMessageA(wnd, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(wnd, WM_GETICON, ICON_BIG, 0));
  if (!icon) return;
  zfw::OwnedIcon copy(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, w, h, LR_COPYFROMRESOURCE)));
  if (!copy) return;
  DrawIconEx(dc, 0, 0, copy.get(), w, h, 0, nullptr, DI_NORMAL);
  app_icon_.SetTransparentColor(0xFF00FF);
  app_icon_.SetTransparent(true);
}

}  // namespace zembrel
