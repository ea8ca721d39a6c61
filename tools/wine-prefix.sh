#!/usr/bin/env bash
# Prepares the project's Wine prefix once: boots it without install prompts and makes the
# Chinese system fonts resolve to WenQuanYi Zen Hei Sharp.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
stamp="$WINEPREFIX/.zembrel-ready"

# This Wine does not read the fonts it ships (fonts-wine) from its own data folder; copied into
# the prefix's Fonts folder they are found. Marlett draws the caption buttons' glyphs.
copy_wine_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  [ -d "$fonts" ] && [ -d /usr/share/wine/fonts ] || return 0
  cp -n /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
}
if [ -f "$stamp" ]; then
  copy_wine_fonts
  exit 0
fi

mkdir -p "$WINEPREFIX"
env LC_ALL=zh_CN.UTF-8 wineboot -i >/dev/null 2>&1 || true
wineserver -w

reg="$(mktemp --suffix=.reg)"
face="WenQuanYi Zen Hei Sharp"
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  for f in 宋体 新宋体 SimSun NSimSun 黑体 SimHei 微软雅黑 "Microsoft YaHei"; do
    printf '"%s"="%s"\r\n' "$f" "$face"
  done
  printf '\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
  for f in 宋体 SimSun NSimSun; do
    printf '"%s"="%s"\r\n' "$f" "$face"
  done
} | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } > "$reg"
zwine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
wineserver -w
rm -f "$reg"
copy_wine_fonts
touch "$stamp"
