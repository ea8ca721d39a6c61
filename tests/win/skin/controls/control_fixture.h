// A small skin for the control painters: every cell of every strip a solid colour of its own, so
// that one pixel read back from a rendering tells which cell was drawn; a loaded skin data
// component and a 24-bit target to render into.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "framework/graphics.h"
#include "tests/win/skin/data/skin_fixture.h"

namespace zembrel::test {

// The colour of cell k (from 1) of the strip with the given tint; never magenta, never the face.
inline COLORREF CellColour(int tint, int k) { return RGB(20 + 9 * k, 30 + 17 * tint, 200 - 8 * k); }
enum Tint {
  kTintButton, kTintCheck, kTintRadio, kTintScroll, kTintTrack, kTintThumb,
  kTintStatus, kTintExtra, kTintProgress, kTintChunk, kTintCombo, kTintSunk, kTintUpDown
};

inline constexpr COLORREF kFace = RGB(240, 236, 200);
inline constexpr COLORREF kShadow = RGB(90, 60, 30);
inline constexpr COLORREF kMagenta = RGB(255, 0, 255);

// count cells of w x h side by side; cell k filled with CellColour(tint, k), with a magenta centre
// (all but a ring of ring pixels) when ring > 0.
inline std::vector<uint8_t> Strip(int tint, int count, int w, int h, int ring = 0) {
  return Bmp(w * count, h, [=](int x, int y) {
    const int cx = x % w;
    const bool centre = ring > 0 && cx >= ring && cx < w - ring && y >= ring && y < h - ring;
    return centre ? kMagenta : CellColour(tint, x / w + 1);
  });
}

// The fixture skin; button_keys are added to [Buttons], extra is appended to the definition.
inline FixtureSkin ControlSkin(const std::string& extra = "", const std::string& button_keys = "") {
  FixtureSkin skin;
  skin.definition =
      "[TitlebarSkin]\nSkinName=Controls\n"
      "[Colours]\nButtonFace=240 236 200\nButtonShadow=90 60 30\nButtonText=0 0 0\n"
      "[Buttons]\nBitmap=b.bmp\nLeftWidth=3\nTopHeight=3\nRightWidth=3\nBottomHeight=3\nTrans=1\n"
      "CheckButton=c.bmp\nCheckButtonFrame=12\nRadioButton=r.bmp\nRadioButtonFrame=8\n" + button_keys +
      "[Scrollbar]\nImage=s.bmp\nTrans=1\n"
      "[HorzScroll]\nImage=h.bmp\n[VertScroll]\nImage=v.bmp\n"
      "[HorzScrollThumb]\nImage=ht.bmp\nFrameCount=3\n[VertScrollThumb]\nImage=vt.bmp\nFrameCount=3\n" +
      extra;
  skin.With("b.bmp", Strip(kTintButton, 5, 12, 12, 3))
      .With("c.bmp", Strip(kTintCheck, 12, 13, 13))
      .With("r.bmp", Strip(kTintRadio, 8, 13, 13))
      .With("s.bmp", Strip(kTintScroll, 23, 17, 17))
      .With("h.bmp", Strip(kTintTrack, 4, 17, 17))
      .With("v.bmp", Strip(kTintTrack, 4, 17, 17))
      .With("ht.bmp", Strip(kTintThumb, 3, 24, 17))
      .With("vt.bmp", Bmp(51, 24, [](int x, int) { return CellColour(kTintThumb, x / 17 + 1); }));
  return skin;
}

// The fixture skin with the elements of status bars, progress bars, combo boxes and up-downs;
// progress_keys and combo_keys are added to [Progress] and [ComboButton].
inline FixtureSkin FullControlSkin(const std::string& progress_keys = "", const std::string& combo_keys = "",
                                   bool sunk_edge = true) {
  std::string extra =
      "[StatusBarEdges]\nImage=st.bmp\nLeftWidth=2\nTopHeight=2\nRightWidth=2\nBottomHeight=2\nNormalColour2=0 0 255\n"
      "[ExtraImages]\nImage=x.bmp\nTrans=1\n"
      "[Progress]\nBitmap=p.bmp\nLeftWidth=3\nRightWidth=3\nTrans=1\n" + progress_keys +
      "[Progress.Chunk]\nImage=pc.bmp\nTile=1\n"
      "[ComboButton]\nImage=cb.bmp\nTrans=1\n" + combo_keys +
      "[UpDown.Vert]\nImage=ud.bmp\n";
  if (sunk_edge) extra += "[SunkEdge]\nImage=se.bmp\nLeftWidth=2\nTopHeight=2\nRightWidth=2\nBottomHeight=2\n";
  FixtureSkin skin = ControlSkin(extra);
  skin.With("st.bmp", Strip(kTintStatus, 3, 8, 8))
      .With("x.bmp", Strip(kTintExtra, 5, 11, 11))
      .With("p.bmp", Strip(kTintProgress, 2, 12, 12))
      .With("pc.bmp", Strip(kTintChunk, 1, 8, 10))
      .With("cb.bmp", Strip(kTintCombo, 4, 19, 21))
      .With("ud.bmp", Strip(kTintUpDown, 8, 10, 10))
      .With("se.bmp", Strip(kTintSunk, 4, 8, 8, 2));
  return skin;
}

// A skin data component holding a fixture skin.
inline std::unique_ptr<TSkinData> LoadedSkin(const FixtureSkin& skin = ControlSkin()) {
  auto data = std::make_unique<TSkinData>(nullptr);
  LoadFixture(*data, skin);
  return data;
}

// A 24-bit target filled with a colour none of the painters uses.
inline constexpr COLORREF kGround = RGB(1, 2, 3);
inline std::unique_ptr<zfw::TBitmap> Target(int w, int h) {
  auto b = std::make_unique<zfw::TBitmap>(w, h, zfw::pf24bit);
  RECT all{0, 0, w, h};
  HBRUSH brush = CreateSolidBrush(kGround);
  FillRect(b->Canvas().Handle(), &all, brush);
  DeleteObject(brush);
  return b;
}

// Pixels of the rectangle that differ from colour.
inline int CountNot(zfw::TBitmap& b, const RECT& r, COLORREF colour) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) n += b.Pixel(x, y) != colour;
  return n;
}

}  // namespace zembrel::test
