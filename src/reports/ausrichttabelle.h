#pragma once
// Aligning a printout with the real form: which table files there are, where a page's values
// count from on the paper, and moving and editing the entries of a table with undo.
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
#include "reports/weisseszeugnis.h"
#include "settings/druckeinstellungen.h"

namespace velmora {

// The printouts whose table can be aligned. The report on plain paper has two tables, its
// values and its labels; so has the data sheet.
enum class Ausdruckart {
  Testblatt,
  DatenblattWerte,
  DatenblattBeschriftungen,
  Zeugnis,
  WeissWerte,
  WeissBeschriftungen
};

// One choice of the window: a page of a table file.
struct AusrichtWahl {
  Ausdruckart art = Ausdruckart::Testblatt;
  Zeugnistyp typ = Zeugnistyp::Halbjahr;  // for the reports, on forms or on plain paper
  std::string datei;                      // "1BS_HJ.FST"
  // The form page; on plain paper 1 the first page and 2 the second (the following pages
  // share one layout); the internal sheets have one.
  std::uint16_t seite = 1;
  std::string name;  // "Halbjahreszeugnis, Seite 1 (1BS_HJ.FST)"
};

bool AufWeissemPapier(const AusrichtWahl& wahl);

// Every table file of the printouts with each of its pages, the report tables those of the
// publisher `verlag` (the files the report command would use).
std::vector<AusrichtWahl> AusrichtWahlen(std::int16_t verlag);
// The choice the window starts with: the publisher's half-year report, page 1.
std::size_t StartWahl(const std::vector<AusrichtWahl>& wahlen);

// Reads the table of a choice, or creates a missing file from its built-in layout exactly as
// the printout would. Errors throw EAFehler.
void LadeAusrichtTabelle(const AusrichtWahl& wahl, std::int16_t verlag, TFormatSteuerTabelle& tabelle,
                         std::string& titel, Meldungen& meldungen);

// The other table the same printout draws with, on the same page (the data sheet's labels
// for its values, and so on); nothing for the test sheet and the report forms.
std::optional<AusrichtWahl> PartnerWahl(const AusrichtWahl& wahl);

// The paper a page lies on, in 1/10 mm: A4 portrait, or A3 landscape where the printout shifts
// the page by 210 mm (the three-page reports with print mode 2).
struct Papier {
  int breite = 2100;
  int hoehe = 2970;
  bool operator==(const Papier&) const = default;
};
Papier PapierFuer(const AusrichtWahl& wahl, const TDruckEinstellungen& druck);

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
  TWeissAusstattung weiss{};    // the head, logo and statements of the reports on plain paper
};

// The margins the printout of a report page uses, with the 210 mm shift of a page on the
// right half of an A3 sheet.
TSeitenRaender AusrichtRaender(const AusrichtWahl& wahl, const TDruckEinstellungen& druck);

// The point of the paper from which the chosen page's X and Y count, in 1/10 mm: the margin
// pair of the page for the reports (210 mm further right where the page lies on the right half
// of an A3 sheet), the printer's unprintable border and 15 mm for the internal sheets; and
// where a text's reference point lies on it.
struct Seitenursprung {
  int x = 0;
  int y = 0;
  Textausrichtung ausrichtung = Textausrichtung::LinksUnten;
};
Seitenursprung UrsprungDerSeite(const AusrichtUmgebung& u, const AusrichtWahl& wahl);

// The table being aligned: moving and editing entries, undo, and whether it was changed.
class AusrichtTabelle {
 public:
  enum class Feld { X, Y, Schrift, Seite, Drucken };

  AusrichtTabelle() = default;
  AusrichtTabelle(TFormatSteuerTabelle tabelle, std::string titel, Papier papier, Seitenursprung ursprung)
      : tabelle_(tabelle), gespeichert_(tabelle), titel_(std::move(titel)), papier_(papier), ursprung_(ursprung) {}

  const TFormatSteuerTabelle& Tabelle() const { return tabelle_; }
  const std::string& Titel() const { return titel_; }
  // Whether the table differs from the file as loaded or last written.
  bool Geaendert() const { return tabelle_ != gespeichert_; }

  // Moves the entries by (dx, dy) in 1/10 mm, held to 0..65535 and to the paper: an entry
  // moved by the mouse or the keys never leaves the paper. One step of undo.
  void Verschiebe(const std::vector<std::size_t>& eintraege, int dx, int dy);
  // Sets one value as typed into the table: any value 0..65535, also off the paper.
  void Setze(std::size_t eintrag, Feld feld, std::uint16_t wert);
  // Undoes the last change (also one made before the last save); false when there is
  // nothing to undo.
  bool Rueckgaengig();
  bool KannRueckgaengig() const { return !frueher_.empty(); }
  // Another page of the same table: the paper and origin the moves are held to.
  void SetzeSeite(Papier papier, Seitenursprung ursprung) {
    papier_ = papier;
    ursprung_ = ursprung;
  }
  // After the file was written.
  void Gespeichert() { gespeichert_ = tabelle_; }

 private:
  void Merke();

  TFormatSteuerTabelle tabelle_{};
  TFormatSteuerTabelle gespeichert_{};
  std::string titel_;
  Papier papier_;
  Seitenursprung ursprung_;
  std::vector<TFormatSteuerTabelle> frueher_;
};

// The entries "Alle verschieben" moves: every entry of the chosen page, printed or not; the
// internal sheets have one page, whatever the entries' Seite says. On plain paper every
// entry of the table but the measures 96..99, which are no positions.
std::vector<std::size_t> EintraegeDerSeite(const AusrichtWahl& wahl, const TFormatSteuerTabelle& tabelle);

}  // namespace velmora
