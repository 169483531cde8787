#include "common/datensatzbytes.h"

#include <algorithm>

namespace velmora::test::layout {

void SchreibeZahl(std::uint8_t* b, std::size_t offset, std::int64_t wert, int bytes) {
  for (int i = 0; i < bytes; ++i) b[offset + i] = static_cast<std::uint8_t>((wert >> (8 * i)) & 0xFF);
}

void SchreibeString(std::uint8_t* b, std::size_t offset, std::string_view text) {
  b[offset] = static_cast<std::uint8_t>(text.size());
  std::copy(text.begin(), text.end(), b + offset + 1);
}

std::string LiesString(const std::uint8_t* b, std::size_t offset) {
  return std::string(b + offset + 1, b + offset + 1 + b[offset]);
}

Bytes Vorlagenbild(const std::vector<std::pair<std::string, std::string>>& zeilen) {
  Bytes b(18 * kZeile, 0);
  for (std::size_t r = 0; r < 18; ++r) {
    const auto& [fach, zusatz] = r < zeilen.size() ? zeilen[r] : std::pair<std::string, std::string>{"   - - -", ""};
    std::uint8_t* z = b.data() + VorlagenZeile(r);
    SchreibeString(z, kFach, fach);
    SchreibeString(z, kFachZusatz, zusatz);
    SchreibeString(z, kBewertung, "-");
  }
  return b;
}

}  // namespace velmora::test::layout
