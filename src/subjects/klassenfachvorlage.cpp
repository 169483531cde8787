#include "subjects/klassenfachvorlage.h"

#include <algorithm>

#include "basis/cp1252.h"
#include "basis/dateien.h"

namespace velmora {

Bytes TKlassenFachVorlage::Bild() const {
  Bytes bild;
  bild.reserve(Groesse);
  for (const auto& z : Zeilen) bild.insert(bild.end(), z.bytes.begin(), z.bytes.end());
  return bild;
}

TKlassenFachVorlage TKlassenFachVorlage::AusBild(const Bytes& bild) {
  TKlassenFachVorlage v;
  for (std::size_t r = 0; r < v.Zeilen.size(); ++r) {
    std::copy_n(bild.begin() + r * TFachZeile::Groesse, TFachZeile::Groesse, v.Zeilen[r].bytes.begin());
  }
  return v;
}

namespace {

void LiesVorlagenDatei(VorlagenZustand& z, const std::string& datei) {
  z.Vorlage = TKlassenFachVorlage::AusBild(LiesDatensatz(datei, TKlassenFachVorlage::Groesse));
}

// First step of building a class or assigning a template.
void LiesAktuelleVorlage(VorlagenZustand& z, Meldungen& m) {
  if (z.AktuelleVorlage.empty()) {
    m.Fehler(T("Fehler!\r\rErstellen Sie zuerst eine Klassen-Fächer-Vorlage!"));
  } else if (DateiExistiert(z.AktuelleVorlage)) {
    LiesVorlagenDatei(z, z.AktuelleVorlage);
  } else {
    m.Fehler(T("Fehler!\r\rProblem beim Zugriff auf KFV-Datei: ") + z.AktuelleVorlage);
  }
}

}  // namespace

void LadeKlassenFachVorlage(VorlagenZustand& z, const std::string& datei, Meldungen& m) {
  if (!DateiExistiert(datei)) {
    m.Fehler(T("Fehler!\r\rProblem beim Zugriff auf KFV-Datei aufgetreten!!!"));
    return;
  }
  LiesVorlagenDatei(z, datei);
}

void SpeichereKlassenFachVorlage(const VorlagenZustand& z, const std::string& datei) {
  SchreibeDatensatz(datei, z.Vorlage.Bild(), Schreibart::Ersetzen);
}

void ErzeugeLeereVorlage(VorlagenZustand& z) {
  for (auto& zeile : z.Vorlage.Zeilen) {
    zeile.bytes.fill(0);
    zeile.Setze(TFachZeile::Fach, kLeereZeile);
    zeile.Setze(TFachZeile::Bewertung, kLeereBewertung);
  }
  z.AktuelleVorlage = kLeereVorlage;
  SpeichereKlassenFachVorlage(z, kLeereVorlage);
}

void VorlageInFaecherZeilen(const VorlagenZustand& z, TSchuelerDatensatz& s) {
  for (std::size_t r = 0; r < TSchuelerDatensatz::FachzeilenAnzahl; ++r) {
    TFachZeile zeile;
    zeile.Setze(TFachZeile::Fach, z.Vorlage.Zeilen[r].Lies(TFachZeile::Fach));
    zeile.Setze(TFachZeile::FachZusatz, z.Vorlage.Zeilen[r].Lies(TFachZeile::FachZusatz));
    zeile.Setze(TFachZeile::Bewertung, kLeereBewertung);
    zeile.Setze(TFachZeile::Zusatz, "");
    s.SetzeFachZeile(r, zeile);
  }
}

void NeuerDatensatzAusVorlage(const VorlagenZustand& z, TSchuelerDatensatz& s) {
  using S = TSchuelerDatensatz;
  s.bytes.fill(0);
  s.SetzeNummer(1);
  s.SetzeStatus(0);
  s.SetzeAnrede(0);
  s.Setze(S::Name, kFreiName);
  s.Setze(S::Geburtsdatum, "00.00.0000");
  s.Setze(S::Hinweise, kLeereZeile);
  s.Setze(S::VersaeumteStunden, kLeereBewertung);
  s.Setze(S::Entschuldigt, kLeereBewertung);
  s.Setze(S::Bemerkungen, kLeereZeile);
  s.SetzeSchulart(0);
  s.SetzeZeugnisart(0);
  s.Setze(S::Einschulungsdatum, "00.00.0000");
  s.Setze(S::Ausschulungsdatum, "00.00.0000");
  s.Setze(S::Durchschnittsnote, "0,0");
  s.Setze(S::Klasse, "?????");
  s.Setze(S::SchuljahrVon, "2000");
  s.Setze(S::SchuljahrBis, "2001");
  s.Setze(S::Zeugnisort, "Musterort");
  s.Setze(S::Zeugnisdatum, "00.00.0000");
  VorlageInFaecherZeilen(z, s);
}

void NeueKlasseAusVorlage(VorlagenZustand& z, TKlassenDatei& k, Meldungen& m) {
  LiesAktuelleVorlage(z, m);
  TSchuelerDatensatz leer;
  NeuerDatensatzAusVorlage(z, leer);
  for (std::size_t i = 0; i < k.Schueler.size(); ++i) {
    k.Schueler[i] = leer;
    k.Schueler[i].SetzeNummer(static_cast<std::int32_t>(i + 1));
  }
}

void VorlageAllenZuordnen(VorlagenZustand& z, TKlassenDatei& k, Meldungen& m) {
  LiesAktuelleVorlage(z, m);
  TSchuelerDatensatz leer;
  NeuerDatensatzAusVorlage(z, leer);
  for (auto& s : k.Schueler) {
    std::string name = s.Lies(TSchuelerDatensatz::Name);
    if (name.empty() || name == kFreiName) continue;
    for (std::size_t r = 0; r < TSchuelerDatensatz::FachzeilenAnzahl; ++r) s.SetzeFachZeile(r, leer.FachZeile(r));
  }
}

void VorlagenStart(VorlagenZustand& z, TKlassenDatei& k, Meldungen& m) {
  z.AktuelleVorlage = kLeereVorlage;
  if (DateiExistiert(kLeereVorlage)) {
    LadeKlassenFachVorlage(z, kLeereVorlage, m);
  } else {
    ErzeugeLeereVorlage(z);
  }
  NeueKlasseAusVorlage(z, k, m);
}

}  // namespace velmora
