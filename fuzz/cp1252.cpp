// The code-page codec: every byte string survives 1252 -> UTF-8 -> 1252, and any byte
// string read as UTF-8 gives at most one 1252 character per input byte. The strict UTF-8
// reading of the imports and the replacements of characters outside 1252.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "basis/cp1252.h"
#include "basis/zeichenersatz.h"
#include "fuzzhilfen.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string_view text(reinterpret_cast<const char*>(daten), groesse);

  const std::string utf8 = Cp1252NachUtf8(text);
  fuzz::Pruefe(Utf8NachCp1252(utf8) == text, "1252 -> UTF-8 -> 1252 is the identity");
  fuzz::Pruefe(utf8.size() >= text.size() && utf8.size() <= 3 * text.size(), "UTF-8 takes 1..3 bytes per character");

  // The same bytes taken as UTF-8 (as they come from Qt or a file of the wrong code page).
  const std::string zurueck = Utf8NachCp1252(text);
  fuzz::Pruefe(zurueck.size() <= text.size(), "at most one character per UTF-8 byte");
  // What came back is 1252 and survives the round trip itself.
  fuzz::Pruefe(Utf8NachCp1252(Cp1252NachUtf8(zurueck)) == zurueck, "decoded text round-trips");

  // The strict decoder of the imports: what it accepts comes back byte for byte, and writing
  // it for the class file (replacements included) adds or removes no field separator.
  if (const std::optional<std::u32string> zeichen = Utf8Zeichen(text)) {
    std::string wieder;
    for (char32_t z : *zeichen) wieder += Utf8(z);
    fuzz::Pruefe(wieder == text, "valid UTF-8 round-trips");
    const std::string klasse = Cp1252MitErsatz(*zeichen);
    for (char trenner : {'\t', ';', '"', '\r', '\n'}) {
      fuzz::Pruefe(std::count(klasse.begin(), klasse.end(), trenner) == std::count(text.begin(), text.end(), trenner),
                   "replacements keep the field separators");
    }
  }
  return 0;
}
