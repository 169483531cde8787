// The transform of the class image: applied twice it is the identity, it keeps the 16
// trailer bytes, and it gives the bytes of the plain byte-by-byte definition (the
// implementation works on precomputed key blocks).
#include <algorithm>
#include <cstdint>
#include <string>

#include "classdata/verschluesselung.h"
#include "fuzzhilfen.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  fuzz::Eingabe e(daten, groesse);
  const bool an = e.Byte() & 1;
  const std::string c = e.Text(e.Byte() % (kPasswortMax + 1));
  const std::size_t stelle = (std::size_t{e.Byte()} << 16 | std::size_t{e.Byte()} << 8 | e.Byte()) % TKlassenDatei::Groesse;
  const std::string rest = e.Rest();

  static const Bytes kVorlage = fuzz::NeueKlasse().Bild();
  Bytes bild = kVorlage;
  std::copy_n(rest.begin(), std::min(rest.size(), bild.size() - stelle), bild.begin() + stelle);

  Bytes einmal, zweimal;
  Verschluesseln(bild, einmal, an, c);
  fuzz::Pruefe(einmal.size() == TKlassenDatei::Groesse, "the transform gives a whole image");
  fuzz::Pruefe(std::equal(bild.begin() + TKlassenDatei::KennungOffset, bild.end(),
                          einmal.begin() + TKlassenDatei::KennungOffset),
               "the 16 trailer bytes stay");
  Verschluesseln(einmal, zweimal, an, c);
  fuzz::Pruefe(zweimal == bild, "the transform applied twice is the identity");

  if (!an || c.empty()) {
    fuzz::Pruefe(einmal == bild, "without a password the image stays");
    return 0;
  }
  // Byte p meets C[p mod |C|] and K[(6 + p) mod 15]; both indices counted along.
  static Bytes erwartet(TKlassenDatei::Groesse);
  std::copy(bild.begin(), bild.end(), erwartet.begin());
  for (std::size_t p = 0, i = 0, k = 6; p < TKlassenDatei::KennungOffset; ++p) {
    erwartet[p] ^= static_cast<std::uint8_t>(c[i]) ^ static_cast<std::uint8_t>(FesterSchluessel[k]);
    if (++i == c.size()) i = 0;
    if (++k == FesterSchluessel.size()) k = 0;
  }
  fuzz::Pruefe(einmal == erwartet, "byte p is XORed with C[p mod |C|] and K[(6 + p) mod 15]");
  return 0;
}
