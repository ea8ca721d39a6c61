#!/usr/bin/env bash
# Runs a test program with a tiny disk of its own: a 256 KiB tmpfs mounted at the folder given
# first, named to the program in ZEMBREL_TINY_DISK. Mounting needs root; otherwise the program
# gets ZEMBREL_TINY_DISK_SKIPPED with the reason and skips its disk-full cases.
set -uo pipefail
mkdir -p "$1"
mountpoint="$(cd "$1" && pwd)"
shift
mounted=0
if [ "$(id -u)" != 0 ]; then
  export ZEMBREL_TINY_DISK_SKIPPED="not root: a tmpfs cannot be mounted"
elif mountpoint -q "$mountpoint" || mount -t tmpfs -o size=256k,mode=0777 zembrel-tiny "$mountpoint" 2>/dev/null; then
  mounted=1
  export ZEMBREL_TINY_DISK="$mountpoint"
else
  export ZEMBREL_TINY_DISK_SKIPPED="mount -t tmpfs failed at $mountpoint"
fi
"$@"
rc=$?
if [ "$mounted" = 1 ]; then umount "$mountpoint" || umount -l "$mountpoint"; fi
exit $rc
