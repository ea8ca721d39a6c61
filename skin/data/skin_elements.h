// Skin elements: one section of a skin definition each, an image of one or more equal state frames
// with its edge sizes and drawing flags. Element fields are plain data that the definition reader
// fills and the painting code reads.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/graphics.h"
#include "skin/data/skin_colours.h"

namespace zembrel {

class TDataSkinObject {
 public:
  explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}
  virtual ~TDataSkinObject() = default;
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;

  int LeftWidth = 0;
  int TopHeight = 0;
  int RightWidth = 0;
  int BottomHeight = 0;
  zfw::TBitmap Image;  // empty when the definition names none the skin holds
  int Trans = 0;       // non-zero: drawn with magenta as the transparent colour
  int Tile = 0;        // 1: the middle is tiled, 0: stretched (frame borders: their Stretch value)
  std::string Name;    // the section (or built-in) name
  int FrameCount = 0;  // how many equal state frames the image holds
  int Style = 0;
  int NormalColour = -1;
  int MouseOverColour = -1;
  int PressedColour = -1;
  SkinColor NormalColour2 = SkinSystemColor(18);
  SkinColor MouseOverColour2 = SkinSystemColor(18);
  SkinColor PressedColour2 = SkinSystemColor(18);
};

// An element with a second image (frame borders, tabs, the combo button, the up-down buttons).
class TDataSkinBorder : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  zfw::TBitmap Image2;
};

// The push-button element with the check-box and radio-button images.
class TDataSkinButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  zfw::TBitmap CheckImage;
  zfw::TBitmap RadioImage;
  int RadioButtonFrame = 0;
  int CheckButtonFrame = 0;
  bool NormalColour2Given = false;
  bool MouseOverColour2Given = false;
  bool PressedColour2Given = false;
};

// The caption text background and the caption text's placement and colours.
class TDataSkinTitle : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int TextAlignment = 0;
  int Textbackground = 0;
  int FontHeight = 14;
  int TXTBackleft = 0;
  int TXTBackRight = 0;
  SkinColor ActiveTextColor = kSkinColorNotGiven;  // kSkinColorNotGiven: the skin gives none
  SkinColor InactiveTextColor = kSkinColorNotGiven;
};

// A caption button of a title bar.
class TDataSkinSysButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int Action = 0;
  int Align = 0;
  int XCoord = 0;
  int YCoord = 0;
  int CombineOp = -1;
  int Visibility = 0;
  int Visibility1 = 0;
};

// The group-box caption background.
class TDataSkinBoxLabel : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int BackgroundLeftShift = 0;
  int BackgroundRightShift = 0;
  int BackgroundAlignment = 0;
};

using TitleButtonList = std::vector<std::unique_ptr<TDataSkinSysButton>>;

// The optional elements of a loaded skin, by section name (compared without regard to case).
class TSkinElements {
 public:
  TDataSkinObject* Find(const std::string& name) const;
  template <class T>
  T* Find(const std::string& name) const {
    return dynamic_cast<T*>(Find(name));
  }
  // Takes the element, freeing one of the same name that is already held. Null is ignored.
  TDataSkinObject* Put(std::unique_ptr<TDataSkinObject> element);
  void Remove(const std::string& name);
  void Clear() { elements_.clear(); }
  int Count() const { return static_cast<int>(elements_.size()); }

 private:
  std::vector<std::unique_ptr<TDataSkinObject>> elements_;
};

}  // namespace zembrel
