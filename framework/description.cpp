#include "framework/description.h"

#include <windows.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <cstdlib>

namespace zfw {

void RegisterStandardClasses();

namespace {

constexpr int kMaxDepth = 64;

class Parser {
 public:
  explicit Parser(const std::string& text) : s_(text) {}

  DObject parse() {
    skip_space();
    DObject root = object(0);
    skip_space();
    if (pos_ != s_.size()) fail("text after the last 'end'");
    return root;
  }

 private:
  [[noreturn]] void fail(const std::string& what) const { throw EParserError(line_, what); }

  void skip_space() {
    while (pos_ < s_.size()) {
      const char c = s_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '/') {
        while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_;
      } else {
        break;
      }
    }
  }

  bool at_end() const { return pos_ >= s_.size(); }
  char peek() const { return at_end() ? '\0' : s_[pos_]; }

  void expect(char c) {
    skip_space();
    if (peek() != c) fail(std::string("expected '") + c + "'");
    ++pos_;
  }

  static bool ident_start(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
  static bool ident_char(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

  std::string ident(bool dotted) {
    skip_space();
    if (!ident_start(peek())) fail("expected a name");
    const size_t start = pos_;
    while (!at_end() && (ident_char(s_[pos_]) || (dotted && s_[pos_] == '.' && pos_ + 1 < s_.size() && ident_start(s_[pos_ + 1]))))
      ++pos_;
    return s_.substr(start, pos_ - start);
  }

  // "end" or "object" ahead?
  bool keyword_ahead(const char* word) {
    skip_space();
    const size_t n = std::strlen(word);
    if (s_.compare(pos_, n, word) != 0 && !same_text(s_.substr(pos_, n), word)) return false;
    return pos_ + n >= s_.size() || !ident_char(s_[pos_ + n]);
  }

  DObject object(int depth) {
    if (depth > kMaxDepth) fail("objects nested too deeply");
    skip_space();
    const std::string word = ident(false);
    if (!same_text(word, "object") && !same_text(word, "inherited")) fail("expected 'object'");
    DObject o;
    o.line = line_;
    const std::string first = ident(false);
    skip_space();
    if (peek() == ':') {
      ++pos_;
      o.name = first;
      o.class_name = ident(false);
    } else {
      o.class_name = first;
    }
    for (;;) {
      if (keyword_ahead("end")) {
        pos_ += 3;
        return o;
      }
      if (at_end()) fail("missing 'end'");
      if (keyword_ahead("object") || keyword_ahead("inherited")) {
        o.children.push_back(object(depth + 1));
        continue;
      }
      o.props.push_back(property(depth));
    }
  }

  std::pair<std::string, DValue> property(int depth) {
    std::string name = ident(true);
    expect('=');
    return {name, value(depth)};
  }

  DValue value(int depth) {
    if (depth > kMaxDepth) fail("values nested too deeply");
    skip_space();
    const char c = peek();
    DValue v;
    if (c == '\'' || c == '#') {
      v.kind = DValue::String;
      v.text = text();
    } else if (c == '-' || c == '+' || std::isdigit(static_cast<unsigned char>(c))) {
      number(v);
    } else if (c == '[') {
      ++pos_;
      v.kind = DValue::Set;
      skip_space();
      if (peek() != ']') {
        for (;;) {
          v.members.push_back(ident(false));
          skip_space();
          if (peek() == ',') {
            ++pos_;
            continue;
          }
          break;
        }
      }
      expect(']');
    } else if (c == '(') {
      ++pos_;
      v.kind = DValue::List;
      for (;;) {
        skip_space();
        if (peek() == ')') break;
        if (at_end()) fail("missing ')'");
        v.list.push_back(value(depth + 1));
      }
      ++pos_;
    } else if (c == '{') {
      ++pos_;
      v.kind = DValue::Binary;
      int high = -1;
      for (;;) {
        skip_space();
        const char h = peek();
        if (h == '}') break;
        if (at_end()) fail("missing '}'");
        int d;
        if (h >= '0' && h <= '9') d = h - '0';
        else if (h >= 'A' && h <= 'F') d = h - 'A' + 10;
        else if (h >= 'a' && h <= 'f') d = h - 'a' + 10;
        else fail("bad hexadecimal digit");
        ++pos_;
        if (high < 0) {
          high = d;
        } else {
          v.bytes.push_back(static_cast<uint8_t>(high * 16 + d));
          high = -1;
        }
      }
      if (high >= 0) fail("odd number of hexadecimal digits");
      ++pos_;
    } else if (c == '<') {
      ++pos_;
      v.kind = DValue::Collection;
      for (;;) {
        skip_space();
        if (peek() == '>') break;
        const std::string word = ident(false);
        if (!same_text(word, "item")) fail("expected 'item'");
        DItem item;
        while (!keyword_ahead("end")) {
          if (at_end()) fail("missing 'end' of item");
          item.props.push_back(property(depth + 1));
        }
        pos_ += 3;
        v.items.push_back(std::move(item));
      }
      ++pos_;
    } else if (ident_start(c)) {
      v.kind = DValue::Ident;
      v.ident = ident(true);
    } else {
      fail("expected a value");
    }
    return v;
  }

  void number(DValue& v) {
    const size_t start = pos_;
    if (peek() == '-' || peek() == '+') ++pos_;
    if (!std::isdigit(static_cast<unsigned char>(peek()))) fail("expected a number");
    bool real = false;
    while (!at_end() && (std::isdigit(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '.' || s_[pos_] == 'e' || s_[pos_] == 'E')) {
      if (!std::isdigit(static_cast<unsigned char>(s_[pos_]))) real = true;
      ++pos_;
    }
    const std::string digits = s_.substr(start, pos_ - start);
    if (digits.size() > 24) fail("number too long");
    if (real) {
      v.kind = DValue::Float;
      v.real = std::strtod(digits.c_str(), nullptr);
    } else {
      v.kind = DValue::Integer;
      errno = 0;
      v.integer = std::strtoll(digits.c_str(), nullptr, 10);
      if (errno == ERANGE) fail("number out of range");
    }
  }

  // 'quoted' and #nnnn parts, joined; "+" between parts continues the text on the next line.
  std::wstring text() {
    std::wstring out;
    for (;;) {
      const char c = peek();
      if (c == '\'') {
        ++pos_;
        std::string utf8;
        for (;;) {
          if (at_end() || s_[pos_] == '\n') fail("unterminated text");
          if (s_[pos_] == '\'') {
            if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '\'') {
              utf8 += '\'';
              pos_ += 2;
              continue;
            }
            ++pos_;
            break;
          }
          utf8 += s_[pos_++];
        }
        out += from_utf8(utf8);
      } else if (c == '#') {
        ++pos_;
        unsigned long code = 0;
        int digits = 0;
        while (std::isdigit(static_cast<unsigned char>(peek()))) {
          code = code * 10 + static_cast<unsigned long>(s_[pos_++] - '0');
          if (++digits > 5 || code > 0xFFFF) fail("character code out of range");
        }
        if (digits == 0) fail("expected a character code after '#'");
        out += static_cast<wchar_t>(code);
      } else {
        const size_t save = pos_;
        const int save_line = line_;
        skip_space();
        if (peek() == '+') {
          ++pos_;
          skip_space();
          if (peek() == '\'' || peek() == '#') continue;
          fail("expected text after '+'");
        }
        pos_ = save;
        line_ = save_line;
        return out;
      }
    }
  }

  const std::string& s_;
  size_t pos_ = 0;
  int line_ = 1;
};

struct Fixup {
  TPersistent* target;
  const PropInfo* prop;
  std::string name;
};

class Reader {
 public:
  explicit Reader(TComponent& root) : root_(root) {}

  void read(const DObject& d) {
    if (!same_text(d.class_name, root_.ClassName()))
      throw EReadError("the description is of class " + d.class_name + ", not " + root_.ClassName());
    begin(root_);
    if (!d.name.empty()) root_.SetName(d.name);
    apply_all(root_, d.props);
    for (const DObject& child : d.children) read_child(child, root_);
    for (const Fixup& f : fixups_) {
      TComponent* c = same_text(f.name, root_.Name()) ? &root_ : root_.FindComponent(f.name);
      if (!c) throw EReadError("no component named " + f.name);
      f.prop->set_obj(*f.target, c);
    }
    for (TComponent* c : loaded_) c->SetComponentState(csReading, false);
    for (TComponent* c : loaded_) c->Loaded();
  }

 private:
  void begin(TComponent& c) {
    c.SetComponentState(csLoading | csReading, true);
    loaded_.push_back(&c);
  }

  void read_child(const DObject& d, TComponent& parent) {
    const TClassInfo* cls = FindClass(d.class_name);
    if (!cls || !cls->create) throw EReadError("line " + std::to_string(d.line) + ": class " + d.class_name + " not found");
    TComponent* c = cls->create(&root_);
    begin(*c);
    try {
      c->SetName(d.name);
      c->SetParentComponent(&parent);
    } catch (const EFrameworkError& e) {
      throw EReadError("line " + std::to_string(d.line) + ": " + e.what());
    }
    apply_all(*c, d.props);
    for (const DObject& child : d.children) read_child(child, *c);
  }

  void apply_all(TPersistent& obj, const std::vector<std::pair<std::string, DValue>>& props) {
    for (const auto& [path, value] : props) {
      try {
        apply(obj, path, value);
      } catch (const EReadError&) {
        throw;
      } catch (const std::exception& e) {
        throw EReadError("property " + path + " of " + obj.ClassName() + ": " + e.what());
      }
    }
  }

  void apply(TPersistent& start, const std::string& path, const DValue& v) {
    TPersistent* obj = &start;
    size_t from = 0;
    for (size_t dot; (dot = path.find('.', from)) != std::string::npos; from = dot + 1) {
      const std::string part = path.substr(from, dot - from);
      const PropInfo* p = GetPropInfo(*obj, part);
      if (!p || p->kind != PropKind::Object) throw EReadError(obj->ClassName() + " has no object property " + part);
      obj = p->get_obj(*obj);
      if (!obj) throw EReadError("property " + part + " holds no object");
    }
    const std::string name = path.substr(from);
    const PropInfo* p = GetPropInfo(*obj, name);
    if (!p) {
      TFiler filer;
      obj->DefineProperties(filer);
      if (const TFiler::Handler* h = filer.find(name)) return (*h)(v);
      throw EReadError(obj->ClassName() + " has no property " + name);
    }
    assign(*obj, *p, v);
  }

  static int64_t member(const PropInfo& p, const std::string& id) {
    for (size_t i = 0; i < p.names.size(); ++i)
      if (same_text(p.names[i], id)) return static_cast<int64_t>(i);
    throw EReadError("'" + id + "' is not a value of " + p.name);
  }

  void assign(TPersistent& obj, const PropInfo& p, const DValue& v) {
    switch (p.kind) {
      case PropKind::Integer: {
        int64_t value = 0;
        if (v.kind == DValue::Integer) value = v.integer;
        else if (v.kind == DValue::Ident && p.ident_to_int && p.ident_to_int(v.ident, value)) {
        } else throw EReadError("property " + p.name + " expects a number");
        if (value < INT32_MIN || value > UINT32_MAX) throw EReadError("property " + p.name + " out of range");
        return p.set_ord(obj, value);
      }
      case PropKind::Boolean:
        if (v.kind == DValue::Ident && same_text(v.ident, "True")) return p.set_ord(obj, 1);
        if (v.kind == DValue::Ident && same_text(v.ident, "False")) return p.set_ord(obj, 0);
        throw EReadError("property " + p.name + " expects True or False");
      case PropKind::Enumeration:
        if (v.kind != DValue::Ident) throw EReadError("property " + p.name + " expects a name");
        return p.set_ord(obj, member(p, v.ident));
      case PropKind::Set: {
        if (v.kind != DValue::Set) throw EReadError("property " + p.name + " expects a set");
        int64_t bits = 0;
        for (const std::string& m : v.members) bits |= int64_t(1) << member(p, m);
        return p.set_ord(obj, bits);
      }
      case PropKind::String:
        if (v.kind != DValue::String) throw EReadError("property " + p.name + " expects a text");
        return p.set_str(obj, to_ansi(v.text));
      case PropKind::WideString:
        if (v.kind != DValue::String) throw EReadError("property " + p.name + " expects a text");
        return p.set_wstr(obj, v.text);
      case PropKind::Object: {
        if (v.kind == DValue::Collection) {
          TCollection* c = dynamic_cast<TCollection*>(p.get_obj(obj));
          if (!c) throw EReadError("property " + p.name + " is not a collection");
          c->Clear();
          for (const DItem& item : v.items) apply_all(*c->Add(), item.props);
          c->Changed();
          return;
        }
        if (v.kind != DValue::Ident || !p.set_obj) throw EReadError("property " + p.name + " expects a component name");
        if (same_text(v.ident, "nil")) return p.set_obj(obj, nullptr);
        fixups_.push_back({&obj, &p, v.ident});
        return;
      }
      case PropKind::Event: {
        if (v.kind != DValue::Ident) throw EReadError("event " + p.name + " expects a method name");
        TNotifyEvent m = root_.MethodAddress(v.ident);
        if (!m) throw EReadError("method " + v.ident + " not found");
        return p.set_event(obj, std::move(m));
      }
    }
  }

  TComponent& root_;
  std::vector<TComponent*> loaded_;
  std::vector<Fixup> fixups_;
};

}  // namespace

DObject ParseDescription(const std::string& text) { return Parser(text).parse(); }

void ReadDescription(TComponent& root, const DObject& description) {
  RegisterStandardClasses();
  Reader(root).read(description);
}

void ReadDescription(TComponent& root, const std::string& text) { ReadDescription(root, ParseDescription(text)); }

std::string ResourceText(const char* name) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC res = FindResourceA(module, name, MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!res) return {};
  HGLOBAL data = LoadResource(module, res);
  const DWORD size = SizeofResource(module, res);
  const char* bytes = data ? static_cast<const char*>(LockResource(data)) : nullptr;
  return bytes ? std::string(bytes, size) : std::string();
}

}  // namespace zfw
