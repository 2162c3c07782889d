#!/usr/bin/env bash
# The English translation covers the sources: lupdate run over src/ finds no
# text that translations/tessaline_en.ts lacks or still holds after it left
# the sources, and every text there has its English.
# Usage: TranslationsTests.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
source_dir=$2
ts=$source_dir/translations/tessaline_en.ts
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cp "$ts" "$scratch/tessaline_en.ts"
"$lupdate" -silent -recursive "$source_dir/src" -I "$source_dir/src" -locations none -no-obsolete \
    -ts "$scratch/tessaline_en.ts" >/dev/null 2>"$scratch/lupdate.err" || {
    cat "$scratch/lupdate.err" >&2
    exit 1
}

status=0
if ! diff -u "$ts" "$scratch/tessaline_en.ts" >"$scratch/diff"; then
    echo "translations/tessaline_en.ts is behind the sources; run" \
         "cmake --build build --target update_translations and translate:" >&2
    cat "$scratch/diff" >&2
    status=1
fi
unfinished=$(grep -c 'type="unfinished"' "$scratch/tessaline_en.ts" || true)
if [ "$unfinished" -ne 0 ]; then
    echo "$unfinished text(s) without English:" >&2
    grep -B2 'type="unfinished"' "$scratch/tessaline_en.ts" | grep '<source>' >&2
    status=1
fi
messages=$(grep -c '<message>' "$scratch/tessaline_en.ts" || true)
if [ "$messages" -lt 100 ]; then
    echo "only $messages texts found in the sources: lupdate did not read them" >&2
    status=1
fi
exit $status
