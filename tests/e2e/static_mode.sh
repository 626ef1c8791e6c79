#!/bin/bash
# The static mode: the game-type button toggles, "Play!" writes the mode and starts the game,
# which hands back with mode "0"; a score under the fresh table counts the game only.
source "$(dirname "$0")/e2e_lib.sh"
start_session

step "toggle the game type (three Shift+Tab from Play!), back to Play! and play"
"$RUN_DIR/corvanth" >>"$WORK_DIR/programs.log" 2>&1 &
menu=$(wait_program_window corvanth "$WINDOW_TITLE")
keys_to "$menu" shift+Tab shift+Tab shift+Tab space Tab Tab Tab Return
game=$(wait_program_window crvmain "$WINDOW_TITLE")
wait_process_gone corvanth
expect_file corvanth.cfg default_settings_text 0

step "drop a piece, then Escape and Y"
focus_window "$game"
xdotool keydown Down
sleep 1.5
xdotool keyup Down
keys_to "$game" Escape y
wait_process_gone crvmain

step "the result says static; the game is counted; the menu comes back directly"
menu=$(wait_program_window corvanth "$WINDOW_TITLE")
mapfile -t arguments < <(process_arguments "$(wait_process corvanth)")
[ "${#arguments[@]}" -eq 3 ] || fail "corvanth started with ${#arguments[@]} arguments"
[ "${arguments[1]}" = 0 ] || fail "mode ${arguments[1]}, expected 0 (static)"
score=$(decode "${arguments[2]}" $GAME_RESULT_PAIR)
(( score > 0 && score <= 3000 )) || fail "final score $score"
check_replay "$score"
expect_file nrgames.dat games_played_text 0 1
expect_no_window "Highscore!"
expect_no_window "Highscores"
[ ! -e static.scr ] && [ ! -e swing.scr ] || fail "a score below the table was entered"

step "the menu shows the static mode: Exit keeps it"
keys_to "$menu" Tab space
wait_process_gone corvanth
expect_file corvanth.cfg default_settings_text 0
echo "PASS"
