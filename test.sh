#!/usr/bin/env bash
# Sets everything up and runs every test: the debug build and its tests, a release built from
# scratch as a packager builds it, the sanitizer build with every test and the end-to-end ones
# (the package packed from that release among them), then each file reader's fuzzer for a
# bounded time when clang is present. Each stage says how long it took.
set -euo pipefail
cd "$(dirname "$0")"

stage_name=
stage_start=$SECONDS
stage_times=()
# Ends the stage that runs, with its time, and starts the next one if named.
stage() {
  if [ -n "$stage_name" ]; then
    stage_times+=("$(printf '%5d s  %s' $((SECONDS - stage_start)) "$stage_name")")
    echo "== $stage_name: $((SECONDS - stage_start)) s"
  fi
  stage_name=${1:-}
  stage_start=$SECONDS
  [ -z "$stage_name" ] || echo "== $stage_name"
}
# Fuzzers still running when the script stops, to be ended with it.
fuzzer_pids=()
# Also when a stage fails, so a log shows where the time went up to there.
finish() {
  local pid
  for pid in "${fuzzer_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  stage
  echo "== times"
  printf '%s\n' "${stage_times[@]}" "$(printf '%5d s  in all' "$SECONDS")"
}
trap finish EXIT
# A stop, Ctrl-C or kill, ends the script at once, also in a wait for the fuzzers.
trap 'exit 130' INT
trap 'exit 143' TERM

stage "dependencies"
scripts/install-deps test

# Every test but the end-to-end ones, which the sanitizer build runs (the test presets say so).
stage "dev build"
cmake --preset dev
cmake --build --preset dev
stage "dev tests"
ctest --preset dev

# No preset: CMake's default generator on Linux (Unix Makefiles, named so that a
# CMAKE_GENERATOR in the environment cannot change it), the default options (no tests, no
# benchmarks) and two jobs, from an empty tree, so a missing dependency between targets fails
# here rather than on a packager's machine. Configured as the .deb is packed from it: Debian's
# layout and hardening flags; e2e.deb packs this tree.
stage "release build from scratch, Unix Makefiles, Debian's layout and flags"
rm -rf build/release-make
scripts/configure-package-build build/release-make -G "Unix Makefiles"
cmake --build build/release-make -j2
# The release checks the replay a release build recorded to the states the debug and the
# sanitizer builds checked it to.
bash tests/tools/check_replay_fixture.sh build/release-make/run/crvsim

stage "asan build"
cmake --preset asan
cmake --build --preset asan
stage "asan tests, the end-to-end ones among them"
CORVANTH_PACKAGE_BUILD=$PWD/build/release-make ctest --preset asan

if ! command -v clang++ >/dev/null; then
  echo "== no clang++: fuzzers skipped"
  exit 0
fi

stage "fuzz build"
cmake --preset fuzz
cmake --build --preset fuzz

fuzz_seconds="${CORVANTH_FUZZ_SECONDS:-20}"
stage "fuzzing, two at a time, $fuzz_seconds s each"
# Runs one fuzzer in the background, its output in its own log.
start_fuzzer() {
  local fuzzer=$1 corpus="build/fuzz/corpus/$1"
  mkdir -p "$corpus"
  echo "== fuzzing $fuzzer for $fuzz_seconds s"
  # New inputs go to the build tree's corpus; the seeds in the source tree stay as they are.
  "build/fuzz/run/${fuzzer}_fuzz" -max_total_time="$fuzz_seconds" -print_final_stats=1 \
    -artifact_prefix="build/fuzz/$fuzzer-" "$corpus" "tests/fuzz/seeds/$fuzzer" \
    >"build/fuzz/$fuzzer.log" 2>&1 &
  fuzzer_pids+=($!)
}
fuzzers=(games_played game_result replay score_table settings)
failed=()
# Two at a time, one a core; the next pair starts once both have ended.
for ((first = 0; first < ${#fuzzers[@]}; first += 2)); do
  pair=("${fuzzers[@]:first:2}")
  fuzzer_pids=()
  for fuzzer in "${pair[@]}"; do
    start_fuzzer "$fuzzer"
  done
  for i in "${!pair[@]}"; do
    if wait "${fuzzer_pids[i]}"; then
      grep -E '^Done [0-9]+ runs' "build/fuzz/${pair[i]}.log" | sed "s/^/${pair[i]}: /"
    else
      failed+=("${pair[i]}")
    fi
  done
  fuzzer_pids=()
  [ ${#failed[@]} -eq 0 ] || break
done
for fuzzer in "${failed[@]}"; do
  cat "build/fuzz/$fuzzer.log"
  echo "== $fuzzer failed; the input that broke it is in build/fuzz/$fuzzer-*"
done
if [ ${#failed[@]} -gt 0 ]; then
  exit 1
fi
