// The colour-key routines of the drawing primitives: transparent blits and window regions.
#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include "skin/paint/ImgUtil.h"
#include "skin/paint/bitmap_pixels.h"
#include "skin/paint/skin_paint.h"

namespace zembrel {
namespace {

BlitBranch g_blit_branch = BlitBranch::kPlatform;

// A 1-bit mask of the image: key pixels white (1), all others black (0).
void make_key_mask(zfw::TBitmap& mask, zfw::TBitmap& image, COLORREF key) {
  const std::vector<uint32_t> pixels = ReadPixels(image);
  mask.SetSize(image.Width(), image.Height(), zfw::pf1bit);
  std::vector<uint32_t> bits(pixels.size());
  std::transform(pixels.begin(), pixels.end(), bits.begin(), [key](uint32_t p) { return p == key ? 0xFFFFFFu : 0u; });
  WritePixels(mask, bits);
}

}  // namespace

void SetTransparentBlitBranch(BlitBranch branch) { g_blit_branch = branch; }

void TransparentBlit(HDC dc, const RECT& dest, zfw::TBitmap& image, zfw::TColor key) {
  if (dest.right < dest.left || dest.bottom < dest.top || image.Empty() || image.Width() <= 0 || image.Height() <= 0)
    return;
  zfw::TBitmap mask;
  make_key_mask(mask, image, zfw::ColorToRGB(key));
  // Beyond the image there is nothing to copy, and MaskBlt wants a mask as large as the copy.
  const int w = std::min<int>(dest.right - dest.left, image.Width());
  const int h = std::min<int>(dest.bottom - dest.top, image.Height());
  HDC src = image.Canvas().Handle();
  const bool mask_blt = g_blit_branch == BlitBranch::kPlatform ? IsNtPlatform() : g_blit_branch == BlitBranch::kMaskBlt;
  if (mask_blt) {
    // Mask 1 (key): the destination stays; mask 0: the image is copied.
    MaskBlt(dc, dest.left, dest.top, w, h, src, 0, 0, mask.Handle(), 0, 0, MAKEROP4(0x00AA0029, SRCCOPY));
    return;
  }
  // dest ^ image, then & mask (white keeps the key pixels, black clears the rest), then ^ image
  // again: the key pixels return to the destination, the others become the image.
  const COLORREF old_bk = SetBkColor(dc, RGB(255, 255, 255));
  const COLORREF old_text = SetTextColor(dc, RGB(0, 0, 0));
  BitBlt(dc, dest.left, dest.top, w, h, src, 0, 0, SRCINVERT);
  BitBlt(dc, dest.left, dest.top, w, h, mask.Canvas().Handle(), 0, 0, SRCAND);
  BitBlt(dc, dest.left, dest.top, w, h, src, 0, 0, SRCINVERT);
  SetBkColor(dc, old_bk);
  SetTextColor(dc, old_text);
}

namespace {

// Collects row rectangles in RGNDATA layout and turns every 2000 of them into a region joined
// to the result, so that no CombineRgn is needed per run.
class RegionBuilder {
 public:
  static constexpr DWORD kBatch = 2000, kGrowth = 500;

  RegionBuilder() { reset_batch(); }

  void Add(const RECT& r) {
    if (header_.nCount == capacity_) {
      capacity_ += kGrowth;
      buffer_.resize(sizeof(RGNDATAHEADER) + capacity_ * sizeof(RECT));
    }
    std::memcpy(buffer_.data() + sizeof(RGNDATAHEADER) + header_.nCount * sizeof(RECT), &r, sizeof r);
    ++header_.nCount;
    RECT& b = header_.rcBound;
    b.left = std::min(b.left, r.left), b.top = std::min(b.top, r.top);
    b.right = std::max(b.right, r.right), b.bottom = std::max(b.bottom, r.bottom);
    if (header_.nCount == kBatch) Flush();
  }

  void Flush() {
    std::memcpy(buffer_.data(), &header_, sizeof header_);
    const DWORD size = sizeof(RGNDATAHEADER) + header_.nCount * sizeof(RECT);
    zfw::OwnedRegion batch(ExtCreateRegion(nullptr, size, reinterpret_cast<const RGNDATA*>(buffer_.data())));
    if (!result_) result_ = std::move(batch);
    else if (batch) CombineRgn(result_.get(), result_.get(), batch.get(), RGN_OR);
    reset_batch();
  }

  zfw::OwnedRegion Finish() {
    Flush();
    if (!result_) result_.reset(CreateRectRgn(0, 0, 0, 0));
    return std::move(result_);
  }

 private:
  void reset_batch() {
    header_ = RGNDATAHEADER{sizeof(RGNDATAHEADER), RDH_RECTANGLES, 0, 0, RECT{INT_MAX, INT_MAX, 0, 0}};
    if (buffer_.empty()) {
      capacity_ = kGrowth;
      buffer_.resize(sizeof(RGNDATAHEADER) + capacity_ * sizeof(RECT));
    }
  }

  RGNDATAHEADER header_{};
  DWORD capacity_ = 0;
  std::vector<uint8_t> buffer_;
  zfw::OwnedRegion result_;
};

// Each channel of a transparent pixel lies in [key, min(255, key + tolerance)].
struct KeyRange {
  int low[3], high[3];  // blue, green, red
  KeyRange(COLORREF key, int tol_blue, int tol_green, int tol_red) {
    const int channels[3] = {GetBValue(key), GetGValue(key), GetRValue(key)};
    const int tolerance[3] = {tol_blue, tol_green, tol_red};
    for (int i = 0; i < 3; ++i) {
      low[i] = channels[i];
      high[i] = static_cast<int>(std::min<int64_t>(255, int64_t(channels[i]) + tolerance[i]));
    }
  }
  bool Contains(const uint8_t* bgr) const {
    for (int i = 0; i < 3; ++i)
      if (bgr[i] < low[i] || bgr[i] > high[i]) return false;
    return true;
  }
};

}  // namespace

zfw::OwnedRegion RegionFromBitmap(zfw::TBitmap& bitmap, int dx, int dy, int tol_blue, int tol_green, int tol_red,
                                  zfw::TColor key) {
  RegionBuilder builder;
  SetBitmapPixelFormat(bitmap, zfw::pf32bit);
  if (bitmap.Empty() || bitmap.Width() <= 0 || bitmap.Height() <= 0) return builder.Finish();
  const KeyRange range(zfw::ColorToRGB(key), tol_blue, tol_green, tol_red);
  const int w = bitmap.Width();
  for (int y = 0; y < bitmap.Height(); ++y) {
    const uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < w;) {
      while (x < w && range.Contains(row + 4 * x)) ++x;
      const int start = x;
      while (x < w && !range.Contains(row + 4 * x)) ++x;
      if (x > start) builder.Add(RECT{start + dx, y + dy, x + dx, y + dy + 1});
    }
  }
  return builder.Finish();
}

}  // namespace zembrel
