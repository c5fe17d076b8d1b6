#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The installed tree and the Debian package.
# Usage: check-packaging.sh install CMAKE BUILD_DIR FILE_LIST
#        check-packaging.sh deb CPACK BUILD_DIR FILE_LIST
# install: cmake --install puts exactly the listed files in place, the desktop entry,
#   metainfo and manual pages are valid, and the launcher and its options behave.
# deb: the .deb holds the same files under /usr, declares its dependencies, and
#   lintian (where installed) finds no error and no warning in it.
set -eu
mode=$1 tool=$2 build=$3 list=$4

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
scratch=$(mktemp -d "${TMPDIR:-/tmp}/acutrix-packaging.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
trap 'exit 1' HUP INT TERM

# The tree under $1 holds exactly the listed files, and they hang together.
check_tree() {
    prefix=$1
    (cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) > "$scratch/found.txt"
    LC_ALL=C sort "$list" | diff -u - "$scratch/found.txt" >&2 \
        || fail "the installed files differ from $list (- expected, + found)"
    for size in 16 32 48 64 128 256; do
        file -b "$prefix/share/icons/hicolor/${size}x$size/apps/io.github.acutrix.Acutrix.png" \
            | grep -q "PNG image data, $size x $size," || fail "the ${size}x$size icon is not that size"
    done
    desktop="$prefix/share/applications/io.github.acutrix.Acutrix.desktop"
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
    ! grep '^Exec=' "$desktop" | grep -v '^Exec=acutrix-launcher' || fail "the desktop entry runs another program"
    appstreamcli validate --no-net "$prefix/share/metainfo/io.github.acutrix.Acutrix.metainfo.xml" >&2 \
        || fail "appstreamcli rejects the metainfo"
    for page in "$prefix"/share/man/man6/*.6.gz; do
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "$page does not render cleanly: $warnings"
    done
}

# The launcher of the installed tree under $1, with the game swapped for a stub that
# writes down where it was started, and xdg-open for one that writes down its argument.
check_launcher() {
    prefix=$1
    launcher="$prefix/bin/acutrix-launcher"
    sample="$prefix/share/acutrix/Tilde.txt"
    record="$scratch/record.txt"
    opened="$scratch/opened.txt"
    mkdir -p "$scratch/tools" "$scratch/home"
    printf '#!/bin/sh\n{ pwd -P; echo "$PPID"; echo "$#"; } > "%s"\n' "$record" > "$prefix/bin/acutrix"
    printf '#!/bin/sh\necho "$1" >> "%s"\n' "$opened" > "$scratch/tools/xdg-open"
    chmod +x "$prefix/bin/acutrix" "$scratch/tools/xdg-open"

    # run [env assignments...] -- [options]: the launcher in that environment; its exit
    # status goes to $status, what it printed to stdout.txt and stderr.txt.
    run() {
        rm -f "$record" "$opened"
        environment=""
        while [ "$1" != -- ]; do environment="$environment $1"; shift; done
        shift
        status=0
        env -u XDG_DATA_HOME HOME="$scratch/home" PATH="$scratch/tools:/usr/bin:/bin" \
            $environment "$launcher" "$@" \
            > "$scratch/stdout.txt" 2> "$scratch/stderr.txt" || status=$?
    }
    started_in() { [ -f "$record" ] && sed -n 1p "$record"; }
    physical() { (cd "$1" && pwd -P); }
    folder="$scratch/home/.local/share/acutrix"

    # The first start makes the folder, copies the sample and hands its process over.
    run --
    [ "$(started_in)" = "$(physical "$folder")" ] || fail "the first start did not play in $folder"
    cmp -s "$sample" "$folder/Tilde.txt" || fail "the first start did not copy the sample file"
    [ -w "$folder/Tilde.txt" ] || fail "the copied phrase file cannot be changed by its owner"
    [ "$(sed -n 2,3p "$record")" = "$(printf '%s\n0' $$)" ] || fail "the launcher did not exec the game bare"

    # The player's own file, under any capitals, empty, or a link to nothing, stays;
    # with it gone, an edit puts the sample back first.
    for kind in own empty capitals link gone; do
        rm -f "$folder"/*
        case $kind in
            own) printf 'Mi única frase.\n' > "$folder/Tilde.txt" ;;
            empty) : > "$folder/Tilde.txt" ;;
            capitals) printf 'Otra frase.\n' > "$folder/tilde.TXT" ;;
            link) ln -s "$scratch/nowhere.txt" "$folder/Tilde.txt" ;;
        esac
        before=$(ls -l "$folder"; cat "$folder"/* 2>/dev/null || true)
        for option in --edit-phrases --open-folder ""; do
            run -- $option
            [ "$kind" = gone ] || [ "$(ls -l "$folder"; cat "$folder"/* 2>/dev/null || true)" = "$before" ] \
                || fail "'$option' changed the player's $kind phrase file"
        done
    done
    cmp -s "$sample" "$folder/Tilde.txt" || fail "--edit-phrases did not copy the sample first"
    run -- --edit-phrases
    [ "$status" -eq 0 ] && [ "$(cat "$opened")" = "$folder/Tilde.txt" ] || fail "--edit-phrases opened $(cat "$opened")"
    run -- --open-folder
    [ "$status" -eq 0 ] && [ "$(cat "$opened")" = "$folder" ] && [ ! -f "$record" ] || fail "--open-folder failed"

    # With no opener installed, a clear message and a failure; the file stays.
    mkdir "$scratch/bare"
    for command in basename cat chmod cp dirname find grep mkdir mv readlink rm; do
        ln -s "$(command -v $command)" "$scratch/bare/$command"
    done
    for option in --edit-phrases --open-folder; do
        run PATH="$scratch/bare" -- $option
        [ "$status" -eq 1 ] && grep -q 'xdg-open is not installed' "$scratch/stderr.txt" || fail "$option without an opener"
    done
    cmp -s "$sample" "$folder/Tilde.txt" || fail "a failed opening lost the phrase file"

    # An absolute XDG_DATA_HOME names the data folder; any other value is passed over.
    run XDG_DATA_HOME="$scratch/data" --
    [ "$(started_in)" = "$(physical "$scratch/data/acutrix")" ] || fail "XDG_DATA_HOME was not followed"

    # With no data folder to be had, the game plays the installed sample.
    : > "$scratch/not-a-folder"
    run HOME="$scratch/not-a-folder" --
    [ "$(started_in)" = "$(physical "$prefix/share/acutrix")" ] && grep -q 'could not use' "$scratch/stderr.txt" \
        || fail "with no data folder the game started in $(started_in)"

    # The practice sets: listed, each started in its installed folder, which stays as it was.
    run -- --list-sets
    sets=$(cat "$scratch/stdout.txt")
    [ "$(echo $sets)" = "diacritics hiatus last-syllable next-to-last questions third-from-last" ] \
        || fail "--list-sets printed: $sets"
    for set in $sets; do
        run -- --set "$set"
        [ "$(started_in)" = "$(physical "$prefix/share/acutrix/sets/$set")" ] || fail "--set $set played in $(started_in)"
    done
    [ "$(ls "$prefix/share/acutrix/sets/questions")" = Tilde.txt ] || fail "a set's folder was changed"
    for wrong in nothing ../sets . "" "--set questions"; do
        run -- --set $wrong
        [ "$status" -eq 2 ] && [ -s "$scratch/stderr.txt" ] && [ ! -f "$record" ] \
            || fail "--set '$wrong' gave status $status"
    done
    run -- --unknown
    [ "$status" -eq 2 ] && [ ! -f "$record" ] || fail "an unknown option gave status $status"
}

case $mode in
    install)
        "$tool" --install "$build" --prefix "$scratch/prefix" > "$scratch/install.log" \
            || { cat "$scratch/install.log" >&2; fail "cmake --install failed"; }
        check_tree "$scratch/prefix"
        check_launcher "$scratch/prefix"
        ;;
    deb)
        "$tool" --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" > "$scratch/cpack.log" 2>&1 \
            || { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
        deb=$(echo "$scratch"/out/*.deb)
            depends=$(dpkg-deb -f "$deb" Depends)
        for package in libqt6widgets6 qt6-qpa-plugins fonts-dejavu-core fonts-comfortaa; do
            echo "$depends" | tr ',' '\n' | grep -q "^ *$package\\b" || fail "no dependency on $package: $depends"
        done
        dpkg -x "$deb" "$scratch/root"
        [ "$(ls -A "$scratch/root")" = usr ] || fail "the package puts files outside /usr"
        check_tree "$scratch/root/usr"
        if command -v lintian >/dev/null; then
            lintian "$deb" > "$scratch/lintian.txt" 2>&1 || [ $? -eq 1 ] || fail "lintian could not check the package"
            ! grep -E '^[EW]:' "$scratch/lintian.txt" || fail "lintian reports errors or warnings"
        fi
        ;;
esac
echo "$mode: ok"
