#!/usr/bin/env bash
# Cross-builds libjpeg-turbo from Debian's source package once, as a static x86-64 Windows
# library under build/deps/libjpeg. Later calls find it and return at once.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
prefix="$root/build/deps/libjpeg"
[ -f "$prefix/lib/libjpeg.a" ] && [ -f "$prefix/include/jpeglib.h" ] && exit 0

work="$root/build/deps/src"
rm -rf "$work" && mkdir -p "$work"
(cd "$work" && apt-get source --download-only libjpeg-turbo >/dev/null)
tarball=$(ls "$work"/libjpeg-turbo_*.orig.tar.gz | head -n 1)
tar -xzf "$tarball" -C "$work"
srcdir=$(find "$work" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)

cmake -S "$srcdir" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DCMAKE_CROSSCOMPILING_EMULATOR= -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF >/dev/null
cmake --build "$work/build" -j2 >/dev/null
cmake --install "$work/build" >/dev/null
rm -rf "$work"
