#pragma once
// The names of print sessions: what a command prints, as the file of a PDF print is named
// ("Zeugnis-Muster-Erika", "Zeugnisse-BS 11a", "Testblatt"). The surface adds the time.
#include <cstddef>
#include <string>

#include "classdata/klassenzustand.h"
#include "print/dateiname.h"

namespace velmora {

// The class as slot `schueler` names it in its field Klasse, without blanks around it; where
// that is blank, the class file's name without folder and extension ("VORLAGE" for a class
// never saved); where that is empty too, nothing.
std::string Klassenbezeichnung(const KlassenZustand& klasse, std::size_t schueler);

// "<art>-<Name>-<Vornamen>" of one student, each part without leading and trailing blanks.
std::string SitzungFuerSchueler(const std::string& art, const TSchuelerDatensatz& satz);

// "<art>-<Klasse>": the class as slot `schueler` names it in its field Klasse; where that
// is blank, the class file's name without folder and extension ("VORLAGE" for a class
// never saved); where that is empty too, only <art>.
std::string SitzungFuerKlasse(const std::string& art, const KlassenZustand& klasse, std::size_t schueler);

}  // namespace velmora
