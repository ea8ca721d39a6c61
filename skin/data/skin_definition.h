// Reading a skin definition into elements: one reader per kind of section, and the elements made
// of the bitmaps the program carries itself. TSkinData::ReadSkinDefinition puts them together.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/graphics.h"
#include "skin/storage/quick_ini.h"
#include "skin/data/skin_elements.h"

namespace zembrel {

// Fills a bitmap with the skin's image of that name, or empties it.
using SkinBitmapLoader = std::function<void(zfw::TBitmap& bitmap, const std::string& name)>;

struct SkinDefinitionSource {
  const TQuickIni& ini;
  SkinBitmapLoader load_bitmap;
  SkinColor button_text;  // default of the NormalColour2 / MouseOverColour2 / PressedColour2 keys

  void Bitmap(zfw::TBitmap& bitmap, const std::string& section, const std::string& key) const;
  int Integer(const std::string& section, const std::string& key, int def) const {
    return ini.ReadInteger(section, key, def);
  }
};

// ---- elements of one section each; null when the section names no image ----
std::unique_ptr<TDataSkinObject> ReadPlainElement(const SkinDefinitionSource& src, const std::string& section);
// As the plain element without a frame count, with a second image named by second_key.
std::unique_ptr<TDataSkinBorder> ReadElementWithSecondImage(const SkinDefinitionSource& src, const std::string& section,
                                                            const std::string& second_key);
// The progress bar ("Bitmap" key, no frame count or colours).
std::unique_ptr<TDataSkinBorder> ReadProgressElement(const SkinDefinitionSource& src, const std::string& section);
std::unique_ptr<TDataSkinBoxLabel> ReadBoxLabelElement(const SkinDefinitionSource& src, const std::string& section);
// The menu bar background, "menuBar" of section "Personality", named "Personality".
std::unique_ptr<TDataSkinObject> ReadMenuBarElement(const SkinDefinitionSource& src);

// ---- the elements every skin has, filled again by each definition ----
// Left, Right, Top or Bottom, by the element's name.
void ReadFrameBorder(const SkinDefinitionSource& src, TDataSkinBorder& border);
void ReadButtons(const SkinDefinitionSource& src, TDataSkinButton& buttons);
void ReadTitle(const SkinDefinitionSource& src, TDataSkinTitle& title);

// The caption buttons of the "Button..." sections, then the three child-window controls.
TitleButtonList ReadTitleButtons(const SkinDefinitionSource& src, const std::vector<std::string>& sections);

// ---- bitmaps of the program ----
// Loads the program's bitmap resource of that name; empties the bitmap when there is none.
void LoadResourceBitmap(zfw::TBitmap& bitmap, const std::string& name);
// An element made of the program's bitmap resource: edges of 3, one frame, stretched middle.
std::unique_ptr<TDataSkinObject> BuiltInElement(const std::string& name);

}  // namespace zembrel
