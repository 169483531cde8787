#include "classdata/bewertungscode.h"

#include <string_view>

#include "basis/cp1252.h"

namespace velmora {

bool IstBewertungscode(char32_t zeichen) {
  constexpr std::u32string_view kCodes = U"123456oO0nNbBtTeE-";
  return kCodes.find(zeichen) != std::u32string_view::npos;
}

std::string BewertungsHinweis() { return T("Bewertung: 1–6, 0 (kann nicht beurteilt werden), n, b, t, e oder -"); }

}  // namespace velmora
