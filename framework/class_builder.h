// Building a class's property table: used inside each class's StaticClass().
#pragma once

#include <functional>
#include <type_traits>

#include "framework/classes.h"

namespace zfw {

template <class C>
class ClassBuilder {
 public:
  ClassBuilder(const char* name, const TClassInfo& parent) {
    info_.name = name;
    info_.parent = &parent;
  }

  // Descriptions may create the class by name; the constructor takes the owner.
  ClassBuilder& creatable() {
    info_.create = [](TComponent* owner) -> TComponent* { return new C(owner); };
    return *this;
  }

  // G: a const member function returning the value, S: a member function taking it.
  template <class G, class S>
  ClassBuilder& integer(const char* name, G g, S s, std::function<bool(const std::string&, int64_t&)> idents = {}) {
    PropInfo p = ordinal(name, PropKind::Integer, g, s);
    p.ident_to_int = std::move(idents);
    return add(std::move(p));
  }
  template <class G, class S>
  ClassBuilder& boolean(const char* name, G g, S s) {
    return add(ordinal(name, PropKind::Boolean, g, s));
  }
  template <class G, class S>
  ClassBuilder& enumeration(const char* name, std::vector<std::string> names, G g, S s) {
    PropInfo p = ordinal(name, PropKind::Enumeration, g, s);
    p.names = std::move(names);
    return add(std::move(p));
  }
  // A set: bit n stands for member n.
  template <class G, class S>
  ClassBuilder& set(const char* name, std::vector<std::string> names, G g, S s) {
    PropInfo p = ordinal(name, PropKind::Set, g, s);
    p.names = std::move(names);
    return add(std::move(p));
  }
  template <class G, class S>
  ClassBuilder& string(const char* name, G g, S s) {
    PropInfo p;
    p.name = name;
    p.kind = PropKind::String;
    p.get_str = [g](TPersistent& o) { return std::string(std::invoke(g, static_cast<C&>(o))); };
    p.set_str = [s](TPersistent& o, const std::string& v) { std::invoke(s, static_cast<C&>(o), v); };
    return add(std::move(p));
  }
  template <class G, class S>
  ClassBuilder& wide(const char* name, G g, S s) {
    PropInfo p;
    p.name = name;
    p.kind = PropKind::WideString;
    p.get_wstr = [g](TPersistent& o) { return std::wstring(std::invoke(g, static_cast<C&>(o))); };
    p.set_wstr = [s](TPersistent& o, const std::wstring& v) { std::invoke(s, static_cast<C&>(o), v); };
    return add(std::move(p));
  }
  // An owned sub-object whose own properties a description sets (Font.Name = ...).
  template <class G>
  ClassBuilder& sub_object(const char* name, G g) {
    PropInfo p;
    p.name = name;
    p.kind = PropKind::Object;
    p.get_obj = [g](TPersistent& o) -> TPersistent* { return std::invoke(g, static_cast<C&>(o)); };
    return add(std::move(p));
  }
  // A reference to another component, given in a description by its name.
  template <class T, class G, class S>
  ClassBuilder& reference(const char* name, G g, S s) {
    PropInfo p;
    p.name = name;
    p.kind = PropKind::Object;
    p.get_obj = [g](TPersistent& o) -> TPersistent* { return std::invoke(g, static_cast<C&>(o)); };
    p.set_obj = [s, name](TPersistent& o, TPersistent* v) {
      T* typed = dynamic_cast<T*>(v);
      if (v && !typed) throw EPropertyError(std::string("wrong class for ") + name);
      std::invoke(s, static_cast<C&>(o), typed);
    };
    return add(std::move(p));
  }
  // An event held in a TNotifyEvent data member.
  ClassBuilder& event(const char* name, TNotifyEvent C::*member) {
    PropInfo p;
    p.name = name;
    p.kind = PropKind::Event;
    p.get_event = [member](TPersistent& o) { return static_cast<C&>(o).*member; };
    p.set_event = [member](TPersistent& o, TNotifyEvent e) { static_cast<C&>(o).*member = std::move(e); };
    return add(std::move(p));
  }

  TClassInfo done() { return std::move(info_); }

 private:
  template <class G, class S>
  static PropInfo ordinal(const char* name, PropKind kind, G g, S s) {
    PropInfo p;
    p.name = name;
    p.kind = kind;
    p.get_ord = [g](TPersistent& o) { return static_cast<int64_t>(std::invoke(g, static_cast<C&>(o))); };
    p.set_ord = [s](TPersistent& o, int64_t v) {
      using Arg = std::remove_cvref_t<decltype(std::invoke(std::declval<G>(), std::declval<C&>()))>;
      std::invoke(s, static_cast<C&>(o), static_cast<Arg>(v));
    };
    return p;
  }
  ClassBuilder& add(PropInfo p) {
    info_.props.push_back(std::move(p));
    return *this;
  }
  TClassInfo info_;
};

// The class information of a creatable class, registered on first use.
template <class C>
const TClassInfo& registered(TClassInfo info) {
  static const TClassInfo stored = std::move(info);
  RegisterComponentClass(stored);
  return stored;
}

}  // namespace zfw
