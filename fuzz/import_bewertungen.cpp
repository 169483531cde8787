// The grade import: each line goes to the slot with its names, only grades and the two
// hour counts change, and the count of unmatched lines is right. The class gets its
// names from the same lines by the person import first, so that lines find their slots.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/import.h"
#include "basis/dateien.h"
#include "fuzzhilfen.h"

using namespace velmora;
using S = TSchuelerDatensatz;

namespace {

// The record with grades and hour counts blanked out, so that two records compare on the rest.
S OhneBewertungen(S satz) {
  for (StringFeld f : {S::VersaeumteStunden, S::Entschuldigt}) std::fill_n(satz.bytes.begin() + f.offset, f.max + 1, 0);
  for (std::size_t r = 0; r < S::FachzeilenAnzahl; ++r) {
    std::fill_n(satz.bytes.begin() + S::FaecherOffset + r * TFachZeile::Groesse + TFachZeile::Bewertung.offset,
                TFachZeile::Bewertung.max + 1, 0);
  }
  return satz;
}

// The slot a line goes to, as the import finds it: the last one with both names.
bool HatPlatz(const TKlassenDatei& k, const std::string& zeile) {
  std::string_view rest = zeile;
  std::string name, vornamen;
  if (!ZeileZuEnde(rest)) {
    name = NaechstesFeld(rest);
    if (!rest.empty()) vornamen = NaechstesFeld(rest);
  }
  for (const S& s : k.Schueler) {
    if (s.Lies(S::Name) == name.substr(0, S::Name.max) && s.Lies(S::Vornamen) == vornamen.substr(0, S::Vornamen.max)) {
      return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::vector<std::string> zeilen = TeileTextZeilen(Bytes(daten, daten + groesse));
  TKlassenDatei vorher = fuzz::NeueKlasse();
  ImportPersonendaten(zeilen, vorher);
  TKlassenDatei klasse = vorher;
  const int nichtZugeordnet = ImportBewertungen(zeilen, klasse);

  int ohnePlatz = 0;
  for (const std::string& zeile : zeilen) ohnePlatz += HatPlatz(vorher, zeile) ? 0 : 1;
  fuzz::Pruefe(nichtZugeordnet == ohnePlatz, "the unmatched lines are counted");
  fuzz::Pruefe(klasse.PasswortKennung == vorher.PasswortKennung, "the trailer stays");
  for (std::size_t i = 0; i < TKlassenDatei::Schuelerzahl; ++i) {
    fuzz::Pruefe(OhneBewertungen(klasse.Schueler[i]) == OhneBewertungen(vorher.Schueler[i]),
                 "only grades and hours change");
  }
  return 0;
}
