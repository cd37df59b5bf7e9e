#!/usr/bin/env bash
# Runs end-to-end tests with the stand-in Core Audio: the stand-in mmdevapi.dll
# takes the place of Wine's own in the prefix's system folder for the run
# (three outputs, whose sessions and defaults the tests set up), and the
# policy-configuration class Windows has and Wine does not is registered to it.
# The prefix's programs are ended before and after, so none keeps the other
# DLL; the class goes again afterwards. It stops exactly what it started.
#   run-with-stand-in-sound.sh WINE DRIVER FILTER STAND_IN_MMDEVAPI
set -uo pipefail
wine=$1 driver=$2 filter=$3 standin=$4

system32="$WINEPREFIX/drive_c/windows/system32"
policy='HKLM\Software\Classes\CLSID\{870AF99C-171D-4F9E-AF0D-E63DF40C2BC9}'
saved=$(mktemp)
cp -p "$system32/mmdevapi.dll" "$saved"
finish() {
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  cp -p "$saved" "$system32/mmdevapi.dll"
  rm -f "$saved"
  "$wine" reg delete "$policy" /f >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
}
trap finish EXIT
"$wine" reg add "$policy\\InprocServer32" /ve /d 'C:\windows\system32\mmdevapi.dll' /f >/dev/null 2>&1
"$wine" reg add "$policy\\InprocServer32" /v ThreadingModel /d Both /f >/dev/null 2>&1
wineserver -k >/dev/null 2>&1
wineserver -w >/dev/null 2>&1
cp "$standin" "$system32/mmdevapi.dll"
WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};mmdevapi=n" "$wine" "$driver" --gtest_filter="$filter"
