#include "framework/classes.h"

#include <windows.h>

#include <algorithm>

namespace zfw {

namespace {

std::map<std::string, const TClassInfo*>& class_registry() {
  static std::map<std::string, const TClassInfo*> registry;
  return registry;
}

std::string upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

const PropInfo& need_prop(const TPersistent& obj, const std::string& name) {
  const PropInfo* p = GetPropInfo(obj, name);
  if (!p) throw EPropertyError(obj.ClassName() + " has no property " + name);
  return *p;
}

const PropInfo& need_kind(const TPersistent& obj, const std::string& name, std::initializer_list<PropKind> kinds) {
  const PropInfo& p = need_prop(obj, name);
  if (std::find(kinds.begin(), kinds.end(), p.kind) == kinds.end())
    throw EPropertyError("property " + name + " of " + obj.ClassName() + " has another kind");
  return p;
}

int member_index(const PropInfo& p, const std::string& member) {
  for (size_t i = 0; i < p.names.size(); ++i)
    if (same_text(p.names[i], member)) return static_cast<int>(i);
  throw EPropertyError("'" + member + "' is not a value of " + p.name);
}

std::string trim(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

}  // namespace

bool same_text(const std::string& a, const std::string& b) { return a.size() == b.size() && upper(a) == upper(b); }

const PropInfo* TClassInfo::find(const std::string& prop) const {
  for (const TClassInfo* c = this; c; c = c->parent)
    for (const PropInfo& p : c->props)
      if (same_text(p.name, prop)) return &p;
  return nullptr;
}

bool TClassInfo::inherits_from(const std::string& class_name) const {
  for (const TClassInfo* c = this; c; c = c->parent)
    if (same_text(c->name, class_name)) return true;
  return false;
}

std::vector<const PropInfo*> TClassInfo::all_props() const {
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* c = this; c; c = c->parent) chain.push_back(c);
  std::vector<const PropInfo*> out;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    for (const PropInfo& p : (*it)->props) out.push_back(&p);
  return out;
}

void RegisterComponentClass(const TClassInfo& info) { class_registry()[upper(info.name)] = &info; }

const TClassInfo* FindClass(const std::string& name) {
  auto it = class_registry().find(upper(name));
  return it == class_registry().end() ? nullptr : it->second;
}

const TClassInfo& TObject::StaticClass() {
  static const TClassInfo info{"TObject", nullptr, {}, {}};
  return info;
}

const TClassInfo& TPersistent::StaticClass() {
  static const TClassInfo info{"TPersistent", &TObject::StaticClass(), {}, {}};
  return info;
}

void TFiler::DefineBinaryProperty(const std::string& name, std::function<void(const std::vector<uint8_t>&)> read) {
  DefineProperty(name, [name, read = std::move(read)](const DValue& v) {
    if (v.kind != DValue::Binary) throw EPropertyError(name + " expects binary data");
    read(v.bytes);
  });
}

const TFiler::Handler* TFiler::find(const std::string& name) const {
  for (const auto& [n, h] : handlers_)
    if (same_text(n, name)) return &h;
  return nullptr;
}

// ---- property access by name ----

const PropInfo* GetPropInfo(const TPersistent& obj, const std::string& name) { return obj.ClassType().find(name); }
bool IsPublishedProp(const TPersistent& obj, const std::string& name) { return GetPropInfo(obj, name) != nullptr; }

int64_t GetOrdProp(TPersistent& obj, const std::string& name) {
  return need_kind(obj, name, {PropKind::Integer, PropKind::Boolean, PropKind::Enumeration, PropKind::Set}).get_ord(obj);
}
void SetOrdProp(TPersistent& obj, const std::string& name, int64_t value) {
  const PropInfo& p = need_kind(obj, name, {PropKind::Integer, PropKind::Boolean, PropKind::Enumeration, PropKind::Set});
  if (p.kind == PropKind::Enumeration && (value < 0 || value >= static_cast<int64_t>(p.names.size())))
    throw EPropertyError("value out of range for " + name);
  p.set_ord(obj, value);
}

std::string GetEnumProp(TPersistent& obj, const std::string& name) {
  const PropInfo& p = need_kind(obj, name, {PropKind::Enumeration, PropKind::Boolean});
  const int64_t v = p.get_ord(obj);
  if (p.kind == PropKind::Boolean) return v ? "True" : "False";
  return v >= 0 && v < static_cast<int64_t>(p.names.size()) ? p.names[static_cast<size_t>(v)] : std::to_string(v);
}
void SetEnumProp(TPersistent& obj, const std::string& name, const std::string& value) {
  const PropInfo& p = need_kind(obj, name, {PropKind::Enumeration, PropKind::Boolean});
  if (p.kind == PropKind::Boolean) {
    if (same_text(value, "True")) return p.set_ord(obj, 1);
    if (same_text(value, "False")) return p.set_ord(obj, 0);
    throw EPropertyError("'" + value + "' is not a Boolean");
  }
  p.set_ord(obj, member_index(p, value));
}

std::string GetSetProp(TPersistent& obj, const std::string& name) {
  const PropInfo& p = need_kind(obj, name, {PropKind::Set});
  const int64_t bits = p.get_ord(obj);
  std::string out = "[";
  for (size_t i = 0; i < p.names.size(); ++i)
    if (bits & (int64_t(1) << i)) out += (out.size() > 1 ? "," : "") + p.names[i];
  return out + "]";
}
void SetSetProp(TPersistent& obj, const std::string& name, const std::string& value) {
  const PropInfo& p = need_kind(obj, name, {PropKind::Set});
  std::string body = trim(value);
  if (!body.empty() && body.front() == '[') {
    if (body.back() != ']') throw EPropertyError("unclosed set for " + name);
    body = body.substr(1, body.size() - 2);
  }
  int64_t bits = 0;
  size_t start = 0;
  while (start <= body.size()) {
    const size_t comma = body.find(',', start);
    const std::string member = trim(body.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (!member.empty()) bits |= int64_t(1) << member_index(p, member);
    else if (comma != std::string::npos) throw EPropertyError("empty set member for " + name);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  p.set_ord(obj, bits);
}

std::string GetStrProp(TPersistent& obj, const std::string& name) {
  const PropInfo& p = need_kind(obj, name, {PropKind::String, PropKind::WideString});
  return p.kind == PropKind::String ? p.get_str(obj) : to_ansi(p.get_wstr(obj));
}
void SetStrProp(TPersistent& obj, const std::string& name, const std::string& value) {
  const PropInfo& p = need_kind(obj, name, {PropKind::String, PropKind::WideString});
  if (p.kind == PropKind::String) p.set_str(obj, value);
  else p.set_wstr(obj, from_ansi(value));
}
std::wstring GetWideStrProp(TPersistent& obj, const std::string& name) {
  const PropInfo& p = need_kind(obj, name, {PropKind::String, PropKind::WideString});
  return p.kind == PropKind::WideString ? p.get_wstr(obj) : from_ansi(p.get_str(obj));
}
void SetWideStrProp(TPersistent& obj, const std::string& name, const std::wstring& value) {
  const PropInfo& p = need_kind(obj, name, {PropKind::String, PropKind::WideString});
  if (p.kind == PropKind::WideString) p.set_wstr(obj, value);
  else p.set_str(obj, to_ansi(value));
}

TPersistent* GetObjectProp(TPersistent& obj, const std::string& name) {
  return need_kind(obj, name, {PropKind::Object}).get_obj(obj);
}
void SetObjectProp(TPersistent& obj, const std::string& name, TPersistent* value) {
  const PropInfo& p = need_kind(obj, name, {PropKind::Object});
  if (!p.set_obj) throw EPropertyError("property " + name + " is an owned object and cannot be replaced");
  p.set_obj(obj, value);
}
TNotifyEvent GetEventProp(TPersistent& obj, const std::string& name) {
  return need_kind(obj, name, {PropKind::Event}).get_event(obj);
}
void SetEventProp(TPersistent& obj, const std::string& name, TNotifyEvent value) {
  need_kind(obj, name, {PropKind::Event}).set_event(obj, std::move(value));
}

// ---- components ----

const TClassInfo& TComponent::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo i{"TComponent", &TPersistent::StaticClass(), {}, {}};
    PropInfo name;
    name.name = "Name";
    name.kind = PropKind::String;
    name.get_str = [](TPersistent& o) { return static_cast<TComponent&>(o).Name(); };
    name.set_str = [](TPersistent& o, const std::string& v) { static_cast<TComponent&>(o).SetName(v); };
    PropInfo tag;
    tag.name = "Tag";
    tag.kind = PropKind::Integer;
    tag.get_ord = [](TPersistent& o) { return int64_t(static_cast<TComponent&>(o).Tag()); };
    tag.set_ord = [](TPersistent& o, int64_t v) { static_cast<TComponent&>(o).SetTag(static_cast<int>(v)); };
    i.props = {name, tag};
    return i;
  }();
  return info;
}

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) owner_->insert(this);
}

TComponent::~TComponent() {
  state_ |= csDestroying;
  // Tell those that asked, then free what this component owns (the last one first).
  const auto notifies = free_notifies_;
  for (TComponent* c : notifies) {
    c->RemoveFreeNotification(this);
    c->Notification(this, TOperation::Remove);
  }
  DestroyComponents();
  if (owner_) {
    owner_->remove(this);
    owner_->Notification(this, TOperation::Remove);
  }
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) delete components_.back();
}

void TComponent::SetName(const std::string& name) {
  if (!name.empty()) {
    bool ok = std::isalpha(static_cast<unsigned char>(name[0])) || name[0] == '_';
    for (char c : name) ok = ok && (std::isalnum(static_cast<unsigned char>(c)) || c == '_');
    if (!ok) throw EFrameworkError("'" + name + "' is not a valid component name");
    if (owner_) {
      TComponent* other = owner_->FindComponent(name);
      if (other && other != this) throw EFrameworkError("a component named " + name + " already exists");
    }
  }
  name_ = name;
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (same_text(c->Name(), name)) return c;
  return nullptr;
}

void TComponent::remove(TComponent* c) { components_.erase(std::remove(components_.begin(), components_.end(), c), components_.end()); }

void TComponent::FreeNotification(TComponent* other) {
  if (!other || other == this) return;
  if (std::find(other->free_notifies_.begin(), other->free_notifies_.end(), this) == other->free_notifies_.end())
    other->free_notifies_.push_back(this);
  if (std::find(free_notifies_.begin(), free_notifies_.end(), other) == free_notifies_.end())
    free_notifies_.push_back(other);
}

void TComponent::RemoveFreeNotification(TComponent* other) {
  if (!other) return;
  auto drop = [](std::vector<TComponent*>& v, TComponent* c) { v.erase(std::remove(v.begin(), v.end(), c), v.end()); };
  drop(other->free_notifies_, this);
  drop(free_notifies_, other);
}

TNotifyEvent TComponent::MethodAddress(const std::string& name) const {
  for (const auto& [n, m] : methods_)
    if (same_text(n, name)) return m;
  return {};
}

// ---- string lists and collections ----

const TClassInfo& TStrings::StaticClass() {
  static const TClassInfo info{"TStrings", &TPersistent::StaticClass(), {}, {}};
  return info;
}
const TClassInfo& TStringList::StaticClass() {
  static const TClassInfo info{"TStringList", &TStrings::StaticClass(), {}, {}};
  return info;
}

int TStrings::IndexOf(const std::string& s) const {
  for (int i = 0; i < Count(); ++i)
    if (Get(i) == s) return i;
  return -1;
}

void TStrings::Assign(const std::vector<std::string>& items) {
  Clear();
  for (const std::string& s : items) Insert(Count(), s);
  Changed();
}

std::vector<std::string> TStrings::ToVector() const {
  std::vector<std::string> out;
  for (int i = 0; i < Count(); ++i) out.push_back(Get(i));
  return out;
}

std::string TStrings::Text() const {
  std::string out;
  for (int i = 0; i < Count(); ++i) out += (i ? "\r\n" : "") + Get(i);
  return out;
}

void TStrings::SetText(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  Assign(lines);
}

void TStrings::DefineProperties(TFiler& filer) {
  filer.DefineProperty("Strings", [this](const DValue& v) {
    if (v.kind != DValue::List) throw EPropertyError("Strings expects a list");
    std::vector<std::string> items;
    for (const DValue& e : v.list) {
      if (e.kind != DValue::String) throw EPropertyError("Strings holds texts only");
      items.push_back(to_ansi(e.text));
    }
    Assign(items);
  });
}

void TStringList::Insert(int index, const std::string& s) {
  if (index < 0 || index > Count()) throw EFrameworkError("list index out of bounds");
  items_.insert(items_.begin() + index, s);
  Changed();
}
void TStringList::Delete(int index) {
  if (index < 0 || index >= Count()) throw EFrameworkError("list index out of bounds");
  items_.erase(items_.begin() + index);
  Changed();
}

const TClassInfo& TCollectionItem::StaticClass() {
  static const TClassInfo info{"TCollectionItem", &TPersistent::StaticClass(), {}, {}};
  return info;
}
const TClassInfo& TCollection::StaticClass() {
  static const TClassInfo info{"TCollection", &TPersistent::StaticClass(), {}, {}};
  return info;
}

TCollectionItem* TCollection::Add() {
  items_.push_back(factory_());
  Changed();
  return items_.back().get();
}
void TCollection::Clear() {
  items_.clear();
  Changed();
}

// ---- texts ----

std::string to_ansi(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(kTextCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(kTextCodePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

static std::wstring widen(unsigned cp, const std::string& text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(cp, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(cp, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

std::wstring from_ansi(const std::string& text) { return widen(kTextCodePage, text); }
std::wstring from_utf8(const std::string& text) { return widen(CP_UTF8, text); }

}  // namespace zfw
