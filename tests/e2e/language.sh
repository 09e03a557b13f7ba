#!/usr/bin/env bash
# The UI language of the real program: picked by the card's language pack and the
# record's language index, or by the companion viewer's setting while the viewer runs.
# Extra argument: the fake viewer program.
. "$(dirname "$0")/lib.sh"
FAKE_VIEWER=$4

viewer_key='HKLM\SOFTWARE\QUORVANTA'
traditional='行車記錄器設定'
french='Paramètres de la dashcam'
english='Dash cam setting'

# make_card FOLDER CODES INDEX PRODUCT: a card whose ver.dat lists CODES and whose
# record selects position INDEX; PRODUCT tells its diagnostics apart.
make_card() {
    mkdir -p "$1/lang"
    printf ' Ver : 1.0.3\r\n Pack Name : Test Pack\r\n Code : %s\r\n Device : M250\r\n' "$2" >"$1/lang/ver.dat"
    make_record "$1/setup.cfg" 544 "$4"
    python3 - "$1/setup.cfg" "$3" <<'PY'
import struct, sys
b = bytearray(open(sys.argv[1], "rb").read())
struct.pack_into("<i", b, 428, int(sys.argv[2]))
open(sys.argv[1], "wb").write(b)
PY
}

# expect_title WHAT CARD PRODUCT TITLE: PRODUCT must be new to this run. Starts the program on CARD and checks the title
# of its window, then closes it.
expect_title() {
    local what=$1 card=$2 product=$3 want=$4 title=""
    "$WINE" "$PROGRAM" "$(wine_path "$card/")" &
    local app=$!
    if ! wait_for_line "Read Product:[$product]"; then
        fail "$what: the card was not loaded"
        kill "$app"
        return
    fi
    local pid
    pid=$(pid_of_line "Read Product:[$product]")
    for _ in $(seq 200); do
        title=$("$WINE" "$E2E_TOOL" title "$pid" | head -1)
        [ -n "$title" ] && break
        sleep 0.05
    done
    [ "$title" = "$want" ] || fail "$what: the title reads '$title', want '$want'"
    # Both tables were parsed, each printing its keys.
    [ "$(lines_of "$pid" | grep -c '^\[IDS_STRING101\] = ')" -eq 2 ] || fail "$what: key lines missing"
    close_windows_of "$pid"
    expect_exit "$app" 20 "$what"
}

"$WINE" reg delete "$viewer_key" /v LANGUAGE /f >/dev/null 2>&1
monitor_start

# 1. The viewer is not running: the pack code at the record's index decides.
make_card "$WORK/hk" "en fr zh-Hant-HK" 2 HK
expect_title "pack code zh-Hant-HK" "$WORK/hk" HK "$traditional"
make_card "$WORK/nl" "en nl zh-Hant-HK" 1 NL
expect_title "pack code nl" "$WORK/nl" NL "$english"
make_card "$WORK/past" "en fr zh-Hant-HK" 3 PAST
expect_title "index past the codes" "$WORK/past" PAST "$english"
make_card "$WORK/negative" "zh-Hant-HK" -1 NEGATIVE
expect_title "negative index" "$WORK/negative" NEGATIVE "$english"

# 2. The viewer runs: its registry setting decides, whatever the card says.
"$WINE" reg add "$viewer_key" /v LANGUAGE /d French /f >/dev/null 2>&1
rm -f "$WORK/viewer.ready"
"$WINE" "$FAKE_VIEWER" "$(wine_path "$WORK/viewer.ready")" &
viewer=$!
for _ in $(seq 200); do [ -f "$WORK/viewer.ready" ] && break; sleep 0.05; done
[ -f "$WORK/viewer.ready" ] || fail "the fake viewer did not start"
make_card "$WORK/viewer-fr" "en fr zh-Hant-HK" 2 VIEWERFR
expect_title "viewer set to French" "$WORK/viewer-fr" VIEWERFR "$french"
"$WINE" reg delete "$viewer_key" /v LANGUAGE /f >/dev/null 2>&1
make_card "$WORK/viewer-unset" "en fr zh-Hant-HK" 1 VIEWERUNSET
expect_title "viewer without a language" "$WORK/viewer-unset" VIEWERUNSET "$english"
"$WINE" "$E2E_TOOL" close-program "$(basename "$FAKE_VIEWER")" >/dev/null
expect_exit "$viewer" 20 "fake viewer"
finish
