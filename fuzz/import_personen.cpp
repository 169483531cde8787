// The person-data import: line i fills slot i for at most 35 lines and changes nothing
// but the imported fields; every other byte of the class, the trailer included, stays.
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

// The record with the imported fields blanked out, so that two records compare on the rest.
S OhneImportfelder(S satz) {
  for (StringFeld f : {S::Name, S::Vornamen, S::Geburtsdatum, S::Geburtsort, S::Wohnort, S::Klasse}) {
    std::fill_n(satz.bytes.begin() + f.offset, f.max + 1, 0);
  }
  satz.SetzeAnrede(0);
  return satz;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::vector<std::string> zeilen = TeileTextZeilen(Bytes(daten, daten + groesse));
  const TKlassenDatei& vorher = fuzz::NeueKlasse();
  TKlassenDatei klasse = vorher;
  ImportPersonendaten(zeilen, klasse);

  fuzz::Pruefe(klasse.PasswortKennung == vorher.PasswortKennung, "the trailer stays");
  for (std::size_t i = 0; i < TKlassenDatei::Schuelerzahl; ++i) {
    const S& alt = vorher.Schueler[i];
    const S& neu = klasse.Schueler[i];
    const bool leer = i >= zeilen.size() || ZeileZuEnde(zeilen[i]);
    if (leer) {
      fuzz::Pruefe(neu == alt, "a slot without a line stays as it was");
      continue;
    }
    fuzz::Pruefe(OhneImportfelder(neu) == OhneImportfelder(alt), "only the imported fields change");
    std::string_view rest = zeilen[i];
    const std::string name = NaechstesFeld(rest);
    fuzz::Pruefe(neu.Lies(S::Name) == name.substr(0, S::Name.max), "the first field is the name");
  }
  return 0;
}
