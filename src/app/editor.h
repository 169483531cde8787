#pragma once
// The rules between a student record and the record editor of the main window: what
// each control shows, how it is stored back, the list line and the number rule.
// The window only copies these values into and out of its widgets.
#include <array>
#include <cstdint>
#include <string>

#include "classdata/schuelerdatensatz.h"

namespace velmora {

// The text of one edit with the flag telling whether the user typed into it since it
// was last filled.
struct EditorText {
  std::string text;
  bool geaendert = false;
};

// Everything the editor shows, in code page 1252. Multi-line texts use CR LF.
// Radio groups hold their selected index, -1 for none.
struct EditorInhalt {
  // "Personendaten"
  EditorText Nummer;
  std::string StatusText;
  int Anrede = 0;
  EditorText Name, Vornamen, Geburtsdatum, Geburtsort, Wohnort;
  // "Bewertungen"
  std::array<std::string, 18> Fach;
  std::array<EditorText, 18> Bewertung;
  std::array<std::string, 18> FachZusatz;
  std::array<EditorText, 18> Zusatz;
  // "Zeugnistexte"
  EditorText Hinweise, VersaeumteStunden, Entschuldigt, Bemerkungen;
  // "Zeugnisdaten"
  int Schulart = 0;
  EditorText Fachrichtung, Schwerpunkt, Berufsbezeichnung;
  int Zeugnisart = 0;  // 1..5, 0 when no button is selected
  EditorText Einschulungsdatum, Ausschulungsdatum, Durchschnittsnote;
  EditorText Klasse, SchuljahrVon, SchuljahrBis, Zeugnisort, Zeugnisdatum;
  // "Bemerkungen"
  EditorText InterneBemerkungen;
};

// The line of the student list for one slot.
std::string ListenZeile(const TSchuelerDatensatz& s);

struct GanzzahlErgebnis {
  bool gueltig = false;
  std::int32_t wert = 0;  // the value of the leading part that could be read
};

// Whole number: leading blanks, optional sign, decimal digits or hexadecimal after "$"
// or "0x"; the value must fit a signed 32-bit integer.
GanzzahlErgebnis LiesGanzzahl(const std::string& text);

// The editor's content for a slot; no control counts as changed.
EditorInhalt DatensatzAnzeigen(const TSchuelerDatensatz& s);

struct UebernahmeErgebnis {
  bool geaendert = false;        // some control was changed by the user
  bool nummerUngueltig = false;  // the "Eingabefehler" message is due
};

// Stores the controls the user changed into a record, each text cut to its field's
// width; every other field keeps its bytes.
UebernahmeErgebnis DatensatzUebernehmen(const EditorInhalt& e, TSchuelerDatensatz& s);

// The text shown beside "Status".
std::string StatusText(std::int16_t status);

}  // namespace velmora
