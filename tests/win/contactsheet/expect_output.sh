#!/usr/bin/env bash
# expect_output.sh CODE PATTERN COMMAND...: passes when COMMAND exits with CODE and its output
# matches PATTERN (an extended regular expression).
code="$1" pattern="$2"
shift 2
out="$("$@" 2>&1)"
rc=$?
printf '%s\n' "$out"
[ "$rc" -eq "$code" ] || { echo "expected exit code $code, got $rc"; exit 1; }
grep -qE -- "$pattern" <<<"$out" || { echo "expected a message matching: $pattern"; exit 1; }
