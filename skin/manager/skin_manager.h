// The skin manager: the one object of the process that notices every top-level window of the
// user-interface thread (through the thread's computer-based-training hook), decides whether it
// gets a skin, picks the skin data that paints it and attaches a form skin to it. Skin data
// components reach it only through the link of skin/data/skin_manager_link.h; switching skinning
// on or off and re-skinning after a change run from the manager's timer, never inside the call
// that asked.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/handles.h"
#include "skin/data/skin_manager_link.h"
#include "skin/menus/popup_menu_skin.h"

namespace zfw {
class TControl;
class TCustomForm;
class TTimer;
class TObject;
}  // namespace zfw

namespace zembrel {

struct HookTraits {
  static void close(HHOOK h) { UnhookWindowsHookEx(h); }
};
using OwnedHook = zfw::Owned<HHOOK, HookTraits>;

class TSkinData;
class TWinSkinForm;

// Deferred actions of PostAction.
enum TSkinAction : int { kActionSkinOn = 1, kActionSkinOff = 2, kActionSkinChanged = 3 };

// Values of State().
inline constexpr int kManagerStarting = 0;  // no window activated yet
inline constexpr int kManagerRunning = 1;
inline constexpr int kManagerDestroying = 4;

// The timer's interval before the first PostAction sets one.
inline constexpr int kDefaultActionInterval = 100;

class TSkinManage final : public SkinManagerLink {
 public:
  TSkinManage();
  ~TSkinManage() override;
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  // ---- what the skin data asks (SkinManagerLink) ----
  void SkinDataRegistered(TSkinData& skinData) override;
  void SkinDataLoaded(TSkinData& skinData) override;
  void SkinDataActiveChanged(TSkinData& skinData, bool active) override;
  void SkinDataSkinChanged(TSkinData& skinData) override;
  void SkinDataRemoved(TSkinData& skinData) override;

  // The thread's WH_CBT hook; installed once, removed when the manager goes.
  void InstallHook();
  bool HookInstalled() const;
  void RemoveHook();

  void AddSkinData(TSkinData* skinData);
  void RemoveSkinData(TSkinData* skinData);
  // Records the action and the skin data it works with and starts the timer; before the first
  // activation, switching on or off only sets Active().
  void PostAction(int action, int interval, TSkinData* skinData);
  bool ActionPending() const;
  // The timer's work; public so that the timer's handler and nobody else needs friendship.
  void DoAction();

  // Attaches a form skin to a top-level window and posts it SKM_INIT; true when one was attached.
  bool SkinWindow(HWND wnd);
  // A framework form: passed over (true) when hidden or a child; else SkinWindow on its window.
  bool SkinForm(zfw::TCustomForm* form);
  TWinSkinForm* FindFormSkin(HWND wnd) const;
  // Forgets (does not free) the form skin of that window; the form skin's destructor calls it.
  void RemoveFormSkin(HWND wnd);
  // The screen form of the window, else the framework control stored on it, else null.
  zfw::TControl* FindForm(HWND wnd) const;
  // The form-type filter, the preview filter and the skin data's own veto.
  bool CanSkinWindow(HWND wnd, const std::string& className) const;
  TSkinData* ChooseSkinData(HWND wnd) const;
  // Frees the caption buttons of every form skin painted by skinData; the re-skin rebuilds them.
  void RefreshFormSkins(TSkinData* skinData);
  // Drops form skins whose window was destroyed; frees those the manager owns.
  void PurgeFormSkins();

  // ---- popup menus ("#32768" windows), found by the hook ----
  // Skins a popup-menu window when its origin is allowed by the skin's switches; true when done.
  bool SkinPopupMenu(HWND wnd);
  // Stops and frees the popup-menu skin of the window; true when there was one.
  bool UnskinPopupMenu(HWND wnd);
  bool IsPopupMenuSkinned(HWND wnd) const { return FPopupMenus.Find(wnd) != nullptr; }
  TPopupMenuSkins& PopupMenus() { return FPopupMenus; }

  // ---- what the form skins tell and ask ----
  void NoteFormSkinRunning();  // a form skin attached: the manager is running
  void RecordMDIClient(HWND client, zfw::TCustomForm* frameForm);
  HWND MDIClient() const { return FMDIClient; }
  zfw::TCustomForm* MDIFrameForm() const { return FMDIFrameForm; }
  bool MDIMaximized() const { return FMDIMaximized; }
  void SetMDIMaximized(bool flag);
  void SetPopupOrigin(int origin) { FPopupOrigin = origin; }
  int PopupOrigin() const { return FPopupOrigin; }
  // Popup-menu skins made while it is set are drop-downs of the menu bar.
  void SetMenuBarPopup(bool on) { FMenuBarPopup = on; }
  bool MenuBarPopup() const { return FMenuBarPopup; }

  int State() const { return FState; }
  bool Active() const { return FActive; }
  bool InitialPass() const { return FInitialPass; }
  const std::vector<TSkinData*>& SkinDatas() const { return FSkinDatas; }
  TSkinData* MainSkinData() const { return FMainSkinData; }
  // The form skins in the order they were attached.
  const std::vector<TWinSkinForm*>& FormSkins() const { return FFormSkins; }
  // Identifies this manager to the form skins it creates.
  uint32_t Id() const { return FId; }

 private:
  static LRESULT CALLBACK CBTHookProc(int code, WPARAM wparam, LPARAM lparam);
  void OnHookEvent(int code, WPARAM wparam, LPARAM lparam);
  void SwitchOn(TSkinData& skinData);
  void SwitchOff(TSkinData& skinData);
  void Reskin(TSkinData& skinData);
  // Restores the window of the form skin, repaints it, forgets the form skin and frees it.
  void RestoreAndFree(TWinSkinForm* formSkin);
  // Forgets the form skin and frees it.
  void Free(TWinSkinForm* formSkin);
  bool PassesWindowFilters(HWND wnd, zfw::TControl* form, const std::string& className) const;

  std::unique_ptr<zfw::TTimer> FTimer;
  OwnedHook FHook;
  // Form skins of framework forms are owned by their form and leave this list from their
  // destructor (RemoveFormSkin); the others are freed by the manager. Either way no entry
  // outlives its form skin.
  std::vector<TWinSkinForm*> FFormSkins;
  TPopupMenuSkins FPopupMenus;
  std::vector<TSkinData*> FSkinDatas;  // in load order
  bool FActive = false;
  bool FInitialPass = false;
  int FState = kManagerStarting;
  int FPopupOrigin = 0;
  bool FMenuBarPopup = false;
  bool FMDIMaximized = false;
  HWND FMDIClient = nullptr;
  zfw::TCustomForm* FMDIFrameForm = nullptr;
  int FAction = 0;
  TSkinData* FActionSkinData = nullptr;
  TSkinData* FMainSkinData = nullptr;
  uint32_t FId = 0;
};

// The process-wide manager; null until InstallSkinManager.
extern TSkinManage* SkinManager;
// Creates SkinManager when there is none and makes it the skin data's link; the program calls it
// once before it creates its first form. The manager is freed when the program ends.
TSkinManage& InstallSkinManager();
// Frees the manager now (its hook, timer and remaining form skins) and unlinks the skin data.
void FreeSkinManager();

}  // namespace zembrel
