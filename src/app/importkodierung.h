#pragma once
// How the two imports read their file. School software writes UTF-8 today, older software
// and hand-made files code page 1252. A file that is valid UTF-8 and holds bytes above 127 is
// read as UTF-8 and converted to code page 1252, each character outside it written as its
// replacement (basis/zeichenersatz); before anything is imported the teacher sees every
// line where that happened and decides. Any other file is taken byte for byte, as always.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "basis/meldungen.h"
#include "basis/zeichenersatz.h"

namespace velmora {

// A line of a UTF-8 file with characters code page 1252 cannot hold.
struct ErsetzteImportZeile {
  std::size_t zeile;               // 1 for the first line of the file
  std::string nameUtf8;            // "Name, Vornamen" (fields 1 and 2) as the file has them
  std::vector<Ersetzung> zeichen;  // each such character once, in the order of the line
};

struct ImportText {
  std::vector<std::string> zeilen;  // code page 1252
  bool utf8 = false;
  std::vector<ErsetzteImportZeile> ersetzt;
};

// The lines as the import takes them. A UTF-8 file loses its byte order mark.
ImportText LiesImportText(const std::vector<std::string>& rohzeilen);

// The "Warnung" before an import with replacements (UTF-8, lines separated by "\r").
std::string ErsetzungsWarnungUtf8(const std::vector<ErsetzteImportZeile>& ersetzt);

// The lines to import, in code page 1252. When characters had to be replaced, the warning
// asks first; "Nein" gives nothing (the import is cancelled and changes nothing).
std::optional<std::vector<std::string>> ImportZeilenFreigeben(const std::vector<std::string>& rohzeilen, Meldungen& m);

}  // namespace velmora
