#pragma once
// "D&rucken > Liste der &ausgegebenen Zeugnisse...": the entries of the list of issued
// reports (zeugnisliste.h) of the current class, that is the class and school year of the
// current student's record, on plain paper: A4 portrait from the "interne Formulare" margins
// of the print settings, the head (title, class, school year, school) and the column heads on
// every page, one entry in two lines (the columns; the publisher or paper and the copy's
// file), the program, the date and "Seite n von m" at the foot of every page.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "basis/meldungen.h"
#include "basis/uhr.h"
#include "print/druckflaeche.h"
#include "print/druckvorschau.h"
#include "printcommands/druckkontext.h"
#include "reports/zeugnisliste.h"
#include "settings/archiveinstellungen.h"
#include "settings/druckeinstellungen.h"

namespace velmora {

// What the head of every page names.
struct ListenUeberschrift {
  std::string klasse;
  std::string schuljahr;  // "2026/2027", as the list holds it
  std::string schule;
  Datum gedruckt;
};

// The entries of `alle` of this class and school year, in the order of the list.
std::vector<ZeugnislistenEintrag> EintraegeDerKlasse(const std::vector<ZeugnislistenEintrag>& alle,
                                                     const std::string& klasse, const std::string& schuljahr);

// Entries on a page, for a top margin of `oben` tenths of a millimetre: as many as end 8 mm
// above the foot line at 282 mm; at least one.
std::size_t ZeugnislisteProSeite(std::int32_t oben);

// The text cut to at most `breite` tenths of a millimetre in this font, "…" at its end where
// it was cut.
std::string AufBreite(const std::string& text, std::uint16_t stil, int hoehe, const std::string& schrift, int breite);

// One print job of the list. False when the job could not be started (nothing drawn) or not
// be completed.
bool DruckeZeugnisliste(DruckFlaeche& flaeche, const std::vector<ZeugnislistenEintrag>& eintraege,
                        const ListenUeberschrift& kopf, const TDruckEinstellungen& druck);

class Zeugnislistebefehl {
 public:
  Zeugnislistebefehl(const DruckKontext& kontext, DruckFlaeche& flaeche, Meldungen& meldungen, Druckvorschau& vorschau,
                     ArchivEinstellungen& einstellungen, const Uhr& uhr)
      : kontext_(kontext),
        flaeche_(flaeche),
        meldungen_(meldungen),
        vorschau_(vorschau),
        einstellungen_(einstellungen),
        uhr_(uhr) {}

  // Reads the archive settings and the list (a file error ends the command in the "Fehler"
  // box). Where the list holds nothing of the current class an "Information" says so;
  // otherwise a box names the number of entries and offers "&Drucken", "&Vorschau" and
  // "Abbrechen".
  void ListeClick();

 private:
  DruckKontext kontext_;
  DruckFlaeche& flaeche_;
  Meldungen& meldungen_;
  Druckvorschau& vorschau_;
  ArchivEinstellungen& einstellungen_;
  const Uhr& uhr_;
};

}  // namespace velmora
