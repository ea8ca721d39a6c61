// The program's packed skin as the skin tests see it: unpacked with TSkinReader, its definition
// parsed with TQuickIni, its bitmaps decoded by entry name.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/storage/quick_ini.h"
#include "skin/storage/skin_reader.h"
#include "tests/host/skin_bmp.h"

namespace zembrel::testing {

inline std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A frame of a strip: frames numbered from 1, side by side unless vertical.
struct FrameRect {
  int x, y, w, h;
};
inline FrameRect FrameOf(const SkinBmp& bmp, int frames, int frame, bool vertical = false) {
  if (vertical) return {0, (frame - 1) * (bmp.height / frames), bmp.width, bmp.height / frames};
  return {(frame - 1) * (bmp.width / frames), 0, bmp.width / frames, bmp.height};
}

// One of the program's built-in skins: its packed file and its definition's name in it.
struct BuiltInSkin {
  const char* name;
  const char* packed;
  const char* definition;
};
inline const BuiltInSkin kBuiltInSkins[] = {
    {"light", ZEMBREL_SKIN_PACKED_PATH, "zembrel.ini"},
    {"dark", ZEMBREL_DARK_SKIN_PACKED_PATH, "dark.ini"},
};
inline std::string BuiltInSkinName(const ::testing::TestParamInfo<BuiltInSkin>& info) { return info.param.name; }

// Each test of a fixture derived from this runs once for every built-in skin.
class PackedSkin : public ::testing::TestWithParam<BuiltInSkin> {
 protected:
  void SetUp() override {
    packed_ = ReadFileBytes(GetParam().packed);
    ASSERT_FALSE(packed_.empty()) << "no packed skin at " << GetParam().packed;
    ASSERT_TRUE(reader_.ReadSkin(packed_)) << reader_.Error();
    std::vector<std::uint8_t> ini;
    reader_.FindEntry(".ini", ini, ini_name_);
    ASSERT_FALSE(ini.empty());
    definition_.LoadFromStream(ini);
  }

  std::string Value(const std::string& section, const std::string& key) const {
    return definition_.ReadString(section, key, "");
  }
  int Int(const std::string& section, const std::string& key, int def = 0) const {
    return definition_.ReadInteger(section, key, def);
  }

  // The bitmap a definition value names, decoded; fails the test when it is missing or broken.
  SkinBmp Bitmap(const std::string& name) const {
    std::vector<std::uint8_t> bytes;
    reader_.GetEntry(name, bytes);
    EXPECT_FALSE(bytes.empty()) << "no entry " << name;
    std::optional<SkinBmp> bmp = DecodeSkinBmp(bytes);
    EXPECT_TRUE(bmp.has_value()) << name << " is no bitmap file the skin can load";
    return bmp.value_or(SkinBmp{1, 1, 24, {SkinPixel{}}});
  }

  std::vector<std::uint8_t> packed_;
  TSkinReader reader_;
  std::string ini_name_;
  TQuickIni definition_;
};

}  // namespace zembrel::testing
