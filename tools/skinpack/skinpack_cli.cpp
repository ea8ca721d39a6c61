#include "tools/skinpack/skinpack_cli.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iterator>
#include <stdexcept>
#include <string_view>

#include "skin/storage/lzh_codec.h"
#include "skin/storage/skin_notice.h"
#include "skin/storage/skin_reader.h"
#include "skin/storage/text_lines.h"
#include "tools/skinpack/skin_writer.h"

namespace zembrel::skinpack {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage:\n"
    "  skinpack pack [--format 20000|30000|40000] OUTPUT FOLDER [NAME...]\n"
    "      packs the files NAME... of FOLDER, in that order (all files of FOLDER in name order\n"
    "      when no NAME is given)\n"
    "  skinpack pack [--format 20000|30000|40000] OUTPUT --list LISTFILE\n"
    "      packs the files named in LISTFILE, one path per line, in that order\n"
    "  skinpack unpack [--list LISTFILE] SKIN FOLDER\n"
    "      writes every entry of SKIN into FOLDER; --list also writes their order as a list file\n"
    "  skinpack list SKIN\n"
    "      prints the container format and every entry with its size\n"
    "The format defaults to 40000.\n";

// A failed command: its message goes to the error stream and the exit code is 1.
struct Failure : std::runtime_error {
  using std::runtime_error::runtime_error;
};
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::vector<std::uint8_t> ReadFileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Failure("cannot open " + path.string());
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw Failure("cannot read " + path.string());
  return bytes;
}

void WriteFileBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out) {
      out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
      out.close();
      if (out) return;
    }
  }
  std::error_code ec;
  fs::remove(path, ec);
  throw Failure("cannot write " + path.string());
}

std::int32_t ParseFormat(const std::string& text) {
  if (text == "20000") return kSkinFormat20000;
  if (text == "30000") return kSkinFormat30000;
  if (text == "40000") return kSkinFormat40000;
  throw UsageError("unknown format \"" + text + "\" (use 20000, 30000 or 40000)");
}

SkinEntry LoadEntry(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) throw Failure(path.string() + " is not a file");
  return SkinEntry{path.filename().string(), ReadFileBytes(path)};
}

// Paths named by a list file: one per line, relative ones taken from the list file's folder;
// blank lines and lines starting with "#" are skipped.
std::vector<fs::path> ReadListFile(const fs::path& list) {
  const std::vector<std::uint8_t> bytes = ReadFileBytes(list);
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  std::vector<fs::path> paths;
  for (const std::string& raw : SplitTextLines(text)) {
    const std::string_view line = TrimBlanks(raw);
    if (line.empty() || line.front() == '#') continue;
    fs::path p{std::string(line)};
    paths.push_back(p.is_absolute() ? p : list.parent_path() / p);
  }
  return paths;
}

int Pack(std::vector<std::string> args, std::ostream& out) {
  std::int32_t format = kSkinFormat40000;
  std::string list;
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--format" || args[i] == "--list") {
      if (i + 1 >= args.size()) throw UsageError(args[i] + " needs a value");
      if (args[i] == "--format") {
        format = ParseFormat(args[++i]);
      } else {
        list = args[++i];
      }
    } else {
      rest.push_back(args[i]);
    }
  }
  if (rest.empty()) throw UsageError("pack needs an OUTPUT");
  const fs::path output = rest[0];

  std::vector<fs::path> paths;
  if (!list.empty()) {
    if (rest.size() != 1) throw UsageError("pack --list takes no FOLDER or NAME");
    paths = ReadListFile(list);
  } else {
    if (rest.size() < 2) throw UsageError("pack needs a FOLDER or --list LISTFILE");
    const fs::path folder = rest[1];
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) throw Failure(folder.string() + " is not a folder");
    if (rest.size() > 2) {
      for (std::size_t i = 2; i < rest.size(); ++i) paths.push_back(folder / rest[i]);
    } else {
      for (const fs::directory_entry& e : fs::directory_iterator(folder)) {
        if (e.is_regular_file()) paths.push_back(e.path());
      }
      std::sort(paths.begin(), paths.end(),
                [](const fs::path& a, const fs::path& b) { return a.filename().string() < b.filename().string(); });
    }
  }

  std::vector<SkinEntry> entries;
  std::uint64_t unpacked = 0;
  for (const fs::path& p : paths) {
    entries.push_back(LoadEntry(p));
    unpacked += entries.back().bytes.size();
  }
  std::vector<std::uint8_t> packed;
  try {
    packed = PackSkin(format, entries);
  } catch (const std::exception& e) {
    throw Failure(e.what());
  }
  WriteFileBytes(output, packed);
  out << "packed " << entries.size() << " entries (" << unpacked << " bytes) into " << output.string() << ": "
      << packed.size() << " bytes, format " << format << "\n";
  return 0;
}

// Reads a packed skin; refusals become failures that say why.
TSkinReader ReadPackedSkin(const fs::path& path, std::ostream& err) {
  const std::vector<std::uint8_t> packed = ReadFileBytes(path);
  TSkinReader reader;
  SkinNoticeHandler previous =
      SetSkinNoticeHandler([&err](const std::string& text) { err << "notice: " << text << "\n"; });
  bool ok = false;
  try {
    ok = reader.ReadSkin(packed);
  } catch (...) {
    SetSkinNoticeHandler(std::move(previous));
    throw;
  }
  SetSkinNoticeHandler(std::move(previous));
  if (!ok) throw Failure(path.string() + ": " + reader.Error());
  return reader;
}

bool IsPlainFileName(const std::string& n) {
  if (n.empty() || n == "." || n == "..") return false;
  return std::none_of(n.begin(), n.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == '/' || c == '\\' || c == ':';
  });
}

int Unpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string list;
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--list") {
      if (i + 1 >= args.size()) throw UsageError("--list needs a value");
      list = args[++i];
    } else {
      rest.push_back(args[i]);
    }
  }
  if (rest.size() != 2) throw UsageError("unpack needs SKIN and FOLDER");
  const TSkinReader reader = ReadPackedSkin(rest[0], err);
  const fs::path folder = rest[1];

  // Check every name before anything is written.
  std::vector<std::string> seen;
  for (const std::string& name : reader.Names()) {
    if (!IsPlainFileName(name)) throw Failure("entry name \"" + name + "\" is not a plain file name");
    if (std::find(seen.begin(), seen.end(), name) != seen.end()) {
      throw Failure("entry name \"" + name + "\" occurs twice");
    }
    seen.push_back(name);
  }
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (!fs::is_directory(folder, ec)) throw Failure("cannot create folder " + folder.string());

  std::size_t offset = 0;
  for (int i = 0; i < reader.EntryCount(); ++i) {
    const auto size = static_cast<std::size_t>(reader.EntrySize(i));
    const auto* begin = reader.Data().data() + offset;
    WriteFileBytes(folder / reader.Names()[static_cast<std::size_t>(i)], std::vector<std::uint8_t>(begin, begin + size));
    offset += size;
  }
  if (!list.empty()) {
    const fs::path list_path = list;
    const fs::path base = fs::absolute(list_path).parent_path();
    std::string text = "# entries of " + fs::path(rest[0]).filename().string() + ", format " +
                       std::to_string(reader.Format()) + "\n";
    for (const std::string& name : reader.Names()) {
      text += fs::absolute(folder / name).lexically_relative(base).generic_string() + "\n";
    }
    WriteFileBytes(list_path, std::vector<std::uint8_t>(text.begin(), text.end()));
  }
  out << "unpacked " << reader.EntryCount() << " entries of format " << reader.Format() << " into "
      << folder.string() << "\n";
  return 0;
}

int List(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) throw UsageError("list needs SKIN");
  const std::vector<std::uint8_t> packed = ReadFileBytes(args[0]);
  const TSkinReader reader = ReadPackedSkin(args[0], err);
  std::int32_t unpacked = 0;
  TLZH::ReadUnpackedSize(packed, unpacked);
  out << "format " << reader.Format() << ", " << reader.EntryCount() << " entries, " << unpacked
      << " bytes unpacked, " << packed.size() << " bytes packed\n";
  for (int i = 0; i < reader.EntryCount(); ++i) {
    out << std::setw(10) << reader.EntrySize(i) << "  " << reader.Names()[static_cast<std::size_t>(i)] << "\n";
  }
  return 0;
}

}  // namespace

int RunSkinpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    if (args.empty()) throw UsageError("no command given");
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "pack") return Pack(rest, out);
    if (command == "unpack") return Unpack(rest, out, err);
    if (command == "list") return List(rest, out, err);
    if (command == "help" || command == "--help" || command == "-h") {
      out << kUsage;
      return 0;
    }
    throw UsageError("unknown command \"" + command + "\"");
  } catch (const UsageError& e) {
    err << "skinpack: " << e.what() << "\n" << kUsage;
    return 2;
  } catch (const std::exception& e) {
    err << "skinpack: " << e.what() << "\n";
    return 1;
  }
}

}  // namespace zembrel::skinpack
