#!/bin/bash
# Start-up failures: with no display, or with a GL driver that cannot make a context, crvmain
# says why on standard error (and in its "Error" box for the GL driver), ends with a non-zero
# status and never starts the front end.
source "$(dirname "$0")/e2e_lib.sh"
start_session
default_settings_text 1 >corvanth.cfg

# Fails unless crvmain ended with a non-zero status of its own, printed the expected
# "crvmain: " line, and started no front end (which would count the game in nrgames.dat).
expect_failed_start() {
    local status=$1 expected=$2
    cat errors.txt >>"$WORK_DIR/programs.log"
    (( status != 0 )) || fail "exit status 0 after a failed start"
    (( status != 124 )) || fail "crvmain was still running after its time-out"
    grep -Eq "^crvmain: $expected" errors.txt ||
        fail "no line \"crvmain: $expected\" on standard error: $(cat errors.txt)"
    [ -z "$(session_pids corvanth)" ] || fail "the front end was started"
    [ ! -e nrgames.dat ] || fail "the front end counted a game"
}

# SDL's message box titles its window in UTF-8 only, which xdotool's search does not read.
find_error_box() {
    xwininfo -root -tree | awk '$2 == "\"Error\":" { print $1; found = 1 } END { exit !found }' |
        head -n 1
}

# Runs crvmain (behind the given command prefix, if any) on the current X server, waits for
# the "Error" box and closes it with Return; sets status.
close_error_box() {
    "$@" "$RUN_DIR/crvmain" >/dev/null 2>errors.txt &
    local pid=$! box
    box=$(wait_until 20 find_error_box) || fail "no \"Error\" box within 20 s: $(cat errors.txt)"
    xwininfo -id "$box" | grep -q IsViewable || fail "the \"Error\" box is not shown"
    [ -n "$(session_pids crvmain)" ] || fail "crvmain ended before the box was closed"
    keys_to "$box" Return
    wait_process_gone crvmain 15
    status=0
    wait "$pid" || status=$?
}

# A real front end would show its menu offscreen, and count the game, if it were started.
for driver in "" x11; do
    step "no display, SDL_VIDEODRIVER ${driver:-unset}: a reason and a failed status"
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER ${driver:+SDL_VIDEODRIVER=$driver} \
        QT_QPA_PLATFORM=offscreen timeout 30 "$RUN_DIR/crvmain" >/dev/null 2>errors.txt ||
        status=$?
    expect_failed_start "$status" "cannot open the game's window: .+"
done

step "a client GL driver that cannot be loaded: the \"Error\" box, not an X error"
close_error_box env LIBGL_DRIVERS_PATH=/nonexistent
expect_failed_start "$status" "SetPixelFormat failed: .+"

step "an X server without GLX: the \"Error\" box"
kill "$XVFB_PID"
wait "$XVFB_PID" 2>/dev/null || true
start_x_server -extension GLX
close_error_box
expect_failed_start "$status" "ChoosePixelFormat failed: .+"
echo "PASS"
