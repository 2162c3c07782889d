#!/usr/bin/env bash
# Speed race: `tessaline convert` of a 4000 x 3000 photograph-like JPEG to a
# 230-wide chart (BMP and JSON), against ImageMagick doing only the colour
# mapping to the 423 DMC threads that a user would otherwise script.
# Goals: conversion faster than the mapping alone (ratio below 1.0), median
# at most 400 ms, peak memory at most 300 MB.
#
#   bench/speed_race.sh [BUILD_DIR]     (default: build; RUNS=9 by default)
# Exits 1 when a goal is missed.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
[[ $build = /* ]] || build=$root/$build
runs=${RUNS:-9}

# The real ImageMagick, not a wrapper of the same name earlier on PATH.
im=""
for candidate in /usr/bin/convert /usr/bin/convert-im6.q16 "$(command -v magick || true)"; do
    if [[ -n $candidate && -x $candidate ]] && "$candidate" -version 2>/dev/null | grep -q ImageMagick; then
        im=$candidate
        break
    fi
done
if [[ -z $im ]]; then
    echo "speed_race: ImageMagick is not installed (apt-get install imagemagick)" >&2
    exit 2
fi
if [[ ! -x /usr/bin/time ]]; then
    echo "speed_race: /usr/bin/time is missing (apt-get install time)" >&2
    exit 2
fi

cmake --build "$build" --target tessaline dmc_palette_ppm >/dev/null
tessaline=$build/tessaline
palette_tool=$build/bench/dmc_palette_ppm

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "making a 4000 x 3000 photograph-like JPEG..."
"$im" -size 1000x750 -seed 7 plasma:fractal -blur 0x2 -resize 4000x3000! \
    -attenuate 0.4 +noise Gaussian -quality 90 "$work/in.jpg"
"$palette_tool" >"$work/dmc.ppm"

tess_cmd=(env -u DISPLAY -u QT_QPA_PLATFORM "$tessaline" convert "$work/in.jpg" --width 230
          -o "$work/chart.bmp" --json "$work/pattern.json")
im_cmd=("$im" "$work/in.jpg" -resize 230x +dither -remap "$work/dmc.ppm" "$work/mapped.png")

# Milliseconds of one run.
time_ms() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

# One warm-up each, then the two take turns so that both see the same
# machine load.
"${tess_cmd[@]}" >/dev/null
"${im_cmd[@]}" >/dev/null
tess_times=()
im_times=()
for ((i = 0; i < runs; i++)); do
    tess_times+=("$(time_ms "${tess_cmd[@]}")")
    im_times+=("$(time_ms "${im_cmd[@]}")")
done
tess_median=$(printf '%s\n' "${tess_times[@]}" | median)
im_median=$(printf '%s\n' "${im_times[@]}" | median)
ratio=$(awk -v a="$tess_median" -v b="$im_median" 'BEGIN { printf "%.2f", a / b }')

peak_kb() {
    /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); print $2 }'
}
tess_peak=$(peak_kb "${tess_cmd[@]}")
im_peak=$(peak_kb "${im_cmd[@]}")

echo "runs:                     $runs"
echo "tessaline convert:        ${tess_times[*]} ms"
echo "ImageMagick mapping:      ${im_times[*]} ms"
echo "median tessaline:         ${tess_median} ms"
echo "median ImageMagick:       ${im_median} ms"
echo "ratio (tessaline / IM):   ${ratio}"
echo "peak memory tessaline:    $((tess_peak / 1024)) MB"
echo "peak memory ImageMagick:  $((im_peak / 1024)) MB"

missed=0
if ! awk -v r="$ratio" 'BEGIN { exit !(r < 1.0) }'; then
    echo "goal missed: ratio ${ratio} is not below 1.0"
    missed=1
fi
if ((tess_median > 400)); then
    echo "goal missed: median ${tess_median} ms is above 400 ms"
    missed=1
fi
if ((tess_peak > 300 * 1024)); then
    echo "goal missed: peak memory $((tess_peak / 1024)) MB is above 300 MB"
    missed=1
fi
((missed == 0)) && echo "all goals met"
exit "$missed"
