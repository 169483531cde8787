// The program settings record "VLMEINST.DAT" (32 bytes): read and written back it keeps
// every byte the format keeps (the seven numbers, Verlag, the password up to its stored
// length of at most 15; the filler behind the password becomes blanks), and a record
// written from any values reads back with them, the password cut to 15.
#include <algorithm>
#include <cstdint>
#include <string>

#include "basis/felder.h"
#include "classdata/verschluesselung.h"
#include "fuzzhilfen.h"
#include "settings/programmeinstellungen.h"

using namespace velmora;
using P = TProgrammEinstellungen;

namespace {

constexpr std::size_t kLaenge = 14;  // the password's length byte; its characters follow

bool GleicheWerte(const P& a, const P& b) {
  return a.MehrstufigerSchutz == b.MehrstufigerSchutz && a.ImmerVerschluesseln == b.ImmerVerschluesseln &&
         a.SicherheitsReserve == b.SicherheitsReserve && a.DatenVerschluesseln == b.DatenVerschluesseln &&
         a.Reserve1 == b.Reserve1 && a.Reserve2 == b.Reserve2 && a.Reserve3 == b.Reserve3 &&
         a.KonfigPasswort == b.KonfigPasswort && a.Verlag == b.Verlag;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  // The file's first 32 bytes, as the loader reads them.
  Bytes bild(P::Groesse, 0);
  std::copy_n(daten, std::min(groesse, P::Groesse), bild.begin());

  const P satz = P::AusBild(bild);
  const std::size_t laenge = std::min<std::size_t>(bild[kLaenge], kPasswortMax);
  fuzz::Pruefe(satz.KonfigPasswort.size() == laenge, "the password has its stored length, at most 15");
  const Bytes zurueck = satz.Bild();
  fuzz::Pruefe(zurueck.size() == P::Groesse, "the record has 32 bytes");
  for (std::size_t i = 0; i < P::Groesse; ++i) {
    if (i < kLaenge || i >= kLaenge + 1 + kPasswortMax) {
      fuzz::Pruefe(zurueck[i] == bild[i], "the numbers are kept byte for byte");
    } else if (i == kLaenge) {
      fuzz::Pruefe(zurueck[i] == laenge, "the length is kept, a length above 15 as 15");
    } else if (i <= kLaenge + laenge) {
      fuzz::Pruefe(zurueck[i] == bild[i], "the scrambled password is kept");
    } else {
      fuzz::Pruefe(zurueck[i] == ' ', "blanks behind the password");
    }
  }
  fuzz::Pruefe(GleicheWerte(P::AusBild(zurueck), satz), "a written record reads back the same");

  // The other way round: values and a password of any length from the input.
  if (groesse < P::Groesse) return 0;
  P werte;
  werte.MehrstufigerSchutz = feld::LiesInt16(bild, 0);
  werte.Verlag = feld::LiesInt16(bild, 2);
  werte.KonfigPasswort.assign(reinterpret_cast<const char*>(daten) + P::Groesse, groesse - P::Groesse);
  const P gelesen = P::AusBild(werte.Bild());
  fuzz::Pruefe(gelesen.MehrstufigerSchutz == werte.MehrstufigerSchutz && gelesen.Verlag == werte.Verlag,
               "numbers read back as written");
  fuzz::Pruefe(gelesen.KonfigPasswort == werte.KonfigPasswort.substr(0, kPasswortMax),
               "the password reads back, cut to 15");
  return 0;
}
