// The manager's life, what the skin data asks of it, the deferred actions and the form-skin list.
// The hook and the choice of windows are in skin_manager_windows.cpp.
#include "skin/manager/skin_manager.h"

#include <algorithm>

#include "framework/forms.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"
#include "framework/fault_log.h"

namespace zembrel {

TSkinManage* SkinManager = nullptr;

namespace {

// Frees the manager when the program ends, after everything that could still ask for it.
struct ManagerOwner {
  std::unique_ptr<TSkinManage> manager;
  ~ManagerOwner() {
    SkinManager = nullptr;
    manager.reset();
  }
};
ManagerOwner& Owner() {
  static ManagerOwner owner;
  return owner;
}

uint32_t NextManagerId() {
  static uint32_t last = 0;
  return ++last;
}

}  // namespace

TSkinManage& InstallSkinManager() {
  if (!SkinManager) {
    Owner().manager = std::make_unique<TSkinManage>();
    SkinManager = Owner().manager.get();
  }
  return *SkinManager;
}

void FreeSkinManager() {
  SkinManager = nullptr;
  Owner().manager.reset();
}

TSkinManage::TSkinManage() : FTimer(std::make_unique<zfw::TTimer>(nullptr)), FId(NextManagerId()) {
  FTimer->SetEnabled(false);
  FTimer->SetInterval(kDefaultActionInterval);
  FTimer->OnTimer = [this](zfw::TObject*) {
    try {
      DoAction();
    } catch (...) {
      zfw::LogCaughtException("skin manager timer");
    }
  };
  SetSkinManagerLink(this);
}

TSkinManage::~TSkinManage() {
  FState = kManagerDestroying;
  FActive = false;
  FTimer.reset();
  // Last first; each form skin gives its window back without repainting it (the program ends).
  while (!FFormSkins.empty()) {
    TWinSkinForm* formSkin = FFormSkins.back();
    FFormSkins.pop_back();
    formSkin->Stop();
    delete formSkin;
  }
  FPopupMenus.Clear();
  FSkinDatas.clear();
  RemoveHook();
  if (CurrentSkinManagerLink() == this) SetSkinManagerLink(nullptr);
}

// ---- what the skin data asks ----

void TSkinManage::SkinDataRegistered(TSkinData& skinData) { AddSkinData(&skinData); }

void TSkinManage::SkinDataLoaded(TSkinData& skinData) {
  if (skinData.SkinFormtype() != sfMainform) {
    // A skin data of one form or of dialogs skins without the hook, from now on.
    FActive = true;
    FState += 1;
    auto* form = dynamic_cast<zfw::TCustomForm*>(skinData.Owner());
    if (form && skinData.Active()) SkinWindow(form->Handle());
    return;
  }
  InstallHook();
  if (skinData.Active()) PostAction(kActionSkinOn, 250, &skinData);
}

void TSkinManage::SkinDataActiveChanged(TSkinData& skinData, bool active) {
  switch (skinData.SkinFormtype()) {
    case sfMainform:
      if (active && skinData.Loading()) return;
      PostAction(active ? kActionSkinOn : kActionSkinOff, 250, &skinData);
      if (active) FState = kManagerRunning;
      return;
    case sfOnlyThisForm:
      FActionSkinData = &skinData;
      if (active && skinData.Loading()) return;
      PostAction(active ? kActionSkinOn : kActionSkinOff, 250, &skinData);
      return;
    default:
      return;  // dialog and library skin data switch nothing
  }
}

void TSkinManage::SkinDataSkinChanged(TSkinData& skinData) {
  FActionSkinData = &skinData;
  RefreshFormSkins(&skinData);
  if (FState == kManagerRunning) PostAction(kActionSkinChanged, 250, &skinData);
}

void TSkinManage::SkinDataRemoved(TSkinData& skinData) { RemoveSkinData(&skinData); }

void TSkinManage::AddSkinData(TSkinData* skinData) {
  if (!skinData || std::find(FSkinDatas.begin(), FSkinDatas.end(), skinData) != FSkinDatas.end()) return;
  FSkinDatas.push_back(skinData);
  if (!FMainSkinData && skinData->SkinFormtype() == sfMainform) FMainSkinData = skinData;
}

void TSkinManage::RemoveSkinData(TSkinData* skinData) {
  std::erase(FSkinDatas, skinData);
  if (FMainSkinData == skinData) FMainSkinData = nullptr;
  if (FActionSkinData == skinData) {
    FActionSkinData = nullptr;
    FTimer->SetEnabled(false);
  }
  // No form skin may go on painting with a skin data that is gone: its windows get their own
  // look back.
  std::vector<TWinSkinForm*> users;
  for (TWinSkinForm* formSkin : FFormSkins)
    if (formSkin->SkinData() == skinData) users.push_back(formSkin);
  for (TWinSkinForm* formSkin : users) {
    if (formSkin->State() == kFormDestroyed) Free(formSkin);
    else RestoreAndFree(formSkin);
  }
}

// ---- deferred actions ----

void TSkinManage::PostAction(int action, int interval, TSkinData* skinData) {
  FAction = action;
  if (skinData) FActionSkinData = skinData;
  FTimer->SetInterval(interval);
  if (FState != kManagerStarting) {
    FTimer->SetEnabled(true);
    return;
  }
  // No window activated yet: the hook skins each window as it is activated.
  if (action == kActionSkinOn) FActive = true;
  if (action == kActionSkinOff) FActive = false;
}

bool TSkinManage::ActionPending() const { return FTimer && FTimer->Enabled(); }

void TSkinManage::DoAction() {
  FTimer->SetEnabled(false);
  TSkinData* skinData = FActionSkinData;
  if (!skinData) return;
  switch (FAction) {
    case kActionSkinOn: SwitchOn(*skinData); break;
    case kActionSkinOff: SwitchOff(*skinData); break;
    case kActionSkinChanged: Reskin(*skinData); break;
    default: break;
  }
  // The handler may free the skin data; it is not touched after the notice.
  FActionSkinData = nullptr;
  skinData->NotifySkinChanged();
}

void TSkinManage::SwitchOn(TSkinData& skinData) {
  FActive = true;
  FInitialPass = true;
  struct PassEnd {
    bool& flag;
    ~PassEnd() { flag = false; }
  } pass_end{FInitialPass};
  zfw::TScreen& screen = zfw::Screen();
  if (skinData.SkinFormtype() == sfOnlyThisForm) {
    for (int i = screen.FormCount() - 1; i >= 0; --i)
      if (screen.Forms(i) == skinData.Owner()) {
        SkinForm(screen.Forms(i));
        break;
      }
    return;
  }
  PurgeFormSkins();
  for (int i = screen.FormCount() - 1; i >= 0; --i)
    if (i < screen.FormCount()) SkinForm(screen.Forms(i));
}

void TSkinManage::SwitchOff(TSkinData& skinData) {
  FActive = false;
  PurgeFormSkins();
  if (skinData.SkinFormtype() == sfOnlyThisForm) {
    for (size_t i = FFormSkins.size(); i-- > 0;)
      if (FFormSkins[i]->SkinData() == &skinData) {
        RestoreAndFree(FFormSkins[i]);
        return;
      }
    return;
  }
  while (!FFormSkins.empty()) RestoreAndFree(FFormSkins.front());
}

void TSkinManage::Reskin(TSkinData& skinData) {
  PurgeFormSkins();
  if (skinData.SkinFormtype() == sfOnlyThisForm) {
    for (size_t i = FFormSkins.size(); i-- > 0;)
      if (FFormSkins[i]->SkinData() == &skinData) {
        FFormSkins[i]->FreeButtons();
        FFormSkins[i]->ReadFrameMetrics();
        FFormSkins[i]->RefreshSkin();
        return;
      }
    return;
  }
  std::vector<TWinSkinForm*> users;
  for (TWinSkinForm* formSkin : FFormSkins)
    if (formSkin->SkinData() == &skinData) users.push_back(formSkin);
  for (TWinSkinForm* formSkin : users) {
    formSkin->FreeButtons();
    formSkin->ReadFrameMetrics();
  }
  for (TWinSkinForm* formSkin : users) formSkin->RefreshSkin();
}

// ---- the form-skin list ----

void TSkinManage::RestoreAndFree(TWinSkinForm* formSkin) {
  const HWND wnd = formSkin->Handle();
  std::erase(FFormSkins, formSkin);
  formSkin->Restore();
  delete formSkin;
  if (IsWindow(wnd)) {
    InvalidateRect(wnd, nullptr, TRUE);
    UpdateWindow(wnd);
  }
}

void TSkinManage::Free(TWinSkinForm* formSkin) {
  std::erase(FFormSkins, formSkin);
  delete formSkin;
}

void TSkinManage::PurgeFormSkins() {
  if (FState == kManagerDestroying) return;
  for (size_t i = FFormSkins.size(); i-- > 0;)
    if (i < FFormSkins.size() && FFormSkins[i]->State() == kFormDestroyed) Free(FFormSkins[i]);
}

TWinSkinForm* TSkinManage::FindFormSkin(HWND wnd) const {
  for (TWinSkinForm* formSkin : FFormSkins)
    if (formSkin->Handle() == wnd) return formSkin;
  return nullptr;
}

void TSkinManage::RemoveFormSkin(HWND wnd) {
  if (FState == kManagerDestroying) return;
  auto it = std::find_if(FFormSkins.begin(), FFormSkins.end(), [wnd](TWinSkinForm* f) { return f->Handle() == wnd; });
  if (it != FFormSkins.end()) FFormSkins.erase(it);
}

void TSkinManage::RefreshFormSkins(TSkinData* skinData) {
  for (TWinSkinForm* formSkin : FFormSkins)
    if (formSkin->SkinData() == skinData) formSkin->FreeButtons();
}

void TSkinManage::NoteFormSkinRunning() { FState = kManagerRunning; }

void TSkinManage::RecordMDIClient(HWND client, zfw::TCustomForm* frameForm) {
  FMDIClient = client;
  FMDIFrameForm = frameForm;
}

void TSkinManage::SetMDIMaximized(bool flag) {
  if (flag == FMDIMaximized) return;
  FMDIMaximized = flag;
  // With the skin's own border on MDI children, a maximised child keeps its frame.
  if (FMainSkinData && FMainSkinData->HasOption(xoMDIChildBorder)) return;
  std::vector<TWinSkinForm*> children;
  for (TWinSkinForm* formSkin : FFormSkins)
    if (formSkin->MDIKind() == kMDIChild) children.push_back(formSkin);
  for (TWinSkinForm* child : children) child->ApplyMDIMaximized(flag);
}

}  // namespace zembrel
