// TSkinData: the skin data component a form carries. It holds the packed skin, turns it into the
// skin's elements and colours when the form is loaded, carries the switches that decide what is
// skinned, and tells the skin manager (through skin_manager_link.h) what happens to it; the manager
// skins the windows from it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/classes.h"
#include "framework/graphics.h"
#include "skin/data/skin_colours.h"
#include "skin/data/skin_elements.h"

namespace zfw {
class TControl;
}

namespace zembrel {

class TQuickIni;
class TSkinData;
class TSkinReader;
struct SkinDefinitionSource;

// Members of SkinControls: the kinds of control that are skinned (bit n = member n).
enum TSkinControlType : int {
  xcMainMenu, xcPopupMenu, xcMenuItem, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton,
  xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel, xcGroupBox,
  xcStatusBar, xcTab, xcTrackBar, xcSystemMenu, xcFastReport
};
// Members of Options.
enum TSkinOption : int {
  xoMDIScrollbar, xoMenuMerge, xoTransparent, xoPreview, xoParentBackGround, xoNoFocusRect, xoToolbarBK,
  xoMDIChildBorder, xoMenuBG, xoFormScrollbar
};
// How far a skin data's skinning reaches.
enum TSkinFormType : int { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

constexpr uint32_t SkinBit(int member) { return uint32_t(1) << member; }
// Every kind of control but menu items and report-designer windows.
inline constexpr uint32_t kDefaultSkinControls = 0x1FFFFB;
inline constexpr uint32_t kDefaultSkinOptions = SkinBit(xoPreview) | SkinBit(xoToolbarBK);  // 0x48
inline constexpr const char* kSkinDataVersion = "4.50.01.03";

// Lets the application decide whether a window of that class is skinned.
using TFormSkinEvent = std::function<void(zfw::TObject* sender, const std::string& aName, bool& DoSkin)>;
// Raised when a control gets a control skin; the handler may supply the control skin itself.
using TSkinControlEvent = std::function<void(zfw::TComponent* sender, TSkinData* skinData, zfw::TControl* form,
                                             zfw::TControl* control, const std::string& controlClass,
                                             zfw::TComponent*& skinnedControl)>;
// Raised by a form skin before and after it skins a window.
using TSkinFormNotifyEvent = std::function<void(zfw::TObject* sender, HWND ahwnd, const std::string& aName)>;

class TSkinData final : public zfw::TComponent {
  ZFW_CLASS(TSkinData)
 public:
  explicit TSkinData(zfw::TComponent* owner);
  ~TSkinData() override;

  // ---- stored properties ----
  bool Active() const { return active_; }
  void SetActive(bool value);
  int DisableTag() const { return disable_tag_; }
  void SetDisableTag(int tag) { disable_tag_ = tag; }
  uint32_t SkinControls() const { return skin_controls_; }
  void SetSkinControls(uint32_t bits) { skin_controls_ = bits; }
  bool Skins(TSkinControlType kind) const { return (skin_controls_ & SkinBit(kind)) != 0; }
  uint32_t Options() const { return options_; }
  void SetOptions(uint32_t bits) { options_ = bits; }
  bool HasOption(TSkinOption option) const { return (options_ & SkinBit(option)) != 0; }
  // Class name of a foreign control, "=", the kind of control skin it gets.
  zfw::TStringList& Skin3rd() { return skin3rd_; }
  void SetSkin3rd(const zfw::TStrings& lines) { skin3rd_.Assign(lines.ToVector()); }
  const std::string& SkinFile() const { return skin_file_; }
  // Loads and applies the skin file of that name when it exists; always sets Loading first.
  void SetSkinFile(const std::string& name);
  // "(Good)" in design mode with a stored skin, else "(none)"; writes are ignored.
  std::string SkinStore() const;
  void SetSkinStore(const std::string&) {}
  TSkinFormType SkinFormtype() const { return form_type_; }
  void SetSkinFormtype(TSkinFormType type) { form_type_ = type; }
  std::string Version() const { return kSkinDataVersion; }
  void SetVersion(const std::string&) {}
  bool MenuUpdate() const { return menu_update_; }
  void SetMenuUpdate(bool v) { menu_update_ = v; }
  bool MenuMerge() const { return menu_merge_; }
  void SetMenuMerge(bool v) { menu_merge_ = v; }

  zfw::TNotifyEvent OnSkinChanged;
  TFormSkinEvent OnFormSkin;
  TSkinControlEvent OnSkinControl;
  TSkinFormNotifyEvent OnBeforeSkinForm;
  TSkinFormNotifyEvent OnAfterSkinForm;

  // The packed skin (SkinStream): a stored form keeps it as a 32-bit length and the bytes.
  const std::vector<uint8_t>& PackedSkin() const { return packed_; }
  void DefineProperties(zfw::TFiler& filer) override;
  // Reads a stored SkinStream value; throws zfw::EReadError for a length that does not fit.
  void ReadSkinStream(const std::vector<uint8_t>& stored);
  // The stored form of the packed skin.
  std::vector<uint8_t> WriteSkinStream() const;

  void Loaded() override;

  // ---- loading ----
  // Unpacks the packed skin and reads its definition; false when the container is not one this
  // program reads. Loading stays set unless a definition was read completely.
  bool LoadStoredSkin();
  // Reads the whole definition into the elements and colours.
  void ReadSkinDefinition(const TQuickIni& ini);
  // The named image of the skin being loaded; only ".bmp" names. Empty when there is none.
  void LoadSkinBitmap(zfw::TBitmap& bitmap, const std::string& name);
  // Makes the running windows take up a newly loaded skin.
  void ApplySkin();

  // The veto of the skin manager before it skins a window of that class.
  void ShouldSkinWindow(HWND wnd, const std::string& className, bool& DoSkin);
  HWND WindowInQuestion() const { return window_in_question_; }
  void NotifySkinChanged();

  // ---- the loaded skin ----
  bool Loading() const { return loading_; }
  bool FramePainting = true;  // cleared by the form skin while a menu change passes through
  const std::string& SkinName() const { return skin_name_; }
  const TSkinColours& Colours() const { return colours_; }
  TDataSkinButton& Buttons() { return *buttons_; }
  TDataSkinTitle& Title() { return *title_; }
  TDataSkinBorder& Left() { return *left_; }
  TDataSkinBorder& Right() { return *right_; }
  TDataSkinBorder& Top() { return *top_; }
  TDataSkinBorder& Bottom() { return *bottom_; }
  // An optional element by its section name ("MenuItem", "Progress.Chunk"); null when absent.
  TDataSkinObject* Element(const std::string& name) const { return elements_.Find(name); }
  const TSkinElements& Elements() const { return elements_; }
  const TitleButtonList& TitleButtons() const { return title_buttons_; }
  zfw::TColor FrameColor() const { return frame_color_; }
  HBRUSH FaceBrush() const { return face_brush_.get(); }
  zfw::TFont& CaptionFont() { return caption_font_; }
  zfw::TBitmap& AppIconBitmap() { return app_icon_; }
  zfw::TImageList& MenuGlyphs() { return *menu_glyphs_; }
  int MaximizedWidth() const { return maximized_width_; }
  int MaximizedHeight() const { return maximized_height_; }

 private:
  void ReadFixedElements(const SkinDefinitionSource& src);
  void ReadOptionalElements(const SkinDefinitionSource& src);
  void SetFrameCountDefaults(const SkinDefinitionSource& src);
  void MakeDerivedElements();
  void SampleFrameColor();
  void LoadCaptionFont();
  void MakeAppIconBitmap();

  bool active_ = false;
  int disable_tag_ = 99;
  uint32_t skin_controls_ = kDefaultSkinControls;
  uint32_t options_ = kDefaultSkinOptions;
  zfw::TStringList skin3rd_;
  std::string skin_file_;
  TSkinFormType form_type_ = sfMainform;
  bool menu_update_ = true;
  bool menu_merge_ = false;

  std::vector<uint8_t> packed_;
  std::vector<uint8_t> entry_;
  TSkinReader* reader_ = nullptr;  // the reader of the load in progress
  bool loading_ = true;
  HWND window_in_question_ = nullptr;
  bool registered_ = false;  // Loaded has told the manager link about this skin data

  std::string skin_name_;
  TSkinColours colours_;
  std::unique_ptr<TDataSkinButton> buttons_;
  std::unique_ptr<TDataSkinTitle> title_;
  std::unique_ptr<TDataSkinBorder> left_, right_, top_, bottom_;
  TSkinElements elements_;
  TitleButtonList title_buttons_;
  zfw::TColor frame_color_;
  zfw::OwnedBrush face_brush_;
  zfw::TFont caption_font_;
  zfw::TBitmap app_icon_;
  std::unique_ptr<zfw::TImageList> menu_glyphs_;
  int maximized_width_ = 0;
  int maximized_height_ = 0;
};

// The foreign control classes a new skin data knows, as "class=kind" lines.
const std::vector<std::string>& DefaultSkin3rd();

// Makes TSkinData known to the description reader (stored forms create it by class name).
void RegisterSkinDataClass();

}  // namespace zembrel
