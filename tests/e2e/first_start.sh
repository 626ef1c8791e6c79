#!/bin/bash
# First start: corvanth in an empty directory shows the main menu, and "Exit" writes
# "corvanth.cfg" with the front end's defaults and the game mode.
source "$(dirname "$0")/e2e_lib.sh"
start_session

step "corvanth starts with no files and shows the main menu"
"$RUN_DIR/corvanth" >>"$WORK_DIR/programs.log" 2>&1 &
menu=$(wait_program_window corvanth "$WINDOW_TITLE")
[ ! -e corvanth.cfg ] || fail "the menu wrote corvanth.cfg before Exit"

step "Exit (one Tab from Play!) writes the defaults and ends the front end"
keys_to "$menu" Tab space
wait_process_gone corvanth
expect_file corvanth.cfg default_settings_text 1
[ -z "$(ls ./*.scr nrgames.dat 2>/dev/null)" ] || fail "Exit wrote score files"
[ -z "$(session_pids crvmain)" ] || fail "Exit started the game"
echo "PASS"
