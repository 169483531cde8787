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

// The entries of the file's lines, each cut to 50 characters.
TSchulFaecherListe SchulFaecherAusZeilen(std::vector<std::string> zeilen);

// Reads "SFAECHER.SFL" (each line cut to 50 characters); when the file is missing,
// returns the nine defaults and creates the file with them. Errors throw EAFehler.
TSchulFaecherListe LadeSchulFaecherListe();

// The window "Fächerliste der Schule": on show the file's entries, or the first seven
// defaults written as a new file when it is missing.
TSchulFaecherListe SchulFachFormLaden();
// "Fach übernehmen": appends a non-empty text that is not in the list yet.
bool FachUebernehmen(TSchulFaecherListe& liste, const std::string& text);
// "Beenden": the list replaces the file's content.
void SchulFaecherSpeichern(const TSchulFaecherListe& liste);

}  // namespace velmora
