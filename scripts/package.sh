#!/usr/bin/env bash
# For maintainers: builds the release preset (optimised for size, stripped, no
# debug information) and writes dist/Brimlet-<version>-win-x64.zip with the exe,
# README.txt, LICENSE.txt and their checksums, and dist/SHA256SUMS for the zip.
# The same commit packs the same bytes from any folder at any time.
#   scripts/package.sh [output folder, default dist]
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
cd "$BRIMLET_ROOT"
out=$(mkdir -p "${1:-dist}" && cd "${1:-dist}" && pwd)

ensure_packages "${BRIMLET_BUILD_PACKAGES[@]}" python3
# Entry times come from the commit, not the clock.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || echo 315532800)
fi
export SOURCE_DATE_EPOCH

log "release: Brimlet.exe"
build_preset release >/dev/null
version=$(brimlet_version)
python3 scripts/lib/pack.py pack --exe build/release/bin/Brimlet.exe --readme packaging/README.txt \
  --license LICENSE --version "$version" --epoch "$SOURCE_DATE_EPOCH" --out "$out"
