#!/bin/bash
# FIFOs and a directory in place of the files both programs open: neither program blocks,
# the game runs on its fallbacks and names each file it could not load, and the front end
# leaves every such file as it is and tells the player each save it could not make.
source "$(dirname "$0")/e2e_lib.sh"
start_session

for file in crvtex1.tga charset.tga MOVE.WAV corvanth.cfg swing.scr nrgames.dat; do
    rm -f "$file"
    mkfifo "$file"
done
mkdir static.scr

# True once this warning box is gone; the next one has the same title.
box_closed() {
    ! xdotool search --onlyvisible --name '^Save failed$' 2>/dev/null | grep -qx "$1"
}

step "the game opens its window at once, FIFOs or not"
"$RUN_DIR/crvmain" 2>errors.txt &
game=$(wait_program_window crvmain "$WINDOW_TITLE" 5)
for line in 'Could not load "crvtex1.tga": Not a regular file' \
            'Could not load "charset.tga": Not a regular file' \
            'Could not load "MOVE.WAV": Not a regular file' \
            'Could not read "corvanth.cfg": Not a regular file' \
            'Could not read "swing.scr": Not a regular file'; do
    grep -qF "crvmain: $line" errors.txt || fail "the game did not say: $line"
done

step "Escape, Y: the front end warns that the game could be neither counted nor entered"
keys_to "$game" Escape y
wait_process_gone crvmain
check_replay "$(handed_back_score)"
for file in nrgames.dat swing.scr; do
    warning=$(wait_window "Save failed" 5)
    keys_to "$warning" Return
    grep -qF "corvanth: Could not save \"$file\": Not a regular file" errors.txt ||
        fail "no warning for $file"
    wait_until 5 box_closed "$warning" || fail "the warning for $file did not close"
done

step "the menu opens; Exit warns that the game type could not be saved"
menu=$(wait_program_window corvanth "$WINDOW_TITLE" 5)
keys_to "$menu" Tab space
warning=$(wait_window "Save failed" 5)
keys_to "$warning" Return
wait_process_gone corvanth 5
grep -qF 'corvanth: Could not save "corvanth.cfg": Not a regular file' errors.txt ||
    fail "no warning for corvanth.cfg"
for file in crvtex1.tga charset.tga MOVE.WAV corvanth.cfg swing.scr nrgames.dat; do
    [ -p "$file" ] || fail "$file is no longer a FIFO"
done
[ -d static.scr ] || fail "static.scr is no longer a directory"
echo "PASS"
