// TSkinData::ReadSkinDefinition: the whole definition, in the order in which later steps use
// what earlier ones read (colours before the elements that default to them, frame counts before
// the elements derived from them).
#include <algorithm>

#include "skin/paint/ImgUtil.h"
#include "skin/data/WinSkinData.h"
#include "skin/data/definition_rules.h"
#include "skin/data/skin_definition.h"

namespace zembrel {

namespace {

const char* const kPlainElements[] = {
    "ExtraImages", "Headerbar", "MenuItem", "MenuBackground", "Scrollbar", "HorzScroll", "VertScroll",
    "HorzScrollThumb", "VertScrollThumb", "Trackbar.ThumbHorz", "Trackbar.ThumbVert", "Trackbar.ThumbLeft",
    "Trackbar.ThumbRight", "Trackbar.ThumbUp", "Trackbar.ThumbDown"};

struct FrameDefault {
  const char* element;
  int frames;
};
const FrameDefault kFrameDefaults[] = {
    {"Personality", 2}, {"GroupBoxEdge", 2}, {"ToolBars", 5}, {"Tabs", 5}, {"ExtraImages", 5}, {"MenuItem", 5},
    {"Trackbar.ThumbHorz", 5}, {"Trackbar.ThumbVert", 5}, {"Trackbar.ThumbLeft", 5}, {"Trackbar.ThumbRight", 5},
    {"Trackbar.ThumbUp", 5}, {"Trackbar.ThumbDown", 5}, {"Tab.Pane", 1}, {"GroupBox", 1}, {"MenuBackground", 1},
    {"StatusBarEdges", 3}, {"ComboButton", 4}, {"SunkEdge", 4}, {"HorzScroll", 4}, {"VertScroll", 4},
    {"Scrollbar", 23}, {"UpDown.Horz", 8}, {"UpDown.Vert", 8}};

}  // namespace

void TSkinData::ReadSkinDefinition(const TQuickIni& ini) {
  std::vector<std::string> sections;
  ini.ReadSections(sections);
  skin_name_ = ini.ReadString("TitlebarSkin", "SkinName", "");
  SkinDefinitionSource src{ini, [this](zfw::TBitmap& b, const std::string& name) { LoadSkinBitmap(b, name); },
                           colours_.ButtonText};
  for (TDataSkinBorder* border : {left_.get(), right_.get(), top_.get(), bottom_.get()}) ReadFrameBorder(src, *border);
  colours_ = ReadSkinColours(ini, sections);
  src.button_text = colours_.ButtonText;
  title_buttons_ = ReadTitleButtons(src, sections);
  ReadButtons(src, *buttons_);
  ReadTitle(src, *title_);
  ReadOptionalElements(src);
  SetFrameCountDefaults(src);
  MakeDerivedElements();
  SampleFrameColor();
  face_brush_.reset(CreateSolidBrush(zfw::ColorToRGB(colours_.ButtonFace)));
  loading_ = false;
}

void TSkinData::ReadOptionalElements(const SkinDefinitionSource& src) {
  elements_.Clear();  // what this skin does not define again is gone
  elements_.Put(ReadProgressElement(src, "Progress"));
  elements_.Put(ReadPlainElement(src, "Progress.Chunk"));
  elements_.Put(ReadMenuBarElement(src));
  elements_.Put(ReadPlainElement(src, "GroupBoxEdge"));
  elements_.Put(ReadBoxLabelElement(src, "GroupBox"));
  elements_.Put(ReadElementWithSecondImage(src, "Tabs", "Border"));
  elements_.Put(ReadPlainElement(src, "StatusBarEdges"));
  if (TDataSkinObject* pane = elements_.Put(ReadPlainElement(src, "Tab.Pane"))) {
    for (int* edge : {&pane->LeftWidth, &pane->TopHeight, &pane->RightWidth, &pane->BottomHeight})
      *edge = std::min(*edge, 4);
  }
  elements_.Put(ReadPlainElement(src, "ToolBars"));
  elements_.Put(ReadElementWithSecondImage(src, "ComboButton", "****"));
  elements_.Put(ReadPlainElement(src, "SunkEdge"));
  if (auto* combo = elements_.Find<TDataSkinBorder>("ComboButton"); combo && !combo->Image.Empty()) {
    combo->Image2.Assign(combo->Image);
    SetBitmapPixelFormat(combo->Image2, zfw::pf24bit);
    MirrorBitmap(combo->Image2);
  }
  for (const char* name : kPlainElements) elements_.Put(ReadPlainElement(src, name));
  elements_.Put(ReadElementWithSecondImage(src, "UpDown.Horz", "GlyphImage"));
  elements_.Put(ReadElementWithSecondImage(src, "UpDown.Vert", "GlyphImage"));
  for (const char* name : {"Track", "TRACKVERT"}) {
    if (!elements_.Put(ReadPlainElement(src, name))) elements_.Put(BuiltInElement(AsciiUpper(name)));
  }
}

void TSkinData::SetFrameCountDefaults(const SkinDefinitionSource& src) {
  buttons_->FrameCount = 5;
  if (buttons_->RadioButtonFrame == 0)
    buttons_->RadioButtonFrame = CheckImageDefaultFrames(buttons_->RadioImage.Width(), buttons_->RadioImage.Height());
  if (buttons_->CheckButtonFrame == 0)
    buttons_->CheckButtonFrame = CheckImageDefaultFrames(buttons_->CheckImage.Width(), buttons_->CheckImage.Height());
  title_->FrameCount = 2;
  if (TDataSkinObject* progress = elements_.Find("Progress")) progress->FrameCount = progress->Style != 0 ? 1 : 2;
  for (const FrameDefault& d : kFrameDefaults)
    if (TDataSkinObject* e = elements_.Find(d.element)) e->FrameCount = d.frames;
  if (TDataSkinObject* header = elements_.Find("Headerbar"); header && header->FrameCount == 0) header->FrameCount = 5;
  for (const char* thumb : {"HorzScrollThumb", "VertScrollThumb"})
    if (TDataSkinObject* e = elements_.Find(thumb)) e->FrameCount = src.Integer(thumb, "FrameCount", 3);
}

}  // namespace zembrel
