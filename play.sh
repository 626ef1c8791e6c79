#!/usr/bin/env bash
# Sets everything up and starts Corvanth: installs what building and playing need, builds
# the release preset and runs the front end in the run directory that holds both programs
# and the data.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps play
cmake --preset release >/dev/null
cmake --build --preset release

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "play.sh: Corvanth is built in build/release/run, but there is no display to show it on (DISPLAY is not set)" >&2
  exit 1
fi
cd build/release/run
exec ./corvanth "$@"
