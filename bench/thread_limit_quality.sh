#!/usr/bin/env bash
# Quality race of the thread limit: for each photograph and N = 10, 20, 40,
# the mean CIEDE2000 between the picture at pattern size and
#   - Tessaline: tessaline convert PHOTO --method 0 --threads N --match lab
#   - ImageMagick: convert in.bmp +dither -colors N -remap dmc.ppm
# where in.bmp is the same picture at pattern size (--method 0 --effect) and
# dmc.ppm the 423 DMC threads. Each is measured plain and with picture and
# pattern blurred by one cell (3 x 3 box), i.e. seen from a distance.
# Goal: Tessaline lower on every row. Exits 1 when a row misses it.
#
#   bench/thread_limit_quality.sh [BUILD_DIR]     (default: build)
#
# The photographs come from the Debian package mate-backgrounds (1.26.0-1),
# folder /usr/share/backgrounds/mate/nature, licence GPL-2+ (see
# /usr/share/doc/mate-backgrounds/copyright):
#   Dune.jpg      2007 Marco Cogoni, 2008 Hylke Bons
#   LadyBird.jpg  2008 Charles Barbin
#   Storm.jpg     2008 Sergey Nazarov
#   Wood.jpg      2008 Jean-Francois Fortin Tam
#   FreshFlower.jpg 2005 Jens Ansorg
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
[[ $build = /* ]] || build=$root/$build

photos_dir=/usr/share/backgrounds/mate/nature
photos=(Dune LadyBird Storm Wood FreshFlower)
if [[ ! -d $photos_dir ]]; then
    echo "thread_limit_quality: the photographs are missing (apt-get install mate-backgrounds)" >&2
    exit 2
fi
im=""
for candidate in /usr/bin/convert /usr/bin/convert-im6.q16 "$(command -v magick || true)"; do
    if [[ -n $candidate && -x $candidate ]] && "$candidate" -version 2>/dev/null | grep -q ImageMagick; then
        im=$candidate
        break
    fi
done
if [[ -z $im ]]; then
    echo "thread_limit_quality: ImageMagick is not installed (apt-get install imagemagick)" >&2
    exit 2
fi

cmake --build "$build" --target tessaline dmc_palette_ppm delta_e_compare >/dev/null
tessaline=(env -u DISPLAY -u QT_QPA_PLATFORM "$build/tessaline")
compare=$build/bench/delta_e_compare

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/dmc_palette_ppm" >"$work/dmc.ppm"

printf '%-12s %-8s %3s | %-29s | %-29s | %s\n' photo size N \
    "Tessaline threads, dE00, blur" "ImageMagick colours, dE00, blur" verdict
missed=0
for name in "${photos[@]}"; do
    photo=$photos_dir/$name.jpg
    "${tessaline[@]}" convert "$photo" --method 0 --effect "$work/in.bmp"
    for n in 10 20 40; do
        "${tessaline[@]}" convert "$photo" --method 0 --threads "$n" --match lab --ignore 0 \
            --json "$work/tess.json"
        "$im" "$work/in.bmp" +dither -colors "$n" -remap "$work/dmc.ppm" "$work/im.ppm"
        read -r size threads tess tess_blur colours other other_blur \
            < <("$compare" "$work/tess.json" "$work/im.ppm")
        verdict=better
        if ! awk -v a="$tess" -v b="$other" -v c="$tess_blur" -v d="$other_blur" \
            'BEGIN { exit !(a < b && c < d) }'; then
            verdict=WORSE
            missed=1
        fi
        printf '%-12s %-8s %3d | %7d %9.2f %9.2f   | %7d %9.2f %9.2f   | %s\n' "$name" "$size" \
            "$n" "$threads" "$tess" "$tess_blur" "$colours" "$other" "$other_blur" "$verdict"
    done
done
((missed == 0)) && echo "Tessaline is better on every row"
exit "$missed"
