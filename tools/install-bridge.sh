#!/usr/bin/env bash
# Puts the rar bridge where the program looks for the archiver by default:
# C:\Program Files\WinRAR\Rar.exe inside the project's Wine prefix.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine-env.sh"
bridge="$_zembrel_root/build/win/tools/rarbridge/Rar.exe"
target="$WINEPREFIX/drive_c/Program Files/WinRAR"
mkdir -p "$target"
cp -f "$bridge" "$target/Rar.exe"
