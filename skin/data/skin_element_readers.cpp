// The readers of single definition sections. Keys and defaults are those of the skin format;
// each reader corrects the values the painting code cannot use (Tile above 1).
#include "skin/data/skin_definition.h"

#include "skin/data/definition_rules.h"
#include "skin/data/skin_colours.h"

namespace zembrel {

void SkinDefinitionSource::Bitmap(zfw::TBitmap& bitmap, const std::string& section, const std::string& key) const {
  load_bitmap(bitmap, ini.ReadString(section, key, ""));
}

namespace {

bool HasValue(const SkinDefinitionSource& src, const std::string& section, const std::string& key) {
  return !src.ini.ReadString(section, key, "").empty();
}

void ReadEdges(const SkinDefinitionSource& src, const std::string& section, TDataSkinObject& e) {
  e.LeftWidth = src.Integer(section, "LeftWidth", 0);
  e.RightWidth = src.Integer(section, "RightWidth", 0);
  e.TopHeight = src.Integer(section, "TopHeight", 0);
  e.BottomHeight = src.Integer(section, "BottomHeight", 0);
}

void ReadStateColours(const SkinDefinitionSource& src, const std::string& section, TDataSkinObject& e) {
  e.NormalColour = src.Integer(section, "NormalColour", -1);
  e.MouseOverColour = src.Integer(section, "MouseOverColour", -1);
  e.PressedColour = src.Integer(section, "PressedColour", -1);
  e.NormalColour2 = ParseColourText(src.ini.ReadString(section, "NormalColour2", ""), src.button_text);
  e.MouseOverColour2 = ParseColourText(src.ini.ReadString(section, "MouseOverColour2", ""), src.button_text);
  e.PressedColour2 = ParseColourText(src.ini.ReadString(section, "PressedColour2", ""), src.button_text);
}

// The fields of a plain element; the frame count only when with_frame.
void ReadPlainFields(const SkinDefinitionSource& src, const std::string& section, TDataSkinObject& e, bool with_frame) {
  src.Bitmap(e.Image, section, "Image");
  e.Style = src.Integer(section, "Style", 0);
  ReadEdges(src, section, e);
  if (with_frame) e.FrameCount = src.Integer(section, "Frame", 0);
  e.Trans = src.Integer(section, "Trans", 0);
  e.Tile = src.Integer(section, "Tile", 0);
  ReadStateColours(src, section, e);
  if (e.Tile > 1) e.Tile = 0;
}

}  // namespace

std::unique_ptr<TDataSkinObject> ReadPlainElement(const SkinDefinitionSource& src, const std::string& section) {
  if (!HasValue(src, section, "Image")) return nullptr;
  auto e = std::make_unique<TDataSkinObject>(section);
  ReadPlainFields(src, section, *e, true);
  return e;
}

std::unique_ptr<TDataSkinBorder> ReadElementWithSecondImage(const SkinDefinitionSource& src, const std::string& section,
                                                            const std::string& second_key) {
  if (!HasValue(src, section, "Image")) return nullptr;
  auto e = std::make_unique<TDataSkinBorder>(section);
  ReadPlainFields(src, section, *e, false);
  if (HasValue(src, section, second_key)) src.Bitmap(e->Image2, section, second_key);
  return e;
}

std::unique_ptr<TDataSkinBorder> ReadProgressElement(const SkinDefinitionSource& src, const std::string& section) {
  if (!HasValue(src, section, "Bitmap")) return nullptr;
  auto e = std::make_unique<TDataSkinBorder>(section);
  src.Bitmap(e->Image, section, "Bitmap");
  e->Style = src.Integer(section, "Style", 0);
  ReadEdges(src, section, *e);
  e->Trans = src.Integer(section, "Trans", 0);
  e->Tile = src.Integer(section, "Tile", 0);
  if (e->Tile > 1) e->Tile = 1;
  return e;
}

std::unique_ptr<TDataSkinBoxLabel> ReadBoxLabelElement(const SkinDefinitionSource& src, const std::string& section) {
  if (!HasValue(src, section, "Image")) return nullptr;
  auto e = std::make_unique<TDataSkinBoxLabel>(section);
  ReadPlainFields(src, section, *e, false);
  e->BackgroundAlignment = src.Integer(section, "BackgroundAlignment", 0);
  e->BackgroundLeftShift = src.Integer(section, "BackgroundLeftShift", 0);
  e->BackgroundRightShift = src.Integer(section, "BackgroundRightShift", 0);
  return e;
}

std::unique_ptr<TDataSkinObject> ReadMenuBarElement(const SkinDefinitionSource& src) {
  const std::string section = "Personality";
  if (!HasValue(src, section, "menuBar")) return nullptr;
  auto e = std::make_unique<TDataSkinObject>(section);
  src.Bitmap(e->Image, section, "menuBar");
  e->TopHeight = 0;
  e->BottomHeight = 0;
  e->Tile = src.Integer(section, "TileMenu", 1);
  if (e->Tile > 1) e->Tile = 1;
  e->LeftWidth = src.Integer(section, "TileLeftMenu", 1);
  e->RightWidth = src.Integer(section, "TileRightMenu", 1);
  return e;
}

void ReadFrameBorder(const SkinDefinitionSource& src, TDataSkinBorder& border) {
  const std::string section = "Personality";
  const std::string& name = border.Name;
  const int first = src.Integer(section, name + "TopHeight", 0);
  const int second = src.Integer(section, name + "BotHeight", 0);
  // The side borders give their top and bottom caps, the top and bottom borders their left and
  // right caps, under the same key names.
  const bool side = name == "Left" || name == "Right";
  border.TopHeight = side ? first : 0;
  border.BottomHeight = side ? second : 0;
  border.LeftWidth = side ? 0 : first;
  border.RightWidth = side ? 0 : second;
  border.FrameCount = src.Integer(section, name + "Frame", 1);
  border.Tile = src.Integer(section, name + "Stretch", 1);
  if (border.Tile > 1) border.Tile = 1;
  border.Trans = src.Integer(section, name + "Trans", 1);
  src.Bitmap(border.Image, section, name);
}

void ReadButtons(const SkinDefinitionSource& src, TDataSkinButton& b) {
  const std::string section = "Buttons";
  ReadEdges(src, section, b);
  b.Trans = src.Integer(section, "Trans", 0);
  src.Bitmap(b.Image, section, "Bitmap");
  b.Tile = src.Integer(section, "Tile", 0);
  src.Bitmap(b.CheckImage, section, "CheckButton");
  src.Bitmap(b.RadioImage, section, "RadioButton");
  b.RadioButtonFrame = src.Integer(section, "RadioButtonFrame", 0);
  b.CheckButtonFrame = src.Integer(section, "CheckButtonFrame", 0);
  if (b.Tile > 1) b.Tile = 0;
  ReadStateColours(src, section, b);
  b.NormalColour2Given = HasValue(src, section, "NormalColour2");
  b.MouseOverColour2Given = HasValue(src, section, "MouseOverColour2");
  b.PressedColour2Given = HasValue(src, section, "PressedColour2");
}

void ReadTitle(const SkinDefinitionSource& src, TDataSkinTitle& t) {
  const std::string section = "Personality";
  src.Bitmap(t.Image, section, "TextBack");
  t.LeftWidth = src.Integer(section, "TextShift", 0);
  t.TopHeight = src.Integer(section, "TextShiftVert", 0);
  t.RightWidth = src.Integer(section, "TextRightClip", 0);
  t.BottomHeight = 0;
  t.TextAlignment = src.Integer(section, "TextAlignment", 0);
  t.Textbackground = src.Integer(section, "Textbackground", 0);
  t.FontHeight = src.Integer("Fonts", "FontHeight", 14);
  t.TXTBackleft = src.Integer(section, "TXTBackleft", 0);
  t.TXTBackRight = src.Integer(section, "TXTBackRight", 0);
  // A text colour is given only when all three of its components are.
  const auto rgb = [&](const char* r, const char* g, const char* b) {
    const int red = src.Integer(section, r, -1), green = src.Integer(section, g, -1), blue = src.Integer(section, b, -1);
    if (red < 0 || green < 0 || blue < 0) return kSkinColorNotGiven;
    return static_cast<SkinColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
  };
  t.ActiveTextColor = rgb("ActiveTextR", "ActiveTextG", "ActiveTextB");
  t.InactiveTextColor = rgb("InActiveTextR", "InActiveTextG", "InActiveTextB");
}

}  // namespace zembrel
