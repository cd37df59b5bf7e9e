#!/usr/bin/env bash
# Runs the Wine suites N times (default 5) while one core is kept busy, as on a
# loaded CI machine, and prints how often each test passed. The busy loop is
# this script's own child, bounded in time and ended by its PID.
#   scripts/stress-tests.sh [N]
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
source "$BRIMLET_ROOT/scripts/lib/winebench.sh"
cd "$BRIMLET_ROOT"
runs=${1:-5}

ensure_packages "${BRIMLET_BUILD_PACKAGES[@]}" "${BRIMLET_WINE_PACKAGES[@]}"
log "windows: Brimlet.exe as it ships, and the tests"
build_preset release >/dev/null
build_preset windows >/dev/null

results=$(mktemp -d)
busy_pid=""
stop_busy() {
  if [ -n "$busy_pid" ]; then
    kill "$busy_pid" 2>/dev/null || true
    wait "$busy_pid" 2>/dev/null || true
    busy_pid=""
  fi
}
finish() {
  stop_busy
  bench_stop
  rm -rf "$results"
}
bench_start "$BRIMLET_ROOT/build/windows"
trap finish EXIT
BRIMLET_EXE=$(bench_windows_path "$BRIMLET_ROOT/build/release/bin/Brimlet.exe")
export BRIMLET_EXE

# One core busy for at most two hours, whatever happens to this script.
bash -c 'end=$((SECONDS + 7200)); while [ $SECONDS -lt $end ]; do :; done' &
busy_pid=$!

failed_runs=0
for run in $(seq 1 "$runs"); do
  log "run $run of $runs, one core busy"
  if ctest --preset windows -V >"$results/run-$run.log" 2>&1; then
    echo "run $run: all passed"
  else
    failed_runs=$((failed_runs + 1))
    echo "run $run: FAILED"
    grep -E '^[0-9]+: \[  FAILED  \]|Failed|\*\*\*' "$results/run-$run.log" | sort -u | head -20 || true
  fi
done
stop_busy

log "passes per test over $runs runs (one core busy)"
# gtest prints "N: [       OK ] Suite.Test (12 ms)" for each test that passed.
cat "$results"/run-*.log |
  sed -n -E 's/^[0-9]+: \[ +(OK|FAILED) +\] ([A-Za-z0-9_.\/]+) \(.*/\1 \2/p' |
  awk -v runs="$runs" '{ seen[$2] = 1; if ($1 == "OK") ok[$2]++ }
       END { for (t in seen) printf "%3d/%d  %s\n", ok[t] + 0, runs, t }' | sort -k2
cat "$results"/run-*.log | sed -n -E 's/^ *[0-9]+\/[0-9]+ Test +#[0-9]+: ([a-z0-9_A-Z]+) .*(Passed|Failed).*/\2 \1/p' |
  awk -v runs="$runs" '{ seen[$2] = 1; if ($1 == "Passed") ok[$2]++ }
       END { for (t in seen) printf "%3d/%d  suite %s\n", ok[t] + 0, runs, t }' | sort -k3
grep -h -o 'soak: .*' "$results"/run-*.log || true
echo "machine: $(lscpu | sed -n 's/^Model name: *//p' | head -n 1), $(nproc) cores; runs with a failure: $failed_runs of $runs"
[ "$failed_runs" -eq 0 ]
