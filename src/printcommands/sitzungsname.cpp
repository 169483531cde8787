#include "printcommands/sitzungsname.h"

namespace velmora {
namespace {

std::string MitTeil(const std::string& art, const std::string& teil) { return teil.empty() ? art : art + "-" + teil; }

}  // namespace

std::string SitzungFuerSchueler(const std::string& art, const TSchuelerDatensatz& satz) {
  const std::string name = OhneRandblanks(satz.Lies(TSchuelerDatensatz::Name));
  const std::string vornamen = OhneRandblanks(satz.Lies(TSchuelerDatensatz::Vornamen));
  return ErlaubterDateiname(MitTeil(MitTeil(art, name), vornamen));
}

std::string Klassenbezeichnung(const KlassenZustand& klasse, std::size_t schueler) {
  std::string bezeichnung;
  if (schueler < TKlassenDatei::Schuelerzahl) {
    bezeichnung = OhneRandblanks(klasse.Klasse->Schueler[schueler].Lies(TSchuelerDatensatz::Klasse));
  }
  if (bezeichnung.empty()) {
    // The file name alone, without its folder (either separator) and its extension.
    std::string datei = klasse.Dateiname.substr(klasse.Dateiname.find_last_of("/\\") + 1);
    bezeichnung = OhneRandblanks(datei.substr(0, datei.rfind('.')));
  }
  return bezeichnung;
}

std::string SitzungFuerKlasse(const std::string& art, const KlassenZustand& klasse, std::size_t schueler) {
  return ErlaubterDateiname(MitTeil(art, Klassenbezeichnung(klasse, schueler)));
}

}  // namespace velmora
