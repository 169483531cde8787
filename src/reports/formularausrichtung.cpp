#include "reports/formularausrichtung.h"

#include <algorithm>

#include "basis/cp1252.h"
#include "basis/dateien.h"
#include "basis/fehlerbox.h"
#include "print/druckabschluss.h"
#include "reports/probedruck.h"

namespace velmora {

std::string AenderungenSpeichernText(const std::string& datei) { return T("Änderungen an ") + datei + " speichern?"; }

std::string BildNichtLesbarText(const std::string& pfad) { return "Das Bild " + pfad + " kann nicht gelesen werden."; }

Formularausrichtung::Formularausrichtung(const DruckKontext& kontext, DruckFlaeche& flaeche, Meldungen& meldungen,
                                         FormularSeitenAbfrage& abfrage, TZeilenpuffer& puffer, const Uhr& uhr)
    : kontext_(kontext), flaeche_(flaeche), meldungen_(meldungen), abfrage_(abfrage), puffer_(puffer), uhr_(uhr) {}

bool Formularausrichtung::Oeffnen() {
  umgebung_.emplace(AusrichtUmgebung{kontext_.Klasse(), kontext_.AktuellerSchueler(), kontext_.druck, kontext_.Verlag(),
                                     kontext_.zeugnisname, kontext_.kurzname, uhr_.Heute(), flaeche_.Faehigkeiten()});
  weissVorrat_.emplace(meldungen_);  // the head, logo and statements read anew for this window
  wahlen_ = AusrichtWahlen(kontext_.Verlag());
  nichtGedruckte_ = false;
  tabelle_ = AusrichtTabelle();
  const std::size_t start = StartWahl(wahlen_);
  if (Lade(start)) return true;
  // The start table cannot be read (the error was shown): the first other table that is
  // already there, so that the rest can still be aligned. Missing ones are not created here,
  // where a directory that refuses one would refuse them all.
  for (std::size_t i = 0; i < wahlen_.size(); ++i) {
    if (wahlen_[i].datei != wahlen_[start].datei && DateiExistiert(wahlen_[i].datei) && Lade(i)) return true;
  }
  return false;
}

bool Formularausrichtung::Lade(std::size_t index) {
  const AusrichtWahl& w = wahlen_[index];
  TFormatSteuerTabelle tabelle{}, partner{};
  std::string titel;
  const bool gelesen = MitFehlerbox(meldungen_, [&] {
    LadeAusrichtTabelle(w, kontext_.Verlag(), tabelle, titel, meldungen_);
    if (const auto p = PartnerWahl(w)) {
      std::string partnerTitel;
      LadeAusrichtTabelle(*p, kontext_.Verlag(), partner, partnerTitel, meldungen_);
    }
  });
  if (!gelesen) return false;
  wahl_ = index;
  papier_ = PapierFuer(w, kontext_.druck);
  tabelle_ = AusrichtTabelle(tabelle, titel, papier_, Ursprung());
  partner_ = partner;
  LadeHintergrundDerSeite();
  LadeWeissAusstattung();
  Neuzeichnen();
  WaehleErstenGedruckten();
  return true;
}

bool Formularausrichtung::Waehle(std::size_t index) {
  if (index >= wahlen_.size() || index == wahl_) return index == wahl_;
  if (wahlen_[index].datei != Wahl().datei) {
    if (!FrageUndSpeichere()) return false;
    return Lade(index);
  }
  // Another page of the same file: the table as it stands, with its undo.
  wahl_ = index;
  papier_ = PapierFuer(Wahl(), kontext_.druck);
  tabelle_.SetzeSeite(papier_, Ursprung());
  LadeHintergrundDerSeite();
  LadeWeissAusstattung();
  Neuzeichnen();
  WaehleErstenGedruckten();
  return true;
}

void Formularausrichtung::WaehleErstenGedruckten() {
  // The lowest-numbered printed entry of the page.
  auswahl_.clear();
  for (const EintragsBild& b : bild_.eintraege) {
    if (b.gedruckt) {
      auswahl_ = {b.eintrag};
      break;
    }
  }
}

Seitenursprung Formularausrichtung::Ursprung() const { return UrsprungDerSeite(*umgebung_, Wahl()); }

void Formularausrichtung::LadeWeissAusstattung() {
  if (!AufWeissemPapier(Wahl()) || !weissVorrat_) return;
  umgebung_->weiss = weissVorrat_->AusstattungFuer(Wahl().typ);
  weissVorrat_->MeldeWarnungen();
}

void Formularausrichtung::Neuzeichnen() {
  bild_ = ZeichneAusrichtSeite(*umgebung_, Wahl(), tabelle_.Tabelle(), partner_, nichtGedruckte_);
}

void Formularausrichtung::ZeigeNichtGedruckte(bool ja) {
  nichtGedruckte_ = ja;
  Neuzeichnen();
}

std::string Formularausrichtung::DruckTextVon(std::size_t eintrag) const {
  for (const EintragsBild& b : bild_.eintraege) {
    if (b.eintrag != eintrag) continue;
    if (b.nurNummer) return {};
    std::string text;
    for (const GezeichneterText& t : b.texte) text += (text.empty() ? "" : " / ") + t.text;
    if (text.empty() && !b.linien.empty()) text = b.linien.front().rahmen ? "(Rahmen)" : "(Linie)";
    return text;
  }
  return {};
}

void Formularausrichtung::SetzeAuswahl(std::vector<std::size_t> eintraege) {
  std::sort(eintraege.begin(), eintraege.end());
  eintraege.erase(std::unique(eintraege.begin(), eintraege.end()), eintraege.end());
  std::erase_if(eintraege, [&](std::size_t k) { return k >= tabelle_.Tabelle().size(); });
  auswahl_ = std::move(eintraege);
}

void Formularausrichtung::VerschiebeAuswahl(int dx, int dy) {
  tabelle_.Verschiebe(auswahl_, dx, dy);
  Neuzeichnen();
}

void Formularausrichtung::VerschiebeAlle(int dx, int dy) {
  tabelle_.Verschiebe(EintraegeDerSeite(Wahl(), tabelle_.Tabelle()), dx, dy);
  Neuzeichnen();
}

void Formularausrichtung::Setze(std::size_t eintrag, AusrichtTabelle::Feld feld, std::uint16_t wert) {
  tabelle_.Setze(eintrag, feld, wert);
  Neuzeichnen();
}

bool Formularausrichtung::Rueckgaengig() {
  if (!tabelle_.Rueckgaengig()) return false;
  Neuzeichnen();
  return true;
}

bool Formularausrichtung::Speichern() {
  if (!MitFehlerbox(meldungen_,
                    [&] { SchreibeFormatSteuerTabelle(Wahl().datei, tabelle_.Tabelle(), tabelle_.Titel()); })) {
    return false;
  }
  tabelle_.Gespeichert();
  return true;
}

void Formularausrichtung::Probedruck() {
  // The test print's own session belongs to this one, which learns how it ended.
  DruckSitzung sitzung(flaeche_, ProbedruckSitzung(Wahl()));
  velmora::Probedruck(*umgebung_, Wahl(), tabelle_.Tabelle(), tabelle_.Titel(), partner_,
                      ProbedruckZiel{flaeche_, abfrage_, puffer_});
  MeldeDruckabschluss(meldungen_, flaeche_, sitzung.Beende());
}

bool Formularausrichtung::FrageUndSpeichere() {
  if (!tabelle_.Geaendert()) return true;
  switch (
      meldungen_.Zeige(MeldungsArt::Bestaetigung, AenderungenSpeichernText(Wahl().datei), Knoepfe::JaNeinAbbrechen)) {
    case Antwort::Ja:
      return Speichern();
    case Antwort::Nein:
      return true;
    default:
      return false;
  }
}

bool Formularausrichtung::DarfSchliessen() { return FrageUndSpeichere(); }

void Formularausrichtung::LadeHintergrundDerSeite() {
  // Each page of a form has its own scan; an unreadable settings file is reported and the
  // page shown without one.
  hintergrund_.reset();
  MitFehlerbox(meldungen_, [&] { hintergrund_ = LadeHintergrund(Wahl().datei, Wahl().seite); });
}

bool Formularausrichtung::SpeichereHintergrund(const Hintergrund& h) {
  hintergrund_ = h;
  return MitFehlerbox(meldungen_, [&] { velmora::SpeichereHintergrund(Wahl().datei, Wahl().seite, h); });
}

bool Formularausrichtung::SetzeHintergrundBild(const std::string& pfad) {
  return SpeichereHintergrund({pfad, 0, 0, 1});
}

bool Formularausrichtung::SetzeHintergrundLage(double links, double oben, double massstab) {
  if (!hintergrund_ || massstab <= 0) return false;
  return SpeichereHintergrund({hintergrund_->bild, links, oben, massstab});
}

}  // namespace velmora
