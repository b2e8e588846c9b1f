#!/usr/bin/env bash
# Installs what is missing, builds Velmora and runs every test. With CI=true
# warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
velmora_install_packages
preset=dev
[ "${CI:-}" = "true" ] && preset=ci
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --preset "$preset" -j "$(nproc)"
