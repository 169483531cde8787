#!/usr/bin/env bash
# Builds the logic (velmora_kern) with its tests as 64-bit Windows programs (MinGW-w64 cross
# compiler, GoogleTest built from Debian's sources) and runs the tests under Wine. The Qt
# windows are not part of this build; README "Unter Windows bauen" describes the full one.
set -euo pipefail
wurzel="$(cd "$(dirname "$0")" && pwd)"
source "$wurzel/scripts/einrichten.sh"
velmora_pakete_installieren --ohne-empfehlungen \
  cmake ninja-build googletest g++-mingw-w64-x86-64-posix wine wine64

bau="$wurzel/build-windows"  # the binaryDir of the preset windows-kern-mingw
mkdir -p "$bau"

# Wine keeps its Windows installation (the prefix) in the build directory and needs no display
# for console programs. Mono and Gecko are not wanted, so Wine does not offer to install them.
export WINEPREFIX="$bau/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
protokoll="$bau/wine.log"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Lege die Wine-Umgebung an: $WINEPREFIX"
  wineboot --init >"$protokoll" 2>&1
  wineserver --wait
fi
# One Wine server for all test programs, started with the Windows services before the build:
# services started by a test program would inherit its output and keep ctest waiting.
wineserver --persistent
trap 'wineserver --kill' EXIT
wine cmd /c exit >>"$protokoll" 2>&1 </dev/null

cmake --preset windows-kern-mingw -DVELMORA_WERROR=ON
cmake --build --preset windows-kern-mingw

# Root ignores write protection, under Wine too: the user nobody runs the write-protection
# tests in a Wine prefix of its own.
velmora_schreibschutz_als_nobody \
  --vorher "export HOME=\"\$PWD\" WINEPREFIX=\"\$PWD/wine\" WINEDEBUG=-all WINEDLLOVERRIDES='$WINEDLLOVERRIDES' \
    && wineboot --init >wineboot.log 2>&1 && wineserver --wait" \
  --starter wine --nachher "wineserver --kill" "$bau/tests/velmora_kern_tests.exe"

# The Windows build has the same kern tests as the native one: none is left out on Windows.
testnamen() { tr -d '\r' | awk '/^[^ ]/ { suite = $1 } /^  / { print suite $1 }' | sort; }
nativ="$wurzel/build/tests/velmora_kern_tests"
if [ -x "$nativ" ]; then
  diff <("$nativ" --gtest_list_tests | testnamen) \
       <(wine "$bau/tests/velmora_kern_tests.exe" --gtest_list_tests </dev/null 2>/dev/null | testnamen)
  echo "Gleiche Testnamen wie der Linux-Bau: $("$nativ" --gtest_list_tests | testnamen | wc -l) Tests"
else
  echo "Kein Vergleich der Testnamen: $nativ fehlt (erst ./test.sh ausführen)."
fi

cd "$bau"
ctest --output-on-failure -j 2
