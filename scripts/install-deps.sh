#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages Acutrix needs to build, test and run, and those named on
# the command line; installs nothing that is already there. Uses sudo only when not run
# as root. Works alike on Debian 12 and Debian 13: a package this release does not have
# is named in one line and left out, and never stops the install.
set -euo pipefail

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

missing=()
for package in "${packages[@]}"; do
    installed "$package" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

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
[ ${#available[@]} -eq 0 ] && exit 0

echo "Installing: ${available[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get "${lock[@]}" install -y -qq --no-install-recommends "${available[@]}"
