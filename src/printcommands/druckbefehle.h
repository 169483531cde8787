#pragma once
// The print commands of the main window for the internal sheets: test sheet and data sheet,
// printed or shown in the preview.
#include "basis/meldungen.h"
#include "basis/uhr.h"
#include "print/druckvorschau.h"
#include "printcommands/blaetter.h"
#include "printcommands/druckkontext.h"

namespace velmora {

class Druckbefehle {
 public:
  // `puffer`: the program's one line buffer, shared with the reports and the report-text lists.
  Druckbefehle(const DruckKontext& kontext, DruckFlaeche& flaeche, Meldungen& meldungen, const Uhr& uhr,
               TZeilenpuffer& puffer, Druckvorschau& vorschau)
      : kontext_(kontext), flaeche_(flaeche), meldungen_(meldungen), uhr_(uhr), puffer_(puffer), vorschau_(vorschau) {}

  // "&Testblatt": loads "TSTBLATT.FST" and prints the test sheet.
  void Testblatt1Click();
  // "Schüler-&Datenblatt" (with the confirmation box) and, after the print dialog,
  // "Datenblätter" (without it): the data sheet of the current student.
  void Datenblatt1Click();
  void DatenblattDrucken();

  // The same sheets in the preview, without the confirmation box; the tables are read
  // (or created) first, and a faulty one ends the command before the preview opens.
  void TestblattVorschau();
  void DatenblattVorschau();

 private:
  BlattKopf Kopf() const;

  DruckKontext kontext_;
  DruckFlaeche& flaeche_;
  Meldungen& meldungen_;
  const Uhr& uhr_;
  TZeilenpuffer& puffer_;
  Druckvorschau& vorschau_;
};

}  // namespace velmora
