#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the upstream tarball with git archive, debian/ left out as Debian wants it, and
# unpacks it beside itself with debian/ added, ready for dpkg-buildpackage.
# Usage: source-package.sh [--worktree] FOLDER
# FOLDER gets acutrix_VERSION.orig.tar.gz and the tree acutrix-VERSION/, whose path is
# printed last; VERSION is the upstream part of the version in debian/changelog. The
# tarball holds the commit checked out (HEAD), or with --worktree the files as they stand
# in the working tree, committed or not, that git tracks or would track.
set -eu

usage() {
    echo "usage: ${0##*/} [--worktree] FOLDER" >&2
    exit 2
}

worktree=0
if [ "${1:-}" = --worktree ]; then
    worktree=1
    shift
fi
[ $# -eq 1 ] || usage
folder=$1
repo=$(cd "$(dirname "$0")/.." && pwd -P)
git -C "$repo" rev-parse --git-dir >/dev/null 2>&1 || {
    echo "${0##*/}: $repo is not a git checkout" >&2
    exit 1
}

version=$(dpkg-parsechangelog -l "$repo/debian/changelog" -S Version)
upstream=${version%-*}
tree=$folder/acutrix-$upstream
tarball=$folder/acutrix_$upstream.orig.tar.gz
[ ! -e "$tree" ] || {
    echo "${0##*/}: $tree is already there" >&2
    exit 1
}
mkdir -p "$folder"

commit=HEAD
if [ "$worktree" -eq 1 ]; then
    # The working tree's files as a tree object, staged in a copy of the index so that
    # the real one stays as it was.
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/acutrix-source.XXXXXX")
    trap 'rm -rf "$scratch"' EXIT
    cp "$(git -C "$repo" rev-parse --path-format=absolute --git-path index)" "$scratch/index"
    GIT_INDEX_FILE=$scratch/index git -C "$repo" add -A
    commit=$(GIT_INDEX_FILE=$scratch/index git -C "$repo" write-tree)
fi
git -C "$repo" archive --format=tar.gz --prefix="acutrix-$upstream/" -o "$tarball" "$commit" \
    ':(exclude)debian'
tar -xzf "$tarball" -C "$folder"
git -C "$repo" archive --prefix="acutrix-$upstream/" "$commit" debian | tar -x -C "$folder"
echo "$tree"
