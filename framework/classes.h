// Objects with class information, published properties by name, and components with owners.
//
// Every framework class carries a TClassInfo: its name (the same name the window class of a
// windowed control carries), its parent class, a factory when descriptions may create it, and
// its table of published properties. Lookups by property name walk the class chain and ignore
// letter case, as do class-name tests.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace zfw {

class TObject;
class TPersistent;
class TComponent;
class TFiler;

using TNotifyEvent = std::function<void(TObject* sender)>;

class EFrameworkError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
class EPropertyError : public EFrameworkError {
 public:
  using EFrameworkError::EFrameworkError;
};

enum class PropKind { Integer, Boolean, Enumeration, Set, String, WideString, Object, Event };

// A value as it stands in a stored description.
struct DItem;
struct DValue {
  enum Kind { Integer, Float, Ident, String, Set, List, Binary, Collection } kind = Integer;
  int64_t integer = 0;
  double real = 0;
  std::string ident;          // Ident: the identifier (dots allowed)
  std::wstring text;          // String
  std::vector<std::string> members;  // Set
  std::vector<DValue> list;   // List: ( ... )
  std::vector<uint8_t> bytes; // Binary: { hex }
  std::vector<DItem> items;   // Collection: < item ... end >
};
struct DItem {
  std::vector<std::pair<std::string, DValue>> props;
};

struct PropInfo {
  std::string name;
  PropKind kind = PropKind::Integer;
  std::vector<std::string> names;  // enumeration or set members, by ordinal
  std::function<bool(const std::string& ident, int64_t& value)> ident_to_int;  // clRed, crHandPoint, ...
  std::function<int64_t(TPersistent&)> get_ord;
  std::function<void(TPersistent&, int64_t)> set_ord;
  std::function<std::string(TPersistent&)> get_str;
  std::function<void(TPersistent&, const std::string&)> set_str;
  std::function<std::wstring(TPersistent&)> get_wstr;
  std::function<void(TPersistent&, const std::wstring&)> set_wstr;
  std::function<TPersistent*(TPersistent&)> get_obj;
  // Null for an owned sub-object (Font, Items): those are filled, not replaced.
  std::function<void(TPersistent&, TPersistent*)> set_obj;
  std::function<TNotifyEvent(TPersistent&)> get_event;
  std::function<void(TPersistent&, TNotifyEvent)> set_event;
};

struct TClassInfo {
  std::string name;
  const TClassInfo* parent = nullptr;
  std::function<TComponent*(TComponent* owner)> create;  // empty: not creatable by name
  std::vector<PropInfo> props;

  const PropInfo* find(const std::string& prop) const;
  bool inherits_from(const std::string& class_name) const;
  std::vector<const PropInfo*> all_props() const;  // ancestors' first
};

// Classes known to the description reader. Every creatable class registers itself on first use
// of its class information; RegisterComponentClass makes sure that has happened.
void RegisterComponentClass(const TClassInfo& info);
const TClassInfo* FindClass(const std::string& name);

bool same_text(const std::string& a, const std::string& b);  // ASCII case-insensitive

#define ZFW_CLASS(Cls)                                         \
 public:                                                       \
  static const ::zfw::TClassInfo& StaticClass();               \
  const ::zfw::TClassInfo& ClassType() const override { return StaticClass(); }

class TObject {
 public:
  virtual ~TObject() = default;
  static const TClassInfo& StaticClass();
  virtual const TClassInfo& ClassType() const { return StaticClass(); }
  const std::string& ClassName() const { return ClassType().name; }
  bool InheritsFrom(const std::string& class_name) const { return ClassType().inherits_from(class_name); }
};

// Receives the properties a class stores beyond its published ones (binary data, string
// lists): DefineProperties names them with a handler for the stored value.
class TFiler {
 public:
  using Handler = std::function<void(const DValue&)>;
  void DefineProperty(const std::string& name, Handler read) { handlers_.emplace_back(name, std::move(read)); }
  // The handler receives the bytes of a { hex } value.
  void DefineBinaryProperty(const std::string& name, std::function<void(const std::vector<uint8_t>&)> read);
  const Handler* find(const std::string& name) const;

 private:
  std::vector<std::pair<std::string, Handler>> handlers_;
};

class TPersistent : public TObject {
  ZFW_CLASS(TPersistent)
 public:
  virtual void DefineProperties(TFiler&) {}
};

// Access to published properties by name. Unknown names and wrong kinds throw EPropertyError.
const PropInfo* GetPropInfo(const TPersistent& obj, const std::string& name);
bool IsPublishedProp(const TPersistent& obj, const std::string& name);
int64_t GetOrdProp(TPersistent& obj, const std::string& name);  // integer, Boolean, enum, set
void SetOrdProp(TPersistent& obj, const std::string& name, int64_t value);
std::string GetEnumProp(TPersistent& obj, const std::string& name);  // the member's name
void SetEnumProp(TPersistent& obj, const std::string& name, const std::string& value);
std::string GetSetProp(TPersistent& obj, const std::string& name);  // "[a,b]"
void SetSetProp(TPersistent& obj, const std::string& name, const std::string& value);
std::string GetStrProp(TPersistent& obj, const std::string& name);
void SetStrProp(TPersistent& obj, const std::string& name, const std::string& value);
std::wstring GetWideStrProp(TPersistent& obj, const std::string& name);
void SetWideStrProp(TPersistent& obj, const std::string& name, const std::wstring& value);
TPersistent* GetObjectProp(TPersistent& obj, const std::string& name);
void SetObjectProp(TPersistent& obj, const std::string& name, TPersistent* value);
TNotifyEvent GetEventProp(TPersistent& obj, const std::string& name);
void SetEventProp(TPersistent& obj, const std::string& name, TNotifyEvent value);

enum TComponentStateBit : unsigned { csLoading = 1, csReading = 2, csDesigning = 4, csDestroying = 8 };
enum class TOperation { Insert, Remove };

// A component belongs to its owner, which frees it. A component may also ask to be told when
// another one is freed (FreeNotification), for the references it holds.
class TComponent : public TPersistent {
  ZFW_CLASS(TComponent)
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  const std::string& Name() const { return name_; }
  virtual void SetName(const std::string& name);
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }
  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
  TComponent* FindComponent(const std::string& name) const;
  unsigned ComponentState() const { return state_; }
  void SetComponentState(unsigned bits, bool on) { state_ = on ? (state_ | bits) : (state_ & ~bits); }

  // Called once on every component of a description after the whole description was read.
  virtual void Loaded() { state_ &= ~unsigned(csLoading); }
  // The enclosing object in a description (a control's parent); ignored by plain components.
  virtual void SetParentComponent(TComponent*) {}

  // Frees every owned component now, the last one first.
  void DestroyComponents();

  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);
  virtual void Notification(TComponent*, TOperation) {}

  // Methods that descriptions bind to events by name (handlers of a form).
  void RegisterMethod(const std::string& name, TNotifyEvent method) { methods_[name] = std::move(method); }
  TNotifyEvent MethodAddress(const std::string& name) const;

 private:
  void insert(TComponent* c) { components_.push_back(c); }
  void remove(TComponent* c);

  std::string name_;
  int tag_ = 0;
  TComponent* owner_;
  unsigned state_ = 0;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> free_notifies_;
  std::map<std::string, TNotifyEvent> methods_;
};

// Ordered lists of ANSI texts. Stored descriptions give them as Strings = ( ... ).
class TStrings : public TPersistent {
  ZFW_CLASS(TStrings)
 public:
  virtual int Count() const = 0;
  virtual std::string Get(int index) const = 0;
  virtual void Insert(int index, const std::string& s) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  // Called after a whole change of the content (loading, Assign, Text).
  virtual void Changed() {}

  int Add(const std::string& s) {
    Insert(Count(), s);
    return Count() - 1;
  }
  int IndexOf(const std::string& s) const;
  virtual void Assign(const std::vector<std::string>& items);
  std::vector<std::string> ToVector() const;
  // Lines joined by CR LF, without one after the last line.
  std::string Text() const;
  void SetText(const std::string& text);  // splits at CR LF, LF or CR
  void DefineProperties(TFiler& filer) override;
};

class TStringList final : public TStrings {
  ZFW_CLASS(TStringList)
 public:
  int Count() const override { return static_cast<int>(items_.size()); }
  std::string Get(int index) const override { return items_.at(static_cast<size_t>(index)); }
  void Insert(int index, const std::string& s) override;
  void Delete(int index) override;
  void Clear() override {
    items_.clear();
    Changed();
  }
  std::function<void()> OnChange;
  void Changed() override {
    if (OnChange) OnChange();
  }

 private:
  std::vector<std::string> items_;
};

// A list of items of one class, each with its own published properties (status-bar panels).
class TCollectionItem : public TPersistent {
  ZFW_CLASS(TCollectionItem)
};

class TCollection : public TPersistent {
  ZFW_CLASS(TCollection)
 public:
  using Factory = std::function<std::unique_ptr<TCollectionItem>()>;
  explicit TCollection(Factory factory) : factory_(std::move(factory)) {}
  int Count() const { return static_cast<int>(items_.size()); }
  TCollectionItem* Item(int index) const { return items_.at(static_cast<size_t>(index)).get(); }
  TCollectionItem* Add();
  void Clear();
  std::function<void()> OnChange;  // after an item was added or removed, or an item changed
  void Changed() {
    if (OnChange) OnChange();
  }

 private:
  Factory factory_;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
};

// Texts: the descriptions are UTF-8 / UTF-16; the platform receives GBK (code page 936).
inline constexpr unsigned kTextCodePage = 936;
std::string to_ansi(const std::wstring& text);
std::wstring from_ansi(const std::string& text);
std::wstring from_utf8(const std::string& text);

}  // namespace zfw
