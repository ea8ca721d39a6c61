#!/usr/bin/env bash
# Renders the contact sheet of a packed skin into a PNG and prints its path: every element the
# skin engine loaded, frame by frame and numbered, with the colour table.
#   tools/contact-sheet.sh [SKIN [OUTPUT.png]]
# Without arguments: the build's own skin, to build/win/skin/contact_sheet.png.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
[ -f build/win/CMakeCache.txt ] || cmake -S . -B build/win -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build build/win -j2 --target skin_contact_sheet zembrel_skin_packed >/dev/null
skin="$(realpath "${1:-build/win/skin/zembrel.skin}")"
out="$(realpath -m "${2:-build/win/skin/contact_sheet.png}")"
rm -f "$out"  # a sheet left from an earlier run must not pass for this one's
status=0
"$root/tools/with-display.sh" "$root/tools/wine-run" build/win/tools/contactsheet/skin_contact_sheet.exe \
  "$skin" "$out" >&2 || status=$?
[ -f "$out" ] && echo "$out"
exit "$status"
