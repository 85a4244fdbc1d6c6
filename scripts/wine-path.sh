# Finds Wine, for every script and for ctest's emulator (scripts/wine-run.sh): sourced, it
# sets WINE and WINESERVER. wine64, then wine, on the PATH; else Debian's own folder, where
# the wine64 package keeps them off the PATH.
WINE=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
WINESERVER=$(command -v wineserver || echo "$(dirname "$WINE")/wineserver")
