#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, only those that are missing.
set -euo pipefail

packages=(build-essential cmake ninja-build pkg-config qt6-base-dev libpugixml-dev libgtest-dev googletest libbenchmark-dev)
# Install and package: PNG icons from the SVG, validators of the desktop entry and metainfo, the .deb tools.
packages+=(librsvg2-bin desktop-file-utils appstream dpkg-dev file)
# The fuzz targets in tests/fuzz (scripts/fuzz.sh): clang and its libFuzzer.
packages+=(clang libfuzzer-14-dev)
# The SVG icon engine and image plugins (libqsvgicon.so, libqsvg.so) that draw the program's icons.
packages+=(libqt6svg6)
# The screenshots (scripts/screenshots.sh): DejaVu Sans, which "Verdana" and sans-serif resolve to.
packages+=(fonts-dejavu-core)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  run() { "$@"; }
elif command -v sudo >/dev/null 2>&1; then
  run() { sudo "$@"; }
else
  echo "Missing packages (${missing[*]}) and neither root nor sudo is available." >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
if ! run apt-get install -y --no-install-recommends "${missing[@]}"; then
  run apt-get update
  run apt-get install -y --no-install-recommends "${missing[@]}"
fi
