#!/usr/bin/env bash
# Builds everything and runs every test suite: native unit tests under ASan and
# UBSan, the fuzzer for a bounded time, then the Windows build with its unit and
# end-to-end tests under Wine. Installs what is missing (as root). Exits non-zero
# on any failure.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
source "$BRIMLET_ROOT/scripts/lib/winebench.sh"
cd "$BRIMLET_ROOT"

FUZZ_SECONDS=${BRIMLET_FUZZ_SECONDS:-60}

ensure_packages "${BRIMLET_BUILD_PACKAGES[@]}" "${BRIMLET_WINE_PACKAGES[@]}" "${BRIMLET_FUZZ_PACKAGES[@]}"

log "native: platform-neutral code under AddressSanitizer and UndefinedBehaviorSanitizer"
build_preset native
ctest --preset native

log "fuzz: the settings text engine for ${FUZZ_SECONDS} s"
build_preset fuzz
"$BRIMLET_ROOT/scripts/fuzz.sh" "$FUZZ_SECONDS"

log "windows: Brimlet.exe and its tests"
build_preset windows

log "windows: tests under Wine"
bench_start "$BRIMLET_ROOT/build/windows"
ctest --preset windows
