#include <iostream>
#include <string>
#include <vector>

#include "tools/skinpack/skinpack_cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return zembrel::skinpack::RunSkinpack(args, std::cout, std::cerr);
}
