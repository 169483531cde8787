#pragma once
// Text widths on the printer surface, for the printouts that must know how much room a text
// takes (the report on plain paper wraps and places its texts by them).
//
// The width model: the surface scales a font so that its character cell (ascent plus
// descent) has the asked height; a text is then as wide as the sum of its characters'
// advance widths at that scale, plus the extra character spacing after every character.
// The advances of the three faces come from their metric-compatible stand-ins (Liberation
// Mono, Serif and Sans), measured once per style by scripts/schriftmasse_erzeugen.py into
// schriftmasse_daten.cpp. Kerning is not applied (the surface switches it off); underline
// does not change a width. Courier New has one advance for every character.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "print/schriften.h"

namespace velmora {

// One face in one style, in font units.
struct TSchriftMasse {
  std::uint16_t EinheitenProEm;
  std::int16_t Oberlaenge;                  // ascent above the baseline
  std::int16_t Unterlaenge;                 // descent below the baseline, positive
  std::array<std::uint16_t, 224> Vorschub;  // advance of the bytes 32..255 of code page 1252
};

// [face: Courier New, Times New Roman, Arial][style: regular, bold, italic, bold italic]
extern const TSchriftMasse kSchriftMasse[3][4];

// The measures of a font: by face name ("Courier New", "Times New Roman"; every other name
// is measured as "Arial", the surface's default face) and the bold and italic bits.
const TSchriftMasse& SchriftMasseVon(const TSchriftDefinition& schrift);

// Width of `text` (code page 1252) in 1/10 mm in this font, with `zeichenabstand` extra
// units after every character. Characters below 32 take no room.
double TextBreite(const TSchriftDefinition& schrift, std::string_view text, int zeichenabstand = 0);

// Distance of the baseline above the bottom of the character cell, in 1/10 mm.
double UnterlaengeHoehe(const TSchriftDefinition& schrift);

// Breaks `text` into lines no wider than `breite` (1/10 mm) in this font, losing nothing.
// The lines come from the program's word wrap (UmbrecheText) with the greatest number of
// characters per line, at most 80, for which every line fits and every character of the text
// reaches a line (the wrap drops a minus sign that falls just past a full line, and a word
// longer than a line ends it; a smaller width avoids both). Only a text that no width can
// wrap whole (a word wider than the line) is broken word by word by measured width, such a
// word character by character. The text ends at a NUL; CR starts a new line, LF is ignored,
// other control characters count as blanks. Blanks at both ends of a line and empty lines at
// the end are dropped; a text without visible characters gives no line.
std::vector<std::string> UmbrecheNachBreite(std::string_view text, const TSchriftDefinition& schrift, double breite);

}  // namespace velmora
