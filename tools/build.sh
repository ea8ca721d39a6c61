#!/usr/bin/env bash
# Configures and builds both trees: build/host (native, sanitizers) and build/win (mingw-w64).
# One ctest run over build/ covers both.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
jobs="${ZEMBREL_JOBS:-2}"
# ccache, where installed, lets a second work tree of the same sources build from the cache.
if command -v ccache >/dev/null; then
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$root")}" CCACHE_NOHASHDIR=1
fi
[ -f build/host/CMakeCache.txt ] || cmake -S . -B build/host -DCMAKE_BUILD_TYPE=Debug >/dev/null
[ -f build/win/CMakeCache.txt ] || cmake -S . -B build/win -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build build/host -j"$jobs"
cmake --build build/win -j"$jobs"
printf 'subdirs("host" "win")\n' > build/CTestTestfile.cmake
