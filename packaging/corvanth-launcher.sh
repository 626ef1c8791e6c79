#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts an installed Corvanth for this user. Both programs keep their settings and scores
# in their working directory, and the installation is read-only, so each user plays in a
# directory of their own that links the shared data files.
set -eu

here=$(dirname "$(readlink -f "$0")")
# The build writes where the programs and the data are: relative to this script, so a moved
# or unpacked tree still plays, or absolute when installed that way.
programdir='@CORVANTH_LAUNCHER_PROGRAMDIR@'
datadir='@CORVANTH_LAUNCHER_GAMEDATADIR@'
case $programdir in /*) ;; *) programdir=$here/$programdir ;; esac
case $datadir in /*) ;; *) datadir=$here/$datadir ;; esac
programdir=$(readlink -f "$programdir")
datadir=$(readlink -f "$datadir")
workdir="${XDG_DATA_HOME:-$HOME/.local/share}/corvanth"

mkdir -p "$workdir"
for file in "$datadir"/*.tga "$datadir"/*.WAV; do
    [ -e "$file" ] || continue
    link="$workdir/$(basename "$file")"
    # A file of the user's own in place of a link is theirs to keep.
    if [ -L "$link" ] || [ ! -e "$link" ]; then
        [ "$(readlink "$link" || true)" = "$file" ] || ln -sfn "$file" "$link"
    fi
done
# Links this script made to data files that are gone, from an older or removed installation.
for link in "$workdir"/*.tga "$workdir"/*.WAV; do
    if [ -L "$link" ] && [ ! -e "$link" ] &&
       [ "$(basename "$(readlink "$link")")" = "$(basename "$link")" ]; then
        rm -f "$link"
    fi
done

cd "$workdir"
exec "$programdir/corvanth" "$@"
