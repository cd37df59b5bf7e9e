# Shared by the scripts: paths and installing what is missing from Debian's packages.
# shellcheck shell=bash

BRIMLET_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export BRIMLET_ROOT

# Packages a build and test run needs on a fresh Debian machine.
BRIMLET_BUILD_PACKAGES=(cmake make g++ googletest libgtest-dev g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64)
BRIMLET_WINE_PACKAGES=(wine wine64 xvfb xserver-xephyr xauth locales fonts-wqy-microhei imagemagick)
BRIMLET_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

log() { printf '\n== %s\n' "$*"; }

# Installs the named packages that are not installed yet (as root, with apt-get).
ensure_packages() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages: ${missing[*]}" >&2
    echo "Run this script as root, or install them with: sudo apt-get install ${missing[*]}" >&2
    exit 1
  fi
  log "installing ${missing[*]}"
  if [ -z "${BRIMLET_APT_UPDATED:-}" ]; then
    apt-get update -q
    BRIMLET_APT_UPDATED=1
  fi
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build_preset() {
  local preset=$1
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)"
}

# The version in the executable's version record, e.g. 1.0.0.1.
brimlet_version() {
  sed -n 's/.*VALUE "FileVersion", "\([0-9.]*\)".*/\1/p' "$BRIMLET_ROOT/res/Brimlet.rc"
}
