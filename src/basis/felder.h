#pragma once
// Reading and writing the fields of fixed-size records at their byte offsets:
// little-endian integers, length-prefixed strings and zero-terminated text blocks.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace velmora::feld {

using Lesbar = std::span<const std::uint8_t>;
using Schreibbar = std::span<std::uint8_t>;

std::int16_t LiesInt16(Lesbar b, std::size_t offset);
std::uint16_t LiesUInt16(Lesbar b, std::size_t offset);
std::int32_t LiesInt32(Lesbar b, std::size_t offset);
void SchreibeInt16(Schreibbar b, std::size_t offset, std::int16_t wert);
void SchreibeUInt16(Schreibbar b, std::size_t offset, std::uint16_t wert);
void SchreibeInt32(Schreibbar b, std::size_t offset, std::int32_t wert);

// A string of at most `max` characters occupies max+1 bytes. A stored length above
// `max` is read as `max`, so that no reader runs past the field.
std::string LiesString(Lesbar b, std::size_t offset, std::size_t max);
// Writes the length byte and the text cut to `max`, zeros behind it.
void SchreibeString(Schreibbar b, std::size_t offset, std::size_t max, std::string_view text);

// A text block runs up to its first zero byte or over all `groesse` bytes.
std::string LiesTextblock(Lesbar b, std::size_t offset, std::size_t groesse);
// Writes the text cut to `groesse`, zeros behind it.
void SchreibeTextblock(Schreibbar b, std::size_t offset, std::size_t groesse, std::string_view text);

}  // namespace velmora::feld
