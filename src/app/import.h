#pragma once
// Import of person data and grades from text files exported by school software: one
// student per line, fields separated by TAB, ";" or CR, optionally framed by double
// quotes. Bytes are taken as they stand (code page 1252); a UTF-8 file is converted first
// (app/importkodierung).
#include <string>
#include <string_view>
#include <vector>

#include "basis/dateidialoge.h"
#include "basis/meldungen.h"
#include "classdata/klassenzustand.h"
#include "classdata/schuelerdatensatz.h"

namespace velmora {

inline constexpr const char* kPersonenImportFilter = "Textdatei (*.TXT)|*.TXT;*.CSV";
inline constexpr const char* kBewertungsImportFilter = "Textdateien (*.TXT; *.CSV)|*.TXT;*.CSV";

// Takes the next field off the front of `rest`. The field runs up to a TAB, ";" or CR or
// the end; a double quote anywhere but first closes it, and the character after that
// quote is dropped like a separator. The separator is removed from `rest`, every double
// quote from the field.
std::string NaechstesFeld(std::string_view& rest);

// True when no further field can be read from `rest`: it is empty or begins with CR.
bool ZeileZuEnde(std::string_view rest);

// Line i goes into slot i, for at most 35 lines; an empty line keeps its slot as it was.
// Fields: Name, Vornamen, Geburtsdatum, Geburtsort, Anrede letter, town, street, Klasse.
void ImportPersonendaten(const std::vector<std::string>& zeilen, TKlassenDatei& k);

// The Anrede for the first character of an import field: 1 "Herr", 2 "Frau", 0 "keine".
std::int16_t AnredeAusFeld(std::string_view feld);

// Each line's grades and hours go to the last slot whose Name and Vornamen equal its
// first two fields. Returns the number of lines that matched no slot.
int ImportBewertungen(const std::vector<std::string>& zeilen, TKlassenDatei& k);

// "Import beendet!\r<n> Datensätze konnten NICHT zugeordnet werden!"
std::string ImportBeendetText(int nichtZugeordnet);

// The open dialogs of the two imports.
DateiDialogWunsch PersonenImportDialog(const std::string& programmverzeichnis);
DateiDialogWunsch BewertungsImportDialog(const std::string& programmverzeichnis);

enum class ImportAusgang {
  Abgebrochen,  // the dialog or the warning about replaced characters was cancelled; nothing changed
  Fehler,       // the file could not be read; the error box was shown, nothing changed
  Importiert    // the class was filled and DatenGeaendert set
};

// The two commands without the refresh of the window: dialog, reading the whole file
// (a file error is shown in the "Fehler" box and leaves the class untouched), import,
// DatenGeaendert. The grade import shows its result box.
ImportAusgang PersonendatenImportieren(KlassenZustand& z, DateiDialoge& d, Meldungen& m,
                                       const std::string& programmverzeichnis);
ImportAusgang BewertungenImportieren(KlassenZustand& z, DateiDialoge& d, Meldungen& m,
                                     const std::string& programmverzeichnis);

}  // namespace velmora
