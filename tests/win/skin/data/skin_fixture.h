// Small skins made in the test: BMP files drawn in code, a definition text, packed with the
// skin packer and handed to a skin data component as its stored SkinStream.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "skin/data/WinSkinData.h"
#include "skin/data/skin_manager_link.h"
#include "skin/storage/skin_reader.h"
#include "tools/skinpack/skin_writer.h"

namespace zembrel::test {

using PixelFn = std::function<COLORREF(int x, int y)>;

// A 24-bit bottom-up BMP file whose pixel (x, y) has the colour pixel(x, y) (0x00BBGGRR).
inline std::vector<uint8_t> Bmp(int width, int height, const PixelFn& pixel) {
  const int row = ((width * 3 + 3) / 4) * 4;
  std::vector<uint8_t> f(54 + size_t(row) * height, 0);
  auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&f[at], &v, 4); };
  f[0] = 'B';
  f[1] = 'M';
  put32(2, static_cast<uint32_t>(f.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(width));
  put32(22, static_cast<uint32_t>(height));
  f[26] = 1;
  f[28] = 24;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const COLORREF c = pixel(x, y);
      uint8_t* p = &f[54 + size_t(height - 1 - y) * row + size_t(x) * 3];
      p[0] = GetBValue(c);
      p[1] = GetGValue(c);
      p[2] = GetRValue(c);
    }
  return f;
}
inline std::vector<uint8_t> Bmp(int width, int height, COLORREF colour = RGB(40, 80, 120)) {
  return Bmp(width, height, [colour](int, int) { return colour; });
}

struct FixtureSkin {
  std::string definition;  // the INI text, stored as "skin.ini"
  std::vector<skinpack::SkinEntry> bitmaps;

  FixtureSkin& With(const std::string& name, std::vector<uint8_t> bmp) {
    bitmaps.push_back({name, std::move(bmp)});
    return *this;
  }
  std::vector<uint8_t> Packed(int32_t format = kSkinFormat40000) const {
    std::vector<skinpack::SkinEntry> entries = bitmaps;
    entries.push_back({"skin.ini", std::vector<uint8_t>(definition.begin(), definition.end())});
    return skinpack::PackSkin(format, entries);
  }
  std::vector<uint8_t> Stored(int32_t format = kSkinFormat40000) const;
};

// A SkinStream value: a 32-bit length (stated, which need not be the truth), then the bytes.
inline std::vector<uint8_t> StoredStream(int32_t stated_length, const uint8_t* bytes, size_t size) {
  std::vector<uint8_t> out(4 + size);
  std::memcpy(out.data(), &stated_length, 4);
  if (size) std::memcpy(out.data() + 4, bytes, size);
  return out;
}
inline std::vector<uint8_t> StoredStream(const std::vector<uint8_t>& packed) {
  return StoredStream(static_cast<int32_t>(packed.size()), packed.data(), packed.size());
}
inline std::vector<uint8_t> FixtureSkin::Stored(int32_t format) const { return StoredStream(Packed(format)); }

inline void LoadFixture(TSkinData& data, const FixtureSkin& skin) { data.ReadSkinStream(skin.Stored()); }

// Stands in for the skin manager: records what skin data components ask of it, in order, as
// "registered", "loaded" (or "loaded active"), "active on", "active off", "skin changed" and
// "removed", each followed by the skin data's name when it has one. Installed for its lifetime.
class RecordingLink final : public SkinManagerLink {
 public:
  RecordingLink() : previous_(CurrentSkinManagerLink()) { SetSkinManagerLink(this); }
  ~RecordingLink() override { SetSkinManagerLink(previous_); }
  RecordingLink(const RecordingLink&) = delete;
  RecordingLink& operator=(const RecordingLink&) = delete;

  std::vector<std::string> calls;
  void SkinDataRegistered(TSkinData& d) override { Note("registered", d); }
  void SkinDataLoaded(TSkinData& d) override { Note(d.Active() ? "loaded active" : "loaded", d); }
  void SkinDataActiveChanged(TSkinData& d, bool active) override { Note(active ? "active on" : "active off", d); }
  void SkinDataSkinChanged(TSkinData& d) override { Note("skin changed", d); }
  void SkinDataRemoved(TSkinData& d) override { Note("removed", d); }
  // The calls so far, then forgets them.
  std::vector<std::string> Take() { return std::exchange(calls, {}); }

 private:
  void Note(const char* what, TSkinData& d) {
    calls.push_back(d.Name().empty() ? std::string(what) : std::string(what) + " " + d.Name());
  }
  SkinManagerLink* previous_;
};

inline std::string Hex(const std::vector<uint8_t>& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (uint8_t b : bytes) {
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

}  // namespace zembrel::test
