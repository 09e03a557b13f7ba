# Shell functions for running the program and its tests under Wine. Source it:
#   . tools/wine-env.sh; wine_prepare build/win/wineprefix null
# Prefixes live under the build folder, never in ~/.wine.

wine_find() {
    for candidate in wine64 /usr/lib/wine/wine64 /usr/lib64/wine/wine64 wine; do
        if command -v "$candidate" >/dev/null 2>&1; then
            WINE=$(command -v "$candidate")
            break
        fi
    done
    [ -n "${WINE:-}" ] || { echo "wine not found" >&2; return 1; }
    WINESERVER=$(dirname "$WINE")/wineserver
    [ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)
    export WINE WINESERVER
}

# wine_prepare PREFIX DISPLAY_MODE: DISPLAY_MODE "null" runs windows without any X server
# (Wine's null display driver); "x11" runs them on $DISPLAY (Xvfb in the tests).
wine_prepare() {
    local prefix=$1 mode=$2
    wine_find || return 1
    mkdir -p "$prefix"
    export WINEPREFIX=$(cd "$prefix" && pwd)
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        "$WINE" wineboot -i </dev/null >/dev/null 2>&1
        "$WINESERVER" -w
    fi
    if [ ! -f "$WINEPREFIX/.display-$mode" ]; then
        if [ "$mode" = null ]; then
            "$WINE" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
        else
            "$WINE" reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f >/dev/null 2>&1
            # Without a window manager every exit would stall for two seconds.
            "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        fi
        "$WINESERVER" -w
        rm -f "$WINEPREFIX"/.display-*
        touch "$WINEPREFIX/.display-$mode"
    fi
}

# A persistent server makes each program start cost about 0.05 s instead of 3 s.
# Its output goes nowhere: a server holding a test runner's pipe would keep it waiting.
wine_start_server() {
    "$WINESERVER" -p </dev/null >/dev/null 2>&1
    "$WINE" wineboot </dev/null >/dev/null 2>&1
}

wine_stop_server() {
    "$WINESERVER" -k 2>/dev/null
    "$WINESERVER" -w 2>/dev/null
    true
}

# wine_map_drive LETTER FOLDER TYPE: maps FOLDER as drive LETTER (type "floppy" makes
# it removable, "hd" fixed). Restarts the server: Wine reads drive types at its start.
wine_map_drive() {
    local letter=$1 folder=$2 type=$3
    ln -sfn "$folder" "$WINEPREFIX/dosdevices/$letter:"
    "$WINE" reg add 'HKLM\Software\Wine\Drives' /v "$letter:" /d "$type" /f >/dev/null 2>&1
    wine_stop_server
    wine_start_server
}

# The Windows form of a Unix path (Wine maps / as Z:).
wine_path() {
    local unix=$1
    printf 'Z:%s' "${unix//\//\\}"
}
