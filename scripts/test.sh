#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds, and runs every test; then builds the program and its
# tests again with AddressSanitizer and UndefinedBehaviorSanitizer and runs them there.
set -euo pipefail
cd "$(dirname "$0")/.."
# clang builds the phrase file fuzz target (libFuzzer); lintian, man-db and reuse check
# the package, its manual pages and the licensing, and shellcheck the shell scripts;
# hunspell-es is the Spanish dictionary that acutrix-check reads the phrase files with;
# --web adds Emscripten, Chromium and the browser tests' driver for the page; Xvfb,
# D-Bus, the AT-SPI bus and pyatspi read the window as a screen reader does.
scripts/install-deps.sh --web clang lintian man-db reuse shellcheck hunspell-es \
    xvfb dbus at-spi2-core python3-pyatspi
# libFuzzer comes with the runtime of the clang just installed, which is named after its
# major version (clang 14 on Debian 12, clang 19 on Debian 13). Without it the fuzz
# target is left out and its inputs are still replayed.
clang_major=$(clang -dumpversion 2>/dev/null | cut -d. -f1 || true)
if [ -n "$clang_major" ]; then
    scripts/install-deps.sh "libclang-rt-$clang_major-dev"
fi
scripts/build.sh
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j"$(nproc)"

# The page: the game compiled to WebAssembly, played in headless Chromium on 127.0.0.1
# and compared with the native game.
scripts/build-web.sh
ctest --test-dir "${WEB_BUILD_DIR:-build-web}" --output-on-failure -L web

# Any report of either sanitizer, a leak included, stops the test and fails the run.
sanitized="${SANITIZE_BUILD_DIR:-build-asan}"
BUILD_DIR="$sanitized" scripts/build.sh -DACUTRIX_SANITIZE=ON
ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir "$sanitized" --output-on-failure -j"$(nproc)"
