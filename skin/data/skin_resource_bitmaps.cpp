// Bitmaps the program carries as resources: the built-in track elements and the menu glyphs.
#include <windows.h>

#include <cstring>
#include <vector>

#include "skin/data/skin_definition.h"

namespace zembrel {

namespace {

uint32_t ReadLe32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }
uint16_t ReadLe16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

// A bitmap resource is a BMP file without its 14-byte file header; the header is rebuilt so that
// the framework's BMP reader (with all its checks) takes it.
std::vector<uint8_t> BmpFileOf(const uint8_t* dib, size_t size) {
  if (size < 40) return {};
  const uint32_t header = ReadLe32(dib);
  if (header < 40 || header > size) return {};
  const int bpp = ReadLe16(dib + 14);
  const uint32_t compression = ReadLe32(dib + 16);
  uint32_t colors = ReadLe32(dib + 32);
  if (bpp > 8) colors = 0;
  else if (colors == 0 || colors > (1u << bpp)) colors = 1u << bpp;
  const size_t masks = (compression == BI_BITFIELDS && header == 40) ? 12 : 0;
  const size_t offset = 14 + header + masks + size_t(colors) * 4;
  std::vector<uint8_t> file(14 + size);
  file[0] = 'B';
  file[1] = 'M';
  const uint32_t file_size = static_cast<uint32_t>(file.size());
  std::memcpy(&file[2], &file_size, 4);
  const uint32_t pixel_offset = static_cast<uint32_t>(offset);
  std::memcpy(&file[10], &pixel_offset, 4);
  std::memcpy(&file[14], dib, size);
  return file;
}

}  // namespace

void LoadResourceBitmap(zfw::TBitmap& bitmap, const std::string& name) {
  bitmap.SetSize(0, 0);
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC res = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(2));  // RT_BITMAP
  if (!res) return;
  HGLOBAL data = LoadResource(module, res);
  const auto* bytes = data ? static_cast<const uint8_t*>(LockResource(data)) : nullptr;
  if (!bytes) return;
  const std::vector<uint8_t> file = BmpFileOf(bytes, SizeofResource(module, res));
  if (file.empty()) return;
  try {
    bitmap.LoadFromBytes(file);
  } catch (const zfw::EGraphicError&) {
    bitmap.SetSize(0, 0);
  }
}

std::unique_ptr<TDataSkinObject> BuiltInElement(const std::string& name) {
  auto e = std::make_unique<TDataSkinObject>(name);
  LoadResourceBitmap(e->Image, name);
  e->LeftWidth = e->TopHeight = e->RightWidth = e->BottomHeight = 3;
  e->Tile = 0;
  e->FrameCount = 1;
  return e;
}

}  // namespace zembrel
