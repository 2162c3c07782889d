#!/usr/bin/env bash
# Decode floor: `tessaline convert` of a large photograph (5640 x 3172 JPEG,
# once baseline and once progressive) to a 230-wide chart with JSON, against
# djpeg's full decode of the same file. The fixed cost is the same
# conversion of the photograph already shrunk to the chart's size: drawing
# and writing the chart, and starting the program.
# Goals, for each photograph: median time at most 1.1 x djpeg's plus the
# fixed cost; peak memory at most 1.2 x djpeg's plus the fixed cost.
#
#   bench/decode_floor.sh [BUILD_DIR]     (default: build; RUNS=7 by default)
# Exits 1 when a goal is missed.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
[[ $build = /* ]] || build=$root/$build
runs=${RUNS:-7}

im=""
for candidate in /usr/bin/convert /usr/bin/convert-im6.q16 "$(command -v magick || true)"; do
    if [[ -n $candidate && -x $candidate ]] && "$candidate" -version 2>/dev/null | grep -q ImageMagick; then
        im=$candidate
        break
    fi
done
for tool in "$im" /usr/bin/time "$(command -v djpeg || true)"; do
    if [[ -z $tool || ! -x $tool ]]; then
        echo "decode_floor: needs ImageMagick, time and djpeg (apt-get install imagemagick time libjpeg-turbo-progs)" >&2
        exit 2
    fi
done
djpeg=$(command -v djpeg)

cmake --build "$build" --target tessaline >/dev/null
tessaline=$build/tessaline

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "making 5640 x 3172 photograph-like JPEGs..."
"$im" -size 1410x793 -seed 11 plasma:fractal -blur 0x1 -resize 5640x3172! \
    -attenuate 0.3 +noise Gaussian -quality 92 "$work/baseline.jpg"
"$im" "$work/baseline.jpg" -interlace JPEG -quality 92 "$work/progressive.jpg"
"$im" "$work/baseline.jpg" -resize 230x -quality 92 "$work/small.jpg"

ms() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}
median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}
peak_mb() {
    /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); printf "%d\n", $2 / 1024 }'
}
convert_cmd() {
    echo env -u DISPLAY -u QT_QPA_PLATFORM "$tessaline" convert "$1" --width 230 \
        -o "$work/chart.bmp" --json "$work/pattern.json"
}
# Median milliseconds of three commands, the runs taking turns so that all
# three see the same machine load.
race() {
    local -n first=$1 second=$2 third=$3
    local a=() b=() c=() i
    "${first[@]}" >/dev/null
    "${second[@]}" >/dev/null
    "${third[@]}" >/dev/null
    for ((i = 0; i < runs; i++)); do
        a+=("$(ms "${first[@]}")")
        b+=("$(ms "${second[@]}")")
        c+=("$(ms "${third[@]}")")
    done
    echo "$(printf '%s\n' "${a[@]}" | median) $(printf '%s\n' "${b[@]}" | median)" \
        "$(printf '%s\n' "${c[@]}" | median)"
}

read -ra small_cmd <<<"$(convert_cmd "$work/small.jpg")"
fixed_mb=$(peak_mb "${small_cmd[@]}")

missed=0
printf '%-12s %10s %10s %10s %10s %10s %10s %10s\n' photo "tess ms" "djpeg ms" "fixed ms" "goal ms" \
    "tess MB" "djpeg MB" "goal MB"
for photo in baseline progressive; do
    read -ra tess_cmd <<<"$(convert_cmd "$work/$photo.jpg")"
    djpeg_cmd=("$djpeg" -outfile /dev/null "$work/$photo.jpg")
    # The fixed cost is raced along, so that all three share the machine's load.
    read -r tess_ms djpeg_ms fixed_ms <<<"$(race tess_cmd djpeg_cmd small_cmd)"
    tess_mb=$(peak_mb "${tess_cmd[@]}")
    djpeg_mb=$(peak_mb "${djpeg_cmd[@]}")
    goal_ms=$(awk -v d="$djpeg_ms" -v f="$fixed_ms" 'BEGIN { printf "%d", 1.1 * d + f }')
    goal_mb=$(awk -v d="$djpeg_mb" -v f="$fixed_mb" 'BEGIN { printf "%d", 1.2 * d + f }')
    printf '%-12s %10s %10s %10s %10s %10s %10s %10s\n' "$photo" "$tess_ms" "$djpeg_ms" \
        "$fixed_ms" "$goal_ms" "$tess_mb" "$djpeg_mb" "$goal_mb"
    if ((tess_ms > goal_ms)); then
        echo "goal missed: $photo takes $tess_ms ms, above $goal_ms ms"
        missed=1
    fi
    if ((tess_mb > goal_mb)); then
        echo "goal missed: $photo peaks at $tess_mb MB, above $goal_mb MB"
        missed=1
    fi
done
echo "fixed cost: the photograph at chart size, $fixed_mb MB at its peak; runs: $runs"
((missed == 0)) && echo "all goals met"
exit "$missed"
