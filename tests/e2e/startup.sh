#!/usr/bin/env bash
# Start-up decisions of the real program: the hand-over from the card to a local copy,
# a card folder argument, and the starts that must quit at once.
. "$(dirname "$0")/lib.sh"

load_banner='\n\nZentrova Setting loading...\n'
monitor_start

# 1. A card folder argument: setup.cfg is loaded with its diagnostics, the window stays.
mkdir -p "$WORK/fixed card"
make_record "$WORK/fixed card/setup.cfg" 544 M250
"$WINE" "$PROGRAM" "$(wine_path "$WORK/fixed card/")" &
app=$!
if wait_for_line "$load_banner"; then
    pid=$(pid_of_line "$load_banner")
    # The text tables print each key they store; those lines are checked elsewhere.
    got=$(record_lines_of "$pid")
    want=$(printf '%s\n' "$load_banner" 'Read Product:[M250], Config Ver.:[1.2], CheckSum:[544], Read Size:[544]\n')
    [ "$got" = "$want" ] || fail "card folder argument: diagnostics differ:
$got"
    wait_for_window "$pid" || fail "card folder argument: no window shown"
    close_windows_of "$pid"
    expect_exit "$app" 20 "card folder argument"
else
    fail "card folder argument: setup.cfg was not loaded"
    kill "$app"
fi

# 1b. No setup.cfg: the factory defaults are loaded instead.
mkdir -p "$WORK/defaults only"
make_record "$WORK/defaults only/default.cfg" 544 FACTORY
"$WINE" "$PROGRAM" "$(wine_path "$WORK/defaults only/")" &
app=$!
if wait_for_line 'Read Product:[FACTORY]'; then
    pid=$(pid_of_line 'Read Product:[FACTORY]')
    want=$(printf '%s\n' 'Warning Zentrova Setting not found !\n' "$load_banner" \
        'Read Product:[FACTORY], Config Ver.:[1.2], CheckSum:[544], Read Size:[544]\n')
    [ "$(record_lines_of "$pid")" = "$want" ] || fail "defaults only: diagnostics differ: $(record_lines_of "$pid")"
    close_windows_of "$pid"
    expect_exit "$app" 20 "defaults only"
else
    fail "defaults only: default.cfg was not loaded"
    kill "$app"
fi

# 2. No argument, and two arguments: quit at once without touching any card.
"$WINE" "$PROGRAM" &
expect_exit $! 20 "no argument"
"$WINE" "$PROGRAM" "$(wine_path "$WORK/fixed card/")" extra &
expect_exit $! 20 "two arguments"
[ "$(grep -c 'Zentrova' "$MONITOR_OUT")" -eq 3 ] || fail "a start without one argument read the card"

# 3. Started from a removable drive, in a folder with a blank: the program copies itself
#    under the local application data, starts the copy with that folder, and quits.
card=$WORK/removable
mkdir -p "$card/My Card"
cp "$PROGRAM" "$card/My Card/DashcamSetting.exe"
make_record "$card/My Card/setup.cfg" 544 CARD
wine_map_drive e "$card" floppy
monitor_stop
monitor_start
appdata="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Pelorvane"
rm -f "$appdata/DashcamSetting.exe"
"$WINE" 'E:\My Card\DashcamSetting.exe' &
expect_exit $! 20 "start from the card"
copy='C:\\users\\'"$(id -un)"'\\AppData\\Local\\Pelorvane\\DashcamSetting.exe'
if wait_for_line "$copy"; then
    first=$(pid_of_line "$copy")
    want=$(printf '%s\n' "$copy" 'E:\\My Card\\' 'C:\\')
    [ "$(lines_of "$first")" = "$want" ] || fail "relaunch lines differ: $(lines_of "$first")"
else
    fail "the program on the card did not relaunch"
fi
cmp -s "$PROGRAM" "$appdata/DashcamSetting.exe" || fail "the local copy is missing or differs"
if wait_for_line 'Read Product:[CARD]'; then
    copy_pid=$(pid_of_line 'Read Product:[CARD]')
    [ "$copy_pid" != "${first:-}" ] || fail "the card was loaded by the first instance, not the copy"
    close_windows_of "$copy_pid"
else
    fail "the copy did not load the card folder with the blank in it"
fi
sleep 0.5
wine_map_drive e "$card" hd
rm -f "$WINEPREFIX/dosdevices/e:"
finish
