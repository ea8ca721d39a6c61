#!/usr/bin/env bash
# Renders the generated skin bitmaps, scaled up with square pixels and labelled, into one PNG for
# review (ImageMagick). Magenta is the transparent colour and stays visible.
#   tools/skinart/preview.sh [ART_FOLDER] [OUTPUT.png] [SCALE]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
art="${1:-$root/build/host/skin/art}"
out="${2:-$root/build/host/skin/preview.png}"
scale="${3:-6}"
font="$(fc-list : file | grep -i -m1 'dejavusans\.\|dejavu\|liberation' | cut -d: -f1 || true)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
for f in "$art"/*.bmp; do
  name="$(basename "$f" .bmp)"
  convert "$f" -filter point -resize "$((scale * 100))%" "$tmp/$name.png"
done
montage ${font:+-font "$font"} -label '%t' -background '#808080' -geometry +8+8 -tile 3x "$tmp"/*.png "$out"
echo "$out"
