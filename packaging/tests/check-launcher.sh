#!/bin/sh
# The installed launcher starts the program in the player's data folder, with a copy of
# the sample phrase file made only when the folder holds none.
# Usage: check-launcher.sh CMAKE BUILD_DIR
set -eu
. "$(dirname "$0")/lib.sh"
make_scratch
"$1" --install "$2" --prefix "$scratch/prefix" > "$scratch/install.log" \
    || { cat "$scratch/install.log" >&2; fail "cmake --install failed"; }
check_launcher "$scratch/prefix"
echo "launcher: ok"
