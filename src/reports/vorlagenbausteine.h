#pragma once
// Building blocks of the built-in report layouts: an entry written as E(x, y, font, page,
// print), and the empty table every report layout starts from.
#include <cstdint>

#include "print/formatsteuertabelle.h"

namespace velmora::vorlage {

constexpr TFormatEintrag E(std::uint16_t x, std::uint16_t y, std::uint16_t schrift, std::uint16_t seite,
                           std::uint16_t drucken) {
  return {x, y, schrift, seite, drucken};
}

// Report tables start from all-zero entries (font 0 too), unlike a freshly reset table.
inline TFormatSteuerTabelle Leer() {
  TFormatSteuerTabelle t;
  t.fill(E(0, 0, 0, 0, 0));
  return t;
}

}  // namespace velmora::vorlage
