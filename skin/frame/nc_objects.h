// Clickable objects of the non-client area: the caption buttons of the title bar (and, through
// the same base, the items of the menu band). Each is normal (1), pressed (2) or hot (3); at most
// one object of a form skin is hot or pressed at a time, its form skin's hot object.
#pragma once

#include <windows.h>

namespace zembrel {

class TWinSkinForm;
class TDataSkinSysButton;

inline constexpr int kObjectNormal = 1, kObjectPressed = 2, kObjectHot = 3;

class TNCObject {
 public:
  explicit TNCObject(TWinSkinForm& formSkin) : FFormSkin(formSkin) {}
  virtual ~TNCObject() = default;
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;

  virtual void MouseDown();
  virtual void MouseUp();
  virtual void MouseMove();
  virtual void MouseLeave();
  virtual void Paint() {}

  const RECT& Rect() const { return FRect; }
  bool Visible() const { return FVisible; }
  bool Enabled() const { return FEnabled; }
  int State() const { return FState; }

 protected:
  friend class TWinSkinForm;
  TWinSkinForm& FFormSkin;
  RECT FRect{};
  bool FVisible = false;
  int FState = kObjectNormal;
  bool FEnabled = true;
};

// One caption button, made from one title button of the skin (not owned).
class TWinSysButton final : public TNCObject {
 public:
  TWinSysButton(TWinSkinForm& formSkin, TDataSkinSysButton& skinButton) : TNCObject(formSkin), FSkinButton(skinButton) {}
  void Paint() override;
  TDataSkinSysButton& SkinButton() const { return FSkinButton; }
  int Action() const;

 private:
  TDataSkinSysButton& FSkinButton;
};

}  // namespace zembrel
