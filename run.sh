#!/usr/bin/env bash
# Sets up what the program needs, builds the program (not the tests) and starts it in its own
# working directory.
set -euo pipefail
wurzel="$(cd "$(dirname "$0")" && pwd)"
source "$wurzel/scripts/einrichten.sh"
# Without the packages Debian merely recommends (a GTK theme for Qt and its libraries): the
# first start on a new computer takes a few minutes instead of many.
velmora_pakete_installieren --ohne-empfehlungen "${VELMORA_PAKETE_PROGRAMM[@]}"
velmora_programm_bauen "$wurzel"

arbeit="${VELMORA_ARBEITSVERZEICHNIS:-$HOME/Velmora}"
mkdir -p "$arbeit"
if [ ! -f "$arbeit/KURZBEDIENUNGSANLEITUNG.HLP" ]; then
  cp "$wurzel/hilfe/KURZBEDIENUNGSANLEITUNG.HLP" "$arbeit/"
fi
cd "$arbeit"
echo "Velmora arbeitet im Verzeichnis: $arbeit"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
  echo "Keine Anzeige gefunden: Velmora startet auf einer virtuellen Anzeige (Xvfb)."
  exec xvfb-run -a -s "-screen 0 1400x1000x24" "$wurzel/build/src/velmora" "$@"
fi
exec "$wurzel/build/src/velmora" "$@"
