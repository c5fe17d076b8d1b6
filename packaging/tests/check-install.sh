#!/bin/sh
# cmake --install puts exactly the listed files in place, and they hang together.
# Usage: check-install.sh CMAKE BUILD_DIR FILE_LIST
set -eu
. "$(dirname "$0")/lib.sh"
make_scratch
"$1" --install "$2" --prefix "$scratch/prefix" > "$scratch/install.log" \
    || { cat "$scratch/install.log" >&2; fail "cmake --install failed"; }
check_tree "$scratch/prefix" "$3"
echo "installed tree: ok"
