# Shared steps of the end-to-end tests: a private X server, a fresh working directory with
# the game's data, the real programs, windows found by title, keys by xdotool.
# Sourced by each test; RUN_DIR is the build's run directory (programs and data).

set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The version and both programs' window title, "NAME vVERSION" as CMakeLists.txt makes it, from
# the build's crvmain (BUILD_DIR's for the package test, which has no RUN_DIR): its --version
# prints "crvmain (NAME VERSION)" and needs no display.
version_line=$("${RUN_DIR:-${BUILD_DIR:?neither RUN_DIR nor BUILD_DIR is set}/run}/crvmain" --version) ||
    fail "crvmain --version failed"
[[ $version_line =~ ^crvmain\ \(([^ ]+)\ ([^ ]+)\)$ ]] ||
    fail "crvmain --version printed \"$version_line\", not \"crvmain (NAME VERSION)\""
PRODUCT_VERSION=${BASH_REMATCH[2]}
WINDOW_TITLE="${BASH_REMATCH[1]} v$PRODUCT_VERSION"
unset version_line

step() {
    echo "-- $*"
}

# The scrambling of the shared files: (value * multiplier) xor mask on 32 bits, signed.
encode() {
    local value=$1 multiplier=$2 mask=$3
    local t=$(( ((value * multiplier) & 0xFFFFFFFF) ^ mask ))
    (( t >= 0x80000000 )) && t=$(( t - 0x100000000 ))
    echo "$t"
}

# Prints the decoded value, or fails when it does not decode to a whole multiple.
decode() {
    local stored=$1 multiplier=$2 mask=$3
    local t=$(( (stored & 0xFFFFFFFF) ^ mask ))
    (( t >= 0x80000000 )) && t=$(( t - 0x100000000 ))
    (( t % multiplier == 0 )) || fail "$stored does not decode with $multiplier"
    echo $(( t / multiplier ))
}

GAME_RESULT_PAIR="2053 $((0x63a1d05e))"
HIGH_SCORE_PAIR="2029 $((0x5d27e4b3))"
SWINGING_GAMES_PAIR="2341 $((0x4e8b2c17))"
STATIC_GAMES_PAIR="2459 $((0x17c35d29))"

# The ids of the processes with this name that run in this test's working directory.
session_pids() {
    local name=$1 pid
    for pid in $(pgrep -x "$name" || true); do
        [ "$(readlink "/proc/$pid/cwd" 2>/dev/null)" = "$WORK_DIR" ] && echo "$pid"
    done
    return 0
}

# Processes a test starts besides the programs and the X server (a window manager, a pointer
# flood); ended by cleanup.
HELPER_PIDS=()
# Directories a test made for itself, removed at the very end.
REMOVE_AT_EXIT=()

cleanup() {
    local status=$?
    local helper
    for helper in "${HELPER_PIDS[@]}"; do
        kill "$helper" 2>/dev/null || true
    done
    if [ $status -ne 0 ] && [ -n "${WORK_DIR:-}" ] && [ -n "${XVFB_PID:-}" ]; then
        # What the screen showed when it failed, to look at.
        timeout 5 import -window root "$WORK_DIR/failed.png" 2>/dev/null || true
    fi
    if [ -n "${WORK_DIR:-}" ]; then
        for name in crvmain corvanth; do
            for pid in $(session_pids "$name"); do
                kill "$pid" 2>/dev/null || true
            done
        done
    fi
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
    if [ $status -ne 0 ] && [ -n "${WORK_DIR:-}" ]; then
        echo "working directory kept: $WORK_DIR" >&2
        ls -la "$WORK_DIR" >&2 || true
        if [ -s "$WORK_DIR/programs.log" ]; then
            echo "what the programs printed:" >&2
            tail -n 40 "$WORK_DIR/programs.log" >&2
        fi
    elif [ -n "${WORK_DIR:-}" ]; then
        rm -rf "$WORK_DIR"
    fi
    for helper in "${REMOVE_AT_EXIT[@]}"; do
        rm -rf "$helper"
    done
    exit $status
}
trap cleanup EXIT

# Starts Xvfb on a display number it picks itself, with any further options given; the
# programs' sound goes to a file.
start_x_server() {
    local display_file
    display_file=$(mktemp)
    # -noreset: a server that resets when its last client leaves refuses the front end the game
    # starts just as the game's own connection closes.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset "$@" 3>"$display_file" 2>/dev/null &
    XVFB_PID=$!
    for _ in $(seq 1 100); do
        [ -s "$display_file" ] && break
        sleep 0.05
    done
    [ -s "$display_file" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n 1 "$display_file")"
    rm -f "$display_file"
    export SDL_AUDIODRIVER=disk
    unset QT_QPA_PLATFORM SDL_VIDEODRIVER
}

# An X server and a fresh working directory holding the game's data, the programs in RUN_DIR.
start_session() {
    [ -x "$RUN_DIR/corvanth" ] || fail "no corvanth in $RUN_DIR"
    [ -x "$RUN_DIR/crvmain" ] || fail "no crvmain in $RUN_DIR"
    start_x_server
    WORK_DIR=$(mktemp -d /tmp/corvanth-e2e-XXXXXX)
    for file in "$RUN_DIR"/*.tga "$RUN_DIR"/*.WAV; do
        ln -s "$file" "$WORK_DIR/"
    done
    cd "$WORK_DIR"
}

# Runs the command every tenth of a second until it succeeds, for at most the given seconds;
# what its successful run prints is passed on.
wait_until() {
    local seconds=$1
    shift
    local deadline=$(( $(date +%s) + seconds ))
    while [ "$(date +%s)" -le "$deadline" ]; do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Prints the id of a visible window with exactly this title (of this process, if given).
find_window() {
    local title=$1 pid=${2:-}
    xdotool search --all --onlyvisible ${pid:+--pid "$pid"} --name "^${title}\$" 2>/dev/null | head -n 1 | grep .
}

no_window() {
    ! find_window "$1" >/dev/null
}

# Waits until a visible window with exactly this title exists; prints its id.
wait_window() {
    local title=$1 seconds=${2:-20}
    wait_until "$seconds" find_window "$title" || fail "no window \"$title\" within $seconds s"
}

# Waits until no visible window has this title.
wait_window_gone() {
    local title=$1 seconds=${2:-20}
    wait_until "$seconds" no_window "$title" || fail "window \"$title\" still there after $seconds s"
}

# Gives a window the keyboard focus; without a window manager nobody else does.
focus_window() {
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
}

# Gives a window the keyboard focus and sends it keys.
keys_to() {
    local window=$1
    shift
    focus_window "$window"
    xdotool key --delay 60 "$@"
}

find_process() {
    session_pids "$1" | grep .
}

# Waits until this test's copy of the program runs; prints its process id.
wait_process() {
    local name=$1 seconds=${2:-20}
    local pids
    pids=$(wait_until "$seconds" find_process "$name") || fail "$name did not start within $seconds s"
    [ "$(echo "$pids" | wc -l)" -eq 1 ] || fail "more than one $name: $pids"
    echo "$pids"
}

# Both programs title their main window WINDOW_TITLE; this finds the one a given program
# shows, by its process id. Prints the window id.
wait_program_window() {
    local name=$1 title=$2 seconds=${3:-20}
    local pid
    pid=$(wait_process "$name" "$seconds")
    wait_until "$seconds" find_window "$title" "$pid" ||
        fail "$name shows no window \"$title\" within $seconds s"
}

# Fails unless no visible window has this title.
expect_no_window() {
    no_window "$1" || fail "window \"$1\" is shown too early"
}

# The arguments a running process was started with, one per line.
process_arguments() {
    tr '\0' '\n' <"/proc/$1/cmdline"
}

# Fails unless the file holds exactly what the given command prints.
expect_file() {
    local file=$1
    shift
    [ -f "$file" ] || fail "$file was not written"
    if ! cmp -s "$file" <("$@"); then
        echo "expected $file:" >&2
        "$@" | od -c | head -n 20 >&2
        echo "found:" >&2
        od -c "$file" | head -n 20 >&2
        fail "$file differs"
    fi
}

# The front end's settings file as its defaults write it, with the given game mode.
default_settings_text() {
    printf '%s\n1\n1\n0\n1\n1\n0\n6\n0\n0' "$1"
}

# "nrgames.dat" for the given counts.
games_played_text() {
    printf '%s %s\n' "$(encode "$1" $SWINGING_GAMES_PAIR)" "$(encode "$2" $STATIC_GAMES_PAIR)"
}

# The count of white pixels in the middle of the game window, where "Game Over!" is written;
# blocks are never white there except for the short flash of a removal.
message_pixels() {
    local shot=$WORK_DIR/shot.ppm
    timeout 15 import -window "$1" "$shot" 2>/dev/null || { echo 0; return; }
    local size width height
    size=$(identify -format "%w %h" "$shot")
    read -r width height <<<"$size"
    convert "$shot" -alpha off -crop "$((width * 2 / 5))x$((height / 4))+$((width / 5))+$((height * 2 / 7))" \
        +repage -separate -threshold 85% -evaluate-sequence min -format "%[fx:round(mean*w*h)]" info:
}

# Succeeds once the window shows a picture other than the one in the reference file, which
# then holds the new one. Uncompressed, and with time to spare, because a large window's
# screenshot on a busy machine can take seconds.
picture_changed() {
    local window=$1 reference=$2 shot=$WORK_DIR/changed.ppm differing
    timeout 15 import -window "$window" "$shot" 2>/dev/null || return 1
    differing=$(compare -metric AE "$reference" "$shot" null: 2>&1 || true)
    [ "$differing" != 0 ] && mv "$shot" "$reference"
}

# Waits until a window whose picture moves has drawn three new ones. Keys sent before the
# call have then been handled: the second new picture comes from a loop turn that began after
# the first was shown, with the keys already waiting, and the third after that turn's tick.
wait_new_pictures() {
    local window=$1 seconds=${2:-20} reference=$WORK_DIR/reference.ppm
    timeout 15 import -window "$window" "$reference" 2>/dev/null || fail "window $window is gone"
    for _ in 1 2 3; do
        wait_until "$seconds" picture_changed "$window" "$reference" ||
            fail "window $window is gone or drew no new picture within $seconds s"
    done
}

# From the main menu: Return plays, the game that starts must be the program given, Esc and Y
# end it, and the menu comes back.
play_from_menu_and_quit() {
    local menu=$1 expected=$2 game
    keys_to "$menu" Return
    game=$(wait_program_window crvmain "$WINDOW_TITLE")
    [ "$(readlink "/proc/$(wait_process crvmain)/exe")" = "$expected" ] ||
        fail "the game that started is not $expected"
    keys_to "$game" Escape y
    wait_process_gone crvmain
    wait_program_window corvanth "$WINDOW_TITLE" >/dev/null
    WATCHER=$expected check_replay "$(handed_back_score)"
}

# The score the front end was handed by the game that just ended, from its command line.
handed_back_score() {
    local arguments
    mapfile -t arguments < <(process_arguments "$(wait_process corvanth)")
    decode "${arguments[2]}" $GAME_RESULT_PAIR
}

# The proof that the real game and the headless rules agree on real play: the replay the game
# left, checked by crvsim, ends with exactly the score the game handed back, and watched again
# in the real game window it ends on the same grid. $1 is the handed-back score; the replay is
# in the working directory. CRVSIM may name another build's crvsim.
check_replay() {
    local score=$1 checked watched rows
    [ -s "$WORK_DIR/lastgame.crr" ] || fail "the game left no lastgame.crr"
    checked=$(cd "$WORK_DIR" &&
        "${CRVSIM:-$RUN_DIR/crvsim}" --replay lastgame.crr 2>>"$WORK_DIR/programs.log") ||
        fail "crvsim --replay lastgame.crr failed (status $?)"
    # The final block: "state S saved T score X ...", then 18 rows before its "end".
    [ "$(head -n 1 <<<"$checked" | awk '{ print $6 }' | cut -d. -f1)" = "$score" ] ||
        fail "crvsim ends the replay with \"$(head -n 1 <<<"$checked")\", the game handed back $score"
    rows=$(tail -n 19 <<<"$checked" | head -n 18)
    # In the working directory, whose corvanth.cfg gives the picture settings.
    watched=$(cd "$WORK_DIR" && timeout 180 "${WATCHER:-$RUN_DIR/crvmain}" --replay lastgame.crr \
        2>>"$WORK_DIR/programs.log") || fail "crvmain --replay lastgame.crr failed (status $?)"
    [ "$(head -n 1 <<<"$watched")" = "score $score" ] ||
        fail "the game window's replay ends with \"$(head -n 1 <<<"$watched")\", not score $score"
    [ "$(tail -n +2 <<<"$watched")" = "$rows" ] ||
        fail "the game window's replay ends on another grid than crvsim's"
}

no_process() {
    [ -z "$(session_pids "$1")" ]
}

# Waits for this test's copy of a program to end by itself.
wait_process_gone() {
    local name=$1 seconds=${2:-20}
    wait_until "$seconds" no_process "$name" || fail "$name still running after $seconds s"
}
