#pragma once
// The complete report card on plain A4 paper: school, title, school year, labelled person
// and report data, the subject table, the report texts, place and date, signature lines,
// seal field, the parents' line and the grading key. Laid out by two format control tables
// per report type, created from built-in layouts when missing:
//   values "WP_HJ.FST", "WP_EJ.FST", "WP_ABG.FST", "WP_ABS.FST" and
//   labels "WP_HJR.FST", "WP_EJR.FST", "WP_ABGR.FST", "WP_ABSR.FST".
// Both tables number their items alike: value item k and label item k belong together.
//
// How the entries are read (the report's page origin is the margin pair of the print
// settings' row of the report type: "Seite 1" for the first sheet, "Seite 2" for every
// following one):
// - Fixed items stand at (X, Y), the bottom of the character cell on Y, left-aligned or
//   centred on X. Their Seite: 1 first page, 2 every following page, 3 last page, 4 every
//   page of a report that has more than one.
// - Flowing blocks (person data 5, subject table 10, Hinweise 83, Bemerkungen 86, missed
//   lessons 84, and on the final and leaving report each paragraph of the closing statements
//   87) are placed by one value entry each: X, font, Y as the earliest line and Seite as the
//   earliest page. They follow each other in the order of (Seite, Y), one line pitch plus
//   the block gap apart, wrap to the right margin and continue on a new page when the page is
//   full. The lines of a block use the X, font and print flag of their items; the Y of those
//   items is not read. Blocks of equal (Seite, Y) keep the order of this list.
// - The head (value entry 1): the report name of the school, centred on X, as any fixed item.
//   Where the school has written SCHULKOPF.TXT or laid a logo into the working directory, the
//   head is those lines instead (the first in the font of entry 1, the address and the school
//   number in that of entry 2), each wrapped to the text width and centred, with the logo at
//   the text area's left edge, at most 25 mm high, and the lines centred in the room right of
//   it. The head's top is the top of entry 1's first line; everything of the first page
//   below entry 1 (fixed items, lines, the blocks' earliest lines) moves down by as much as
//   the head reaches further down than that one line.
// - Lines and the seal frame are given by two entries: k is one end (or corner), k+1 the
//   other; Seite and Drucken of k count.
// - Value entries 96..99 are measures: Y of 96 the first line on following pages, X of 97
//   the width of the text area and Y of 97 its lowest line, Y of 98 the line pitch, Y of 99
//   the extra gap between blocks. On the last page the flowing text ends above the closing
//   items (Seite 3).
// Nothing is drawn right of the paper's width less 15 mm: where the margins leave less room
// than the text area's width, every X is scaled down; texts wrap before the right edge, and a
// fixed text that would still cross it moves left.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "basis/meldungen.h"
#include "classdata/schuelerdatensatz.h"
#include "print/druckflaeche.h"
#include "print/formatsteuertabelle.h"
#include "reports/drucken1.h"
#include "reports/schulkopf.h"
#include "reports/velmoallgdrk.h"
#include "reports/zeugnisvermerke.h"
#include "settings/druckeinstellungen.h"

namespace velmora {

// Item numbers of the plain-paper tables.
namespace wp {
inline constexpr std::size_t Titel = 0;      // label: "Halbjahreszeugnis", ... (centred)
inline constexpr std::size_t Schulname = 1;  // value: the school's report name (centred)
inline constexpr std::size_t Schulart = 2;   // value: "Berufsschule" (centred)
inline constexpr std::size_t Schuljahr = 3;  // value: "Schuljahr 2026/2027" (centred)
inline constexpr std::size_t Person = 5;     // block; label and value: name
inline constexpr std::size_t Geburtsdatum = 7;
inline constexpr std::size_t Geburtsort = 8;
inline constexpr std::size_t Klasse = 90;
inline constexpr std::size_t Fachrichtung = 40;  // this and the next two only where filled
inline constexpr std::size_t Schwerpunkt = 41;
inline constexpr std::size_t Berufsbezeichnung = 42;
inline constexpr std::size_t Durchschnittsnote = 43;
inline constexpr std::size_t Eintritt = 88;
inline constexpr std::size_t Austritt = 89;
inline constexpr std::size_t Faecher = 10;    // block; subject column and its head
inline constexpr std::size_t Lernfeld = 11;   // learning-field lines under a subject
inline constexpr std::size_t Bewertung = 12;  // assessment in words, centred on X
inline constexpr std::size_t Zusatz = 13;
inline constexpr std::size_t KopfLinie = 14;    // label: rule under the column heads (X from, Y below)
inline constexpr std::size_t Hinweise = 83;     // block
inline constexpr std::size_t Bemerkungen = 86;  // block
inline constexpr std::size_t Versaeumt = 84;    // block: missed lessons
inline constexpr std::size_t Entschuldigt = 85;
inline constexpr std::size_t FolgeName = 82;  // head of following pages
inline constexpr std::size_t OrtDatum = 93;
inline constexpr std::size_t Vermerk = 87;            // blocks: the closing statements, one per paragraph
inline constexpr std::size_t KopfStrich = 50;         // label line 50/51 under the school's name
inline constexpr std::size_t FolgeStrich = 52;        // label line 52/53 under the head of following pages
inline constexpr std::size_t UnterschriftLinks = 60;  // line 60/61
inline constexpr std::size_t UnterschriftLinksText = 62;
inline constexpr std::size_t UnterschriftRechts = 63;  // line 63/64
inline constexpr std::size_t UnterschriftRechtsText = 65;
inline constexpr std::size_t Siegel = 66;  // frame 66/67
inline constexpr std::size_t SiegelText = 68;
inline constexpr std::size_t Eltern = 69;             // line 69/70 for the parents' acknowledgement
inline constexpr std::size_t ElternText = 71;         // under the line
inline constexpr std::size_t ElternBezeichnung = 72;  // before the line
inline constexpr std::size_t Notenschluessel = 75;
inline constexpr std::size_t Seitenzahl = 78;  // "Seite 1 von 2" (centred)
inline constexpr std::size_t FolgeAnfang = 96;
inline constexpr std::size_t Textbereich = 97;  // X its width, Y its lowest line
inline constexpr std::size_t Zeilenabstand = 98;
inline constexpr std::size_t Blockabstand = 99;

// The block whose flow places an entry of which only X counts (the person data, the subject
// columns, the excused lessons); any other entry is its own.
constexpr std::size_t Anker(std::size_t eintrag) {
  switch (eintrag) {
    case Geburtsdatum:
    case Geburtsort:
    case Klasse:
    case Fachrichtung:
    case Schwerpunkt:
    case Berufsbezeichnung:
    case Durchschnittsnote:
    case Eintritt:
    case Austritt:
      return Person;
    case Lernfeld:
    case Bewertung:
    case Zusatz:
      return Faecher;
    case Entschuldigt:
      return Versaeumt;
    default:
      return eintrag;
  }
}
}  // namespace wp

// "WP_HJ.FST" and the like; with `bezeichner` the label table ("WP_HJR.FST").
std::string WeissDateiname(Zeugnistyp typ, bool bezeichner);

struct TWeissVorlage {
  TFormatVorlage Werte, Bezeichner;
};
// The built-in layouts of the report type.
TWeissVorlage WeissVorlage(Zeugnistyp typ);

// "Halbjahreszeugnis", "Jahreszeugnis", "Abgangszeugnis", "Abschlusszeugnis".
std::string WeissTitel(Zeugnistyp typ);

// Entries the layout gained after schools' table files were written (the closing statements
// 87) stand all zero in such a file, as the built-in layouts start from all-zero entries:
// they take the value of the built-in layout `vorlage`, so that an older file prints them too.
void ErgaenzeWeissTabelle(TFormatSteuerTabelle& tabelle, const TFormatSteuerTabelle& vorlage);

// What the report prints besides the record and its tables: the school's head and logo, the
// closing statements. As it stands, what a working directory without the files prints: the
// report name as the head, no logo, the built-in statements.
struct TWeissAusstattung {
  TSchulkopf Kopf;
  TZeugnisvermerke Vermerke;
  bool operator==(const TWeissAusstattung&) const = default;
};

// Whether a fixed item with this Seite value belongs on page `seite` (from 0) of a report of
// `seiten` pages: 1 the first page, 2 every further page, 3 the last page, 4 every page of a
// report with more than one page.
bool WeissSeiteGilt(std::uint16_t seitenwert, std::size_t seite, std::size_t seiten);

struct TWeissTabellen {
  TFormatSteuerTabelle Werte, Bezeichner;
};

// The files of one print command, each read once: a report type's pair of tables on its
// first use (an existing file is read, a faulty one is reported through `meldungen` and used
// as read; a missing one is written from the built-in layout; file errors throw EAFehler),
// with the first of them the school's head and logo, with the first final or leaving report
// the closing statements. What those files give reason to warn about (a logo that cannot be
// printed, an unknown field, ...) is collected and shown by MeldeWarnungen.
class WeissTabellenVorrat {
 public:
  explicit WeissTabellenVorrat(Meldungen& meldungen) : meldungen_(meldungen) {}
  const TWeissTabellen& Fuer(Zeugnistyp typ);
  // Reads the head, the logo and the report type's statements where not yet read.
  const TWeissAusstattung& AusstattungFuer(Zeugnistyp typ);
  // What the files read so far give the report.
  const TWeissAusstattung& Ausstattung() const { return ausstattung_; }
  // Shows what the files read so far gave reason to warn about in one "Warnung", once; a
  // command calls it after reading and before printing. Nothing when there is nothing new.
  void MeldeWarnungen();
  // The same warnings as texts, for a caller that shows them later with its own; taken, so
  // that they are not shown twice.
  std::vector<std::string> NimmWarnungen() { return std::exchange(warnungen_, {}); }

 private:
  Meldungen& meldungen_;
  std::map<Zeugnistyp, TWeissTabellen> geladen_;
  bool kopfGelesen_ = false, vermerkeGelesen_ = false;
  std::vector<Zeugnistyp> felderGeprueft_;
  TWeissAusstattung ausstattung_;
  std::vector<std::string> warnungen_;
};

// One planned page, in the page's own coordinates: X to the right of and Y below the page
// origin, a text's Y the bottom of its character cell. Every text and line names the entry
// that placed it (its item number, and whether of the label table), so that the form
// alignment can tell which entry a mark on the page belongs to.
struct TWeissText {
  int X = 0, Y = 0;
  std::uint16_t Schrift = 0;
  bool Zentriert = false;
  std::string Text;
  std::size_t Eintrag = 0;
  bool Bezeichner = false;
};
struct TWeissStrich {
  int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  std::size_t Eintrag = 0;
  bool Bezeichner = true;
};
// An image (the logo) by two opposite corners.
struct TWeissBild {
  int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  std::string Datei;
  std::size_t Eintrag = wp::Schulname;
  bool Bezeichner = false;
};
struct TWeissSeite {
  std::size_t Rand = 0;  // margin pair: 0 the first sheet, 1 every following one
  std::vector<TWeissText> Texte;
  std::vector<TWeissStrich> Striche;
  std::vector<TWeissStrich> Rahmen;  // rectangles by two opposite corners
  std::vector<TWeissBild> Bilder;
};

// Lays out one student's report on as many pages as it needs.
std::vector<TWeissSeite> PlaneWeissesZeugnis(const TWeissTabellen& tabellen, Zeugnistyp typ,
                                             const TSeitenRaender& raender, const TSchuelerDatensatz& satz,
                                             const std::string& schulname, const TWeissAusstattung& ausstattung = {});

// Draws planned pages into the print job the caller has begun, the first onto the open page,
// every further one after NeueSeite.
void ZeichneWeisseSeiten(DruckFlaeche& flaeche, const std::vector<TWeissSeite>& seiten, const TSeitenRaender& raender);

// What drawing a plain-paper report needs.
struct WeissKontext {
  DruckFlaeche& flaeche;
  const TDruckEinstellungen& druck;  // the margins
  std::string schulname;             // the school's report name
  WeissTabellenVorrat& tabellen;
};

// Draws all pages of the report of student `schueler` into the print job the caller has
// begun, with the head and statements of `kontext.tabellen`: the first page onto the page
// that is open (it should be empty), every further page after NeueSeite. It neither begins nor ends the document, so a
// class print or a preview can put many reports into one job (calling NeueSeite between two students). The report type
// is the student's Zeugnisart. Returns the number of pages drawn: 0 (nothing drawn) for an index outside the class or a
// report type without a plain-paper layout. A table that cannot be read or written throws EAFehler before anything of
// this student is drawn; a caller that prints many students loads their report types' tables (tabellen.Fuer) before it
// begins the job, so that such an error ends the command before any printing.
int DruckeWeissesZeugnis(const WeissKontext& kontext, const TKlassenDatei& klasse, std::size_t schueler);

// The report as one print job of its own, for the menu command: loads the tables first (so
// a file error prints nothing) and shows the warnings about the files, then begins the
// document, draws and ends it. False when nothing was printed or the printer refused the job.
bool DruckeWeissesZeugnisAuftrag(const WeissKontext& kontext, const TKlassenDatei& klasse, std::size_t schueler);

}  // namespace velmora
