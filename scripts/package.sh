#!/usr/bin/env bash
# The package command: builds build/Vantrace-<version>.msi (the tool, its help file and the
# sample list) and build/Vantrace-demo-<version>.msi (the host simulator for demonstrations).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup-debian.sh"
bash "$root/scripts/build.sh"
cmake --build "$root/build" --target package
ls -l "$root"/build/Vantrace-*.msi
