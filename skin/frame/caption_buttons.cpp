// The caption buttons: one object per title button of the skin, shown or hidden by the skin's
// two visibility codes, placed by its alignment rule, and drawn from a strip of frames (normal,
// pressed, hot, disabled or inactive); the system-menu icon is drawn from the window's icon.
#include <algorithm>

#include "framework/handles.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"
#include "skin/menus/WinSkinMenu.h"
#include "skin/frame/nc_objects.h"
#include "skin/frame/skin_messages.h"
#include "skin/manager/skin_manager.h"
#include "skin/paint/skin_paint.h"

namespace zembrel {
namespace {

bool IsIconAction(int action) { return action == 3 || action == 11; }
int FrameCountOf(const TDataSkinObject& e) { return std::max(1, e.FrameCount); }
int FrameWidthOf(const TDataSkinObject& e) { return e.Image.Width() / FrameCountOf(e); }

}  // namespace

// ---- the non-client object's states ----

void TNCObject::MouseDown() {
  if (FFormSkin.FHotObject && FFormSkin.FHotObject != this) FFormSkin.FHotObject->MouseLeave();
  if (!FVisible) return;
  FFormSkin.FHotObject = this;
  FState = kObjectPressed;
  Paint();
}

void TNCObject::MouseUp() {
  if (!FVisible) return;
  FState = kObjectHot;
  Paint();
}

void TNCObject::MouseMove() {
  if (FFormSkin.FHotObject == this) return;
  if (FFormSkin.FHotObject) FFormSkin.FHotObject->MouseLeave();
  if (!FVisible) return;
  FFormSkin.FHotObject = this;
  FState = kObjectHot;
  Paint();
}

void TNCObject::MouseLeave() {
  if (!FVisible) return;
  if (FFormSkin.FHotObject == this) FFormSkin.FHotObject = nullptr;
  FState = kObjectNormal;
  Paint();
}

int TWinSysButton::Action() const { return FSkinButton.Action; }

void TWinSysButton::Paint() { FFormSkin.PaintButton(*this, FState); }

// ---- building ----

void TWinSkinForm::FreeButtons() {
  for (const auto& button : FButtons) {
    if (FHotObject == button.get()) FHotObject = nullptr;
    if (FPressedObject == button.get()) FPressedObject = nullptr;
  }
  FButtons.clear();
  FButtonCount = 0;
}

void TWinSkinForm::ForgetMenuBandObjects() {
  if (!FMenuBar) return;
  if (FMenuBar->Owns(FHotObject)) FHotObject = nullptr;
  if (FMenuBar->Owns(FPressedObject)) FPressedObject = nullptr;
}

void TWinSkinForm::BuildButtons() {
  FreeButtons();
  if (!FSkinData) return;
  for (const auto& title : FSkinData->TitleButtons()) {
    if (!title) continue;
    auto button = std::make_unique<TWinSysButton>(*this, *title);
    if (IsIconAction(title->Action)) {
      ReadIcon();
      if (title->Image.Empty() && !FIconBitmap.Empty()) title->Image.Assign(FIconBitmap);
      if (FSkinData->AppIconBitmap().Empty() && !FIconBitmap.Empty()) FSkinData->AppIconBitmap().Assign(FIconBitmap);
      title->FrameCount = 1;
    }
    FButtons.push_back(std::move(button));
  }
  FButtonCount = static_cast<int>(FButtons.size());
}

void TWinSkinForm::ReadIcon() {
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  if (FIconBitmap.Width() != cx || FIconBitmap.Height() != cy) FIconBitmap.SetSize(cx, cy, zfw::pf24bit);
  FIconSize = cx;
  FIcon = reinterpret_cast<HICON>(SendMessageA(FWnd, WM_GETICON, ICON_SMALL, 0));
  if (!FIcon) FIcon = reinterpret_cast<HICON>(SendMessageA(FWnd, WM_GETICON, ICON_BIG, 0));
  if (!FIcon) FIcon = reinterpret_cast<HICON>(GetClassLongPtrA(FWnd, GCLP_HICONSM));
  if (!FIcon) FIcon = reinterpret_cast<HICON>(GetClassLongPtrA(FWnd, GCLP_HICON));
  // A window without an icon shows the system's application icon, as its own caption would.
  if (!FIcon) FIcon = LoadIconA(nullptr, IDI_APPLICATION);
  if (!FIcon) return;
  zfw::OwnedIcon copy(static_cast<HICON>(CopyImage(FIcon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE)));
  if (!copy) return;
  const RECT all{0, 0, cx, cy};
  zfw::OwnedBrush key(CreateSolidBrush(RGB(255, 0, 255)));
  FillRect(FIconBitmap.Canvas().Handle(), &all, key.get());
  DrawIconEx(FIconBitmap.Canvas().Handle(), 0, 0, copy.get(), cx, cy, 0, nullptr, DI_NORMAL);
}

void TWinSkinForm::DrawIcon(HDC dc, const RECT& rect) {
  if (FIcon) {
    zfw::OwnedIcon copy(static_cast<HICON>(CopyImage(FIcon, IMAGE_ICON, FIconSize, FIconSize, LR_COPYFROMRESOURCE)));
    if (copy) {
      DrawIconEx(dc, rect.left, rect.top, copy.get(), FIconSize, FIconSize, 0, nullptr, DI_NORMAL);
      return;
    }
  }
  if (!FIconBitmap.Empty()) TransparentBlit(dc, rect, FIconBitmap, kSkinTransparent);
}

// ---- visibility and layout ----

bool TWinSkinForm::VisibilityHolds(int code, bool second) const {
  const bool maximized = FSizeState == kSizeMaximized;
  const bool maxBox = FWindowFlags & kHasMaximizeBox, minBox = FWindowFlags & kHasMinimizeBox;
  const bool sysMenu = FWindowFlags & kHasSystemMenu;
  switch (code) {
    case -1: return false;
    case 0: return true;
    case 1: return maximized;
    case 2: return !maximized;
    case 3: return FActive;
    case 4: return !FActive;
    case 5: return false;
    case 6:
    case 8: return second ? (maxBox || minBox) : ((maxBox || minBox) && sysMenu);
    case 7: return !maxBox;
    case 9: return !minBox;
    case 100: return FMenuBar && SkinManager && SkinManager->MDIMaximized() && FMDIKind == kMDIFrame;
    case 200: return !FMessageBox && FFrameKind == kFrameDialog;
    default: break;
  }
  if (code >= 201 && code <= 999) return true;
  if (code >= 1000 && code <= 2000) return true;  // condition A is asked of the window by the caller
  return false;
}

bool TWinSkinForm::IsButtonShown(TWinSysButton& button) {
  const TDataSkinSysButton& title = button.SkinButton();
  bool a = VisibilityHolds(title.Visibility, false);
  if (title.Visibility >= 1000 && title.Visibility <= 2000)
    a = SendMessageA(FWnd, SKM_BUTTONVISIBLE, WPARAM(title.Visibility), LPARAM(title.Action)) > 0;
  bool shown = a && VisibilityHolds(title.Visibility1, true);
  const bool sysMenu = FWindowFlags & kHasSystemMenu;
  switch (title.Action) {
    case 0: shown = shown && sysMenu; break;
    case 1: button.FEnabled = (FWindowFlags & kHasMaximizeBox) && sysMenu; break;
    case 2: button.FEnabled = (FWindowFlags & kHasMinimizeBox) && sysMenu; break;
    case 3: case 11: case 12: shown = shown && FFrameKind != kFrameDialog; break;
    default: break;
  }
  button.FVisible = shown;
  return shown;
}

void TWinSkinForm::LayoutButtons() {
  for (const auto& button : FButtons) {
    if (!IsButtonShown(*button)) continue;
    const TDataSkinSysButton& t = button->SkinButton();
    if (t.Image.Empty()) continue;
    const int fw = FrameWidthOf(t), h = t.Image.Height();
    int x = 0, y = 0;
    switch (t.Align) {
      case 0: x = t.XCoord; y = t.YCoord; break;
      case 1: x = FWidth - t.XCoord; y = t.YCoord; break;
      case 2: case 8: x = FAnchorRight - fw - t.XCoord; y = t.YCoord; break;
      case 3: case 9: x = t.XCoord + FAnchorLeft; y = t.YCoord; break;
      case 100: {
        const TDataSkinObject* bar = FSkinData->Element("Personality");
        x = FWidth - t.XCoord - FBorderRight - (bar ? bar->LeftWidth : 0);
        y = FBorderTop + (FMenuHeight - h) / 2;
        break;
      }
      default: break;
    }
    button->FRect = RECT{x, y, x + fw, y + h};
  }
}

static int ButtonFrame(const TWinSysButton& button, bool active) {
  const TDataSkinSysButton& t = button.SkinButton();
  int frame = active ? 1 : 4;
  if (!button.Enabled()) frame = 4;
  if (t.FrameCount < 4) frame = 1;
  return frame;
}

void TWinSkinForm::PaintButtons(HDC dc) {
  // The title without its buttons, for repainting one button in another state later.
  if (FTitleBack.Width() != FWidth || FTitleBack.Height() != FBorderTop) FTitleBack.SetSize(FWidth, std::max(1, FBorderTop));
  BitBlt(FTitleBack.Canvas().Handle(), 0, 0, FWidth, FBorderTop, dc, 0, 0, SRCCOPY);
  for (const auto& button : FButtons) {
    TDataSkinSysButton& t = button->SkinButton();
    if (!button->Visible() || t.Image.Empty() || t.Visibility == 100) continue;
    button->FState = kObjectNormal;
    if (IsIconAction(t.Action)) DrawIcon(dc, button->Rect());
    else DrawStripFrame(dc, button->Rect(), t.Image, true, FrameCountOf(t), ButtonFrame(*button, FActive));
  }
}

// One button in the given state, straight onto the window: composed on the title's background,
// then copied.
void TWinSkinForm::PaintButton(TWinSysButton& button, int state) {
  TDataSkinSysButton& t = button.SkinButton();
  if (!button.Visible() || t.Image.Empty()) return;
  int frame = state;
  if (!button.Enabled()) frame = t.FrameCount > 3 ? 4 : 1;
  if (t.Visibility == 100 && frame == kObjectHot) frame = 4;
  if (frame > FrameCountOf(t)) frame = 1;
  const RECT& r = button.Rect();
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  zfw::TBitmap piece(w, h);
  HDC pdc = piece.Canvas().Handle();
  if (!FTitleBack.Empty()) BitBlt(pdc, 0, 0, w, h, FTitleBack.Canvas().Handle(), r.left, r.top, SRCCOPY);
  const RECT local{0, 0, w, h};
  if (IsIconAction(t.Action)) DrawIcon(pdc, local);
  else DrawStripFrame(pdc, local, t.Image, true, FrameCountOf(t), frame);
  zfw::WindowDc dc(FWnd, zfw::DcArea::WholeWindow);
  if (dc.get()) BitBlt(dc.get(), r.left, r.top, w, h, pdc, 0, 0, SRCCOPY);
}

TWinSysButton* TWinSkinForm::HitButton(POINT p) const {
  for (const auto& button : FButtons)
    if (button->Visible() && button->Action() >= 0 && PtInRect(&button->Rect(), p)) return button.get();
  return nullptr;
}

TNCObject* TWinSkinForm::ItemAt(POINT p) const {
  if (TWinSysButton* button = HitButton(p)) return button;
  if (FMenuBar) return FMenuBar->ButtonAt(p);
  return nullptr;
}

}  // namespace zembrel
