#pragma once
// Format control tables (".FST" files): for each numbered item of a printout its
// position, font, page and print flag. The content of an item never comes from the table.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "basis/meldungen.h"

namespace velmora {

// One item's placement. A default-constructed entry has the reset value (0, 0, 1, 0, 0)
// and is never printed.
struct TFormatEintrag {
  std::uint16_t X = 0;        // 1/10 mm to the right of the printout's origin
  std::uint16_t Y = 0;        // 1/10 mm downwards from the printout's origin
  std::uint16_t Schrift = 1;  // font number 1..40, any other value the default font
  std::uint16_t Seite = 0;    // page of the report cards; the internal sheets ignore it
  std::uint16_t Drucken = 0;  // the item is printed only when this is exactly 1
  bool operator==(const TFormatEintrag&) const = default;
};

inline constexpr std::size_t kFormatEintraege = 100;

// The item number is the index, 0..99.
using TFormatSteuerTabelle = std::array<TFormatEintrag, kFormatEintraege>;

// A built-in layout: the title written as line 1 of a created file, and the table.
struct TFormatVorlage {
  std::string Titel;
  TFormatSteuerTabelle Tabelle{};
};

inline constexpr const char* kTestblattDatei = "TSTBLATT.FST";
inline constexpr const char* kDatenrahmenDatei = "DATRAHMN.FST";
inline constexpr const char* kDatenblattDatei = "DATBLATT.FST";

// The three built-in layouts of the internal sheets.
TFormatVorlage TestblattVorlage();    // values of the printer test sheet
TFormatVorlage DatenrahmenVorlage();  // labels of the data sheet
TFormatVorlage DatenblattVorlage();   // values of the data sheet
// The layout a missing file of this name is created from: exact, case-sensitive
// comparison with "TSTBLATT.FST" and "DATRAHMN.FST"; every other name gets the data
// sheet's value layout.
TFormatVorlage VorlageFuer(const std::string& dateiname);

// The 702 lines of a table file: the title, "=============", and per entry k its number,
// X, Y, Schrift, Seite, Drucken and "- - - - -".
std::vector<std::string> FormatSteuerZeilen(const TFormatSteuerTabelle& tabelle, const std::string& titel);

// Writes a table file with CR LF line ends, replacing a file of that name. Used for the
// internal sheets' layouts here and for the report cards' layouts. Errors throw EAFehler;
// a failed write leaves any old file as it was.
void SchreibeFormatSteuerTabelle(const std::string& dateiname, const TFormatSteuerTabelle& tabelle,
                                 const std::string& titel);

// Reads a table from the lines of a file (already split, a Ctrl-Z already taken as the
// end). Returns true when every block's number matched its position. A token that is not
// an integer throws EAFehler 106; `tabelle` and `titel` then hold what was read so far.
bool LiesFormatSteuerZeilen(const std::vector<std::string>& zeilen, TFormatSteuerTabelle& tabelle, std::string& titel);

// Fills `tabelle` from the file `dateiname` (bare name, working directory) and `titel` from
// its first line. A file with a misnumbered or missing block shows the error box "Es können
// Fehler in der Steuerdatei enthalten sein!" and the table is used as read. A missing file
// is created from the built-in layout of its name (VorlageFuer), which also fills the
// table and the title. Errors throw EAFehler; the table then holds what was read so far.
void LadeFormatSteuerTabelle(TFormatSteuerTabelle& tabelle, const std::string& dateiname, std::string& titel,
                             Meldungen& meldungen);

}  // namespace velmora
