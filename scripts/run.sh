#!/usr/bin/env bash
# Installs what is missing, builds Velmora and starts the application.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
velmora_install_packages
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$(nproc)"
if [ -x build/dev/src/app/velmora ]; then
  exec build/dev/src/app/velmora "$@"
fi
echo "Built the core; the desktop application is not part of this build."
