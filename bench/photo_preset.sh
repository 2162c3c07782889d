#!/usr/bin/env bash
# The photo preset's speed on real photographs: each photo shrunk to 230
# stitches wide at full colour, as the thread choice gets it, then the
# generation with 24 threads, CIEDE2000 and the clean-up
# (bench_color_index's BM_PhotoPreset/<photo>). Goal: under 50 ms.
#
#   bench/photo_preset.sh [BUILD_DIR] [benchmark options...]   (default: build)
#
# The photographs come from the Debian package mate-backgrounds, as in
# bench/thread_limit_quality.sh, which names their authors and licence.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
[[ $build = /* ]] || build=$root/$build
shift || true

photos_dir=/usr/share/backgrounds/mate/nature
if [[ ! -d $photos_dir ]]; then
    echo "photo_preset: the photographs are missing (apt-get install mate-backgrounds)" >&2
    exit 2
fi
cmake --build "$build" --target tessaline bench_color_index >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
photos=()
for name in Dune Storm LadyBird FreshFlower; do
    env -u DISPLAY -u QT_QPA_PLATFORM "$build/tessaline" convert "$photos_dir/$name.jpg" \
        --width 230 --method 0 --effect "$work/$name.bmp" >/dev/null
    photos+=("$work/$name.bmp")
done
TESSALINE_BENCH_PHOTOS=$(IFS=:; echo "${photos[*]}") \
    "$build/bench/bench_color_index" --benchmark_filter='PhotoPreset/' "$@"
