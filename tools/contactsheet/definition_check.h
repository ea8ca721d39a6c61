// Holds a loaded skin against its definition: every image the definition names must have reached
// the element that is read from it.
#pragma once

#include <string>
#include <vector>

#include "skin/data/WinSkinData.h"
#include "skin/storage/quick_ini.h"

namespace zembrel {

// One line per image the definition names that the skin data lacks, such as
// "[Buttons] CheckButton=checkbox.bmp: no such image in the loaded skin".
std::vector<std::string> MissingImages(const TQuickIni& ini, TSkinData& data);

}  // namespace zembrel
