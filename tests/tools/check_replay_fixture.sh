#!/usr/bin/env bash
# The replay a release build recorded checks, with this crvsim, to exactly the states that
# build printed for it; and, given this build's writer, this build records the same game into
# the same bytes. The same rules give the same game in every build.
# Usage: check_replay_fixture.sh CRVSIM [WRITE_REPLAY_FIXTURE]
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

if [ $# -ge 2 ]; then
    again=$(mktemp)
    trap 'rm -f "$again"' EXIT
    # The arguments it was made with, as tests/tools/replays/README.md gives them.
    "$2" "$again" 8 6000 900 2>/dev/null || { echo "FAIL: $2 could not write the game"; exit 1; }
    if ! cmp -s "$again" "$replays/release_game.crr"; then
        echo "FAIL: $2 records the game into other bytes than the release build did"
        exit 1
    fi
    echo "this build records the same game into the same bytes"
fi
