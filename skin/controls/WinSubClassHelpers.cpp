// What the control skins share beyond the message procedure: filling and drawing helpers, the
// focus rectangle, captions, the image-and-caption layout of bitmap buttons, and reading and
// writing published properties by name without failing on a control that lacks them.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "framework/handles.h"
#include "skin/controls/WinSubClass.h"
#include "skin/controls/skin_control_paint.h"
#include "skin/data/WinSkinData.h"
#include "framework/fault_log.h"
#include "skin/paint/ImgUtil.h"
#include "skin/paint/skin_paint.h"

namespace zembrel {

namespace {

const zfw::PropInfo* FindProp(zfw::TPersistent* obj, const std::string& name) {
  return obj ? zfw::GetPropInfo(*obj, name) : nullptr;
}


// Transparent text in the control's plain font, grey when disabled; undone at scope end.
class CaptionSetup {
 public:
  CaptionSetup(zfw::TCanvas& canvas, bool enabled) : canvas_(canvas), style_(canvas.Font().Style()) {
    canvas_.Font().SetStyle(0);
    canvas_.Brush().SetStyle(zfw::bsClear);
    if (!enabled) {
      colour_ = canvas_.Font().Color();
      canvas_.Font().SetColor(zfw::sys_color(COLOR_BTNSHADOW));
      recolour_ = true;
    }
    old_mode_ = SetBkMode(canvas_.Handle(), TRANSPARENT);
    // Selects the font into the DC.
    canvas_.TextExtent(std::string());
  }
  ~CaptionSetup() {
    SetBkMode(canvas_.Handle(), old_mode_);
    if (recolour_) canvas_.Font().SetColor(colour_);
    canvas_.Font().SetStyle(style_);
  }
  CaptionSetup(const CaptionSetup&) = delete;
  CaptionSetup& operator=(const CaptionSetup&) = delete;

 private:
  zfw::TCanvas& canvas_;
  unsigned style_;
  zfw::TColor colour_ = 0;
  bool recolour_ = false;
  int old_mode_ = 0;
};

}  // namespace

// ---- windows and colours ----

LONG_PTR TSkinControl::GetLong(HWND wnd, int index) const {
  return FUnicode ? GetWindowLongPtrW(wnd, index) : GetWindowLongPtrA(wnd, index);
}

zfw::TColor TSkinControl::FaceColor() const {
  return FSkinData ? static_cast<zfw::TColor>(FSkinData->Colours().ButtonFace) : zfw::sys_color(COLOR_BTNFACE);
}

void TSkinControl::SetParentBackground(bool on) {
  if (!FControl || (FSkinData && FSkinData->HasOption(xoParentBackGround))) return;
  if (!FindProp(FControl, "ParentBackground")) return;
  if (on) {
    FParentBackgroundWasOn = zfw::same_text(GetEnumName(FControl, "ParentBackground"), "true");
    if (FParentBackgroundWasOn) SetPropText(FControl, "ParentBackground", "False");
  } else if (FParentBackgroundWasOn) {
    SetPropText(FControl, "ParentBackground", "True");
  }
}

zfw::TColor TSkinControl::ParentColor(zfw::TColor fallback) const {
  if (!FControl || !FControl->Parent()) return fallback;
  const int colour = GetIntProp(FControl->Parent(), "Color");
  return FindProp(FControl->Parent(), "Color") ? static_cast<zfw::TColor>(colour) : fallback;
}

void TSkinControl::FillColor(HDC dc, const RECT& rect, zfw::TColor colour) {
  zfw::OwnedBrush brush(CreateSolidBrush(zfw::ColorToRGB(colour)));
  FillRect(dc, &rect, brush.get());
}

void TSkinControl::FillFace(HDC dc, const RECT& rect) { FillColor(dc, rect, FaceColor()); }

void TSkinControl::FillParentColor(HDC dc, const RECT& rect) { FillColor(dc, rect, ParentColor(FaceColor())); }

UINT TSkinControl::TextFlags(UINT flags) const {
  const zfw::TControl* control = FRepaintControl ? FRepaintControl : FControl;
  if (control && control->BiDiMode() == zfw::bdRightToLeft) flags |= DT_RTLREADING;
  return flags;
}

std::wstring TSkinControl::GetWindowTextWide(HWND wnd) {
  if (IsNtPlatform()) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(wnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(wnd, text.data(), static_cast<int>(text.size()))));
    return text;
  }
  std::vector<char> buffer(1000, '\0');
  SendMessageA(wnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  const std::string ansi(buffer.data());
  std::wstring text(ansi.size(), L'\0');
  text.resize(static_cast<size_t>(
      MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), text.data(), static_cast<int>(text.size()))));
  return text;
}

bool TSkinControl::IsPopupWindow(HWND wnd) {
  return (GetWindowLongPtrA(wnd, GWL_STYLE) & WS_POPUP) != 0 ||
         reinterpret_cast<LONG_PTR>(GetParent(wnd)) == 0x10014;
}

void TSkinControl::CopyBitmap(const zfw::TBitmap& source, zfw::TBitmap& target) { target.Assign(source); }

// ---- mouse and painting messages ----

void TSkinControl::ForwardMouseDown(zfw::TMessage& msg) {
  if (!FControl) return;
  LPARAM position = msg.LParam;
  if (FControl->Width() > 0x8000 || FControl->Height() > 0x8000) {
    POINT p{};
    GetCursorPos(&p);
    if (FHandle) ScreenToClient(FHandle, &p);
    position = MAKELPARAM(p.x, p.y);
  }
  zfw::TMessage down{WM_LBUTTONDOWN, (msg.WParam & (MK_SHIFT | MK_CONTROL)) | MK_LBUTTON, position, 0};
  CallOldProc(down);
}

void TSkinControl::PaintClient(zfw::TMessage& msg) {
  auto paint = [&](HDC dc) {
    if (!GetWindowRect(FHandle, &FWindowRect)) return;
    RECT rect = FWindowRect;
    OffsetRect(&rect, -rect.left, -rect.top);
    Paint(dc, rect);
  };
  if (msg.WParam) {
    paint(reinterpret_cast<HDC>(msg.WParam));
    return;
  }
  zfw::PaintGuard guard(FHandle);
  paint(guard.dc());
}

void TSkinControl::EraseBackground(zfw::TMessage& msg) {
  const HDC dc = reinterpret_cast<HDC>(msg.WParam);
  if (FControl) {
    DrawParentBackground(*FControl, dc);
  } else if (FHandle) {
    RECT client{};
    GetClientRect(FHandle, &client);
    FillParentColor(dc, client);
  }
  msg.Result = 1;
}

// ---- drawing ----

void TSkinControl::DrawElement(HDC dc, const RECT& rect, int frameCount, int frame, TDataSkinObject* element) {
  if (!element || element->Image.Empty() || rect.right <= rect.left || rect.bottom <= rect.top) return;
  DrawElementFrame(dc, rect, *element, frameCount, frame);
}

void TSkinControl::DrawFocus(HDC dc, UINT flags, RECT rect) { DrawTextFocus(dc, FText, flags, rect); }

void TSkinControl::DrawCaption(zfw::TCanvas& canvas, RECT rect, UINT align, bool enabled, const std::wstring& text) {
  CaptionSetup setup(canvas, enabled);
  const HDC dc = canvas.Handle();
  RECT place = MeasureText(dc, text, rect, align | DT_NOCLIP | DT_EXPANDTABS);
  OffsetRect(&place, 0, (height_of(rect) - height_of(place)) / 2 - 1);
  if (align == DT_CENTER) {
    OffsetRect(&place, (width_of(rect) - width_of(place)) / 2, 0);
  } else {
    place.left = rect.left;
    place.right = rect.right;
  }
  DrawTextWide(dc, text, place, TextFlags(align | DT_EXPANDTABS));
}

void TSkinControl::DrawImageAndCaption(zfw::TCanvas& canvas, RECT rect, int align, const std::wstring& text,
                                       int imageIndex, HIMAGELIST imageList) {
  int iconWidth = 0, iconHeight = 0;
  if (imageList) ImageList_GetIconSize(imageList, &iconWidth, &iconHeight);
  const bool withIcon = imageIndex != -1 && imageList && iconWidth < width_of(rect);
  if (!withIcon) iconWidth = 0;
  const bool enabled = !FControl || FControl->Enabled();
  CaptionSetup setup(canvas, enabled);
  const HDC dc = canvas.Handle();
  const RECT measured =
      MeasureText(dc, text, rect, DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE | DT_END_ELLIPSIS);
  const int textWidth = width_of(measured);
  int offset = 3;
  if (align == 1) offset = (width_of(rect) - iconWidth - textWidth) / 2;
  else if (align == 2) offset = width_of(rect) - iconWidth - textWidth - 2;
  if (offset < 2) offset = 1;
  if (withIcon)
    ImageList_Draw(imageList, imageIndex, dc, rect.left + offset, rect.top + (height_of(rect) - iconWidth) / 2,
                   ILD_TRANSPARENT);
  RECT place{rect.left + offset + iconWidth, rect.top, rect.right, rect.bottom};
  place.top += (height_of(rect) - height_of(measured)) / 2;
  place.bottom = place.top + height_of(measured);
  IntersectRect(&place, &place, &rect);
  DrawTextWide(dc, text, place, TextFlags(DT_END_ELLIPSIS | DT_EXPANDTABS | DT_SINGLELINE));
}

// ---- published properties by name ----

int TSkinControl::GetIntProp(zfw::TPersistent* obj, const std::string& name) {
  const zfw::PropInfo* info = FindProp(obj, name);
  if (!info || info->kind != zfw::PropKind::Integer) return -1;
  return static_cast<int>(zfw::GetOrdProp(*obj, name));
}

std::string TSkinControl::GetEnumName(zfw::TPersistent* obj, const std::string& name) {
  const zfw::PropInfo* info = FindProp(obj, name);
  if (!info) return {};
  if (info->kind == zfw::PropKind::Enumeration) return zfw::GetEnumProp(*obj, name);
  if (info->kind == zfw::PropKind::Boolean) return zfw::GetOrdProp(*obj, name) ? "True" : "False";
  return {};
}

std::wstring TSkinControl::GetTextProp(zfw::TPersistent* obj, const std::string& name) {
  const zfw::PropInfo* info = FindProp(obj, name);
  if (!info) return {};
  if (info->kind == zfw::PropKind::WideString) return zfw::GetWideStrProp(*obj, name);
  if (info->kind != zfw::PropKind::String) return {};
  const std::string ansi = zfw::GetStrProp(*obj, name);
  std::wstring text(ansi.size(), L'\0');
  text.resize(static_cast<size_t>(
      MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), text.data(), static_cast<int>(text.size()))));
  return text;
}

zfw::TPersistent* TSkinControl::GetObjectProp(zfw::TPersistent* obj, const std::string& name,
                                              const std::string& className) {
  const zfw::PropInfo* info = FindProp(obj, name);
  if (!info || info->kind != zfw::PropKind::Object) return nullptr;
  zfw::TPersistent* value = zfw::GetObjectProp(*obj, name);
  return value && value->InheritsFrom(className) ? value : nullptr;
}

void TSkinControl::SetPropText(zfw::TPersistent* obj, const std::string& name, const std::string& text) {
  const zfw::PropInfo* info = FindProp(obj, name);
  if (!info) return;
  try {
    switch (info->kind) {
      case zfw::PropKind::Integer: zfw::SetOrdProp(*obj, name, std::stoll(text)); break;
      case zfw::PropKind::Boolean: zfw::SetOrdProp(*obj, name, zfw::same_text(text, "True") ? 1 : 0); break;
      case zfw::PropKind::Enumeration: zfw::SetEnumProp(*obj, name, text); break;
      case zfw::PropKind::String: zfw::SetStrProp(*obj, name, text); break;
      case zfw::PropKind::WideString: {
        std::wstring wide(text.size(), L'\0');
        wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                                            wide.data(), static_cast<int>(wide.size()))));
        zfw::SetWideStrProp(*obj, name, wide);
        break;
      }
      default: break;
    }
  } catch (const std::exception& e) {
    // A text the property does not take leaves it as it was.
    zfw::LogFault("SetPropText", name + ": " + e.what());
  }
}

}  // namespace zembrel
