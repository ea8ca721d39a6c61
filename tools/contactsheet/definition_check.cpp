#include "tools/contactsheet/definition_check.h"

#include <algorithm>
#include <cctype>

#include "tools/contactsheet/sheet_rows.h"

namespace zembrel {
namespace {

std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::toupper(c)); });
  return s;
}

class Checker {
 public:
  Checker(const TQuickIni& ini, TSkinData& data) : ini_(ini), data_(data) {}

  // The image named by section/key, when there is a name, must be non-empty.
  void Expect(const std::string& section, const std::string& key, const zfw::TBitmap* image) {
    const std::string name = ini_.ReadString(section, key, "");
    if (name.empty() || (image && !image->Empty())) return;
    missing_.push_back("[" + section + "] " + key + "=" + name + ": " +
                       (image ? "no such image in the loaded skin" : "the loaded skin has no element for it"));
  }
  void ExpectElement(const std::string& section, const std::string& key, const std::string& element) {
    const TDataSkinObject* e = data_.Element(element);
    Expect(section, key, e ? &e->Image : nullptr);
  }
  void ExpectSecondImage(const std::string& section, const std::string& key) {
    const auto* e = dynamic_cast<const TDataSkinBorder*>(data_.Element(section));
    Expect(section, key, e ? &e->Image2 : nullptr);
  }
  void ExpectTitleButtons();

  std::vector<std::string> Missing() { return std::move(missing_); }

 private:
  const TQuickIni& ini_;
  TSkinData& data_;
  std::vector<std::string> missing_;
};

void Checker::ExpectTitleButtons() {
  std::vector<std::string> sections;
  ini_.ReadSections(sections);
  for (const std::string& section : sections) {
    const std::string upper = Upper(section);
    if (upper.rfind("BUTTON", 0) != 0 || upper == "BUTTON" || upper == "BUTTONS" || upper == "BUTTON.RADIO" ||
        upper == "BUTTON.CHECKBOX")
      continue;
    const int action = ini_.ReadInteger(section, "Action", 0);
    // Sections the engine leaves out of the caption buttons, and images it drops on purpose: a
    // system-menu button without a frame count shows the window's icon instead.
    if (action == -1 && ini_.ReadInteger(section, "Visibility", -1) != 0) continue;
    if ((action == 3 || action == 11) && ini_.ReadInteger(section, "frame", 0) == 0) continue;
    const zfw::TBitmap* image = nullptr;
    for (const auto& b : data_.TitleButtons())
      if (b->Name == upper) image = &b->Image;
    Expect(section, "ButtonImage", image);
  }
  for (const auto& b : data_.TitleButtons())
    if (b->Action >= 7 && b->Action <= 9) Expect("MDICONTROLS", "Image", &b->Image);
}

}  // namespace

std::vector<std::string> MissingImages(const TQuickIni& ini, TSkinData& data) {
  Checker check(ini, data);
  for (TDataSkinBorder* border : {&data.Left(), &data.Right(), &data.Top(), &data.Bottom()})
    check.Expect("Personality", border->Name, &border->Image);
  check.Expect("Personality", "TextBack", &data.Title().Image);
  check.ExpectElement("Personality", "menuBar", "Personality");
  check.Expect("Buttons", "Bitmap", &data.Buttons().Image);
  check.Expect("Buttons", "CheckButton", &data.Buttons().CheckImage);
  check.Expect("Buttons", "RadioButton", &data.Buttons().RadioImage);
  check.ExpectElement("Progress", "Bitmap", "Progress");
  // Elements the engine makes itself have no section of their own to name an image.
  for (const std::string& name : KnownElementNames())
    if (name != "Personality" && name != "Progress" && name != "Toolbar" && name != "ComboxArrow")
      check.ExpectElement(name, "Image", name);
  check.ExpectSecondImage("Tabs", "Border");
  check.ExpectSecondImage("UpDown.Horz", "GlyphImage");
  check.ExpectSecondImage("UpDown.Vert", "GlyphImage");
  check.ExpectTitleButtons();
  return check.Missing();
}

}  // namespace zembrel
