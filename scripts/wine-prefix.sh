#!/usr/bin/env bash
# Creates and runs the Wine prefix that tests and the run command use.
#   wine-prefix.sh setup PREFIX [null|x11]   create the prefix if missing, choose the
#                                            graphics driver, keep wineserver up (-p)
#   wine-prefix.sh stop PREFIX               stop that prefix's wineserver
set -euo pipefail
cmd=$1
export WINEPREFIX=$(realpath -m "$2")
driver=${3:-null}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
source "$(dirname "${BASH_SOURCE[0]}")/wine-path.sh"

case "$cmd" in
setup)
    # A server left running by an earlier run would keep "wineserver -w" waiting forever.
    "$WINESERVER" -k 2>/dev/null || true
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        DISPLAY= "$WINE" wineboot --init >/dev/null 2>&1 || true
    fi
    # No crash dialog: under the null driver it would hang a test instead of failing it.
    "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    if [ "$driver" = null ]; then
        "$WINE" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    else
        "$WINE" reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f >/dev/null 2>&1 || true
    fi
    "$WINESERVER" -w
    # Kept up for the run, detached from our output: ctest waits until every holder of its
    # pipe has gone.
    "$WINESERVER" -p </dev/null >/dev/null 2>&1
    ;;
stop)
    "$WINESERVER" -k 2>/dev/null || true
    ;;
*)
    echo "usage: $0 setup|stop PREFIX [null|x11]" >&2
    exit 2
    ;;
esac
