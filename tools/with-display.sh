#!/usr/bin/env bash
# Runs a command with one Xvfb server and one persistent wineserver for its whole duration, so
# that the Windows programs it starts share them; both are stopped afterwards.
set -uo pipefail
source "$(dirname "$0")/wine-env.sh"
n=90
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$n"
for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
wineserver -p >/dev/null 2>&1
cleanup() { wineserver -k >/dev/null 2>&1; kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; }
trap cleanup EXIT
"$@"
