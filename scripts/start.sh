#!/usr/bin/env bash
# Sets up, builds and starts Tessaline. The program works in build/, where
# the start-up picture and the help document are placed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
exec ./tessaline "$@"
