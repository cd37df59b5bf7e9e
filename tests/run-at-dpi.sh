#!/usr/bin/env bash
# Runs a command with Wine's DPI (HKCU\Control Panel\Desktop\LogPixels) set,
# and puts the DPI back afterwards, whatever the command did.
#   run-at-dpi.sh WINE DPI COMMAND...
set -uo pipefail
wine=$1 dpi=$2
shift 2
key='HKCU\Control Panel\Desktop'
before=$("$wine" reg query "$key" /v LogPixels 2>/dev/null | tr -d '\r' | awk '/LogPixels/ {print $3}')
"$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
"$@"
status=$?
if [ -n "$before" ]; then
  "$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$((before))" /f >/dev/null 2>&1
else
  "$wine" reg delete "$key" /v LogPixels /f >/dev/null 2>&1
fi
exit $status
