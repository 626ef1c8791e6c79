#!/usr/bin/env bash
# Sets everything up and runs every test: the debug build, then the sanitizer build.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps

for preset in dev asan; do
  echo "== $preset build"
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
