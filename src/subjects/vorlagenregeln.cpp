#include "subjects/vorlagenregeln.h"
#include "basis/fehlerbox.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "basis/cp1252.h"
#include "basis/dateien.h"
#include "basis/eafehler.h"

namespace velmora {

void KlasFachRegeln::LadeSchulFaecher() {
  if (!schulFaecher_) schulFaecher_ = LadeSchulFaecherListe();
}

void KlasFachRegeln::FuelleAusVorlage() {
  VorlagenZeilen zeilen;
  for (std::size_t r = 0; r < 18; ++r) {
    zeilen.Fach[r] = z_.Vorlage.Zeilen[r].Lies(TFachZeile::Fach);
    zeilen.FachZusatz[r] = z_.Vorlage.Zeilen[r].Lies(TFachZeile::FachZusatz);
  }
  a_.Fuelle(zeilen, schulFaecher_ ? *schulFaecher_ : TSchulFaecherListe{});
}

void KlasFachRegeln::LiesInVorlage() {
  VorlagenZeilen zeilen = a_.Lies();
  for (std::size_t r = 0; r < 18; ++r) {
    TFachZeile& zeile = z_.Vorlage.Zeilen[r];
    zeile.bytes.fill(0);
    zeile.Setze(TFachZeile::Fach, zeilen.Fach[r]);
    zeile.Setze(TFachZeile::FachZusatz, zeilen.FachZusatz[r]);
    zeile.Setze(TFachZeile::Bewertung, kLeereBewertung);
    zeile.Setze(TFachZeile::Zusatz, "");
  }
}

void KlasFachRegeln::BeimZeigen() {
  MitFehlerbox(m_, [&] {
    LadeSchulFaecher();
    if (!z_.AktuelleVorlage.empty()) {
      LadeKlassenFachVorlage(z_, z_.AktuelleVorlage, m_);
    } else {
      ErzeugeLeereVorlage(z_);
    }
  });
  FuelleAusVorlage();
  a_.ZeigeVorlagenName(z_.AktuelleVorlage);
}

void KlasFachRegeln::NeueFaecherlisteErstellen() {
  MitFehlerbox(m_, [&] {
    LadeSchulFaecher();
    if (!z_.AktuelleVorlage.empty()) {
      LadeKlassenFachVorlage(z_, kLeereVorlage, m_);
    } else {
      ErzeugeLeereVorlage(z_);
    }
  });
  FuelleAusVorlage();
  std::optional<std::string> platzhalter;
  if (schulFaecher_) {
    auto it = std::find_if(schulFaecher_->begin(), schulFaecher_->end(),
                           [](const std::string& f) { return f.find(" - -") != std::string::npos; });
    if (it != schulFaecher_->end()) platzhalter = *it;
  }
  a_.SetzeAlleFaecher(platzhalter);
}

void KlasFachRegeln::FaecherlisteOeffnen() {
  std::optional<std::string> datei = d_.Oeffnen(DateiDialogWunsch{T(kVorlagenFilter), "", "KFV", ""});
  if (datei) {
    MitFehlerbox(m_, [&] {
      z_.Vorlage = TKlassenFachVorlage::AusBild(LiesDatensatz(*datei, TKlassenFachVorlage::Groesse));
      z_.AktuelleVorlage = *datei;
      FuelleAusVorlage();
    });
  } else {
    NeueFaecherlisteErstellen();
  }
  a_.ZeigeVorlagenName(z_.AktuelleVorlage);
}

void KlasFachRegeln::FaecherlisteSpeichernUnter() {
  LiesInVorlage();
  std::optional<std::string> datei = d_.Speichern(DateiDialogWunsch{T(kVorlagenFilter), "", "KFV", ""});
  if (datei) {
    bool schreiben = true;
    if (*datei == z_.AktuelleVorlage) {
      schreiben = m_.Frage(T("Soll die Datei: ") + z_.AktuelleVorlage + T(" wirklich überschrieben werden?"));
      if (!schreiben) m_.Information(T("Datei wurde noch NICHT gespeichert!"));
    }
    if (schreiben) {
      MitFehlerbox(m_, [&] {
        SpeichereKlassenFachVorlage(z_, *datei);
        z_.AktuelleVorlage = *datei;
      });
    }
  }
  a_.ZeigeVorlagenName(z_.AktuelleVorlage);
}

void KlasFachRegeln::FaecherlisteSpeichern() {
  LiesInVorlage();
  MitFehlerbox(m_, [&] {
    SpeichereKlassenFachVorlage(z_, z_.AktuelleVorlage);
    m_.Information(T("Datei: ") + z_.AktuelleVorlage + T(" wurde gespeichert!"));
  });
  a_.ZeigeVorlagenName(z_.AktuelleVorlage);
}

namespace {

bool IstKfv(const std::filesystem::path& p) {
  std::string endung = NameAus(p.extension());
  std::transform(endung.begin(), endung.end(), endung.begin(),
                 [](char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c); });
  return endung == ".KFV";
}

std::string OhneEndung(const std::string& name) { return name.size() >= 4 ? name.substr(0, name.size() - 4) : ""; }

}  // namespace

VorlagenAuswahl VorlagenAuswahlZeigen(const std::string& aktuelleVorlage, Meldungen& m) {
  VorlagenAuswahl a;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(std::filesystem::current_path(ec), ec), ende; !ec && it != ende;
       it.increment(ec)) {
    if (!it->is_directory(ec) && IstKfv(it->path())) a.eintraege.push_back(OhneEndung(NameAus(it->path().filename())));
  }
  if (a.eintraege.empty()) {
    m.Fehler(
        T("Fehler!\r\rErzeugen Sie zuerst eine Fächerliste für die Schule und dann eine für die Klasse!\r"
          "(Menüpunkt \"Konfiguration\")"));
    return a;
  }
  a.auswahl = 0;
  const std::string gesucht = aktuelleVorlage.empty() ? "LEER" : OhneEndung(aktuelleVorlage);
  auto it = std::find(a.eintraege.begin(), a.eintraege.end(), gesucht);
  if (it != a.eintraege.end()) a.auswahl = static_cast<int>(it - a.eintraege.begin());
  return a;
}

void VorlagenAuswahlUebernehmen(const VorlagenAuswahl& a, int auswahl, std::string& aktuelleVorlage) {
  if (auswahl < 0 || auswahl >= static_cast<int>(a.eintraege.size())) return;
  aktuelleVorlage = a.eintraege[static_cast<std::size_t>(auswahl)] + ".KFV";
}

}  // namespace velmora
