// The line splitter every text file passes through: lines carry no LF and no Ctrl-Z, and
// writing them back with CR LF (as the program writes text files) and splitting again
// gives the same lines.
#include <cstdint>
#include <string>
#include <vector>

#include "basis/dateien.h"
#include "fuzzhilfen.h"

using namespace velmora;

namespace {

// The bytes SchreibeTextZeilen writes.
Bytes MitCrLf(const std::vector<std::string>& zeilen) {
  Bytes inhalt;
  for (const std::string& z : zeilen) {
    inhalt.insert(inhalt.end(), z.begin(), z.end());
    inhalt.push_back('\r');
    inhalt.push_back('\n');
  }
  return inhalt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const Bytes inhalt(daten, daten + groesse);
  const std::vector<std::string> zeilen = TeileTextZeilen(inhalt);

  std::size_t zeichen = 0;
  for (const std::string& z : zeilen) {
    fuzz::Pruefe(z.find('\n') == std::string::npos, "a line holds no LF");
    fuzz::Pruefe(z.find('\x1a') == std::string::npos, "a line holds no Ctrl-Z");
    zeichen += z.size();
  }
  fuzz::Pruefe(zeichen <= groesse, "the lines are no longer than the file");
  // One line per LF before the first Ctrl-Z, and one more for an unfinished last line.
  std::size_t lf = 0, ende = 0;
  while (ende < groesse && daten[ende] != 0x1A) lf += daten[ende++] == '\n';
  const bool offen = ende > 0 && daten[ende - 1] != '\n';
  fuzz::Pruefe(zeilen.size() == lf + (offen ? 1 : 0), "one line per line end");
  fuzz::Pruefe(TeileTextZeilen(MitCrLf(zeilen)) == zeilen, "written with CR LF and split again, the lines stay");
  return 0;
}
