#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages Acutrix needs to build, test and run, and those named on
# the command line; installs nothing that is already there. Uses sudo only when not run
# as root. Works alike on Debian 12 and Debian 13: a package this release does not have
# is named in one line and left out, and never stops the install.
#
# --web first adds what the page needs: Emscripten, Chromium, and Node with npm, then the
# browser tests' npm packages from web/package-lock.json, into build-web/node_modules (or
# WEB_BUILD_DIR's). A Node that is already there is kept, whatever package it came from:
# NodeSource's, for one, conflicts with Debian's npm and brings its own.
set -euo pipefail

web=false
if [ "${1:-}" = --web ]; then
    web=true
    shift
fi

packages=(
    cmake g++ make
    qt6-base-dev libgl-dev
    libnuspell-dev libutfcpp-dev qt6-tools-dev qt6-l10n-tools
    fonts-dejavu-core fonts-comfortaa
    desktop-file-utils appstream dpkg-dev file
)
packages+=("$@")

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# Node from Debian's own nodejs package, to which Debian's npm belongs.
debian_node() {
    installed nodejs && ! dpkg-query -W -f='${Version}' nodejs | grep -qi nodesource
}

if $web; then
    # chromium-sandbox: Chromium's own sandbox, for a plain user where the system allows
    # no user namespaces (in a chroot, or under some AppArmor policies).
    packages+=(emscripten chromium chromium-sandbox)
    if ! command -v node >/dev/null; then
        packages+=(nodejs npm)
    elif ! command -v npm >/dev/null && debian_node; then
        packages+=(npm)
    fi
fi

install_packages() {
    missing=()
    for package in "${packages[@]}"; do
        installed "$package" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    # Another install running at the same time holds apt's lock: wait for it rather than fail.
    lock=(-o DPkg::Lock::Timeout=600)
    "${sudo[@]}" apt-get "${lock[@]}" update -qq

    # Only what this release's archive has: apt-cache names a candidate version for it.
    available=()
    for package in "${missing[@]}"; do
        candidate=$(apt-cache policy "$package" 2>/dev/null | sed -n 's/^ *Candidate: *//p')
        if [ -n "$candidate" ] && [ "$candidate" != "(none)" ]; then
            available+=("$package")
        else
            echo "install-deps.sh: this release has no package $package; going on without it" >&2
        fi
    done
    [ ${#available[@]} -eq 0 ] && return 0

    echo "Installing: ${available[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get "${lock[@]}" install -y -qq --no-install-recommends "${available[@]}"
}

# The browser tests' driver, pinned by the lock file, in the build folder: out of the
# source tree and of reuse's reach. Installed again only when the lock file changes.
install_npm_packages() {
    local root build
    root=$(cd "$(dirname "$0")/.." && pwd)
    build="${WEB_BUILD_DIR:-$root/build-web}"
    if ! command -v npm >/dev/null; then
        echo "install-deps.sh: the Node at $(command -v node) has no npm; install its npm" >&2
        return 1
    fi
    mkdir -p "$build"
    if cmp -s "$root/web/package-lock.json" "$build/node_modules/.installed-lock.json"; then
        return 0
    fi
    cp "$root/web/package.json" "$root/web/package-lock.json" "$build/"
    (cd "$build" && npm ci --no-audit --no-fund --loglevel=error)
    cp "$root/web/package-lock.json" "$build/node_modules/.installed-lock.json"
}

install_packages
if $web; then
    install_npm_packages
fi
