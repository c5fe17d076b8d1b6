#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Proves the README's commands on a clean Debian system of a given release.
#
#   scripts/test-in-chroot.sh RELEASE [FOLDER]           test in a chroot of RELEASE
#   scripts/test-in-chroot.sh --remove RELEASE [FOLDER]  delete a chroot it made
#
# RELEASE is bookworm (Debian 12) or trixie (Debian 13); FOLDER is where the chroot lives,
# /var/tmp/acutrix-chroot-RELEASE by default. The first run makes a minimal chroot there
# with debootstrap; later runs reuse it, so that only the build and the tests take time.
# Each run copies in a clean export of the commit checked out here (git archive HEAD,
# never the working tree), kept as a repository of that one commit, as a clone would be.
# There it runs scripts/test.sh as a plain user who has sudo, as a new player would, and
# then starts the game with scripts/run.sh under Xvfb on the sample file and waits for
# its window. Then it builds the Debian source and binary packages from the same commit
# (packaging/source-package.sh, apt-get build-dep ./, dpkg-buildpackage -us -uc), runs
# lintian on the .changes, checks the .deb's contents and runs autopkgtest on the
# installed package. It ends with the release, the versions of Qt, GCC and CMake, each
# stage's outcome, and PASS or FAIL.
#
# Needs root, debootstrap and about 3 GB of disk. Everything happens in a mount namespace
# of its own, so no mount is ever seen outside it; all the same, every mount under the
# folder is undone on every exit, Ctrl-C included, and nothing is deleted while anything
# is mounted under it. A folder that this script did not make is never used.
set -euo pipefail

me=${0##*/}
releases="bookworm trixie"
marker_name=.acutrix-chroot
mirror=${ACUTRIX_CHROOT_MIRROR:-http://deb.debian.org/debian}
user=player
# Space needed to make a new chroot and to build again in one made before, in KiB.
need_new=$((3 * 1024 * 1024))
need_reuse=$((1024 * 1024))

die() {
    echo "$me: $*" >&2
    exit 2
}

usage() {
    echo "usage: $me [--remove] bookworm|trixie [FOLDER]" >&2
    exit 2
}

remove=0
if [ "${1:-}" = --remove ]; then
    remove=1
    shift
fi
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    usage
fi
release=$1
case " $releases " in
    *" $release "*) ;;
    *) die "unknown release '$release': choose one of: $releases." ;;
esac
[ "$(id -u)" -eq 0 ] \
    || die "run this as root (for example through sudo): it needs debootstrap, chroot and mount."
command -v debootstrap >/dev/null \
    || die "debootstrap is not installed: install it with 'apt-get install debootstrap'."
command -v unshare >/dev/null || die "unshare (from util-linux) is not installed."

# The folder, as an absolute path with no link in it. Only plain characters, so that it
# reads the same in /proc/self/mountinfo, where other characters are escaped.
folder=$(realpath -m -- "${2:-/var/tmp/acutrix-chroot-$release}")
[[ $folder =~ ^/[A-Za-z0-9._/-]+$ ]] \
    || die "the folder '$folder' may only hold letters, digits and . _ / -."
[ "$folder" != / ] || die "the folder must not be /."
marker="$folder/$marker_name"
ready="$folder/.acutrix-chroot-ready"

# Whatever is mounted at or under the folder, deepest first.
mounts_under() {
    awk -v dir="$folder" '$5 == dir || index($5, dir "/") == 1 { print $5 }' \
        /proc/self/mountinfo | sort -r
}

# Deletes the chroot folder, or with "inside" a folder in it, only when nothing at all is
# mounted under the chroot folder, and never crossing into another file system. A folder
# inside is deleted by rm in the chroot, so that no link in it can lead out.
remove_tree() {
    local tree=$1 mounted
    case "$tree" in
        "$folder" | "$folder"/*) ;;
        *) die "refusing to delete $tree: it is outside $folder." ;;
    esac
    mounted=$(mounts_under)
    if [ -n "$mounted" ]; then
        die "refusing to delete $tree: something is still mounted under $folder:" \
            "$(echo "$mounted" | paste -sd ' ' -)"
    fi
    if [ "${2:-}" = inside ]; then
        chroot "$folder" /bin/rm -rf --one-file-system -- "${tree#"$folder"}"
    else
        rm -rf --one-file-system -- "$tree"
    fi
}

# A folder this script made holds its marker, naming the release it was made for.
if [ -e "$folder" ] || [ -L "$folder" ]; then
    if [ ! -d "$folder" ] || [ -L "$folder" ] || [ ! -f "$marker" ]; then
        die "$folder exists and was not made by this script: name another folder."
    fi
    made_for=$(cat "$marker")
    [ "$made_for" = "acutrix-chroot $release" ] \
        || die "$folder was made for another release ($made_for), not $release."
    # One run at a time in a chroot; the lock is kept through the exec below.
    exec 9< "$marker"
    flock --nonblock 9 || die "another run is using $folder; wait for it to end."
fi

if [ "$remove" -eq 1 ]; then
    [ -d "$folder" ] || die "there is no chroot in $folder."
    remove_tree "$folder"
    echo "Removed $folder."
    exit 0
fi

# From here on in a mount namespace of our own, where every mount stays private.
if [ "${ACUTRIX_CHROOT_NAMESPACE:-}" != "$$" ]; then
    ACUTRIX_CHROOT_NAMESPACE=$$ exec unshare --mount --propagation private -- "$BASH" "$0" "$@"
fi

repo=$(cd "$(dirname "$0")/.." && pwd -P)
git=(git -c safe.directory="$repo" -C "$repo")
commit=$("${git[@]}" rev-parse --short HEAD 2>/dev/null) \
    || die "$repo is not a git checkout: the chroot gets a clean export of its HEAD."

[ -z "$(mounts_under)" ] \
    || die "something is already mounted under $folder, unmount it first:" \
        "$(mounts_under | paste -sd ' ' -)"

# Enough room where the chroot is, or will be.
if [ -f "$ready" ]; then need=$need_reuse; else need=$need_new; fi
where=$folder
[ -d "$where" ] || where=$(dirname "$folder")
[ -d "$where" ] || die "the folder's parent $where does not exist."
free=$(df -Pk "$where" | awk 'NR == 2 { print $4 }')
[ "$free" -ge "$need" ] \
    || die "not enough disk space: $((free / 1024)) MB free in $where, $((need / 1024)) MB needed."

# On every exit: stop what still runs in the chroot, then undo every mount under it.
mounting=0
cleanup() {
    local status=$? pid mount left
    set +e
    trap - EXIT INT TERM HUP
    if [ "$mounting" -eq 1 ]; then
        for pid in /proc/[0-9]*; do
            if [ "$(readlink "$pid/root" 2>/dev/null)" = "$folder" ]; then
                kill -KILL "${pid#/proc/}" 2>/dev/null
            fi
        done
        sleep 1
        for mount in $(mounts_under); do
            umount "$mount" 2>/dev/null || umount --lazy "$mount"
        done
        left=$(mounts_under)
        if [ -n "$left" ]; then
            echo "$me: could not unmount: $(echo "$left" | paste -sd ' ' -)" >&2
            status=1
        fi
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'echo "$me: interrupted." >&2; exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

in_chroot() {
    chroot "$folder" /usr/bin/env -i LANG=C.UTF-8 HOME=/root \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}
as_user() {
    chroot "$folder" /usr/sbin/runuser -u "$user" -- /usr/bin/env -i \
        PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 HOME="/home/$user" USER="$user" \
        LOGNAME="$user" NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt "$@"
}

start=$SECONDS
mounting=1

# A chroot whose making was cut short is made again from the start.
if [ -f "$marker" ] && [ ! -f "$ready" ]; then
    echo "== The chroot in $folder was never finished: making it again"
    remove_tree "$folder"
fi

if [ ! -d "$folder" ]; then
    echo "== Making a minimal Debian $release in $folder (debootstrap, $mirror)"
    mkdir -- "$folder"
    echo "acutrix-chroot $release" > "$marker"
    exec 9< "$marker"
    flock --nonblock 9 || die "another run is using $folder; wait for it to end."
    debootstrap --variant=minbase --include=sudo,ca-certificates,git "$release" "$folder" "$mirror"
    # No service starts inside the chroot; the plain user may use sudo, as on a desktop.
    printf '#!/bin/sh\nexit 101\n' > "$folder/usr/sbin/policy-rc.d"
    chmod 755 "$folder/usr/sbin/policy-rc.d"
    in_chroot useradd --create-home --shell /bin/bash "$user"
    echo "$user ALL=(ALL) NOPASSWD: ALL" > "$folder/etc/sudoers.d/$user"
    chmod 440 "$folder/etc/sudoers.d/$user"
    : > "$ready"
else
    echo "== Reusing the Debian $release chroot made before in $folder"
fi

# A clean export of HEAD, unpacked by the player, in place of the one of the run before
# (while nothing is mounted yet).
echo "== Copying in commit $commit of $repo (git archive HEAD)"
[ -z "$("${git[@]}" status --porcelain --untracked-files=no)" ] \
    || echo "   (changes not committed are left out)"
remove_tree "$folder/home/$user/acutrix" inside
remove_tree "$folder/home/$user/package" inside
as_user mkdir "/home/$user/acutrix"
"${git[@]}" archive --format=tar HEAD | as_user tar -x -C "/home/$user/acutrix"

# Then the host's name server, written from inside the chroot, and the file systems a
# running system has, each on a plain folder of the chroot, not on a link.
in_chroot sh -c 'rm -f /etc/resolv.conf && cat > /etc/resolv.conf' < /etc/resolv.conf
# The certificate authorities this host was given locally, such as a proxy's, so that npm
# reaches its registry from the chroot as it does from the host.
for authority in /usr/local/share/ca-certificates/*.crt; do
    [ -f "$authority" ] || continue
    # shellcheck disable=SC2016 # expanded by the shell in the chroot
    in_chroot sh -c 'cat > "/usr/local/share/ca-certificates/$1"' sh "${authority##*/}" \
        < "$authority"
done
in_chroot update-ca-certificates > /dev/null
# shellcheck disable=SC2016 # expanded by the shell in the chroot
in_chroot sh -c 'grep -qw "$(uname -n)" /etc/hosts || echo "127.0.1.1 $(uname -n)" >> /etc/hosts'
for dir in proc sys dev; do
    if [ ! -d "$folder/$dir" ] || [ -L "$folder/$dir" ]; then
        die "$folder/$dir is not a plain folder."
    fi
done
mount -t proc proc "$folder/proc"
mount --bind /sys "$folder/sys"
mount -o remount,bind,ro "$folder/sys"
mount --bind /dev "$folder/dev"
mount -t tmpfs -o mode=1777,size=1g tmpfs "$folder/dev/shm"
mount --bind /dev/pts "$folder/dev/pts"

# The export becomes a one-commit git repository, as a clone would be, so that the tests
# that look at the checkout (reuse) see the files under version control and not the
# build folders.
if [ ! -x "$folder/usr/bin/git" ]; then
    in_chroot apt-get update -qq
    in_chroot env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends git > /dev/null
fi
as_user git -C "/home/$user/acutrix" init -q
as_user git -C "/home/$user/acutrix" add -A
as_user git -C "/home/$user/acutrix" -c user.name=Acutrix -c user.email=acutrix@localhost \
    commit -q -m "git archive of $commit"

tests=FAIL
echo "== scripts/test.sh, as $user through sudo"
if as_user bash -c "cd ~/acutrix && scripts/test.sh"; then
    tests=PASS
fi

# The game under Xvfb, started by the README's other command. The display is one no X
# server on this machine listens on: X servers in a chroot still share the abstract
# socket names with the host.
window=FAIL
echo "== scripts/run.sh under Xvfb"
if in_chroot env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    xvfb xauth xdotool > /dev/null; then
    display=100
    while grep -q "@/tmp/.X11-unix/X$display\$" /proc/net/unix; do
        display=$((display + 1))
    done
    in_chroot install -d -m 1777 /tmp/.X11-unix
    # shellcheck disable=SC2016 # expanded by the shell in the chroot
    if as_user bash -c '
        Xvfb ":$1" -screen 0 1280x800x24 -nolisten tcp > /tmp/xvfb.log 2>&1 &
        xvfb=$!
        export DISPLAY=":$1"
        for _ in $(seq 100); do
            xdotool getmouselocation > /dev/null 2>&1 && break
            sleep 0.2
        done
        cd ~/acutrix
        QT_QPA_PLATFORM=xcb scripts/run.sh > /tmp/game.log 2>&1 &
        game=$!
        shown=1
        for _ in $(seq 120); do
            if xdotool search --onlyvisible --name "^Acutrix\$" > /dev/null 2>&1; then
                shown=0
                break
            fi
            kill -0 "$game" 2> /dev/null || break
            sleep 1
        done
        [ "$shown" -eq 0 ] || cat /tmp/game.log >&2
        kill "$game" "$xvfb" 2> /dev/null
        wait
        exit "$shown"
    ' window "$display"; then
        window=PASS
    fi
fi

# The Debian source and binary packages, built from a clean export of the same commit as
# the README says: the upstream tarball from git archive, apt-get build-dep ./ as root and
# dpkg-buildpackage as the player; then lintian on the .changes, the .deb's contents, and
# autopkgtest on the installed package.
package=FAIL lint=FAIL autopkgtest=FAIL lint_summary="not run"
echo "== dpkg-buildpackage, lintian and autopkgtest"
if tree=$(as_user bash -c 'cd ~/acutrix && packaging/source-package.sh ~/package' | tail -n 1) \
    && in_chroot sh -c "cd '$tree' && DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -qq ./" \
        > /dev/null \
    && as_user bash -c "cd '$tree' && dpkg-buildpackage -us -uc -j\$(nproc)" \
        > "$folder/home/$user/package/build.log" 2>&1; then
    package=PASS
    changes=$(cd "$folder/home/$user/package" && echo acutrix_*.changes)
    deb=$(cd "$folder/home/$user/package" && echo acutrix_*.deb)
    as_user sh -c "cd ~/package && lintian -I --pedantic $changes > lintian.txt 2>&1" || true
    lintian_txt=$folder/home/$user/package/lintian.txt
    cat "$lintian_txt"
    errors=$(grep -c '^E:' "$lintian_txt" || true)
    warnings=$(grep -c '^W:' "$lintian_txt" || true)
    infos=$(sed -n 's/^[IP]: [^:]*: \([^ ]*\).*/\1/p' "$lintian_txt" | sort -u | paste -sd ' ' -)
    lint_summary="$errors errors, $warnings warnings; info and pedantic: ${infos:-none}"
    [ "$errors" -eq 0 ] && [ "$warnings" -eq 0 ] && lint=PASS
    as_user bash -c "cd ~/package && sh ~/acutrix/packaging/tests/check-packaging.sh deb $deb \
        ~/acutrix/packaging/tests/installed-files.txt" || package=FAIL
    if as_user bash -c 'cd ~/acutrix && scripts/install-deps.sh autopkgtest' \
        && in_chroot sh -c "cd /home/$user/package && autopkgtest $changes -- null"; then
        autopkgtest=PASS
    fi
else
    tail -n 40 "$folder/home/$user/package/build.log" >&2 || true
fi

# The release and its tools.
debian=$(cat "$folder/etc/debian_version")
# shellcheck disable=SC2016 # a dpkg-query field, not a shell expansion
qt=$(in_chroot dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || echo none)
qt=${qt#*:}
qt=${qt%%[+~-]*}
gcc=$(in_chroot gcc -dumpfullversion 2>/dev/null || echo none)
cmake=$(in_chroot cmake --version 2>/dev/null | sed -n '1s/^cmake version //p')
took=$((SECONDS - start))
result=FAIL
[ "$tests" = PASS ] && [ "$window" = PASS ] && [ "$package" = PASS ] && [ "$lint" = PASS ] \
    && [ "$autopkgtest" = PASS ] && result=PASS
echo
echo "release: Debian $debian ($release)"
echo "Qt $qt, GCC $gcc, CMake ${cmake:-none}"
echo "scripts/test.sh: $tests; the game's window under Xvfb: $window"
echo "dpkg-buildpackage and the .deb's contents: $package; autopkgtest: $autopkgtest"
echo "lintian on the .changes: $lint ($lint_summary)"
echo "time: $((took / 60)) min $((took % 60)) s"
echo "$result"
[ "$result" = PASS ]
