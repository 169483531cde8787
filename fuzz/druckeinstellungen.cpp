// The print settings record "DRKEINST.DAT" (224 bytes): the format keeps every byte, so a
// record read and written back is the file; the window shows values that it takes back
// unchanged; and the report-text list prints with any margins and line height a file
// holds (signed overflows there would stop the run).
#include <algorithm>
#include <cstdint>
#include <string>

#include "basis/cp1252.h"
#include "fuzzhilfen.h"
#include "reports/zeugnistexte.h"
#include "settings/druckeinstellregeln.h"
#include "settings/druckeinstellungen.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  Bytes bild(TDruckEinstellungen::Groesse, 0);
  std::copy_n(daten, std::min(groesse, TDruckEinstellungen::Groesse), bild.begin());
  const std::uint8_t optionen = groesse > TDruckEinstellungen::Groesse ? daten[TDruckEinstellungen::Groesse] : 0;

  const TDruckEinstellungen satz = TDruckEinstellungen::AusBild(bild);
  fuzz::Pruefe(satz.Bild() == bild, "a print settings record read and written back keeps every byte");

  // "Einstellungen übernehmen" with what the window shows reads the same numbers.
  const DrkFormWerte werte = DruckEinstellRegeln::Werte(satz);
  for (std::size_t i = 0; i < kRandAnzahl; ++i) {
    const RandZahl z = LiesRandZahl(werte.Raender[i]);
    fuzz::Pruefe(!z.Abgelehnt && z.Wert == satz.Raender[i], "a shown margin is taken back unchanged");
  }
  const RandZahl h = LiesRandZahl(werte.Zeilenhoehe);
  fuzz::Pruefe(!h.Abgelehnt && h.Wert == satz.Zeilenhoehe, "the shown line height is taken back unchanged");
  fuzz::Pruefe(werte.Druckart >= -1 && werte.Druckart <= 4, "the print mode selects a radio item or none");

  fuzz::ZaehlendeFlaeche flaeche;
  flaeche.nurAufDerSeite = false;  // margins from a file may place text off the page
  TZeilenpuffer puffer;
  TKlassenDatei klasse = fuzz::NeueKlasse();
  klasse.Schueler[0].Setze(TSchuelerDatensatz::Name, "Musterfrau");
  klasse.Schueler[0].Setze(TSchuelerDatensatz::Hinweise, T("Sie hat regelmäßig am Unterricht teilgenommen."));
  const auto verlag = static_cast<std::int16_t>(optionen % 5);
  DruckeZeugnistexte(flaeche, klasse, 0, ZeugnistextAuswahl{(optionen & 8) != 0, false}, satz, verlag, puffer);
  return 0;
}
