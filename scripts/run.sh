#!/usr/bin/env bash
# The run command: installs what is missing, builds, and starts the tool. With a display
# it opens its windows there; without one it runs under Xvfb and writes a screenshot to
# build/screenshot.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup-debian.sh"
bash "$root/scripts/build.sh"

export WINEPREFIX="$root/build/wineprefix-x11"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE=/usr/lib/wine/wine64

xvfb_pid=
cleanup() {
    bash "$root/scripts/wine-prefix.sh" stop "$WINEPREFIX"
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

headless=
if [ -z "${DISPLAY:-}" ]; then
    headless=1
    export DISPLAY=:97
    Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    sleep 1
fi
bash "$root/scripts/wine-prefix.sh" setup "$WINEPREFIX" x11

if [ -z "$headless" ]; then
    exec "$WINE" "$root/build/bin/Vantrace.exe"
fi

"$WINE" "$root/build/bin/Vantrace.exe" &
tool=$!
for _ in $(seq 1 50); do
    xdotool search --name '^Vantrace' >/dev/null 2>&1 && break
    sleep 0.2
done
sleep 1
xwd -root -silent | convert xwd:- "$root/build/screenshot.png"
echo "Screenshot: $root/build/screenshot.png"
kill "$tool" 2>/dev/null || true
wait "$tool" 2>/dev/null || true
