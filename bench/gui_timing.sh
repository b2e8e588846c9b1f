#!/usr/bin/env bash
# The main window's times at N = 1000 (or the count given), on the offscreen
# platform unless a display is set: the whole process from launch to a
# painted window and back (start-up), then each command through the window.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
program="${VELMORA_GUI_TIMING:-$here/../build/ci/bench/velmora_gui_timing}"
[ -x "$program" ] || { echo "no $program; build the ci preset with the GUI first" >&2; exit 1; }
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
echo "platform: ${QT_QPA_PLATFORM:-xcb on $DISPLAY}"
# Start-up: launch to a painted main window, as a whole process (with
# Qt's loading), for a tiny run that exits right after the first commands.
for run in 1 2 3; do
    begin=$(date +%s%N)
    "$program" 1 | grep 'start to painted' | sed "s/^/run $run: /"
    end=$(date +%s%N)
    echo "run $run: whole process for N=1 (launch, show, one of each command, exit): $(( (end - begin) / 1000000 )) ms"
done
"$program" "${1:-1000}"
