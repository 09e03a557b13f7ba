#!/usr/bin/env bash
# How long the program takes to start, against a trivial Windows program started the same
# way in the same run (Wine's own launch cost). Needs the Windows tree built (./test).
#   tools/bench/startup.sh [RUNS]
set -u
cd "$(dirname "$0")/../.."
. tools/wine-env.sh
runs=${1:-10}
build=build/win
wine_prepare "$build/wineprefix-bench" null
wine_start_server
program=$build/src/DashcamSetting.exe
tool=$build/tests/e2e_tool.exe
card=$(mktemp -d)
cp -r tests/fixtures/sample-card/. "$card"

now() { date +%s.%N; }
mean() { awk -v t="$1" -v n="$runs" 'BEGIN { printf "%.3f", t / n }'; }

measure() {  # measure NAME COMMAND...: the mean wall time of COMMAND over the runs
    local start total=0
    for _ in $(seq "$runs"); do
        start=$(now)
        "$@" >/dev/null 2>&1
        total=$(awk -v a="$total" -v s="$start" -v e="$(now)" 'BEGIN { print a + e - s }')
    done
    mean "$total"
}

# The program on a card until its window is built: a close request is sent as soon as a
# window of the program exists, and the run ends when the program has gone.
open_card_and_close() {
    "$WINE" "$program" "$(wine_path "$card/")" &
    local app=$!
    while kill -0 "$app" 2>/dev/null; do
        "$WINE" "$tool" close-program DashcamSetting.exe >/dev/null 2>&1
    done
    wait "$app"
}

base=$(measure "$WINE" "$tool")
quit=$(measure "$WINE" "$program")
full=$(measure open_card_and_close)
wine_stop_server
rm -rf "$card"
awk -v b="$base" -v q="$quit" -v f="$full" 'BEGIN {
    printf "trivial program:              %s s (1.00)\n", b
    printf "program, no card (quits):     %s s (%.2f)\n", q, q / b
    printf "program, sample card, window: %s s (%.2f)\n", f, f / b
}'
