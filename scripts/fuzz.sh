#!/usr/bin/env bash
# Builds the fuzz targets (clang, sanitizers on) in build-fuzz and runs each for
# SECONDS (default 60) from its seed corpus, after replaying every input kept
# in fuzz/regressions/. New inputs a run finds go to build-fuzz/corpus, never
# into the tree. Fails when a target crashes. Usage: fuzz.sh [SECONDS [TARGET...]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_saved_state fuzz_panel_events fuzz_render fuzz_strings fuzz_readers)

build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTONESCOPE_FUZZ=ON -DTONESCOPE_TESTS=OFF -DTONESCOPE_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for t in "${targets[@]}"; do
  program="$build/fuzz/$t"
  regressions="$root/fuzz/regressions/$t"
  if [ -d "$regressions" ] && [ -n "$(ls -A "$regressions")" ]; then
    echo "== $t: replaying $(ls "$regressions" | wc -l) kept input(s)"
    "$program" -runs=0 "$regressions"/*
  fi
  scratch="$build/corpus/$t"
  mkdir -p "$scratch" "$build/crashes/$t"
  echo "== $t: fuzzing for $seconds s"
  "$program" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/crashes/$t/" "$scratch" "$root/fuzz/corpus/$t"
done
