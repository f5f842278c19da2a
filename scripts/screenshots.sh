#!/usr/bin/env bash
# Renders the main window and each dialog offscreen, at scale 1, into docs/screenshots/*.png,
# the pictures the README shows. Run it after changing a window and commit the PNGs it changes;
# the same sources give the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
[ -f build/CMakeCache.txt ] || scripts/build.sh normal
cmake --build build --target zevazerazu-screenshots --parallel "${ZZ_JOBS:-2}"

# Rendered beside the old pictures first, so that a failed run leaves them as they were.
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 build/bin/zevazerazu-screenshots "$fresh"
mkdir -p docs/screenshots
rm -f docs/screenshots/*.png
cp "$fresh"/*.png docs/screenshots/
