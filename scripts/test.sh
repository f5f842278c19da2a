#!/usr/bin/env bash
# Builds and runs the whole test suite on a fresh Debian/Ubuntu machine: once in the normal
# build and once with AddressSanitizer and UndefinedBehaviorSanitizer, then runs each fuzz
# target for ZZ_FUZZ_SECONDS (20) seconds; a crash fails the run and its input is printed.
# ZZ_TEST_KINDS="normal" runs only the normal build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

for kind in ${ZZ_TEST_KINDS:-normal sanitize fuzz}; do
  if [ "$kind" = fuzz ]; then
    echo "== fuzz targets =="
    scripts/fuzz.sh all "${ZZ_FUZZ_SECONDS:-20}"
    continue
  fi
  echo "== $kind build =="
  scripts/build.sh "$kind"
  dir=build; [ "$kind" = sanitize ] && dir=build-asan
  ctest --test-dir "$dir" --output-on-failure --parallel "${ZZ_JOBS:-2}" --timeout 300
done

# Install into a temporary prefix, validate the desktop entry and the metainfo, build the .deb.
if [[ " ${ZZ_TEST_KINDS:-normal sanitize} " == *" normal "* ]]; then
  echo "== install and package =="
  scripts/package-check.sh build
fi
