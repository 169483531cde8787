#include "basis/textkodierung.h"

#include <algorithm>
#include <optional>

#include "basis/cp1252.h"
#include "basis/zeichenersatz.h"

namespace velmora {

std::vector<std::string> Cp1252Zeilen(const std::vector<std::string>& rohzeilen, bool* ersetzt) {
  if (ersetzt) *ersetzt = false;
  const bool ascii = std::all_of(rohzeilen.begin(), rohzeilen.end(), [](const std::string& z) {
    return std::all_of(z.begin(), z.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  });
  if (ascii) return rohzeilen;
  std::vector<std::u32string> zeichen;
  zeichen.reserve(rohzeilen.size());
  for (const std::string& z : rohzeilen) {
    std::optional<std::u32string> u = Utf8Zeichen(z);
    if (!u) return rohzeilen;  // not UTF-8: code page 1252 as it stands
    zeichen.push_back(std::move(*u));
  }
  if (!zeichen.front().empty() && zeichen.front().front() == U'\uFEFF') zeichen.front().erase(0, 1);
  std::vector<std::string> zeilen;
  zeilen.reserve(zeichen.size());
  for (const std::u32string& z : zeichen) {
    std::vector<Ersetzung> ersetzungen;
    zeilen.push_back(Cp1252MitErsatz(z, &ersetzungen));
    if (ersetzt && !ersetzungen.empty()) *ersetzt = true;
  }
  return zeilen;
}

}  // namespace velmora
