#pragma once
// Commands that act on the current slot or on the whole class at once: clearing the
// grades or the report texts of a student, giving report data of the current slot to
// every slot, and a new subject list for the class. None of them sets DatenGeaendert;
// the main window stores and shows the editor around them.
#include <string>

#include "basis/meldungen.h"
#include "classdata/klassenzustand.h"
#include "subjects/klassenfachvorlage.h"

namespace velmora {

// The questions of "Bewertungen löschen" and "Zeugnistexte löschen" for a stored slot.
std::string BewertungenLoeschenFrage(const TSchuelerDatensatz& s);
std::string ZeugnistexteLoeschenFrage(const TSchuelerDatensatz& s);

// "Bewertungen löschen": asks with the names of the stored current slot; on Yes every
// Bewertung of its 18 rows becomes "-". True when the grades were cleared.
bool BewertungenLoeschen(KlassenZustand& z, Meldungen& m);

// "Zeugnistexte löschen": asks; on Yes Hinweise and Bemerkungen become "   - - -" (all
// bytes behind zero), VersaeumteStunden and Entschuldigt "-". InterneBemerkungen stays.
bool ZeugnistexteLoeschen(KlassenZustand& z, Meldungen& m);

// The field groups of the five buttons "allen zuweisen", named after the control they
// sit beside.
enum class ZuweisGruppe {
  Berufsschulart,     // Schulart
  Berufsbezeichnung,  // Fachrichtung, Schwerpunkt, Berufsbezeichnung
  Zeugnisart,         // Zeugnisart
  Ausschulungsdatum,  // Einschulungsdatum, Ausschulungsdatum, Durchschnittsnote
  Zeugnisort          // Klasse, SchuljahrVon, SchuljahrBis, Zeugnisort, Zeugnisdatum
};

// Copies the group's fields of the current slot into all 35 slots, free ones included.
void AllenZuweisen(KlassenZustand& z, ZuweisGruppe gruppe);

// "Neue Fächerliste zuordnen und Bew. löschen" after the template selection: reads the
// current template (with its messages) and gives it to every named slot, then makes
// slot 0 the current one. A template file that cannot be read throws EAFehler before
// any slot changes.
void NeueFaecherlisteZuordnen(KlassenZustand& z, VorlagenZustand& v, Meldungen& m);

}  // namespace velmora
