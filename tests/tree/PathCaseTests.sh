#!/usr/bin/env bash
# No two paths of the source tree differ only in letter case: a checkout on
# Windows or macOS, whose file systems ignore case, would keep only one.
# Usage: PathCaseTests.sh SOURCE_DIR
set -euo pipefail
cd "$1"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    paths=$(git ls-files)
else
    # An unpacked source archive: every file and folder.
    paths=$(find . -mindepth 1 -not -path './build*' -not -path './.git/*' | sed 's|^\./||')
fi
clashes=$(printf '%s\n' "$paths" | tr '[:upper:]' '[:lower:]' | sort | uniq -d)
if [ -n "$clashes" ]; then
    echo "paths that differ only in letter case:" >&2
    while IFS= read -r clash; do
        printf '%s\n' "$paths" | awk -v c="$clash" 'tolower($0) == c { print "  " $0 }' >&2
    done <<<"$clashes"
    exit 1
fi
echo "$(printf '%s\n' "$paths" | wc -l) paths, none differing only in case"
