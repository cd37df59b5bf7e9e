#!/usr/bin/env bash
# Runs end-to-end tests inside a Wine virtual desktop of 1366 x 768, where the
# display mode can change. explorer does not pass the driver's exit code on, so
# the outcome is read from the driver's XML report.
#   run-in-virtual-desktop.sh WINE DRIVER FILTER REPORT
set -euo pipefail
wine=$1 driver=$2 filter=$3 report=$4
source "$(dirname "$0")/../../scripts/lib/winebench.sh"
rm -f "$report"
"$wine" explorer /desktop=brimlet-e2e,1366x768 "$driver" --gtest_filter="$filter" \
  --gtest_output="xml:$(bench_windows_path "$report")"
[ -s "$report" ] || { echo "no report: the driver did not run to its end" >&2; exit 1; }
tests=$(sed -n 's/.*<testsuites tests="\([0-9]*\)" failures="\([0-9]*\)".*/\1 \2/p' "$report" | head -n 1)
echo "virtual desktop: tests and failures: $tests"
read -r count failures <<<"$tests"
[ "${count:-0}" -gt 0 ] && [ "${failures:-1}" -eq 0 ]
