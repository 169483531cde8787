#include "basis/feldeingabe.h"

#include "basis/cp1252.h"
#include "basis/zeichenersatz.h"

namespace velmora {
namespace {

bool IstZeilenende(char32_t z) { return z == U'\n' || z == U'\r' || z == 0x2028 || z == 0x2029; }

bool IstSteuerzeichen(char32_t z) { return z < 0x20 || z == 0x7F || (z >= 0x80 && z < 0xA0); }

}  // namespace

std::size_t Feldbytes(std::u32string_view text, bool mehrzeilig) {
  std::size_t n = 0;
  for (char32_t z : text) n += mehrzeilig && z == U'\n' ? 2 : 1;
  return n;
}

Feldeingabe PruefeFeldeingabe(std::u32string_view roh, std::size_t platz, bool mehrzeilig) {
  // A letter pasted decomposed (u + combining diaeresis) is taken as the letter it composes.
  const std::u32string eingabe = Zusammengesetzt(roh);
  Feldeingabe e;
  std::size_t belegt = 0;
  for (std::size_t i = 0; i < eingabe.size(); ++i) {
    char32_t z = eingabe[i];
    if (IstZeilenende(z)) {
      if (!mehrzeilig) continue;
      if (z == U'\r' && i + 1 < eingabe.size() && eingabe[i + 1] == U'\n') ++i;
      z = U'\n';
    } else if (z == U'\t') {
      z = U' ';
    } else if (IstSteuerzeichen(z)) {
      continue;
    } else if (!Cp1252Byte(z)) {
      e.abgelehnt = z;
      e.angenommen.clear();
      e.gekuerzt = false;
      return e;
    }
    const std::size_t bytes = z == U'\n' ? 2 : 1;
    if (e.gekuerzt || belegt + bytes > platz) {
      e.gekuerzt = true;  // go on: a character further on may still refuse the whole input
      continue;
    }
    belegt += bytes;
    e.angenommen.push_back(z);
  }
  return e;
}

std::string GekuerztText(std::size_t breite) {
  return T("Der Text wurde auf ") + std::to_string(breite) + T(" Zeichen gekürzt.");
}

std::string FeldVollText(std::size_t breite) {
  return T("Das Feld fasst höchstens ") + std::to_string(breite) + " Zeichen.";
}

}  // namespace velmora
