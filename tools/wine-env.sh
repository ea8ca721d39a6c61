# Sourced by the scripts that run Windows programs: the project's own Wine prefix and locale.
# ANSI code page 936 (GBK) comes from the zh_CN locale name alone; no glibc locale is needed.
_zembrel_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${ZEMBREL_WINEPREFIX:-$_zembrel_root/build/wineprefix}"
export WINEDEBUG=-all
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# bash itself has no zh_CN locale, so the locale is handed to Wine through env, not exported here.
zwine() { env LC_ALL=zh_CN.UTF-8 wine "$@"; }
