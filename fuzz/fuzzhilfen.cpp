#include "fuzzhilfen.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "subjects/klassenfachvorlage.h"

namespace velmora::fuzz {

void Pruefe(bool ok, const char* was) {
  if (ok) return;
  std::fprintf(stderr, "broken invariant: %s\n", was);
  std::abort();
}

std::uint8_t Eingabe::Byte() {
  if (rest_ == 0) return 0;
  --rest_;
  return *daten_++;
}

std::string Eingabe::Text(std::size_t laenge) {
  laenge = std::min(laenge, rest_);
  std::string text(reinterpret_cast<const char*>(daten_), laenge);
  daten_ += laenge;
  rest_ -= laenge;
  return text;
}

std::string Eingabe::Rest() { return Text(rest_); }

namespace {

TKlassenDatei BaueNeueKlasse() {
  VorlagenZustand vorlage;
  constexpr std::string_view kFaecher[] = {"Deutsch", "Englisch", "Mathematik", "Sport", "Religion", "Sozialkunde"};
  for (std::size_t r = 0; r < vorlage.Vorlage.Zeilen.size(); ++r) {
    TFachZeile& zeile = vorlage.Vorlage.Zeilen[r];
    zeile.Setze(TFachZeile::Fach, r < std::size(kFaecher) ? kFaecher[r] : kLeereZeile);
    zeile.Setze(TFachZeile::Bewertung, kLeereBewertung);
  }
  TSchuelerDatensatz leer;
  NeuerDatensatzAusVorlage(vorlage, leer);
  TKlassenDatei klasse;
  for (std::size_t i = 0; i < klasse.Schueler.size(); ++i) {
    klasse.Schueler[i] = leer;
    klasse.Schueler[i].SetzeNummer(static_cast<std::int32_t>(i + 1));
  }
  return klasse;
}

}  // namespace

const TKlassenDatei& NeueKlasse() {
  static const TKlassenDatei kKlasse = BaueNeueKlasse();
  return kKlasse;
}

Antwort StilleMeldungen::Zeige(MeldungsArt, const std::string&, Knoepfe knoepfe, const std::string&) {
  ++anzahl;
  return knoepfe == Knoepfe::JaNein ? Antwort::Ja : Antwort::Ok;
}

void ZaehlendeFlaeche::SetzeSchriftart(std::uint16_t stil, int hoehe, const std::string& name) {
  Pruefe(stil <= 7, "font style 0..7");
  Pruefe(hoehe > 0, "font height above 0");
  Pruefe(!name.empty(), "font with a face name");
}

void ZaehlendeFlaeche::TextAus(int, int y, const std::string&) {
  Pruefe(!nurAufDerSeite || y <= 0, "text on the page (y <= 0)");
  ++texte;
}

}  // namespace velmora::fuzz
