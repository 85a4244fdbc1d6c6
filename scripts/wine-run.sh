#!/usr/bin/env bash
# Runs a Windows program under Wine (the tests' emulator). Its output goes through a
# file: the system services that Wine starts on demand inherit the program's standard
# handles and outlive it, and would keep a caller's pipe (ctest's) open.
source "$(dirname "${BASH_SOURCE[0]}")/wine-path.sh"
out=$(mktemp)
"$WINE" "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
rm -f "$out"
exit $rc
