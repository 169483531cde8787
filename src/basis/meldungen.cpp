#include "basis/meldungen.h"

#include "basis/cp1252.h"

namespace velmora {

Antwort Meldungen::ZeigeUtf8(MeldungsArt art, const std::string& utf8, Knoepfe knoepfe) {
  return Zeige(art, Utf8NachCp1252(utf8), knoepfe);
}

std::string NichtVerfuegbarText() { return T("Die gewünschte Funktion ist in dieser Version noch nicht verfügbar!"); }

}  // namespace velmora
