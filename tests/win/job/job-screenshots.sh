#!/usr/bin/env bash
# PNGs of the run's progress and result windows in build/screenshots/ (like tools/screenshots.sh
# does for the other windows).
set -euo pipefail
root="$(cd "$(dirname "$0")/../../.." && pwd)"
cd "$root"
cmake --build build/win -j2 --target job_screenshots >/dev/null
out="$root/build/screenshots"
work="$(mktemp -d)"
mkdir -p "$out" "$work/pictures" "$work/job"
drive() {
  source "$root/tools/wine-env.sh"
  "$root/tools/wine-prefix.sh"
  env LC_ALL=zh_CN.UTF-8 wine explorer /desktop=zembrel_job_shots,900x640 \
    "$root/build/win/tests/win/job/job_screenshots.exe" "$(winepath -w "$work/pictures")" "$(winepath -w "$work/job")"
}
export -f drive
export root work
if [ -n "${DISPLAY:-}" ]; then drive; else "$root/tools/with-display.sh" bash -c drive; fi
for f in "$work"/pictures/*.bmp; do
  convert "$f" -crop 900x640+0+0 +repage "$out/$(basename "${f%.bmp}").png"
done
rm -rf "$work"
ls "$out"/run_*.png
