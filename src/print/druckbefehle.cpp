#include "print/druckbefehle.h"
#include "basis/fehlerbox.h"

#include "basis/cp1252.h"
#include "basis/eafehler.h"

namespace velmora {

BlattKopf Druckbefehle::Kopf() const {
  return BlattKopf{kontext_.zeugnisname, kontext_.kurzname, uhr_.Heute()};
}

void Druckbefehle::Testblatt1Click() {
  MitFehlerbox(meldungen_, [&] {
    TFormatSteuerTabelle werte;
    std::string titel;
    LadeFormatSteuerTabelle(werte, kTestblattDatei, titel, meldungen_);
    DruckeTestblatt(flaeche_, werte, Kopf());
  });
}

void Druckbefehle::Datenblatt1Click() {
  const TSchuelerDatensatz& s = kontext_.Aktuell();
  const std::string text = T("Druck eines Datenblattes\r für: ") + s.Lies(TSchuelerDatensatz::Vornamen) + " " +
                           s.Lies(TSchuelerDatensatz::Name) + "\r";
  if (meldungen_.Zeige(MeldungsArt::Information, text, Knoepfe::OkAbbrechen) != Antwort::Ok) return;
  DatenblattDrucken();
}

void Druckbefehle::DatenblattDrucken() {
  MitFehlerbox(meldungen_, [&] {
    TFormatSteuerTabelle werte, rahmen;
    std::string titel;
    LadeFormatSteuerTabelle(werte, kDatenblattDatei, titel, meldungen_);
    LadeFormatSteuerTabelle(rahmen, kDatenrahmenDatei, titel, meldungen_);
    DruckeDatenblatt(flaeche_, kontext_.Aktuell(), rahmen, werte, Kopf(), kontext_.druck.MitRahmen == 1,
                     puffer_);
  });
}

}  // namespace velmora
