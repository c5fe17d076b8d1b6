#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds, and runs every test; then builds the program and its
# tests again with AddressSanitizer and UndefinedBehaviorSanitizer and runs them there.
set -euo pipefail
cd "$(dirname "$0")/.."
# clang and its runtime libraries build the phrase file fuzz target (libFuzzer); lintian,
# man-db and reuse check the package, its manual pages and the licensing; hunspell
# spell-checks the phrase files.
scripts/install-deps.sh clang libclang-rt-14-dev lintian man-db reuse hunspell hunspell-es
scripts/build.sh
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j"$(nproc)"

# Any report of either sanitizer, a leak included, stops the test and fails the run.
sanitized="${SANITIZE_BUILD_DIR:-build-asan}"
BUILD_DIR="$sanitized" scripts/build.sh -DACUTRIX_SANITIZE=ON
ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir "$sanitized" --output-on-failure -j"$(nproc)"
