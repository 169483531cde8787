#pragma once
// Record bytes put together from the documented layout of the files, written down here
// once and independently of the program's own constants, so that a wrong offset in the
// program shows up in the tests.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "basis/dateien.h"

namespace velmora::test::layout {

// The class file: 35 slots of 5692 bytes, then the 16-byte password check string.
inline constexpr std::size_t kSatz = 5692;
inline constexpr std::size_t kKlasse = 199236;
inline constexpr std::size_t kKennung = 199220;
// The bytes of all 35 slots, the part of the file a data password enciphers.
inline constexpr std::size_t kAlleSaetze = 35 * kSatz;
static_assert(kAlleSaetze == kKennung && kKennung + 16 == kKlasse);

// The 18 subject rows of a slot start at byte 176, 157 bytes each; inside a row: Fach
// (length + 50) at 0, FachZusatz (length + 100) at 51, Bewertung (length + 1) at 152,
// Zusatz (length + 2) at 154. A ".KFV" template is the 18 rows alone.
inline constexpr std::size_t kFaecher = 176;
inline constexpr std::size_t kZeile = 157;
inline constexpr std::size_t kFach = 0;
inline constexpr std::size_t kFachZusatz = 51;
inline constexpr std::size_t kBewertung = 152;
inline constexpr std::size_t kZusatz = 154;
// Row r (0..17) of a slot.
constexpr std::size_t Zeile(std::size_t r) { return kFaecher + kZeile * r; }
// Row r (0..17) of a template file.
constexpr std::size_t VorlagenZeile(std::size_t r) { return kZeile * r; }

// A little-endian integer of `bytes` bytes at `offset`.
void SchreibeZahl(std::uint8_t* b, std::size_t offset, std::int64_t wert, int bytes);
// A length-prefixed string at `offset`: the length byte, then the text; the bytes behind
// the text stay as they are.
void SchreibeString(std::uint8_t* b, std::size_t offset, std::string_view text);
std::string LiesString(const std::uint8_t* b, std::size_t offset);

// A ".KFV" template: each given row's subject and addition, "   - - -" with an empty
// addition in the others; grade "-", empty Zusatz.
Bytes Vorlagenbild(const std::vector<std::pair<std::string, std::string>>& zeilen);

}  // namespace velmora::test::layout
