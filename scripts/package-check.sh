#!/usr/bin/env bash
# Installs a build into a temporary prefix, validates the desktop entry and the metainfo there,
# then builds the Debian package and lists its contents. Usage: scripts/package-check.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix"
desktop-file-validate "$prefix"/share/applications/*.desktop
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml
for size in 16 22 24 32 48 64 128 256; do
  file "$prefix"/share/icons/hicolor/${size}x${size}/apps/*.png | grep -q "PNG image data, $size x $size" ||
    { echo "missing or wrong ${size} pixel icon" >&2; exit 1; }
done

(cd "$build" && cpack -G DEB)
deb=$(ls -t "$build"/zevazerazu_*.deb | head -n 1)
dpkg-deb --info "$deb"
dpkg-deb -c "$deb"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6svg6' || { echo "the package does not depend on the SVG icon engine" >&2; exit 1; }
