#!/usr/bin/env bash
# The programs' own command lines: --help and --version answer without a display, crvmain's
# other command lines and unreadable replays are refused before a window, and a game result
# with a negative score token is still a game result, never an option.
# Usage: command_line_test.sh VERSION CORVANTH CRVMAIN CRVSIM
set -uo pipefail
version=$1
# Absolute, since the programs run in a working directory of their own.
corvanth=$(readlink -f "$2")
crvmain=$(readlink -f "$3")
crvsim=$(readlink -f "$4")

# No display of any kind: the answers must come before a window or QApplication is made.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

work=$(mktemp -d)
frontend_pid=
cleanup() {
    if [ -n "$frontend_pid" ]; then
        kill "$frontend_pid" 2>/dev/null
        wait "$frontend_pid" 2>/dev/null
    fi
    rm -rf "$work" "$work.out" "$work.err" "$work.log"
}
trap cleanup EXIT

# Runs PROGRAM ARGUMENT... in the empty working directory; sets status, out and err.
run() {
    (cd "$work" && "$@") >"$work.out" 2>"$work.err"
    status=$?
    out=$(cat "$work.out")
    err=$(cat "$work.err")
    rm -f "$work.out" "$work.err"
}

for program in "$corvanth" "$crvmain" "$crvsim"; do
    name=$(basename "$program")

    run "$program" --help
    [ "$status" -eq 0 ] || fail "$name --help: exit status $status, expected 0 ($err)"
    case $out in
    "usage: $name "*) ;;
    *) fail "$name --help: the output does not start with \"usage: $name\": $out" ;;
    esac
    [ -z "$err" ] || fail "$name --help wrote to standard error: $err"

    run "$program" --version
    [ "$status" -eq 0 ] || fail "$name --version: exit status $status, expected 0 ($err)"
    [ "$out" = "$name (Corvanth $version)" ] ||
        fail "$name --version printed \"$out\", expected \"$name (Corvanth $version)\""
    [ -z "$err" ] || fail "$name --version wrote to standard error: $err"
done
if [ -n "$(ls -A "$work")" ]; then
    fail "--help and --version left files in the working directory: $(ls -A "$work")"
fi

# crvmain takes only --replay FILE besides them; any other command line, and a replay it cannot
# read, end it with status 2 before a window is opened or a file written.
mkdir "$work/replays"
printf 'not a replay' >"$work/replays/plain.crr"
while IFS='|' read -r arguments expected; do
    # shellcheck disable=SC2086 # the arguments split as written
    (cd "$work/replays" && "$crvmain" $arguments) >"$work.out" 2>"$work.err"
    status=$?
    err=$(cat "$work.err")
    [ "$status" -eq 2 ] || fail "crvmain $arguments: exit status $status, expected 2 ($err)"
    [ "$err" = "$expected" ] || fail "crvmain $arguments: printed \"$err\", expected \"$expected\""
    [ ! -s "$work.out" ] || fail "crvmain $arguments wrote to standard output: $(cat "$work.out")"
done <<'CASES'
--play|usage: crvmain [--help | --version | --replay FILE]
--replay|usage: crvmain [--help | --version | --replay FILE]
--replay plain.crr more|usage: crvmain [--help | --version | --replay FILE]
--help --replay|usage: crvmain [--help | --version | --replay FILE]
--replay missing.crr|crvmain: cannot watch "missing.crr": No such file or directory
--replay .|crvmain: cannot watch ".": Is a directory
--replay plain.crr|crvmain: cannot watch "plain.crr": not a Corvanth replay
CASES
rm -f "$work.out" "$work.err"
[ "$(ls -A "$work/replays")" = plain.crr ] ||
    fail "crvmain left files beside the replay: $(ls -A "$work/replays")"
rm -rf "$work/replays"

# crvsim takes --help alone; among other options it is an error, not a missing value.
run "$crvsim" --seed 3 --help
[ "$status" -eq 2 ] || fail "crvsim --seed 3 --help: exit status $status, expected 2"
case $err in
*"--help takes no other arguments"*) ;;
*) fail "crvsim --seed 3 --help: unexpected message: $err" ;;
esac

# The score -5 handed back on the swinging playfield: "corvanth 1 -1671559239", as the game's
# handBackArguments(1, -5) makes it, (score x 2053) xor 0x63a1d05e on 32 bits. The front end
# counts it in nrgames.dat before its main menu opens; the menu then waits, so it is stopped.
token=$(( (((-5 * 2053) & 0xFFFFFFFF) ^ 0x63a1d05e) - 0x100000000 ))
[ "$token" = -1671559239 ] || fail "the negative token is $token"
(cd "$work" && QT_QPA_PLATFORM=offscreen exec "$corvanth" 1 "$token") >"$work.log" 2>&1 &
frontend_pid=$!
for _ in $(seq 300); do
    [ -s "$work/nrgames.dat" ] && break
    kill -0 "$frontend_pid" 2>/dev/null || break
    sleep 0.1
done
if ! kill -0 "$frontend_pid" 2>/dev/null; then
    fail "corvanth 1 $token ended at once instead of opening its menu: $(cat "$work.log")"
fi
expected="$(( 2341 ^ 0x4e8b2c17 )) $(( 0x17c35d29 ))" # one swinging game, no static one
actual=$(cat "$work/nrgames.dat" 2>/dev/null)
[ "$actual" = "$expected" ] ||
    fail "corvanth 1 $token: nrgames.dat holds \"$actual\", expected \"$expected\" (one swinging game)"
if grep -q usage "$work.log"; then
    fail "corvanth 1 $token printed its usage: $(cat "$work.log")"
fi
rm -f "$work.log"

[ "$failed" -eq 0 ] && echo "all command lines answered as expected"
exit "$failed"
