#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Tessaline
# need. Safe to run again: it only calls apt when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # the English interface: lupdate/lrelease for translations/*.ts, and Qt's
  # own translations of its dialog buttons
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  libjpeg-dev libjpeg62-turbo-dev
  fonts-arphic-uming fonts-liberation
  xvfb xauth poppler-utils
  # bench/thread_limit_quality.sh: the photographs and the pipelines it races
  imagemagick mate-backgrounds pngquant
  # bench/decode_floor.sh: djpeg's decode to race, and GNU time for the peaks
  libjpeg-turbo-progs time
  cups cups-client cups-bsd printer-driver-cups-pdf libcups2-dev
  # the installed desktop entry and metainfo are checked
  desktop-file-utils appstream
)

bash "$(dirname "$0")/install-missing.sh" setup "${packages[@]}"
