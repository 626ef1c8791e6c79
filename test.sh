#!/usr/bin/env bash
# Sets everything up and runs every test: the debug build, then the sanitizer build, then a
# release built from scratch as a packager builds it, then each file reader's fuzzer for a
# bounded time when clang is present.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps test

# The dev tests leave out the end-to-end ones, which run under the sanitizers (the presets say so).
for preset in dev asan; do
  echo "== $preset build ($SECONDS s so far)"
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

# No preset: CMake's default generator on Linux (Unix Makefiles, named so that a
# CMAKE_GENERATOR in the environment cannot change it), the default options (no tests, no
# benchmarks) and two jobs, from an empty tree, so a missing dependency between targets fails
# here rather than on a packager's machine.
echo "== release build from scratch, Unix Makefiles ($SECONDS s so far)"
rm -rf build/release-make
cmake -S . -B build/release-make -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release
cmake --build build/release-make -j2
# The release checks the replay a release build recorded to the states the debug and the
# sanitizer builds checked it to.
bash tests/tools/check_replay_fixture.sh build/release-make/run/crvsim

if ! command -v clang++ >/dev/null; then
  echo "== no clang++: fuzzers skipped"
  exit 0
fi

echo "== fuzz build ($SECONDS s so far)"
cmake --preset fuzz
cmake --build --preset fuzz
fuzz_seconds="${CORVANTH_FUZZ_SECONDS:-20}"
# Two at a time, one a core: each pair starts once the one before has ended.
fuzzers=(games_played game_result replay score_table settings)
for ((first = 0; first < ${#fuzzers[@]}; first += 2)); do
  pids=()
  pair=("${fuzzers[@]:first:2}")
  for fuzzer in "${pair[@]}"; do
    corpus="build/fuzz/corpus/$fuzzer"
    mkdir -p "$corpus"
    echo "== fuzzing $fuzzer for $fuzz_seconds s"
    # New inputs go to the build tree's corpus; the seeds in the source tree stay as they are.
    "build/fuzz/run/${fuzzer}_fuzz" -max_total_time="$fuzz_seconds" -print_final_stats=1 \
      -artifact_prefix="build/fuzz/$fuzzer-" "$corpus" "tests/fuzz/seeds/$fuzzer" \
      >"build/fuzz/$fuzzer.log" 2>&1 &
    pids+=($!)
  done
  failed=0
  for i in "${!pair[@]}"; do
    log="build/fuzz/${pair[i]}.log"
    if wait "${pids[i]}"; then
      grep -E '^Done [0-9]+ runs' "$log"
    else
      cat "$log"
      echo "== ${pair[i]} failed; the input that broke it is in build/fuzz/${pair[i]}-*"
      failed=1
    fi
  done
  [ "$failed" -eq 0 ] || exit 1
done
echo "== all stages passed in $SECONDS s"
