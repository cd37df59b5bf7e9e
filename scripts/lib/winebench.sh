# The Wine test bench: a private Xvfb display and a private WINEPREFIX in the build
# tree. It stops exactly what it started: its own Xvfb by PID, and its own
# prefix's wineserver (which ends every Wine process of that prefix).
# shellcheck shell=bash

BENCH_XVFB_PID=""

# The Windows name of a Unix path on the bench, made without a Wine process:
# winepath can fail while a wineserver shuts down, and print nothing. Z: is the
# prefix's drive for /.
bench_windows_path() { printf 'Z:%s\n' "${1//\//\\}"; }

# Finds a display number nobody uses.
bench_free_display() {
  local n
  for n in $(seq 91 199); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { echo "$n"; return 0; }
  done
  echo "no free X display number" >&2
  return 1
}

# Waits until the X server with process id $2 serves display :$1; fails when
# it ends first or takes over 10 s.
bench_wait_for_display() {
  local display=$1 server=$2 tries=0
  until [ -e "/tmp/.X11-unix/X$display" ]; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ] || ! kill -0 "$server" 2>/dev/null; then
      echo "no X server started on :$display" >&2
      return 1
    fi
    sleep 0.1
  done
}

bench_start_display() {
  local display
  display=$(bench_free_display)
  Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  BENCH_XVFB_PID=$!
  bench_wait_for_display "$display" "$BENCH_XVFB_PID" || return 1
  export DISPLAY=":$display"
}

# Wine settings for the bench; the prefix lives in the given build folder.
bench_environment() {
  export WINEPREFIX="$1/wineprefix"
  # A private zh_CN.UTF-8 locale: code page 936 inside Wine, and file names
  # with Chinese characters (Wine maps names through the locale's charset).
  export LOCPATH="$1/locale"
  export WINEARCH=win64
  export WINEDEBUG=-all
  # No Mono/Gecko install prompts, and no desktop entries for saved shortcuts.
  export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
}

bench_prepare_locale() {
  if [ ! -f "$LOCPATH/zh_CN.UTF-8/LC_CTYPE" ]; then
    mkdir -p "$LOCPATH"
    LC_ALL=C localedef -i zh_CN -f UTF-8 "$LOCPATH/zh_CN.UTF-8" || [ -f "$LOCPATH/zh_CN.UTF-8/LC_CTYPE" ]
  fi
  # bash itself cannot see LOCPATH and would warn; Wine and the tools it starts can.
  { export LC_ALL=zh_CN.UTF-8; } 2>/dev/null
}

# Creates the prefix once, with the CJK font standing in for the fonts the
# dialogs and menus name, Windows' own link colour, and window frames drawn by
# Wine itself (the bench runs no window manager).
bench_prepare_prefix() {
  [ -f "$WINEPREFIX/.brimlet-bench" ] && return 0
  log "creating the Wine prefix $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  # regedit reads Unicode .reg files as UTF-16 with a byte order mark.
  { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$BRIMLET_ROOT/scripts/lib/bench.reg"; } \
    >"$WINEPREFIX/drive_c/bench.reg"
  wine regedit /S 'C:\bench.reg' >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.brimlet-bench"
}

bench_stop() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k >/dev/null 2>&1 || true
  fi
  if [ -n "$BENCH_XVFB_PID" ]; then
    kill "$BENCH_XVFB_PID" 2>/dev/null || true
    wait "$BENCH_XVFB_PID" 2>/dev/null || true
    BENCH_XVFB_PID=""
  fi
}

# Starts the bench for the build folder $1; it stops when the script exits.
bench_start() {
  bench_environment "$1"
  trap bench_stop EXIT
  trap 'exit 130' INT TERM
  bench_prepare_locale
  bench_start_display
  bench_prepare_prefix
}

# Puts the DLL file $2 in the place of the prefix's system DLL $1 ("mmdevapi")
# until bench_restore_dll: the prefix's programs end first, so none keeps the
# other one, and Wine is told to load the file in place of its own.
bench_plant_dll() {
  local system32="$WINEPREFIX/drive_c/windows/system32"
  BENCH_PLANTED_NAME=$1
  BENCH_PLANTED_SAVED=$(mktemp)
  cp -p "$system32/$1.dll" "$BENCH_PLANTED_SAVED"
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  cp "$2" "$system32/$1.dll"
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};$1=n"
}

# Wine's own DLL back, once the prefix's programs have ended.
bench_restore_dll() {
  [ -n "${BENCH_PLANTED_SAVED:-}" ] || return 0
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  [ -s "$BENCH_PLANTED_SAVED" ] && cp -p "$BENCH_PLANTED_SAVED" "$WINEPREFIX/drive_c/windows/system32/$BENCH_PLANTED_NAME.dll"
  rm -f "$BENCH_PLANTED_SAVED"
  BENCH_PLANTED_SAVED=""
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES%;"$BENCH_PLANTED_NAME"=n}"
}
