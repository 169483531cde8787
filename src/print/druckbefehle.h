#pragma once
// The print commands of the main window for the internal sheets: test sheet and data sheet.
#include "basis/meldungen.h"
#include "basis/uhr.h"
#include "print/blaetter.h"
#include "print/druckkontext.h"

namespace velmora {

class Druckbefehle {
 public:
  // `puffer`: the program's one line buffer, shared with the reports and the report-text lists.
  Druckbefehle(const DruckKontext& kontext, DruckFlaeche& flaeche, Meldungen& meldungen, const Uhr& uhr,
               TZeilenpuffer& puffer)
      : kontext_(kontext), flaeche_(flaeche), meldungen_(meldungen), uhr_(uhr), puffer_(puffer) {}

  // "&Testblatt": loads "TSTBLATT.FST" and prints the test sheet.
  void Testblatt1Click();
  // "Schüler-&Datenblatt" (with the confirmation box) and, after the print dialog,
  // "Datenblätter" (without it): the data sheet of the current student.
  void Datenblatt1Click();
  void DatenblattDrucken();

 private:
  BlattKopf Kopf() const;

  DruckKontext kontext_;
  DruckFlaeche& flaeche_;
  Meldungen& meldungen_;
  const Uhr& uhr_;
  TZeilenpuffer& puffer_;
};

}  // namespace velmora
