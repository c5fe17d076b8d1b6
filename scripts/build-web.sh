#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Configures and builds the page with Emscripten in build-web/ (or the folder named by
# WEB_BUILD_DIR): the site is then build-web/site/. Arguments go to cmake --build.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${WEB_BUILD_DIR:-build-web}"
# emcc's own scripts find their Node modules where Debian puts them, also under a Node
# that is not Debian's.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
emcmake cmake -S web -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" "$@"
