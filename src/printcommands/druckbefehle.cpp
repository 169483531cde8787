#include "printcommands/druckbefehle.h"
#include "basis/fehlerbox.h"

#include "basis/cp1252.h"
#include "basis/eafehler.h"
#include "print/druckabschluss.h"
#include "printcommands/sitzungsname.h"

namespace velmora {

namespace {

constexpr const char* kTestblattSitzung = "Testblatt";
constexpr const char* kDatenblattSitzung = "Datenblatt";

}  // namespace

BlattKopf Druckbefehle::Kopf() const { return BlattKopf{kontext_.zeugnisname, kontext_.kurzname, uhr_.Heute()}; }

void Druckbefehle::Testblatt1Click() {
  DruckSitzung sitzung(flaeche_, kTestblattSitzung);
  MitFehlerbox(meldungen_, [&] {
    TFormatSteuerTabelle werte;
    std::string titel;
    LadeFormatSteuerTabelle(werte, kTestblattDatei, titel, meldungen_);
    DruckeTestblatt(flaeche_, werte, Kopf());
  });
  MeldeDruckabschluss(meldungen_, flaeche_, sitzung.Beende());
}

void Druckbefehle::Datenblatt1Click() {
  const TSchuelerDatensatz& s = kontext_.Aktuell();
  const std::string text = T("Druck eines Datenblattes\r für: ") + s.Lies(TSchuelerDatensatz::Vornamen) + " " +
                           s.Lies(TSchuelerDatensatz::Name) + "\r";
  if (meldungen_.Zeige(MeldungsArt::Information, text, Knoepfe::OkAbbrechen) != Antwort::Ok) return;
  DatenblattDrucken();
}

void Druckbefehle::DatenblattDrucken() {
  DruckSitzung sitzung(flaeche_, SitzungFuerSchueler(kDatenblattSitzung, kontext_.Aktuell()));
  MitFehlerbox(meldungen_, [&] {
    TFormatSteuerTabelle werte, rahmen;
    std::string titel;
    LadeFormatSteuerTabelle(werte, kDatenblattDatei, titel, meldungen_);
    LadeFormatSteuerTabelle(rahmen, kDatenrahmenDatei, titel, meldungen_);
    DruckeDatenblatt(flaeche_, kontext_.Aktuell(), rahmen, werte, Kopf(), kontext_.druck.MitRahmen == 1, puffer_);
  });
  MeldeDruckabschluss(meldungen_, flaeche_, sitzung.Beende());
}

void Druckbefehle::TestblattVorschau() {
  TFormatSteuerTabelle werte;
  std::string titel;
  if (!MitFehlerbox(meldungen_, [&] { LadeFormatSteuerTabelle(werte, kTestblattDatei, titel, meldungen_); })) return;
  const BlattKopf kopf = Kopf();
  vorschau_.Zeige(kTestblattSitzung, Blattformat::A4Hoch, [&](DruckFlaeche& f) { DruckeTestblatt(f, werte, kopf); });
}

void Druckbefehle::DatenblattVorschau() {
  TFormatSteuerTabelle werte, rahmen;
  std::string titel;
  if (!MitFehlerbox(meldungen_, [&] {
        LadeFormatSteuerTabelle(werte, kDatenblattDatei, titel, meldungen_);
        LadeFormatSteuerTabelle(rahmen, kDatenrahmenDatei, titel, meldungen_);
      })) {
    return;
  }
  const TSchuelerDatensatz& satz = kontext_.Aktuell();
  const BlattKopf kopf = Kopf();
  vorschau_.Zeige(SitzungFuerSchueler(kDatenblattSitzung, satz), Blattformat::A4Hoch, [&](DruckFlaeche& f) {
    DruckeDatenblatt(f, satz, rahmen, werte, kopf, kontext_.druck.MitRahmen == 1, puffer_);
  });
}

}  // namespace velmora
