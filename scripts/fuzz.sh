#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build-fuzz/) and runs them.
# Usage: scripts/fuzz.sh TARGET|all SECONDS
#   TARGET   one of tests/fuzz/*.dict without .dict (fuzz_pargen_file, fuzz_composer, ...)
#   all      every target in turn, SECONDS each
# Inputs found are kept in build-fuzz/corpus/TARGET (the seeds stay in tests/fuzz/corpus/TARGET);
# an input that crashes is kept in build-fuzz/artifacts/ and printed as base64, so that a CI
# log shows it. Exits 1 when any target crashed.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -ne 2 ] || ! [[ "$2" =~ ^[0-9]+$ ]]; then
  echo "usage: $0 TARGET|all SECONDS" >&2
  exit 2
fi
what=$1
seconds=$2
dir=build-fuzz

if [ "$what" = all ]; then
  targets=()
  for dict in tests/fuzz/*.dict; do targets+=("$(basename "$dict" .dict)"); done
  build_target=zz_fuzz_targets
else
  if [ ! -f "tests/fuzz/$what.dict" ]; then
    echo "unknown fuzz target: $what" >&2
    exit 2
  fi
  targets=("$what")
  build_target=$what
fi

if [ ! -f "$dir/CMakeCache.txt" ]; then
  flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DZZ_FUZZ=ON -DZZ_BUILD_TESTS=OFF)
  command -v ninja >/dev/null 2>&1 && flags+=(-G Ninja)
  command -v ccache >/dev/null 2>&1 && flags+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  CC=clang CXX=clang++ cmake -S . -B "$dir" "${flags[@]}"
fi
cmake --build "$dir" --target "$build_target" --parallel "${ZZ_JOBS:-2}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p "$dir/artifacts"

failed=()
for target in "${targets[@]}"; do
  echo "== fuzzing $target for $seconds s =="
  mkdir -p "$dir/corpus/$target"
  stamp="$dir/artifacts/.started-$target"
  touch "$stamp"
  # 64 KiB per input keeps the runs on what the readers must handle, well below the size
  # of the deep-nesting inputs that are known to exhaust the stack.
  if ! "$dir/bin/$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -dict="tests/fuzz/$target.dict" -artifact_prefix="$dir/artifacts/$target-" \
        "$dir/corpus/$target" "tests/fuzz/corpus/$target"; then
    failed+=("$target")
    find "$dir/artifacts" -name "$target-*" -newer "$stamp" -type f | while read -r artifact; do
      echo "crash input: $artifact ($(stat -c %s "$artifact") bytes), base64:"
      base64 "$artifact"
    done
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz targets that failed: ${failed[*]}" >&2
  exit 1
fi
