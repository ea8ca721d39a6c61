// Colours, fonts, brushes, pens, canvases over device contexts, DIB bitmaps, JPEG pictures,
// icons and image lists.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/classes.h"
#include "framework/handles.h"

namespace zfw {

// 0x00BBGGRR for a fixed colour; 0xFF0000nn for system colour nn, resolved when used.
using TColor = int32_t;
inline constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000);
inline constexpr TColor sys_color(int index) { return static_cast<TColor>(0xFF000000u | unsigned(index)); }
inline constexpr TColor clBtnFace = sys_color(COLOR_BTNFACE);
inline constexpr TColor clBtnText = sys_color(COLOR_BTNTEXT);
inline constexpr TColor clBtnShadow = sys_color(COLOR_BTNSHADOW);
inline constexpr TColor clBtnHighlight = sys_color(COLOR_BTNHIGHLIGHT);
inline constexpr TColor clWindow = sys_color(COLOR_WINDOW);
inline constexpr TColor clWindowText = sys_color(COLOR_WINDOWTEXT);
inline constexpr TColor clHighlight = sys_color(COLOR_HIGHLIGHT);
inline constexpr TColor clHighlightText = sys_color(COLOR_HIGHLIGHTTEXT);
inline constexpr TColor clGrayText = sys_color(COLOR_GRAYTEXT);
inline constexpr TColor clMenu = sys_color(COLOR_MENU);
inline constexpr TColor clMenuText = sys_color(COLOR_MENUTEXT);
inline constexpr TColor clBlack = 0x000000, clWhite = 0xFFFFFF, clRed = 0x0000FF, clBlue = 0xFF0000,
                        clNavy = 0x800000, clGray = 0x808080, clSilver = 0xC0C0C0, clFuchsia = 0xFF00FF,
                        clNone = 0x1FFFFFFF, clDefault = 0x20000000;

COLORREF ColorToRGB(TColor color);
// clBtnFace, clRed, ... as used in stored descriptions.
bool IdentToColor(const std::string& ident, int64_t& color);
bool IdentToCursor(const std::string& ident, int64_t& cursor);
inline constexpr int crDefault = 0, crArrow = -2, crHandPoint = -21, crIBeam = -4;
HCURSOR cursor_handle(int cursor);

// Bits of TFont::Style.
enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont final : public TPersistent {
  ZFW_CLASS(TFont)
 public:
  TFont();
  const std::string& Name() const { return name_; }
  void SetName(const std::string& v) { change(name_, v); }
  int Height() const { return height_; }  // negative: character height in pixels
  void SetHeight(int v) { change(height_, v); }
  int Size() const;  // points at 96 dots per inch
  void SetSize(int points);
  int Charset() const { return charset_; }
  void SetCharset(int v) { change(charset_, v); }
  TColor Color() const { return color_; }
  void SetColor(TColor v) { change(color_, v); }
  unsigned Style() const { return style_; }
  void SetStyle(unsigned v) { change(style_, v); }
  void Assign(const TFont& other);
  HFONT Handle();  // created on first use, released on change
  std::function<void()> OnChange;

 private:
  template <class T>
  void change(T& field, const T& value) {
    if (field == value) return;
    field = value;
    handle_.reset();
    if (OnChange) OnChange();
  }
  std::string name_;
  int height_ = -12;
  int charset_ = DEFAULT_CHARSET;
  TColor color_ = clWindowText;
  unsigned style_ = 0;
  OwnedFont handle_;
};

enum TBrushStyle { bsSolid, bsClear };

class TBrush final : public TPersistent {
  ZFW_CLASS(TBrush)
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor c);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle s);
  HBRUSH Handle();

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  OwnedBrush handle_;
};

class TPen final : public TPersistent {
  ZFW_CLASS(TPen)
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor c);
  int Width() const { return width_; }
  void SetWidth(int w);
  HPEN Handle();

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  OwnedPen handle_;
};

class TGraphic;

// Drawing on a device context that someone else owns. The canvas selects its font, brush and pen
// into the context as it draws and puts the previous objects back when it is let go.
class TCanvas {
 public:
  TCanvas() = default;
  explicit TCanvas(HDC dc) { SetHandle(dc); }
  ~TCanvas() { SetHandle(nullptr); }
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  HDC Handle() const { return dc_; }
  void SetHandle(HDC dc);
  TFont& Font() { return font_; }
  TBrush& Brush() { return brush_; }
  TPen& Pen() { return pen_; }

  void FillRect(const RECT& r);
  void FrameRect(const RECT& r);
  void Rectangle(const RECT& r);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void TextOut(int x, int y, const std::string& text);
  void TextRect(const RECT& r, const std::string& text, UINT format);  // DrawTextA
  SIZE TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }
  COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }
  void Draw(int x, int y, TGraphic& graphic);
  void StretchDraw(const RECT& r, TGraphic& graphic);

 private:
  void use_font();
  void use_brush();
  void use_pen();
  HDC dc_ = nullptr;
  HGDIOBJ old_font_ = nullptr, old_brush_ = nullptr, old_pen_ = nullptr;
  TFont font_;
  TBrush brush_;
  TPen pen_;
};

class TGraphic : public TPersistent {
  ZFW_CLASS(TGraphic)
 public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Empty() const = 0;
  virtual void Draw(TCanvas& canvas, const RECT& r) = 0;
  // Replaces the content from bytes in the graphic's file format; bad bytes throw EGraphicError.
  virtual void LoadFromBytes(const uint8_t* data, size_t size) = 0;
  void LoadFromBytes(const std::vector<uint8_t>& bytes) { LoadFromBytes(bytes.data(), bytes.size()); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool t) { transparent_ = t; }

 protected:
  bool transparent_ = false;
};

class EGraphicError : public EFrameworkError {
 public:
  using EFrameworkError::EFrameworkError;
};

enum TPixelFormat { pf1bit, pf24bit, pf32bit };

// A DIB section. Rows are reached with ScanLine (top row first); 1-bit bitmaps have a black and
// white colour table. Canvas() draws into it.
class TBitmap final : public TGraphic {
  ZFW_CLASS(TBitmap)
 public:
  TBitmap() = default;
  TBitmap(int width, int height, TPixelFormat format = pf24bit) { SetSize(width, height, format); }
  ~TBitmap() override;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  bool Empty() const override { return !handle_; }
  TPixelFormat PixelFormat() const { return format_; }
  void SetSize(int width, int height, TPixelFormat format = pf24bit);
  uint8_t* ScanLine(int row);
  int RowBytes() const { return row_bytes_; }
  HBITMAP Handle() const { return handle_.get(); }
  TCanvas& Canvas();
  COLORREF Pixel(int x, int y);  // 0x00BBGGRR

  // Magenta and the like: with Transparent set, pixels of this colour are not drawn. clDefault
  // takes the bottom-left pixel.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor c) { transparent_color_ = c; }

  void Draw(TCanvas& canvas, const RECT& r) override;
  // A BMP file: uncompressed 1, 4, 8, 24 or 32 bits per pixel (bottom-up or top-down).
  void LoadFromBytes(const uint8_t* data, size_t size) override;
  using TGraphic::LoadFromBytes;
  void Assign(const TBitmap& other);

  // Stored as Data = { 4-byte length, then the BMP file } (button glyphs).
  void DefineProperties(TFiler& filer) override;

 private:
  void release_canvas();
  int width_ = 0, height_ = 0, row_bytes_ = 0;
  TPixelFormat format_ = pf24bit;
  OwnedBitmap handle_;
  uint8_t* bits_ = nullptr;
  TColor transparent_color_ = clDefault;
  std::unique_ptr<TCanvas> canvas_;
  OwnedDc canvas_dc_;
  HGDIOBJ canvas_old_ = nullptr;
};

// A JPEG picture, decoded through libjpeg into a 24-bit bitmap when loaded.
class TJPEGImage final : public TGraphic {
  ZFW_CLASS(TJPEGImage)
 public:
  int Width() const override { return bitmap_.Width(); }
  int Height() const override { return bitmap_.Height(); }
  bool Empty() const override { return bitmap_.Empty(); }
  void Draw(TCanvas& canvas, const RECT& r) override { bitmap_.Draw(canvas, r); }
  void LoadFromBytes(const uint8_t* data, size_t size) override;
  using TGraphic::LoadFromBytes;
  TBitmap& Bitmap() { return bitmap_; }
  int Components() const { return components_; }
  bool Progressive() const { return progressive_; }

 private:
  TBitmap bitmap_;
  int components_ = 0;
  bool progressive_ = false;
};

// An icon handle, owned.
class TIcon final : public TGraphic {
  ZFW_CLASS(TIcon)
 public:
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  bool Empty() const override { return !handle_; }
  void Draw(TCanvas& canvas, const RECT& r) override;
  void LoadFromBytes(const uint8_t* data, size_t size) override;  // an .ico file's first image
  using TGraphic::LoadFromBytes;
  void SetHandle(HICON icon);  // takes ownership (a copy is made of shared system icons)
  HICON Handle() const { return handle_.get(); }

 private:
  OwnedIcon handle_;
  int width_ = 0, height_ = 0;
};

// Holds one graphic of any of the classes above. Stored as Data = { class name as a
// length-prefixed text, then that class's stored data }.
class TPicture final : public TPersistent {
  ZFW_CLASS(TPicture)
 public:
  TGraphic* Graphic() const { return graphic_.get(); }
  void SetGraphic(std::unique_ptr<TGraphic> g);
  TBitmap& Bitmap();  // replaces the graphic by a bitmap unless it is one
  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }
  void LoadFromData(const std::vector<uint8_t>& data);
  void DefineProperties(TFiler& filer) override;
  std::function<void()> OnChange;

 private:
  std::unique_ptr<TGraphic> graphic_;
};

// Images of one size over a comctl32 image list.
class TImageList : public TComponent {
  ZFW_CLASS(TImageList)
 public:
  explicit TImageList(TComponent* owner) : TComponent(owner) {}
  int Width() const { return width_; }
  void SetWidth(int w);
  int Height() const { return height_; }
  void SetHeight(int h);
  int Count() const { return list_ ? ImageList_GetImageCount(list_.get()) : 0; }
  // Adds the bitmap's cells of the list's width; pixels of the mask colour are transparent.
  int AddMasked(TBitmap& bitmap, TColor mask);
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);
  HIMAGELIST Handle();
  void Clear();

 private:
  int width_ = 16, height_ = 16;
  OwnedImageList list_;
};

}  // namespace zfw
