#!/usr/bin/env bash
# Takes docs/screenshot-formula.png under Xvfb: the tool launched by the host simulator, a
# group added, Add Chromatogram of type Mass/Channel, Formula... pressed and caffeine typed
# with [M+Na]+. Uses its own Wine prefix, build/wineprefix-shots.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${VT_SHOTS_XVFB:-}" ]; then
    bash "$root/scripts/build.sh"
    exec env VT_SHOTS_XVFB=1 xvfb-run -a -s "-screen 0 1280x900x24" bash "$0" "$@"
fi
export WINEPREFIX="$root/build/wineprefix-shots"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
source "$root/scripts/wine-path.sh"
trap 'bash "$root/scripts/wine-prefix.sh" stop "$WINEPREFIX"' EXIT
bash "$root/scripts/wine-prefix.sh" setup "$WINEPREFIX" x11
key='HKCU\Software\Fenwright\Vantrace'
wait_window() {
    for _ in $(seq 1 150); do
        if id=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -1) && [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.2
    done
    echo "no window for $*" >&2; return 1
}
"$WINE" reg delete "$key" /f >/dev/null 2>&1 || true
"$WINE" reg add "$key\\Options" /v Visiblei /t REG_DWORD /d 1 /f >/dev/null
"$WINE" "$root/build/bin/hostsim.exe" show wait 1000 launch wait 25000 close >/dev/null 2>&1 &
host=$!
wait_window --class '^vantrace.exe$' >/dev/null
sleep 3
xdotool key ctrl+g
wait_window --name "Group" >/dev/null
sleep 1; xdotool type 'Caffeine'; xdotool key Return
sleep 2
xdotool key ctrl+h
wait_window --name 'Chromatogram' >/dev/null
sleep 1
xdotool key Tab; sleep 0.3; xdotool key m; sleep 0.5
xdotool key alt+o
f=$(wait_window --name 'Mass from Formula')
sleep 1
xdotool type 'C8H10N4O2'
sleep 0.3
xdotool key Tab; sleep 0.2; xdotool type '[M+Na]+'
sleep 1
xwd -id "$f" -silent | convert xwd:- "$root/docs/screenshot-formula.png"
xdotool key Return
sleep 1
xdotool key Escape
wait "$host" || true
echo "$root/docs/screenshot-formula.png"
