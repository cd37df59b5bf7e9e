#!/usr/bin/env bash
# Runs end-to-end tests with the stand-in Core Audio: the stand-in mmdevapi.dll
# takes the place of Wine's own in the prefix's system folder for the run
# (three outputs, whose sessions and defaults the tests set up), and the
# policy-configuration class Windows has and Wine does not is registered to it
# for the run. It stops exactly what it started.
#   run-with-stand-in-sound.sh SOURCE_DIR WINE DRIVER FILTER STAND_IN_MMDEVAPI
set -uo pipefail
source_dir=$1 wine=$2 driver=$3 filter=$4 standin=$5
source "$source_dir/scripts/lib/winebench.sh"

policy='HKLM\Software\Classes\CLSID\{870AF99C-171D-4F9E-AF0D-E63DF40C2BC9}'
finish() {
  bench_restore_dll
  "$wine" reg delete "$policy" /f >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
}
trap finish EXIT
"$wine" reg add "$policy\\InprocServer32" /ve /d 'C:\windows\system32\mmdevapi.dll' /f >/dev/null 2>&1
"$wine" reg add "$policy\\InprocServer32" /v ThreadingModel /d Both /f >/dev/null 2>&1
bench_plant_dll mmdevapi "$standin"
"$wine" "$driver" --gtest_filter="$filter"
