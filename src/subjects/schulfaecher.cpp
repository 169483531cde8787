#include "subjects/schulfaecher.h"

#include "basis/cp1252.h"
#include "basis/dateien.h"

namespace velmora {

TSchulFaecherListe StandardSchulFaecher() {
  return {"   - - -",   "## wird nicht gedruckt", "Sport",       "Sozialkunde", "Deutsch",
          "Mathematik", "Englisch",               "Philosophie", "Religion"};
}

TSchulFaecherListe LadeSchulFaecherListe() {
  if (!DateiExistiert(kSchulFaecherDatei)) {
    TSchulFaecherListe liste = StandardSchulFaecher();
    SchreibeTextZeilen(kSchulFaecherDatei, liste);
    return liste;
  }
  TSchulFaecherListe liste = LiesTextZeilen(kSchulFaecherDatei);
  for (auto& eintrag : liste) {
    if (eintrag.size() > kFachnameMax) eintrag.resize(kFachnameMax);
  }
  return liste;
}

}  // namespace velmora
