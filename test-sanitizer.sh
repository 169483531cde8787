#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer (clang)
# in build-sanitizer/ and runs it, then builds the libFuzzer targets in build-fuzz/ and
# runs each for a fixed number of inputs from a scratch copy of its seed corpus. Any
# finding fails the script.
#
#   VELMORA_FUZZ_LAEUFE  inputs per fuzz target (default 30000; the targets on the whole
#                        class image, the form background file (written to disk per input),
#                        the help file and the school's head (a report laid out per input)
#                        take a tenth and a fifth of it, since each of their inputs costs
#                        some milliseconds)
#   VELMORA_FUZZ_SEED    libFuzzer's random seed (default 1, so that a run is repeatable)
set -euo pipefail
wurzel="$(cd "$(dirname "$0")" && pwd)"
source "$wurzel/scripts/einrichten.sh"
VELMORA_PAKETE+=(clang libclang-rt-14-dev)
velmora_pakete_installieren

SECONDS=0
laeufe="${VELMORA_FUZZ_LAEUFE:-30000}"
declare -A teiler=([klassenbild]=10 [verschluesselung]=10 [formularhintergrund]=10 [hilfedatei]=5 [schulkopf]=5)
seed="${VELMORA_FUZZ_SEED:-1}"
export ASAN_OPTIONS="detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$wurzel/tests/lsan.supp:print_suppressions=0"

echo "== Sanitizer-Build (ASan + UBSan) =="
cmake -S "$wurzel" -B "$wurzel/build-sanitizer" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_COMPILER=clang++ -DVELMORA_SANITIZER=ON -DVELMORA_WERROR=ON
cmake --build "$wurzel/build-sanitizer" -j 2

velmora_schreibschutz_als_nobody \
  --vorher "export ASAN_OPTIONS='$ASAN_OPTIONS' UBSAN_OPTIONS='$UBSAN_OPTIONS' LSAN_OPTIONS=\"suppressions=\$PWD/lsan.supp\"" \
  "$wurzel/build-sanitizer/tests/velmora_kern_tests" "$wurzel/tests/lsan.supp"
(cd "$wurzel/build-sanitizer" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2)

echo "Sanitizer-Build und Tests: ${SECONDS} s"
beginn=$SECONDS
echo "== Fuzz-Ziele (libFuzzer) =="
cmake -S "$wurzel" -B "$wurzel/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DVELMORA_FUZZ=ON -DVELMORA_FENSTER=OFF -DVELMORA_TESTS=OFF \
  -DVELMORA_WERROR=ON
cmake --build "$wurzel/build-fuzz" -j 2

# Every target has a seed corpus and every corpus a target.
for programm in "$wurzel"/build-fuzz/fuzz/fuzz_*; do
  ziel="${programm##*/fuzz_}"
  if [ ! -d "$wurzel/fuzz/korpus/$ziel" ]; then
    echo "Fuzz-Ziel ohne Saatkorpus: fuzz/korpus/$ziel fehlt" >&2
    exit 1
  fi
done

kratz="$(mktemp -d)"
trap 'rm -rf "$kratz"' EXIT
funde="$wurzel/build-fuzz/funde"  # this run's findings only
rm -rf "$funde"
mkdir -p "$funde"
bestanden=0
for korpus in "$wurzel"/fuzz/korpus/*/; do
  ziel="$(basename "$korpus")"
  programm="$wurzel/build-fuzz/fuzz/fuzz_$ziel"
  if [ ! -x "$programm" ]; then
    echo "Saatkorpus ohne Fuzz-Ziel: $programm fehlt" >&2
    exit 1
  fi
  cp -r "$korpus" "$kratz/$ziel"
  protokoll="$kratz/$ziel.log"
  runs=$((laeufe / ${teiler[$ziel]:-1}))
  if ! "$programm" -runs="$runs" -seed="$seed" -timeout=25 -print_final_stats=1 \
      -artifact_prefix="$funde/$ziel-" "$kratz/$ziel" >"$protokoll" 2>&1; then
    tail -n 60 "$protokoll" >&2
    for fund in "$funde/$ziel"-*; do
      [ -f "$fund" ] || continue
      echo "Fund: $fund (nachstellen: $programm $fund), Inhalt:" >&2
      od -A d -t x1z -v "$fund" | head -n 40 >&2
    done
    echo "fuzz_$ziel hat einen Fehler gefunden." >&2
    exit 1
  fi
  ausfuehrungen="$(sed -n 's/^stat::number_of_executed_units: *//p' "$protokoll")"
  echo "fuzz_$ziel: $ausfuehrungen Eingaben ohne Befund"
  bestanden=$((bestanden + 1))
done
echo "Fuzz-Build und Läufe: $((SECONDS - beginn)) s"
echo "Fuzz-Ziele: $bestanden passed, 0 failed"
