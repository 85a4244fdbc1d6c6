#!/usr/bin/env bash
# Installs what building, testing and running Vantrace need on Debian 12, when missing.
set -euo pipefail
packages=(
    cmake ninja-build
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine64 googletest libgtest-dev
    xvfb xauth xdotool x11-apps imagemagick
    fp-utils python3
    wixl msitools
    clang libclang-rt-14-dev
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
