#!/bin/bash
# Full screen at 640x480 on a 1280x1024 screen that has no such mode, first on a bare X server,
# then under a window manager: the game covers the screen and shows the whole picture scaled
# into the 1280x960 rectangle in the middle, black above and below, the HUD all there. F11 gives
# a 640x480 window back, and Escape and Y still end the game.
source "$(dirname "$0")/e2e_lib.sh"
start_session
# Swinging playfield, 640x480, no sound, full screen, every detail on.
printf '1\n1\n0\n1\n1\n1\n1\n6\n1\n1' >corvanth.cfg

# The brightest value in a rectangle of a screenshot; 0 where it is all black.
brightest() {
    convert "$1" -crop "$2" +repage -format "%[max]" info:
}

# "width height left top" of the white pixels in a rectangle of a screenshot.
white_box() {
    convert "$1" -crop "$2" +repage -alpha off -separate -threshold 85% \
        -evaluate-sequence min -trim -format "%w %h %X %Y" info:
}

# Plays in full screen and checks the screen; $1 says under what.
check_full_screen() {
    local under=$1 game shot=$WORK_DIR/full-$1.png width height left top
    "$RUN_DIR/crvmain" >>"$WORK_DIR/programs.log" 2>&1 &
    game=$(wait_program_window crvmain "$WINDOW_TITLE")
    wait_new_pictures "$game" 60
    eval "$(xdotool getwindowgeometry --shell "$game")"
    [ "$WIDTH" = 1280 ] && [ "$HEIGHT" = 1024 ] ||
        fail "$under: the game window is ${WIDTH}x$HEIGHT, not the screen's 1280x1024"
    import -window root "$shot"
    [ "$(brightest "$shot" 1280x32+0+0)" = 0 ] || fail "$under: the bar above is not black"
    [ "$(brightest "$shot" 1280x32+0+992)" = 0 ] || fail "$under: the bar below is not black"
    [ "$(brightest "$shot" 64x64+0+40)" != 0 ] || fail "$under: no wall at the top left"
    # Score, Hi-Score and Next Piece as the 640x480 picture has them, twice the size.
    read -r width height left top <<<"$(white_box "$shot" 480x500+800+32)"
    (( 800 + left >= 980 && 800 + left + width >= 1230 && 800 + left + width <= 1276 )) ||
        fail "$under: the score column spans x $((800 + left)) to $((800 + left + width))"
    (( 32 + top >= 150 && 32 + top + height <= 520 )) ||
        fail "$under: the score column spans y $((32 + top)) to $((32 + top + height))"

    step "$under: F11 gives the window back, F11 again full screen"
    keys_to "$game" F11
    wait_until 5 window_is "$game" 640 480 || fail "$under: F11 gave no 640x480 window"
    keys_to "$game" F11
    wait_until 5 window_is "$game" 1280 1024 || fail "$under: F11 did not cover the screen again"

    step "$under: Escape and Y end the game"
    keys_to "$game" Escape y
    wait_process_gone crvmain
    wait_program_window corvanth "$WINDOW_TITLE" >/dev/null
    check_replay "$(handed_back_score)"
    for pid in $(session_pids corvanth); do
        kill "$pid"
    done
    wait_process_gone corvanth
}

window_is() {
    eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null)"
    [ "$WIDTH" = "$2" ] && [ "$HEIGHT" = "$3" ]
}

step "a bare X server: the game sizes its window to the screen itself"
check_full_screen bare

step "under a window manager"
openbox >>"$WORK_DIR/programs.log" 2>&1 &
HELPER_PIDS+=($!)
window_manager_runs() {
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"
}
wait_until 10 window_manager_runs || fail "openbox did not start"
check_full_screen managed
echo "PASS"
