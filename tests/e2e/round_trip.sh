#!/bin/bash
# A whole round trip in the swinging mode: Play! starts crvmain, a few pieces are steered and
# dropped, Escape then Y ends the game, crvmain hands the result back to a new corvanth, which
# counts the game, asks for the name, enters it and shows the tables before the menu.
source "$(dirname "$0")/e2e_lib.sh"
start_session

NAME="Round Trip"
# A table whose last row any positive score passes: 1400, 1300, ... 0.
names=() scores=()
for k in $(seq 0 14); do
    names+=("Player $((k + 1))")
    scores+=($((1400 - 100 * k)))
done
score_table_text() {
    local k
    for k in $(seq 0 14); do
        printf '%s %s\n' "$(encode "${scores[$k]}" $HIGH_SCORE_PAIR)" "${names[$k]}"
    done
}
score_table_text >swing.scr
games_played_text 7 3 >nrgames.dat

step "Enter on the main menu plays"
"$RUN_DIR/corvanth" >>"$WORK_DIR/programs.log" 2>&1 &
menu=$(wait_program_window corvanth "$WINDOW_TITLE")
menu_class=$(xprop -id "$menu" WM_CLASS)
keys_to "$menu" Return
game=$(wait_program_window crvmain "$WINDOW_TITLE")
wait_process_gone corvanth
expect_file corvanth.cfg default_settings_text 1

step "the game's window has the front end's window class and the game's icon"
[[ $menu_class == *'"corvanth", "corvanth"' ]] || fail "the menu's $menu_class"
game_class=$(xprop -id "$game" WM_CLASS)
[ "$game_class" = "$menu_class" ] || fail "the game's $game_class, the menu's $menu_class"
# Width, height, then ARGB pixels row by row: a transparent corner, an opaque middle.
icon=$(xprop -id "$game" -notype 32c _NET_WM_ICON)
read -r -a values <<<"$(echo "${icon#*= }" | tr -d ,)"
[ "${values[0]:-}" = 64 ] && [ "${values[1]:-}" = 64 ] || fail "icon: ${icon:0:80}"
(( ${#values[@]} == 2 + 64 * 64 )) || fail "icon of ${#values[@]} values"
(( values[2] >> 24 == 0 )) || fail "the icon's corner is not transparent"
(( values[2 + 32 * 64 + 32] >> 24 == 255 )) || fail "the icon's middle is not opaque"

step "steer and drop pieces"
focus_window "$game"
for keys in "Left Left" "Up Right" "Right Right Up"; do
    xdotool key --delay 150 $keys
    xdotool keydown Down
    sleep 1.5
    xdotool keyup Down
    sleep 0.3
done

# The white question in the middle, in two pictures in a row: one alone may be a removal's flash.
question_shown() {
    (( $(message_pixels "$1") > 150 )) && (( $(message_pixels "$1") > 150 ))
}

step "Y and N alone leave a running game alone"
keys_to "$game" y n
wait_new_pictures "$game"
[ -n "$(session_pids crvmain)" ] || fail "Y or N ended a game that asked nothing"
! question_shown "$game" || fail "the middle is white before Escape"

step "Escape asks whether to quit, then Y ends the game"
keys_to "$game" Escape
wait_until 10 question_shown "$game" || fail "Escape put no question on the screen"
keys_to "$game" y
wait_process_gone crvmain

step "the new corvanth got a valid result and asks for the name"
entry=$(wait_window "Highscore!")
pid=$(wait_process corvanth)
mapfile -t arguments < <(process_arguments "$pid")
[ "${#arguments[@]}" -eq 3 ] || fail "corvanth started with ${#arguments[@]} arguments"
[ "$(basename "${arguments[0]}")" = corvanth ] || fail "program ${arguments[0]}"
[ "${arguments[1]}" = 1 ] || fail "mode ${arguments[1]}, expected 1 (swinging)"
score=$(decode "${arguments[2]}" $GAME_RESULT_PAIR)
(( score > 0 )) || fail "final score $score after dropping pieces"
echo "final score $score"
check_replay "$score"
expect_file nrgames.dat games_played_text 8 3
expect_no_window "Highscores"
expect_no_window "$WINDOW_TITLE"

step "the typed name is entered in its place"
focus_window "$entry"
xdotool type --delay 40 "$NAME"
xdotool key Return
tables=$(wait_window "Highscores")
expect_no_window "Highscore!"
expect_no_window "$WINDOW_TITLE"
# The front end replaces the last row and sorts by exchange: an equal score stays below.
names[14]=$NAME scores[14]=$score
for ((i = 0; i < 15; ++i)); do
    for ((j = i; j < 15; ++j)); do
        if (( scores[j] > scores[i] )); then
            t=${scores[i]} scores[i]=${scores[j]} scores[j]=$t
            t=${names[i]} names[i]=${names[j]} names[j]=$t
        fi
    done
done
expect_file swing.scr score_table_text
[ ! -e static.scr ] || fail "static.scr was written"

step "the main menu comes last"
keys_to "$tables" Return
wait_window_gone "Highscores"
wait_program_window corvanth "$WINDOW_TITLE" >/dev/null
[ -n "$(tr -d '\0' <sdlaudio.raw 2>/dev/null | head -c 1)" ] || fail "the game played no sound"
echo "PASS"
