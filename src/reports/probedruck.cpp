#include "reports/probedruck.h"

#include <algorithm>
#include <filesystem>

#include "printcommands/blaetter.h"
#include "reports/drucken1.h"
#include "reports/weisseszeugnis.h"

namespace velmora {

std::string ProbedruckSitzung(const AusrichtWahl& wahl) {
  return "Probedruck-" + std::filesystem::path(wahl.datei).stem().string();
}

bool Probedruck(const AusrichtUmgebung& u, const AusrichtWahl& wahl, const TFormatSteuerTabelle& tabelle,
                const std::string& titel, const TFormatSteuerTabelle& partner, const ProbedruckZiel& ziel) {
  DruckSitzung sitzung(ziel.flaeche, ProbedruckSitzung(wahl));
  const std::size_t schueler = std::min(u.schueler, TKlassenDatei::Schuelerzahl - 1);
  const TSchuelerDatensatz& satz = u.klasse.Schueler[schueler];
  const BlattKopf kopf{u.zeugnisname, u.kurzname, u.heute};
  const bool rahmen = u.druck.MitRahmen == 1;
  switch (wahl.art) {
    case Ausdruckart::Testblatt:
      return DruckeTestblatt(ziel.flaeche, tabelle, kopf);
    case Ausdruckart::DatenblattWerte:
      return DruckeDatenblatt(ziel.flaeche, satz, partner, tabelle, kopf, rahmen, ziel.puffer);
    case Ausdruckart::DatenblattBeschriftungen:
      return DruckeDatenblatt(ziel.flaeche, satz, tabelle, partner, kopf, rahmen, ziel.puffer);
    case Ausdruckart::Zeugnis: {
      // The sheet of the report that carries the chosen page, asked for as the report asks
      // for it: with two form pages side by side, both are printed.
      const bool dreiseitig = wahl.typ == Zeugnistyp::Abgang || wahl.typ == Zeugnistyp::Abschluss;
      ZeugnisAuftrag auftrag{std::to_string(wahl.seite), dreiseitig ? "3" : "2", wahl.seite, wahl.seite, 0};
      for (const ZeugnisAuftrag& a : ZeugnisSeitenfolge(wahl.typ, u.druck.Druckart, false)) {
        if (a.erste <= wahl.seite && wahl.seite <= a.letzte) auftrag = a;
      }
      if (!FrageFormularSeite(ziel.abfrage, titel, ZeugnisName(satz), auftrag.seite, auftrag.seiten)) return false;
      const ZeugnisKontext kontext{ziel.flaeche, u.druck, u.verlag, u.zeugnisname, ziel.puffer};
      const Papier papier = PapierFuer(wahl, u.druck);
      const Blattformat blatt = papier.breite > 2100 ? Blattformat::A3Quer : Blattformat::A4Hoch;
      return DruckeZeugnisBlaetter(kontext, auftrag.erste, auftrag.letzte, u.klasse, tabelle,
                                   AusrichtRaender(wahl, u.druck), {schueler}, ZeugnisZaehlerFuer(wahl.typ, u.verlag),
                                   blatt, "Probedruck");
    }
    case Ausdruckart::WeissWerte:
    case Ausdruckart::WeissBeschriftungen: {
      const bool bezeichner = wahl.art == Ausdruckart::WeissBeschriftungen;
      const TWeissTabellen tabellen{bezeichner ? partner : tabelle, bezeichner ? tabelle : partner};
      const TSeitenRaender raender = ZeugnisRaender(wahl.typ, u.druck);
      const auto seiten = PlaneWeissesZeugnis(tabellen, wahl.typ, raender, satz, u.zeugnisname, u.weiss);
      if (!ziel.flaeche.BeginneDokument("Probedruck")) return false;
      ZeichneWeisseSeiten(ziel.flaeche, seiten, raender);
      return ziel.flaeche.BeendeDokument();
    }
  }
  return false;
}

}  // namespace velmora
