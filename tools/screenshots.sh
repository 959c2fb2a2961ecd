#!/bin/sh
# Photographs the splash, every wizard page and every small window under a
# virtual X server, at 1x and at 2x (QT_SCALE_FACTOR=2 on a screen twice as
# large). The program does the photographing itself when STOUPE_SCREENSHOT_DIR
# is set: it walks the pages, grabs each window and quits.
#
# usage: tools/screenshots.sh [build-dir] [output-dir]
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
out=${2:-$build/screenshots}
program=$build/stage/vellamor-stoupe

if [ ! -x "$program" ]; then
    echo "no $program: build the vellamor-stoupe target first" >&2
    exit 1
fi
command -v xvfb-run >/dev/null || { echo "xvfb-run is not installed (package xvfb)" >&2; exit 1; }

for scale in 1 2; do
    dir=$out/${scale}x
    rm -rf "$dir"
    mkdir -p "$dir"
    width=$((1024 * scale))
    height=$((768 * scale))
    timeout 120 xvfb-run -a -s "-screen 0 ${width}x${height}x24" \
        env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale STOUPE_SCREENSHOT_DIR="$dir" \
        "$program"
    count=$(ls "$dir"/*.png 2>/dev/null | wc -l)
    echo "${scale}x: $count pictures in $dir"
done
