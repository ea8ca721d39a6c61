// The caption buttons of a skin: one per kept "Button..." section, then the minimise, restore and
// close buttons of a maximised child window, cut from the "MDICONTROLS" image.
#include "skin/data/definition_rules.h"
#include "skin/data/skin_definition.h"

namespace zembrel {

namespace {

constexpr int kChildControlActions[] = {7, 8, 9};

// A section that would be an invisible spacer (action -1 with any visibility but 0) is left out.
bool KeepTitleButtonSection(const SkinDefinitionSource& src, const std::string& section) {
  if (!IsTitleButtonSectionName(section)) return false;
  return !(src.Integer(section, "Action", 0) == -1 && src.Integer(section, "Visibility", -1) != 0);
}

std::unique_ptr<TDataSkinSysButton> ReadTitleButton(const SkinDefinitionSource& src, const std::string& section) {
  auto b = std::make_unique<TDataSkinSysButton>(AsciiUpper(section));
  b->Action = src.Integer(section, "Action", 0);
  b->Align = src.Integer(section, "Align", 0);
  b->XCoord = src.Integer(section, "Xcoord", 0);
  b->YCoord = src.Integer(section, "Ycoord", 0);
  b->Visibility = src.Integer(section, "Visibility", 0);
  b->Visibility1 = src.Integer(section, "Visibility1", b->Action == -1 ? -1 : 0);
  b->CombineOp = src.Integer(section, "CombineOp", -1);
  b->FrameCount = src.Integer(section, "frame", 0);
  src.Bitmap(b->Image, section, "ButtonImage");
  if (b->FrameCount == 0) {
    b->FrameCount = TitleButtonDefaultFrames(b->Action, b->Image.Width(), b->Image.Height());
    // Buttons of actions 3 and 11 are drawn without an image of the skin.
    if (b->Action == 3 || b->Action == 11) b->Image.SetSize(0, 0);
  }
  return b;
}

// part <- the width x height area of source that starts at (x, 0).
void CopyColumns(zfw::TBitmap& source, int x, int width, zfw::TBitmap& part) {
  part.SetSize(width, source.Height(), zfw::pf24bit);
  if (part.Empty()) return;
  BitBlt(part.Canvas().Handle(), 0, 0, width, source.Height(), source.Canvas().Handle(), x, 0, SRCCOPY);
}

}  // namespace

TitleButtonList ReadTitleButtons(const SkinDefinitionSource& src, const std::vector<std::string>& sections) {
  TitleButtonList list;
  for (const std::string& section : sections)
    if (KeepTitleButtonSection(src, section)) list.push_back(ReadTitleButton(src, section));

  const size_t first_child = list.size();
  for (int action : kChildControlActions) {
    auto b = std::make_unique<TDataSkinSysButton>("MDI" + std::to_string(action));
    b->Action = action;
    b->Align = 100;
    b->Visibility = 100;
    b->Visibility1 = 100;
    b->FrameCount = 4;
    list.push_back(std::move(b));
  }

  zfw::TBitmap controls;
  src.Bitmap(controls, "MDICONTROLS", "Image");
  const int w = controls.Width() / 12;  // each of the three images holds four frames
  if (!controls.Empty() && w > 0) {
    for (int k = 0; k < 3; ++k) {
      TDataSkinSysButton& b = *list[first_child + static_cast<size_t>(k)];
      CopyColumns(controls, 4 * k * w, 4 * w, b.Image);
      b.XCoord = (w + 4) * (3 - k);
    }
  }
  return list;
}

}  // namespace zembrel
