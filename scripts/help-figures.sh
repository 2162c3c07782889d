#!/usr/bin/env bash
# Takes the user guide's figures from the real program: the windows as an X
# server shows them (Xvfb, xdotool, ImageMagick's import) and the charts as
# `tessaline convert` writes them (pdftoppm), once for each interface
# language, into assets/help/images/<language>/. Run it after a build:
#   scripts/help-figures.sh [build folder]
# The picture is LadyBird.jpg from mate-backgrounds (GPL-2+); see
# assets/help/images/SOURCES.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
program=$(realpath "${1:-build}")/tessaline
picture=/usr/share/backgrounds/mate/nature/LadyBird.jpg
for tool in Xvfb xdotool import convert pdftoppm pngquant; do
    command -v "$tool" >/dev/null || { echo "help-figures: $tool is missing" >&2; exit 1; }
done
[ -x "$program" ] || { echo "help-figures: build the program first ($program)" >&2; exit 1; }
[ -f "$picture" ] || { echo "help-figures: install mate-backgrounds ($picture)" >&2; exit 1; }

work=$(mktemp -d)
display=:${HELP_FIGURES_DISPLAY:-47}
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
unset QT_QPA_PLATFORM
sleep 1

# The visible windows, one id a line.
windows() { xdotool search --onlyvisible --classname '.' 2>/dev/null | sort || true; }
# Waits for a window that was not among $1 and prints its id.
new_window() {
    local before=$1 id
    for _ in $(seq 100); do
        id=$(comm -13 <(echo "$before") <(windows) | tail -n 1)
        if [ -n "$id" ]; then
            sleep 0.7
            echo "$id"
            return
        fi
        sleep 0.1
    done
    echo "help-figures: no new window" >&2
    exit 1
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep "${4:-0.3}"; }
# Saves window $1 as $2, small: PNG with a reduced palette.
shot() {
    import -window "$1" "$work/shot.png"
    if [ $# -gt 2 ]; then
        convert "$work/shot.png" -crop "$3" +repage "$work/shot.png"
    fi
    pngquant --force --quality 60-90 --strip --output "$2" "$work/shot.png"
}

for language in ${HELP_FIGURES_LANGUAGES:-zh_CN en zh_TW}; do
    out=$root/assets/help/images/$language
    mkdir -p "$out"
    case $language in
    zh_CN) lang=zh code=zh ;;
    en) lang=en_US code=en ;;
    zh_TW) lang=zh_TW code=zh_TW ;;
    esac
    run=$work/$language
    mkdir -p "$run"
    cp "$picture" "$run/ladybird.jpg"

    # The main window as a large photo opens: a part at its own size.
    before=$(windows)
    (cd "$run" && exec env LANG=$lang.UTF-8 LANGUAGE= LC_ALL= "$program" ladybird.jpg) \
        >"$work/app.log" 2>&1 &
    app=$!
    main=$(new_window "$before")
    sleep 1
    shot "$main" "$out/main-region.png"

    # The whole picture, a smaller pattern, the effect preview.
    click "$main" 62 390
    for _ in $(seq 24); do click "$main" 68 446 0.05; done
    click "$main" 228 390 3
    shot "$main" "$out/main.png"

    # The settings window, then "照片推荐".
    before=$(windows)
    click "$main" 172 38
    settings=$(new_window "$before")
    shot "$settings" "$out/settings.png"
    click "$settings" 226 492 0.5 # "取消"

    # The generation window with its chart.
    before=$(windows)
    click "$main" 636 42
    generation=$(new_window "$before")
    click "$generation" 40 22 12
    shot "$generation" "$out/generate.png"

    # The final preview, full screen, without the empty screen around it.
    before=$(windows)
    click "$generation" 410 22
    preview=$(new_window "$before")
    import -window "$preview" "$work/preview.png"
    convert "$work/preview.png" -trim +repage -bordercolor '#efefef' -border 8 "$work/preview.png"
    pngquant --force --quality 60-90 --strip --output "$out/final-preview.png" "$work/preview.png"
    click "$preview" 1200 1000 # a click anywhere closes it
    sleep 0.5

    # The colour replacement window.
    before=$(windows)
    xdotool windowraise "$main"
    click "$main" 700 42
    replace=$(new_window "$before")
    # A part of the pattern magnified, a color, a thread, "<－替换".
    click "$replace" 80 60 1.5
    click "$replace" 15 373 0.5
    click "$replace" 591 426 0.5
    click "$replace" 408 388 1.5
    shot "$replace" "$out/replace.png"

    kill "$app"
    wait "$app" 2>/dev/null || true
    app=

    # The charts as the command line writes them, in the guide's language.
    (cd "$run" && "$program" convert ladybird.jpg --width 80 --method 0 --threads 16 \
        --match lab --cleanup --lang "$code" --pdf page.pdf --book book.pdf \
        --finished finished.png >/dev/null 2>&1)
    pdftoppm -r 50 -png -f 1 -l 1 "$run/page.pdf" "$run/page"
    pdftoppm -r 100 -png "$run/book.pdf" "$run/book"
    pages=("$run"/book-*.png)
    # The cover whole and small; a chart page's corner and the key's top
    # at a size that can be read.
    convert "${pages[0]}" -resize 40% "$run/cover.png"
    convert "${pages[1]}" -crop 560x430+0+0 +repage "$run/chart.png"
    convert "${pages[-1]}" -crop 827x480+0+0 +repage "$run/key.png"
    for figure in page-1:chart-page cover:book-cover chart:book-chart key:book-key; do
        pngquant --force --quality 60-90 --strip --output "$out/${figure#*:}.png" \
            "$run/${figure%%:*}.png"
    done
    pngquant --force --quality 60-90 --strip --output "$out/finished.png" "$run/finished.png"
done
echo "help-figures: written to assets/help/images"
