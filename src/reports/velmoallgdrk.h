#pragma once
// What the four report cards share: the page margins of a form, the page-aware drawing
// helpers (also used by the report-text lists), the grade wording, the strike-out patterns,
// the page prompt before every print job and the report body that draws one student.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "basis/meldungen.h"
#include "classdata/schuelerdatensatz.h"
#include "print/druckflaeche.h"
#include "print/formatsteuertabelle.h"
#include "print/zeilenpuffer.h"
#include "settings/druckeinstellungen.h"

namespace velmora {

// The origin of one form page, in 1/10 mm from the paper's left and top edge.
struct TSeitenRand {
  std::int32_t Links = 0;
  std::int32_t Oben = 0;
  bool operator==(const TSeitenRand&) const = default;
};

// Pages 1 to 4 of a form; element p-1 belongs to page p. Pages the form lacks stay 0.
using TSeitenRaender = std::array<TSeitenRand, 4>;

// Shift of a page's positions on the surface: the margin minus the printer's unprintable
// border, so that a margin is measured from the paper edge on any printer.
struct TSeitenVersatz {
  int dx = 0;
  int dy = 0;
  bool operator==(const TSeitenVersatz&) const = default;
};

// dx = Links - physical left offset, dy = Oben - physical top offset, the offsets
// converted from printer pixels with ZehntelMillimeter.
TSeitenVersatz SeitenVersatz(DruckFlaeche& flaeche, const TSeitenRand& rand);

// Sets the entry's font (always); then, only when Drucken = 1 and Seite equals `seite`,
// draws `text` at (X + dx, -(dy + Y)) of that page by the current alignment. A page
// outside 1..4 draws nothing. Positions far off the paper are held to the range of int.
void DruckeSeitenEintrag(DruckFlaeche& flaeche, const std::string& text, const TFormatEintrag& eintrag,
                         std::uint16_t seite, const TSeitenRaender& raender);

// Sets the entry's font (always); then, only when Drucken = 1 and Seite equals `seite`,
// draws lines 0..n-1 of `puffer` (empty ones too), line k at Y + k * abstand. An n of 0
// counts as 1; n is held to the buffer's size.
void DruckeSeitenZeilen(DruckFlaeche& flaeche, std::size_t n, int abstand, const TZeilenpuffer& puffer,
                        const TSeitenRaender& raender, std::uint16_t seite, const TFormatEintrag& eintrag);

// The L-shaped alignment corner: two 5 mm lines from the page's origin, one to the right,
// one downwards.
void DruckeEinstellecke(DruckFlaeche& flaeche, std::uint16_t seite, const TSeitenRaender& raender);

// The strike-out pattern over the pre-printed forms of address.
std::string AnredeStreichung(std::int16_t anrede, std::int16_t verlag);
void DruckeAnredeStreichung(DruckFlaeche& flaeche, std::int16_t anrede, std::int16_t verlag,
                            const TFormatEintrag& eintrag, std::uint16_t seite, const TSeitenRaender& raender);

// The strike-out pattern of the third subject on the forms of publisher 1.
std::string FachStreichung(const std::string& fach);
void DruckeFachStreichung(DruckFlaeche& flaeche, const std::string& fach, const TFormatEintrag& eintrag,
                          std::uint16_t seite, const TSeitenRaender& raender);

// The fixed-width text of the assessment column for the first character of `code`, in
// words or as a digit: 21 characters wide for publisher 2, 27 for publisher 3, 17 for
// every other value. An unknown or missing code gives the table's dash text; the codes
// "0", "o" and "O" give "kann nicht beurteilt werden", wider than the narrow tables.
std::string BewertungInWorten(const std::string& code, bool inWorten, std::int16_t verlag);

// The page prompt before every print job of a report card. The window layer shows the
// text in an "Information" box with "OK" and "Abbrechen"; tests answer from a script.
class FormularSeitenAbfrage {
 public:
  virtual ~FormularSeitenAbfrage() = default;
  // True only when the user chose "OK".
  virtual bool Frage(const std::string& text) = 0;
};

// The prompt through the message-box port: an "Information" box with OK and Cancel.
class MeldungsSeitenAbfrage : public FormularSeitenAbfrage {
 public:
  explicit MeldungsSeitenAbfrage(Meldungen& meldungen) : meldungen_(meldungen) {}
  bool Frage(const std::string& text) override;

 private:
  Meldungen& meldungen_;
};

// The prompt of a preview: it asks nothing, every page counts as confirmed.
class BestaetigteSeitenAbfrage : public FormularSeitenAbfrage {
 public:
  bool Frage(const std::string&) override { return true; }
};

// "Druck auf Formular: <form>\r für: <name>\r -- Seite(n) <label> von <count> --"
std::string FormularSeitenText(const std::string& formular, const std::string& name, const std::string& seite,
                               const std::string& seiten);
bool FrageFormularSeite(FormularSeitenAbfrage& abfrage, const std::string& formular, const std::string& name,
                        const std::string& seite, const std::string& seiten);

// The student's name as the reports print it: the first names with one blank behind them
// cut to 26 characters, then the surname, the whole cut to 51.
std::string ZeugnisName(const TSchuelerDatensatz& satz);
// Place and date: the place with ", " cut to 27 characters, then the date, the whole cut
// to 37.
std::string ZeugnisOrtDatum(const TSchuelerDatensatz& satz);

// The five counts of a report for the report body.
struct ZeugnisZaehler {
  int LetzteZeile;      // number of the last printed subject row (rows 0..LetzteZeile)
  int HinweisZeilen;    // lines of the wrapped Hinweise
  int BemerkungZeilen;  // lines of the wrapped Bemerkungen
  int Zeilenbreite;     // characters per wrapped line
  int Zeilenabstand;    // distance of the wrapped lines in 1/10 mm
  bool operator==(const ZeugnisZaehler&) const = default;
};

// The entries of the report forms' format control tables that the report body fills.
inline constexpr std::size_t kEintragSchulname = 1;  // centred
inline constexpr std::size_t kEintragAnrede = 4;     // strike-out pattern over the forms of address
inline constexpr std::size_t kEintragName = 5;
inline constexpr std::size_t kEintragGeburtsdatum = 7;
inline constexpr std::size_t kEintragGeburtsort = 8;
inline constexpr std::size_t kEintragWohnort = 9;
inline constexpr std::size_t kEintragFolgeName = 82;  // the name at the head of a later page
inline constexpr std::size_t kEintragVersaeumt = 84;
inline constexpr std::size_t kEintragEntschuldigt = 85;
inline constexpr std::size_t kEintragEintritt = 88;
inline constexpr std::size_t kEintragAustritt = 89;
inline constexpr std::size_t kEintragKlasse = 90;
inline constexpr std::size_t kEintragSchuljahrVon = 91;
inline constexpr std::size_t kEintragSchuljahrBis = 92;
inline constexpr std::size_t kEintragOrtDatum = 93;
// The two wrapped blocks.
inline constexpr std::size_t kEintragHinweise = 83;
inline constexpr std::size_t kEintragBemerkungen = 86;
// Subject row r takes the four entries FachzeilenEintrag(spalte, r): subject, learning
// field, assessment and remark from entry 10 on.
inline constexpr std::size_t kEintragFach = 10;
inline constexpr std::size_t kEintragLernfeld = 11;
inline constexpr std::size_t kEintragBewertung = 12;
inline constexpr std::size_t kEintragZusatz = 13;
inline constexpr std::size_t kEintraegeJeFachzeile = 4;
constexpr std::size_t FachzeilenEintrag(std::size_t spalte, std::size_t zeile) {
  return spalte + kEintraegeJeFachzeile * zeile;
}

// One item of a student's report sheet: the entry it stands at and what is drawn there.
// The report body draws a sheet's items in their order on every page of the sheet; each
// item appears only on the page its entry names. The fit check of the forms measures the
// same items.
struct ZeugnisPosten {
  enum class Art {
    Text,       // a text from the left end of its entry
    Mitte,      // a text centred on its entry (the school's name)
    Muster,     // a strike-out pattern (form of address, third subject of publisher 1)
    Fach,       // a subject's name in its row
    Lernfeld,   // a learning-field text in its row
    Bewertung,  // the assessment text, drawn with `zeichenabstand` extra spacing
    Block       // a text wrapped into `zeilen` lines of at most `breite` characters, `abstand` apart
  };
  Art art = Art::Text;
  std::size_t eintrag = 0;  // may lie past the table (rows past the last one): nothing is drawn
  std::string text;
  int zeichenabstand = 0;  // Bewertung
  std::size_t zeilen = 0;  // Block
  std::size_t breite = 0;  // Block
  int abstand = 0;         // Block
};

// The items of the student's sheet in drawing order: the names, the wrapped Hinweise, the
// subject rows (a learning field in the row after its subject, "##" subjects by their
// learning field only), the wrapped Bemerkungen, the dates. `schulname` is the school's
// report name; the assessments are in words when the settings say so and on the transition,
// leaving and final report.
std::vector<ZeugnisPosten> ZeugnisBlattPosten(const TSchuelerDatensatz& s, const TDruckEinstellungen& druck,
                                              std::int16_t verlag, const std::string& schulname,
                                              const ZeugnisZaehler& zaehler);

// What the report body needs besides the pages, the class, the table, the margins, the
// student and the counts.
struct ZeugnisKontext {
  DruckFlaeche& flaeche;
  const TDruckEinstellungen& druck;  // AlleInWorten, MitEinstellecke
  std::int16_t verlag;
  std::string schulname;  // the school's report name
  TZeilenpuffer& puffer;  // the shared line buffer (12 lines)
};

// One print job: pages ersteSeite..letzteSeite of the student `schueler` of `klasse`,
// all on the same sheet, each at its own page offset. Returns false (nothing drawn) for a
// student index outside the class or a job the printer refused; true otherwise.
bool DruckeZeugnisKoerper(const ZeugnisKontext& kontext, std::uint16_t ersteSeite, std::uint16_t letzteSeite,
                          const TKlassenDatei& klasse, const TFormatSteuerTabelle& tabelle,
                          const TSeitenRaender& raender, std::size_t schueler, const ZeugnisZaehler& zaehler);

// One print job for several students: each student's pages ersteSeite..letzteSeite on a
// sheet of its own, the students in the order given, every sheet as DruckeZeugnisKoerper
// draws it. The job is laid out on `blatt` and named `titel` in the printer's queue.
// Students outside the class are left out; with none left nothing is started. Returns
// false when nothing was printed or the printer refused or could not complete the job.
bool DruckeZeugnisBlaetter(const ZeugnisKontext& kontext, std::uint16_t ersteSeite, std::uint16_t letzteSeite,
                           const TKlassenDatei& klasse, const TFormatSteuerTabelle& tabelle,
                           const TSeitenRaender& raender, const std::vector<std::size_t>& schueler,
                           const ZeugnisZaehler& zaehler, Blattformat blatt, const std::string& titel);

}  // namespace velmora
