// How the manager finds windows (the thread's WH_CBT hook) and decides which of them get a form
// skin, with which skin data.
#include <algorithm>
#include <cctype>

#include "framework/forms.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"
#include "framework/fault_log.h"
#include "skin/frame/skin_messages.h"
#include "skin/manager/skin_control_classes.h"
#include "skin/manager/skin_manager.h"
#include "skin/manager/skin_matching.h"

namespace zembrel {

namespace {

// The manager whose hook is installed on this thread; the hook procedure has no other way to it.
TSkinManage* hooked_manager = nullptr;

std::string ClassNameOf(HWND wnd) {
  char name[256] = {};
  GetClassNameA(wnd, name, sizeof name);
  return name;
}

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

HWND HandleOf(zfw::TComponent* component) {
  auto* control = dynamic_cast<zfw::TWinControl*>(component);
  return control && control->HandleAllocated() ? control->Handle() : nullptr;
}

}  // namespace

// ---- the hook ----

void TSkinManage::InstallHook() {
  if (FHook) return;
  FHook.reset(SetWindowsHookExA(WH_CBT, CBTHookProc, nullptr, GetCurrentThreadId()));
  if (FHook) hooked_manager = this;
}

void TSkinManage::RemoveHook() {
  if (hooked_manager == this) hooked_manager = nullptr;
  FHook.reset();
}

bool TSkinManage::HookInstalled() const { return static_cast<bool>(FHook); }

LRESULT CALLBACK TSkinManage::CBTHookProc(int code, WPARAM wparam, LPARAM lparam) {
  TSkinManage* manager = hooked_manager;
  if (code >= 0 && manager) {
    try {
      manager->OnHookEvent(code, wparam, lparam);
    } catch (...) {
      zfw::LogCaughtException("skin manager hook");
    }
  }
  return CallNextHookEx(manager ? manager->FHook.get() : nullptr, code, wparam, lparam);
}

void TSkinManage::OnHookEvent(int code, WPARAM wparam, LPARAM lparam) {
  const HWND wnd = reinterpret_cast<HWND>(wparam);
  switch (code) {
    case HCBT_CREATEWND: {
      const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lparam)->lpcs;
      const std::string className = ClassNameOf(wnd);
      // A size grip made after its dialog was skinned joins that dialog's form skin.
      if (className == "ScrollBar" && (create->style & SBS_SIZEGRIP)) {
        if (TWinSkinForm* formSkin = FindFormSkin(create->hwndParent)) SkinChildWindow(*formSkin, wnd);
      }
      if (!(create->style & WS_CHILD) && className == "#32768") SkinPopupMenu(wnd);
      if (create->dwExStyle & WS_EX_MDICHILD) SkinWindow(wnd);
      break;
    }
    case HCBT_DESTROYWND:
      UnskinPopupMenu(wnd);
      break;
    case HCBT_ACTIVATE:
      if (FState == kManagerStarting) FState = kManagerRunning;
      SkinWindow(wnd);
      break;
    default:
      break;
  }
}

// ---- which windows, which skin data ----

zfw::TControl* TSkinManage::FindForm(HWND wnd) const {
  zfw::TScreen& screen = zfw::Screen();
  for (int i = 0; i < screen.FormCount(); ++i)
    if (HandleOf(screen.Forms(i)) == wnd) return screen.Forms(i);
  return FindControl(wnd);
}

bool TSkinManage::SkinForm(zfw::TCustomForm* form) {
  if (!form || !form->Visible() || !form->HandleAllocated()) return true;
  const HWND wnd = form->Handle();
  if (GetWindowLongPtrA(wnd, GWL_STYLE) & WS_CHILD) return true;
  return SkinWindow(wnd);
}

bool TSkinManage::PassesWindowFilters(HWND wnd, zfw::TControl* form, const std::string& className) const {
  const LONG_PTR style = GetWindowLongPtrA(wnd, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrA(wnd, GWL_EXSTYLE);
  // A plain child of an MDI client area is not a window of its own (except while the existing
  // forms are walked at switch-on).
  if (!FInitialPass && (style & WS_CHILD) && !(exStyle & WS_EX_MDICHILD) &&
      LowerText(ClassNameOf(GetParent(wnd))) == "mdiclient")
    return false;
  const bool ours = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(wnd, GWLP_HINSTANCE)) == GetModuleHandleA(nullptr);
  if (!form && !ours && className != "#32770") return false;
  RECT rect{};
  GetWindowRect(wnd, &rect);
  const long long area = static_cast<long long>(rect.right - rect.left) * (rect.bottom - rect.top);
  if (area == 0 && !(exStyle & WS_EX_MDICHILD)) return false;
  // The fixed 99, whatever the skin data's DisableTag says.
  if (form && form->Tag() == 99) return false;
  if (Contains(className, "TcxPopupEditPopupWindow") || Contains(className, "TTERenderWindow")) return false;
  if (className == "TApplication") return false;
  return CanSkinWindow(wnd, className);
}

bool TSkinManage::CanSkinWindow(HWND wnd, const std::string& className) const {
  bool doSkin = true;
  if (!FMainSkinData) return doSkin;
  if (!FMainSkinData->HasOption(xoPreview) && Contains(LowerText(className), "preview")) return false;
  if (className == "#32770" && (GetWindowLongPtrA(wnd, GWL_STYLE) & 0x200)) return false;
  FMainSkinData->ShouldSkinWindow(wnd, className, doSkin);
  return doSkin;
}

TSkinData* TSkinManage::ChooseSkinData(HWND wnd) const {
  TSkinData* chosen = nullptr;
  for (TSkinData* data : FSkinDatas)
    if (data->SkinFormtype() == sfOnlyThisForm && HandleOf(data->Owner()) == wnd) chosen = data;
  if (chosen) return chosen;
  const std::string className = LowerText(ClassNameOf(wnd));
  if (className == "tmessageform" || className == "#32770") {
    for (TSkinData* data : FSkinDatas)
      if (data->SkinFormtype() == sfDialog) chosen = data;
    if (chosen) return chosen;
  }
  for (TSkinData* data : FSkinDatas)
    if (data->SkinFormtype() == sfMainform) chosen = data;
  if (chosen) return chosen;
  return FSkinDatas.empty() ? nullptr : FSkinDatas.front();
}

bool TSkinManage::SkinWindow(HWND wnd) {
  if (!FActive || !wnd) return false;
  PurgeFormSkins();
  if (SendMessageA(wnd, SKM_QUERY, 0, 0) == 1 || FindFormSkin(wnd)) return false;
  zfw::TControl* form = FindForm(wnd);
  const std::string className = ClassNameOf(wnd);
  if (!PassesWindowFilters(wnd, form, className)) return false;
  TSkinData* skinData = ChooseSkinData(wnd);
  if (!skinData || skinData->Loading()) return false;

  auto* framework_form = dynamic_cast<zfw::TCustomForm*>(form);
  auto* formSkin = new TWinSkinForm(form);
  FFormSkins.push_back(formSkin);
  try {
    formSkin->SetWindow(wnd, className, FId);
    if (framework_form) formSkin->AttachForm(skinData, framework_form);
    else formSkin->AttachWindow(skinData);
  } catch (...) {
    zfw::LogCaughtException("skin manager attach");
    // The window keeps its own look.
    std::erase(FFormSkins, formSkin);
    formSkin->Stop();
    delete formSkin;
    return false;
  }
  PostMessageA(wnd, SKM_INIT, 0, 1000);
  return true;
}

// ---- popup menus ----

bool TSkinManage::SkinPopupMenu(HWND wnd) {
  if (!FActive || !wnd) return false;
  if (SendMessageA(wnd, SKM_QUERY, 0, 0) == 1 || FPopupMenus.Find(wnd)) return false;
  TSkinData* skinData = ChooseSkinData(wnd);
  if (!skinData || skinData->Loading()) return false;
  // Where the popup comes from decides which switch allows it.
  switch (FPopupOrigin) {
    case 0:
      if (!skinData->Skins(xcPopupMenu)) return false;
      break;
    case 1:
      if (!skinData->Skins(xcMainMenu) && !skinData->Skins(xcMenuItem)) return false;
      break;
    case 2:
      if (!skinData->Skins(xcSystemMenu)) return false;
      break;
    default:
      break;
  }
  TWinSkinPopMenu& skin = FPopupMenus.Add(std::make_unique<TWinSkinPopMenu>());
  skin.Start(wnd, skinData);
  if (FMenuBarPopup) skin.SetMenuBarDropDown(true);
  return true;
}

bool TSkinManage::UnskinPopupMenu(HWND wnd) {
  if (!FPopupMenus.Remove(wnd)) return false;
  if (FPopupMenus.Empty()) {
    FMenuBarPopup = false;
    FPopupOrigin = 0;
  }
  return true;
}

}  // namespace zembrel
