#!/usr/bin/env bash
# Runs the skin parsers' libFuzzer targets (clang) for a while each: the LZH decoder, the skin
# container reader and the definition parser. Installs clang's fuzzer runtime when missing.
#   tools/fuzz.sh [seconds per target, default 60]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
seconds="${1:-60}"
"$root/tools/install-deps.sh"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
runtime="libclang-rt-$(clang --version | sed -n 's/.*clang version \([0-9]*\).*/\1/p')-dev"
if ! dpkg-query -W -f='${Status}' "$runtime" 2>/dev/null | grep -q 'install ok installed'; then
  $SUDO apt-get install -y -q --no-install-recommends "$runtime" >/dev/null
fi
[ -f build/fuzz/CMakeCache.txt ] || CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEMBREL_FUZZ=ON >/dev/null
cmake --build build/fuzz -j"${ZEMBREL_JOBS:-2}" --target fuzz_lzh fuzz_skin_reader fuzz_quick_ini
for target in fuzz_lzh fuzz_skin_reader fuzz_quick_ini; do
  corpus="build/fuzz/corpus/$target"
  mkdir -p "$corpus"
  echo "== $target, $seconds s"
  "build/fuzz/skin/storage/$target" -max_total_time="$seconds" -max_len=65536 "$corpus" 2>&1 | grep -E '^(#[0-9]+.*DONE|Done|==.*ERROR)' || true
done
