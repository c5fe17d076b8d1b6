# Checks shared by the packaging tests, for POSIX sh. Each check stops the test with a
# message on the first fault it finds.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A fresh temporary folder, removed when the test ends.
make_scratch() {
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/acutrix-packaging.XXXXXX")
    trap 'rm -rf "$scratch"' EXIT
    trap 'exit 1' HUP INT TERM
}

# The width and height of a PNG file, from its header.
png_size() {
    set -- $(od -An -tu1 -j16 -N8 "$1")
    echo "$(( ($1 << 24) | ($2 << 16) | ($3 << 8) | $4 ))x$(( ($5 << 24) | ($6 << 16) | ($7 << 8) | $8 ))"
}

# check_tree PREFIX LIST: the installed tree under PREFIX holds exactly the files in
# LIST, the programs can be run, every icon is as large as its folder says, and the
# desktop entry and metainfo are valid and name what is installed.
check_tree() {
    prefix=$1
    list=$2
    [ -d "$prefix" ] || fail "no installed tree at $prefix"
    (cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) > "$scratch/found.txt"
    if ! LC_ALL=C sort "$list" | cmp -s - "$scratch/found.txt"; then
        LC_ALL=C sort "$list" | diff -u - "$scratch/found.txt" >&2 || true
        fail "the installed files differ from $list (- expected, + found)"
    fi

    for program in acutrix acutrix-launcher; do
        [ -x "$prefix/bin/$program" ] || fail "bin/$program cannot be run"
    done
    [ -s "$prefix/share/acutrix/Tilde.txt" ] || fail "the sample phrase file is empty"

    icons="$prefix/share/icons/hicolor"
    for size in 16 32 48 64 128 256; do
        png="$icons/${size}x${size}/apps/io.github.acutrix.Acutrix.png"
        actual=$(png_size "$png")
        [ "$actual" = "${size}x${size}" ] || fail "$png is $actual, not ${size}x${size}"
    done
    grep -q '<svg' "$icons/scalable/apps/io.github.acutrix.Acutrix.svg" \
        || fail "the scalable icon is not an SVG drawing"

    desktop="$prefix/share/applications/io.github.acutrix.Acutrix.desktop"
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
    exec_line=$(sed -n 's/^Exec=//p' "$desktop")
    [ -x "$prefix/bin/${exec_line%% *}" ] || fail "the desktop entry runs '$exec_line', which is not installed"
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [ -f "$icons/48x48/apps/$icon.png" ] || fail "the desktop entry's icon '$icon' is not installed"
    grep -q '^Categories=Education;' "$desktop" || fail "the desktop entry is not in Education"

    metainfo="$prefix/share/metainfo/io.github.acutrix.Acutrix.metainfo.xml"
    appstreamcli validate --no-net "$metainfo" >&2 || fail "appstreamcli rejects $metainfo"
    grep -q '<launchable type="desktop-id">io.github.acutrix.Acutrix.desktop</launchable>' "$metainfo" \
        || fail "the metainfo does not name the desktop entry"
}

# check_launcher PREFIX: the launcher of the installed tree under PREFIX, with the
# program swapped for a stub that writes down the folder it was started in.
check_launcher() {
    prefix=$1
    sample="$prefix/share/acutrix/Tilde.txt"
    record="$scratch/record.txt"
    cat > "$prefix/bin/acutrix" <<STUB
#!/bin/sh
{ pwd -P; echo "\$PPID"; for arg in "\$@"; do echo "arg:\$arg"; done; } > "$record"
STUB
    chmod +x "$prefix/bin/acutrix"
    launcher="$prefix/bin/acutrix-launcher"
    home="$scratch/home"
    mkdir -p "$home"

    # start [env assignments...]: one start of the launcher in the given environment.
    start() {
        rm -f "$record"
        env -u XDG_DATA_HOME "$@" "$launcher" "two words" --third 2> "$scratch/stderr.txt" \
            || fail "the launcher failed: $(cat "$scratch/stderr.txt")"
        [ -f "$record" ] || fail "the launcher did not start the program"
        started_in=$(sed -n 1p "$record")
    }
    physical() { (cd "$1" && pwd -P); }

    # The first start makes the folder, copies the sample and starts the program there,
    # in place of the launcher and with its arguments.
    start HOME="$home"
    folder="$home/.local/share/acutrix"
    [ -d "$folder" ] || fail "the first start did not make $folder"
    [ "$started_in" = "$(physical "$folder")" ] || fail "the program started in $started_in, not in $folder"
    cmp -s "$sample" "$folder/Tilde.txt" || fail "the first start did not copy the sample file"
    [ -w "$folder/Tilde.txt" ] || fail "the copied phrase file cannot be changed by its owner"
    [ "$(sed -n 2p "$record")" = "$$" ] || fail "the launcher did not hand its process over to the program"
    [ "$(sed -n '3,$p' "$record")" = "$(printf 'arg:two words\narg:--third')" ] \
        || fail "the arguments did not reach the program: $(sed -n '3,$p' "$record")"
    [ "$(ls -A "$folder")" = "Tilde.txt" ] || fail "the first start left more than Tilde.txt: $(ls -A "$folder")"

    # A second start leaves the player's own phrases as they are.
    printf 'Mi única frase.\n' > "$folder/Tilde.txt"
    start HOME="$home"
    [ "$(cat "$folder/Tilde.txt")" = "Mi única frase." ] || fail "a second start changed the player's file"
    [ "$(ls -A "$folder")" = "Tilde.txt" ] || fail "a second start left more than Tilde.txt: $(ls -A "$folder")"

    # An empty file is still the player's file.
    : > "$folder/Tilde.txt"
    start HOME="$home"
    [ ! -s "$folder/Tilde.txt" ] || fail "a start filled the player's empty file"

    # A file the program finds under another mix of capitals counts as there.
    rm "$folder/Tilde.txt"
    printf 'Otra frase más.\n' > "$folder/tilde.TXT"
    start HOME="$home"
    [ "$(ls -A "$folder")" = "tilde.TXT" ] || fail "a start copied the sample beside tilde.TXT: $(ls -A "$folder")"

    # So does a link, even one that leads nowhere.
    rm "$folder/tilde.TXT"
    ln -s "$scratch/nowhere.txt" "$folder/Tilde.txt"
    start HOME="$home"
    [ -L "$folder/Tilde.txt" ] || fail "a start replaced the player's link"
    rm "$folder/Tilde.txt"

    # With the file gone, the next start puts the sample back.
    start HOME="$home"
    cmp -s "$sample" "$folder/Tilde.txt" || fail "a start did not copy the sample into the empty folder"

    # An absolute XDG_DATA_HOME names the data folder; any other value is passed over.
    start HOME="$home" XDG_DATA_HOME="$scratch/data"
    [ "$started_in" = "$(physical "$scratch/data/acutrix")" ] || fail "XDG_DATA_HOME was not followed: $started_in"
    cmp -s "$sample" "$scratch/data/acutrix/Tilde.txt" || fail "no sample file in \$XDG_DATA_HOME/acutrix"
    start HOME="$home" XDG_DATA_HOME="relative/data"
    [ "$started_in" = "$(physical "$folder")" ] || fail "a relative XDG_DATA_HOME was followed: $started_in"

    # Started through a link, as from a folder on the PATH.
    mkdir -p "$scratch/links"
    ln -s "$launcher" "$scratch/links/acutrix-launcher"
    rm -f "$record"
    env -u XDG_DATA_HOME HOME="$scratch/other-home" "$scratch/links/acutrix-launcher" 2>/dev/null \
        || fail "the launcher failed when started through a link"
    cmp -s "$sample" "$scratch/other-home/.local/share/acutrix/Tilde.txt" \
        || fail "the launcher started through a link did not copy the sample"

    # With no data folder to be had, the program plays the sample where it is installed.
    : > "$scratch/not-a-folder"
    start HOME="$scratch/not-a-folder"
    [ "$started_in" = "$(physical "$prefix/share/acutrix")" ] \
        || fail "with no data folder the program started in $started_in"
    grep -q 'could not use' "$scratch/stderr.txt" || fail "the launcher did not say why it used the sample"
}
