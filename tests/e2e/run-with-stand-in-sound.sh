#!/usr/bin/env bash
# Runs end-to-end tests with the stand-in Core Audio: the stand-in mmdevapi.dll
# takes the place of Wine's own in the prefix's system folder for the run (two
# outputs, whose sessions the tests set up). The prefix's programs are ended
# before and after, so none keeps the other DLL. It stops exactly what it started.
#   run-with-stand-in-sound.sh WINE DRIVER FILTER STAND_IN_MMDEVAPI
set -uo pipefail
wine=$1 driver=$2 filter=$3 standin=$4

system32="$WINEPREFIX/drive_c/windows/system32"
saved=$(mktemp)
cp -p "$system32/mmdevapi.dll" "$saved"
finish() {
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  cp -p "$saved" "$system32/mmdevapi.dll"
  rm -f "$saved"
}
trap finish EXIT
wineserver -k >/dev/null 2>&1
wineserver -w >/dev/null 2>&1
cp "$standin" "$system32/mmdevapi.dll"
WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};mmdevapi=n" "$wine" "$driver" --gtest_filter="$filter"
