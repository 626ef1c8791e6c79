#!/usr/bin/env bash
# Sets everything up and runs every test: the debug build, then the sanitizer build, then
# each file reader's fuzzer for a bounded time when clang is present.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps

for preset in dev asan; do
  echo "== $preset build"
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

if ! command -v clang++ >/dev/null; then
  echo "== no clang++: fuzzers skipped"
  exit 0
fi

echo "== fuzz build"
cmake --preset fuzz
cmake --build --preset fuzz
fuzz_seconds="${CORVANTH_FUZZ_SECONDS:-20}"
for fuzzer in games_played game_result score_table settings; do
  corpus="build/fuzz/corpus/$fuzzer"
  log="build/fuzz/$fuzzer.log"
  mkdir -p "$corpus"
  echo "== fuzzing $fuzzer for $fuzz_seconds s"
  # New inputs go to the build tree's corpus; the seeds in the source tree stay as they are.
  if ! "build/fuzz/run/${fuzzer}_fuzz" -max_total_time="$fuzz_seconds" -print_final_stats=1 \
      -artifact_prefix="build/fuzz/$fuzzer-" "$corpus" "tests/fuzz/seeds/$fuzzer" >"$log" 2>&1; then
    cat "$log"
    echo "== $fuzzer failed; the input that broke it is in build/fuzz/$fuzzer-*"
    exit 1
  fi
  grep -E '^Done [0-9]+ runs' "$log"
done
