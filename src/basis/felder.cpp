#include "basis/felder.h"

#include <algorithm>

namespace velmora::feld {

std::uint16_t LiesUInt16(Lesbar b, std::size_t o) { return static_cast<std::uint16_t>(b[o] | (b[o + 1] << 8)); }

std::int16_t LiesInt16(Lesbar b, std::size_t o) { return static_cast<std::int16_t>(LiesUInt16(b, o)); }

std::int32_t LiesInt32(Lesbar b, std::size_t o) {
  std::uint32_t w = static_cast<std::uint32_t>(b[o]) | (static_cast<std::uint32_t>(b[o + 1]) << 8) |
                    (static_cast<std::uint32_t>(b[o + 2]) << 16) | (static_cast<std::uint32_t>(b[o + 3]) << 24);
  return static_cast<std::int32_t>(w);
}

void SchreibeUInt16(Schreibbar b, std::size_t o, std::uint16_t w) {
  b[o] = static_cast<std::uint8_t>(w & 0xFF);
  b[o + 1] = static_cast<std::uint8_t>(w >> 8);
}

void SchreibeInt16(Schreibbar b, std::size_t o, std::int16_t w) { SchreibeUInt16(b, o, static_cast<std::uint16_t>(w)); }

void SchreibeInt32(Schreibbar b, std::size_t o, std::int32_t wert) {
  auto w = static_cast<std::uint32_t>(wert);
  for (int i = 0; i < 4; ++i) b[o + i] = static_cast<std::uint8_t>((w >> (8 * i)) & 0xFF);
}

std::string LiesString(Lesbar b, std::size_t o, std::size_t max) {
  std::size_t laenge = std::min<std::size_t>(b[o], max);
  return std::string(reinterpret_cast<const char*>(b.data() + o + 1), laenge);
}

void SchreibeString(Schreibbar b, std::size_t o, std::size_t max, std::string_view text) {
  std::size_t laenge = std::min(text.size(), max);
  b[o] = static_cast<std::uint8_t>(laenge);
  std::copy_n(reinterpret_cast<const std::uint8_t*>(text.data()), laenge, b.begin() + o + 1);
  std::fill(b.begin() + o + 1 + laenge, b.begin() + o + 1 + max, 0);
}

std::string LiesTextblock(Lesbar b, std::size_t o, std::size_t groesse) {
  auto anfang = b.begin() + o;
  auto ende = std::find(anfang, anfang + groesse, 0);
  return std::string(anfang, ende);
}

void SchreibeTextblock(Schreibbar b, std::size_t o, std::size_t groesse, std::string_view text) {
  std::size_t laenge = std::min(text.size(), groesse);
  std::copy_n(reinterpret_cast<const std::uint8_t*>(text.data()), laenge, b.begin() + o);
  std::fill(b.begin() + o + laenge, b.begin() + o + groesse, 0);
}

}  // namespace velmora::feld
