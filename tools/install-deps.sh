#!/usr/bin/env bash
# Installs every system package the build, the tests and the program need.
# Idempotent and non-interactive; does nothing when everything is present.
set -euo pipefail

packages=(
  cmake make g++ clang
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 fonts-wine xvfb xauth x11-utils xdotool imagemagick
  fonts-wqy-zenhei googletest dpkg-dev locales libjpeg-dev rsync
  rar ccache
)

# Wine names Unix files in the Unix locale's charset: without a real zh_CN.UTF-8 locale, Chinese
# file names cannot be made at all.
ensure_locale() {
  locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$' && return 0
  $SUDO sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
}

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  ensure_locale
  exit 0
fi

# Debian's source packages and its non-free component are reached through sources files derived
# from the system's own, so that no host is named here.
base=/etc/apt/sources.list.d/debian.sources
if [ -f "$base" ]; then
  src=/etc/apt/sources.list.d/zembrel-src.sources
  nonfree=/etc/apt/sources.list.d/zembrel-nonfree.sources
  [ -f "$src" ] || sed 's/^Types:.*/Types: deb-src/' "$base" | $SUDO tee "$src" >/dev/null
  [ -f "$nonfree" ] || sed 's/^Components:.*/Components: non-free/' "$base" | $SUDO tee "$nonfree" >/dev/null
fi

export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq || true   # a mirror in mid-sync must not stop the install
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
ensure_locale
