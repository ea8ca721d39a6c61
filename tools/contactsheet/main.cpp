// skin_contact_sheet <packed skin> <output.png>
// Loads the skin through the skin data component, as the program does, and renders every element
// it holds, frame by frame, with its colour table, into one PNG. Exits with 1 (and says why)
// when the skin does not load completely, when an image its definition names did not reach the
// loaded skin, or when a frame comes out blank; 2 on bad arguments or files.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/data/WinSkinData.h"
#include "skin/storage/quick_ini.h"
#include "skin/storage/skin_notice.h"
#include "skin/storage/skin_reader.h"
#include "tools/contactsheet/contact_sheet.h"
#include "tools/contactsheet/definition_check.h"
#include "tools/contactsheet/png_writer.h"

namespace {

using zembrel::TSkinData;

// Under Wine a Unix path ("/work/...") is taken as one on the current drive; Wine's kernel32
// names the drive path it stands for. Elsewhere, and for Windows paths, the path is kept.
std::string WindowsPath(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  using DosName = WCHAR*(CDECL*)(const char*);
  const auto dos_name = reinterpret_cast<DosName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
  if (!dos_name) return path;
  WCHAR* wide = dos_name(path.c_str());
  if (!wide) return path;
  char ansi[MAX_PATH * 2] = {};
  const int n = WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi, sizeof ansi, nullptr, nullptr);
  HeapFree(GetProcessHeap(), 0, wide);
  return n > 0 ? std::string(ansi) : path;
}

bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return true;
}

// The stored SkinStream value: the packed skin after its 32-bit length.
std::vector<std::uint8_t> StoredStream(const std::vector<std::uint8_t>& packed) {
  const auto length = static_cast<std::uint32_t>(packed.size());
  std::vector<std::uint8_t> stored(4);
  for (int i = 0; i < 4; ++i) stored[i] = static_cast<std::uint8_t>(length >> (8 * i));
  stored.insert(stored.end(), packed.begin(), packed.end());
  return stored;
}

// The definition the skin carries, read apart from the skin data to hold the two against each
// other; false, and why, when there is none.
bool ReadDefinition(const std::vector<std::uint8_t>& packed, zembrel::TQuickIni& ini, std::string& why) {
  zembrel::TSkinReader reader;
  if (!reader.ReadSkin(packed)) {
    why = reader.Error();
    return false;
  }
  std::vector<std::uint8_t> entry;
  std::string name;
  reader.FindEntry(".ini", entry, name);
  ini.LoadFromStream(entry);
  why = entry.empty() ? "the container holds no definition" : "";
  return !entry.empty();
}

void Report(const std::vector<std::string>& lines, const char* what) {
  for (const std::string& line : lines) std::fprintf(stderr, "skin_contact_sheet: %s: %s\n", what, line.c_str());
}

int Run(const std::string& skin_path, const std::string& png_path) {
  std::vector<std::uint8_t> packed;
  if (!ReadFile(WindowsPath(skin_path), packed) || packed.empty()) {
    std::fprintf(stderr, "skin_contact_sheet: cannot read the skin file %s\n", skin_path.c_str());
    return 2;
  }
  TSkinData data(nullptr);
  try {
    data.ReadSkinStream(StoredStream(packed));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skin_contact_sheet: %s: %s\n", skin_path.c_str(), e.what());
    return 1;
  }
  zembrel::TQuickIni ini;
  std::string why;
  const bool has_definition = ReadDefinition(packed, ini, why);
  if (data.Loading() || !has_definition) {
    std::fprintf(stderr, "skin_contact_sheet: %s did not load completely (the skin data is still Loading): %s\n",
                 skin_path.c_str(), why.empty() ? "its definition was not read to the end" : why.c_str());
    return 1;
  }
  const std::vector<std::string> missing = zembrel::MissingImages(ini, data);
  Report(missing, "missing");

  int not_shown = 0;
  const std::vector<zembrel::SheetRow> rows = zembrel::CollectRows(data, not_shown);
  if (not_shown > 0)
    std::fprintf(stderr, "skin_contact_sheet: the skin data holds %d element(s) this sheet does not know\n", not_shown);

  zfw::TBitmap sheet;
  std::vector<std::string> blank;
  const std::string name = data.SkinName().empty() ? std::string("(unnamed)") : data.SkinName();
  zembrel::RenderContactSheet(data, rows, "Skin " + name + "  -  " + skin_path, sheet, blank);
  Report(blank, "blank");

  // The sheet is written in every case, so that a fault can be looked at.
  std::string error;
  if (!zembrel::WritePngRgb(WindowsPath(png_path), sheet.Width(), sheet.Height(), zembrel::SheetRgb(sheet), error)) {
    std::fprintf(stderr, "skin_contact_sheet: %s\n", error.c_str());
    return 2;
  }
  std::printf("%s: %d rows, %d x %d\n", png_path.c_str(), static_cast<int>(rows.size()), sheet.Width(), sheet.Height());
  return missing.empty() && blank.empty() && not_shown == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: skin_contact_sheet <packed skin> <output.png>\n");
    return 2;
  }
  // A skin of a format the engine does not read gets a notice; here it goes to the log, not to a
  // message box that nobody would close.
  zembrel::SetSkinNoticeHandler(
      [](const std::string& text) { std::fprintf(stderr, "skin_contact_sheet: skin notice: %s\n", text.c_str()); });
  try {
    return Run(argv[1], argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skin_contact_sheet: %s\n", e.what());
    return 1;
  }
}
