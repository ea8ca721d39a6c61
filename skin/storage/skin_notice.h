// How the skin engine tells the user something (the only such text today: a skin container of a
// format this program does not read). In the program the notice is a message box; host tests and
// tools install their own handler.
#pragma once

#include <functional>
#include <string>

namespace zembrel {

using SkinNoticeHandler = std::function<void(const std::string& text)>;

// Installs a handler and returns the one it replaces. An empty handler restores the default: a
// message box on Windows, standard error elsewhere.
SkinNoticeHandler SetSkinNoticeHandler(SkinNoticeHandler handler);

void ShowSkinNotice(const std::string& text);

}  // namespace zembrel
