#!/usr/bin/env bash
# The Format command end to end under Wine: format_driver runs it on a folder mapped as
# the removable drive E:, with doubles of the system's fmifs.dll and of the companion
# viewer. The driver, the viewer and FormatEx write what they see into one log, in order.
# Arguments after lib.sh's three: DRIVER VIEWER FMIFS FMIFS_WITHOUT_ENTRY TEXT_TABLE.
E2E_PREFIX=wineprefix-format
. "$(dirname "$0")/lib.sh"
DRIVER=$4
VIEWER=$5
FMIFS=$6
FMIFS_WITHOUT_ENTRY=$7
TEXTS=$(wine_path "$8")

log=$WORK/log.txt
export FORMAT_TEST_LOG
FORMAT_TEST_LOG=$(wine_path "$log")
program=$WORK/program
card=$WORK/card
original=$WORK/original
system_fmifs=$WINEPREFIX/drive_c/windows/system32/fmifs.dll
mkdir -p "$program" "$card"
cp "$DRIVER" "$program/format_driver.exe"
# Beside the program, where an attacker could put it: it must never be the one loaded.
cp "$FMIFS" "$program/fmifs.dll"
cp "$FMIFS" "$system_fmifs"
wine_map_drive e "$card" floppy

question='box Formatting memory card: Caution: All data will be deleted, if you format the memory card.\r\nSelect (Yes) to format or select (No) to cancel.\r\n'
popup='popup Formatting memory card: Formatting memory card.\r\nPlease wait.\r\n'
completed='box Formatting memory card: Memory card format completed'
failed='box Formatting memory card: Cannot format the memory card.\r\nIt is currently being used by Dash cam Viewer or another program.\r\n'
small_format='fmifs: FormatEx root=E:\ media=11 fs=FAT32 label=[] quick=1 cluster=32768 from=C:\windows\system32\fmifs.dll'
large_format='fmifs: FormatEx root=E:\ media=11 fs=exfat label=[] quick=1 cluster=0 from=C:\windows\system32\fmifs.dll'
kept_and_program=$(printf '%s\n' ./format_driver.exe ./lang/ver.dat ./setup.cfg)

files_of() { (cd "$1" && find . -type f | sort); }
sums_of() { (cd "$1" && find . -type f -print0 | sort -z | xargs -0 md5sum); }

# A card with the camera's files, a recording and the language pack; a copy in $original.
make_card() {
    rm -rf "${card:?}"/* "$original"
    mkdir -p "$card/lang" "$card/DCIM"
    make_record "$card/setup.cfg" 544 CARD
    make_record "$card/default.cfg" 544 FACTORY
    printf 'LANGPACK=1\r\n' >"$card/lang/ver.dat"
    printf 'text' >"$card/lang/english.txt"
    printf 'clock' >"$card/time.dat"
    head -c 4096 /dev/urandom >"$card/DCIM/rec0001.avi"
    rm -f "$program/setup.cfg" "$program/default.cfg" "$program/ver.dat"
    : >"$log"
}
snapshot() { cp -r "$card" "$original"; }

start_viewer() {
    "$WINE" "$VIEWER" "$@" >/dev/null 2>&1 &
    viewer_pid=$!
    wait_for_log 'viewer: ready' || fail "the viewer double did not start"
}
stop_viewer() {
    "$WINE" "$E2E_TOOL" close-program viewer_double.exe >/dev/null
    wait "$viewer_pid"
}

wait_for_log() {
    for _ in $(seq 200); do
        grep -qxF -- "$1" "$log" 2>/dev/null && return 0
        sleep 0.05
    done
    return 1
}
has() { grep -qxF -- "$1" "$log"; }
lacks() { ! grep -qF -- "$1" "$log"; }
line_of() { grep -nxF -- "$1" "$log" | head -1 | cut -d: -f1; }
# in_order LINE...: every line is in the log, each after the one before.
in_order() {
    local previous=0 at
    for line in "$@"; do
        at=$(line_of "$line")
        [ -n "$at" ] && [ "$at" -gt "$previous" ] || return 1
        previous=$at
    done
}
progress() { grep '^progress ' "$log" | cut -d' ' -f2 | paste -sd' '; }

# run_format CASE ANSWER SIZE_MIB [WAIT_MS] [CARD_ROOT] [PROGRAM]
run_format() {
    local name=$1 answer=$2 size=$3 wait=${4:-20000} root=${5:-'E:\'} exe=${6:-$program/format_driver.exe}
    timeout 120 "$WINE" "$exe" "$root" "$TEXTS" "$answer" "$size" "$wait" >/dev/null 2>&1
    has 'driver: done' || fail "$name: the Format command did not return"
}

expect() {
    local name=$1
    shift
    "$@" || fail "$name: $* failed; log:
$(cat "$log")"
}

# 1. Answering No: no viewer message, no file kept, nothing formatted.
make_card
snapshot
start_viewer answer 'QUORVANTA DASHCAM PC VIEWER'
run_format "no" no 32000
stop_viewer
expect "no" has "$question"
expect "no" lacks 1123
expect "no" lacks FormatEx
expect "no" [ "$(sums_of "$card")" = "$(sums_of "$original")" ]
expect "no" [ -z "$(ls "$program" | grep -v -e format_driver.exe -e fmifs.dll)" ]

# 2. A card of exactly 60000 MiB with the viewer under its other title: the viewer lets go
#    before the format, which is FAT32; progress 20, 40, 60, then 100; exactly the kept
#    files and the program come back. The card has no default.cfg, and one left in the
#    program folder by another card must not come onto it.
make_card
rm "$card/default.cfg"
snapshot
printf 'another card' >"$program/default.cfg"
start_viewer answer Pelorvane
run_format "60000 MiB" yes 60000
stop_viewer
expect "60000 MiB" in_order "$question" 'viewer Pelorvane: 1123 0 0' 'viewer: released' "$small_format" \
    'fmifs: callback answers 1 1 1 1 1' "$completed"
# The popup shows once its worker has started, so its line may come before or after the format's.
expect "60000 MiB" in_order "$popup" "$completed"
expect "60000 MiB" has 'viewer: driver responsive=1'
expect "60000 MiB" [ "$(progress)" = "0 20 40 60 100" ]
expect "60000 MiB" [ "$(files_of "$card")" = "$kept_and_program" ]
expect "60000 MiB" cmp -s "$card/setup.cfg" "$original/setup.cfg"
expect "60000 MiB" cmp -s "$card/lang/ver.dat" "$original/lang/ver.dat"
expect "60000 MiB" cmp -s "$card/format_driver.exe" "$DRIVER"
expect "60000 MiB" lacks WM_DEVICECHANGE

# 3. Above 60000 MiB, the viewer with both windows: 1123 goes to its main window, the card
#    gets exFAT with the default cluster size, and "Pelorvane" hears of the new device.
make_card
snapshot
start_viewer answer 'QUORVANTA DASHCAM PC VIEWER' Pelorvane
run_format "60001 MiB" yes 60001
wait_for_log 'viewer Pelorvane: WM_DEVICECHANGE 0 0'
stop_viewer
expect "60001 MiB" in_order 'viewer QUORVANTA DASHCAM PC VIEWER: 1123 0 0' "$large_format" "$completed" \
    'viewer Pelorvane: WM_DEVICECHANGE 0 0'
expect "60001 MiB" lacks 'viewer Pelorvane: 1123'
expect "60001 MiB" lacks 'VIEWER: WM_DEVICECHANGE'
expect "60001 MiB" [ "$(files_of "$card")" = "$(printf '%s\n' ./default.cfg ./format_driver.exe ./lang/ver.dat ./setup.cfg)" ]
expect "60001 MiB" cmp -s "$card/default.cfg" "$original/default.cfg"

# 4. The service reports done with failure: the bar drops to 0, the failure text is shown,
#    and the kept files still come back.
make_card
FMIFS_DOUBLE_MODE=fail run_format "failure" yes 32000
expect "failure" in_order "$small_format" 'fmifs: callback answers 1 1 1 1 1' "$failed"
expect "failure" [ "$(progress)" = "0 20 40 60 0" ]
expect "failure" lacks "$completed"
expect "failure" [ -f "$card/setup.cfg" -a -f "$card/default.cfg" -a -f "$card/lang/ver.dat" ]

# 5. The service never reports done: a failure, not a success.
make_card
FMIFS_DOUBLE_MODE=nodone run_format "no done" yes 32000
expect "no done" in_order "$small_format" 'fmifs: callback answers 1 1 1 1' "$failed"
expect "no done" [ "$(progress)" = "0 20 40 60 0" ]

# 6. A viewer that never signals: the window keeps answering while it waits, and after the
#    bound the format goes ahead and reports its own result.
make_card
start_viewer silent Pelorvane
run_format "silent viewer" yes 32000 2000
stop_viewer
expect "silent viewer" in_order 'viewer Pelorvane: 1123 0 0' 'viewer: driver responsive=1' "$small_format" "$completed"
expect "silent viewer" lacks 'viewer: released'

# 7. No fmifs.dll in the system folder: the service message, then a failed format that
#    erased nothing. The copy beside the program is not loaded.
make_card
snapshot
rm -f "$system_fmifs"
run_format "no library" yes 32000
expect "no library" in_order 'box format_driver: LoadLibrary(fmifs.dll) failed' "$failed"
expect "no library" lacks FormatEx
expect "no library" [ "$(progress)" = "0 0" ]
expect "no library" [ "$(files_of "$card")" = "$( (files_of "$original"; echo ./format_driver.exe) | sort)" ]

# 8. A fmifs.dll without FormatEx.
make_card
cp "$FMIFS_WITHOUT_ENTRY" "$system_fmifs"
run_format "no entry" yes 32000
expect "no entry" in_order 'box format_driver: GetProcAddress(fmifs) failed' "$failed"
cp "$FMIFS" "$system_fmifs"

# 9. The program itself runs from the card: refused with a message; the viewer is not
#    disturbed and nothing is touched.
make_card
cp "$DRIVER" "$card/format_driver.exe"
snapshot
start_viewer answer Pelorvane
run_format "program on the card" yes 32000 20000 'E:\' 'E:\format_driver.exe'
stop_viewer
expect "program on the card" in_order "$question" \
    'box Formatting memory card: Formatting stopped: this program runs from E:\ and would erase itself.'
expect "program on the card" lacks 1123
expect "program on the card" lacks FormatEx
expect "program on the card" [ "$(sums_of "$card")" = "$(sums_of "$original")" ]

# 10. A card folder on a fixed drive: after the question, nothing at all.
fixed=$WORK/fixed
mkdir -p "$fixed"
make_record "$fixed/setup.cfg" 544 FIXED
: >"$log"
run_format "fixed drive" yes 32000 20000 "$(wine_path "$fixed")\\"
expect "fixed drive" [ "$(grep -c '' "$log")" = 2 ]
expect "fixed drive" has "$question"
expect "fixed drive" [ "$(files_of "$fixed")" = ./setup.cfg ]

finish
