#include "reports/zeugnisbefehl.h"

#include "basis/cp1252.h"
#include "basis/fehlerbox.h"
#include "print/druckabschluss.h"
#include "printcommands/sitzungsname.h"
#include "reports/formularplatz.h"
#include "reports/weisseszeugnis.h"

namespace velmora {

std::string ZeugnisKeineGueltigeSchulartText() {
  return T("Kein Zeugnisdruck möglich, da keine gültige Schulart ausgewählt wurde!");
}
std::string ZeugnisKeineSchulartText() { return T("Kein Zeugnisdruck möglich, da keine Schulart ausgewählt wurde!"); }
std::string ZeugnisartNichtVorgesehenText() {
  return T("Kein Zeugnisdruck möglich, da diese Zeugnisart im Gesetz nicht vorgesehen ist!");
}
std::string ZeugnisKeinTypText() { return T("Kein Zeugnisdruck möglich, da kein Zeugnistyp ausgewählt wurde!"); }
std::string ZeugnisNichtDruckenText() {
  return T("Kein Zeugnisdruck möglich, da die Bedruckungsart auf \"nicht drucken\" eingestellt wurde!");
}
std::string ZeugnisBedruckungsartFehltText() {
  return T("Kein Zeugnisdruck möglich, da die Bedruckungsart nicht angegeben wurde!");
}

ZeugnisEntscheidung EntscheideZeugnis(std::int16_t schulart, std::int16_t zeugnisart, std::int16_t druckart) {
  ZeugnisEntscheidung e;
  // 1. School type: only the vocational school itself prints; its two other school forms
  //    end silently, the reserve entries and anything else are refused.
  if (schulart == 1 || schulart == 2) return e;
  if (schulart >= 3 && schulart <= 5) {
    e.fehler = ZeugnisKeineGueltigeSchulartText();
    return e;
  }
  if (schulart != 0) {
    e.fehler = ZeugnisKeineSchulartText();
    return e;
  }
  // 2. Report type.
  const std::optional<Zeugnistyp> typ = ZeugnistypVon(zeugnisart);
  if (!typ) {
    e.fehler = zeugnisart == 3 ? ZeugnisartNichtVorgesehenText() : ZeugnisKeinTypText();
    return e;
  }
  // 3. Print mode.
  switch (druckart) {
    case 1:
    case 2:
      e.typ = typ;
      return e;
    case 0:
      e.fehler = ZeugnisNichtDruckenText();
      return e;
    case 3:
    case 4:
      e.nichtVerfuegbar = true;
      return e;
    default:
      e.fehler = ZeugnisBedruckungsartFehltText();
      return e;
  }
}

std::optional<Zeugnistyp> Zeugnisbefehl::Pruefe() {
  const int aktuell = kontext_.klasse.AktuellerSchueler;
  if (aktuell < 0 || aktuell >= KlassenZustand::Schuelerzahl) return std::nullopt;
  const TSchuelerDatensatz& satz = kontext_.Klasse().Schueler[static_cast<std::size_t>(aktuell)];
  const ZeugnisEntscheidung e = EntscheideZeugnis(satz.Schulart(), satz.Zeugnisart(), kontext_.druck.Druckart);
  if (e.fehler) {
    meldungen_.Fehler(*e.fehler);
  } else if (e.nichtVerfuegbar) {
    meldungen_.Hinweis(NichtVerfuegbarText());
  }
  return e.typ;
}

void Zeugnisbefehl::Zeugnis1Click() {
  const std::optional<Zeugnistyp> typ = Pruefe();
  if (!typ) return;
  const std::size_t index = kontext_.AktuellerSchueler();
  const TSchuelerDatensatz& satz = kontext_.Klasse().Schueler[index];
  const ZeugnisUmgebung u{flaeche_,          meldungen_,           abfrage_, kontext_.druck,
                          kontext_.Verlag(), kontext_.zeugnisname, puffer_};
  // The table is read (or created) first: a faulty file ends the command here.
  ZeugnisFormular formular;
  if (!MitFehlerbox(meldungen_,
                    [&] { formular = LadeZeugnisFormular(*typ, kontext_.Verlag(), kontext_.druck, meldungen_); })) {
    return;
  }
  // Before the first page prompt: a text that does not fit is the teacher's to decide on;
  // "Nein" ends the command before any print job or file.
  const Formularplatz platz =
      MissFormularplatz(formular, satz, kontext_.druck, kontext_.Verlag(), kontext_.zeugnisname);
  if (!platz.Passt() && !meldungen_.Warnfrage(FormularplatzWarnung(platz, ZeugnisName(satz)))) return;
  DruckSitzung sitzung(flaeche_, SitzungFuerSchueler("Zeugnis", satz));
  ZeugnisDruckStand stand;
  MitFehlerbox(meldungen_,
               [&] { stand = DruckeZeugnisFormular(formular, u, kontext_.Klasse(), {index}, ZeugnisName(satz)); });
  const Sitzungsende ende = sitzung.Beende();
  const ArchivErgebnis archiv = Archiviere(ende, stand.gedruckt > 0 ? std::vector{index} : std::vector<std::size_t>{},
                                           VerlagName(kontext_.Verlag()));
  MeldeDruckabschluss(meldungen_, flaeche_, ende);
  MeldeArchiv(archiv);
}

void Zeugnisbefehl::ZeugnisVorschauClick() {
  const std::optional<Zeugnistyp> typ = Pruefe();
  if (!typ) return;
  const std::size_t index = kontext_.AktuellerSchueler();
  const TSchuelerDatensatz& satz = kontext_.Klasse().Schueler[index];
  // The table is read before the preview window opens: a faulty file ends the command here.
  ZeugnisFormular formular;
  if (!MitFehlerbox(meldungen_,
                    [&] { formular = LadeZeugnisFormular(*typ, kontext_.Verlag(), kontext_.druck, meldungen_); })) {
    return;
  }
  const Blattformat blatt =
      GroesstesBlatt(ZeugnisSeitenfolge(*typ, kontext_.druck.Druckart, kontext_.druck.NurInnen == 1));
  std::size_t seiten = 0;  // of the last drawing: the print, when the teacher printed from the preview
  const std::optional<Sitzungsende> ende =
      vorschau_.Zeige(SitzungFuerSchueler("Zeugnis", satz), blatt, [&](DruckFlaeche& f) {
        BestaetigteSeitenAbfrage alleSeiten;
        const ZeugnisUmgebung u{f,      meldungen_, alleSeiten, kontext_.druck, kontext_.Verlag(), kontext_.zeugnisname,
                                puffer_};
        seiten = DruckeZeugnisFormular(formular, u, kontext_.Klasse(), {index}, ZeugnisName(satz)).gedruckt;
      });
  // Printed from the preview: a print like any other, so it is archived as well.
  if (ende) {
    MeldeArchiv(
        Archiviere(*ende, seiten > 0 ? std::vector{index} : std::vector<std::size_t>{}, VerlagName(kontext_.Verlag())));
  }
}

void Zeugnisbefehl::Zeugnis2Click(bool druckdialogBestaetigt) {
  if (druckdialogBestaetigt) Zeugnis1Click();
}

void Zeugnisbefehl::WeissesPapierClick() {
  const std::optional<Zeugnistyp> typ = Pruefe();
  if (!typ) return;
  const std::size_t index = kontext_.AktuellerSchueler();
  DruckSitzung sitzung(flaeche_, SitzungFuerSchueler("Zeugnis", kontext_.Klasse().Schueler[index]));
  bool gedruckt = false;
  MitFehlerbox(meldungen_, [&] {
    WeissTabellenVorrat tabellen(meldungen_);
    const WeissKontext k{flaeche_, kontext_.druck, kontext_.zeugnisname, tabellen};
    gedruckt = DruckeWeissesZeugnisAuftrag(k, kontext_.Klasse(), index);
  });
  const Sitzungsende ende = sitzung.Beende();
  const ArchivErgebnis archiv =
      Archiviere(ende, gedruckt ? std::vector{index} : std::vector<std::size_t>{}, WeissesPapierText());
  MeldeDruckabschluss(meldungen_, flaeche_, ende);
  MeldeArchiv(archiv);
}

ArchivErgebnis ZeugnisUmfeld::Archiviere(const Sitzungsende& ende, const std::vector<std::size_t>& gedruckt,
                                         const std::string& papier) {
  if (!archiv_ || !ende.vollstaendig) return {};
  return archiv_->NachDemDruck(gedruckt, papier);
}

void ZeugnisUmfeld::MeldeArchiv(const ArchivErgebnis& ergebnis) {
  if (archiv_) archiv_->MeldeNachDemDruck(ergebnis);
}

}  // namespace velmora
