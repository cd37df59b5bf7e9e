#!/usr/bin/env bash
# Takes the screenshots shown in README.md: the end-to-end tests that open the
# tray menu and both dialogs save the screen under Wine, and this trims them
# into docs/.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
source "$BRIMLET_ROOT/scripts/lib/winebench.sh"
cd "$BRIMLET_ROOT"

ensure_packages "${BRIMLET_BUILD_PACKAGES[@]}" "${BRIMLET_WINE_PACKAGES[@]}"
build_preset windows >/dev/null
bench_start "$BRIMLET_ROOT/build/windows"
shots="$BRIMLET_ROOT/build/windows/bin/screenshots"
rm -rf "$shots"
wine build/windows/bin/brimlet_e2e.exe \
  --gtest_filter='TrayTest.MenuOpensOnRightButtonDownOnly:SettingsTest.ShowsTheDefaultsWithoutAConfigFile:AboutTest.*'
for name in tray-menu settings-dialog about-dialog; do
  # The bench's screen is black around the windows, which sit at its top left.
  convert "$shots/$name.bmp" -fuzz 2% -trim +repage -bordercolor black -border 6 "docs/$name.png"
  echo "docs/$name.png"
done
# The brightness indicator, last shown near the bottom-right corner.
wine build/windows/bin/brimlet_windows_tests.exe --gtest_filter='BrightnessIndicator.ShowsNear*'
convert "$shots/brightness-indicator.bmp" -crop 248x104+1680+960 +repage docs/brightness-indicator.png
echo docs/brightness-indicator.png
# At 144 DPI (150 %): the indicator, near the bottom-right corner, and the Settings dialog.
bash tests/run-at-dpi.sh wine 144 wine build/windows/bin/brimlet_windows_tests.exe \
  --gtest_filter='BrightnessIndicatorDpi.*'
convert "$shots/brightness-indicator-144dpi.bmp" -crop 348x132+1572+948 +repage docs/brightness-indicator-144dpi.png
echo docs/brightness-indicator-144dpi.png
bash tests/run-at-dpi.sh wine 144 wine build/windows/bin/brimlet_e2e.exe \
  --gtest_filter='SettingsTest.ShowsTheDefaultsWithoutAConfigFile'
convert "$shots/settings-dialog.bmp" -fuzz 2% -trim +repage -bordercolor black -border 6 docs/settings-dialog-144dpi.png
echo docs/settings-dialog-144dpi.png
