#include "framework/graphics.h"

#include <cstdio>
#include <csetjmp>
#include <cstring>

#include <jpeglib.h>

#include "framework/class_builder.h"

namespace zfw {

// ---- colours and cursors ----

COLORREF ColorToRGB(TColor color) {
  const uint32_t c = static_cast<uint32_t>(color);
  if ((c & 0xFF000000u) == 0xFF000000u) return GetSysColor(static_cast<int>(c & 0xFF));
  return c & 0x00FFFFFFu;
}

namespace {
struct NamedValue {
  const char* name;
  int64_t value;
};
constexpr NamedValue kColors[] = {
    {"clBlack", clBlack},       {"clMaroon", 0x000080},     {"clGreen", 0x008000},
    {"clOlive", 0x008080},      {"clNavy", clNavy},         {"clPurple", 0x800080},
    {"clTeal", 0x808000},       {"clGray", clGray},         {"clSilver", clSilver},
    {"clRed", clRed},           {"clLime", 0x00FF00},       {"clYellow", 0x00FFFF},
    {"clBlue", clBlue},         {"clFuchsia", clFuchsia},   {"clAqua", 0xFFFF00},
    {"clWhite", clWhite},       {"clNone", clNone},         {"clDefault", clDefault},
    {"clScrollBar", sys_color(COLOR_SCROLLBAR)},           {"clBackground", sys_color(COLOR_BACKGROUND)},
    {"clActiveCaption", sys_color(COLOR_ACTIVECAPTION)},   {"clInactiveCaption", sys_color(COLOR_INACTIVECAPTION)},
    {"clMenu", clMenu},         {"clWindow", clWindow},     {"clWindowFrame", sys_color(COLOR_WINDOWFRAME)},
    {"clMenuText", clMenuText}, {"clWindowText", clWindowText},
    {"clCaptionText", sys_color(COLOR_CAPTIONTEXT)},       {"clActiveBorder", sys_color(COLOR_ACTIVEBORDER)},
    {"clInactiveBorder", sys_color(COLOR_INACTIVEBORDER)}, {"clAppWorkSpace", sys_color(COLOR_APPWORKSPACE)},
    {"clHighlight", clHighlight},                          {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},   {"clBtnShadow", clBtnShadow}, {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},   {"clInactiveCaptionText", sys_color(COLOR_INACTIVECAPTIONTEXT)},
    {"clBtnHighlight", clBtnHighlight},                    {"cl3DDkShadow", sys_color(COLOR_3DDKSHADOW)},
    {"cl3DLight", sys_color(COLOR_3DLIGHT)},               {"clInfoText", sys_color(COLOR_INFOTEXT)},
    {"clInfoBk", sys_color(COLOR_INFOBK)},
};
constexpr NamedValue kCursors[] = {
    {"crDefault", crDefault}, {"crNone", -1}, {"crArrow", crArrow}, {"crCross", -3}, {"crIBeam", crIBeam},
    {"crSizeNESW", -6},       {"crSizeNS", -7}, {"crSizeNWSE", -8}, {"crSizeWE", -9}, {"crUpArrow", -10},
    {"crHourGlass", -11},     {"crNo", -18},  {"crAppStart", -19}, {"crHelp", -20}, {"crHandPoint", crHandPoint},
    {"crSizeAll", -22},
};
template <size_t N>
bool lookup(const NamedValue (&table)[N], const std::string& ident, int64_t& value) {
  for (const NamedValue& v : table)
    if (same_text(v.name, ident)) {
      value = v.value;
      return true;
    }
  return false;
}
}  // namespace

bool IdentToColor(const std::string& ident, int64_t& color) { return lookup(kColors, ident, color); }
bool IdentToCursor(const std::string& ident, int64_t& cursor) { return lookup(kCursors, ident, cursor); }

HCURSOR cursor_handle(int cursor) {
  LPCSTR id = IDC_ARROW;
  switch (cursor) {
    case crHandPoint: id = IDC_HAND; break;
    case crIBeam: id = IDC_IBEAM; break;
    case -3: id = IDC_CROSS; break;
    case -11: id = IDC_WAIT; break;
    case -18: id = IDC_NO; break;
    case -22: id = IDC_SIZEALL; break;
    default: break;
  }
  return LoadCursorA(nullptr, id);
}

// ---- font, brush, pen ----

const TClassInfo& TFont::StaticClass() {
  static const TClassInfo info = ClassBuilder<TFont>("TFont", TPersistent::StaticClass())
      .integer("Charset", &TFont::Charset, &TFont::SetCharset,
               [](const std::string& id, int64_t& v) {
                 static const NamedValue sets[] = {{"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"SYMBOL_CHARSET", 2},
                                                   {"GB2312_CHARSET", 134}, {"CHINESEBIG5_CHARSET", 136},
                                                   {"OEM_CHARSET", 255}};
                 return lookup(sets, id, v);
               })
      .integer("Color", &TFont::Color, &TFont::SetColor, IdentToColor)
      .integer("Height", &TFont::Height, &TFont::SetHeight)
      .string("Name", &TFont::Name, &TFont::SetName)
      .integer("Size", &TFont::Size, &TFont::SetSize)
      .set("Style", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}, &TFont::Style, &TFont::SetStyle)
      .done();
  return info;
}

TFont::TFont() : name_("MS Sans Serif") {}

int TFont::Size() const { return -MulDiv(height_, 72, 96); }
void TFont::SetSize(int points) { SetHeight(-MulDiv(points, 96, 72)); }

void TFont::Assign(const TFont& o) {
  if (&o == this) return;
  name_ = o.name_;
  height_ = o.height_;
  charset_ = o.charset_;
  color_ = o.color_;
  style_ = o.style_;
  handle_.reset();
  if (OnChange) OnChange();
}

HFONT TFont::Handle() {
  if (!handle_) {
    LOGFONTA lf{};
    lf.lfHeight = height_;
    lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
    lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = static_cast<BYTE>(charset_);
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
    handle_.reset(CreateFontIndirectA(&lf));
  }
  return handle_.get();
}

const TClassInfo& TBrush::StaticClass() {
  static const TClassInfo info = ClassBuilder<TBrush>("TBrush", TPersistent::StaticClass())
      .integer("Color", &TBrush::Color, &TBrush::SetColor, IdentToColor)
      .enumeration("Style", {"bsSolid", "bsClear"}, &TBrush::Style, &TBrush::SetStyle)
      .done();
  return info;
}
void TBrush::SetColor(TColor c) {
  if (c != color_) handle_.reset();
  color_ = c;
}
void TBrush::SetStyle(TBrushStyle s) {
  if (s != style_) handle_.reset();
  style_ = s;
}
HBRUSH TBrush::Handle() {
  if (style_ == bsClear) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  if (!handle_) handle_.reset(CreateSolidBrush(ColorToRGB(color_)));
  return handle_.get();
}

const TClassInfo& TPen::StaticClass() {
  static const TClassInfo info = ClassBuilder<TPen>("TPen", TPersistent::StaticClass())
      .integer("Color", &TPen::Color, &TPen::SetColor, IdentToColor)
      .integer("Width", &TPen::Width, &TPen::SetWidth)
      .done();
  return info;
}
void TPen::SetColor(TColor c) {
  if (c != color_) handle_.reset();
  color_ = c;
}
void TPen::SetWidth(int w) {
  if (w != width_) handle_.reset();
  width_ = w;
}
HPEN TPen::Handle() {
  if (!handle_) handle_.reset(CreatePen(PS_SOLID, width_, ColorToRGB(color_)));
  return handle_.get();
}

// ---- canvas ----

void TCanvas::SetHandle(HDC dc) {
  if (dc_) {
    if (old_font_) SelectObject(dc_, old_font_);
    if (old_brush_) SelectObject(dc_, old_brush_);
    if (old_pen_) SelectObject(dc_, old_pen_);
  }
  old_font_ = old_brush_ = old_pen_ = nullptr;
  dc_ = dc;
}

void TCanvas::use_font() {
  HGDIOBJ old = SelectObject(dc_, font_.Handle());
  if (!old_font_) old_font_ = old;
  SetTextColor(dc_, ColorToRGB(font_.Color()));
}
void TCanvas::use_brush() {
  HGDIOBJ old = SelectObject(dc_, brush_.Handle());
  if (!old_brush_) old_brush_ = old;
  SetBkColor(dc_, ColorToRGB(brush_.Color()));
  SetBkMode(dc_, brush_.Style() == bsClear ? TRANSPARENT : OPAQUE);
}
void TCanvas::use_pen() {
  HGDIOBJ old = SelectObject(dc_, pen_.Handle());
  if (!old_pen_) old_pen_ = old;
}

void TCanvas::FillRect(const RECT& r) {
  if (brush_.Style() != bsClear) ::FillRect(dc_, &r, brush_.Handle());
}
void TCanvas::FrameRect(const RECT& r) { ::FrameRect(dc_, &r, brush_.Handle()); }
void TCanvas::Rectangle(const RECT& r) {
  use_pen();
  use_brush();
  ::Rectangle(dc_, r.left, r.top, r.right, r.bottom);
}
void TCanvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }
void TCanvas::LineTo(int x, int y) {
  use_pen();
  ::LineTo(dc_, x, y);
}
void TCanvas::TextOut(int x, int y, const std::string& text) {
  use_font();
  use_brush();
  ::TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
}
void TCanvas::TextRect(const RECT& r, const std::string& text, UINT format) {
  use_font();
  use_brush();
  RECT copy = r;
  DrawTextA(dc_, text.data(), static_cast<int>(text.size()), &copy, format);
}
SIZE TCanvas::TextExtent(const std::string& text) {
  use_font();
  SIZE s{};
  GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &s);
  return s;
}
void TCanvas::Draw(int x, int y, TGraphic& g) { g.Draw(*this, RECT{x, y, x + g.Width(), y + g.Height()}); }
void TCanvas::StretchDraw(const RECT& r, TGraphic& g) { g.Draw(*this, r); }

// ---- graphics ----

const TClassInfo& TGraphic::StaticClass() {
  static const TClassInfo info{"TGraphic", &TPersistent::StaticClass(), {}, {}};
  return info;
}
const TClassInfo& TBitmap::StaticClass() {
  static const TClassInfo info{"TBitmap", &TGraphic::StaticClass(), {}, {}};
  return info;
}
const TClassInfo& TJPEGImage::StaticClass() {
  static const TClassInfo info{"TJPEGImage", &TGraphic::StaticClass(), {}, {}};
  return info;
}
const TClassInfo& TIcon::StaticClass() {
  static const TClassInfo info{"TIcon", &TGraphic::StaticClass(), {}, {}};
  return info;
}
const TClassInfo& TPicture::StaticClass() {
  static const TClassInfo info{"TPicture", &TPersistent::StaticClass(), {}, {}};
  return info;
}

TBitmap::~TBitmap() { release_canvas(); }

void TBitmap::release_canvas() {
  canvas_.reset();
  if (canvas_dc_ && canvas_old_) SelectObject(canvas_dc_.get(), canvas_old_);
  canvas_old_ = nullptr;
  canvas_dc_.reset();
}

void TBitmap::SetSize(int width, int height, TPixelFormat format) {
  if (width < 0 || height < 0 || width > 32768 || height > 32768 || int64_t(width) * height > (int64_t(1) << 26))
    throw EGraphicError("bitmap size out of range");
  release_canvas();
  handle_.reset();
  bits_ = nullptr;
  width_ = width;
  height_ = height;
  format_ = format;
  const int bpp = format == pf1bit ? 1 : format == pf24bit ? 24 : 32;
  row_bytes_ = ((width * bpp + 31) / 32) * 4;
  if (width == 0 || height == 0) return;
  struct {
    BITMAPINFOHEADER h;
    RGBQUAD colors[2];
  } bi{};
  bi.h.biSize = sizeof(BITMAPINFOHEADER);
  bi.h.biWidth = width;
  bi.h.biHeight = -height;  // top-down: row 0 is the top row
  bi.h.biPlanes = 1;
  bi.h.biBitCount = static_cast<WORD>(bpp);
  bi.h.biCompression = BI_RGB;
  if (bpp == 1) {
    bi.h.biClrUsed = 2;
    bi.colors[1] = RGBQUAD{255, 255, 255, 0};
  }
  void* bits = nullptr;
  handle_.reset(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!handle_) throw EGraphicError("cannot create bitmap");
  bits_ = static_cast<uint8_t*>(bits);
  std::memset(bits_, 0, static_cast<size_t>(row_bytes_) * height_);
}

uint8_t* TBitmap::ScanLine(int row) {
  if (!bits_ || row < 0 || row >= height_) throw EGraphicError("scan line out of range");
  GdiFlush();
  return bits_ + static_cast<size_t>(row) * row_bytes_;
}

COLORREF TBitmap::Pixel(int x, int y) {
  if (x < 0 || x >= width_) throw EGraphicError("pixel out of range");
  const uint8_t* row = ScanLine(y);
  switch (format_) {
    case pf1bit: return (row[x / 8] & (0x80 >> (x % 8))) ? 0xFFFFFF : 0;
    case pf24bit: return RGB(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
    case pf32bit: return RGB(row[x * 4 + 2], row[x * 4 + 1], row[x * 4]);
  }
  return 0;
}

TCanvas& TBitmap::Canvas() {
  if (!canvas_) {
    canvas_dc_.reset(CreateCompatibleDC(nullptr));
    canvas_old_ = handle_ ? SelectObject(canvas_dc_.get(), handle_.get()) : nullptr;
    canvas_ = std::make_unique<TCanvas>(canvas_dc_.get());
  }
  return *canvas_;
}

TColor TBitmap::TransparentColor() const {
  if (transparent_color_ != clDefault || !handle_) return transparent_color_;
  return static_cast<TColor>(const_cast<TBitmap*>(this)->Pixel(0, height_ - 1));
}

void TBitmap::Draw(TCanvas& canvas, const RECT& r) {
  if (!handle_) return;
  OwnedDc src(CreateCompatibleDC(canvas.Handle()));
  SelectGuard sel(src.get(), handle_.get());
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (transparent_ && format_ != pf1bit) {
    TransparentBlt(canvas.Handle(), r.left, r.top, w, h, src.get(), 0, 0, width_, height_, ColorToRGB(TransparentColor()));
  } else if (w == width_ && h == height_) {
    BitBlt(canvas.Handle(), r.left, r.top, w, h, src.get(), 0, 0, SRCCOPY);
  } else {
    SetStretchBltMode(canvas.Handle(), COLORONCOLOR);
    StretchBlt(canvas.Handle(), r.left, r.top, w, h, src.get(), 0, 0, width_, height_, SRCCOPY);
  }
}

namespace {
uint32_t le32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }
uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
}  // namespace

void TBitmap::LoadFromBytes(const uint8_t* data, size_t size) {
  if (size < 14 + 40 || data[0] != 'B' || data[1] != 'M') throw EGraphicError("not a BMP file");
  const uint32_t pixel_offset = le32(data + 10);
  const uint8_t* h = data + 14;
  const uint32_t header = le32(h);
  if (header < 40 || header > size - 14) throw EGraphicError("unsupported BMP header");
  const int32_t width = static_cast<int32_t>(le32(h + 4));
  const int32_t raw_height = static_cast<int32_t>(le32(h + 8));
  const int bpp = le16(h + 14);
  const uint32_t compression = le32(h + 16);
  uint32_t colors = le32(h + 32);
  if (width <= 0 || raw_height == 0 || raw_height == INT32_MIN) throw EGraphicError("bad BMP size");
  const bool top_down = raw_height < 0;
  const int height = top_down ? -raw_height : raw_height;
  if (!(bpp == 1 || bpp == 4 || bpp == 8 || bpp == 24 || bpp == 32)) throw EGraphicError("unsupported BMP depth");
  if (!(compression == BI_RGB || (compression == BI_BITFIELDS && bpp == 32))) throw EGraphicError("compressed BMP");
  if (width > 32768 || height > 32768) throw EGraphicError("BMP too large");
  if (bpp <= 8 && (colors == 0 || colors > (1u << bpp))) colors = 1u << bpp;
  if (bpp > 8) colors = 0;
  const size_t palette_at = 14 + header + (compression == BI_BITFIELDS && header == 40 ? 12 : 0);
  if (palette_at + size_t(colors) * 4 > size) throw EGraphicError("truncated BMP palette");
  const size_t src_row = ((size_t(width) * bpp + 31) / 32) * 4;
  if (pixel_offset > size || src_row * height > size - pixel_offset) throw EGraphicError("truncated BMP pixels");

  SetSize(width, height, bpp == 32 ? pf32bit : pf24bit);
  const uint8_t* palette = data + palette_at;
  for (int y = 0; y < height; ++y) {
    const uint8_t* src = data + pixel_offset + src_row * static_cast<size_t>(top_down ? y : height - 1 - y);
    uint8_t* dst = ScanLine(y);
    for (int x = 0; x < width; ++x) {
      if (bpp == 32) {
        std::memcpy(dst + x * 4, src + x * 4, 4);
        continue;
      }
      const uint8_t* c;
      if (bpp == 24) {
        c = src + x * 3;
      } else {
        unsigned index;
        if (bpp == 8) index = src[x];
        else if (bpp == 4) index = (src[x / 2] >> ((x % 2) ? 0 : 4)) & 0x0F;
        else index = (src[x / 8] >> (7 - x % 8)) & 1;
        if (index >= colors) index = 0;
        c = palette + index * 4;
      }
      dst[x * 3] = c[0];
      dst[x * 3 + 1] = c[1];
      dst[x * 3 + 2] = c[2];
    }
  }
}

void TBitmap::Assign(const TBitmap& o) {
  if (&o == this) return;
  SetSize(o.width_, o.height_, o.format_);
  if (bits_ && o.bits_) {
    GdiFlush();
    std::memcpy(bits_, o.bits_, static_cast<size_t>(row_bytes_) * height_);
  }
  transparent_color_ = o.transparent_color_;
  transparent_ = o.transparent_;
}

void TBitmap::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty("Data", [this](const std::vector<uint8_t>& v) {
    if (v.size() < 4 || le32(v.data()) != v.size() - 4) throw EGraphicError("bitmap data has a wrong length");
    LoadFromBytes(v.data() + 4, v.size() - 4);
  });
}

// ---- JPEG ----

namespace {
struct JpegError {
  jpeg_error_mgr mgr;
  jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void jpeg_fail(j_common_ptr cinfo) {
  JpegError* err = reinterpret_cast<JpegError*>(cinfo->err);
  err->mgr.format_message(cinfo, err->message);
  longjmp(err->jump, 1);
}
void jpeg_quiet(j_common_ptr, int) {}

struct JpegResult {
  int width = 0, height = 0, components = 0;
  bool progressive = false;
};

// Decodes into rgb rows (3 bytes per pixel, R G B). Nothing here has a destructor, so that the
// jump from libjpeg's error exit leaves no object half-done; the output buffer belongs to the caller.
bool decode_jpeg(const uint8_t* data, size_t size, std::vector<uint8_t>& out, JpegResult& result, char* message) {
  jpeg_decompress_struct cinfo;
  JpegError err;
  cinfo.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = jpeg_fail;
  err.mgr.emit_message = jpeg_quiet;
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&cinfo);
    std::memcpy(message, err.message, JMSG_LENGTH_MAX);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);
  if (cinfo.image_width > 16384 || cinfo.image_height > 16384) {
    std::strcpy(err.message, "JPEG picture too large");
    longjmp(err.jump, 1);
  }
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  result.width = static_cast<int>(cinfo.output_width);
  result.height = static_cast<int>(cinfo.output_height);
  result.components = cinfo.num_components;
  result.progressive = cinfo.progressive_mode != 0;
  out.resize(size_t(result.width) * result.height * 3);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = out.data() + size_t(cinfo.output_scanline) * result.width * 3;
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}
}  // namespace

void TJPEGImage::LoadFromBytes(const uint8_t* data, size_t size) {
  if (size < 4 || data[0] != 0xFF || data[1] != 0xD8) throw EGraphicError("not a JPEG picture");
  std::vector<uint8_t> rgb;
  JpegResult r;
  char message[JMSG_LENGTH_MAX] = {};
  if (!decode_jpeg(data, size, rgb, r, message)) throw EGraphicError(std::string("JPEG: ") + message);
  bitmap_.SetSize(r.width, r.height, pf24bit);
  for (int y = 0; y < r.height; ++y) {
    uint8_t* dst = bitmap_.ScanLine(y);
    const uint8_t* src = rgb.data() + size_t(y) * r.width * 3;
    for (int x = 0; x < r.width; ++x) {
      dst[x * 3] = src[x * 3 + 2];
      dst[x * 3 + 1] = src[x * 3 + 1];
      dst[x * 3 + 2] = src[x * 3];
    }
  }
  components_ = r.components;
  progressive_ = r.progressive;
}

// ---- icon ----

void TIcon::SetHandle(HICON icon) {
  handle_.reset(icon ? CopyIcon(icon) : nullptr);
  width_ = height_ = 0;
  ICONINFO ii{};
  if (handle_ && GetIconInfo(handle_.get(), &ii)) {
    BITMAP bm{};
    GetObjectA(ii.hbmMask, sizeof bm, &bm);
    width_ = bm.bmWidth;
    height_ = ii.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
    if (ii.hbmColor) DeleteObject(ii.hbmColor);
    DeleteObject(ii.hbmMask);
  }
}

void TIcon::Draw(TCanvas& canvas, const RECT& r) {
  if (handle_) DrawIconEx(canvas.Handle(), r.left, r.top, handle_.get(), r.right - r.left, r.bottom - r.top, 0, nullptr, DI_NORMAL);
}

void TIcon::LoadFromBytes(const uint8_t* data, size_t size) {
  if (size < 6 + 16 || le16(data) != 0 || le16(data + 2) != 1 || le16(data + 4) == 0) throw EGraphicError("not an icon file");
  const uint32_t bytes = le32(data + 6 + 8), offset = le32(data + 6 + 12);
  if (offset > size || bytes > size - offset) throw EGraphicError("truncated icon file");
  HICON icon = CreateIconFromResourceEx(const_cast<PBYTE>(data + offset), bytes, TRUE, 0x00030000, 0, 0, LR_DEFAULTCOLOR);
  if (!icon) throw EGraphicError("bad icon image");
  SetHandle(icon);
  DestroyIcon(icon);
}

// ---- picture ----

void TPicture::SetGraphic(std::unique_ptr<TGraphic> g) {
  graphic_ = std::move(g);
  if (OnChange) OnChange();
}

TBitmap& TPicture::Bitmap() {
  if (!dynamic_cast<TBitmap*>(graphic_.get())) graphic_ = std::make_unique<TBitmap>();
  return static_cast<TBitmap&>(*graphic_);
}

void TPicture::LoadFromData(const std::vector<uint8_t>& data) {
  if (data.empty() || data[0] + 1u > data.size()) throw EGraphicError("picture data without class name");
  const std::string cls(reinterpret_cast<const char*>(data.data() + 1), data[0]);
  std::vector<uint8_t> rest(data.begin() + 1 + data[0], data.end());
  std::unique_ptr<TGraphic> g;
  if (cls == "TBitmap") {
    auto b = std::make_unique<TBitmap>();
    if (rest.size() < 4 || le32(rest.data()) != rest.size() - 4) throw EGraphicError("bitmap data has a wrong length");
    b->LoadFromBytes(rest.data() + 4, rest.size() - 4);
    g = std::move(b);
  } else if (cls == "TJPEGImage") {
    auto j = std::make_unique<TJPEGImage>();
    if (rest.size() < 4 || le32(rest.data()) != rest.size() - 4) throw EGraphicError("JPEG data has a wrong length");
    j->LoadFromBytes(rest.data() + 4, rest.size() - 4);
    g = std::move(j);
  } else if (cls == "TIcon") {
    auto i = std::make_unique<TIcon>();
    i->LoadFromBytes(rest);
    g = std::move(i);
  } else {
    throw EGraphicError("unknown picture class " + cls);
  }
  SetGraphic(std::move(g));
}

void TPicture::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty("Data", [this](const std::vector<uint8_t>& v) { LoadFromData(v); });
}

// ---- image list ----

const TClassInfo& TImageList::StaticClass() {
  static const TClassInfo& info = registered<TImageList>(ClassBuilder<TImageList>("TImageList", TComponent::StaticClass())
      .creatable()
      .integer("Width", &TImageList::Width, &TImageList::SetWidth)
      .integer("Height", &TImageList::Height, &TImageList::SetHeight)
      .done());
  return info;
}

void TImageList::SetWidth(int w) {
  if (w != width_) list_.reset();
  width_ = w;
}
void TImageList::SetHeight(int h) {
  if (h != height_) list_.reset();
  height_ = h;
}
HIMAGELIST TImageList::Handle() {
  if (!list_) list_.reset(ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, 4, 4));
  return list_.get();
}
void TImageList::Clear() {
  if (list_) ImageList_RemoveAll(list_.get());
}
int TImageList::AddMasked(TBitmap& bitmap, TColor mask) {
  if (bitmap.Empty()) return -1;
  return ImageList_AddMasked(Handle(), bitmap.Handle(), ColorToRGB(mask));
}
void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
  if (!list_ || index < 0 || index >= Count()) return;
  if (enabled) {
    ImageList_Draw(list_.get(), index, canvas.Handle(), x, y, ILD_TRANSPARENT);
  } else {
    IMAGELISTDRAWPARAMS p{};
    p.cbSize = sizeof p;
    p.himl = list_.get();
    p.i = index;
    p.hdcDst = canvas.Handle();
    p.x = x;
    p.y = y;
    p.fStyle = ILD_TRANSPARENT;
    p.fState = ILS_SATURATE;
    ImageList_DrawIndirect(&p);
  }
}

}  // namespace zfw
