#pragma once
// The 40 numbered fonts of the printouts and the conversion of printer pixels into the
// surface's tenths of a millimetre.
#include <cstdint>
#include <string>

#include "print/druckflaeche.h"
#include "print/formatsteuertabelle.h"

namespace velmora {

struct TSchriftDefinition {
  std::uint16_t Stil;  // 0..7: bold 1, italic 2, underline 4
  int Hoehe;           // character cell height in 1/10 mm
  std::string Name;    // face name
  bool operator==(const TSchriftDefinition&) const = default;
};

inline constexpr std::uint16_t kSchriftenAnzahl = 40;

// The font of a font number: 1..40 from the table, 0 and 41..65535 the default font
// ("Arial", 4.5 mm, regular).
TSchriftDefinition SchriftDefinition(std::uint16_t nummer);

// The test sheet's word for a style: "normal", "fett", "kursiv", "fett+kursiv",
// "unterstrichen", "unterstrichen+fett", "unterstrichen+kursiv",
// "unterstrichen+fett+kursiv". Only the three style bits count.
std::string StilWort(std::uint16_t stil);

// Sets the surface's font from the entry's font number.
void SetzeSchrift(DruckFlaeche& flaeche, const TFormatEintrag& eintrag);

// Rounds to the nearest integer, halves to the even neighbour. Values beyond the range of
// int are held at its ends; not-a-number gives 0.
int RundeZurGeraden(double wert);

// A length of `pixel` printer pixels at `dpi` pixels per inch in tenths of a millimetre:
// pixel * 254 / dpi, rounded with halves to even. A resolution of 0 or below (a printer
// that reports none) gives 0.
int ZehntelMillimeter(int pixel, int dpi);

}  // namespace velmora
