// What a skin data component asks of the skin manager, as named operations. The manager, a layer
// above, implements this interface and installs itself; the data layer never names the manager.
// Without an installed link (the data layer's own tests) a skin data loads and keeps its state,
// and nothing is skinned.
#pragma once

namespace zembrel {

class TSkinData;

class SkinManagerLink {
 public:
  virtual ~SkinManagerLink() = default;
  // The skin data has been read from its description and is known to the manager from now on.
  virtual void SkinDataRegistered(TSkinData& skinData) = 0;
  // The skin data finished loading (its Active already corrected for a failed load): the manager
  // starts skinning the way the skin data's form type asks.
  virtual void SkinDataLoaded(TSkinData& skinData) = 0;
  // Active was changed at run time.
  virtual void SkinDataActiveChanged(TSkinData& skinData, bool active) = 0;
  // A new skin was loaded at run time: the skinned windows take it up.
  virtual void SkinDataSkinChanged(TSkinData& skinData) = 0;
  // The skin data is being freed: nothing may point at it afterwards.
  virtual void SkinDataRemoved(TSkinData& skinData) = 0;
};

// The installed link, or null.
SkinManagerLink* CurrentSkinManagerLink();
// Installs the link (null removes it). The manager calls this when it is made and when it goes.
void SetSkinManagerLink(SkinManagerLink* link);

}  // namespace zembrel
