#!/usr/bin/env bash
# The main window of the real program on a virtual screen, driven by real mouse clicks:
# tabs, dragging, Cancel, Save, Initialize, and the clock file. Leaves screenshots of the
# window and its pages in the build folder.
E2E_DISPLAY=x11
. "$(dirname "$0")/lib.sh"

SAMPLE=$here/../fixtures/sample-card
SHOTS=$(cd "$WORK/../.." && pwd)/screenshots
mkdir -p "$SHOTS"
APP=""
APP_PID=""

# start_app CARD: starts the program on CARD and waits for its window.
start_app() {
    monitor_stop
    monitor_start
    "$WINE" "$PROGRAM" "$(wine_path "$1/")" &
    APP=$!
    if ! wait_for_line 'Read Product:'; then
        fail "no start on $1"
        return 1
    fi
    APP_PID=$(pid_of_line 'Read Product:')
    wait_for_window "$APP_PID" || fail "no window on $1"
    sleep 0.5
}

fresh_card() {
    rm -rf "$1"
    cp -r "$SAMPLE" "$1"
    printf '2024,01,02,03,04,05,+0900' >"$1/time.dat"
}

# --- Tabs, pages, dragging, and Cancel after a change ---
card=$WORK/card
fresh_card "$card"
cp -r "$card" "$WORK/original"
start_app "$card"
window_shot "$APP_PID" "$SHOTS/main-window.png"
eventually control_visible "$APP_PID" 1335 || fail "the memory card page is not shown at start"
control_visible "$APP_PID" 1252 && fail "the record page is shown at start"

click_control "$APP_PID" 2202
eventually control_visible "$APP_PID" 1252 || fail "record tab: its page is not shown"
control_visible "$APP_PID" 1335 && fail "record tab: the memory card page is still shown"
window_shot "$APP_PID" "$SHOTS/record-page.png"
click_control "$APP_PID" 2204
click_control "$APP_PID" 2204
eventually control_visible "$APP_PID" 1326 || fail "system tab twice: its page is not shown"
control_visible "$APP_PID" 1252 && fail "system tab: the record page is still shown"
window_shot "$APP_PID" "$SHOTS/system-page.png"
click_control "$APP_PID" 2203
eventually control_visible "$APP_PID" 1335 || fail "memory card tab: its page is not shown"
window_shot "$APP_PID" "$SHOTS/memory-card-page.png"

# Dragging the empty skin moves the window; dragging from a tab does not.
before=$(main_window_origin "$APP_PID")
# The first move starts the system's move loop; the later ones move the window.
xdotool mousemove $((${before% *} + 500)) $((${before#* } + 30)) mousedown 1
sleep 0.2
xdotool mousemove_relative 5 5
sleep 0.5
for _ in 1 2 3 4; do
    xdotool mousemove_relative 10 10
    sleep 0.2
done
xdotool mouseup 1
moved() { [ "$(main_window_origin "$APP_PID")" != "$before" ]; }
eventually moved || fail "dragging the skin did not move the window"
after=$(main_window_origin "$APP_PID")
at=$(control "$APP_PID" 2203)
xdotool mousemove ${at% *} mousedown 1 mousemove_relative --sync 40 200 mouseup 1
sleep 0.5
[ "$(main_window_origin "$APP_PID")" = "$after" ] || fail "dragging from a tab moved the window"

# The minimise button minimises; restored, the window is as it was.
click_control "$APP_PID" 2300
iconic() { [ "$("$WINE" "$E2E_TOOL" iconic "$APP_PID" | tr -d '\r')" = 1 ]; }
eventually iconic || fail "the minimise button did not minimise the window"
"$WINE" "$E2E_TOOL" restore "$APP_PID" >/dev/null
eventually control_visible "$APP_PID" 1335 || fail "the restored window lost its page"

# Enter and Escape on a page close nothing.
click_control "$APP_PID" 1321
xdotool key Return key Escape
sleep 0.5
kill -0 "$APP" 2>/dev/null || fail "Enter or Escape on a page closed the window"

click_control "$APP_PID" 1335  # B type, then Cancel: nothing reaches the card
click_control "$APP_PID" 2303
expect_exit "$APP" 20 "Cancel"
diff -r "$card" "$WORK/original" >/dev/null || fail "Cancel changed the card"

# --- Save writes the change and removes the clock file ---
fresh_card "$card"
start_app "$card"
click_control "$APP_PID" 1335
click_control "$APP_PID" 2304
expect_exit "$APP" 20 "Save"
python3 - "$card/setup.cfg" "$SAMPLE/setup.cfg" <<'PY' || fail "Save: setup.cfg is not the sample with type B"
import sys
saved, sample = open(sys.argv[1], "rb").read(), bytearray(open(sys.argv[2], "rb").read())
sample[212:216] = (2).to_bytes(4, "little")
sys.exit(0 if saved == bytes(sample) else 1)
PY
[ -e "$card/time.dat" ] && fail "Save left time.dat with the clock option off"

# --- Initialize restores the defaults, keeping the device bytes; Save writes them ---
fresh_card "$card"
start_app "$card"
click_control "$APP_PID" 2302
sleep 0.5
kill -0 "$APP" 2>/dev/null || fail "Initialize closed the window"
click_control "$APP_PID" 2304
expect_exit "$APP" 20 "Save after Initialize"
python3 - "$card/setup.cfg" "$SAMPLE/setup.cfg" "$SAMPLE/default.cfg" <<'PY' || fail "Initialize: not the defaults with the device bytes kept"
import sys
saved, setup, defaults = (open(p, "rb").read() for p in sys.argv[1:4])
want = bytearray(defaults)
want[40:50] = setup[40:50]
want[224:228] = setup[224:228]
sys.exit(0 if saved == bytes(want) else 1)
PY

# --- Initialize without default.cfg: one message box naming the missing file ---
fresh_card "$card"
rm "$card/default.cfg"
start_app "$card"
click_control "$APP_PID" 2302 &
missing_default_shown() {
    "$WINE" "$E2E_TOOL" texts "$APP_PID" | tr -d '\r' | grep -qF "no default.cfg :$(wine_path "$card/")default.cfg"
}
eventually missing_default_shown || fail "no message box for the missing default.cfg"
close_windows_of "$APP_PID"
sleep 0.5
close_windows_of "$APP_PID"
expect_exit "$APP" 20 "closing after the message box"
cmp -s "$card/setup.cfg" "$SAMPLE/setup.cfg" || fail "Initialize without default.cfg changed setup.cfg"

# --- The clock option: Save writes time.dat from the pickers with the PC's offset ---
fresh_card "$card"
export TZ=Asia/Tokyo
start_app "$card"
click_control "$APP_PID" 2204
# The clock box lies below the page's view: a click on the page's background, then the wheel.
click "$APP_PID" 680 300
xdotool click 5 click 5 click 5
sleep 0.3
eventually control_visible "$APP_PID" 1326 || fail "the clock box is not on the page"
click_control "$APP_PID" 1326
window_shot "$APP_PID" "$SHOTS/system-page-clock.png"
click_control "$APP_PID" 2304
expect_exit "$APP" 20 "Save with the clock option"
line=$(cat "$card/time.dat" 2>/dev/null)
[[ "$line" =~ ^$(date +%Y,%m,%d),[0-9]{2},[0-9]{2},[0-9]{2},\+0900$ ]] || fail "time.dat reads '$line'"
unset TZ

finish
