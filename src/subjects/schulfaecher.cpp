#include "subjects/schulfaecher.h"

#include <algorithm>

#include "basis/cp1252.h"
#include "basis/dateien.h"

namespace velmora {

TSchulFaecherListe StandardSchulFaecher() {
  return {
      "   - - -", "## wird nicht gedruckt", "Sport", "Sozialkunde", "Deutsch", "Mathematik", "Englisch", "Philosophie",
      "Religion"};
}

namespace {

TSchulFaecherListe LiesOderErzeuge(std::size_t standardAnzahl) {
  if (!DateiExistiert(kSchulFaecherDatei)) {
    TSchulFaecherListe liste = StandardSchulFaecher();
    liste.resize(standardAnzahl);
    SchreibeTextZeilen(kSchulFaecherDatei, liste);
    return liste;
  }
  return SchulFaecherAusZeilen(LiesTextZeilen(kSchulFaecherDatei));
}

}  // namespace

TSchulFaecherListe SchulFaecherAusZeilen(std::vector<std::string> zeilen) {
  for (auto& eintrag : zeilen) {
    if (eintrag.size() > kFachnameMax) eintrag.resize(kFachnameMax);
  }
  return zeilen;
}

TSchulFaecherListe LadeSchulFaecherListe() { return LiesOderErzeuge(9); }

TSchulFaecherListe SchulFachFormLaden() { return LiesOderErzeuge(7); }

bool FachUebernehmen(TSchulFaecherListe& liste, const std::string& text) {
  if (text.empty() || std::find(liste.begin(), liste.end(), text) != liste.end()) return false;
  liste.push_back(text);
  return true;
}

void SchulFaecherSpeichern(const TSchulFaecherListe& liste) { SchreibeTextZeilen(kSchulFaecherDatei, liste); }

}  // namespace velmora
