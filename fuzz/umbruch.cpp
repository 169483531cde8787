// The word wrap of the internal sheets: at most n lines of at most w characters, the
// other lines of the buffer untouched, no control character in a line, and nothing in
// the lines that was not in the text in that order.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzzhilfen.h"
#include "print/zeilenpuffer.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  fuzz::Eingabe e(daten, groesse);
  const std::size_t pufferZeilen = 1 + e.Byte() % 16;
  const std::size_t n = e.Byte() % 20;  // also more lines than the buffer has
  const std::size_t w = e.Byte();       // also 0 and more than 80
  const std::string text = e.Rest();

  TZeilenpuffer puffer(pufferZeilen);
  const std::string unberuehrt = "unberuehrt";
  for (std::size_t i = 0; i < pufferZeilen; ++i) puffer.SetzeZeile(i, unberuehrt);
  UmbrecheText(text, n, w, puffer);

  const std::size_t zeilen = std::min(n, pufferZeilen);
  const std::size_t breite = std::clamp<std::size_t>(w, 1, TZeilenpuffer::ZeilenLaenge);
  std::size_t stelle = 0;  // how far the lines have been found in the text
  for (std::size_t i = 0; i < pufferZeilen; ++i) {
    const std::string& zeile = puffer.Zeile(i);
    if (i >= zeilen) {
      fuzz::Pruefe(zeile == unberuehrt, "lines from n on stay untouched");
      continue;
    }
    fuzz::Pruefe(zeile.size() <= breite, "a wrapped line is never wider than w");
    for (char c : zeile) {
      fuzz::Pruefe(static_cast<unsigned char>(c) >= 32, "no control character in a wrapped line");
      stelle = text.find(c, stelle);
      fuzz::Pruefe(stelle != std::string::npos, "the lines are the text's characters in order");
      ++stelle;
    }
  }
  fuzz::Pruefe(puffer.Zeile(pufferZeilen).empty(), "a line beyond the buffer reads as empty");
  return 0;
}
