#!/usr/bin/env bash
# Installs the Debian packages Velmora needs (only the missing ones), builds into build/ and
# holds what the test scripts share. Sourced by run.sh, the test scripts and windows-paket.sh.
set -euo pipefail

# What building and running the program needs (run.sh).
VELMORA_PAKETE_PROGRAMM=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libqt6printsupport6 qt6-qpa-plugins libgl-dev qt6-translations-l10n
  fonts-liberation2 xvfb xauth
)
# The check of the source formatting (velmora_format_pruefen).
VELMORA_PAKETE_FORMAT=(clang-format)
# Everything, the tests, benchmarks and format check included (test.sh).
VELMORA_PAKETE=(
  "${VELMORA_PAKETE_PROGRAMM[@]}"
  libgtest-dev libgmock-dev googletest libbenchmark-dev poppler-utils
  "${VELMORA_PAKETE_FORMAT[@]}"
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

# Configures build/ through the preset linux (Ninja, RelWithDebInfo) with the given further
# CMake options and builds everything configured.
velmora_bauen() {
  local wurzel="$1"
  cmake -S "$wurzel" --preset linux "${@:2}"
  cmake --build "$wurzel/build" -j "$(nproc)"
}

# Builds only the program. A build directory that test.sh set up keeps its tests configured,
# but they are not built here; a new one is set up without them.
velmora_programm_bauen() {
  local wurzel="$1"
  if ! grep -q '^VELMORA_TESTS:BOOL=ON' "$wurzel/build/CMakeCache.txt" 2>/dev/null; then
    cmake -S "$wurzel" --preset linux -DVELMORA_TESTS=OFF
  fi
  cmake --build "$wurzel/build" -j "$(nproc)" --target velmora
}

# Root ignores write protection: runs the write-protection tests of the given test program
# once more as the unprivileged user nobody, so that they do not only skip. Does nothing when
# not run as root or when there is no such user. The program and the further files given are
# copied into a scratch folder owned by nobody, where it starts; the options are shell code
# run as nobody in that folder:
#   --vorher CODE    before the program (environment, a Wine prefix); $PWD is the folder
#   --starter BEFEHL what starts the program (wine)
#   --nachher CODE   after it, whatever its result (wineserver --kill)
velmora_schreibschutz_als_nobody() {
  local vorher=: starter="" nachher=:
  while [ $# -gt 0 ]; do
    case "$1" in
      --vorher) vorher="$2"; shift 2 ;;
      --starter) starter="$2 "; shift 2 ;;
      --nachher) nachher="$2"; shift 2 ;;
      *) break ;;
    esac
  done
  local programm="$1"
  shift
  if [ "$(id -u)" -ne 0 ] || ! su nobody -s /bin/sh -c true >/dev/null 2>&1; then
    return 0
  fi
  local probe datei ergebnis=0
  probe="$(mktemp -d)"
  cp "$programm" "$@" "$probe/"
  chown nobody "$probe"
  chmod 755 "$probe" "$probe/${programm##*/}"
  for datei in "$@"; do
    chmod 644 "$probe/${datei##*/}"
  done
  su nobody -s /bin/sh -c "cd '$probe' && $vorher && ${starter}./'${programm##*/}' \
    --gtest_filter='*Schreibgeschuetzt*' </dev/null; ergebnis=\$?; $nachher; exit \$ergebnis" \
    || ergebnis=$?
  rm -rf "$probe"
  return "$ergebnis"
}

# Checks that every C++ file under version control is formatted as .clang-format says
# (clang-format from Debian's packages): names each place that is not and fails.
velmora_format_pruefen() {
  local wurzel="$1"
  velmora_pakete_installieren --ohne-empfehlungen "${VELMORA_PAKETE_FORMAT[@]}"
  (cd "$wurzel" && git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror)
}

# What the Windows program, its installer and its proof under Wine need (windows-paket.sh):
# the MinGW-w64 cross compiler, Wine, NSIS, the sources' tool dpkg-dev, xdotool and ImageMagick
# for the window under Xvfb, zip.
VELMORA_PAKETE_WINDOWS=(
  g++-mingw-w64-x86-64-posix wine wine64 nsis dpkg-dev qt6-base-dev-tools qt6-translations-l10n
  xvfb xauth xdotool imagemagick zip unzip poppler-utils fonts-liberation2 python3-fonttools googletest
)
