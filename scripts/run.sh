#!/usr/bin/env bash
# The run command: installs what is missing, builds, and runs the tool beside the host
# simulator with the sample list samples/demo.vtl as its most recent list.
#   With a display: hostsim's window opens; its buttons (Show, Hide, Launch, Close, Refuse,
#   Hang) drive the tool, and its list shows every display command the host received.
#   Without one: under Xvfb, a short scripted session (show, launch a display, screenshot
#   to build/screenshot.png, close), and the display commands the host received are printed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${VT_RUN_SESSION:-}" ]; then
    bash "$root/scripts/setup-debian.sh"
    bash "$root/scripts/build.sh"
    if [ -z "${DISPLAY:-}" ]; then
        exec env VT_RUN_SESSION=headless xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$@"
    fi
    export VT_RUN_SESSION=display
fi

export WINEPREFIX="$root/build/wineprefix-run"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
source "$root/scripts/wine-path.sh"
trap 'bash "$root/scripts/wine-prefix.sh" stop "$WINEPREFIX"' EXIT
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
if [ "$VT_RUN_SESSION" = display ]; then
    "$WINE" "$hostsim"
    exit
fi

log="$root/build/run/host-commands.txt"
"$WINE" "$hostsim" --log "$("$WINE" winepath -w "$log" 2>/dev/null || echo "$log")" \
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
