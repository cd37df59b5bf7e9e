#!/usr/bin/env bash
# Runs the settings text fuzzer for the given seconds (default 60) from the
# committed seed corpus, and prints how many inputs it executed.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
seconds=${1:-60}
fuzzer="$BRIMLET_ROOT/build/fuzz/tests/fuzz/config_text_fuzzer"
[ -x "$fuzzer" ] || { echo "build the fuzz preset first: cmake --preset fuzz && cmake --build --preset fuzz" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$BRIMLET_ROOT"/tests/fuzz/corpus/* "$work/"
"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -max_len=65536 \
  -artifact_prefix="$BRIMLET_ROOT/build/fuzz/" "$work" 2>"$work.log" || {
  tail -n 60 "$work.log"
  exit 1
}
grep -E '^stat::number_of_executed_units|^Done' "$work.log" || true
rm -f "$work.log"
