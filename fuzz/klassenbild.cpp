// The class image (a 199236-byte class file): read and written back it keeps every byte;
// every field of every slot reads inside its bounds; saved under a password and opened
// with the same one it gives the same class; and the check, the data sheet, the report
// cards and the report-text list work on whatever the records hold.
//
// The input: a slot number, option bits, the 16 trailer bytes, a password, and the bytes
// laid over the image of a new class from that slot on.
#include <algorithm>
#include <cstdint>
#include <string>

#include "check/fehlertest.h"
#include "classdata/verschluesselung.h"
#include "fuzzhilfen.h"
#include "printcommands/blaetter.h"
#include "reports/drucken1.h"
#include "reports/zeugnistexte.h"

using namespace velmora;
using S = TSchuelerDatensatz;

namespace {

// The password prompt answered with `passwort`, or cancelled; asked again after a wrong
// password, it is cancelled (the teacher gives up).
class Passwortabfrage : public DatenPasswortDialoge {
 public:
  Passwortabfrage(Datenschutz& schutz, std::string passwort, bool ok)
      : schutz_(schutz), passwort_(std::move(passwort)), ok_(ok) {}
  bool ZeigePasswortAbfrage() override {
    const bool ok = ok_ && !gefragt_;
    gefragt_ = true;
    if (ok)
      schutz_.AbfrageOk(passwort_);
    else
      schutz_.AbfrageAbgebrochen();
    return ok;
  }
  bool ZeigePasswortFestlegung() override { return true; }

 private:
  Datenschutz& schutz_;
  std::string passwort_;
  bool ok_;
  bool gefragt_ = false;
};

void PruefeFeld(const S& satz, StringFeld f) {
  const std::string text = satz.Lies(f);
  fuzz::Pruefe(text.size() <= f.max, "a string field reads at most its width");
  S kopie = satz;
  kopie.Setze(f, text);
  fuzz::Pruefe(kopie.Lies(f) == text, "a field written with what it read reads the same");
}

void PruefeFeld(const S& satz, TextFeld f) {
  const std::string text = satz.Lies(f);
  fuzz::Pruefe(text.size() <= f.groesse, "a text block reads at most its size");
  fuzz::Pruefe(text.find('\0') == std::string::npos, "a text block ends at its first NUL");
}

void PruefeDatensatz(const S& satz) {
  for (StringFeld f :
       {S::Name, S::Vornamen, S::Geburtsdatum, S::Geburtsort, S::Wohnort, S::VersaeumteStunden, S::Entschuldigt,
        S::Fachrichtung, S::Schwerpunkt, S::Berufsbezeichnung, S::Einschulungsdatum, S::Ausschulungsdatum,
        S::Durchschnittsnote, S::Klasse, S::SchuljahrVon, S::SchuljahrBis, S::Zeugnisort, S::Zeugnisdatum}) {
    PruefeFeld(satz, f);
  }
  for (TextFeld f : {S::Hinweise, S::Bemerkungen, S::InterneBemerkungen}) PruefeFeld(satz, f);
  for (std::size_t r = 0; r < S::FachzeilenAnzahl; ++r) {
    const TFachZeile zeile = satz.FachZeile(r);
    for (StringFeld f : {TFachZeile::Fach, TFachZeile::FachZusatz, TFachZeile::Bewertung, TFachZeile::Zusatz}) {
      fuzz::Pruefe(satz.LiesFach(r, f) == zeile.Lies(f), "a subject field reads the same through its row");
      fuzz::Pruefe(zeile.Lies(f).size() <= f.max, "a subject field reads at most its width");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  fuzz::Eingabe e(daten, groesse);
  const std::size_t schueler = e.Byte() % TKlassenDatei::Schuelerzahl;
  // Bit 0 enciphering on, bit 1 the prompt answered; the higher bits pick the publisher
  // (bits 2-4, modulo 5), the list's and the data sheet's option (bits 4 and 5, shared on
  // purpose) and the report type (bits 6-7).
  const std::uint8_t optionen = e.Byte();
  const std::string kennung = e.Text(16);
  const std::string passwort = e.Text(e.Byte() % 20);  // also longer than a password may be
  const std::string rest = e.Rest();

  static const Bytes kNeueKlasse = fuzz::NeueKlasse().Bild();
  static Bytes bild;
  bild = kNeueKlasse;  // keeps its buffer from input to input
  const std::size_t anfang = schueler * S::Groesse;
  std::copy_n(rest.begin(), std::min(rest.size(), TKlassenDatei::KennungOffset - anfang), bild.begin() + anfang);
  std::copy(kennung.begin(), kennung.end(), bild.begin() + TKlassenDatei::KennungOffset);

  const TKlassenDatei gelesen = TKlassenDatei::AusBild(bild);
  fuzz::Pruefe(gelesen.Bild() == bild, "a class image read and written back keeps every byte");
  const std::size_t letzter = std::min((anfang + rest.size()) / S::Groesse, TKlassenDatei::Schuelerzahl - 1);
  for (std::size_t i = schueler; i <= letzter; ++i) PruefeDatensatz(gelesen.Schueler[i]);
  fuzz::Pruefe(KennungsLaenge(gelesen) <= kPasswortMax, "a check string is at most 15 long");

  // Opening under the password (or cancelling the prompt), saving and opening again.
  const bool verschluesseln = optionen & 1;
  const bool ok = optionen & 2;
  fuzz::StilleMeldungen meldungen;
  Datenschutz schutz;
  Passwortabfrage abfrage(schutz, passwort, ok);
  TKlassenDatei klasse;
  schutz.NachDemOeffnen(bild, klasse, verschluesseln, abfrage, meldungen);
  if (!verschluesseln || !ok) fuzz::Pruefe(klasse == gelesen, "an image opened without deciphering is the file");
  const Bytes gespeichert = schutz.ZumSpeichern(klasse, verschluesseln, false, abfrage);
  Datenschutz wieder;
  Passwortabfrage gleichesPasswort(wieder, schutz.DatenPasswort(), true);
  TKlassenDatei wiedergelesen;
  const Entschluesselung stand =
      wieder.NachDemOeffnen(gespeichert, wiedergelesen, verschluesseln, gleichesPasswort, meldungen);
  fuzz::Pruefe(stand == Entschluesselung::Lesbar, "a class saved under a password opens with it");
  fuzz::Pruefe(wiedergelesen == klasse, "a saved class opens as it was saved");

  // The consumers of a record: the check, the data sheet, the report cards and the list.
  const S& satz = gelesen.Schueler[schueler];
  const std::int16_t verlag = static_cast<std::int16_t>((optionen >> 2) % 5);
  velmora::Pruefe(satz, verlag);
  fuzz::ZaehlendeFlaeche flaeche;
  TZeilenpuffer puffer;
  const BlattKopf kopf{"Berufsbildende Schule Musterstadt", "BBS Musterstadt", Datum{2024, 7, 5}};
  DruckeDatenblatt(flaeche, satz, DatenrahmenVorlage().Tabelle, DatenblattVorlage().Tabelle, kopf, optionen & 0x20,
                   puffer);
  const TDruckEinstellungen druck;
  const ZeugnisKontext kontext{flaeche, druck, verlag, kopf.Zeugnisname, puffer};
  const auto typ = static_cast<Zeugnistyp>((optionen >> 6) % 4);
  DruckeZeugnisKoerper(kontext, 1, 3, gelesen, ZeugnisVorlage(typ, verlag).Tabelle, ZeugnisRaender(typ, druck),
                       schueler, ZeugnisZaehlerFuer(typ, verlag));
  DruckeZeugnistexte(flaeche, gelesen, schueler, ZeugnistextAuswahl{true, (optionen & 0x10) != 0}, druck, verlag,
                     puffer);
  return 0;
}
