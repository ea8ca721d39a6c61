#!/usr/bin/env bash
# expect_refusal.sh CODE TEXT COMMAND...: passes when COMMAND exits with CODE and its output
# holds TEXT.
code="$1" text="$2"
shift 2
out="$("$@" 2>&1)"
rc=$?
printf '%s\n' "$out"
[ "$rc" -eq "$code" ] || { echo "expected exit code $code, got $rc"; exit 1; }
grep -qF -- "$text" <<<"$out" || { echo "expected the message: $text"; exit 1; }
