#!/bin/bash
# A mouse moved fast over the game window does not hold the keys up: with a pointer sending
# about a thousand moves a second over a 1280x1024 game with every detail on, Escape and Y
# still end the game within a second.
source "$(dirname "$0")/e2e_lib.sh"
start_session
# Swinging playfield, 1280x1024, no sound, a window, every detail on.
printf '1\n4\n0\n0\n1\n1\n1\n6\n1\n1' >corvanth.cfg

"$RUN_DIR/crvmain" >>"$WORK_DIR/programs.log" 2>&1 &
game=$(wait_program_window crvmain "$WINDOW_TITLE")
wait_new_pictures "$game" 60

step "a pointer flood over the window for three seconds"
# A millisecond between moves: a 1000 Hz mouse, as gaming mice send.
moves=()
for i in $(seq 1 8000); do
    moves+=(mousemove $((20 + i % 900)) $((20 + (i * 7) % 700)) sleep 0.001)
done
xdotool "${moves[@]}" 2>/dev/null &
FLOOD_PID=$!
HELPER_PIDS+=("$FLOOD_PID")
sleep 3

step "Escape and Y, the pointer still moving, end the game within a second"
keys_to "$game" Escape y
sent=$(date +%s%N)
wait_process_gone crvmain 60
elapsed=$(( ($(date +%s%N) - sent) / 1000000 ))
kill -0 "$FLOOD_PID" 2>/dev/null || fail "the flood was over before the keys came"
echo "the game ended $elapsed ms after Escape and Y"
(( elapsed <= 1000 )) || fail "the game ended only $elapsed ms after Escape and Y"
kill "$FLOOD_PID" 2>/dev/null || true
check_replay "$(handed_back_score)"
echo "PASS"
