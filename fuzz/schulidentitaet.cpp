// The school's names "SCHULE.DAT" (128 bytes, three length-prefixed strings): read and
// written back the record keeps each stored length (above the field's width read as the
// width) and the characters up to it, with zeros behind; names set from any texts read
// back cut to their fields.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzzhilfen.h"
#include "settings/schulidentitaet.h"

using namespace velmora;
using I = TSchulIdentitaet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  Bytes bild(I::Groesse, 0);
  std::copy_n(daten, std::min(groesse, I::Groesse), bild.begin());

  const I satz = I::AusBild(bild);
  const Bytes zurueck = satz.Bild();
  fuzz::Pruefe(zurueck.size() == I::Groesse, "the record has 128 bytes");
  std::size_t anfang = 0;
  for (std::size_t max : {I::ZeugnisnameMax, I::ReserveMax, I::KurznameMax}) {
    const std::size_t laenge = std::min<std::size_t>(bild[anfang], max);
    fuzz::Pruefe(zurueck[anfang] == laenge, "the length is kept, one above the width as the width");
    for (std::size_t i = 1; i <= max; ++i) {
      const std::uint8_t soll = i <= laenge ? bild[anfang + i] : 0;
      fuzz::Pruefe(zurueck[anfang + i] == soll, "the name is kept, zeros behind it");
    }
    anfang += max + 1;
  }
  fuzz::Pruefe(I::AusBild(zurueck) == satz, "a written record reads back the same");

  // Names typed into the window: the input's rest split into three texts.
  if (groesse <= I::Groesse) return 0;
  const std::string text(reinterpret_cast<const char*>(daten) + I::Groesse, groesse - I::Groesse);
  const std::size_t drittel = text.size() / 3;
  I neu;
  neu.Setze(text.substr(0, drittel), text.substr(drittel, drittel), text.substr(2 * drittel));
  const I gelesen = I::AusBild(neu.Bild());
  fuzz::Pruefe(gelesen == neu, "names set in the window read back as set");
  fuzz::Pruefe(gelesen.Zeugnisname.size() <= I::ZeugnisnameMax && gelesen.SchulnameReserve.size() <= I::ReserveMax &&
                   gelesen.Kurzname.size() <= I::KurznameMax,
               "the names fit their fields");
  const std::string zeile = Datumszeile(gelesen.Kurzname, 2024, 1 + daten[0] % 12, 1 + daten[1] % 31);
  fuzz::Pruefe(zeile.compare(0, gelesen.Kurzname.size(), gelesen.Kurzname) == 0,
               "the date line starts with the short name");
  return 0;
}
