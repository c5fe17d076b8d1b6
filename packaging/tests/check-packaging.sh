#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The installed tree, the source package and the binary package.
# Usage: check-packaging.sh install CMAKE BUILD_DIR FILE_LIST BINDIR
#        check-packaging.sh source SOURCE_DIR
#        check-packaging.sh deb DEB FILE_LIST
# FILE_LIST names the programs' folder bin; BINDIR is where the build installs them.
# install: cmake --install puts exactly the listed files in place, the desktop entry,
#   metainfo and manual pages are valid, and the launcher and its options behave.
# source: the source package builds from the files git has in SOURCE_DIR, committed or
#   not, and lintian (where installed) finds no error and no warning in it. Exits 77
#   when SOURCE_DIR is not a git checkout.
# deb: the package built by dpkg-buildpackage declares its dependencies and holds the
#   listed files under /usr, the programs in /usr/games, its copyright, changelog and
#   lintian overrides; they hang together and the launcher behaves as in the installed
#   tree.
set -eu
mode=$1
# The installed tree is readable by all, as a package's is; the read-only folder case
# below runs the launcher as another user.
umask 022

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# The scratch folder as a path without links, as the game stub writes it down.
scratch=$(cd "$(mktemp -d "${TMPDIR:-/tmp}/acutrix-packaging.XXXXXX")" && pwd -P)
trap 'rm -rf "$scratch"' EXIT
trap 'exit 1' HUP INT TERM

# check_tree PREFIX LIST: the tree under PREFIX holds exactly the files in LIST, and they
# hang together.
check_tree() {
    share=$1/share
    (cd "$1" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) >"$scratch/found.txt"
    LC_ALL=C sort "$2" | diff -u - "$scratch/found.txt" >&2 \
        || fail "the installed files differ from $2 (- expected, + found)"
    for size in 16 32 48 64 128 256; do
        icon=$share/icons/hicolor/${size}x$size/apps/io.github.acutrix.Acutrix.png
        file -b "$icon" | grep -q "PNG image data, $size x $size," || fail "$icon is not that size"
    done
    desktop=$share/applications/io.github.acutrix.Acutrix.desktop
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
    ! grep '^Exec=' "$desktop" | grep -v '^Exec=acutrix-launcher' \
        || fail "the desktop entry runs another program"
    appstreamcli validate --no-net "$share/metainfo/io.github.acutrix.Acutrix.metainfo.xml" >&2 \
        || fail "appstreamcli rejects the metainfo"
    for page in "$share"/man/man*/*.gz; do
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "$page does not render cleanly: $warnings"
    done
}

# check_launcher PREFIX BIN: the launcher of the installed tree under PREFIX, with its
# programs in PREFIX/BIN, the game swapped for a stub that writes down where it was
# started, xdg-open for one that writes down its argument, and mkdir for one that writes
# down its arguments and makes nothing outside the scratch folder.
check_launcher() {
    bin=$1/$2
    sample=$1/share/acutrix
    log=$scratch/log
    record=$log/record.txt
    opened=$log/opened.txt
    made=$log/made.txt
    mkdir -p "$scratch/tools" "$scratch/home" "$scratch/cwd" "$scratch/planted" "$log"
    chmod 755 "$scratch"
    chmod 777 "$log"
    printf "#!/bin/sh\n{ pwd -P; echo \"\$PPID\"; echo \"\$#\"; } > '%s'\n" "$record" \
        >"$bin/acutrix"
    printf "#!/bin/sh\necho \"\$1\" >> '%s'\n" "$opened" >"$scratch/tools/xdg-open"
    cat >"$scratch/tools/mkdir" <<STUB
#!/bin/sh
echo "\$*" >> "$made"
for last; do :; done
case \$last in
    "$scratch"/*) exec /bin/mkdir "\$@" ;;
esac
exit 1
STUB
    chmod +x "$bin/acutrix" "$scratch/tools/xdg-open" "$scratch/tools/mkdir"
    ln -s "$bin/acutrix-launcher" "$scratch/tools/launcher"

    # run [env arguments...] launcher [options]: the launcher, started in the empty folder
    # cwd, with the env arguments (-u NAME, NAME=VALUE) applied last, and as the user $as
    # if set; its exit status goes to $status, what it printed to stdout.txt and stderr.txt.
    as=""
    run() {
        rm -f "$record" "$opened" "$made"
        set -- env -u XDG_DATA_HOME HOME="$scratch/home" PATH="$scratch/tools:/usr/bin:/bin" \
            env "$@"
        [ -z "$as" ] || set -- setpriv --reuid="$as" --regid="$(id -g "$as")" --clear-groups "$@"
        status=0
        (cd "$scratch/cwd" && "$@") </dev/null >"$scratch/stdout.txt" 2>"$scratch/stderr.txt" \
            || status=$?
    }
    # outcome: what the last run did: its exit status, the folder the game was started in,
    # what was opened, the calls of mkdir and the lines on stderr. Paths are given from the
    # scratch folder, and "-" stands for none.
    outcome() {
        game=$(sed -n 1p "$record" 2>/dev/null || echo -)
        open=$(cat "$opened" 2>/dev/null || echo -)
        calls=0
        [ ! -f "$made" ] || calls=$(wc -l <"$made")
        said=$(wc -l <"$scratch/stderr.txt")
        echo "exit $status, game ${game#"$scratch"/}, opened ${open#"$scratch"/}, mkdir $calls," \
            "stderr $said"
    }
    # expect OUTCOME [env arguments...] launcher [options]: run, and OUTCOME is the outcome.
    expect() {
        want=$1
        shift
        run "$@"
        [ "$(outcome)" = "$want" ] || fail "$*: $(outcome); expected: $want"
    }
    installed=${sample#"$scratch"/}
    mine=home/.local/share/acutrix
    folder=$scratch/$mine
    # What is in the player's folder and in the files that links from it may reach.
    listing() {
        find "$folder" "$scratch/planted" -printf '%p %y %l %s %m\n' 2>/dev/null
        cat "$folder"/* "$scratch/planted"/* 2>/dev/null || true
    }

    # The first start makes the folder, copies the sample, which may be read-only, as a new
    # file, and hands its process over.
    chmod 444 "$sample/Tilde.txt"
    expect "exit 0, game $mine, opened -, mkdir 1, stderr 0" launcher
    cmp -s "$sample/Tilde.txt" "$folder/Tilde.txt" || fail "the first start copied no sample"
    [ "$(stat -c %A "$folder/Tilde.txt")" = -rw-r--r-- ] || fail "the copy is not a new file"
    [ "$(sed -n 2,3p "$record")" = "$(printf '%s\n0' $$)" ] || fail "the game was not exec'd bare"

    # No option changes the player's phrase files, under any capitals, empty, or a link to
    # nothing, and the editor gets the one the game reads: Tilde.txt itself, else the first
    # name in byte order that differs from it only in capitals. Each row: the file opened,
    # then the files made, in an order that is neither.
    for row in "Tilde.txt: Tilde.txt" "Tilde.txt: empty" "Tilde.txt: link" "tilde.TXT: tilde.TXT" \
        "Tilde.txt: tilde.txt Tilde.txt TILDE.TXT" "TILDE.TXT: tilde.txt TILDE.TXT Tilde.TXT"; do
        rm -f "$folder"/*
        for name in ${row#*:}; do
            case $name in
                empty) : >"$folder/Tilde.txt" ;;
                link) ln -s "$scratch/nowhere.txt" "$folder/Tilde.txt" ;;
                *) echo "$name" >"$folder/$name" ;;
            esac
        done
        before=$(listing)
        run launcher
        run launcher --open-folder
        expect "exit 0, game -, opened $mine/${row%%:*}, mkdir 1, stderr 0" launcher --edit-phrases
        [ "$(listing)" = "$before" ] || fail "the launcher changed the phrase files of $row"
    done
    # With the phrase file gone, an edit puts the sample back first; the folder opens too.
    rm -f "$folder"/*
    expect "exit 0, game -, opened $mine/Tilde.txt, mkdir 1, stderr 0" launcher --edit-phrases
    cmp -s "$sample/Tilde.txt" "$folder/Tilde.txt" || fail "--edit-phrases copied no sample"
    expect "exit 0, game -, opened $mine, mkdir 1, stderr 0" launcher --open-folder

    # Checking the phrases from the desktop: the report goes to a new file that the viewer
    # opens, never the phrase file, which stays as it was.
    printf 'Vi\363 a Ra\372l.\r\n' >"$folder/Tilde.txt"
    before=$(listing)
    mkdir "$scratch/reports"
    run TMPDIR="$scratch/reports" launcher --check-phrases
    report=$(cat "$opened")
    [ "$status" -eq 0 ] || fail "--check-phrases gave status $status"
    [ "${report%/*}" = "$scratch/reports" ] || fail "--check-phrases opened $report"
    grep -q '/Tilde.txt:1:1: error: ' "$report" || fail "the report holds: $(cat "$report")"
    [ "$(listing)" = "$before" ] || fail "--check-phrases changed the phrase files"
    rm -f "$folder"/*
    expect "exit 1, game -, opened -, mkdir 0, stderr 1" launcher --check-phrases

    # Whatever name the launcher gives its own copy, it writes through nothing that it did
    # not make: links at names a temporary copy could have, each to a file of its own, a
    # stale copy and a folder stay as they were, and only the sample arrives, as a file.
    rm -rf "$folder"
    mkdir -p "$folder/.Tilde.txt.zdir00"
    for name in .Tilde.txt.new .Tilde.txt.tmp .Tilde.txt.aB3xYz Tilde.txt.new; do
        printf 'Lo que el enlace %s señala.\n' "$name" >"$scratch/planted/$name"
        ln -s "$scratch/planted/$name" "$folder/$name"
    done
    printf 'Una copia vieja.\n' >"$folder/.Tilde.txt.Q9z0Pk"
    before=$(listing)
    run launcher
    [ ! -L "$folder/Tilde.txt" ] || fail "the first start put a link in place"
    mv "$folder/Tilde.txt" "$scratch/copied.txt" || fail "stale copies: no sample copied"
    cmp -s "$sample/Tilde.txt" "$scratch/copied.txt" || fail "stale copies: another file copied"
    [ "$(listing)" = "$before" ] || fail "the first start changed what was in the folder"
    mv "$scratch/copied.txt" "$folder/Tilde.txt"

    # With no opener installed, a clear message and a failure; the file stays.
    mkdir "$scratch/bare"
    for command in basename cat chmod cp dirname find mkdir mktemp mv readlink rm sed sort; do
        ln -s "$(command -v $command)" "$scratch/bare/$command"
    done
    ln -s "$bin/acutrix-launcher" "$scratch/bare/launcher"
    before=$(listing)
    for option in --edit-phrases --open-folder; do
        expect "exit 1, game -, opened -, mkdir 0, stderr 1" PATH="$scratch/bare" launcher "$option"
        grep -q 'xdg-open is not installed' "$scratch/stderr.txt" || fail "$option: no message"
    done
    [ "$(listing)" = "$before" ] || fail "a failed opening changed the phrase files"

    # An absolute XDG_DATA_HOME names the data folder; any other value is passed over.
    expect "exit 0, game data/acutrix, opened -, mkdir 1, stderr 0" XDG_DATA_HOME="$scratch/data" \
        launcher

    # With no data folder to be had, the game plays the installed sample and says so in a
    # line, and there is nothing to edit. With no absolute HOME either, no folder is made.
    for row in "1 HOME=/dev/null" "0 -u HOME" "0 HOME=" "0 HOME=relative" \
        "0 HOME=relative XDG_DATA_HOME=data"; do
        # shellcheck disable=SC2086 # the words of the row
        set -- $row
        calls=$1
        shift
        expect "exit 0, game $installed, opened -, mkdir $calls, stderr 1" "$@" launcher
        expect "exit 1, game -, opened -, mkdir $calls, stderr 1" "$@" launcher --edit-phrases
        [ -z "$(ls -A "$scratch/cwd")" ] || fail "with $row: $(ls -A "$scratch/cwd") made"
    done

    # A folder that exists but is read-only and holds no phrase file: the game plays the
    # installed sample, with one line on stderr, and the folder stays empty. Root may write
    # anywhere, so there the launcher runs as the user nobody.
    [ "$(id -u)" -ne 0 ] || as=nobody
    locked=$scratch/locked/.local/share/acutrix
    mkdir -p "$locked"
    chmod 555 "$locked"
    expect "exit 0, game $installed, opened -, mkdir 1, stderr 1" HOME="$scratch/locked" launcher
    as=""
    [ -z "$(ls -A "$locked")" ] || fail "the launcher left $(ls -A "$locked") in $locked"

    # The practice sets: listed, each started in its installed folder, which stays as it was.
    sets="diacritics hiatus last-syllable next-to-last questions third-from-last"
    expect "exit 0, game -, opened -, mkdir 0, stderr 0" launcher --list-sets
    [ "$(tr '\n' ' ' <"$scratch/stdout.txt")" = "$sets " ] \
        || fail "--list-sets printed: $(cat "$scratch/stdout.txt")"
    for set in $sets; do
        expect "exit 0, game $installed/sets/$set, opened -, mkdir 0, stderr 0" \
            launcher --set "$set"
    done
    [ "$(ls "$sample/sets/questions")" = Tilde.txt ] || fail "a set's folder was changed"
    # Every wrong name reaches the launcher as written, and is refused as unknown, as is an
    # unknown option.
    newline='
'
    for wrong in nothing ../sets . "" "--set questions" "nothing${newline}questions" \
        "questions${newline}" Questions "questions " questions/ ./questions; do
        run launcher --set "$wrong"
        [ "$status" -eq 2 ] || fail "--set '$wrong' gave status $status"
        [ ! -f "$record" ] || fail "--set '$wrong' started the game"
        [ -s "$scratch/stderr.txt" ] || fail "--set '$wrong' said nothing"
    done
    run launcher --unknown
    [ "$status" -eq 2 ] || fail "an unknown option gave status $status"
}

case $mode in
    install)
        cmake=$2 build=$3 list=$4 bindir=$5
        "$cmake" --install "$build" --prefix "$scratch/prefix" >"$scratch/install.log" \
            || fail "cmake --install failed: $(cat "$scratch/install.log")"
        sed "s|^bin/|$bindir/|" "$list" >"$scratch/installed-files.txt"
        check_tree "$scratch/prefix" "$scratch/installed-files.txt"
        check_launcher "$scratch/prefix" "$bindir"
        ;;
    source)
        source=$2
        if ! git -C "$source" rev-parse --git-dir >/dev/null 2>&1; then
            echo "$source is not a git checkout: the source package is not built"
            exit 77
        fi
        tree=$(sh "$source/packaging/source-package.sh" --worktree "$scratch/source" | tail -n 1)
        (cd "$tree" && dpkg-source -b .) >"$scratch/dpkg-source.log" 2>&1 \
            || fail "dpkg-source failed: $(cat "$scratch/dpkg-source.log")"
        if command -v lintian >/dev/null; then
            lintian "$scratch"/source/*.dsc >"$scratch/lintian.txt" 2>&1 || [ $? -eq 1 ] \
                || fail "lintian failed: $(cat "$scratch/lintian.txt")"
            ! grep -E '^[EW]:' "$scratch/lintian.txt" || fail "lintian reports errors or warnings"
        fi
        ;;
    deb)
        deb=$2 list=$3
        depends=$(dpkg-deb -f "$deb" Depends)
        for package in libqt6widgets6 qt6-qpa-plugins fonts-dejavu-core fonts-comfortaa; do
            echo "$depends" | tr ',' '\n' | grep -q "^ *$package\\b" || fail "no $package: $depends"
        done
        dpkg -x "$deb" "$scratch/root"
        [ "$(ls -A "$scratch/root")" = usr ] || fail "the package puts files outside /usr"
        packaged=$scratch/packaged-files.txt
        sed 's|^bin/|games/|' "$list" >"$packaged"
        printf 'share/doc/acutrix/%s\n' changelog.Debian.gz copyright >>"$packaged"
        # From debian/acutrix.lintian-overrides.
        echo share/lintian/overrides/acutrix >>"$packaged"
        check_tree "$scratch/root/usr" "$packaged"
        check_launcher "$scratch/root/usr" games
        ;;
esac
echo "$mode: ok"
