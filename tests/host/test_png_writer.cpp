// The PNG writer's files, read back by a real decoder (ImageMagick's convert) into raw RGB.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/contactsheet/png_writer.h"

namespace zembrel::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

// A picture whose every pixel differs from its neighbours, so that a row or block out of place
// shows.
std::vector<std::uint8_t> Pattern(int width, int height) {
  std::vector<std::uint8_t> rgb;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      rgb.insert(rgb.end(), {std::uint8_t(x * 7 + y), std::uint8_t(y * 13), std::uint8_t(x ^ y)});
  return rgb;
}

// The pixels convert decodes from the file, or empty when it refuses it.
std::vector<std::uint8_t> Decode(const fs::path& png) {
  const std::string command = "convert '" + png.string() + "' -depth 8 rgb:- 2>/dev/null";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return {};
  std::vector<std::uint8_t> out;
  std::uint8_t buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.insert(out.end(), buffer, buffer + n);
  return pclose(pipe) == 0 ? out : std::vector<std::uint8_t>{};
}

TEST(PngWriter, ChecksumsMatchTheirStandardCheckValues) {
  EXPECT_EQ(Crc32(Bytes("123456789")), 0xCBF43926u);
  EXPECT_EQ(Crc32(Bytes("6789"), Crc32(Bytes("12345"))), 0xCBF43926u);  // continued in pieces
  EXPECT_EQ(Adler32(Bytes("Wikipedia")), 0x11E60398u);
  EXPECT_EQ(Adler32({}), 1u);

  // A long run of 0xFF, the worst case for the deferred modulo, against a step-by-step sum.
  const std::vector<std::uint8_t> ones(100000, 0xFF);
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t v : ones) {
    a = (a + v) % 65521;
    b = (b + a) % 65521;
  }
  EXPECT_EQ(Adler32(ones), (b << 16) | a);
}

TEST(PngWriter, DecoderReadsBackEveryPixel) {
  const fs::path dir = fs::temp_directory_path() / ("png_writer_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  // 28 x 771 fills one stored block exactly (771 rows of 1 + 84 bytes = 65535); one row more
  // needs a second block; 300 x 400 needs six.
  struct Size {
    int width, height;
  };
  for (const Size size : {Size{1, 1}, Size{3, 2}, Size{28, 771}, Size{28, 772}, Size{300, 400}}) {
    SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
    const std::vector<std::uint8_t> rgb = Pattern(size.width, size.height);
    const fs::path file = dir / "picture.png";
    std::string error;
    ASSERT_TRUE(WritePngRgb(file.string(), size.width, size.height, rgb, error)) << error;
    const std::vector<std::uint8_t> decoded = Decode(file);
    ASSERT_EQ(decoded.size(), rgb.size()) << "convert refused the file or read another size";
    EXPECT_TRUE(decoded == rgb);
  }
  fs::remove_all(dir);
}

TEST(PngWriter, RefusesPicturesItCannotEncode) {
  const std::vector<std::uint8_t> six(6);
  EXPECT_TRUE(EncodePngRgb(0, 2, {}).empty());
  EXPECT_TRUE(EncodePngRgb(2, -1, six).empty());
  EXPECT_TRUE(EncodePngRgb(2, 1, std::vector<std::uint8_t>(5)).empty());  // one byte short
  EXPECT_TRUE(EncodePngRgb(1, 1, six).empty());                           // too many bytes
  EXPECT_TRUE(EncodePngRgb(kPngMaxSide + 1, 1, std::vector<std::uint8_t>((kPngMaxSide + 1) * 3)).empty());
  EXPECT_FALSE(EncodePngRgb(2, 1, six).empty());

  std::string error;
  EXPECT_FALSE(WritePngRgb("/nonexistent-folder/x.png", 2, 1, six, error));
  EXPECT_NE(error.find("/nonexistent-folder/x.png"), std::string::npos);
}

}  // namespace
}  // namespace zembrel::testing
