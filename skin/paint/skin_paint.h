// Drawing primitives that turn skin elements into pixels. An element image holds n frames
// (looks) of equal size side by side (horizontal strip) or one above the other (vertical
// strip), numbered from 1; margins are fixed edges that are never stretched along their length.
// Every routine draws nothing for an inverted destination, an empty image, a frame count below
// 1 or a frame outside 1..n.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/graphics.h"
#include "framework/handles.h"

namespace zfw {
class TControl;
}

namespace zembrel {

inline int width_of(const RECT& r) { return r.right - r.left; }
inline int height_of(const RECT& r) { return r.bottom - r.top; }

// The skin's transparent key colour: magenta.
inline constexpr zfw::TColor kSkinTransparent = 0xFF00FF;

// Fixed edge sizes of an element frame, in pixels. Negative values count as 0.
struct Margins {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// Frame k of n in an image, by the strip rule (integer division).
struct ElementFrame {
  int x = 0, y = 0, width = 0, height = 0;
};
// False for an empty image, n < 1, k outside 1..n or a frame of no size.
bool StripFrame(const zfw::TBitmap& image, bool vertical, int frame_count, int frame, ElementFrame& out);

// ---- the shared work bitmap ----
// One process-wide bitmap and string list, made by the first StartSkinPaint and freed by the
// matching last StopSkinPaint. Null while no one has started.
void StartSkinPaint();
void StopSkinPaint();
zfw::TBitmap* WorkBitmap();
std::vector<std::string>* WorkStrings();
// Sizes the work bitmap (24 bits) and sets its stretch mode to COLORONCOLOR; null when stopped
// or for a size the framework refuses (the bitmap is then left as it was).
zfw::TBitmap* SizeWorkBitmap(int width, int height);
// Holds a start for its lifetime.
class SkinPaintUser {
 public:
  SkinPaintUser() { StartSkinPaint(); }
  ~SkinPaintUser() { StopSkinPaint(); }
  SkinPaintUser(const SkinPaintUser&) = delete;
  SkinPaintUser& operator=(const SkinPaintUser&) = delete;
};

// ---- element rendering ----
// Frame k of n rendered to size's width x height: corners and edges stretched, the centre
// stretched or tiled. Margins that do not fit the size are dropped in that direction. Null for
// a size of no area or nothing to draw.
std::unique_ptr<zfw::TBitmap> RenderElement(const RECT& size, zfw::TBitmap& image, const Margins& margins,
                                            bool vertical, bool tile, int frame_count, int frame);
// RenderElement of dest's size drawn at dest, magenta left out when transparent.
void PaintElement(HDC dc, const RECT& dest, zfw::TBitmap& image, bool vertical, bool tile, bool transparent,
                  int frame_count, int frame, const Margins& margins);
// Frame k of a horizontal strip stretched into dest.
void DrawStripFrame(HDC dc, const RECT& dest, zfw::TBitmap& image, bool transparent, int frame_count, int frame);
// Frame k of a horizontal strip, unscaled, centred in dest.
void DrawCentredFrame(HDC dc, const RECT& dest, zfw::TBitmap& image, bool transparent, int frame_count, int frame);
// Frame k stretched into dest as left cap, middle and right cap (margins.left / .right);
// the whole frame when dest is narrower than it.
void DrawThreePart(HDC dc, const RECT& dest, zfw::TBitmap& image, bool vertical, int frame_count, int frame,
                   const Margins& margins);
// Frame k into dest with fixed left and right caps and the middle repeated between them.
void DrawThreePartTiled(zfw::TCanvas& canvas, const RECT& dest, zfw::TBitmap& image, bool vertical,
                        bool transparent, int frame_count, int frame, const Margins& margins);
// source of the image repeated over dest from its top-left; the last row and column of pieces
// are not clipped to dest.
void TileRect(zfw::TCanvas& canvas, const RECT& dest, zfw::TBitmap& image, const RECT& source);

// ---- colour keys and regions ----
// The image drawn unscaled at dest (dest's size, at most the image's), pixels of the key colour
// left out.
void TransparentBlit(HDC dc, const RECT& dest, zfw::TBitmap& image, zfw::TColor key);
// Which way TransparentBlit goes: MaskBlt (NT) or three raster operations (9x). Follows
// IsNtPlatform() unless forced; for tests that compare the two.
enum class BlitBranch { kPlatform, kMaskBlt, kRasterOps };
void SetTransparentBlitBranch(BlitBranch branch);

// The region of all pixels that are not transparent, shifted by (dx, dy). A pixel is
// transparent when each channel lies in [key channel, min(255, key channel + tolerance)].
// Switches the bitmap to 32 bits per pixel. Always a region; empty for an empty bitmap.
zfw::OwnedRegion RegionFromBitmap(zfw::TBitmap& bitmap, int dx, int dy, int tol_blue, int tol_green, int tol_red,
                                  zfw::TColor key);

// The control's parent paints what lies under the control into dc (erase, then paint), with
// the viewport moved so that dc's origin is the control's top-left corner.
void DrawParentBackground(zfw::TControl& control, HDC dc);

}  // namespace zembrel
