#pragma once
// The two internal one-page sheets: the printer test sheet and the student data sheet.
#include <string>

#include "basis/uhr.h"
#include "classdata/schuelerdatensatz.h"
#include "print/druckflaeche.h"
#include "print/formatsteuertabelle.h"
#include "print/zeilenpuffer.h"

namespace velmora {

// The sample line of font n (1..40) on the test sheet.
std::string TestblattZeile(int n);
// The words of the data sheet for Status and Zeugnisart.
std::string StatusWort(std::int16_t status);
std::string ZeugnisartWort(std::int16_t zeugnisart);

// What both sheets print besides the record.
struct BlattKopf {
  std::string Zeugnisname;  // the school's report name as it was at program start
  std::string Kurzname;
  Datum Heute;
};

// One print job of one page each. They return false when the job could not be started.
bool DruckeTestblatt(DruckFlaeche& flaeche, const TFormatSteuerTabelle& werte, const BlattKopf& kopf);
bool DruckeDatenblatt(DruckFlaeche& flaeche, const TSchuelerDatensatz& satz, const TFormatSteuerTabelle& rahmen,
                      const TFormatSteuerTabelle& werte, const BlattKopf& kopf, bool mitRahmen, TZeilenpuffer& puffer);

}  // namespace velmora
