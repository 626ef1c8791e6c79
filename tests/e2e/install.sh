#!/bin/bash
# Installing for players: `cmake --install` into a fresh prefix, then the launcher plays one
# game in a working directory of the user's own, which an older installation left stale links
# in; then the uninstall target removes what was installed and leaves the user's files.
source "$(dirname "$0")/e2e_lib.sh"
[ -f "$BUILD_DIR/CMakeCache.txt" ] || fail "no build in $BUILD_DIR"
ROOT=$(mktemp -d /tmp/corvanth-install-XXXXXX)
PREFIX=$ROOT/prefix
WORK_DIR=$ROOT/home/.local/share/corvanth
REMOVE_AT_EXIT+=("$ROOT")

step "install into a fresh prefix"
cmake --install "$BUILD_DIR" --prefix "$PREFIX" >/dev/null
PROGRAMS=$PREFIX/libexec/corvanth
DATA=$PREFIX/share/corvanth
for file in bin/corvanth libexec/corvanth/corvanth libexec/corvanth/crvmain \
            share/corvanth/charset.tga share/corvanth/GAMEOVER.WAV share/doc/corvanth/COPYING; do
    [ -e "$PREFIX/$file" ] || fail "$file is not installed"
done
[ -z "$(find "$PREFIX/lib" -name '*.tga' 2>/dev/null)" ] || fail "data installed under lib/"
grep -qx "Exec=corvanth" "$PREFIX"/share/applications/*.desktop || fail "desktop entry"
ls "$PREFIX"/share/icons/hicolor/256x256/apps/*.png >/dev/null || fail "no icon"
# Players cannot write into an installation: nothing may appear there while playing.
installed=$(cd "$PREFIX" && find . | sort)

step "the launcher starts the front end in the user's own directory"
start_x_server
export HOME=$ROOT/home
unset XDG_DATA_HOME
# What an older installation left: a link to its copy of a file that is still shipped, one
# to a file that no longer is, and a picture the user put there.
mkdir -p "$WORK_DIR"
ln -s "$ROOT/old/charset.tga" "$WORK_DIR/charset.tga"
ln -s "$ROOT/old/RETIRED.WAV" "$WORK_DIR/RETIRED.WAV"
cp "$DATA/glback.tga" "$WORK_DIR/glback.tga"
(cd / && "$PREFIX/bin/corvanth" >/dev/null 2>&1 &)
menu=$(wait_program_window corvanth "$WINDOW_TITLE")
for file in "$DATA"/*.tga "$DATA"/*.WAV; do
    [ "$(basename "$file")" = glback.tga ] && continue
    [ "$(readlink "$WORK_DIR/$(basename "$file")")" = "$file" ] || fail "$(basename "$file") is not linked"
done
[ ! -L "$WORK_DIR/RETIRED.WAV" ] || fail "the link to a file no longer shipped is kept"
[ -f "$WORK_DIR/glback.tga" ] && [ ! -L "$WORK_DIR/glback.tga" ] || fail "the user's own file was replaced"

step "Play! finds the installed game beside the front end; the game is kept per user"
play_from_menu_and_quit "$menu" "$PROGRAMS/crvmain"
expect_file "$WORK_DIR/corvanth.cfg" default_settings_text 1
expect_file "$WORK_DIR/nrgames.dat" games_played_text 1 0
[ "$(cd "$PREFIX" && find . | sort)" = "$installed" ] || fail "playing wrote into the installation"
# The front end is left open on purpose: uninstalling under a running game is what players do.

step "the uninstall target removes every installed file and keeps the user's"
cmake --build "$BUILD_DIR" --target uninstall >/dev/null
left=$(find "$PREFIX" ! -type d)
[ -z "$left" ] || fail "left after uninstalling: $left"
[ ! -e "$PROGRAMS" ] && [ ! -e "$DATA" ] || fail "the directories of corvanth are left"
expect_file "$WORK_DIR/nrgames.dat" games_played_text 1 0
[ -L "$WORK_DIR/charset.tga" ] && [ ! -e "$WORK_DIR/charset.tga" ] || fail "the user's links changed"
echo "PASS"
