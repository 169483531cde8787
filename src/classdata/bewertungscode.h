#pragma once
// The one character of a subject row's `Bewertung` that the editor accepts: the codes the
// report prints. A stored code outside them stays as it is (the report prints a dash).
#include <string>

namespace velmora {

// "1" to "6" grades, "0"/"o"/"O" "kann nicht beurteilt werden", "n"/"N" "nicht belegt",
// "b"/"B" "befreit", "t"/"T" "teilgenommen", "e"/"E" "nicht erteilt", "-" no grade.
bool IstBewertungscode(char32_t zeichen);

// "Bewertung: 1–6, 0 (kann nicht beurteilt werden), n, b, t, e oder -" (code page 1252),
// shown when a key is refused.
std::string BewertungsHinweis();

}  // namespace velmora
