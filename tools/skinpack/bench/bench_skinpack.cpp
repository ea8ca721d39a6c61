// Measures the skin coder on a skin-sized container: about 350 KB in 35 entries, 34 bitmaps of
// skin artwork (frames, title bars, buttons, scroll-bar parts) and one definition text.
// Prints encode and decode throughput and the packed fraction beside gzip -9's.
//
//   bench_skinpack [--write-container FILE] [--rounds N]
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "skin/storage/lzh_codec.h"
#include "skin/storage/skin_reader.h"
#include "tools/skinpack/lzh_encoder.h"
#include "tools/skinpack/skin_writer.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using zembrel::skinpack::SkinEntry;

void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// A 24-bit bitmap file: `frames` cells side by side, each a bevelled face with a gradient on a
// magenta key, a glyph-like pattern in some, and light noise as anti-aliased art has.
Bytes SkinBitmap(int width, int height, int frames, int style, std::mt19937& rng) {
  const std::uint32_t row = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
  Bytes b = {'B', 'M'};
  Put32(b, 54 + row * static_cast<std::uint32_t>(height));
  Put32(b, 0);
  Put32(b, 54);
  Put32(b, 40);
  Put32(b, static_cast<std::uint32_t>(width));
  Put32(b, static_cast<std::uint32_t>(height));
  Put16(b, 1);
  Put16(b, 24);
  Put32(b, 0);
  Put32(b, row * static_cast<std::uint32_t>(height));
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, 0);
  Put32(b, 0);
  const int cell = std::max(1, width / frames);
  const int base_r = 60 + static_cast<int>(rng() % 120), base_g = 80 + static_cast<int>(rng() % 100),
            base_b = 120 + static_cast<int>(rng() % 100);
  for (int y = 0; y < height; ++y) {
    const std::size_t start = b.size();
    for (int x = 0; x < width; ++x) {
      const int cx = x % cell, f = x / cell;
      int r = 255, g = 0, bl = 255;
      const bool corner = (cx < 2 && y < 2) || (cx >= cell - 2 && y >= height - 2);
      if (!corner) {
        const int t = style == 0 ? (y * 90) / std::max(1, height) : (cx * 90) / std::max(1, cell);
        r = base_r + t + f * 12;
        g = base_g + t + f * 8;
        bl = base_b + t / 2 + f * 10;
        if (cx == 0 || y == 0) r = g = bl = 230;                   // highlight edge
        if (cx == cell - 1 || y == height - 1) r = g = bl = 70;    // shadow edge
        if (style == 2 && ((cx - cell / 2) * (cx - cell / 2) + (y - height / 2) * (y - height / 2)) < cell * 2) {
          r = g = bl = 20;  // a glyph
        }
        if (rng() % 8 == 0) r += static_cast<int>(rng() % 5) - 2;
        if (rng() % 8 == 0) g += static_cast<int>(rng() % 5) - 2;
      }
      b.push_back(static_cast<std::uint8_t>(std::clamp(bl, 0, 255)));
      b.push_back(static_cast<std::uint8_t>(std::clamp(g, 0, 255)));
      b.push_back(static_cast<std::uint8_t>(std::clamp(r, 0, 255)));
    }
    while (b.size() - start < row) b.push_back(0);
  }
  return b;
}

std::vector<SkinEntry> SkinLikeEntries() {
  std::mt19937 rng(2024);
  struct Art {
    const char* name;
    int w, h, frames, style;
  };
  const Art art[] = {
      {"title.bmp", 400, 30, 2, 0},      {"top.bmp", 300, 28, 2, 0},        {"bottom.bmp", 300, 8, 2, 0},
      {"left.bmp", 8, 200, 2, 1},         {"right.bmp", 8, 200, 2, 1},       {"buttons.bmp", 280, 24, 4, 0},
      {"close.bmp", 84, 21, 4, 2},        {"max.bmp", 84, 21, 4, 2},         {"min.bmp", 84, 21, 4, 2},
      {"restore.bmp", 84, 21, 4, 2},      {"help.bmp", 84, 21, 4, 2},        {"sysmenu.bmp", 64, 16, 4, 2},
      {"check.bmp", 104, 13, 8, 2},       {"radio.bmp", 104, 13, 8, 2},      {"group.bmp", 60, 60, 1, 0},
      {"panel.bmp", 64, 64, 1, 0},        {"hscroll.bmp", 160, 17, 4, 1},    {"vscroll.bmp", 68, 40, 4, 0},
      {"sbthumb.bmp", 68, 17, 4, 1},      {"sbarrows.bmp", 136, 17, 8, 2},   {"edit.bmp", 80, 22, 2, 0},
      {"combo.bmp", 120, 22, 2, 0},       {"combobtn.bmp", 68, 20, 4, 2},    {"progress.bmp", 200, 16, 1, 1},
      {"progressbar.bmp", 200, 16, 1, 0}, {"menubar.bmp", 200, 22, 1, 0},    {"menuitem.bmp", 180, 22, 3, 1},
      {"popup.bmp", 120, 120, 1, 0},      {"tab.bmp", 240, 24, 3, 0},        {"status.bmp", 200, 20, 1, 0},
      {"statuspanel.bmp", 60, 20, 1, 1},  {"toolbar.bmp", 200, 26, 1, 0},    {"trackbar.bmp", 100, 22, 4, 2},
      {"header.bmp", 160, 20, 4, 0},
  };
  std::vector<SkinEntry> entries;
  for (const Art& a : art) entries.push_back({a.name, SkinBitmap(a.w, a.h, a.frames, a.style, rng)});
  std::string ini = "; skin definition\r\n[TitlebarSkin]\r\nSkinName=Bench\r\n";
  const char* keys[] = {"Image", "LeftWidth", "RightWidth", "TopHeight", "BottomHeight", "Trans", "Tile", "Frame"};
  for (const Art& a : art) {
    ini += "\r\n[" + std::string(a.name, std::string(a.name).size() - 4) + "]\r\n";
    for (const char* k : keys) {
      ini += std::string(k) + "=" + (std::string(k) == "Image" ? a.name : std::to_string(rng() % 12)) + "\r\n";
    }
  }
  ini += "\r\n[Colours]\r\nButtonFace=212,208,200\r\nButtonText=0,0,0\r\nHilight=10,36,106\r\n";
  entries.push_back({"skin.ini", Bytes(ini.begin(), ini.end())});
  return entries;
}

double Seconds(const std::function<void()>& f, int rounds) {
  const auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < rounds; ++i) f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() / rounds;
}

// gzip -9 of the container, through the shell; -1 where there is no gzip.
long GzipSize(const Bytes& data) {
  const std::string path = "bench_skinpack_container.tmp";
  {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  }
  long size = -1;
  if (FILE* p = popen(("gzip -9 -c -n " + path + " 2>/dev/null").c_str(), "r")) {
    char buf[4096];
    long n = 0;
    for (std::size_t got; (got = fread(buf, 1, sizeof buf, p)) > 0;) n += static_cast<long>(got);
    if (pclose(p) == 0 && n > 0) size = n;
  }
  std::remove(path.c_str());
  return size;
}

}  // namespace

int main(int argc, char** argv) {
  std::string dump;
  int rounds = 5;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::string(argv[i]) == "--write-container") dump = argv[i + 1];
    if (std::string(argv[i]) == "--rounds") rounds = std::max(1, std::atoi(argv[i + 1]));
  }
  const std::vector<SkinEntry> entries = SkinLikeEntries();
  const Bytes container = zembrel::skinpack::BuildSkinContainer(40000, entries);
  if (!dump.empty()) std::ofstream(dump, std::ios::binary).write(reinterpret_cast<const char*>(container.data()),
                                                                  static_cast<std::streamsize>(container.size()));
  const double mb = static_cast<double>(container.size()) / 1e6;

  Bytes packed;
  const double enc = Seconds([&] { packed = zembrel::skinpack::LzhPack(container); }, rounds);
  const Bytes greedy = zembrel::skinpack::LzhPack(container, {256, false, true});
  const Bytes literal_only = zembrel::skinpack::LzhPack(container, {256, false, false});

  Bytes out;
  const double dec = Seconds([&] {
    out.clear();
    zembrel::TLZH::UnpackBits(static_cast<std::int32_t>(container.size()),
                              std::span<const std::uint8_t>(packed).subspan(4), out);
  }, rounds);
  Bytes via_callbacks;
  const double dec_cb = Seconds([&] {
    via_callbacks.clear();
    zembrel::TLZH lzh;
    lzh.SetInput(packed, 4);
    lzh.SetOutput(&via_callbacks);
    lzh.Unpack(static_cast<std::int32_t>(container.size()),
               [&](std::uint8_t* b, std::uint16_t n, std::uint16_t& a) { lzh.ReadBlock(b, n, a); },
               [&](const std::uint8_t* b, std::uint16_t n, std::uint16_t& w) { lzh.WriteBlock(b, n, w); });
  }, rounds);
  bool read_ok = false;
  const double read = Seconds([&] {
    zembrel::TSkinReader reader;
    read_ok = reader.ReadSkin(packed);
  }, rounds);
  if (out != container || via_callbacks != container || !read_ok) {
    std::fprintf(stderr, "round trip failed\n");
    return 1;
  }

  const long gz = GzipSize(container);
  std::printf("container: %zu bytes, %zu entries (format 40000)\n", container.size(), entries.size());
  std::printf("encode:                 %8.2f MB/s\n", mb / enc);
  std::printf("decode (direct):        %8.2f MB/s\n", mb / dec);
  std::printf("decode (callbacks):     %8.2f MB/s\n", mb / dec_cb);
  std::printf("ReadSkin (decode+index):%8.2f MB/s\n", mb / read);
  std::printf("packed:                 %8zu bytes  %.4f of unpacked\n", packed.size(),
              static_cast<double>(packed.size()) / static_cast<double>(container.size()));
  std::printf("  greedy, no lazy step: %8zu bytes  %.4f\n", greedy.size(),
              static_cast<double>(greedy.size()) / static_cast<double>(container.size()));
  std::printf("  literals only:        %8zu bytes  %.4f\n", literal_only.size(),
              static_cast<double>(literal_only.size()) / static_cast<double>(container.size()));
  if (gz > 0) {
    std::printf("gzip -9:                %8ld bytes  %.4f of unpacked\n", gz,
                static_cast<double>(gz) / static_cast<double>(container.size()));
  } else {
    std::printf("gzip -9:                not available\n");
  }
  return 0;
}
