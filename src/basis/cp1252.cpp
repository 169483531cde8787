#include "basis/cp1252.h"

#include <array>
#include <cstdint>

namespace velmora {
namespace {

// Code points of 0x80..0x9F. The five bytes 1252 leaves undefined map to the C1
// control of the same value, as Windows does, so that every byte survives a round trip.
constexpr std::array<char32_t, 32> kObereSteuerzeichen = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void HaengeUtf8An(std::string& aus, char32_t c) {
  if (c < 0x80) {
    aus.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    aus.push_back(static_cast<char>(0xC0 | (c >> 6)));
    aus.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    aus.push_back(static_cast<char>(0xE0 | (c >> 12)));
    aus.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    aus.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

}  // namespace

std::optional<char> Cp1252Byte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kObereSteuerzeichen.size(); ++i) {
    if (kObereSteuerzeichen[i] == c) return static_cast<char>(0x80 + i);
  }
  return std::nullopt;
}

std::string Utf8(char32_t c) {
  std::string aus;
  if (c < 0x10000) {
    HaengeUtf8An(aus, c);
  } else {
    aus.push_back(static_cast<char>(0xF0 | (c >> 18)));
    aus.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    aus.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    aus.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
  return aus;
}

std::optional<std::u32string> Utf8Zeichen(std::string_view text) {
  std::u32string aus;
  aus.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto b = static_cast<std::uint8_t>(text[i]);
    std::size_t folge = 0;
    char32_t c = 0;
    char32_t kleinster = 0;
    if (b < 0x80) {
      c = b;
    } else if ((b & 0xE0) == 0xC0) {
      c = b & 0x1F;
      folge = 1;
      kleinster = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
      c = b & 0x0F;
      folge = 2;
      kleinster = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
      c = b & 0x07;
      folge = 3;
      kleinster = 0x10000;
    } else {
      return std::nullopt;
    }
    if (i + folge >= text.size()) return std::nullopt;  // the sequence runs past the end
    for (std::size_t j = 1; j <= folge; ++j) {
      const auto f = static_cast<std::uint8_t>(text[i + j]);
      if ((f & 0xC0) != 0x80) return std::nullopt;
      c = (c << 6) | (f & 0x3F);
    }
    if (c < kleinster || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return std::nullopt;
    aus.push_back(c);
    i += folge + 1;
  }
  return aus;
}

std::string Cp1252NachUtf8(std::string_view text) {
  std::string aus;
  aus.reserve(text.size() + text.size() / 4);
  for (char z : text) {
    auto b = static_cast<std::uint8_t>(z);
    if (b >= 0x80 && b < 0xA0) {
      HaengeUtf8An(aus, kObereSteuerzeichen[b - 0x80]);
    } else {
      HaengeUtf8An(aus, b);
    }
  }
  return aus;
}

std::string Utf8NachCp1252(std::string_view text) {
  std::string aus;
  aus.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    auto b = static_cast<std::uint8_t>(text[i]);
    int folge = 0;
    char32_t c = 0;
    if (b < 0x80) {
      c = b;
    } else if ((b & 0xE0) == 0xC0) {
      c = b & 0x1F;
      folge = 1;
    } else if ((b & 0xF0) == 0xE0) {
      c = b & 0x0F;
      folge = 2;
    } else if ((b & 0xF8) == 0xF0) {
      c = b & 0x07;
      folge = 3;
    } else {
      aus.push_back('?');
      ++i;
      continue;
    }
    bool gueltig = i + static_cast<std::size_t>(folge) < text.size();
    std::size_t j = 1;
    for (; gueltig && j <= static_cast<std::size_t>(folge); ++j) {
      auto f = static_cast<std::uint8_t>(text[i + j]);
      if ((f & 0xC0) != 0x80) {
        gueltig = false;
        break;
      }
      c = (c << 6) | (f & 0x3F);
    }
    if (!gueltig) {
      aus.push_back('?');
      i += j;  // skip the broken sequence up to the byte that broke it
      continue;
    }
    // Overlong forms are no characters of their own.
    constexpr char32_t kKleinster[4] = {0, 0x80, 0x800, 0x10000};
    aus.push_back(c < kKleinster[folge] ? '?' : Cp1252Byte(c).value_or('?'));
    i += static_cast<std::size_t>(folge) + 1;
  }
  return aus;
}

}  // namespace velmora
