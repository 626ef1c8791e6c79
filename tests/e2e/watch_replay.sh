#!/bin/bash
# A game played by keys leaves its replay as lastgame.crr; crvmain --replay shows it in the
# game's window, ends by itself with the recorded quit, prints the handed-back score and the
# grid and starts no front end; a game that is killed leaves the file as it was.
source "$(dirname "$0")/e2e_lib.sh"
start_session

default_settings_text 1 >corvanth.cfg

step "play, pause, steer and drop, then Escape and Y"
"$RUN_DIR/crvmain" >>"$WORK_DIR/programs.log" 2>&1 &
game=$(wait_program_window crvmain "$WINDOW_TITLE")
focus_window "$game"
for keys in "Left Left Up" "p" "p Right Up" "Right Right"; do
    xdotool key --delay 100 $keys
    xdotool keydown Down
    sleep 1.2
    xdotool keyup Down
done
keys_to "$game" Escape y
wait_process_gone crvmain
wait_program_window corvanth "$WINDOW_TITLE" >/dev/null
front_end=$(wait_process corvanth)
mapfile -t arguments < <(process_arguments "$front_end")
score=$(decode "${arguments[2]}" $GAME_RESULT_PAIR)
echo "handed back: mode ${arguments[1]}, score $score"
[ -s lastgame.crr ] || fail "the game left no lastgame.crr"
cp lastgame.crr played.crr
: >watched.txt
files_before=$(ls -I "*.png" -I "*.ppm") # the pictures and watched.txt are the test's own

step "watch it again: the window draws, then closes by itself"
"$RUN_DIR/crvmain" --replay lastgame.crr >watched.txt 2>>"$WORK_DIR/programs.log" &
watcher=$!
window=$(wait_program_window crvmain "$WINDOW_TITLE")
wait_new_pictures "$window"
wait_process_gone crvmain 60
status=0
wait "$watcher" || status=$?
[ "$status" -eq 0 ] || fail "crvmain --replay exit status $status"
[ "$(head -n 1 watched.txt)" = "score $score" ] ||
    fail "the replay ends with \"$(head -n 1 watched.txt)\", the game handed back $score"
[ "$(wc -l <watched.txt)" -eq 19 ] && [ "$(grep -cE '^[.1-6A-F]{10}$' watched.txt)" -eq 18 ] ||
    fail "not 18 rows of the grid after the score: $(cat watched.txt)"
[ "$(session_pids corvanth)" = "$front_end" ] || fail "watching started a front end"
cmp -s lastgame.crr played.crr || fail "watching changed lastgame.crr"
[ "$(ls -I "*.png" -I "*.ppm")" = "$files_before" ] || fail "watching left files: $(ls)"
check_replay "$score"

step "a game that is killed leaves lastgame.crr as it was"
"$RUN_DIR/crvmain" >>"$WORK_DIR/programs.log" 2>&1 &
killed=$!
game=$(wait_program_window crvmain "$WINDOW_TITLE")
keys_to "$game" Left Up Escape # killed while the quit question shows
kill -KILL "$killed"
wait "$killed" 2>/dev/null || true
cmp -s lastgame.crr played.crr || fail "a killed game changed lastgame.crr"
echo "PASS"
