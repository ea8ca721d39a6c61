#include "skin/data/skin_manager_link.h"

namespace zembrel {

namespace {
SkinManagerLink* installed_link = nullptr;
}  // namespace

SkinManagerLink* CurrentSkinManagerLink() { return installed_link; }

void SetSkinManagerLink(SkinManagerLink* link) { installed_link = link; }

}  // namespace zembrel
