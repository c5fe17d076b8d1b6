#!/usr/bin/env bash
# Installs what is missing, builds, and starts Acutrix on the sample phrase file.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
# The program reads Tilde.txt from the folder it is started in.
cd data
exec ../build/app/acutrix
