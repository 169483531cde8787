#include "basis/zeichenersatz.h"

#include <algorithm>
#include <utility>

#include "basis/cp1252.h"

namespace velmora {

std::string Cp1252Ersatz(char32_t zeichen) {
  if (const std::optional<char> byte = Cp1252Byte(zeichen)) return std::string(1, *byte);
  const ZeichenErsatz* ende = kZeichenErsatz + kZeichenErsatzAnzahl;
  const ZeichenErsatz* e =
      std::lower_bound(kZeichenErsatz, ende, zeichen, [](const ZeichenErsatz& a, char32_t z) { return a.zeichen < z; });
  return e != ende && e->zeichen == zeichen ? std::string(e->ersatz) : std::string();
}

std::u32string Zusammengesetzt(std::u32string_view text) {
  const Zusammensetzung* ende = kZusammensetzung + kZusammensetzungAnzahl;
  std::u32string aus;
  aus.reserve(text.size());
  for (char32_t z : text) {
    if (!aus.empty()) {
      const char32_t basis = aus.back();
      const Zusammensetzung* e =
          std::lower_bound(kZusammensetzung, ende, std::pair{basis, z}, [](const Zusammensetzung& a, auto b) {
            return a.basis != b.first ? a.basis < b.first : a.zeichen < b.second;
          });
      if (e != ende && e->basis == basis && e->zeichen == z) {
        aus.back() = e->zusammen;
        continue;
      }
    }
    aus.push_back(z);
  }
  return aus;
}

std::string Cp1252MitErsatz(std::u32string_view roh, std::vector<Ersetzung>* ersetzungen) {
  const std::u32string text = Zusammengesetzt(roh);
  std::string aus;
  aus.reserve(text.size());
  for (char32_t z : text) {
    if (const std::optional<char> byte = Cp1252Byte(z)) {
      aus.push_back(*byte);
      continue;
    }
    std::string ersatz = Cp1252Ersatz(z);
    aus += ersatz;
    if (ersetzungen &&
        std::none_of(ersetzungen->begin(), ersetzungen->end(), [z](const Ersetzung& e) { return e.zeichen == z; })) {
      ersetzungen->push_back({z, std::move(ersatz)});
    }
  }
  return aus;
}

std::string NichtSpeicherbarTextUtf8(char32_t zeichen) {
  const std::string ersatz = Cp1252Ersatz(zeichen);
  std::string text = "„" + Utf8(zeichen) + "“ kann in der Klassendatei nicht gespeichert werden. ";
  text += ersatz.empty() ? "Lassen Sie es weg." : "Schreiben Sie „" + Cp1252NachUtf8(ersatz) + "“.";
  return text;
}

}  // namespace velmora
