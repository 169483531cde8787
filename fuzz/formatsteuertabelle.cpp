// The format control tables (".FST" files, hand-edited): reading never fails other than
// with error 106, a table written as the program writes it reads back unchanged, and the
// internal sheets print with any table that was read.
#include <cstdint>
#include <string>
#include <vector>

#include "basis/dateien.h"
#include "basis/eafehler.h"
#include "fuzzhilfen.h"
#include "print/formatsteuertabelle.h"
#include "printcommands/blaetter.h"

using namespace velmora;

namespace {

// A file's lines as SchreibeFormatSteuerTabelle writes and LiesTextZeilen reads them.
std::vector<std::string> UeberDatei(const std::vector<std::string>& zeilen) {
  Bytes inhalt;
  for (const std::string& z : zeilen) {
    inhalt.insert(inhalt.end(), z.begin(), z.end());
    inhalt.push_back('\r');
    inhalt.push_back('\n');
  }
  return TeileTextZeilen(inhalt);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::vector<std::string> zeilen = TeileTextZeilen(Bytes(daten, daten + groesse));
  TFormatSteuerTabelle tabelle{};
  std::string titel;
  try {
    LiesFormatSteuerZeilen(zeilen, tabelle, titel);
  } catch (const EAFehler& f) {
    fuzz::Pruefe(f.Nummer() == ea::UngueltigeZahl, "a table fails only with error 106");
    return 0;
  }

  TFormatSteuerTabelle wieder{};
  std::string wiederTitel;
  const std::vector<std::string> geschrieben = FormatSteuerZeilen(tabelle, titel);
  fuzz::Pruefe(geschrieben.size() == 2 + 7 * kFormatEintraege, "a written table has 702 lines");
  fuzz::Pruefe(LiesFormatSteuerZeilen(UeberDatei(geschrieben), wieder, wiederTitel),
               "a written table is numbered right");
  fuzz::Pruefe(wieder == tabelle, "a written table reads back unchanged");
  fuzz::Pruefe(wiederTitel == titel, "the title reads back unchanged");

  // The internal sheets with the table as their layout.
  const BlattKopf kopf{"Berufsbildende Schule Musterstadt", "BBS Musterstadt", Datum{2024, 7, 5}};
  fuzz::ZaehlendeFlaeche flaeche;
  DruckeTestblatt(flaeche, tabelle, kopf);
  const TKlassenDatei& klasse = fuzz::NeueKlasse();
  TZeilenpuffer puffer;
  DruckeDatenblatt(flaeche, klasse.Schueler[0], tabelle, tabelle, kopf, true, puffer);
  return 0;
}
