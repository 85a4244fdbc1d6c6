#!/usr/bin/env bash
# The run command: installs what is missing, builds, and runs the tool beside the host
# simulator with the sample list samples/demo.vtl as its most recent list.
#   With a display: hostsim's window (Show, Hide, Launch, Close) drives the tool.
#   Without one: under Xvfb, a short scripted session (show, launch a display, screenshot
#   to build/screenshot.png, close), and the display commands the host received are printed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup-debian.sh"
bash "$root/scripts/build.sh"

export WINEPREFIX="$root/build/wineprefix-run"
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

# A copy of the sample list, so the session never changes the one in the repository. It
# is the tool's most recent list; Automate and Visible are on, so the host's display
# request launches the sample's checked group.
mkdir -p "$root/build/run"
cp "$root/samples/demo.vtl" "$root/build/run/demo.vtl"
list=$("$WINE" winepath -w "$root/build/run/demo.vtl" 2>/dev/null)
key='HKCU\Software\Fenwright\Vantrace'
"$WINE" reg add "$key\\Vantrace\\Recent files" /v file1 /d "$list" /f >/dev/null
"$WINE" reg add "$key\\Options" /v Automatei /t REG_DWORD /d 1 /f >/dev/null
"$WINE" reg add "$key\\Options" /v Visiblei /t REG_DWORD /d 1 /f >/dev/null

hostsim="$root/build/bin/hostsim.exe"
if [ -z "$headless" ]; then
    exec "$WINE" "$hostsim"
fi

log="$root/build/run/host-commands.txt"
"$WINE" "$hostsim" --log "$(winepath -w "$log" 2>/dev/null || echo "$log")" \
    show wait 1500 launch wait 4000 close &
host=$!
for _ in $(seq 1 100); do
    xdotool search --onlyvisible --class '^vantrace.exe$' >/dev/null 2>&1 && break
    sleep 0.2
done
sleep 3
xwd -root -silent | convert xwd:- "$root/build/screenshot.png"
wait "$host" || echo "hostsim ended with code $?"
echo "Screenshot: $root/build/screenshot.png"
echo "Display commands the host received:"
cat "$log" 2>/dev/null || true
