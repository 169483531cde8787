#!/usr/bin/env bash
# Sets everything up, builds Velmora with its tests and runs every test.
set -euo pipefail
wurzel="$(cd "$(dirname "$0")" && pwd)"
source "$wurzel/scripts/einrichten.sh"
velmora_pakete_installieren
# Every source file as .clang-format lays it out (format with: clang-format -i <file>).
velmora_format_pruefen "$wurzel"
velmora_bauen "$wurzel" -DVELMORA_TESTS=ON -DVELMORA_WERROR=ON
velmora_schreibschutz_als_nobody "$wurzel/build/tests/velmora_kern_tests"

cd "$wurzel/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2
