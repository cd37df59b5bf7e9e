#!/usr/bin/env bash
# Builds everything and runs every test suite: native unit tests under ASan and
# UBSan, the fuzzer for a bounded time, the release package and its checks,
# then the Windows build with its unit tests and the end-to-end tests, which run
# the packaged Brimlet.exe under Wine. Installs what is missing (as root). Exits
# non-zero on any failure.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
source "$BRIMLET_ROOT/scripts/lib/winebench.sh"
cd "$BRIMLET_ROOT"

FUZZ_SECONDS=${BRIMLET_FUZZ_SECONDS:-60}
LARGEST_EXE=200000  # bytes of Brimlet.exe in the zip

ensure_packages "${BRIMLET_BUILD_PACKAGES[@]}" "${BRIMLET_WINE_PACKAGES[@]}" "${BRIMLET_FUZZ_PACKAGES[@]}" python3

log "native: platform-neutral code under AddressSanitizer and UndefinedBehaviorSanitizer"
build_preset native
ctest --preset native

log "docs: README.md and packaging/README.txt say what the settings table says"
bash scripts/docs.sh --check

log "fuzz: the settings text engine for ${FUZZ_SECONDS} s"
build_preset fuzz
"$BRIMLET_ROOT/scripts/fuzz.sh" "$FUZZ_SECONDS"

log "release: the package and its checks"
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || echo 315532800)
export SOURCE_DATE_EPOCH
bash scripts/package.sh dist
version=$(brimlet_version)
zip="dist/Brimlet-$version-win-x64.zip"
python3 scripts/lib/pack.py check --zip "$zip" --version "$version" --largest-exe "$LARGEST_EXE"
cmake -DEXE=build/release/bin/Brimlet.exe -DOBJDUMP=x86_64-w64-mingw32-objdump -DNM=x86_64-w64-mingw32-nm \
  -P tests/checks/ExecutableImports.cmake
# The same commit packs the same bytes from another folder.
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf - 2>/dev/null |
  tar -xf - -C "$copy"
(cd "$copy" && bash scripts/package.sh "$copy/dist" >/dev/null)
if cmp "$zip" "$copy/$zip" && cmp dist/SHA256SUMS "$copy/dist/SHA256SUMS"; then
  echo "reproducible: a package made in $copy is byte-identical"
else
  echo "the package made in another folder differs" >&2
  exit 1
fi
rm -rf "$copy"
trap - EXIT

log "windows: Brimlet.exe and its tests"
build_preset windows

log "windows: tests under Wine, end to end with the packaged Brimlet.exe"
bench_start "$BRIMLET_ROOT/build/windows"
BRIMLET_EXE=$(bench_windows_path "$BRIMLET_ROOT/build/release/bin/Brimlet.exe")
export BRIMLET_EXE
ctest --preset windows
