#!/usr/bin/env bash
# Starts the built Zembrel.exe under Wine with the rar bridge as its archiver. Without an X
# display it runs inside a private Xvfb (useful for scripts, invisible to a person).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine-env.sh"
"$here/install-bridge.sh"
exe="$_zembrel_root/build/win/app/Zembrel.exe"
if [ ! -f "$exe" ]; then
  echo "Zembrel.exe is not built yet; the rar bridge is installed at C:\\Program Files\\WinRAR\\Rar.exe."
  exit 0
fi
if [ -z "${DISPLAY:-}" ]; then
  echo "No X display: starting Zembrel inside a private Xvfb."
  exec "$here/wine-run" "$exe" "$@"
fi
exec env LC_ALL=zh_CN.UTF-8 wine "$exe" "$@"
