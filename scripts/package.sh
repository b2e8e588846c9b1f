#!/usr/bin/env bash
# Builds the Debian package of Velmora: build/package/velmora_1.0.0_amd64.deb.
# Given a configured build folder (such as build/ci), packs that build instead.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
velmora_install_packages dpkg-dev file

build=${1:-build/package}
if [ $# -eq 0 ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCHMARKS=OFF >/dev/null
fi
nice -n 10 cmake --build "$build" -j2
cpack --config "$build/CPackConfig.cmake" -B "$build" -G DEB
