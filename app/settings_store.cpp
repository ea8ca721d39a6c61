#include "app/settings_store.h"

#include <windows.h>

#include "app/list_file.h"
#include "app/setting_value.h"
#include "app/win32_file.h"

namespace zembrel {

namespace {

// Text values are read into a buffer of this size, so longer ones come back cut to 2,047 bytes.
constexpr DWORD kReadBuffer = 2048;

class Profile {
 public:
  explicit Profile(std::string path) : path_(std::move(path)) {}

  std::string read_text(const char* key, const std::string& fallback) const {
    char buffer[kReadBuffer];
    const DWORD n = GetPrivateProfileStringA(kSettingsSection, key, fallback.c_str(), buffer, kReadBuffer, path_.c_str());
    return std::string(buffer, n);
  }
  int read_int(const char* key, int fallback) const { return parse_setting_int(read_text(key, ""), fallback); }
  bool read_bool(const char* key, bool fallback) const { return read_int(key, fallback ? 1 : 0) != 0; }

  void write_text(const char* key, const std::string& value) const {
    if (!WritePrivateProfileStringA(kSettingsSection, key, value.c_str(), path_.c_str()))
      throw FileError(std::string("cannot write ") + key);
  }
  void write_int(const char* key, int value) const { write_text(key, std::to_string(value)); }
  void write_bool(const char* key, bool value) const { write_text(key, value ? "1" : "0"); }
  // Puts any cached keys into the file (the call's result carries no meaning).
  void flush() const { WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str()); }

 private:
  std::string path_;
};

bool file_exists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void load_settings_file(const Profile& ini, JobFields& f) {
  f.set_rarmethod(ini.read_int("rarmethod", f.rarmethod()));
  f.set_rarname(ini.read_text("rarname", f.rarname()));
  f.set_annname(ini.read_text("annname", f.annname()));
  f.set_passwordcheck(ini.read_bool("passwordcheck", f.passwordcheck()));
  f.set_password(ini.read_text("password", f.password()));
  f.set_old_password(ini.read_text("old_password", f.old_password()));
  f.set_lockcheck(ini.read_bool("lockcheck", f.lockcheck()));
  f.set_saveexit(ini.read_bool("saveexit", f.saveexit()));
}

// An empty list is written too: what is saved is what the next start loads.
void save_list(const std::string& path, const TextList& list) { write_whole_file(path, format_list_lines(list.items())); }

}  // namespace

void load_startup_settings(const std::string& folder, JobFields& fields, StartupView& view) {
  try {
    view.set_password_edit_visible(false);
    SYSTEMTIME now;
    GetLocalTime(&now);
    view.set_status_date(status_date_text(now.wYear, now.wMonth, now.wDay));

    const std::string ini_path = folder + kSettingsFile;
    if (file_exists(ini_path)) load_settings_file(Profile(ini_path), fields);
    const std::string add_path = folder + kAddListFile;
    if (file_exists(add_path)) fields.add_list().assign(parse_list_lines(read_whole_file(add_path)));
    const std::string del_path = folder + kDeleteListFile;
    if (file_exists(del_path)) fields.del_list().assign(parse_list_lines(read_whole_file(del_path)));

    const std::string finish = folder + kFinishFolder;
    if (GetFileAttributesA(finish.c_str()) == INVALID_FILE_ATTRIBUTES && !CreateDirectoryA(finish.c_str(), nullptr))
      throw FileError("cannot create " + finish);
    if (fields.passwordcheck()) view.set_password_edit_visible(true);
  } catch (...) {
    // The window opens all the same.
  }
}

bool save_settings(const std::string& folder, JobFields& fields) {
  try {
    save_list(folder + kAddListFile, fields.add_list());
    save_list(folder + kDeleteListFile, fields.del_list());
    const Profile ini(folder + kSettingsFile);
    ini.write_text("rarname", fields.rarname());
    ini.write_int("rarmethod", fields.rarmethod());
    ini.write_text("annname", fields.annname());
    ini.write_bool("passwordcheck", fields.passwordcheck());
    ini.write_text("password", fields.password());
    ini.write_text("old_password", fields.old_password());
    ini.write_bool("lockcheck", fields.lockcheck());
    ini.write_bool("saveexit", fields.saveexit());
    ini.flush();
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace zembrel
