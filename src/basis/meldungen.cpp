#include "basis/meldungen.h"

#include "basis/cp1252.h"

namespace velmora {

std::string NichtVerfuegbarText() {
  return T("Die gewünschte Funktion ist in dieser Version noch nicht verfügbar!");
}

}  // namespace velmora
