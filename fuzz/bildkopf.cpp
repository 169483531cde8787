// The check of an image file before it is printed as the school's logo: any bytes give
// either a size within the limits, of the format the signature names, or a reason; and the
// same bytes always the same answer.
#include <cstdint>
#include <span>

#include "fuzzhilfen.h"
#include "print/bildkopf.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::span<const std::uint8_t> inhalt(daten, groesse);
  const BildPruefung p = PruefeBild(inhalt);
  fuzz::Pruefe(p.kopf.has_value() == p.fehler.empty(), "a size or a reason, never both");
  if (p.kopf) {
    fuzz::Pruefe(p.kopf->breite >= 1 && p.kopf->breite <= kBildHoechstens, "width 1..6000");
    fuzz::Pruefe(p.kopf->hoehe >= 1 && p.kopf->hoehe <= kBildHoechstens, "height 1..6000");
    const bool png = groesse >= 8 && daten[0] == 0x89 && daten[1] == 'P';
    fuzz::Pruefe((p.kopf->format == Bildformat::Png) == png, "the format of the signature");
  }
  const BildPruefung nochmal = PruefeBild(inhalt);
  fuzz::Pruefe(nochmal.kopf == p.kopf && nochmal.fehler == p.fehler, "the same answer for the same bytes");
  return 0;
}
