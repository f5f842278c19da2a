#!/usr/bin/env bash
# Configures and builds. Usage: scripts/build.sh [normal|sanitize]
#   normal    -> build/        (binaries in build/bin)
#   sanitize  -> build-asan/   (AddressSanitizer and UndefinedBehaviorSanitizer)
set -euo pipefail
cd "$(dirname "$0")/.."

kind=${1:-normal}
case "$kind" in
  normal)   dir=build;      flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DZZ_BUILD_BENCH=ON) ;;
  sanitize) dir=build-asan; flags=(-DCMAKE_BUILD_TYPE=Debug -DZZ_SANITIZE=ON) ;;
  *) echo "usage: $0 [normal|sanitize]" >&2; exit 2 ;;
esac

generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
# A compiler cache, where the machine has one, makes rebuilds of other checkouts cheap.
command -v ccache >/dev/null 2>&1 && flags+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S . -B "$dir" "${generator[@]}" "${flags[@]}"
fi
cmake --build "$dir" --parallel "${ZZ_JOBS:-2}"
