#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The installed tree and the Debian package.
# Usage: check-packaging.sh install CMAKE BUILD_DIR FILE_LIST
#        check-packaging.sh deb CPACK BUILD_DIR FILE_LIST
# install: cmake --install puts exactly the listed files in place, the desktop entry,
#   metainfo and manual pages are valid, the launcher and its options behave, and
#   the project's shell scripts pass shellcheck (where it is installed).
# deb: the .deb holds the same files under /usr, declares its dependencies, and
#   lintian (where installed) finds no error and no warning in it.
set -eu
mode=$1 tool=$2 build=$3 list=$4
# The installed tree is readable by all, as a package's is; the read-only folder case
# below runs the launcher as another user.
umask 022

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
# writes down where it was started, xdg-open for one that writes down its argument, and
# mkdir for one that writes down its arguments and makes nothing outside the scratch
# folder. Where the test runs as root, a read-only folder is tried as the user nobody.
check_launcher() {
    prefix=$1
    launcher="$prefix/bin/acutrix-launcher"
    sample="$prefix/share/acutrix/Tilde.txt"
    log="$scratch/log"
    record="$log/record.txt"
    opened="$log/opened.txt"
    made="$log/made.txt"
    mkdir -p "$scratch/tools" "$scratch/home" "$scratch/cwd" "$log"
    chmod 755 "$scratch"
    chmod 777 "$log"
    printf "#!/bin/sh\n{ pwd -P; echo \"\$PPID\"; echo \"\$#\"; } > '%s'\n" "$record" > "$prefix/bin/acutrix"
    printf "#!/bin/sh\necho \"\$1\" >> '%s'\n" "$opened" > "$scratch/tools/xdg-open"
    cat > "$scratch/tools/mkdir" <<STUB
#!/bin/sh
echo "\$*" >> "$made"
for last; do :; done
case \$last in
    "$scratch"/*) exec /bin/mkdir "\$@" ;;
esac
exit 1
STUB
    chmod +x "$prefix/bin/acutrix" "$scratch/tools/xdg-open" "$scratch/tools/mkdir"
    ln -s "$launcher" "$scratch/tools/launcher"

    # run [env arguments...] launcher [options]: the launcher, started in the empty folder
    # cwd, with the env arguments (-u NAME, NAME=VALUE) applied last, and as the user $as
    # if set; its exit status goes to $status, what it printed to stdout.txt and stderr.txt.
    as=""
    run() {
        rm -f "$record" "$opened" "$made"
        set -- env -u XDG_DATA_HOME HOME="$scratch/home" PATH="$scratch/tools:/usr/bin:/bin" env "$@"
        [ -z "$as" ] || set -- setpriv --reuid="$as" --regid="$(id -g "$as")" --clear-groups "$@"
        status=0
        (cd "$scratch/cwd" && "$@") < /dev/null > "$scratch/stdout.txt" 2> "$scratch/stderr.txt" || status=$?
    }
    started_in() { if [ -f "$record" ]; then sed -n 1p "$record"; fi; }
    physical() { (cd "$1" && pwd -P); }
    folder="$scratch/home/.local/share/acutrix"
    listing() { ls -lA "$folder"; cat "$folder"/* 2>/dev/null || true; }

    # The first start makes the folder, copies the sample and hands its process over.
    run launcher
    [ "$(started_in)" = "$(physical "$folder")" ] || fail "the first start did not play in $folder"
    cmp -s "$sample" "$folder/Tilde.txt" || fail "the first start did not copy the sample file"
    [ -w "$folder/Tilde.txt" ] || fail "the copied phrase file cannot be changed by its owner"
    [ "$(sed -n 2,3p "$record")" = "$(printf '%s\n0' $$)" ] || fail "the launcher did not exec the game bare"

    # The player's own file, under any capitals, empty, or a link to nothing, stays;
    # with it gone, an edit puts the sample back first.
    for kind in own empty capitals link gone; do
        rm -f "$folder"/* "$folder"/.??*
        case $kind in
            own) printf 'Mi única frase.\n' > "$folder/Tilde.txt" ;;
            empty) : > "$folder/Tilde.txt" ;;
            capitals) printf 'Otra frase.\n' > "$folder/tilde.TXT" ;;
            link) ln -s "$scratch/nowhere.txt" "$folder/Tilde.txt" ;;
        esac
        before=$(listing)
        for option in --edit-phrases --open-folder ""; do
            run launcher ${option:+"$option"}
            [ "$kind" = gone ] || [ "$(listing)" = "$before" ] \
                || fail "'$option' changed the player's $kind phrase file"
        done
    done
    cmp -s "$sample" "$folder/Tilde.txt" || fail "--edit-phrases did not copy the sample first"
    run launcher --edit-phrases
    { [ "$status" -eq 0 ] && [ "$(cat "$opened")" = "$folder/Tilde.txt" ]; } || fail "--edit-phrases opened $(cat "$opened")"
    run launcher --open-folder
    { [ "$status" -eq 0 ] && [ "$(cat "$opened")" = "$folder" ] && [ ! -f "$record" ]; } || fail "--open-folder failed"

    # A stale temporary copy in the folder, a link or a folder, is neither written through
    # nor put in place: the sample arrives as a plain file and no copy is left behind.
    printf 'Lo que el enlace señala.\n' > "$scratch/target.txt"
    cp "$scratch/target.txt" "$scratch/target-before.txt"
    for stale in link folder; do
        rm -rf "$folder"
        mkdir -p "$folder"
        case $stale in
            link) ln -s "$scratch/target.txt" "$folder/.Tilde.txt.new" ;;
            folder) mkdir "$folder/.Tilde.txt.new" ;;
        esac
        run launcher
        cmp -s "$scratch/target.txt" "$scratch/target-before.txt" || fail "a stale $stale was written through"
        { [ -f "$folder/Tilde.txt" ] && [ ! -L "$folder/Tilde.txt" ] && cmp -s "$sample" "$folder/Tilde.txt"; } \
            || fail "with a stale $stale the phrase file is not the sample"
        [ "$(cd "$folder" && echo .[!.]* *)" = ".Tilde.txt.new Tilde.txt" ] \
            || fail "with a stale $stale the folder holds: $(ls -A "$folder")"
    done

    # The editor gets the file the game reads: Tilde.txt itself, else the first name in
    # byte order that differs from it only in capitals. Made in an order that is neither.
    for exact in yes no; do
        rm -rf "$folder"
        mkdir -p "$folder"
        case $exact in
            yes) set -- tilde.txt Tilde.txt TILDE.TXT Tilde.txt ;;
            no) set -- tilde.txt TILDE.TXT Tilde.TXT TILDE.TXT ;;
        esac
        for name in "$1" "$2" "$3"; do echo "$name" > "$folder/$name"; done
        run launcher --edit-phrases
        [ "$(cat "$opened")" = "$folder/$4" ] || fail "with $1 $2 $3, --edit-phrases opened $(cat "$opened")"
        [ "$(cat "$folder/$4")" = "$4" ] || fail "--edit-phrases changed $4"
    done

    # With no opener installed, a clear message and a failure; the file stays.
    mkdir "$scratch/bare"
    for command in basename cat chmod cp dirname find mkdir mktemp mv readlink rm sed sort; do
        ln -s "$(command -v $command)" "$scratch/bare/$command"
    done
    ln -s "$launcher" "$scratch/bare/launcher"
    before=$(listing)
    for option in --edit-phrases --open-folder; do
        run PATH="$scratch/bare" launcher "$option"
        { [ "$status" -eq 1 ] && grep -q 'xdg-open is not installed' "$scratch/stderr.txt"; } || fail "$option without an opener"
    done
    [ "$(listing)" = "$before" ] || fail "a failed opening changed the phrase files"

    # An absolute XDG_DATA_HOME names the data folder; any other value is passed over.
    run XDG_DATA_HOME="$scratch/data" launcher
    [ "$(started_in)" = "$(physical "$scratch/data/acutrix")" ] || fail "XDG_DATA_HOME was not followed"

    # With no data folder to be had, the game plays the installed sample. With no
    # absolute HOME either, not even a folder is made.
    : > "$scratch/not-a-folder"
    run HOME="$scratch/not-a-folder" launcher
    { [ "$(started_in)" = "$(physical "$prefix/share/acutrix")" ] && grep -q 'could not use' "$scratch/stderr.txt"; } \
        || fail "with no data folder the game started in $(started_in)"
    for home in unset empty relative "relative, XDG_DATA_HOME too"; do
        case $home in
            unset) set -- -u HOME ;;
            empty) set -- HOME= ;;
            relative) set -- HOME=relative ;;
            *) set -- HOME=relative XDG_DATA_HOME=data ;;
        esac
        run "$@" launcher
        { [ "$(started_in)" = "$(physical "$prefix/share/acutrix")" ] && [ ! -s "$made" ]; } \
            || fail "with HOME $home the game started in $(started_in) after mkdir $(cat "$made" 2>/dev/null)"
        [ -z "$(ls -A "$scratch/cwd")" ] || fail "with HOME $home the launcher made $(ls -A "$scratch/cwd")"
        [ "$(wc -l < "$scratch/stderr.txt")" -eq 1 ] || fail "with HOME $home the launcher said: $(cat "$scratch/stderr.txt")"
        run "$@" launcher --edit-phrases
        { [ "$status" -eq 1 ] && [ ! -s "$made" ] && [ ! -f "$opened" ]; } || fail "--edit-phrases with HOME $home"
    done

    # A folder that exists but is read-only and holds no phrase file: the game plays the
    # installed sample, with one line on stderr, and the folder stays empty.
    if [ "$(id -u)" -ne 0 ]; then
        locked=$folder
    elif command -v setpriv >/dev/null && id nobody >/dev/null 2>&1; then
        as=nobody
        locked="$scratch/nobody/.local/share/acutrix"
    else
        locked=""
        echo "the read-only folder is not tried: running as root, with no setpriv or no user nobody"
    fi
    if [ -n "$locked" ]; then
        rm -rf "$locked"
        mkdir -p "$locked"
        chmod 555 "$locked"
        run HOME="${locked%/.local/share/acutrix}" launcher
        as=""
        chmod 755 "$locked"
        [ "$(started_in)" = "$(physical "$prefix/share/acutrix")" ] || fail "in a read-only folder the game started in $(started_in)"
        [ "$(wc -l < "$scratch/stderr.txt")" -eq 1 ] || fail "in a read-only folder the launcher said: $(cat "$scratch/stderr.txt")"
        [ -z "$(ls -A "$locked")" ] || fail "the launcher left $(ls -A "$locked") in a read-only folder"
    fi

    # The practice sets: listed, each started in its installed folder, which stays as it was.
    run launcher --list-sets
    [ "$(tr '\n' ' ' < "$scratch/stdout.txt")" = "diacritics hiatus last-syllable next-to-last questions third-from-last " ] \
        || fail "--list-sets printed: $(cat "$scratch/stdout.txt")"
    cp "$scratch/stdout.txt" "$scratch/sets.txt"
    while read -r set; do
        run launcher --set "$set"
        [ "$(started_in)" = "$(physical "$prefix/share/acutrix/sets/$set")" ] || fail "--set $set played in $(started_in)"
    done < "$scratch/sets.txt"
    [ "$(ls "$prefix/share/acutrix/sets/questions")" = Tilde.txt ] || fail "a set's folder was changed"
    # Every wrong name reaches the launcher as written, and is refused as unknown.
    newline='
'
    for wrong in nothing ../sets . "" "--set questions" "nothing${newline}questions" "questions${newline}" \
        Questions "questions " questions/ ./questions; do
        run launcher --set "$wrong"
        { [ "$status" -eq 2 ] && [ -s "$scratch/stderr.txt" ] && [ ! -f "$record" ]; } \
            || fail "--set '$wrong' gave status $status"
    done
    run launcher --unknown
    { [ "$status" -eq 2 ] && [ ! -f "$record" ]; } || fail "an unknown option gave status $status"
}

# Every shell script of the project passes shellcheck, where it is installed: the ones git
# knows of or, outside a git checkout, the ones found in the source tree.
check_scripts() {
    if ! command -v shellcheck >/dev/null; then
        echo "shellcheck is not installed: the shell scripts are not checked"
        return 0
    fi
    source=$(cd "$(dirname "$0")/../.." && pwd)
    (
        cd "$source"
        if [ -e .git ] && command -v git >/dev/null; then
            git ls-files -z -- '*.sh' .ci/run packaging/acutrix-launcher.in
        else
            find . \( -name .git -o -type d -name 'build*' \) -prune -o -type f \( -name '*.sh' \
                -o -path ./.ci/run -o -path ./packaging/acutrix-launcher.in \) -print0
        fi
    ) > "$scratch/scripts.txt"
    grep -qz '^\(\./\)\?packaging/acutrix-launcher\.in$' "$scratch/scripts.txt" \
        || fail "the shell scripts of $source were not found"
    (cd "$source" && xargs -0 shellcheck < "$scratch/scripts.txt") >&2 \
        || fail "shellcheck finds faults in the shell scripts"
}

case $mode in
    install)
        "$tool" --install "$build" --prefix "$scratch/prefix" > "$scratch/install.log" \
            || { cat "$scratch/install.log" >&2; fail "cmake --install failed"; }
        check_tree "$scratch/prefix"
        check_launcher "$scratch/prefix"
        check_scripts
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
