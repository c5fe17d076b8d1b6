#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds, and starts Acutrix on the sample phrase file.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
# The program reads Tilde.txt from the folder it is started in.
cd data
exec ../build/app/acutrix
