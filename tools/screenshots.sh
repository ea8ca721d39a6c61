#!/usr/bin/env bash
# Screenshots of every window a user meets: the main window (empty and filled), the help
# window, the five open dialogs, the save message, the run's progress and result windows, the
# empty-list message and the exit confirmation. Runs inside a Wine virtual desktop; writes PNGs
# to build/screenshots.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
cmake --build build/win -j2 --target ui_screenshots >/dev/null
out="$root/build/screenshots"
work="$(mktemp -d)"
mkdir -p "$out" "$work/pictures" "$work/job"
drive() {
  source "$root/tools/wine-env.sh"
  "$root/tools/wine-prefix.sh"
  env LC_ALL=zh_CN.UTF-8 wine explorer /desktop=zembrel_shots,900x640 \
    "$root/build/win/tests/win/ui/ui_screenshots.exe" "$(winepath -w "$work/pictures")" "$(winepath -w "$work/job")"

}
export -f drive
export root work
if [ -n "${DISPLAY:-}" ]; then drive; else "$root/tools/with-display.sh" bash -c drive; fi
for f in "$work"/pictures/*.bmp; do
  convert "$f" -crop 900x640+0+0 +repage "$out/$(basename "${f%.bmp}").png"
done
rm -rf "$work"
ls "$out"
