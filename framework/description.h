// Stored descriptions: the text form of a tree of components.
//
//   object main_frm: Tmain_frm
//     Caption = 'Zembrel'#20013      quoted text, #nnnn adds the UTF-16 code unit nnnn
//     Font.Name = 'SimSun'           dotted names reach into owned sub-objects
//     Anchors = [akLeft, akTop]      sets
//     Items.Strings = ('a' 'b')      lists
//     Glyph.Data = {0A0B...}         binary, in hexadecimal
//     Panels = <item Width = 50 end> collection items
//     OnClick = btn_goClick          events: the name of a method of the root
//     Action = act_go                references: the name of a component of the root
//     object btn_go: TBitBtn ... end nested components; a control's parent is the enclosing object
//   end
//
// Quoted texts outside #nnnn are UTF-8 in the source. Reading creates every nested component
// (its class must be registered) with the root as owner, sets its parent, assigns the properties
// in the order written, hands properties the class table does not know to the object's
// DefineProperties, resolves references once the whole text is read, and then calls Loaded on
// every component read, in reading order (the root first).
#pragma once

#include <string>
#include <vector>

#include "framework/classes.h"

namespace zfw {

class EParserError : public EFrameworkError {
 public:
  EParserError(int line, const std::string& what) : EFrameworkError("line " + std::to_string(line) + ": " + what), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

class EReadError : public EFrameworkError {
 public:
  using EFrameworkError::EFrameworkError;
};

struct DObject {
  std::string name;
  std::string class_name;
  int line = 0;
  std::vector<std::pair<std::string, DValue>> props;
  std::vector<DObject> children;
};

// Parses the text; throws EParserError naming the line on bad input.
DObject ParseDescription(const std::string& text);

// Reads a description into root, whose class must be the description's class.
void ReadDescription(TComponent& root, const std::string& text);
void ReadDescription(TComponent& root, const DObject& description);

// The text of an RCDATA resource of the running module (empty when there is none).
std::string ResourceText(const char* name);

}  // namespace zfw
