// The batch job's eight settings and four lists. Their values live in the main window's controls;
// the job reads them through JobFields at the moment of use and keeps no copy of its own.
#pragma once

#include <string>
#include <vector>

namespace zembrel {

// Processing modes, as indexes of the mode radio group.
enum JobMode : int { kModeInPlace = 0, kModeRepack = 1 };

// The settings as one record, named after the keys under which the settings store keeps them.
struct JobSettings {
  std::string rarname;
  int rarmethod = 0;
  std::string annname;
  bool passwordcheck = false;
  std::string password;
  std::string old_password;
  bool lockcheck = false;
  bool saveexit = false;
};

// An ordered list of texts: duplicates allowed, nothing sorted or checked.
class TextList {
 public:
  virtual ~TextList() = default;
  virtual int count() const = 0;
  virtual std::string at(int index) const = 0;
  virtual void append(const std::string& text) = 0;
  virtual void clear() = 0;

  // Replaces the whole content (a list control fills itself in one go).
  virtual void assign(const std::vector<std::string>& texts);
  std::vector<std::string> items() const;
};

// Where the job's values are held: the main window's controls, or plain values in tests.
class JobFields {
 public:
  virtual ~JobFields() = default;

  virtual std::string rarname() const = 0;
  virtual int rarmethod() const = 0;
  virtual std::string annname() const = 0;
  virtual bool passwordcheck() const = 0;
  virtual std::string password() const = 0;
  virtual std::string old_password() const = 0;
  virtual bool lockcheck() const = 0;
  virtual bool saveexit() const = 0;

  virtual void set_rarname(const std::string& value) = 0;
  // Any stored value selects one of the two modes; see mode_from_setting.
  virtual void set_rarmethod(int value) = 0;
  virtual void set_annname(const std::string& value) = 0;
  // A change of the tick state shows or hides the password edit (the window's passwordclick).
  virtual void set_passwordcheck(bool value) = 0;
  virtual void set_password(const std::string& value) = 0;
  virtual void set_old_password(const std::string& value) = 0;
  virtual void set_lockcheck(bool value) = 0;
  virtual void set_saveexit(bool value) = 0;

  virtual TextList& add_list() = 0;
  virtual TextList& del_list() = 0;
  virtual TextList& rar_list() = 0;
  virtual TextList& work_list() = 0;

  JobSettings settings() const;
};

// The mode a stored value selects: 0 is in-place mode; anything else selects repack mode, the one
// that never changes the listed archives themselves (and the initial mode of a new window).
int mode_from_setting(int value);

// The initial values of a new main window.
JobSettings initial_job_settings();

// Plain values behind JobFields, for tests and tools.
class VectorTextList final : public TextList {
 public:
  int count() const override { return static_cast<int>(items_.size()); }
  std::string at(int index) const override { return items_.at(static_cast<size_t>(index)); }
  void append(const std::string& text) override { items_.push_back(text); }
  void clear() override { items_.clear(); }

 private:
  std::vector<std::string> items_;
};

class PlainJobFields final : public JobFields {
 public:
  PlainJobFields() : values(initial_job_settings()) {}

  std::string rarname() const override { return values.rarname; }
  int rarmethod() const override { return values.rarmethod; }
  std::string annname() const override { return values.annname; }
  bool passwordcheck() const override { return values.passwordcheck; }
  std::string password() const override { return values.password; }
  std::string old_password() const override { return values.old_password; }
  bool lockcheck() const override { return values.lockcheck; }
  bool saveexit() const override { return values.saveexit; }

  void set_rarname(const std::string& v) override { values.rarname = v; }
  void set_rarmethod(int v) override { values.rarmethod = mode_from_setting(v); }
  void set_annname(const std::string& v) override { values.annname = v; }
  void set_passwordcheck(bool v) override { values.passwordcheck = v; }
  void set_password(const std::string& v) override { values.password = v; }
  void set_old_password(const std::string& v) override { values.old_password = v; }
  void set_lockcheck(bool v) override { values.lockcheck = v; }
  void set_saveexit(bool v) override { values.saveexit = v; }

  TextList& add_list() override { return add; }
  TextList& del_list() override { return del; }
  TextList& rar_list() override { return rar; }
  TextList& work_list() override { return work; }

  JobSettings values;
  VectorTextList add, del, rar, work;
};

}  // namespace zembrel
