#pragma once
// The school's archive of the reports it issued. For every report printed (one student or
// the class, on the forms or on plain paper, on paper or into a PDF file; not the preview),
// when the archive settings say so, and for every printable student with the command
// "Archivkopie der Klasse anlegen", the archive gets a copy of the complete report on plain
// paper, drawn by the same code as "Zeugnis auf weißes Papier", as a PDF/A file
//   <Archiv>/<Schuljahr>/<Klasse>/<Name>-<Vornamen>-<Zeugnisart>-<Zeugnisdatum>.pdf
// ("2026-2027/BS 11a/Muster-Erika-Abschlusszeugnis-2027-07-15.pdf"), never over an earlier
// copy ("-2", "-3" are added), and a line in the list of issued reports (zeugnisliste.h).
// A copy that cannot be written never undoes the print: it is named in a "Warnung" after it.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "basis/meldungen.h"
#include "basis/uhr.h"
#include "print/archivpdf.h"
#include "printcommands/druckkontext.h"
#include "reports/drucken1.h"
#include "reports/zeugnisliste.h"
#include "settings/archiveinstellungen.h"

namespace velmora {

// The "papier" of a copy written without a print.
inline constexpr const char* kOhneDruck = "ohne Druck";
// The "papier" of a report printed on plain paper.
std::string WeissesPapierText();

// A part of a copy's path as every system takes it: the characters Windows forbids in a
// name as "_" (ErlaubterDateiname), no blanks around it, a dot or blank at its end (which
// Windows would drop) as "_", a device name of Windows ("CON", "NUL", "COM1", "LPT1", ...,
// also before a dot) with "_" in front; `ersatz` where the text is blank. So no part is "."
// or "..", and no part leads out of its folder.
std::string ArchivNamensteil(const std::string& text, const std::string& ersatz);
// The folder of the school year: "2026-2027"; the one year where only one is given; "ohne
// Schuljahr" where neither is.
std::string ArchivSchuljahr(const TSchuelerDatensatz& satz);
// The report date in the file name: "2027-07-15" for a date written dd.mm.yyyy (sorted by
// date in a folder), any other text as typed, "ohne Datum" where it is blank.
std::string ArchivZeugnisdatum(const TSchuelerDatensatz& satz);

// A copy's place in the archive folder, each part through ArchivNamensteil.
struct ArchivOrt {
  std::string schuljahr;  // "2026-2027"
  std::string klasse;     // the class as Klassenbezeichnung names it; "ohne Klasse"
  std::string datei;      // "Muster-Erika-Abschlusszeugnis-2027-07-15.pdf"
  bool operator==(const ArchivOrt&) const = default;
};
ArchivOrt ArchivOrtFuer(const KlassenZustand& klasse, std::size_t schueler, Zeugnistyp typ);

// The first of "<name>.pdf", "<name>-2.pdf", "<name>-3.pdf", ... that is not there yet.
std::filesystem::path FreierArchivname(const std::filesystem::path& datei);

// The copy's metadata: the title "Abschlusszeugnis – Erika Muster", the school as author.
PdfAAngaben ArchivAngaben(const TSchuelerDatensatz& satz, Zeugnistyp typ, const std::string& schule);

// The school year as the list names it: "2026/2027" (the two fields as typed), empty where
// both are blank.
std::string ListenSchuljahr(const TSchuelerDatensatz& satz);

// What writing archive copies came to; paths as the user reads them.
struct ArchivFehler {
  std::string datei;
  int nummer = 0;
  bool operator==(const ArchivFehler&) const = default;
};
struct ArchivErgebnis {
  int geschrieben = 0;
  std::vector<std::string> ordner;            // the folders written into, each once
  std::vector<ArchivFehler> kopien;           // copies that are not there
  std::optional<ArchivFehler> liste;          // the list that could not take its line
  std::optional<ArchivFehler> einstellungen;  // ARCHIV.DAT could not be read: no copy at all
  // What reading the head, logo and statements for the copies gave reason to warn about,
  // where the print did not show it already (a print on the forms, copies without a print).
  std::vector<std::string> hinweise;
};

// The "Warnung" of what went wrong; after a print it says that the print stands. Empty when
// nothing went wrong.
std::string ArchivWarnung(const ArchivErgebnis& ergebnis, bool nachDemDruck);
// The closing "Information" of the class command: how many copies, in which folders.
std::string ArchivInformation(const ArchivErgebnis& ergebnis);

class Zeugnisarchiv {
 public:
  Zeugnisarchiv(const DruckKontext& kontext, ArchivEinstellungen& einstellungen, ArchivPdf& pdf, const Uhr& uhr,
                Meldungen& meldungen)
      : kontext_(kontext), einstellungen_(einstellungen), pdf_(pdf), uhr_(uhr), meldungen_(meldungen) {}

  // After a print: where the settings switch archive copies on, one copy for each slot of
  // `gedruckt` (whose report was printed, in whole or in part), `papier` the publisher of the
  // forms or WeissesPapierText(). Shows nothing: the command shows its closing notice first,
  // then MeldeNachDemDruck.
  ArchivErgebnis NachDemDruck(const std::vector<std::size_t>& gedruckt, const std::string& papier);
  void MeldeNachDemDruck(const ArchivErgebnis& ergebnis);

  // "Datei > Archiv&kopie der Klasse anlegen...": after a question, a copy for every student
  // whose report the single report command would print, without printing; then an
  // "Information" how many were written and where, and a "Warnung" of what went wrong.
  void KlasseAnlegen();

 private:
  ArchivErgebnis Schreibe(const std::vector<std::size_t>& schueler, const std::string& papier);
  std::filesystem::path Archivordner() const;

  DruckKontext kontext_;
  ArchivEinstellungen& einstellungen_;
  ArchivPdf& pdf_;
  const Uhr& uhr_;
  Meldungen& meldungen_;
};

}  // namespace velmora
