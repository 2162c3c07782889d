#!/usr/bin/env bash
# The engine on Windows, checked on Debian: installs mingw-w64 and Wine
# (64-bit only), cross-compiles the Qt-free modules (tessaline_system,
# tessaline_engine) and their tests for x86_64 Windows into build-windows/,
# with GoogleTest built from Debian's sources, and runs the tests under Wine.
# Extra arguments go to the CMake configure step.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build
  # the x86_64 cross compiler with the posix thread model (std::thread)
  g++-mingw-w64-x86-64-posix
  # 64-bit Wine alone: the tests are 64-bit programs
  wine wine64
  # GoogleTest's sources, built with the cross compiler
  googletest
)
bash scripts/install-missing.sh windows-engine "${packages[@]}"

start=$(date +%s)
cmake --preset windows-engine "$@"
cmake --build build-windows -j"$(nproc)"
built=$(date +%s)

# Wine keeps its Windows (registry, C: drive) in a folder of the build, made
# on first use; the 32-bit loader is not installed and not needed.
export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -d "$WINEPREFIX" ] || wineboot --init >/dev/null 2>&1
status=0
ctest --test-dir build-windows --output-on-failure -j"$(nproc)" || status=$?
finished=$(date +%s)

# GoogleTest's own summary, for each executable and in all.
log=build-windows/Testing/Temporary/LastTest.log
echo
echo "GoogleTest under Wine:"
total=0
while read -r name; do
  passed=$(awk -v exe="$name" '
    /^[0-9]+\/[0-9]+ Test: / { current = $3 }
    current == exe && /^\[  PASSED  \]/ { print $4 }' "$log")
  echo "  $name: ${passed:-0} passed"
  total=$((total + ${passed:-0}))
done < <(grep -E '^[0-9]+/[0-9]+ Test: ' "$log" | awk '{print $3}' | sort -u)
echo "  in all: $total test cases passed"
echo "windows-engine: built in $((built - start)) s, tests ran in $((finished - built)) s under Wine"
exit "$status"
