#!/usr/bin/env bash
# Sets everything up, builds Velmora with its tests and runs every test.
set -euo pipefail
wurzel="$(cd "$(dirname "$0")" && pwd)"
source "$wurzel/scripts/einrichten.sh"
velmora_pakete_installieren
velmora_bauen "$wurzel" -DVELMORA_TESTS=ON
# Root ignores write protection; run the write-protection tests once more as an
# unprivileged user so that they do not only skip.
if [ "$(id -u)" -eq 0 ] && su nobody -s /bin/sh -c true >/dev/null 2>&1; then
  probe="$(mktemp -d)"
  cp "$wurzel/build/tests/velmora_kern_tests" "$probe/"
  chmod 755 "$probe" "$probe/velmora_kern_tests"
  su nobody -s /bin/sh -c "cd '$probe' && ./velmora_kern_tests --gtest_filter='*Schreibgeschuetzt*'"
  rm -rf "$probe"
fi

cd "$wurzel/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2
