// The school's subject list "SFAECHER.SFL": every entry fits a subject field, a list
// written back as the program writes it reads back unchanged, and taking over a subject
// never adds a duplicate or an empty entry.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "basis/dateien.h"
#include "fuzzhilfen.h"
#include "subjects/schulfaecher.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::vector<std::string> zeilen = TeileTextZeilen(Bytes(daten, daten + groesse));
  TSchulFaecherListe liste = SchulFaecherAusZeilen(zeilen);
  fuzz::Pruefe(liste.size() == zeilen.size(), "one entry per line");
  for (std::size_t i = 0; i < liste.size(); ++i) {
    fuzz::Pruefe(liste[i].size() <= kFachnameMax, "an entry fits a subject field");
    fuzz::Pruefe(zeilen[i].compare(0, liste[i].size(), liste[i]) == 0, "an entry is the start of its line");
  }

  Bytes datei;  // as SchulFaecherSpeichern writes the list
  for (const std::string& eintrag : liste) {
    datei.insert(datei.end(), eintrag.begin(), eintrag.end());
    datei.push_back('\r');
    datei.push_back('\n');
  }
  fuzz::Pruefe(SchulFaecherAusZeilen(TeileTextZeilen(datei)) == liste, "a saved list reads back unchanged");

  // "Fach übernehmen" with each line as typed text.
  for (const std::string& text : zeilen) {
    const bool schonDa = std::find(liste.begin(), liste.end(), text) != liste.end();
    const std::size_t vorher = liste.size();
    const bool uebernommen = FachUebernehmen(liste, text);
    fuzz::Pruefe(uebernommen == (!text.empty() && !schonDa), "a subject is taken when new and not empty");
    fuzz::Pruefe(liste.size() == vorher + (uebernommen ? 1 : 0), "taking a subject adds exactly it");
  }
  return 0;
}
