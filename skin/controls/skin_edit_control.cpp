#include "skin/controls/skin_edit_control.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "framework/class_builder.h"
#include "framework/controls.h"
#include "framework/handles.h"
#include "skin/controls/skin_control_paint.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/skin_messages.h"

namespace zembrel {
namespace {

bool is_spin_class(HWND wnd) {
  char buffer[64] = {};
  GetClassNameA(wnd, buffer, sizeof buffer);
  std::string name = buffer;
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return name == "msctls_updown32" || name.find("spin") != std::string::npos || name.find("updown") != std::string::npos;
}

}  // namespace

// ---- TSkinEdit ----

const zfw::TClassInfo& TSkinEdit::StaticClass() {
  static const zfw::TClassInfo info = zfw::ClassBuilder<TSkinEdit>("TSkinEdit", TSkinControl::StaticClass()).done();
  return info;
}

void TSkinEdit::FindUpDown() {
  if (FUpDown || !FSkinData || !(FSkinData->SkinControls() & SkinBit(xcSpin))) return;
  for (HWND child = GetTopWindow(FHandle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!is_spin_class(child)) continue;
    zfw::TComponent* owner = FControl ? static_cast<zfw::TComponent*>(FControl) : this;
    auto skin = std::make_unique<TSkinUpDown>(owner);
    skin->AttachHandle(child, FSkinData, FFormSkin, FCanvas);
    skin->SetEmbedded(true);
    FUpDown = skin.release();
    return;
  }
}

void TSkinEdit::Paint(HDC dc, const RECT& rect) {
  if (!FSkinData || !dc || !FHandle) return;
  FindUpDown();
  RECT client{};
  GetClientRect(FHandle, &client);
  PaintEditBorder(dc, rect, SIZE{client.right, client.bottom}, *FSkinData);
}

void TSkinEdit::PrintBorder(HDC dc) {
  if (!FSkinData || !GetWindowRect(FHandle, &FWindowRect)) return;
  RECT r = FWindowRect;
  OffsetRect(&r, -r.left, -r.top);
  RECT client{};
  GetClientRect(FHandle, &client);
  if (r.right - client.right <= 2 || r.bottom - client.bottom <= 2) return;
  RECT inner = r;
  InflateRect(&inner, -1, -1);
  FrameRect(dc, &inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
  FrameSolid(dc, r, SkinRgb(FSkinData->Colours().ButtonShadow));
}

void TSkinEdit::AfterMessage(zfw::TMessage& msg) {
  switch (msg.Msg) {
    case WM_NCPAINT:
      // The system redraws its own border with the frame; the skin's goes back over it.
      PaintWindow(0);
      break;
    case WM_PRINTCLIENT:
      if (msg.WParam) {
        PrintBorder(reinterpret_cast<HDC>(msg.WParam));
      } else {
        zfw::WindowDc dc(FHandle, zfw::DcArea::WholeWindow);
        if (dc.get()) PrintBorder(dc.get());
      }
      break;
    case SKM_PAINTSELF:
      if (msg.LParam != kSkinHandshake) break;
      if (msg.WParam) {
        zfw::TMessage paint{WM_PAINT, msg.WParam, 0, 0};
        CallOldProc(paint);
      }
      msg.Result = kSkinHandshake;
      break;
    default:
      TSkinControl::AfterMessage(msg);
      break;
  }
}

// ---- TSkinUpDown ----

const zfw::TClassInfo& TSkinUpDown::StaticClass() {
  static const zfw::TClassInfo info = zfw::ClassBuilder<TSkinUpDown>("TSkinUpDown", TSkinControl::StaticClass()).done();
  return info;
}

bool TSkinUpDown::HasLook() const {
  if (!FSkinData || !FHandle) return false;
  const bool horizontal = GetLong(FHandle, GWL_STYLE) & UDS_HORZ;
  return HasImage(FSkinData->Element(horizontal ? "UpDown.Horz" : "UpDown.Vert"));
}

int TSkinUpDown::ArrowAt(LPARAM point) const {
  RECT client{}, first{}, second{};
  GetClientRect(FHandle, &client);
  UpDownArrowRects(client, FLook.horizontal, first, second);
  const POINT p{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
  return PtInRect(&first, p) ? 0 : PtInRect(&second, p) ? 1 : -1;
}

void TSkinUpDown::Paint(HDC dc, const RECT& rect) {
  if (!dc || !HasLook()) return;
  FLook.horizontal = GetLong(FHandle, GWL_STYLE) & UDS_HORZ;
  FLook.enabled = !(GetLong(FHandle, GWL_STYLE) & WS_DISABLED);
  PaintUpDown(dc, rect, *FSkinData, FLook);
}

bool TSkinUpDown::BeforeMessage(zfw::TMessage& msg) {
  if (!TSkinControl::BeforeMessage(msg)) return false;
  return !HasLook() || !PaintsItself(msg);  // without the skin's arrows the control paints itself
}

void TSkinUpDown::AfterMessage(zfw::TMessage& msg) {
  switch (msg.Msg) {
    case WM_MOUSEMOVE: {
      const int hot = ArrowAt(msg.LParam);
      if (hot != FLook.hot) {
        FLook.hot = hot;
        Repaint();
      }
      TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, FHandle, 0};
      TrackMouseEvent(&t);
      break;
    }
    case WM_MOUSELEAVE:
      FLook.hot = -1;
      Repaint();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      FLook.pressed = ArrowAt(msg.LParam);
      Repaint();
      break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (FLook.pressed != -1) {
        FLook.pressed = -1;
        Repaint();
      }
      break;
    default:
      TSkinControl::AfterMessage(msg);
      break;
  }
}

}  // namespace zembrel
