#!/bin/sh
# Time from process start to the wizard's loaded state (before the splash
# hold) beside a bare Qt window's start, in the same run on the same machine.
# Both programs print the wall-clock time when they are ready; the script
# takes the time just before starting each and reports the medians.
#
# usage: tools/bench-startup.sh [build-dir] [runs]
# QT_QPA_PLATFORM defaults to offscreen; run under xvfb-run with
# QT_QPA_PLATFORM=xcb to include an X server.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-15}
program=$build/stage/vellamor-stoupe
bare=$build/bench/bench_bare_window
for exe in "$program" "$bare"; do
    [ -x "$exe" ] || { echo "no $exe: build vellamor-stoupe and bench_bare_window" >&2; exit 1; }
done
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

# Prints one start-up time in microseconds.
one() {
    start=$(date +%s%N)
    ready=$(STOUPE_BENCH_LOADED=1 "$1" 2>/dev/null | sed -n 's/^loaded_ns //p')
    [ -n "$ready" ] || { echo "$1 printed no time" >&2; exit 1; }
    echo $(((ready - start) / 1000))
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

one "$bare" >/dev/null # warm the file cache
one "$program" >/dev/null
bare_times=""
wizard_times=""
i=0
while [ $i -lt "$runs" ]; do
    bare_times="$bare_times $(one "$bare")"
    wizard_times="$wizard_times $(one "$program")"
    i=$((i + 1))
done
bare_median=$(echo $bare_times | tr ' ' '\n' | median)
wizard_median=$(echo $wizard_times | tr ' ' '\n' | median)
echo "platform: $QT_QPA_PLATFORM, runs: $runs"
echo "bare Qt window shown:        median $((bare_median / 1000)).$(printf '%03d' $((bare_median % 1000))) ms"
echo "vellamor-stoupe wizard loaded: median $((wizard_median / 1000)).$(printf '%03d' $((wizard_median % 1000))) ms"
