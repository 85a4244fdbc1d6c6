#!/usr/bin/env bash
# Runs a Windows program under wine64 (the tests' emulator). Its output goes through a
# file: the system services that Wine starts on demand inherit the program's standard
# handles and outlive it, and would keep a caller's pipe (ctest's) open.
out=$(mktemp)
/usr/lib/wine/wine64 "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
rm -f "$out"
exit $rc
