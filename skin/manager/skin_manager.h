// The skin manager: the one object of the process that the skin data components register with
// and that decides when skinning is switched on or off. Skin data components ask it for deferred
// actions (switch on, switch off, re-skin after a change); while no window has been activated
// yet, switching on or off only sets the active flag, and the windows are skinned as they are
// activated.
#pragma once

#include <windows.h>

#include <vector>

namespace zfw {
class TControl;
class TCustomForm;
}  // namespace zfw

namespace zembrel {

class TSkinData;
class TWinSkinForm;

// Deferred actions of PostAction.
enum TSkinAction : int { kActionSkinOn = 1, kActionSkinOff = 2, kActionSkinChanged = 3 };

// Values of FState.
inline constexpr int kManagerStarting = 0;    // no window activated yet
inline constexpr int kManagerRunning = 1;
inline constexpr int kManagerDestroying = 4;

class TSkinManage {
 public:
  TSkinManage() = default;
  ~TSkinManage();
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  // The thread's window-creation hook; installed once.
  void InstallHook();
  bool HookInstalled() const { return FHookInstalled; }

  void AddSkinData(TSkinData* skinData);
  // Forgets the skin data wherever the manager holds it.
  void RemoveSkinData(TSkinData* skinData);
  const std::vector<TSkinData*>& SkinDatas() const { return FSkinDatas; }

  // Asks for an action to run interval milliseconds from now. Before the first activation,
  // switching on or off only sets FActive.
  void PostAction(int action, int interval);
  bool ActionPending() const { return FActionPending; }
  int PendingAction() const { return FAction; }
  int ActionInterval() const { return FActionInterval; }

  // Attaches a form skin to a top-level window; true when one was attached. While skinning is
  // off nothing happens; a window asked for while on waits in PendingWindows() for its form skin.
  bool SkinWindow(HWND wnd);
  const std::vector<HWND>& PendingWindows() const { return FPendingWindows; }
  // The caption buttons of the windows skinned with FActionSkinData are to be built again by the
  // re-skin action that follows.
  void RefreshFormSkins();
  int RefreshRequests() const { return FRefreshRequests; }

  // ---- what the form skins tell and ask ----
  TWinSkinForm* FindFormSkin(HWND wnd) const;
  // Forgets (does not free) the form skin of that window; the form skin's destructor calls it.
  void RemoveFormSkin(HWND wnd);
  void NoteFormSkinRunning() { FState = kManagerRunning; }
  void RecordMDIClient(HWND client, zfw::TCustomForm* frameForm) {
    FMDIClient = client;
    FMDIFrameForm = frameForm;
  }
  HWND MDIClient() const { return FMDIClient; }
  zfw::TCustomForm* MDIFrameForm() const { return FMDIFrameForm; }
  bool MDIMaximized() const { return FMDIMaximized; }
  void SetMDIMaximized(bool flag) { FMDIMaximized = flag; }
  void SetPopupOrigin(int origin) { FPopupOrigin = origin; }
  int PopupOrigin() const { return FPopupOrigin; }
  void SetMenuBarPopup(bool on) { FMenuBarPopup = on; }
  bool MenuBarPopup() const { return FMenuBarPopup; }
  int State() const { return FState; }
  bool Active() const { return FActive; }

  TSkinData* FActionSkinData = nullptr;  // the skin data the pending action works with
  TSkinData* FMainSkinData = nullptr;    // the first registered skin data of the main-form kind
  bool FActive = false;
  int FState = kManagerStarting;

 private:
  std::vector<TSkinData*> FSkinDatas;  // in load order
  bool FHookInstalled = false;
  int FAction = 0;
  int FActionInterval = 0;
  bool FActionPending = false;  // the deferred-action timer is running
  std::vector<HWND> FPendingWindows;
  int FRefreshRequests = 0;
  int FPopupOrigin = 0;
  bool FMenuBarPopup = false;
  bool FMDIMaximized = false;
  HWND FMDIClient = nullptr;
  zfw::TCustomForm* FMDIFrameForm = nullptr;
};

// The matching rules and the control atom live in skin/manager/skin_matching.h.

// The process-wide manager; null until the first skin data has finished loading.
extern TSkinManage* SkinManager;
// Creates SkinManager when there is none; it is freed when the program ends.
TSkinManage& CreateSkinManager();
void FreeSkinManager();

}  // namespace zembrel
