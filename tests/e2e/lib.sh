# Shared by the end-to-end tests: the real program under Wine, its debug output captured
# by e2e_tool's monitor. Each test script gets: PROGRAM E2E_TOOL WORK_FOLDER.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../tools/wine-env.sh"
wine_find

PROGRAM=$1
E2E_TOOL=$2
WORK=$3
rm -rf "$WORK"
mkdir -p "$WORK"
failures=0

# E2E_DISPLAY=x11 (set before sourcing) runs the program on a virtual screen (Xvfb) for
# real mouse input and screenshots; otherwise windows run on Wine's null display driver.
XVFB_PID=""
if [ "${E2E_DISPLAY:-null}" = x11 ]; then
    for n in $(seq 91 130); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
fi

# A prefix and server of its own: these tests remap drives and restart their server,
# which must not disturb tests running beside them. A script that runs beside another
# one names a prefix of its own in E2E_PREFIX before sourcing this file.
wine_prepare "$(dirname "$WORK")/${E2E_PREFIX:-wineprefix-e2e-${E2E_DISPLAY:-null}}" "${E2E_DISPLAY:-null}"
wine_start_server

# screenshot FILE: the whole virtual screen.
screenshot() { import -window root "$1" 2>/dev/null; }

# The screen position of the client area's top-left corner of the program's main window.
main_window_origin() { "$WINE" "$E2E_TOOL" origin "$1" | tr -d '\r'; }

# click PID X Y: a real mouse click at client coordinates of the main window of PID.
click() {
    local origin x y
    origin=$(main_window_origin "$1")
    x=$((${origin% *} + $2))
    y=$((${origin#* } + $3))
    xdotool mousemove "$x" "$y" click 1
    sleep 0.2
}

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# make_record FILE [RECORD_LENGTH] [PRODUCT]: a 544-byte setup.cfg with plausible values.
make_record() {
    python3 - "$1" "${2:-544}" "${3:-M250}" <<'PY'
import struct, sys
path, length, product = sys.argv[1], int(sys.argv[2]), sys.argv[3].encode()
b = bytearray(544)
struct.pack_into("<II", b, 0, length, 0x00010002)
b[8:8 + len(product)] = product
for offset, value in ((64, 1), (120, 3), (176, 2), (180, 1), (196, 3), (200, 12), (212, 1), (416, 0), (428, 0)):
    struct.pack_into("<i", b, offset, value)
open(path, "wb").write(b)
PY
}

monitor_start() {
    MONITOR_OUT=$WORK/debug.txt
    rm -f "$WORK/monitor.ready" "$WORK/monitor.stop"
    "$WINE" "$E2E_TOOL" monitor "$(wine_path "$MONITOR_OUT")" "$(wine_path "$WORK/monitor.ready")" \
        "$(wine_path "$WORK/monitor.stop")" &
    MONITOR_PID=$!
    for _ in $(seq 100); do [ -f "$WORK/monitor.ready" ] && return 0; sleep 0.05; done
    fail "debug monitor did not start"
}

monitor_stop() {
    [ -n "${MONITOR_PID:-}" ] || return 0
    touch "$WORK/monitor.stop"
    wait "$MONITOR_PID" 2>/dev/null
}

# wait_for_line TEXT [SECONDS]: waits until the captured output holds TEXT (escaped form).
wait_for_line() {
    local text=$1 seconds=${2:-20}
    for _ in $(seq $((seconds * 20))); do
        grep -qF -- "$text" "$MONITOR_OUT" 2>/dev/null && return 0
        sleep 0.05
    done
    return 1
}

# The Windows process id that printed TEXT.
pid_of_line() { grep -F -- "$1" "$MONITOR_OUT" | head -1 | cut -f1; }

# The lines printed by one process, without the pid column.
lines_of() { awk -F'\t' -v pid="$1" '$1 == pid { print $2 }' "$MONITOR_OUT"; }

# The same without the "[key] = value" lines the text tables print while they load.
record_lines_of() { lines_of "$1" | grep -v '^\[[A-Za-z0-9_]*\] = '; }

# wait_for_window PID [SECONDS]: waits until process PID shows a window.
wait_for_window() {
    local seconds=${2:-20}
    for _ in $(seq $((seconds * 10))); do
        [ "$("$WINE" "$E2E_TOOL" windows "$1" | tr -d '\r')" -ge 1 ] 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

# control PID ID: "X Y VISIBLE" of a control of the main window (screen centre).
control() { "$WINE" "$E2E_TOOL" control "$1" "$2" | tr -d '\r'; }
control_visible() { [ "$(control "$1" "$2" | cut -d' ' -f3)" = 1 ]; }

# eventually COMMAND...: true once COMMAND succeeds, trying for up to five seconds (a
# click's effects arrive through the program's message queue).
eventually() {
    for _ in $(seq 50); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# click_control PID ID: a real mouse click in the middle of the control.
click_control() {
    local at
    at=$(control "$1" "$2") || return 1
    xdotool mousemove ${at% *} click 1
    sleep 0.3
}

# window_shot PID FILE: a screenshot of the program's main window alone.
window_shot() {
    local origin
    origin=$(main_window_origin "$1")
    import -window root -crop "722x587+${origin% *}+${origin#* }" +repage "$2" 2>/dev/null
}

close_windows_of() { "$WINE" "$E2E_TOOL" close "$1" >/dev/null; }

# expect_exit PID SECONDS: the Unix process PID ends by itself within SECONDS.
expect_exit() {
    local pid=$1 seconds=$2 what=$3
    for _ in $(seq $((seconds * 20))); do
        kill -0 "$pid" 2>/dev/null || { wait "$pid"; return 0; }
        sleep 0.05
    done
    fail "$what: still running after $seconds s"
    kill "$pid" 2>/dev/null
    return 1
}

finish() {
    monitor_stop
    wine_stop_server
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    if [ "$failures" -eq 0 ]; then
        echo "e2e: all checks passed"
        exit 0
    fi
    echo "e2e: $failures check(s) failed"
    [ -n "${MONITOR_OUT:-}" ] && { echo "debug output:"; cat "$MONITOR_OUT" 2>/dev/null; }
    exit 1
}
