#!/usr/bin/env bash
# The replay a release build recorded checks, with this crvsim, to exactly the states that
# build printed for it: the same rules give the same game in every build.
# Usage: check_replay_fixture.sh CRVSIM
set -uo pipefail
replays=$(dirname "$0")/replays
actual=$("$1" --replay "$replays/release_game.crr" --turns 500 2>&1; echo "status $?")
expected=$(cat "$replays/release_game.out"; echo "status 0")
if [ "$actual" != "$expected" ]; then
    diff -u <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") | head -60
    echo "FAIL: $1 does not check release_game.crr to the states the release build printed"
    exit 1
fi
echo "release_game.crr checks to the release build's states"
