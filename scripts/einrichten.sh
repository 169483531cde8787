#!/usr/bin/env bash
# Installs the Debian packages Velmora needs (only the missing ones) and builds into build/.
# Sourced by run.sh and test.sh.
set -euo pipefail

# What building and running the program needs (run.sh).
VELMORA_PAKETE_PROGRAMM=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libqt6printsupport6 qt6-qpa-plugins libgl-dev qt6-translations-l10n
  fonts-liberation2 xvfb xauth
)
# Everything, the tests and benchmarks included (test.sh).
VELMORA_PAKETE=(
  "${VELMORA_PAKETE_PROGRAMM[@]}"
  libgtest-dev libgmock-dev googletest libbenchmark-dev poppler-utils
)

# Installs the missing ones of the given packages, by default VELMORA_PAKETE. With
# --ohne-empfehlungen first, the packages they merely recommend stay out.
velmora_pakete_installieren() {
  local optionen=(-y -q -o DPkg::Lock::Timeout=600)
  if [ "${1:-}" = --ohne-empfehlungen ]; then
    optionen+=(--no-install-recommends)
    shift
  fi
  local pakete=("$@")
  if [ ${#pakete[@]} -eq 0 ]; then
    pakete=("${VELMORA_PAKETE[@]}")
  fi
  local fehlend=()
  for p in "${pakete[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      fehlend+=("$p")
    fi
  done
  if [ ${#fehlend[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installiere fehlende Pakete: ${fehlend[*]}"
  local als_root=()
  if [ "$(id -u)" -ne 0 ]; then
    als_root=(sudo)
  fi
  "${als_root[@]}" apt-get update -q -o DPkg::Lock::Timeout=600
  DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install "${optionen[@]}" "${fehlend[@]}"
}

# Configures build/ with the given CMake options and builds everything configured.
velmora_bauen() {
  local wurzel="$1"
  cmake -S "$wurzel" -B "$wurzel/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${@:2}"
  cmake --build "$wurzel/build" -j "$(nproc)"
}

# Builds only the program. A build directory that test.sh set up keeps its tests configured,
# but they are not built here; a new one is set up without them.
velmora_programm_bauen() {
  local wurzel="$1"
  if ! grep -q '^VELMORA_TESTS:BOOL=ON' "$wurzel/build/CMakeCache.txt" 2>/dev/null; then
    cmake -S "$wurzel" -B "$wurzel/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_TESTS=OFF
  fi
  cmake --build "$wurzel/build" -j "$(nproc)" --target velmora
}

# What the Windows program, its installer and its proof under Wine need (windows-paket.sh):
# the MinGW-w64 cross compiler, Wine, NSIS, the sources' tool dpkg-dev, xdotool and ImageMagick
# for the window under Xvfb, zip.
VELMORA_PAKETE_WINDOWS=(
  g++-mingw-w64-x86-64-posix wine wine64 nsis dpkg-dev qt6-base-dev-tools qt6-translations-l10n
  xvfb xauth xdotool imagemagick zip unzip poppler-utils fonts-liberation2 python3-fonttools googletest
)
