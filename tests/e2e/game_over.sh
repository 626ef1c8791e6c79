#!/bin/bash
# A game that ends by itself: pieces dropped into the entry fill the playfield, "Game Over!"
# shows for a while with no key pressed, and the game hands back to the front end.
source "$(dirname "$0")/e2e_lib.sh"
start_session

default_settings_text 1 >corvanth.cfg
"$RUN_DIR/crvmain" >>"$WORK_DIR/programs.log" 2>&1 &
game=$(wait_program_window crvmain "$WINDOW_TITLE")
(( $(message_pixels "$game") < 20 )) || fail "the middle of a new game is already white"

step "drop pieces into the entry until the message shows"
focus_window "$game"
seen=0
for _ in $(seq 1 80); do
    xdotool keydown Down
    sleep 0.4
    xdotool keyup Down
    [ -n "$(session_pids crvmain)" ] || fail "the game ended before the message was seen"
    if (( $(message_pixels "$game") > 150 )); then
        seen=$((seen + 1))
        # Twice in a row, so a removal's flash is not taken for the message.
        (( seen == 2 )) && break
    else
        seen=0
    fi
done
(( seen == 2 )) || fail "\"Game Over!\" never showed"

step "the game ends by itself and hands back"
# Two pictures with the message, and the game still there: it shows for a while, whatever
# the screenshots took on a busy machine.
[ -n "$(session_pids crvmain)" ] || fail "the game ended before showing the message for a while"
wait_process_gone crvmain 15
menu=$(wait_program_window corvanth "$WINDOW_TITLE")
mapfile -t arguments < <(process_arguments "$(wait_process corvanth)")
[ "${arguments[1]}" = 1 ] || fail "mode ${arguments[1]}, expected 1 (swinging)"
score=$(decode "${arguments[2]}" $GAME_RESULT_PAIR)
echo "final score $score"
check_replay "$score"
expect_file nrgames.dat games_played_text 1 0
echo "PASS"
