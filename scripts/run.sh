#!/usr/bin/env bash
# Builds the program on a fresh Debian/Ubuntu machine and starts it. Extra arguments go to
# the program, for example --workspace DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh normal
exec build/bin/zevazerazu "$@"
