#include "app/job_settings.h"

#include "app/job_texts.h"

namespace zembrel {

void TextList::assign(const std::vector<std::string>& texts) {
  clear();
  for (const auto& text : texts) append(text);
}

std::vector<std::string> TextList::items() const {
  std::vector<std::string> result;
  result.reserve(static_cast<size_t>(count()));
  for (int i = 0; i < count(); ++i) result.push_back(at(i));
  return result;
}

JobSettings JobFields::settings() const {
  JobSettings s;
  s.rarname = rarname();
  s.rarmethod = rarmethod();
  s.annname = annname();
  s.passwordcheck = passwordcheck();
  s.password = password();
  s.old_password = old_password();
  s.lockcheck = lockcheck();
  s.saveexit = saveexit();
  return s;
}

int mode_from_setting(int value) { return value == kModeInPlace ? kModeInPlace : kModeRepack; }

JobSettings initial_job_settings() {
  JobSettings s;
  s.rarname = "C:\\Program Files\\WinRAR\\Rar.exe";
  s.rarmethod = kModeRepack;
  s.password = texts::kPasswordPrompt;
  return s;
}

}  // namespace zembrel
