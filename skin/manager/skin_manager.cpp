#include "skin/manager/skin_manager.h"

#include <algorithm>
#include <memory>

#include "skin/data/WinSkinData.h"

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

}  // namespace

TSkinManage& CreateSkinManager() {
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

TSkinManage::~TSkinManage() {
  FState = kManagerDestroying;
  FActive = false;
}

void TSkinManage::InstallHook() { FHookInstalled = true; }

void TSkinManage::AddSkinData(TSkinData* skinData) {
  if (!skinData || std::find(FSkinDatas.begin(), FSkinDatas.end(), skinData) != FSkinDatas.end()) return;
  FSkinDatas.push_back(skinData);
  if (!FMainSkinData && skinData->SkinFormtype() == sfMainform) FMainSkinData = skinData;
}

void TSkinManage::RemoveSkinData(TSkinData* skinData) {
  std::erase(FSkinDatas, skinData);
  // A freed skin data must not stay behind as the one an action or the window filter uses.
  if (FMainSkinData == skinData) FMainSkinData = nullptr;
  if (FActionSkinData == skinData) FActionSkinData = nullptr;
}

void TSkinManage::PostAction(int action, int interval) {
  FAction = action;
  FActionInterval = interval;
  if (FState != kManagerStarting) {
    FActionPending = true;
    return;
  }
  // Nothing is skinned yet: the hook skins each window as it is activated.
  if (action == kActionSkinOn) FActive = true;
  if (action == kActionSkinOff) FActive = false;
}

bool TSkinManage::SkinWindow(HWND wnd) {
  if (!FActive || !wnd) return false;
  if (std::find(FPendingWindows.begin(), FPendingWindows.end(), wnd) == FPendingWindows.end())
    FPendingWindows.push_back(wnd);
  return false;
}

TWinSkinForm* TSkinManage::FindFormSkin(HWND) const { return nullptr; }

void TSkinManage::RemoveFormSkin(HWND) {}

void TSkinManage::RefreshFormSkins() { ++FRefreshRequests; }

}  // namespace zembrel
