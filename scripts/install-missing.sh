#!/usr/bin/env bash
# Installs those of the Debian packages named that are not installed yet, so
# a script can be run again at no cost. Usage: install-missing.sh WHO PACKAGE...
# (WHO names the caller in the message when root is needed).
set -euo pipefail
who=$1
shift

missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "$who: these packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
