#!/bin/sh
# Starts an installed Corvanth for this user. Both programs keep their settings and scores
# in their working directory, and the installation is read-only, so each user plays in a
# directory of their own that links the shared data files.
set -eu

here=$(dirname "$(readlink -f "$0")")
libdir=$(readlink -f "$here/../lib/corvanth")
workdir="${XDG_DATA_HOME:-$HOME/.local/share}/corvanth"

mkdir -p "$workdir"
for file in "$libdir"/*.tga "$libdir"/*.WAV; do
    [ -e "$file" ] || continue
    ln -sfn "$file" "$workdir/$(basename "$file")"
done

cd "$workdir"
exec "$libdir/corvanth" "$@"
