#!/usr/bin/env bash
# `cmake --install` into a temporary prefix: every file where the desktop and
# the program look for it, the desktop entry and the metainfo valid, and the
# installed program working from there without writing into its prefix.
#   InstallLayoutTests.sh BUILD_FOLDER INSTALLED_PROGRAM_TESTS
set -uo pipefail
build=$(realpath "$1")
probe=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
id=org.tessaline.Tessaline
failures=0
fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }

if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log" >&2
    echo "FAILED: cmake --install" >&2
    exit 1
fi

# The exact layout: every file the build made for the program, nothing else.
expected=(bin/tessaline share/tessaline/logo.dll
          share/applications/$id.desktop share/metainfo/$id.metainfo.xml
          share/icons/hicolor/scalable/apps/$id.svg share/man/man1/tessaline.1)
for size in 16 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x$size/apps/$id.png")
done
# Help documents and compiled translations keep their place beside the program.
shopt -s nullglob
documents=("$build"/*.mht)
shared=("${documents[@]}" "$build"/*.qm "$build"/translations/*.qm)
shopt -u nullglob
[[ ${#documents[@]} -gt 0 ]] || fail "the build made no help document"
for file in "${shared[@]}"; do
    name=${file#"$build"/}
    expected+=("share/tessaline/$name")
    cmp -s "$file" "$prefix/share/tessaline/$name" || fail "$name differs"
done
for category in 动漫 美女 汽车 星座 动物 风景 艺术; do
    [[ -f $build/$category/来源与许可.txt ]] || fail "the build made no $category samples"
    while IFS= read -r -d '' sample; do
        expected+=("share/tessaline/$category/${sample##*/}")
    done < <(find "$build/$category" -maxdepth 1 -type f -print0)
    diff -r "$build/$category" "$prefix/share/tessaline/$category" >&2 || fail "$category differs"
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) >&2 ||
    fail "installed files differ from the expected layout (< expected, > installed)"
[[ -x $prefix/bin/tessaline ]] || fail "bin/tessaline is not executable"
# The PNG header's width and height.
[[ $(od -An -tx1 -j12 -N12 "$prefix/share/icons/hicolor/48x48/apps/$id.png" | tr -d ' \n') == 494844520000003000000030 ]] ||
    fail "the 48x48 icon is not a 48 x 48 PNG"

# What the desktop reads.
desktop-file-validate "$prefix/share/applications/$id.desktop" >&2 || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >&2 ||
    fail "appstreamcli validate"
grep -qx "Exec=tessaline --desktop %f" "$prefix/share/applications/$id.desktop" ||
    fail "the desktop entry does not start tessaline --desktop with the file"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the desktop entry names another icon"
# The window class is the program's application name, "Tessaline" (app/Main.cpp).
grep -qx "StartupWMClass=Tessaline" "$prefix/share/applications/$id.desktop" ||
    fail "the desktop entry names another window class"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$prefix/share/metainfo/$id.metainfo.xml" || fail "the metainfo names another desktop entry"

# The installed program, run from a folder of the user's, writes there only.
touch "$work/before"
sleep 1
mkdir "$work/user"
cp "$prefix/share/tessaline/logo.dll" "$work/user/photo.bmp"
(cd "$work/user" && HOME=$work/user "$prefix/bin/tessaline" convert photo.bmp --width 40 -o chart.png) >&2 ||
    fail "the installed tessaline convert"
[[ -s $work/user/chart.png ]] || fail "the installed tessaline convert wrote no chart"
HOME=$work/user TESSALINE_INSTALL_PREFIX=$prefix "$probe" >&2 || fail "the installed program's data"
written=$(find "$prefix" -newer "$work/before")
[[ -z $written ]] || fail "written into the installation: $written"

if [[ $failures -gt 0 ]]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installed layout checked: ${#expected[@]} files"
