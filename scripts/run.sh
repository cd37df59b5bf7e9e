#!/usr/bin/env bash
# Builds Brimlet.exe and runs it under Wine: on your $DISPLAY when there is one,
# otherwise on a private virtual display. Installs what is missing (as root).
# It runs in the foreground; Ctrl+C ends it, as does its own menu's "退出".
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
source "$BRIMLET_ROOT/scripts/lib/winebench.sh"
cd "$BRIMLET_ROOT"

ensure_packages "${BRIMLET_BUILD_PACKAGES[@]}" "${BRIMLET_WINE_PACKAGES[@]}"
log "building Brimlet.exe"
build_preset windows >/dev/null

bench_environment "$BRIMLET_ROOT/build/windows"
bench_prepare_locale
trap bench_stop EXIT
trap 'exit 130' INT TERM
if [ -z "${DISPLAY:-}" ]; then
  bench_start_display
  private_display=1
fi
bench_prepare_prefix

exe="$BRIMLET_ROOT/build/windows/bin/Brimlet.exe"
wine "$exe" &
brimlet=$!
cat <<EOT

Brimlet is running under Wine (process $brimlet) on display $DISPLAY.
  Its icon is in Wine's notification area; right-click it for 设置 (Settings), 关于 (About), 退出 (Exit).
  Settings are kept in $(dirname "$exe")/config.ini.
EOT
if [ -n "${private_display:-}" ]; then
  cat <<EOT
  The display is a private virtual one; look at it with:
    DISPLAY=$DISPLAY import -window root brimlet.png
EOT
fi
cat <<EOT
To stop it: choose 退出 from its menu, or press Ctrl+C here, or run: kill $$
EOT
wait "$brimlet" || true
