#!/usr/bin/env bash
# The test command: installs what is missing, builds, and runs every test under Wine.
# Exits non-zero on any failure; ends with ctest's summary.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup-debian.sh"
bash "$root/scripts/build.sh"
cd "$root/build"
ctest --output-on-failure --parallel 2
