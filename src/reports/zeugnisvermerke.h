#pragma once
// The closing statements of the report on plain paper: the final report states the
// completion (and, in a second paragraph the school writes itself, what the report is
// equivalent to under its Land's law), the leaving report the leaving. They come from
// "ZEUGNISVERMERKE.TXT" in the working directory, which the school adapts in a text editor;
// fields in angle brackets ("<Name>") are filled from the student's record.
//
// The file (code page 1252, or UTF-8 as an editor may save it; CR LF): a line beginning with
// ";" is a remark; a line "[Abschlusszeugnis]" or "[Abgangszeugnis]" begins that report's
// section; in a section an empty line separates paragraphs, and the lines of a paragraph are
// joined with one blank (the print wraps the paragraph to the page). A section the file does
// not have keeps the built-in text; an empty section prints nothing.
#include <string>
#include <string_view>
#include <vector>

#include "classdata/schuelerdatensatz.h"
#include "reports/drucken1.h"

namespace velmora {

inline constexpr const char* kVermerkeDatei = "ZEUGNISVERMERKE.TXT";

// The built-in texts.
std::string VorgabeAbschlussvermerk();
std::string VorgabeAbgangsvermerk();

struct TZeugnisvermerke {
  // The paragraphs of each section, with their fields.
  std::vector<std::string> Abschluss{VorgabeAbschlussvermerk()};
  std::vector<std::string> Abgang{VorgabeAbgangsvermerk()};

  // The paragraphs of a report type; none for the half-year and the year report.
  const std::vector<std::string>& Fuer(Zeugnistyp typ) const;
  bool operator==(const TZeugnisvermerke&) const = default;
};

// The file as the program writes it where it is missing: an explanation in remarks, the
// two sections with the built-in texts.
std::vector<std::string> ZeugnisvermerkDateizeilen();

// The sections of the file's lines (code page 1252). What the school should hear about (a
// section of another name, text before the first section) is added to `warnungen`.
TZeugnisvermerke LiesZeugnisvermerke(const std::vector<std::string>& zeilen, std::vector<std::string>& warnungen);

// The file of the working directory. A missing file is written with the built-in texts, as
// the tables are; a file that cannot be read (or, where missing, not written) gives a warning
// naming it, and the built-in texts.
TZeugnisvermerke LadeZeugnisvermerke(std::vector<std::string>& warnungen);

// The fields, as they are written: "<Anrede>", "<Vornamen>", ...
const std::vector<std::string>& VermerkFelder();

// A paragraph with its fields filled from the record: <Anrede> is "Herr", "Frau" or
// "Fräulein" (Anrede 1, 2, 3) and empty otherwise; <Schuljahr> is "2026/2027"; the others
// are their fields without the blanks around them. A field that holds no letter or digit is
// empty, and takes one blank beside it along (the one after it, else the one before it), so
// that "<Anrede> <Vornamen>" without Anrede begins with the first names. An unknown field is
// left as it stands.
std::string FuelleVermerk(std::string_view absatz, const TSchuelerDatensatz& satz);

// The unknown fields of the paragraphs, each once, as written, in order.
std::vector<std::string> UnbekannteFelder(const std::vector<std::string>& absaetze);

// The warning about the unknown fields of a report type's section; empty when it has none.
std::string UnbekannteFelderWarnung(const TZeugnisvermerke& vermerke, Zeugnistyp typ);

}  // namespace velmora
