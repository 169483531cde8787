#pragma once
// The four report layouts: half-year and year report on two-page forms, leaving and final
// report on three-page forms. Each finds the format control table of the form publisher
// (or creates it from the built-in layout), takes the page margins from the print settings
// and prints one job per form page or sheet, each after the page prompt.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "basis/meldungen.h"
#include "classdata/schuelerdatensatz.h"
#include "print/formatsteuertabelle.h"
#include "reports/velmoallgdrk.h"
#include "settings/druckeinstellungen.h"

namespace velmora {

enum class Zeugnistyp { Halbjahr, Jahr, Abgang, Abschluss };

// The layout of a record's report type: 1 half-year, 2 year, 4 leaving, 5 final report;
// none for the transition report (3) and every other value.
std::optional<Zeugnistyp> ZeugnistypVon(std::int16_t zeugnisart);

// The table file of a report: "BS_HJ.FST", "BS_EJ.FST", "BS_ABG.FST", "BS_ABS.FST", with
// the publisher's digit in front for publishers 1 to 4.
std::string ZeugnisDateiname(Zeugnistyp typ, std::int16_t verlag);

// The built-in layout a missing table file is created from: the publisher's title and the
// report's table.
TFormatVorlage ZeugnisVorlage(Zeugnistyp typ, std::int16_t verlag);

// What becomes of a missing table file: a print writes it from the built-in layout; a
// check only reads and takes the built-in layout as it is.
enum class FehlendeTabelle { Anlegen, NurLesen };

// Loads the table file `dateiname`, or, when it does not exist, takes `vorlage` and writes
// it to that file (the table in memory is then used as it is; with NurLesen nothing is
// written). Errors throw EAFehler.
void LadeZeugnisTabelle(TFormatSteuerTabelle& tabelle, const std::string& dateiname, const TFormatVorlage& vorlage,
                        std::string& titel, Meldungen& meldungen, FehlendeTabelle fehlend = FehlendeTabelle::Anlegen);

// The margins of the report's form pages from the print settings; the other pairs are 0.
TSeitenRaender ZeugnisRaender(Zeugnistyp typ, const TDruckEinstellungen& druck);

// The five counts a report hands to the report body.
ZeugnisZaehler ZeugnisZaehlerFuer(Zeugnistyp typ, std::int16_t verlag);

// Everything a layout routine reads besides the class and the student.
struct ZeugnisUmgebung {
  DruckFlaeche& flaeche;
  Meldungen& meldungen;  // a faulty table file's notice
  FormularSeitenAbfrage& abfrage;
  const TDruckEinstellungen& druck;
  std::int16_t verlag;
  std::string schulname;
  TZeilenpuffer& puffer;
};

// A report's form as one print command uses it: the table file loaded (or created from the
// built-in layout), its title for the page prompts, the margins and the counts.
struct ZeugnisFormular {
  Zeugnistyp typ = Zeugnistyp::Halbjahr;
  TFormatSteuerTabelle tabelle{};
  std::string titel;
  TSeitenRaender raender{};
  ZeugnisZaehler zaehler{};
};
// Loads or creates the report's table file for the publisher (NurLesen: loads it, or takes
// the built-in layout without writing it). Errors throw EAFehler.
ZeugnisFormular LadeZeugnisFormular(Zeugnistyp typ, std::int16_t verlag, const TDruckEinstellungen& druck,
                                    Meldungen& meldungen, FehlendeTabelle fehlend = FehlendeTabelle::Anlegen);

// One print job of a report's page sequence: what the page prompt names, the form pages
// the job draws, and the page drawn 210 mm further right (0: none), beside another form
// page on the same side of the sheet.
struct ZeugnisAuftrag {
  std::string seite;   // "1", "2 + 3", "(4 +) 1"
  std::string seiten;  // the form's page count, "2" or "3"
  std::uint16_t erste = 1;
  std::uint16_t letzte = 1;
  std::uint16_t verschobeneSeite = 0;
  // A job with a shifted page is laid out on A3 landscape, so that both form pages are on
  // the paper.
  Blattformat Blatt() const { return verschobeneSeite != 0 ? Blattformat::A3Quer : Blattformat::A4Hoch; }
  bool operator==(const ZeugnisAuftrag&) const = default;
};

// The jobs of a report in order, by its form and the print mode: one page per job for the
// two-page forms and for print mode 1; print mode 2 puts the three-page forms' pages
// side by side ("(4 +) 1", then "2 + 3"). `nurInnen` leaves page 1 of the three-page forms
// out. Print modes other than 1 and 2 give no job.
std::vector<ZeugnisAuftrag> ZeugnisSeitenfolge(Zeugnistyp typ, std::int16_t druckart, bool nurInnen);

// The largest sheet of the jobs: A3 landscape when any of them needs it.
Blattformat GroesstesBlatt(const std::vector<ZeugnisAuftrag>& folge);

// The margins of one job: the form's margins with the job's shifted page 210 mm further
// right.
TSeitenRaender AuftragsRaender(const TSeitenRaender& raender, const ZeugnisAuftrag& auftrag);

// How far a page sequence came.
struct ZeugnisDruckStand {
  std::size_t auftraege = 0;  // jobs of the sequence
  std::size_t gedruckt = 0;   // jobs confirmed and printed
  bool abgebrochen = false;   // the printer refused or could not complete a job
};

// Prints a report's page sequence for the students `schueler`: before each job the page
// prompt for the form naming `fuer`, then one job that holds every student's sheet, in the
// order given. A cancelled prompt skips that job only; a job the printer refused ends the
// sequence.
ZeugnisDruckStand DruckeZeugnisFormular(const ZeugnisFormular& formular, const ZeugnisUmgebung& u,
                                        const TKlassenDatei& klasse, const std::vector<std::size_t>& schueler,
                                        const std::string& fuer);

// The layout routines. Print modes other than 1 and 2 print nothing (a missing table file
// is still created). A failed table write throws EAFehler before anything is printed. A
// print job the printer refuses ends the routine: no further page prompt follows.
void DruckeHalbjahreszeugnis(const ZeugnisUmgebung& u, const TKlassenDatei& klasse, std::size_t schueler);
void DruckeJahreszeugnis(const ZeugnisUmgebung& u, const TKlassenDatei& klasse, std::size_t schueler);
void DruckeAbgangszeugnis(const ZeugnisUmgebung& u, const TKlassenDatei& klasse, std::size_t schueler);
void DruckeAbschlusszeugnis(const ZeugnisUmgebung& u, const TKlassenDatei& klasse, std::size_t schueler);
void DruckeZeugnis(Zeugnistyp typ, const ZeugnisUmgebung& u, const TKlassenDatei& klasse, std::size_t schueler);

}  // namespace velmora
