#!/usr/bin/env bash
# CI: installs Velmora into a staging folder and validates the menu entry and
# the AppStream metadata, then builds the Debian package, checks its files and
# dependencies, unpacks it into a throwaway root and validates it there again.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f src/app/CMakeLists.txt ]; then
  echo "No desktop application in this tree: nothing to install or package."
  exit 0
fi
source scripts/packages.sh
velmora_install_packages dpkg-dev file desktop-file-utils appstream

build=build/ci
cmake --preset ci >/dev/null
nice -n 10 cmake --build --preset ci -j2

work=$(mktemp -d /tmp/velmora-packaging.XXXXXX)
trap 'rm -rf "$work"' EXIT

expected_files=(
  usr/bin/velmora
  usr/share/applications/io.velmora.velmora.desktop
  usr/share/metainfo/io.velmora.velmora.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/velmora.svg
)
required_depends=(libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 qt6-qpa-plugins)

# Validates an installed tree: the files are there, the menu entry and the
# metadata pass their validators, and the program finds its libraries and starts.
check_tree() {
  local root=$1 f
  for f in "${expected_files[@]}"; do
    [ -f "$root/$f" ] || { echo "missing from $root: $f"; return 1; }
  done
  desktop-file-validate "$root/usr/share/applications/io.velmora.velmora.desktop"
  appstreamcli validate-tree --no-net --pedantic --strict "$root"
  if ldd "$root/usr/bin/velmora" | grep 'not found'; then return 1; fi
  # An event loop still running after a few seconds is a successful start.
  local rc=0
  mkdir -p -m 0700 "$work/runtime"
  XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/velmora" || rc=$?
  [ "$rc" -eq 124 ] || { echo "velmora ended with status $rc on start"; return 1; }
}

echo "-- cmake --install into a staging folder"
DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >/dev/null
check_tree "$work/stage"

echo "-- Debian package"
bash scripts/package.sh "$build" >/dev/null
deb="$build/velmora_1.0.0_amd64.deb"
dpkg-deb -c "$deb" | tee "$work/files"
for f in "${expected_files[@]}"; do
  grep -q " \./$f\$" "$work/files" || { echo "missing from the package: $f"; exit 1; }
done
dpkg-deb -I "$deb"
[ "$(dpkg-deb -f "$deb" Package)" = velmora ] && [ "$(dpkg-deb -f "$deb" Version)" = 1.0.0 ]
depends=$(dpkg-deb -f "$deb" Depends)
for p in "${required_depends[@]}"; do
  grep -Eq "(^|, )$p( |,|\$)" <<<"$depends" || { echo "the package does not depend on $p"; exit 1; }
done
# Checks that every dependency is installable here, without installing anything.
dpkg --dry-run -i "$deb" >/dev/null

echo "-- The package unpacked into a throwaway root"
dpkg -x "$deb" "$work/root"
check_tree "$work/root"
echo "Packaging checks passed"
