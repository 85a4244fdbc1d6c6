#!/usr/bin/env bash
# The test command: installs what is missing, builds, runs the native build's tests (the
# plain C++ core, sanitized, and short fuzzing runs), then every test under Wine.
# Exits non-zero on any failure; ends with ctest's summary.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup-debian.sh"
bash "$root/scripts/native.sh" test
bash "$root/scripts/build.sh"
cd "$root/build"
# One test program at a time: the programs open real windows, and a window of one
# would take the activation, and so the keyboard focus, from another.
ctest --output-on-failure
