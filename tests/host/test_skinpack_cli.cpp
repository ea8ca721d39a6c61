// skinpack pack / unpack / list on real files: bitmaps written here, a definition, random data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "skin/storage/skin_reader.h"
#include "tools/skinpack/lzh_encoder.h"
#include "tools/skinpack/skinpack_cli.h"

namespace zembrel {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteAll(const fs::path& p, const Bytes& b) {
  std::ofstream out(p, std::ios::binary);
  out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// A complete 24-bit Windows bitmap file in the manner of skin artwork: a magenta key background,
// a framed face with a vertical gradient, `frames` state cells side by side.
Bytes MakeBmp(int width, int height, int frames, std::uint32_t seed) {
  const int cell = width / frames;
  const std::uint32_t row_bytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
  const std::uint32_t pixels = row_bytes * static_cast<std::uint32_t>(height);
  Bytes b;
  b.push_back('B');
  b.push_back('M');
  Put32(b, 14 + 40 + pixels);
  Put32(b, 0);
  Put32(b, 14 + 40);
  Put32(b, 40);
  Put32(b, static_cast<std::uint32_t>(width));
  Put32(b, static_cast<std::uint32_t>(height));
  Put16(b, 1);
  Put16(b, 24);
  Put32(b, 0);
  Put32(b, pixels);
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, 0);
  Put32(b, 0);
  std::mt19937 rng(seed);
  for (int y = 0; y < height; ++y) {
    const std::size_t start = b.size();
    for (int x = 0; x < width; ++x) {
      const int cx = x % cell, frame = x / cell;
      std::uint8_t r = 255, g = 0, bl = 255;  // key colour
      if (cx > 1 && cx < cell - 2 && y > 1 && y < height - 2) {
        const bool edge = cx == 2 || cx == cell - 3 || y == 2 || y == height - 3;
        const int shade = 120 + (y * 100) / height + frame * 20;
        r = edge ? 40 : static_cast<std::uint8_t>(shade);
        g = edge ? 40 : static_cast<std::uint8_t>(shade + 10);
        bl = edge ? 60 : static_cast<std::uint8_t>(std::min(255, shade + 40));
        if (rng() % 16 == 0) r ^= 1;  // a little dither, as scanned art has
      }
      b.push_back(bl);
      b.push_back(g);
      b.push_back(r);
    }
    while (b.size() - start < row_bytes) b.push_back(0);
  }
  return b;
}

class SkinpackCli : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("zembrel_skinpack_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
             std::to_string(std::random_device{}()));
    fs::create_directories(root_ / "src");
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }

  int Run(const std::vector<std::string>& args) {
    out_.str("");
    err_.str("");
    return skinpack::RunSkinpack(args, out_, err_);
  }
  std::string P(const fs::path& rel) const { return (root_ / rel).string(); }

  fs::path root_;
  std::ostringstream out_, err_;
};

TEST_F(SkinpackCli, BitmapsRoundTripInEveryFormat) {
  const std::vector<std::pair<std::string, Bytes>> files = {
      {"Buttons.bmp", MakeBmp(120, 21, 4, 1)},
      {"title.bmp", MakeBmp(300, 30, 1, 2)},
      {"odd.bmp", MakeBmp(33, 7, 3, 3)},  // rows padded to four bytes
      {"skin.ini", Bytes{'[', 'B', 'u', 't', 't', 'o', 'n', 's', ']', '\r', '\n', 'F', 'r', 'a', 'm', 'e', '=', '4'}},
      {"empty.bmp", {}},
  };
  for (const auto& [name, bytes] : files) WriteAll(root_ / "src" / name, bytes);

  for (const char* format : {"20000", "30000", "40000"}) {
    const std::string skin = P(std::string("skin") + format + ".skn");
    ASSERT_EQ(Run({"pack", "--format", format, skin, P("src"), "title.bmp", "Buttons.bmp", "skin.ini", "odd.bmp",
                   "empty.bmp"}),
              0)
        << err_.str();

    ASSERT_EQ(Run({"list", skin}), 0) << err_.str();
    const std::string listing = out_.str();
    EXPECT_NE(listing.find(std::string("format ") + format + ", 5 entries"), std::string::npos) << listing;
    const std::size_t title_at = listing.find("title.bmp"), buttons_at = listing.find("buttons.bmp");
    ASSERT_NE(title_at, std::string::npos);
    ASSERT_NE(buttons_at, std::string::npos);
    EXPECT_LT(title_at, buttons_at) << "entries keep the given order";
    EXPECT_NE(listing.find(std::to_string(files[0].second.size()) + "  buttons.bmp"), std::string::npos) << listing;

    const fs::path out_dir = root_ / (std::string("out") + format);
    const std::string list = P(std::string("order") + format + ".lst");
    ASSERT_EQ(Run({"unpack", "--list", list, skin, out_dir.string()}), 0) << err_.str();
    for (const auto& [name, bytes] : files) {
      std::string lower = name;
      for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      EXPECT_EQ(ReadAll(out_dir / lower), bytes) << format << " " << name;
    }
    // Packing the unpacked entries through the written list gives the same skin again.
    const std::string again = P(std::string("again") + format + ".skn");
    ASSERT_EQ(Run({"pack", "--format", format, again, "--list", list}), 0) << err_.str();
    const Bytes first = ReadAll(skin), second = ReadAll(again);
    EXPECT_EQ(first.size(), second.size());
    TSkinReader a, b;
    ASSERT_TRUE(a.ReadSkin(first));
    ASSERT_TRUE(b.ReadSkin(second));
    EXPECT_EQ(a.Names(), b.Names());
    EXPECT_EQ(a.Data(), b.Data());
  }
  // Skin artwork packs well.
  EXPECT_LT(ReadAll(P("skin40000.skn")).size() * 4, ReadAll(P("src/title.bmp")).size() + ReadAll(P("src/Buttons.bmp")).size());
}

TEST_F(SkinpackCli, RandomFilesOfManySizesRoundTrip) {
  std::mt19937 rng(21);
  std::vector<std::string> names;
  std::string list_text = "# random entries\n\n";
  for (std::size_t size : {0u, 1u, 2u, 3u, 60u, 61u, 4095u, 4096u, 4097u, 12345u, 100000u}) {
    Bytes b(size);
    for (auto& x : b) x = static_cast<std::uint8_t>(rng() % (size % 2 ? 256 : 5));
    names.push_back("r" + std::to_string(size) + ".bin");
    WriteAll(root_ / "src" / names.back(), b);
    list_text += "src/" + names.back() + "\r\n";
  }
  WriteAll(root_ / "in.lst", Bytes(list_text.begin(), list_text.end()));
  ASSERT_EQ(Run({"pack", P("r.skn"), "--list", P("in.lst")}), 0) << err_.str();
  ASSERT_EQ(Run({"unpack", P("r.skn"), P("out")}), 0) << err_.str();
  for (const std::string& n : names) EXPECT_EQ(ReadAll(root_ / "out" / n), ReadAll(root_ / "src" / n)) << n;

  // Without names a folder is packed whole, in name order.
  ASSERT_EQ(Run({"pack", P("all.skn"), P("src")}), 0) << err_.str();
  TSkinReader reader;
  ASSERT_TRUE(reader.ReadSkin(ReadAll(root_ / "all.skn")));
  EXPECT_EQ(reader.Format(), 40000);
  std::vector<std::string> sorted = names;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(reader.Names(), sorted);
}

TEST_F(SkinpackCli, RefusalsSayWhyAndWriteNothing) {
  WriteAll(root_ / "src" / "A.bmp", MakeBmp(8, 8, 1, 4));
  fs::create_directories(root_ / "src2");
  WriteAll(root_ / "src2" / "a.BMP", MakeBmp(8, 8, 1, 5));
  const std::string twice = "src/A.bmp\nsrc2/a.BMP\n";
  WriteAll(root_ / "twice.lst", Bytes(twice.begin(), twice.end()));
  WriteAll(root_ / "garbage.skn", Bytes{0x10, 0, 0, 0, 1, 2, 3});

  struct Case {
    std::vector<std::string> args;
    int code;
    const char* message;
  };
  const Case cases[] = {
      {{}, 2, "no command"},
      {{"shrink"}, 2, "unknown command"},
      {{"pack", "--format", "25000", P("x.skn"), P("src"), "A.bmp"}, 2, "unknown format"},
      {{"pack", P("x.skn"), P("src"), "missing.bmp"}, 1, "is not a file"},
      {{"pack", P("x.skn"), "--list", P("twice.lst")}, 1, "occurs twice"},
      {{"pack", P("x.skn"), P("nowhere")}, 1, "is not a folder"},
      {{"pack", P("x.skn"), "--list", P("none.lst")}, 1, "cannot open"},
      {{"list", P("garbage.skn")}, 1, "garbage.skn"},
      {{"unpack", P("garbage.skn"), P("x")}, 1, "garbage.skn"},
      {{"unpack", P("nothing.skn"), P("x")}, 1, "cannot open"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Run(c.args), c.code) << c.message;
    EXPECT_NE(err_.str().find(c.message), std::string::npos) << err_.str();
  }
  EXPECT_FALSE(fs::exists(root_ / "x.skn"));
  EXPECT_FALSE(fs::exists(root_ / "x"));
}

TEST_F(SkinpackCli, UnpackRefusesEntryNamesThatLeaveTheFolder) {
  for (const std::string bad : {"../evil.bmp", "sub/x.bmp", "c:x.bmp", "..", "a\\b.bmp"}) {
    // A container as another tool might write it.
    Bytes c;
    const std::string names = "good.bmp\r\n" + bad + "\r\n";
    auto put32 = [&c](std::uint32_t v) {
      for (int i = 0; i < 4; ++i) c.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    put32(20000);
    put32(static_cast<std::uint32_t>(names.size()));
    put32(0);
    put32(0);
    c.insert(c.end(), names.begin(), names.end());
    put32(1);
    put32(1);
    c.push_back('g');
    c.push_back('e');
    WriteAll(root_ / "bad.skn", skinpack::LzhPack(c));
    EXPECT_EQ(Run({"unpack", P("bad.skn"), P("out")}), 1) << bad;
    EXPECT_NE(err_.str().find("not a plain file name"), std::string::npos) << err_.str();
    EXPECT_FALSE(fs::exists(root_ / "out")) << bad;
    EXPECT_FALSE(fs::exists(root_ / "evil.bmp"));
  }
}

TEST_F(SkinpackCli, OlderFormatIsReportedAsSuch) {
  Bytes c = {0x10, 0x27, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};  // format 10000
  WriteAll(root_ / "old.skn", skinpack::LzhPack(c));
  EXPECT_EQ(Run({"list", P("old.skn")}), 1);
  EXPECT_NE(err_.str().find("This is Older Skin File"), std::string::npos) << err_.str();
}

}  // namespace
}  // namespace zembrel
