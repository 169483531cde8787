#!/usr/bin/env bash
# Installs the Debian packages Velmora needs (only the missing ones) and builds into build/.
# Sourced by run.sh and test.sh.
set -euo pipefail

VELMORA_PAKETE=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libqt6printsupport6 qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-liberation2 xvfb xauth poppler-utils
)

velmora_pakete_installieren() {
  local fehlend=()
  for p in "${VELMORA_PAKETE[@]}"; do
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
  "${als_root[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -q "${fehlend[@]}"
}

velmora_bauen() {
  local wurzel="$1"
  cmake -S "$wurzel" -B "$wurzel/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${@:2}"
  cmake --build "$wurzel/build" -j "$(nproc)"
}
