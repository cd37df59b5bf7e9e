#!/usr/bin/env bash
# Runs end-to-end tests on a desk of two monitors: Xephyr on the bench's
# display with two Xinerama heads and no RandR, which Wine lists as a primary
# monitor of 1366 x 768 at 0,0 and a second one of 1280 x 1024 at -1280,0. The
# stand-in dxva2.dll takes the place of Wine's own in the prefix's system
# folder (one DDC/CI monitor per display) for the run. The prefix's programs
# are ended before and after, so they run on this desk and then on the bench's
# own again. It stops exactly what it started.
#   run-on-two-monitors.sh SOURCE_DIR WINE DRIVER FILTER STAND_IN_DXVA2
set -uo pipefail
source_dir=$1 wine=$2 driver=$3 filter=$4 standin=$5
source "$source_dir/scripts/lib/winebench.sh"

display=$(bench_free_display) || exit 1
Xephyr ":$display" +xinerama -extension RANDR -origin 1280,0 -screen 1366x768 -origin 0,0 -screen 1280x1024 \
  -nolisten tcp >/dev/null 2>&1 &
xephyr=$!
finish() {
  bench_restore_dll
  kill "$xephyr" 2>/dev/null
  wait "$xephyr" 2>/dev/null
}
trap finish EXIT
bench_wait_for_display "$display" "$xephyr" || exit 1
bench_plant_dll dxva2 "$standin"
DISPLAY=":$display" "$wine" "$driver" --gtest_filter="$filter"
