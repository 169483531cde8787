#pragma once
// The data check of the current student's report data: three fixed tests on the stored
// record and the chosen form publisher, a coloured protocol and an overall result.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "classdata/schuelerdatensatz.h"

namespace velmora {

struct Farbe {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Farbe&) const = default;
};

inline constexpr Farbe kBlau{0, 0, 255};
inline constexpr Farbe kGruen{0, 128, 0};
inline constexpr Farbe kRot{255, 0, 0};
inline constexpr Farbe kSchwarz{0, 0, 0};

// One test of the check. Texts are code page 1252, at most 50 characters.
struct TTestBeschreibung {
  std::uint16_t Nummer = 0;
  std::string Beschreibung;
  std::string Bestanden;
  std::string NichtBestanden;
  std::int16_t Gewertet = 1;  // 1: a failed test fails the whole check
};

// The three tests, filled anew each time the window opens.
std::array<TTestBeschreibung, 3> TestBeschreibungen();

// Condition of test 1 (Zeugnisart 1..4), 2 (Verlag 1..3) or 3 (names present); both
// numbers are read as unsigned 16-bit values.
bool TestBestanden(std::uint16_t test, const TSchuelerDatensatz& satz, int verlag);

// A text with its colour: a protocol line or the state text.
struct FarbText {
  std::string text;
  Farbe farbe;
  bool operator==(const FarbText&) const = default;
};

FarbText NochNichtGetestet();          // "Noch nicht getestet!" in blue
FarbText TestLaeuft();                 // "Test läuft!" in blue
FarbText Endergebnis(bool bestanden);  // "Test bestanden" green / "Test nicht bestanden" red

// The arrow line after a test: "  --->  " and the passed (green) or failed (red) text.
FarbText ErgebnisZeile(const TTestBeschreibung& t, bool bestanden);

// "Vornamen Name" for the name field of the window.
std::string Schuelername(const TSchuelerDatensatz& satz);

struct Pruefung {
  // Per test, in order: the description in black, then its arrow line.
  std::vector<std::array<FarbText, 2>> tests;
  bool bestanden = true;
};

// One run of the three tests.
Pruefung Pruefe(const TSchuelerDatensatz& satz, int verlag);

}  // namespace velmora
