// The field splitter of both imports: each call makes progress, a field never holds a
// separator or a double quote, and a line splits into at most as many fields as it has
// bytes.
#include <cstdint>
#include <string>
#include <string_view>

#include "app/import.h"
#include "fuzzhilfen.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string_view zeile(reinterpret_cast<const char*>(daten), groesse);
  std::string_view rest = zeile;
  std::size_t felder = 0;
  while (!rest.empty()) {
    const std::size_t vorher = rest.size();
    const std::string feld = NaechstesFeld(rest);
    ++felder;
    fuzz::Pruefe(rest.size() < vorher, "each field takes at least one byte off the line");
    fuzz::Pruefe(feld.size() <= vorher - rest.size(), "a field is no longer than what it took off");
    fuzz::Pruefe(feld.find_first_of("\t;\r\"") == std::string::npos, "a field holds no separator and no quote");
    fuzz::Pruefe(rest.data() + rest.size() == zeile.data() + zeile.size(), "the rest is the end of the line");
    fuzz::Pruefe(ZeileZuEnde(rest) == (rest.empty() || rest.front() == '\r'), "end of line at CR or nothing left");
  }
  fuzz::Pruefe(felder <= groesse, "at most one field per byte");
  std::string_view leer;
  fuzz::Pruefe(NaechstesFeld(leer).empty() && leer.empty(), "nothing left gives an empty field");
  return 0;
}
