#pragma once
// Small example records used by several tests and benchmarks.
#include <memory>
#include <string>

#include "classdata/schuelerdatensatz.h"

namespace velmora::test {

// A record with these names and report type; everything else as a zeroed record.
inline TSchuelerDatensatz SchuelerMit(const std::string& name, const std::string& vornamen,
                                      std::int16_t zeugnisart) {
  TSchuelerDatensatz s;
  s.Setze(TSchuelerDatensatz::Name, name);
  s.Setze(TSchuelerDatensatz::Vornamen, vornamen);
  s.SetzeZeugnisart(zeugnisart);
  return s;
}

// A class whose slot 0 holds Jan Kowalski with a half-year report, a short Hinweise text and
// eight subjects graded alternately "0" and "2"; the other slots are zeroed records.
inline std::unique_ptr<TKlassenDatei> KlasseMitJan() {
  auto klasse = std::make_unique<TKlassenDatei>();
  TSchuelerDatensatz& s = klasse->Schueler[0];
  s = SchuelerMit("Kowalski", "Jan", 1);
  s.Setze(TSchuelerDatensatz::Hinweise, "Jan arbeitet im Unterricht stets aufmerksam mit und ist hilfsbereit.");
  for (std::size_t r = 0; r < TSchuelerDatensatz::FachzeilenAnzahl; ++r) {
    s.SetzeFach(r, TFachZeile::Fach, r < 8 ? "Deutsch" : "   - - -");
    s.SetzeFach(r, TFachZeile::Bewertung, r % 2 ? "2" : "0");
  }
  return klasse;
}

}  // namespace velmora::test
