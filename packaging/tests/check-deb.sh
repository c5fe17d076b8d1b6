#!/bin/sh
# CPack builds a .deb that declares the program's Debian dependencies and, unpacked
# with dpkg -x, holds exactly the listed files under /usr with a working launcher.
# Usage: check-deb.sh CPACK BUILD_DIR FILE_LIST
set -eu
. "$(dirname "$0")/lib.sh"
cpack=$1
build=$2
list=$3
make_scratch
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" > "$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
set -- "$scratch"/out/*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "cpack made no single .deb: $*"
deb=$1

[ "$(dpkg-deb -f "$deb" Package)" = acutrix ] || fail "the package is not named acutrix"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] || fail "the package is for another architecture"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-dejavu-core fonts-comfortaa; do
    echo "$depends" | tr ',' '\n' | grep -q "^ *$package\\b" || fail "the package does not depend on $package: $depends"
done

dpkg -x "$deb" "$scratch/root"
[ "$(ls -A "$scratch/root")" = usr ] || fail "the package puts files outside /usr: $(ls -A "$scratch/root")"
check_tree "$scratch/root/usr" "$list"
check_launcher "$scratch/root/usr"
echo "$(basename "$deb"): ok"
