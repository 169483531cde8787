#pragma once
// The school's subject list "SFAECHER.SFL": one subject name per line.
#include <string>
#include <vector>

namespace velmora {

using TSchulFaecherListe = std::vector<std::string>;

inline constexpr const char* kSchulFaecherDatei = "SFAECHER.SFL";
inline constexpr std::size_t kFachnameMax = 50;

// The nine built-in entries, in their order.
TSchulFaecherListe StandardSchulFaecher();

// Reads "SFAECHER.SFL" (each line cut to 50 characters); when the file is missing,
// returns the nine defaults and creates the file with them. Errors throw EAFehler.
TSchulFaecherListe LadeSchulFaecherListe();

}  // namespace velmora
