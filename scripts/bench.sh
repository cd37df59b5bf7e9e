#!/usr/bin/env bash
# Benchmarks, not tests: prints the figures and writes them, with the machine
# they were taken on, to docs/performance.md. Nothing passes or fails on a figure.
#   scripts/bench.sh [events per Wine measurement, default 4000]
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
source "$BRIMLET_ROOT/scripts/lib/winebench.sh"
cd "$BRIMLET_ROOT"
events=${1:-4000}

ensure_packages "${BRIMLET_BUILD_PACKAGES[@]}" "${BRIMLET_WINE_PACKAGES[@]}" libbenchmark-dev

log "native: the hook's decision per mouse event"
build_preset bench >/dev/null
native=$(build/bench/bench/native/decision_bench --benchmark_min_time=1 --benchmark_format=csv 2>/dev/null |
  awk -F, '/^"/ { gsub(/"/, "", $1); printf "| %s | %.2f |\n", $1, $3 }')

log "windows: latency and cost of the hook under Wine ($events events per measurement)"
build_preset windows >/dev/null
bench_start "$BRIMLET_ROOT/build/windows"
wine_table=$(wine build/windows/bin/hook_latency_bench.exe "$events" | tr -d '\r')

log "windows: Brimlet idle for 60 s under Wine"
# Linux counts each thread's context switches. Sampled every 0.2 s, a sample in
# which a thread's count grew is one wake-up of that thread (one wake-up that
# asks the Wine server something costs several switches). The pass-through
# reference program idles beside it in the same run.
idle_out=$(mktemp)
wine build/windows/bin/hook_latency_bench.exe idle 60 >"$idle_out" 2>/dev/null &
idle_job=$!
until grep -q ready "$idle_out" 2>/dev/null; do sleep 0.2; done
brimlet_pid=$(pgrep -f 'brimlet-bench.Brimlet\.exe' | head -n 1)
reference_pid=$(pgrep -f 'reference_hook\.exe' | head -n 1)
# One line per sample: every thread's switches so far, in thread order.
sample() {
  for task in /proc/"$1"/task/*; do
    awk '/_ctxt_switches/ { n += $2 } END { printf "%d ", n }' "$task/status" 2>/dev/null
  done
  echo
}
end=$((SECONDS + 60))
while [ $SECONDS -lt $end ]; do
  sample "$brimlet_pid" >>"$idle_out.brimlet"
  sample "$reference_pid" >>"$idle_out.reference"
  sleep 0.2
done
wait "$idle_job" || true
# Wake-ups (samples in which some thread switched) and switches, over the minute.
wakeups() {
  awk 'NR > 1 { woke = 0; for (i = 1; i <= NF; i++) { d = $i - last[i]; if (d > 0) { woke = 1; s += d } } w += woke }
       { for (i = 1; i <= NF; i++) last[i] = $i; n = NF }
       END { printf "%d | %d | %d", n, w, s }' "$1"
}
idle_table="| program | threads | wake-ups in 60 s | context switches in 60 s | CPU in 60 s |
|---|---|---|---|---|
| pass-through reference | $(wakeups "$idle_out.reference") | $(tr -d '\r' <"$idle_out" | sed -n 's/.*reference \([0-9.]* ms\).*/\1/p') |
| Brimlet | $(wakeups "$idle_out.brimlet") | $(tr -d '\r' <"$idle_out" | sed -n 's/.*Brimlet \([0-9.]* ms\).*/\1/p') |"
rm -f "$idle_out" "$idle_out".brimlet "$idle_out".reference

log "windows: a notch with the program's key to its audio session under Wine (stand-in Core Audio)"
# The stand-in takes the place of the prefix's mmdevapi.dll for this one
# measurement, as in the audio suite, and Wine's own goes back.
trap 'bench_restore_dll; bench_stop' EXIT
bench_plant_dll mmdevapi build/windows/bin/standin_mmdevapi.dll
program_table=$(wine build/windows/bin/hook_latency_bench.exe program $((events / 4)) | tr -d '\r')
bench_restore_dll
trap bench_stop EXIT

log "windows: a brightness turn to the indicator's paint under Wine (fake display)"
indicator_table=$(wine build/windows/bin/indicator_bench.exe 200 | tr -d '\r')

log "windows: loading and saving the largest config.ini under Wine"
config_table=$(wine build/windows/bin/config_file_bench.exe 20 | tr -d '\r')

cpu=$(lscpu | sed -n 's/^Model name: *//p' | head -n 1)
report=$(cat <<EOT
# Performance

Latest figures from \`scripts/bench.sh\`, taken on $(date -u +%Y-%m-%d) on this machine:
$cpu, $(nproc) cores, $(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo) memory,
$(uname -sr), $(wine --version), MinGW-w64 $(x86_64-w64-mingw32-g++-posix -dumpversion).

## The hook's decision per mouse event (native, optimised build)

What the hook decides for every mouse event of the desktop, before any action,
on four monitors with corners, the taskbar and every edge acting on each, a
held key and program rules set (the window in front, whether a taskbar is
under the pointer and the modifiers held answered at once). Goal: under 50 ns
for the two cases that do nothing.

| case | ns per call |
|---|---|
$native

## The hook path under Wine

Brimlet against minimal reference programs measured in the same run, taking
turns round by round. Latency runs from \`SendInput\` in the measuring program
to its own hooks: for a mouse move, a low-level mouse hook installed before the
program under test (so it runs after that program's hook has passed the event
on); for a wheel turn in a corner or over a taskbar (a stand-in of Windows'
class along the bottom), the low-level keyboard hook that sees the injected
volume key. "Its CPU" is the user and kernel time of the program in the hook
chain, per event. Brimlet runs with corners, the taskbar and every edge acting
on every monitor, program rules, the middle-click mute, a held key (Ctrl) and
the program's key (\`AppKeyWheel = Shift\`) set, so a turn in a corner reads the modifiers held and looks at the window in
front and its program, and one over the taskbar also at the window under the
pointer. Goals: a non-wheel event costs no more than 1.1x the pass-through
hook, the volume path no more than 1.5x a program that injects the key straight
from its hook; the taskbar's row is measured against Brimlet's own corner.

$wine_table

Under Wine every event crosses the Wine server and wakes each hooking thread in
turn, which costs hundreds of microseconds and dwarfs the few nanoseconds of the
hook's own decision. On a 2-core machine the medians move by tens of percent
from one run to the next; the CPU time per event is the steadier measure.

## The volume of the program under the pointer under Wine

From \`SendInput\` of a notch with \`AppKeyWheel\`'s key held over a window of
the measuring program until its audio session has the new level: the hook
notes the window and posts, the audio worker finds the program and lists and
sets the sessions of the stand-in Core Audio (the program-volume suite's own
mmdevapi.dll), against Brimlet's own wheel-in-a-corner to volume key in the
same run. Windows' Core Audio asks the audio service in another process, so
its figures will be larger; the hook's share is in the table above.

$program_table

## Brimlet idle under Wine

Nobody touches the mouse for 60 s. The tray thread wakes once every 10 s (on a
coalescable timer) to check that the hook is still there; the hook thread and
the brightness worker sleep until there is input. Goal: at most 6 wake-ups a
minute of Brimlet's own.

$idle_table

## A brightness turn under Wine, to the indicator's first paint

Wine has no built-in panel and no DDC/CI monitor, so a fake display stands in
behind the action seam. From \`SendInput\` of a wheel turn in a brightness
corner: the hook, the worker's query and set, its announcement to the tray
thread, and the indicator's paint. The worker's CPU comes from its thread times,
whose resolution under Wine is 10 ms over the whole run.

$indicator_table

## Loading and saving the largest config.ini under Wine

A file over 1 MiB counts as unreadable, so 1 MiB is the most the tray thread
ever reads at start-up or writes on a saving OK. Goal: under 200 ms for each.

$config_table
EOT
)
printf '%s\n' "$report" >docs/performance.md
printf '%s\n' "$report"
