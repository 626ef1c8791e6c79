#!/bin/bash
# The .deb: a release build in Debian's layout packed by CPack, its files and lintian's
# verdict, then a fresh user plays one game from the package unpacked into a temporary root.
# CORVANTH_PACKAGE_BUILD names the build to pack (test.sh's release build from scratch);
# without it the test configures and builds one of its own.
source "$(dirname "$0")/e2e_lib.sh"
[ -f "$BUILD_DIR/CMakeCache.txt" ] || fail "no build in $BUILD_DIR"
SOURCE_DIR=$(cd "$(dirname "$0")/../.." && pwd)
# The package holds no crvsim: the test build's checks the release's replays.
CRVSIM=$BUILD_DIR/run/crvsim
ROOT=$(mktemp -d /tmp/corvanth-deb-XXXXXX)
WORK_DIR=$ROOT/home/.local/share/corvanth
REMOVE_AT_EXIT+=("$ROOT")

# Runs a command with its output in a log that is shown only when it fails.
logged() {
    "$@" >"$ROOT/log" 2>&1 || { tail -n 40 "$ROOT/log" >&2; fail "$* failed"; }
}

# The value of a build's cache entry, or nothing.
cache_value() {
    sed -n "s/^$2:[A-Z]*=//p" "$1/CMakeCache.txt"
}

if [ -n "${CORVANTH_PACKAGE_BUILD:-}" ]; then
    DEB_BUILD=$(realpath -e "$CORVANTH_PACKAGE_BUILD") || fail "no build in $CORVANTH_PACKAGE_BUILD"
    step "the release build in $DEB_BUILD, packed by cpack"
    [ -f "$DEB_BUILD/CMakeCache.txt" ] || fail "no build in $DEB_BUILD"
    # A tree configured otherwise fails here by name, not later in the file list or not at all.
    [ "$(cache_value "$DEB_BUILD" CMAKE_BUILD_TYPE)" = Release ] &&
        [ "$(cache_value "$DEB_BUILD" CORVANTH_DEBIAN_LAYOUT)" = ON ] &&
        [ "$(cache_value "$DEB_BUILD" CMAKE_INSTALL_PREFIX)" = /usr ] ||
        fail "$DEB_BUILD is not configured as scripts/configure-package-build configures it"
else
    # Kept between runs, so only what changed is built again.
    DEB_BUILD=$BUILD_DIR/deb-release
    step "a release build in Debian's layout of what the package holds, packed by cpack"
    logged "$SOURCE_DIR/scripts/configure-package-build" "$DEB_BUILD" -G Ninja \
        -DCORVANTH_TESTS=OFF -DCORVANTH_BENCHMARKS=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
fi
logged "${CMAKE:-cmake}" --build "$DEB_BUILD" --parallel 2 --target crvmain corvanth gamedata
rm -f "$DEB_BUILD"/corvanth_*.deb
(cd "$DEB_BUILD" && logged "${CPACK:-cpack}" -G DEB)
deb=$(echo "$DEB_BUILD"/corvanth_"$PRODUCT_VERSION"_*.deb)
[ -f "$deb" ] || fail "no corvanth_$PRODUCT_VERSION package in $DEB_BUILD"

step "each file in its place, owned by root, with its mode"
expected=$ROOT/expected
{
    for dir in usr usr/games usr/lib usr/lib/games usr/lib/games/corvanth usr/share \
               usr/share/doc usr/share/doc/corvanth usr/share/games usr/share/games/corvanth; do
        echo "drwxr-xr-x $dir/"
    done
    echo "-rwxr-xr-x usr/games/corvanth"
    echo "-rwxr-xr-x usr/lib/games/corvanth/corvanth"
    echo "-rwxr-xr-x usr/lib/games/corvanth/crvmain"
    echo "-rw-r--r-- usr/share/doc/corvanth/changelog.gz"
    echo "-rw-r--r-- usr/share/doc/corvanth/copyright"
    for file in "$DEB_BUILD"/run/*.tga "$DEB_BUILD"/run/*.WAV; do
        echo "-rw-r--r-- usr/share/games/corvanth/$(basename "$file")"
    done
} | sort >"$expected"
# The menu entry, the icons and the manual pages have tests of their own; here only their modes.
listing=$(dpkg-deb -c "$deb")
awk '{ print $2 }' <<<"$listing" | grep -vx root/root && fail "a file not owned by root"
awk '{ print $1, substr($6, 3) }' <<<"$listing" |
    grep -Ev ' usr/share/(applications|metainfo|icons|man)(/|$)' | sort | diff "$expected" - ||
    fail "the package's files differ from the list above"
awk '$1 !~ /^(drwxr-xr-x|-rw-r--r--)$/ && $6 ~ /^\.\/usr\/share\//' <<<"$listing" | grep . &&
    fail "a file under usr/share is not 0644 or a directory not 0755"

step "the control data: shlibdeps' Depends, Recommends, md5sums of every file"
control=$(dpkg-deb -f "$deb")
grep -q '^Depends: .*libsdl2-2.0-0.*libqt6widgets6\|^Depends: .*libqt6widgets6.*libsdl2-2.0-0' <<<"$control" ||
    fail "Depends lacks the libraries: $control"
grep -qx 'Recommends: qt6-wayland, libdecor-0-plugin-1-cairo' <<<"$control" || fail "Recommends"
grep -qx 'Section: games' <<<"$control" || fail "Section"
dpkg-deb -x "$deb" "$ROOT/root"
dpkg-deb -e "$deb" "$ROOT/control"
(cd "$ROOT/root" && md5sum --quiet -c "$ROOT/control/md5sums") || fail "md5sums"
[ "$(wc -l <"$ROOT/control/md5sums")" -eq "$(find "$ROOT/root" -type f | wc -l)" ] ||
    fail "md5sums does not list every file"
for program in "$ROOT"/root/usr/lib/games/corvanth/*; do
    name=$(basename "$program")
    # Read whole first: a grep -q that stops early would fail readelf's pipe under pipefail.
    header=$(readelf -hlSW "$program")
    dynamic=$(readelf -dW --dyn-syms "$program")
    grep -q '\.symtab' <<<"$header" && fail "$name is not stripped"
    # What Debian's hardening flags leave in a program: position-independent, its relocations
    # bound at start and then read-only, the stack protector and the checked libc calls.
    grep -q 'Type: *DYN' <<<"$header" || fail "$name is not position-independent"
    grep -q GNU_RELRO <<<"$header" || fail "$name has no read-only relocations"
    grep -q 'BIND_NOW\|FLAGS_1.* NOW' <<<"$dynamic" || fail "$name is not bound at start"
    grep -q __stack_chk_fail <<<"$dynamic" || fail "$name has no stack protector"
    grep -q '__[a-z]*printf_chk' <<<"$dynamic" || fail "$name calls no checked libc functions"
done
head -n 1 "$ROOT/root/usr/share/doc/corvanth/copyright" |
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "copyright is not in Debian's machine-readable format"

step "lintian finds no errors"
verdict=$(lintian "$deb" 2>/dev/null) || true
[ -z "$verdict" ] || echo "$verdict"
grep -q '^E:' <<<"$verdict" && fail "lintian reports errors"

step "a fresh user plays from the unpacked package's launcher"
installed=$(cd "$ROOT/root" && find . | sort)
start_x_server
export HOME=$ROOT/home
unset XDG_DATA_HOME
mkdir -p "$HOME"
(cd / && "$ROOT/root/usr/games/corvanth" >/dev/null 2>&1 &)
menu=$(wait_program_window corvanth "$WINDOW_TITLE")
for file in "$ROOT"/root/usr/share/games/corvanth/*; do
    [ "$(readlink "$WORK_DIR/$(basename "$file")")" = "$file" ] || fail "$(basename "$file") is not linked"
done
play_from_menu_and_quit "$menu" "$ROOT/root/usr/lib/games/corvanth/crvmain"
expect_file "$WORK_DIR/nrgames.dat" games_played_text 1 0
[ "$(cd "$ROOT/root" && find . | sort)" = "$installed" ] || fail "playing wrote into the package's tree"
echo "PASS"
