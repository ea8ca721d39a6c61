// The stored job: setting.ini (through the private-profile functions), addfilename.txt and
// delfilename.txt beside the executable, and the finish folder for repacked archives.
#pragma once

#include <string>

#include "app/job_settings.h"

namespace zembrel {

inline constexpr const char kSettingsFile[] = "setting.ini";
inline constexpr const char kAddListFile[] = "addfilename.txt";
inline constexpr const char kDeleteListFile[] = "delfilename.txt";
inline constexpr const char kFinishFolder[] = "finish";
inline constexpr const char kSettingsSection[] = "setting";

// The window's side of start-up loading.
class StartupView {
 public:
  virtual ~StartupView() = default;
  virtual void set_password_edit_visible(bool visible) = 0;
  virtual void set_status_date(const std::string& text) = 0;
};

// Start-up loading from folder (ending in a backslash). A failing step ends the loading
// silently; the steps done before it stay in effect.
void load_startup_settings(const std::string& folder, JobFields& fields, StartupView& view);

// Writes both lists (an empty one as an empty file) and the settings. Returns false when a step
// failed; what was written before it stays written.
bool save_settings(const std::string& folder, JobFields& fields);

}  // namespace zembrel
