#!/usr/bin/env bash
# Takes the README's screenshots under Xvfb: the tool beside the host simulator, after the
# host asked for a display, in Normal view (docs/screenshot-normal.png) and in Mini view
# (docs/screenshot-mini.png) at 96 DPI, and in Normal view at 144 and 192 DPI
# (docs/screenshot-normal-144.png, -192.png) on a screen as much larger, and the Mass from
# Formula box with caffeine and [M+Na]+ (docs/screenshot-formula.png). Uses its own Wine
# prefix, build/wineprefix-shots; Wine takes the DPI from HKCU\Control Panel\Desktop LogPixels.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${VT_SHOTS_DPI:-}" ]; then
    bash "$root/scripts/build.sh"
    for dpi in 96 144 192; do
        env VT_SHOTS_DPI=$dpi xvfb-run -a -s "-screen 0 $((1700 * dpi / 96))x$((900 * dpi / 96))x24 -dpi $dpi" \
            bash "$0" "$@"
    done
    exit 0
fi
dpi=$VT_SHOTS_DPI

export WINEPREFIX="$root/build/wineprefix-shots"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
source "$root/scripts/wine-path.sh"
trap 'bash "$root/scripts/wine-prefix.sh" stop "$WINEPREFIX"' EXIT
bash "$root/scripts/wine-prefix.sh" setup "$WINEPREFIX" x11
"$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
"$WINESERVER" -k 2>/dev/null || true   # the DPI is read when the session starts
"$WINESERVER" -w
"$WINESERVER" -p </dev/null >/dev/null 2>&1

# The sample list where a user might keep one, so the title shows C:\Lists\demo.vtl.
mkdir -p "$WINEPREFIX/drive_c/Lists"
cp "$root/samples/demo.vtl" "$WINEPREFIX/drive_c/Lists/demo.vtl"
list='C:\Lists\demo.vtl'
key='HKCU\Software\Fenwright\Vantrace'

# Waits until a visible window matches, and prints its id.
wait_window() {
    for _ in $(seq 1 300); do
        if id=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -1) && [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    echo "no window for $*" >&2
    return 1
}

# Each picture starts from a clean user: no settings, no recovery file of an earlier picture.
clean_user() {
    "$WINE" reg delete "$key" /f >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"/drive_c/users/*/AppData/Local/Fenwright/Vantrace/Recovery
}

shoot() {
    local mode=$1 mini=$2 out=$3
    clean_user
    "$WINE" reg add "$key\\Vantrace\\Recent files" /v file1 /d "$list" /f >/dev/null
    "$WINE" reg add "$key\\Options" /v Automatei /t REG_DWORD /d 1 /f >/dev/null
    "$WINE" reg add "$key\\Options" /v Visiblei /t REG_DWORD /d 1 /f >/dev/null
    "$WINE" reg add "$key\\Options" /v Minii /t REG_DWORD /d "$mini" /f >/dev/null
    "$WINE" "$root/build/bin/hostsim.exe" show wait 1000 launch wait 1000 launch wait 6000 close \
        >/dev/null 2>&1 &
    local host=$!
    local hostwin toolwin
    hostwin=$(wait_window --name '^Host simulator$')
    toolwin=$(wait_window --class '^vantrace.exe$')
    xdotool windowmove "$hostwin" 0 0
    xdotool windowmove "$toolwin" $((680 * dpi / 96)) 0
    sleep 4
    xwd -root -silent | convert xwd:- -trim +repage "$out"
    wait "$host" || echo "hostsim ended with code $? ($mode view)" >&2
    echo "$mode view: $out"
}

# A group added, Add Chromatogram of type Mass/Channel, Formula... pressed, caffeine typed
# with [M+Na]+: the box itself is captured (a root capture of a dialog is black here).
shoot_formula() {
    local out=$1
    clean_user
    "$WINE" reg add "$key\\Options" /v Visiblei /t REG_DWORD /d 1 /f >/dev/null
    "$WINE" "$root/build/bin/hostsim.exe" show wait 1000 launch wait 25000 close >/dev/null 2>&1 &
    local host=$!
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
    local box
    box=$(wait_window --name 'Mass from Formula')
    sleep 1
    xdotool type 'C8H10N4O2'
    sleep 0.3
    xdotool key Tab; sleep 0.2; xdotool type '[M+Na]+'
    sleep 1
    xwd -id "$box" -silent | convert xwd:- "$out"
    xdotool key Return
    sleep 1
    xdotool key Escape
    wait "$host" || true
    echo "formula box: $out"
}

if [ "$dpi" = 96 ]; then
    shoot Normal 0 "$root/docs/screenshot-normal.png"
    shoot Mini 1 "$root/docs/screenshot-mini.png"
    shoot_formula "$root/docs/screenshot-formula.png"
else
    shoot Normal 0 "$root/docs/screenshot-normal-$dpi.png"
fi
