#!/bin/bash
# Installing for players: `cmake --install` into a fresh prefix, then the launcher, as a user
# with an empty home, plays one game in a working directory of that user's own.
source "$(dirname "$0")/e2e_lib.sh"
[ -f "$BUILD_DIR/CMakeCache.txt" ] || fail "no build in $BUILD_DIR"
ROOT=$(mktemp -d /tmp/corvanth-install-XXXXXX)
PREFIX=$ROOT/prefix
WORK_DIR=$ROOT/home/.local/share/corvanth
trap 'cleanup; rm -rf "$ROOT"' EXIT

step "install into a fresh prefix"
cmake --install "$BUILD_DIR" --prefix "$PREFIX" >/dev/null
for file in bin/corvanth lib/corvanth/corvanth lib/corvanth/crvmain lib/corvanth/charset.tga \
            lib/corvanth/GAMEOVER.WAV share/applications/corvanth.desktop \
            share/icons/hicolor/32x32/apps/corvanth.png share/icons/hicolor/256x256/apps/corvanth.png; do
    [ -e "$PREFIX/$file" ] || fail "$file is not installed"
done
grep -qx "Exec=corvanth" "$PREFIX/share/applications/corvanth.desktop" || fail "desktop entry"
# Players cannot write into an installation: nothing may appear there while playing.
installed=$(cd "$PREFIX" && find . | sort)

step "the launcher starts the front end in the user's own directory"
start_x_server
export HOME=$ROOT/home
unset XDG_DATA_HOME
mkdir -p "$HOME"
(cd / && "$PREFIX/bin/corvanth" >/dev/null 2>&1 &)
menu=$(wait_program_window corvanth "Corvanth v1.5")
for file in "$PREFIX"/lib/corvanth/*.tga "$PREFIX"/lib/corvanth/*.WAV; do
    [ "$(readlink "$WORK_DIR/$(basename "$file")")" = "$file" ] || fail "$(basename "$file") is not linked"
done

step "Play! finds the installed game beside the front end; the game is kept per user"
keys_to "$menu" Return
game=$(wait_program_window crvmain "Corvanth v1.5")
[ "$(readlink "/proc/$(wait_process crvmain)/exe")" = "$PREFIX/lib/corvanth/crvmain" ] ||
    fail "the game that started is not the installed one"
keys_to "$game" Escape y
wait_process_gone crvmain
wait_program_window corvanth "Corvanth v1.5" >/dev/null
expect_file "$WORK_DIR/corvanth.cfg" default_settings_text 1
expect_file "$WORK_DIR/nrgames.dat" games_played_text 1 0
[ "$(cd "$PREFIX" && find . | sort)" = "$installed" ] || fail "playing wrote into the installation"
echo "PASS"
