#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds the page, and serves it on 127.0.0.1 (port 8030, or
# PORT) until Ctrl-C. The page plays the sample phrase file; ?set=NAME plays a set.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh emscripten python3
scripts/build-web.sh --target model
site="${WEB_BUILD_DIR:-build-web}/site"
port="${PORT:-8030}"
echo "Acutrix in the browser: open http://127.0.0.1:$port/"
echo "A practice set: http://127.0.0.1:$port/?set=hiatus (see data/sets/ for the others)"
echo "To put it on a web server, copy the folder $site as it is."
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site"
