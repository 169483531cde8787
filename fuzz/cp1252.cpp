// The code-page codec: every byte string survives 1252 -> UTF-8 -> 1252, and any byte
// string read as UTF-8 gives at most one 1252 character per input byte.
#include <cstdint>
#include <string>
#include <string_view>

#include "basis/cp1252.h"
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
  return 0;
}
