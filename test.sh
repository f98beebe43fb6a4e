#!/usr/bin/env bash
# Installs what is missing, builds everything in build/ and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
plumwick_install_missing
plumwick_build build
cd build
ctest --output-on-failure -j"$(nproc)"
