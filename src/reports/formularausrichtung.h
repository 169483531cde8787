#pragma once
// Aligning a printout with the real form: which table files there are, what each entry of a
// page prints for the current student and where on the paper, moving entries with undo, the
// scan of the form laid under the page, and writing the table back.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "basis/meldungen.h"
#include "basis/uhr.h"
#include "classdata/schuelerdatensatz.h"
#include "print/druckflaeche.h"
#include "print/formatsteuertabelle.h"
#include "reports/drucken1.h"
#include "settings/druckeinstellungen.h"

namespace velmora {

// The printouts whose table can be aligned.
enum class Ausdruckart { Testblatt, DatenblattWerte, DatenblattBeschriftungen, Zeugnis };

// One choice of the window: a page of a table file.
struct AusrichtWahl {
  Ausdruckart art = Ausdruckart::Testblatt;
  Zeugnistyp typ = Zeugnistyp::Halbjahr;  // for Ausdruckart::Zeugnis
  std::string datei;                      // "1BS_HJ.FST"
  std::uint16_t seite = 1;                // the form page; the internal sheets have one
  std::string name;                       // "Halbjahreszeugnis, Seite 1 (1BS_HJ.FST)"
};

// Every table file of the printouts with each of its pages, the report tables those of the
// publisher `verlag` (the files the report command would use).
std::vector<AusrichtWahl> AusrichtWahlen(std::int16_t verlag);
// The choice the window starts with: the publisher's half-year report, page 1.
std::size_t StartWahl(const std::vector<AusrichtWahl>& wahlen);

// Reads the table of a choice, or creates a missing file from its built-in layout exactly as
// the printout would. Errors throw EAFehler.
void LadeAusrichtTabelle(const AusrichtWahl& wahl, std::int16_t verlag, TFormatSteuerTabelle& tabelle,
                         std::string& titel, Meldungen& meldungen);

// The paper a page lies on, in 1/10 mm: A4 portrait, or A3 landscape where the printout shifts
// the page by 210 mm (the three-page reports with print mode 2).
struct Papier {
  int breite = 2100;
  int hoehe = 2970;
  bool operator==(const Papier&) const = default;
};
Papier PapierFuer(const AusrichtWahl& wahl, const TDruckEinstellungen& druck);

// A text as the printout draws it, placed on the paper: (x, y) is its reference point in 1/10
// mm from the paper's top-left corner, y downwards; the font and placement rules are those of
// the printer surface.
struct GezeichneterText {
  std::string text;
  int x = 0;
  int y = 0;
  std::uint16_t stil = 0;
  int hoehe = 45;
  std::string schrift;
  Textausrichtung ausrichtung = Textausrichtung::LinksUnten;
  int zeichenabstand = 0;
  bool operator==(const GezeichneterText&) const = default;
};

// What one entry shows on the page. `nurNummer` marks an entry for which the printout draws
// nothing with this student: it then shows its number at its place.
struct EintragsBild {
  std::size_t eintrag = 0;
  bool gedruckt = true;  // Drucken is 1; otherwise shown greyed on demand
  bool nurNummer = false;
  std::vector<GezeichneterText> texte;
};

// Everything the page view needs besides the table.
struct AusrichtUmgebung {
  const TKlassenDatei& klasse;
  std::size_t schueler;
  const TDruckEinstellungen& druck;
  std::int16_t verlag;
  std::string zeugnisname;
  std::string kurzname;
  Datum heute;
  DruckerFaehigkeiten drucker;  // the printer's unprintable border places the internal sheets
};

// The point of the paper from which the chosen page's X and Y count, in 1/10 mm: the margin
// pair of the page for the reports (210 mm further right where the page lies on the right half
// of an A3 sheet), the printer's unprintable border and 15 mm for the internal sheets.
struct Seitenursprung {
  int x = 0;
  int y = 0;
};
Seitenursprung UrsprungDerSeite(const AusrichtUmgebung& u, const AusrichtWahl& wahl);

// Runs the printout of the chosen page once for each entry on it, with only that entry
// switched on, and collects what it draws. With `auchNichtGedruckte` the entries whose
// Drucken is not 1 are drawn too (as if they were printed). Entries of other pages are left out.
std::vector<EintragsBild> ZeichneAusrichtSeite(const AusrichtUmgebung& u, const AusrichtWahl& wahl,
                                               const TFormatSteuerTabelle& tabelle, bool auchNichtGedruckte);

// The table being aligned: moving and editing entries, undo, and whether it was changed.
class AusrichtTabelle {
 public:
  enum class Feld { X, Y, Schrift, Seite, Drucken };

  AusrichtTabelle() = default;
  AusrichtTabelle(TFormatSteuerTabelle tabelle, std::string titel, Papier papier, Seitenursprung ursprung)
      : tabelle_(tabelle), titel_(std::move(titel)), papier_(papier), ursprung_(ursprung) {}

  const TFormatSteuerTabelle& Tabelle() const { return tabelle_; }
  const std::string& Titel() const { return titel_; }
  bool Geaendert() const { return geaendert_; }

  // Moves the entries by (dx, dy) in 1/10 mm, held to 0..65535 and to the paper: an entry
  // moved by the mouse or the keys never leaves the paper. One step of undo.
  void Verschiebe(const std::vector<std::size_t>& eintraege, int dx, int dy);
  // Sets one value as typed into the table: any value 0..65535, also off the paper.
  void Setze(std::size_t eintrag, Feld feld, std::uint16_t wert);
  // Undoes the last change; false when there is nothing to undo.
  bool Rueckgaengig();
  bool KannRueckgaengig() const { return !frueher_.empty(); }
  // After the file was written.
  void Gespeichert() { geaendert_ = false; }

 private:
  void Merke();

  TFormatSteuerTabelle tabelle_{};
  std::string titel_;
  Papier papier_;
  Seitenursprung ursprung_;
  std::vector<TFormatSteuerTabelle> frueher_;
  bool geaendert_ = false;
};

// The entries of `seite` that `wahl` shows (for "Alle verschieben"): every entry of the page,
// printed or not; the internal sheets have one page, whatever the entries' Seite says.
std::vector<std::size_t> EintraegeDerSeite(const AusrichtWahl& wahl, const TFormatSteuerTabelle& tabelle);

// The scan of the form under the page: an image file and how it is laid on the paper.
struct Hintergrund {
  std::string bild;        // path of the image (code page 1252)
  double links = 0;        // where the image's top-left corner lies on the paper, in 1/10 mm
  double oben = 0;
  double massstab = 1.0;   // 1: the image as wide as the paper
  bool operator==(const Hintergrund&) const = default;
};
// "<table>.hintergrund.txt" beside the table file.
std::string HintergrundDatei(const std::string& tabellenDatei);
// Reads the settings of a table's background; nothing when there are none. A line that cannot
// be read keeps its value's default.
std::optional<Hintergrund> LadeHintergrund(const std::string& tabellenDatei);
void SpeichereHintergrund(const std::string& tabellenDatei, const Hintergrund& h);

}  // namespace velmora
