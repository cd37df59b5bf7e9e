#!/usr/bin/env bash
# Takes the screenshots shown in README.md: the end-to-end tests that open the
# tray menu and both dialogs save the screen under Wine, in Chinese and in
# English, and this trims them into docs/.
#   scripts/screenshots.sh           take them all anew
#   scripts/screenshots.sh --check   take none; name the pictures of a dialog
#                                    committed before its template last changed
#                                    (exit 1 when there is one)
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
source "$BRIMLET_ROOT/scripts/lib/winebench.sh"
cd "$BRIMLET_ROOT"

if [ "${1:-}" = "--check" ]; then
  # The commit time of a dialog template's last change in res/Brimlet.rc.
  changed() { git log -1 --format=%ct -L "/^$1 DIALOGEX/,/^END/:res/Brimlet.rc" 2>/dev/null | head -n 1; }
  stale=0
  for pair in settings-general:IDD_PAGE_GENERAL settings-zones:IDD_PAGE_ZONES \
      settings-volume-brightness:IDD_PAGE_VOLUME_BRIGHTNESS settings-programs:IDD_PAGE_PROGRAMS \
      settings-keys:IDD_PAGE_KEYS about-dialog:IDD_ABOUT; do
    template=${pair#*:}
    for picture in docs/"${pair%%:*}"*.png; do
      taken=$(git log -1 --format=%ct -- "$picture")
      if [ -n "$taken" ] && [ "$taken" -lt "$(changed "$template")" ]; then
        echo "$picture is older than $template in res/Brimlet.rc: run scripts/screenshots.sh"
        stale=1
      fi
    done
  done
  [ "$stale" = 0 ] && echo "screenshots: none is older than its dialog's template"
  exit "$stale"
fi

ensure_packages "${BRIMLET_BUILD_PACKAGES[@]}" "${BRIMLET_WINE_PACKAGES[@]}"
build_preset windows >/dev/null
bench_start "$BRIMLET_ROOT/build/windows"
shots="$BRIMLET_ROOT/build/windows/bin/screenshots"
rm -rf "$shots"

# The bench's screen is black around the windows. The menu opens at the top
# left, beside Wine's notification area; the dialogs open centred, so the top
# rows with that area are cut off first.
menu() { convert "$shots/$1.bmp" -fuzz 2% -trim +repage -bordercolor black -border 6 "docs/$1.png"; echo "docs/$1.png"; }
dialog() {
  convert "$shots/$1.bmp" -crop 1920x1020+0+60 +repage -fuzz 2% -trim +repage -bordercolor black -border 6 "docs/$2.png"
  echo "docs/$2.png"
}

pages=(settings-general settings-zones settings-volume-brightness settings-programs settings-keys)
wine build/windows/bin/brimlet_e2e.exe \
  --gtest_filter='TrayTest.MenuOpensOnRightButtonDownAndFromTheKeyboardOnly:SettingsTest.PagesChangeByCtrlTabAndByTheTabsAccessKeys:AboutTest.*'
menu tray-menu
for page in "${pages[@]}"; do dialog "$page" "$page"; done
dialog about-dialog about-dialog
LC_ALL=C.UTF-8 wine build/windows/bin/brimlet_e2e.exe --gtest_filter='EnglishTest.MenuDialogsAndBoxesSpeakEnglish'
menu tray-menu-en
for page in "${pages[@]}"; do dialog "$page-en" "$page-en"; done
dialog about-dialog-en about-dialog-en

# The brightness indicator, last shown near the bottom-right corner.
wine build/windows/bin/brimlet_windows_tests.exe --gtest_filter='IndicatorTest.ShowsNear*'
convert "$shots/brightness-indicator.bmp" -crop 248x104+1680+960 +repage docs/brightness-indicator.png
echo docs/brightness-indicator.png
# At 144 DPI (150 %): the indicator, near the bottom-right corner, and the Settings dialog.
bash tests/run-at-dpi.sh wine 144 wine build/windows/bin/brimlet_windows_tests.exe \
  --gtest_filter='IndicatorDpiTest.*'
convert "$shots/brightness-indicator-144dpi.bmp" -crop 348x132+1572+948 +repage docs/brightness-indicator-144dpi.png
echo docs/brightness-indicator-144dpi.png
bash tests/run-at-dpi.sh wine 144 wine build/windows/bin/brimlet_e2e.exe \
  --gtest_filter='SettingsTest.PagesChangeByCtrlTabAndByTheTabsAccessKeys'
dialog settings-general settings-general-144dpi
