// The skinpack command line (see README.md): pack, unpack and list packed skins.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zembrel::skinpack {

// Runs one command; args excludes the program name. Returns 0 on success, 1 when the command
// failed (unreadable or malformed input, a file that cannot be written), 2 for a usage error.
int RunSkinpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zembrel::skinpack
