#!/usr/bin/env bash
# Builds Velmora for Windows on Debian 12 and proves it under Wine:
#   1. Qt 6.4.2 for MinGW-w64 from Debian's own source package qt6-base, built once per machine
#      into a cache folder outside the work tree;
#   2. velmora.exe and both test programs cross-built against it (preset windows-mingw);
#   3. the program folder (CMake install rules), the zip and the NSIS installer, both in
#      build-windows-paket/;
#   4. in a fresh Wine prefix with a user folder "Jürgen Müller": silent install, the Start menu
#      link and the uninstaller entry, the program started like that link shows its main window
#      in "Dokumente\Velmora" and leaves Sicherung.DAT at its end, the tests under Wine, the test
#      sheet as PDF compared with the Linux PDF, the silent uninstall, and the start times.
# A second run reuses the Qt build, the cross build and the native build; the Wine prefix is
# made afresh on every run. "./windows-paket.sh --nur-qt" only builds Qt (the long part).
# The native build compared with is build/ (as ./test.sh leaves it) or VELMORA_LINUX_BAU.
set -euo pipefail
wurzel="$(cd "$(dirname "$0")" && pwd)"
source "$wurzel/scripts/einrichten.sh"

bau="$wurzel/build-windows-paket"  # the binaryDir of the preset windows-mingw
mkdir -p "$bau"

zeit() { date +%s; }
dauer() { local s=$(( $(zeit) - $1 )); printf '%d min %02d s' $((s / 60)) $((s % 60)); }
meldung() { printf '\n== %s\n' "$*"; }
fehler() { printf '\nFEHLER: %s\n' "$*" >&2; exit 1; }

skript_start=$(zeit)
meldung "Pakete"
velmora_pakete_installieren
velmora_pakete_installieren --ohne-empfehlungen "${VELMORA_PAKETE_WINDOWS[@]}"

# ---------------------------------------------------------------------------------------------
# 1. Qt for MinGW-w64
# ---------------------------------------------------------------------------------------------
qt_version="$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)"   # e.g. 6.4.2+dfsg-10
qt_upstream="${qt_version%%+*}"; qt_upstream="${qt_upstream%%-*}"  # 6.4.2
# Only what Velmora needs: Core, Gui, Widgets, PrintSupport, Test, the windows and offscreen
# platform plugins, the Windows styles. The options name the cache folder, so a change of them
# builds a new Qt beside the old one.
qt_optionen=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF
  -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_tabletevent=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_png=ON -DFEATURE_system_png=OFF
  -DFEATURE_jpeg=ON -DFEATURE_system_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=ON
  -DFEATURE_harfbuzz=ON -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF
  -DFEATURE_system_pcre2=OFF -DFEATURE_sql_sqlite=OFF
  -DFEATURE_accessibility=ON
)
qt_schluessel="$(printf '%s\n' "$qt_version" "${qt_optionen[@]}" | sha1sum | cut -c1-8)"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/velmora"
qt_ordner="$cache/qt-$qt_upstream-mingw-w64-$qt_schluessel"
qt_prefix="$qt_ordner/installiert"

# The deb-src twin of each configured Debian source of this release, in a list of the script's
# own: apt reads it with its own lists folder, /etc/apt stays as it is.
quellenliste_schreiben() {
  local codename; codename="$(. /etc/os-release && echo "$VERSION_CODENAME")"
  local einzeilig=() deb822=()
  shopt -s nullglob
  einzeilig=(/etc/apt/sources.list.d/*.list); deb822=(/etc/apt/sources.list.d/*.sources)
  shopt -u nullglob
  [ -f /etc/apt/sources.list ] && einzeilig+=(/etc/apt/sources.list)
  {
    # One-line format: "deb [options] URI suite components".
    cat "${einzeilig[@]}" /dev/null \
      | awk -v c="$codename" '$1 == "deb" { for (i = 2; i <= NF; i++) if ($i ~ "^" c "(-|$)") { $1 = "deb-src"; print; break } }'
    # deb822 format: one stanza per source, Suites may name several.
    cat "${deb822[@]}" /dev/null \
      | awk -v c="$codename" '
          function aus() {
            if (typ ~ /(^| )deb( |$)/ && aktiv && uris != "")
              for (u in U) for (s in S) if (S[s] ~ "^" c "(-|$)")
                printf "deb-src %s %s %s %s\n", (sig != "" ? "[signed-by=" sig "]" : ""), U[u], S[s], komp
            typ = ""; uris = ""; komp = "main"; sig = ""; aktiv = 1; delete U; delete S
          }
          BEGIN { aktiv = 1; komp = "main" }
          /^#/ { next }
          /^[ \t]*$/ { aus(); next }
          /^Types:/ { typ = $0; sub(/^Types:[ \t]*/, "", typ) }
          /^URIs:/ { uris = $0; sub(/^URIs:[ \t]*/, "", uris); split(uris, U, /[ \t]+/) }
          /^Suites:/ { s = $0; sub(/^Suites:[ \t]*/, "", s); split(s, S, /[ \t]+/) }
          /^Components:/ { komp = $0; sub(/^Components:[ \t]*/, "", komp) }
          /^Signed-By:[ \t]*\// { sig = $2 }
          /^Enabled:[ \t]*no/ { aktiv = 0 }
          END { aus() }'
  } >"$1"
  [ -s "$1" ] || fehler "Keine Debian-Quelle für $codename in /etc/apt gefunden"
}

qt_quellen_holen() {
  local apt="$qt_ordner/apt" quelle="$qt_ordner/quelle"
  if [ -f "$quelle/.vollstaendig" ]; then
    return 0
  fi
  rm -rf "$apt" "$quelle"
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$quelle"
  quellenliste_schreiben "$apt/sources.list"
  echo "Quellen von qt6-base $qt_version über $apt/sources.list:"
  sed 's/^/  /' "$apt/sources.list"
  local optionen=(-o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts=/nonexistent
                  -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache" -o Debug::NoLocking=1
                  -o APT::Sandbox::User="$(id -un)")
  apt-get -q "${optionen[@]}" update
  (cd "$quelle" && apt-get -q "${optionen[@]}" source "qt6-base=$qt_version")
  touch "$quelle/.vollstaendig"
}

qt_bauen() {
  if [ -f "$qt_prefix/.vollstaendig" ]; then
    echo "Qt $qt_upstream für MinGW-w64 aus dem Cache: $qt_prefix"
    return 0
  fi
  qt_quellen_holen
  local quelle; quelle="$(find "$qt_ordner/quelle" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -1)"
  [ -n "$quelle" ] || fehler "Qt-Quellen fehlen in $qt_ordner/quelle"
  local qt_bau="$qt_ordner/bau" beginn; beginn=$(zeit)
  # A build cut off goes on where it stopped; the install starts afresh.
  rm -rf "$qt_prefix"
  echo "Baue Qt $qt_upstream für MinGW-w64 in $qt_bau (einmal je Rechner, etwa 40 Minuten auf zwei Kernen)"
  # QT_HOST_PATH: moc, rcc, uic and the rest come from Debian's qt6-base-dev-tools, the same
  # version. Qt and its programs share the MinGW runtime DLLs; Qt brings its third-party code.
  cmake -S "$quelle" -B "$qt_bau" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$wurzel/cmake/mingw-w64-x86_64.cmake" -DVELMORA_MINGW_LAUFZEIT=dll \
    -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${qt_optionen[@]}" >"$qt_ordner/konfiguration.log" 2>&1 \
    || { tail -40 "$qt_ordner/konfiguration.log"; fehler "Qt-Konfiguration gescheitert, siehe $qt_ordner/konfiguration.log"; }
  grep -E '^  (Qt (Gui|Widgets|PrintSupport|Testlib|Network|Sql|DBus|OpenGL)|JPEG|PNG|FreeType|HarfBuzz) \.|^  Styles|Dynamic OpenGL' \
    "$qt_ordner/konfiguration.log" || true
  cmake --build "$qt_bau" -j "$(nproc)"
  cmake --install "$qt_bau" >/dev/null
  touch "$qt_prefix/.vollstaendig"
  echo "$(dauer "$beginn")" >"$qt_ordner/bauzeit.txt"
  rm -rf "$qt_bau"
  echo "Qt gebaut in $(dauer "$beginn"), installiert $(du -sh "$qt_prefix" | cut -f1): $qt_prefix"
}

meldung "Qt $qt_upstream für Windows (MinGW-w64)"
qt_bauen
qt_bauzeit="$(cat "$qt_ordner/bauzeit.txt" 2>/dev/null || echo unbekannt)"
# The German texts of Qt's own dialogs where Qt looks for them (the test programs load them
# from there; the program folder gets its own copy).
install -D -m 644 /usr/share/qt6/translations/qtbase_de.qm "$qt_prefix/translations/qtbase_de.qm"
if [ "${1:-}" = --nur-qt ]; then
  exit 0
fi

# Unix path -> the same place as Wine's drive Z: sees it.
windows_pfad() { printf 'Z:%s' "${1//\//\\}"; }

# ---------------------------------------------------------------------------------------------
# 2. The native Linux build the Windows build is compared with (test names, PDF, start time):
#    build/ as ./test.sh leaves it, or VELMORA_LINUX_BAU.
# ---------------------------------------------------------------------------------------------
meldung "Linux-Bau zum Vergleich"
linux_bau="${VELMORA_LINUX_BAU:-$wurzel/build}"
beginn=$(zeit)
if [ ! -f "$linux_bau/CMakeCache.txt" ] || ! grep -q '^VELMORA_TESTS:BOOL=ON' "$linux_bau/CMakeCache.txt"; then
  cmake -S "$wurzel" -B "$linux_bau" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_TESTS=ON
fi
cmake --build "$linux_bau" -j "$(nproc)" --target velmora velmora_kern_tests velmora_gui_tests
zeit_linux=$(dauer "$beginn")

# ---------------------------------------------------------------------------------------------
# The Wine environment: a fresh prefix of its own in the build folder on every run, the Windows
# user "Jürgen Müller" (Wine names the profile after $USER), its documents inside the prefix,
# the three Windows fonts, a virtual X display for the windows. The test programs and the build
# (test discovery) find the Qt and MinGW DLLs through WINEPATH.
# ---------------------------------------------------------------------------------------------
meldung "Wine-Umgebung"
beginn=$(zeit)
export WINEPREFIX="$bau/wine" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
export USER="Jürgen Müller" HOME="$bau/wine-home"
benutzer_unix="$WINEPREFIX/drive_c/users/$USER"
# pdftotext.exe, pdfinfo.exe, pdffonts.exe, pdftoppm.exe: Poppler's Linux programs, which Wine starts
werkzeug="$bau/wine-werkzeug"
schriften="$bau/schriften"         # Arial, Times New Roman, Courier New from their Liberation twins
rm -rf "$WINEPREFIX" "$HOME" "$werkzeug"
mkdir -p "$HOME" "$werkzeug"
for programm in pdftotext pdfinfo pdffonts pdftoppm; do ln -s "$(command -v "$programm")" "$werkzeug/$programm.exe"; done
rm -rf "$schriften"
/usr/bin/python3 "$wurzel/paket/windows/windows_schriften.py" /usr/share/fonts/truetype/liberation2 "$schriften"
laufzeit=()
for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
  laufzeit+=("$(windows_pfad "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)")")")
done
export WINEPATH="$(windows_pfad "$qt_prefix/bin");$(IFS=';'; echo "${laufzeit[*]}");$(windows_pfad "$werkzeug")"

# One virtual X display for every Wine program of this run.
anzeige_datei="$bau/xvfb.anzeige"
: >"$anzeige_datei"
Xvfb -displayfd 3 -screen 0 1400x1000x24 -nolisten tcp 3>"$anzeige_datei" >"$bau/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$anzeige_datei" ] && break; sleep 0.1; done
[ -s "$anzeige_datei" ] || fehler "Xvfb startet nicht, siehe $bau/xvfb.log"
export DISPLAY=":$(cat "$anzeige_datei")"
unset WAYLAND_DISPLAY XAUTHORITY
aufraeumen() {
  wineserver --kill 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap aufraeumen EXIT

wine_protokoll="$bau/wine.log"
wineboot --init >"$wine_protokoll" 2>&1
wineserver --wait
# Wine links the profile's folders to the Linux home; the teacher's documents belong in the
# profile, as on Windows.
for ordner in Desktop Documents Downloads Music Pictures Videos; do
  if [ -L "$benutzer_unix/$ordner" ]; then rm "$benutzer_unix/$ordner"; fi
  mkdir -p "$benutzer_unix/$ordner"
done
cp "$schriften"/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
{
  echo 'REGEDIT4'
  echo
  echo '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Fonts]'
  for f in "$schriften"/*.ttf; do
    name="$(fc-scan --format '%{family[0]}%{style[0]}' "$f" | sed 's/Regular$//; s/\(.\)\(Bold\|Italic\)/\1 \2/')"
    printf '"%s (TrueType)"="%s"\n' "$name" "$(basename "$f")"
  done
  # A program that crashes ends at once, instead of waiting in Wine's debugger.
  echo
  echo '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]'
  echo '"Debugger"=-'
} >"$bau/wine-einstellungen.reg"
wine regedit /S "$(windows_pfad "$bau/wine-einstellungen.reg")" >>"$wine_protokoll" 2>&1
wineserver --wait
# One Wine server for all programs of the run, started with the Windows services before the
# build: services started by a test program would inherit its output and keep ctest waiting.
wineserver --persistent
wine cmd /c exit >>"$wine_protokoll" 2>&1 </dev/null
echo "Wine-Umgebung $WINEPREFIX, Benutzer „$USER“, Anzeige $DISPLAY ($(dauer "$beginn"))"

# ---------------------------------------------------------------------------------------------
# 3. Velmora for Windows: program, logic tests and window tests (preset windows-mingw)
# ---------------------------------------------------------------------------------------------
meldung "Velmora für Windows übersetzen (Preset windows-mingw)"
beginn=$(zeit)
export VELMORA_QT_MINGW="$qt_prefix"
# A build against another Qt (other options, another cache) starts afresh: CMake keeps the
# Qt it found.
if [ -f "$bau/CMakeCache.txt" ] && ! grep -q "^VELMORA_QT_MINGW:[A-Z]*=$qt_prefix\$" "$bau/CMakeCache.txt"; then
  rm -rf "$bau/CMakeCache.txt" "$bau/CMakeFiles"
fi
cmake --preset windows-mingw -DVELMORA_WERROR=ON >"$bau/konfiguration.log" 2>&1 \
  || { cat "$bau/konfiguration.log"; fehler "Konfiguration von build-windows-paket gescheitert"; }
cmake --build --preset windows-mingw
zeit_cross=$(dauer "$beginn")

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$bau/CMakeCache.txt")"
[ -n "$version" ] || fehler "Keine Version in $bau/CMakeCache.txt"

# ---------------------------------------------------------------------------------------------
# 4. Program folder, zip and installer
# ---------------------------------------------------------------------------------------------
meldung "Programmordner, Zip und Installer"
beginn=$(zeit)
programmordner="$bau/Velmora"
rm -rf "$programmordner"
cmake --install "$bau" --prefix "$programmordner" >/dev/null
for datei in velmora.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6PrintSupport.dll \
             platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qjpeg.dll \
             libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll \
             translations/qtbase_de.qm KURZBEDIENUNGSANLEITUNG.HLP; do
  [ -f "$programmordner/$datei" ] || fehler "Im Programmordner fehlt $datei"
done
echo "Programmordner $programmordner: $(find "$programmordner" -type f | wc -l) Dateien, $(du -sh "$programmordner" | cut -f1)"

zip_datei="$bau/Velmora-$version-Windows.zip"
rm -f "$zip_datei"
(cd "$bau" && zip -q -r -X "$zip_datei" Velmora)
echo "Zip: $zip_datei ($(du -h "$zip_datei" | cut -f1))"

# The installer's file lists: every file of the program folder, and the same to delete.
liste_install="$bau/nsis-dateien.nsh" liste_entfernen="$bau/nsis-entfernen.nsh"
: >"$liste_install"; : >"$liste_entfernen"
while IFS= read -r -d '' ordner; do
  relativ="${ordner#"$programmordner"}"; relativ="${relativ#/}"
  printf 'SetOutPath "$INSTDIR%s"\n' "${relativ:+\\${relativ//\//\\}}" >>"$liste_install"
  find "$ordner" -maxdepth 1 -type f -print0 | sort -z | while IFS= read -r -d '' datei; do
    printf 'File "%s"\n' "$datei" >>"$liste_install"
    r="${datei#"$programmordner/"}"
    printf 'Delete "$INSTDIR\\%s"\n' "${r//\//\\}" >>"$liste_entfernen"
  done
done < <(find "$programmordner" -type d -print0 | sort -z)
find "$programmordner" -mindepth 1 -type d -print0 | sort -rz | while IFS= read -r -d '' ordner; do
  r="${ordner#"$programmordner/"}"
  printf 'RMDir "$INSTDIR\\%s"\n' "${r//\//\\}" >>"$liste_entfernen"
done
installer="$bau/Velmora-$version-Setup.exe"
rm -f "$installer"
makensis -V2 -DVERSION="$version" -DAUSGABE="$installer" \
  -DSYMBOL="$wurzel/src/app/ressourcen/velmora.ico" \
  -DGROESSE_KB="$(du -sk "$programmordner" | cut -f1)" \
  -DDATEIEN="$liste_install" -DENTFERNEN="$liste_entfernen" \
  "$wurzel/paket/windows/velmora.nsi"
installer_groesse="$(du -h "$installer" | cut -f1)"
echo "Installer: $installer ($installer_groesse)"
zeit_paket=$(dauer "$beginn")

# ---------------------------------------------------------------------------------------------
# 5. The proof under Wine, beside the Linux program
# ---------------------------------------------------------------------------------------------
ms() { date +%s%3N; }
sekunden() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", (b - a) / 1000 }'; }

# Waits up to $2 seconds for a visible window whose name matches the pattern $1; prints its id.
warte_auf_fenster() {
  local ende=$(( $(ms) + $2 * 1000 )) id
  while [ "$(ms)" -lt "$ende" ]; do
    id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)" || true
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.05
  done
  return 1
}
# Waits up to $2 seconds for the file pattern $1 (a glob) to match; prints the first match.
warte_auf_datei() {
  local ende=$(( $(ms) + $2 * 1000 )) treffer
  while [ "$(ms)" -lt "$ende" ]; do
    treffer="$(compgen -G "$1" | head -1)" || true
    if [ -n "$treffer" ]; then echo "$treffer"; return 0; fi
    sleep 0.1
  done
  return 1
}
tasten() { xdotool windowfocus --sync "$1" 2>/dev/null || true; sleep 0.3; xdotool key --clearmodifiers "${@:2}"; sleep 0.8; }

# Prints the test sheet from the menu ("Drucken > Testblatt"; without a printer it becomes a
# PDF file and a box says where) and ends the program as a teacher does: "Datei > Beenden",
# the question answered with "Ja". $1: main window, $2: working folder, $3: what runs.
testblatt_und_ende() {
  local fenster="$1" ordner="$2" was="$3" box pdf
  tasten "$fenster" alt+r t
  pdf="$(warte_auf_datei "$ordner/*/*.pdf" 30)" || fehler "$was: kein PDF des Testblatts in $ordner"
  box="$(warte_auf_fenster "^Information\$" 15)" || fehler "$was: keine Meldung „Information“ zum PDF"
  echo "$was: Testblatt gedruckt nach $pdf, Meldung „Information“ mit OK beantwortet"
  tasten "$box" Return
  tasten "$fenster" alt+d b
  box="$(warte_auf_fenster "^Bestätigung\$" 15)" || fehler "$was: keine Frage „Bestätigung“ beim Beenden"
  echo "$was: „Datei > Beenden“ fragt („Bestätigung“), Antwort Ja"
  tasten "$box" Return
  warte_auf_datei "$ordner/Sicherung.DAT" 30 >/dev/null || fehler "$was: kein Sicherung.DAT in $ordner nach dem Beenden"
  local ende=$(( $(ms) + 30000 ))
  while xdotool search --onlyvisible --name "^Velmora " >/dev/null 2>&1; do
    [ "$(ms)" -lt "$ende" ] || fehler "$was: das Hauptfenster bleibt nach dem Beenden offen"
    sleep 0.2
  done
  echo "$was: beendet, Sicherung.DAT in $ordner"
  LETZTES_PDF="$pdf"
}

meldung "Linux: Start, Testblatt, Ende"
linux_lauf="$bau/linux-lauf"
rm -rf "$linux_lauf"; mkdir -p "$linux_lauf"
t0=$(ms)
(cd "$linux_lauf" && exec env -u QT_QPA_PLATFORM "$linux_bau/src/velmora" >"$bau/linux-velmora.log" 2>&1) &
linux_pid=$!
fenster="$(warte_auf_fenster "^Velmora " 30)" || fehler "Linux: kein Hauptfenster nach 30 s"
start_linux="$(sekunden "$t0" "$(ms)")"
titel="$(xdotool getwindowname "$fenster")"
echo "Linux: Hauptfenster „$titel“ nach $start_linux s"
sleep 1
import -window root "$bau/linux-hauptfenster.png"
testblatt_und_ende "$fenster" "$linux_lauf" Linux
linux_pdf="$LETZTES_PDF"
wait "$linux_pid" || fehler "Linux: das Programm endet mit einem Fehler"

meldung "Installation unter Wine (still)"
programme_unix="$WINEPREFIX/drive_c/Program Files/Velmora"
verknuepfung='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Velmora.lnk'
verknuepfung_unix="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmora.lnk"
eintrag='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'
wine "$(windows_pfad "$installer")" /S >>"$wine_protokoll" 2>&1 </dev/null
[ -f "$programme_unix/velmora.exe" ] || fehler "velmora.exe fehlt in C:\\Program Files\\Velmora"
echo "Programmordner C:\\Program Files\\Velmora: $(find "$programme_unix" -type f | wc -l) Dateien"
[ -f "$verknuepfung_unix" ] || fehler "Startmenü-Verknüpfung fehlt: $verknuepfung"
echo "Startmenü: $verknuepfung"
registrierung="$(wine reg query "$eintrag" 2>/dev/null | tr -d '\r')" || fehler "Kein Eintrag $eintrag"
for wert in "DisplayName.*Velmora" "DisplayVersion.*$version" "Publisher.*Velmora" "UninstallString.*Deinstallieren.exe"; do
  grep -q "$wert" <<<"$registrierung" || fehler "Deinstallationseintrag ohne $wert: $registrierung"
done
echo "Apps & Features: $(grep -E 'DisplayName|DisplayVersion|Publisher' <<<"$registrierung" | awk '{ $2 = ""; print }' | paste -sd ',' | tr -s ' ')"

meldung "Wine: Start über die Startmenü-Verknüpfung, Testblatt, Ende"
dokumente_unix="$benutzer_unix/Documents/Velmora"
t0=$(ms)
wine start "$verknuepfung" >>"$wine_protokoll" 2>&1 </dev/null
fenster="$(warte_auf_fenster "^Velmora " 30)" || {
  import -window root "$bau/wine-hauptfenster.png"
  fehler "Wine: kein Hauptfenster nach 30 s (Bildschirm in $bau/wine-hauptfenster.png)"
}
start_wine="$(sekunden "$t0" "$(ms)")"
wine_titel="$(xdotool getwindowname "$fenster")"
sleep 1
import -window root "$bau/wine-hauptfenster.png"
echo "Wine: Hauptfenster „$wine_titel“ nach $start_wine s, Bildschirmfoto $bau/wine-hauptfenster.png"
[ "$wine_titel" = "$titel" ] || fehler "Wine: der Titel „$wine_titel“ ist nicht der unter Linux („$titel“)"
[ -f "$dokumente_unix/KURZBEDIENUNGSANLEITUNG.HLP" ] || fehler "Wine: keine Hilfe in Dokumente\\Velmora"
echo "Wine: Arbeitsordner C:\\users\\$USER\\Documents\\Velmora mit $(ls "$dokumente_unix" | paste -sd ' ')"
testblatt_und_ende "$fenster" "$dokumente_unix" Wine
wine_pdf="$LETZTES_PDF"
for datei in Sicherung.DAT SFAECHER.SFL LEER.KFV; do
  [ ! -e "$programme_unix/$datei" ] || fehler "Wine: $datei im Programmordner statt in Dokumente\\Velmora"
done

meldung "Testblatt: Wine gegen Linux"
pdffonts "$wine_pdf" | tee "$bau/wine-pdffonts.txt"
for familie in "Courier|LiberationMono|Cousine" "Times|LiberationSerif|Tinos" "Arial|LiberationSans|Arimo"; do
  grep -Eq "$familie" "$bau/wine-pdffonts.txt" || fehler "Wine-PDF ohne Schrift $familie"
done
/usr/bin/python3 - "$linux_pdf" "$wine_pdf" <<'PY'
import re, subprocess, sys
MM = 25.4 / 72
def woerter(pdf):
    html = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, text=True, check=True).stdout
    return [(w[4], *(float(v) * MM for v in w[:4])) for w in
            re.findall(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>', html)]
linux, wine = woerter(sys.argv[1]), woerter(sys.argv[2])
if [w[0] for w in linux] != [w[0] for w in wine]:
    sys.exit(f"FEHLER: andere Wörter (Linux {len(linux)}, Wine {len(wine)})")
abstand = max(max(abs(a - b) for a, b in zip(l[1:], w[1:])) for l, w in zip(linux, wine))
schlimmstes = max(zip(linux, wine), key=lambda p: max(abs(a - b) for a, b in zip(p[0][1:], p[1][1:])))
print(f"{len(linux)} Wörter, dieselben wie unter Linux; größte Abweichung {abstand:.3f} mm (bei „{schlimmstes[0][0]}“)")
if abstand > 0.1:
    sys.exit("FEHLER: Abweichung über 0,1 mm")
PY

meldung "Tests unter Wine (QT_QPA_PLATFORM=offscreen)"
beginn=$(zeit)
# The logic tests in the user's own temporary folder, "C:\users\Jürgen Müller\Temp".
wine "$bau/tests/velmora_kern_tests.exe" --gtest_brief=1 </dev/null >"$bau/kern-tests-umlaute.log" 2>&1 \
  || { tail -40 "$bau/kern-tests-umlaute.log"; fehler "Logiktests im Benutzerordner „$USER“ gescheitert"; }
echo "Logiktests in C:\\users\\$USER\\Temp: $(grep -a 'PASSED' "$bau/kern-tests-umlaute.log" | tr -d '\r')"
testnamen() { tr -d '\r' | awk '/^[^ ]/ { suite = $1 } /^  / { print suite $1 }' | sort; }
for programm in velmora_kern_tests velmora_gui_tests; do
  diff <(QT_QPA_PLATFORM=offscreen "$linux_bau/tests/$programm" --gtest_list_tests | testnamen) \
       <(QT_QPA_PLATFORM=offscreen wine "$bau/tests/$programm.exe" --gtest_list_tests </dev/null 2>/dev/null | testnamen) \
    || fehler "$programm: andere Tests unter Windows als unter Linux"
  echo "$programm: dieselben $(QT_QPA_PLATFORM=offscreen "$linux_bau/tests/$programm" --gtest_list_tests | testnamen | wc -l) Tests wie unter Linux"
done
# All tests under ctest in a temporary folder without umlauts: several window tests turn Qt's
# file names into std::filesystem paths through UTF-8 std::strings, which MinGW's library
# reads in the ANSI code page (see README, "Für Windows bauen"). The offscreen platform of the
# window tests reads its fonts from QT_QPA_FONTDIR. Wine passes no QT_ variable of Linux on
# to its programs (ctest's QT_QPA_PLATFORM neither; the test program chooses offscreen
# itself): both settings go into the user's environment in the registry for the tests.
temp_ascii='C:\users\Public\Temp'
mkdir -p "$WINEPREFIX/drive_c/users/Public/Temp"
umgebung() { wine reg add 'HKCU\Environment' /v "$1" /t REG_EXPAND_SZ /d "$2" /f >>"$wine_protokoll" 2>&1; }
umgebung TEMP "$temp_ascii"; umgebung TMP "$temp_ascii"
umgebung QT_QPA_FONTDIR "$(windows_pfad "$schriften")"
(cd "$bau" && ctest --output-on-failure -j 2) || fehler "Tests unter Wine gescheitert"
umgebung TEMP '%USERPROFILE%\Temp'; umgebung TMP '%USERPROFILE%\Temp'
wine reg delete 'HKCU\Environment' /v QT_QPA_FONTDIR /f >>"$wine_protokoll" 2>&1
zeit_tests=$(dauer "$beginn")

meldung "Startzeit bis zum Hauptfenster (zweiter Start)"
benchmark() {  # $1: label, $2: working folder, rest: command
  local was="$1" ordner="$2" t0 fenster; shift 2
  t0=$(ms)
  (cd "$ordner" && exec "$@" >>"$bau/benchmark.log" 2>&1 </dev/null) &
  fenster="$(warte_auf_fenster "^Velmora " 30)" || fehler "$was: kein Hauptfenster nach 30 s"
  BENCH="$(sekunden "$t0" "$(ms)")"
  sleep 1
  tasten "$fenster" alt+d b
  tasten "$(warte_auf_fenster "^Bestätigung\$" 15)" Return
  wait $! 2>/dev/null || true
  local ende=$(( $(ms) + 30000 ))
  while xdotool search --onlyvisible --name "^Velmora " >/dev/null 2>&1 && [ "$(ms)" -lt "$ende" ]; do sleep 0.2; done
}
benchmark Linux "$linux_lauf" env -u QT_QPA_PLATFORM "$linux_bau/src/velmora"; bench_linux="$BENCH"
benchmark Wine "$dokumente_unix" wine "C:\\Program Files\\Velmora\\velmora.exe" --dokumente; bench_wine="$BENCH"

meldung "Deinstallation unter Wine (still)"
wine "C:\\Program Files\\Velmora\\Deinstallieren.exe" /S >>"$wine_protokoll" 2>&1 </dev/null
# The uninstaller runs on from a copy of itself; it is done when the program folder is gone.
ende=$(( $(ms) + 60000 ))
while [ -e "$programme_unix" ] && [ "$(ms)" -lt "$ende" ]; do sleep 0.2; done
[ ! -e "$programme_unix" ] || fehler "Der Programmordner bleibt nach der Deinstallation: $(find "$programme_unix" | head)"
[ ! -e "$verknuepfung_unix" ] || fehler "Die Startmenü-Verknüpfung bleibt nach der Deinstallation"
if wine reg query "$eintrag" >/dev/null 2>&1; then fehler "Der Deinstallationseintrag bleibt"; fi
for datei in Sicherung.DAT KURZBEDIENUNGSANLEITUNG.HLP SFAECHER.SFL; do
  [ -f "$dokumente_unix/$datei" ] || fehler "Die Deinstallation hat Dokumente\\Velmora\\$datei entfernt"
done
echo "Programmordner, Startmenü-Verknüpfung und Eintrag entfernt; Dokumente\\Velmora bleibt: $(ls "$dokumente_unix" | paste -sd ' ')"

meldung "Ergebnis"
cat <<ERGEBNIS
Installer:        $installer ($installer_groesse)
Zip:              $zip_datei ($(du -h "$zip_datei" | cut -f1))
Qt für MinGW:     $qt_prefix (gebaut in $qt_bauzeit, $(du -sh "$qt_prefix" | cut -f1))
Zeiten:           Linux-Bau $zeit_linux, Windows-Bau $zeit_cross, Paket $zeit_paket, Tests unter Wine $zeit_tests
Start bis Hauptfenster, erster Start:  Linux $start_linux s, Wine $start_wine s (über die Verknüpfung)
Start bis Hauptfenster, zweiter Start: Linux $bench_linux s, Wine $bench_wine s
Skript insgesamt: $(dauer "$skript_start")
ERGEBNIS
