// Writing skin containers: the entries' names and bytes in the layout TSkinReader reads, and the
// packed skin made of them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/skinpack/lzh_encoder.h"

namespace zembrel::skinpack {

struct SkinEntry {
  std::string name;  // a plain file name; the reader lower-cases it
  std::vector<std::uint8_t> bytes;
};

// Checks that the entries can be stored and found again: a known format, at most as many entries
// as the reader's size table holds, names that are plain file names (not empty, no CR, LF or zero
// byte, no "/", "\" or ":", not "." or "..") and that stay distinct once lower-cased. Throws
// std::invalid_argument naming the first fault.
void CheckSkinEntries(std::int32_t format, const std::vector<SkinEntry>& entries);

// The unpacked container. The two free header words and the extra block are written as zeros.
std::vector<std::uint8_t> BuildSkinContainer(std::int32_t format, const std::vector<SkinEntry>& entries);

// BuildSkinContainer, then LzhPack.
std::vector<std::uint8_t> PackSkin(std::int32_t format, const std::vector<SkinEntry>& entries,
                                   const LzhPackOptions& options = {});

}  // namespace zembrel::skinpack
